#pragma once
// What the completion alert tells of the fonts that a batch left where they were.

#include <string>
#include <vector>

// Why the run left a font where it was.
enum class NotFiled {
    NotAFile,        // not a regular file, links followed
    RelativeLink,    // a symbolic link that would point elsewhere once moved
    SpotFailed,      // spot failed, or printed nothing that reads as a name table
    OutputTooLarge,  // spot was stopped at its output limit
    TimedOut,        // spot was stopped at its time limit
    NoFamilyName,
    BadFolderName,  // the family name can't name a folder beside the font
    FolderNotMade,  // the family folder could not be made (or is a file)
    AlreadyThere,   // the family folder already holds an item of the font's name
    MoveFailed,
    ChangedDuringMove,  // another program replaced the font while it was being copied
    NoLongerThere,      // listed, but gone by the time of the run
};

namespace RunReport {

struct Unfiled {
    std::string name;  // the font's file name
    NotFiled reason;
};

// The alert's explanation: empty when every font was filed; otherwise how many stayed,
// then, a line each, the first ten as ShownName shows them with their reasons, then how
// many more there are.
std::string Explanation(const std::vector<Unfiled>& unfiled);

}  // namespace RunReport
