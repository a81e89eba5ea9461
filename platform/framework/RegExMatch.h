#pragma once
// One match of a RegEx search.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Object.h"

namespace fw {

class RegExMatch : public Object {
public:
    // groups[n] holds the byte range of group n, or nothing when the group is unset.
    using Range = std::optional<std::pair<std::size_t, std::size_t>>;
    RegExMatch(std::string subject, std::vector<Range> groups);

    std::string ClassName() const override { return "RegExMatch"; }

    // The text of group n (0 = the whole match); empty for an unset group.
    // OutOfBoundsException for n outside 0 .. SubExpressionCount() - 1.
    std::string SubExpressionString(int n) const;
    // The whole match plus the pattern's groups.
    int SubExpressionCount() const { return static_cast<int>(groups_.size()); }
    // Byte offset of the whole match in the subject.
    std::int64_t SubExpressionStartB(int n) const;

private:
    std::string subject_;
    std::vector<Range> groups_;
};

}  // namespace fw
