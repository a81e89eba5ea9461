#include "BenchFonts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "framework/Shell.h"
#include "framework/Strings.h"
#include "text/DecodeUnicode.h"
#include "window/NameRecords.h"

namespace bench {

namespace fs = std::filesystem;

namespace {

const char* const kSystemFonts[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
    "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
};

std::string FamilyOf(const std::string& spot, const std::string& font) {
    auto shell = fw::New<fw::Shell>();
    shell->Execute("'" + spot + "' -t name=3 '" + font + "'");
    const std::string family =
        DecodeUnicode(NameRecords::ChooseFamilyName(fw::Split(shell->ReadAll(), "\n")));
    if (shell->ErrorCode() != 0 || family.empty()) {
        throw std::runtime_error("spot gives no family for " + font);
    }
    return family;
}

}  // namespace

std::vector<FontCopy> PrepareSources(const std::string& store, const std::string& spot) {
    fs::create_directories(store);
    std::vector<FontCopy> sources;
    for (const char* system : kSystemFonts) {
        if (!fs::exists(system)) {
            continue;
        }
        const std::string copy = store + "/" + fs::path(system).filename().string();
        fs::copy_file(system, copy, fs::copy_options::overwrite_existing);
        sources.push_back({copy, FamilyOf(spot, copy)});
    }
    if (sources.empty()) {
        throw std::runtime_error("no system fonts found (fonts-dejavu-core, fonts-ipafont-gothic)");
    }
    return sources;
}

std::vector<FontCopy> MakeCopies(const std::vector<FontCopy>& sources, const std::string& folder,
                                 int count) {
    fs::create_directories(folder);
    std::vector<FontCopy> copies;
    for (int i = 0; i < count; ++i) {
        const FontCopy& source = sources[static_cast<std::size_t>(i) % sources.size()];
        const fs::path from(source.path);
        const std::string path = folder + "/" + from.stem().string() + "-" + std::to_string(i) +
                                 from.extension().string();
        fs::create_hard_link(from, path);
        copies.push_back({path, source.family});
    }
    return copies;
}

int CountFiled(const std::vector<FontCopy>& copies) {
    int filed = 0;
    for (const FontCopy& copy : copies) {
        const fs::path path(copy.path);
        if (!fs::exists(path) && fs::exists(path.parent_path() / copy.family / path.filename())) {
            ++filed;
        }
    }
    return filed;
}

std::vector<std::string> MakeDropFiles(const std::string& folder, int count) {
    fs::create_directories(folder);
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        paths.push_back(folder + "/Font" + std::to_string(i) + (i % 2 ? ".ttf" : ".otf"));
        std::ofstream(paths.back()).put('\0');
    }
    std::shuffle(paths.begin(), paths.end(), std::mt19937(42));
    return paths;
}

}  // namespace bench
