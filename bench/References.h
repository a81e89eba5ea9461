#pragma once
// The two references the program's run is measured against, on identical copies.

#include <string>
#include <vector>

#include "BenchFonts.h"

namespace bench {

// The floor: spot spawned directly per font, its output read and dropped, then mkdir
// and rename in this process. Answers the seconds taken.
double RunFloor(const std::string& spot, const std::vector<FontCopy>& fonts);

// What a shell script would do: one sh running spot per font, then mkdir -p and mv.
double RunShellScript(const std::string& spot, const std::vector<FontCopy>& fonts);

}  // namespace bench
