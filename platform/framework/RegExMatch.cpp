#include "RegExMatch.h"

#include "RuntimeException.h"

namespace fw {

RegExMatch::RegExMatch(std::string subject, std::vector<Range> groups)
    : subject_(std::move(subject)), groups_(std::move(groups)) {}

std::string RegExMatch::SubExpressionString(int n) const {
    if (n < 0 || n >= SubExpressionCount()) {
        throw OutOfBoundsException("No subexpression " + std::to_string(n) + ".");
    }
    const Range& range = groups_[static_cast<std::size_t>(n)];
    if (!range) {
        return {};
    }
    return subject_.substr(range->first, range->second - range->first);
}

std::int64_t RegExMatch::SubExpressionStartB(int n) const {
    if (n < 0 || n >= SubExpressionCount()) {
        throw OutOfBoundsException("No subexpression " + std::to_string(n) + ".");
    }
    const Range& range = groups_[static_cast<std::size_t>(n)];
    return range ? static_cast<std::int64_t>(range->first) : -1;
}

}  // namespace fw
