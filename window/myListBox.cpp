#include "window/myListBox.h"

#include "cocoa/Cocoa.h"
#include "framework/Appearance.h"
#include "framework/Color.h"

namespace {

constexpr std::uint32_t kEvenLight = 0x00F1F2F2;
constexpr std::uint32_t kEvenDark = 0x00161616;
// White, nearly transparent: odd rows show the list's own background.
constexpr std::uint32_t kOdd = 0xF3FFFFFF;

}  // namespace

bool myListBox::Event_CellBackgroundPaint(fw::Ref<fw::Graphics> g, std::int64_t row,
                                          std::int64_t column) {
    if (Selected(row)) {
        return true;
    }
    std::uint32_t colour = kOdd;
    if (row % 2 == 0) {
        colour = fw::IsDarkMode() ? kEvenDark : kEvenLight;
    }
    g->SetForeColor(fw::Color(colour));
    g->FillRect(0, 0, g->Width(), g->Height());
    if (CellBackgroundPaint) {
        return CellBackgroundPaint(g, row, column);
    }
    return false;
}

bool myListBox::Event_CompareRows(std::int64_t row1, std::int64_t row2, std::int64_t column,
                                  std::int64_t& result) {
    const std::string s1 = Cell(row1, column);
    const std::string s2 = Cell(row2, column);
    result = FinderCompare(s1, s2);
    if (CompareRows) {
        return CompareRows(row1, row2, column, result);
    }
    return false;
}

std::int64_t myListBox::FinderCompare(const std::string& s1, const std::string& s2) {
    using namespace cocoa;
    CFString first = CFStringCreateWithString(s1);
    CFString second = CFStringCreateWithString(s2);
    return SendInt(first.Get(), NSSelectorFromString("localizedStandardCompare:"), {second});
}
