#include "cocoa/NSString.h"

#include <string_view>

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

#include "cocoa/AutoreleasePool.h"

namespace cocoa {

namespace {

// One collator per thread, made again when the default locale changes.
const icu::Collator* StandardCollator() {
    thread_local std::unique_ptr<icu::Collator> collator;
    thread_local std::string localeName;
    const icu::Locale& locale = icu::Locale::getDefault();
    if (collator && localeName == locale.getName()) {
        return collator.get();
    }
    UErrorCode status = U_ZERO_ERROR;
    // The C locale (en_US_POSIX) states no language; its collation is plain code point
    // order, which would put "Zed" before "apple". Names then sort by the root order.
    const bool posix = std::string_view(locale.getVariant()) == "POSIX";
    std::unique_ptr<icu::Collator> made(
        icu::Collator::createInstance(posix ? icu::Locale::getRoot() : locale, status));
    if (U_FAILURE(status) || !made) {
        status = U_ZERO_ERROR;
        made.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    if (U_FAILURE(status) || !made) {
        return nullptr;
    }
    // Levels are compared one after the other over the whole name: letters and digits,
    // then accents, and only for names equal up to there, case and width.
    made->setStrength(icu::Collator::TERTIARY);
    made->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
    if (U_FAILURE(status)) {
        return nullptr;
    }
    collator = std::move(made);
    localeName = locale.getName();
    return collator.get();
}

}  // namespace

CFString::CFString(std::string_view utf8)
    : object_(Make<NSStringObject>("NSString", std::string(utf8))) {}

id MakeAutoreleasedString(std::string_view utf8) {
    return Autorelease(Make<NSStringObject>("NSString", std::string(utf8)));
}

std::string StringValue(id string) {
    if (string == nullptr) {
        return {};
    }
    if (string->IsClass() || !string->Isa()->IsSubclassOf(&ClassNamed("NSString"))) {
        throw fw::IllegalCastException(object_getClassName(string) + " is no string");
    }
    return static_cast<const NSStringObject&>(*string).Utf8();
}

int LocalizedStandardCompare(std::string_view a, std::string_view b) {
    const int bytes = a < b ? -1 : (a == b ? 0 : 1);
    const icu::Collator* collator = StandardCollator();
    constexpr std::size_t kMaxCollated = 0x7FFFFFFF;
    if (collator == nullptr || a.size() > kMaxCollated || b.size() > kMaxCollated) {
        return bytes;
    }
    UErrorCode status = U_ZERO_ERROR;
    UCollationResult result =
        collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                              icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    if (U_FAILURE(status) || result == UCOL_EQUAL) {
        // Different names still never tie ("a01" and "a1", composed and decomposed accents),
        // so a sort does not depend on the order the names came in.
        return bytes;
    }
    return result == UCOL_LESS ? -1 : 1;
}

}  // namespace cocoa
