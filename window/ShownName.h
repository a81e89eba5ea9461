#pragma once
// A file name as the completion alert shows it: one unit that can't change the text
// around it, whatever its bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace RunReport {

// Longer names keep their start and end around "…", so the line's reason stays on screen.
inline constexpr std::size_t kShownNameCharacters = 32;

// fileName as UTF-8 text between FSI and PDI. Control characters (C0, DEL, C1) and line
// or paragraph separators are shown as escapes ("\n", "\x1B", "\u2028"), never as
// breaks; bytes that are no UTF-8 as U+FFFD. Directional embeddings, overrides and isolates that
// aren't closed within the name are dropped, so none reaches past it. A name of more than
// kShownNameCharacters characters is shortened to that many in the middle.
std::string ShownName(std::string_view fileName);

}  // namespace RunReport
