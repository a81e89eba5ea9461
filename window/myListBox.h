#pragma once
// The file list: striped row backgrounds, and rows compared in the file manager's
// order of names. Both list events are raised again for the list's owner.

#include <cstdint>
#include <functional>
#include <string>

#include "framework/Graphics.h"
#include "framework/Listbox.h"

class myListBox : public fw::Listbox {
public:
    std::string ClassName() const override { return "myListBox"; }

    bool Event_CellBackgroundPaint(fw::Ref<fw::Graphics> g, std::int64_t row,
                                   std::int64_t column) override;
    bool Event_CompareRows(std::int64_t row1, std::int64_t row2, std::int64_t column,
                           std::int64_t& result) override;

    // -1, 0 or 1: s1 before, equal to, or after s2 as the file manager orders names.
    std::int64_t FinderCompare(const std::string& s1, const std::string& s2);

    // The list's own events, for its owner; unhandled they answer False.
    std::function<bool(fw::Ref<fw::Graphics>, std::int64_t row, std::int64_t column)>
        CellBackgroundPaint;
    std::function<bool(std::int64_t row1, std::int64_t row2, std::int64_t column,
                       std::int64_t& result)>
        CompareRows;
};
