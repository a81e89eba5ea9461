// RegExXojo::MachStr and RegExXojo::Replace with fuzzed sources, patterns and
// replacements, and with the program's fixed patterns. Engine errors become (ignored)
// alerts; any other exception, or a crash, is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "framework/MsgBox.h"
#include "framework/Strings.h"
#include "text/RegExXojo.h"

namespace {

const std::vector<std::string> kFixedPatterns = {
    "[0-9a-f]{4}", ".+<(.+?)>", "^\\[\"*", "\"*\\]$", "^{", "}$", "^\"*(.+?)\"*$", "^0041",
};

void CheckMatchIsInSource(const std::string& match, const std::string& source) {
    if (!match.empty() && source.find(match) == std::string::npos) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fw::SetMsgBoxPresenter([](const std::string&) {});
    return 0;
}

// Input: one control byte, then source, pattern and replacement separated by NUL bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t control = data[0];
    const auto parts = fw::SplitB(
        std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), std::string(1, '\0'));
    const std::string& source = parts[0];
    const std::string pattern = parts.size() > 1 ? parts[1] : std::string();
    const std::string replacement = parts.size() > 2 ? parts[2] : std::string("\\1");
    const std::int64_t start = static_cast<std::int64_t>(control & 0x0F) - 2;
    const bool caseSensitive = (control & 0x10) != 0;

    CheckMatchIsInSource(RegExXojo::MachStr(source, pattern, start, caseSensitive), source);
    RegExXojo::Replace(source, pattern, replacement, start, caseSensitive);

    const std::string& fixed = kFixedPatterns[(control >> 5) % kFixedPatterns.size()];
    CheckMatchIsInSource(RegExXojo::MachStr(source, fixed, start, caseSensitive), source);
    RegExXojo::Replace(source, fixed, replacement, start, caseSensitive);
    return 0;
}
