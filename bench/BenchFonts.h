#pragma once
// The font copies the benchmark files: N hard links to a few real fonts, named apart,
// in a folder of their own, with the family each belongs in.

#include <string>
#include <vector>

namespace bench {

struct FontCopy {
    std::string path;
    std::string family;  // decoded, as the program names the folder
};

// The real fonts, copied once into store (so that links can be made) with their families.
std::vector<FontCopy> PrepareSources(const std::string& store, const std::string& spot);

// count links to the sources, taken in turn, in folder (made when missing).
std::vector<FontCopy> MakeCopies(const std::vector<FontCopy>& sources, const std::string& folder,
                                 int count);

// How many of copies now sit in their family folder, under their own name.
int CountFiled(const std::vector<FontCopy>& copies);

// count empty files named like fonts, in shuffled order.
std::vector<std::string> MakeDropFiles(const std::string& folder, int count);

}  // namespace bench
