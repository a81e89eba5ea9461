// DecodeUnicode and CodePoint::Decode on arbitrary bytes: no crash, no alert, and
// valid UTF-8 in gives valid UTF-8 out.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Utf8Check.h"
#include "framework/MsgBox.h"
#include "text/CodePoint.h"
#include "text/DecodeUnicode.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fw::SetMsgBoxPresenter([](const std::string& text) {
        std::fprintf(stderr, "unexpected alert: %s\n", text.c_str());
        std::abort();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const bool validIn = IsValidUtf8(input);

    const std::string decoded = DecodeUnicode(input);
    if (validIn && !IsValidUtf8(decoded)) {
        std::abort();
    }
    if (validIn && decoded.find('\\') != std::string::npos &&
        input.find("005c") == std::string::npos) {
        std::abort();  // every backslash of the input must be gone
    }

    const std::string character = CodePoint::Decode(input);
    if (size > 5 ? !character.empty() : !IsValidUtf8(character)) {
        std::abort();
    }
    return 0;
}
