#include "text/RegExXojo.h"

#include "framework/MsgBox.h"
#include "framework/RuntimeException.h"
#include "framework/Strings.h"
#include "text/Localizable.h"

namespace RegExXojo {

fw::Ref<fw::RegEx> reg;

namespace {

// The engine's start position is a byte offset; callers count characters.
std::int64_t ByteOffset(const std::string& source, std::int64_t start) {
    return fw::LenB(fw::Left(source, start));
}

void ShowEngineError(const fw::RegExException& error) {
    fw::MsgBox("RegEx error: " + std::string(fw::EndOfLine::Native) + error.Message);
}

bool IsLoneMetacharacter(const std::string& pattern) {
    return fw::StringEquals(pattern, "^") || fw::StringEquals(pattern, "$") ||
           fw::StringEquals(pattern, "\\b");
}

}  // namespace

std::string MachStr(const std::string& source, const std::string& pattern, std::int64_t start,
                    bool caseSensitive) {
    if (source.empty() || pattern.empty()) {
        return {};
    }
    try {
        MakeRegEx();
        reg->Options.CaseSensitive = caseSensitive;
        reg->SearchStartPosition = ByteOffset(source, start);
        reg->SearchPattern = pattern;
        auto match = reg->Search(source);
        if (match.IsNil()) {
            return {};
        }
        return match->SubExpressionString(0);
    } catch (const fw::RegExException& error) {
        ShowEngineError(error);
        return {};
    }
}

std::string Replace(const std::string& source, const std::string& pattern,
                    const std::string& replacement, std::int64_t start, bool caseSensitive) {
    if (source.empty() || pattern.empty()) {
        return source;
    }
    if (IsLoneMetacharacter(pattern)) {
        fw::MsgBox(kAlert_Metacharacters(""));
        return source;
    }
    try {
        MakeRegEx();
        reg->Options.ReplaceAllMatches = false;
        reg->Options.CaseSensitive = caseSensitive;
        reg->SearchStartPosition = ByteOffset(source, start);
        reg->SearchPattern = pattern;
        reg->ReplacementPattern = replacement;
        return reg->Replace(source);
    } catch (const fw::RegExException& error) {
        ShowEngineError(error);
        return {};
    }
}

void MakeRegEx() {
    reg = nullptr;
    reg = fw::New<fw::RegEx>();
}

std::string kAlert_Metacharacters(const std::string& language) {
    return LocalizedText("RegExXojo.kAlert_Metacharacters",
                         "Metacharacters ^ $ \\b cannot be used alone.", language);
}

}  // namespace RegExXojo
