// tessary_bench [fonts] [dropped files]
// Files copies of real fonts through the program's run on the headless backend, and
// times the same work done by the floor (spot spawned directly, mkdir and rename in
// process) and by a shell script loop; then times a drop of many files.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

#include "BenchFonts.h"
#include "ProgramRun.h"
#include "References.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Paths(const std::vector<bench::FontCopy>& copies) {
    std::vector<std::string> paths;
    for (const auto& copy : copies) {
        paths.push_back(copy.path);
    }
    return paths;
}

int Check(const char* what, const std::vector<bench::FontCopy>& copies) {
    const int filed = bench::CountFiled(copies);
    if (filed != static_cast<int>(copies.size())) {
        std::fprintf(stderr, "%s filed %d of %zu fonts\n", what, filed, copies.size());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int fonts = argc > 1 ? std::atoi(argv[1]) : 200;
    const int dropped = argc > 2 ? std::atoi(argv[2]) : 10000;
    const std::string spot = "/usr/libexec/afdko/spot";
    if (fonts < 1 || dropped < 1) {
        std::fprintf(stderr, "usage: tessary_bench [fonts >= 1] [dropped files >= 1]\n");
        return 2;
    }
    std::string pattern = (fs::temp_directory_path() / "tessary-bench.XXXXXX").string();
    const std::string root = ::mkdtemp(pattern.data());
    int failures = 0;
    try {
        const auto sources = bench::PrepareSources(root + "/sources", spot);
        const auto programCopies = bench::MakeCopies(sources, root + "/program", fonts);
        const auto floorCopies = bench::MakeCopies(sources, root + "/floor", fonts);
        const auto scriptCopies = bench::MakeCopies(sources, root + "/script", fonts);
        const auto dropFiles = bench::MakeDropFiles(root + "/drop", dropped);

        // Untimed: brings spot, its libraries and the fonts into the page cache.
        bench::RunFloor(spot, bench::MakeCopies(sources, root + "/warm-up", 20));
        const double floor = bench::RunFloor(spot, floorCopies);
        const double script = bench::RunShellScript(spot, scriptCopies);
        const bench::ProgramTimes program =
            bench::RunProgram(root + "/app", spot, dropFiles, Paths(programCopies));

        failures += Check("floor", floorCopies);
        failures += Check("shell script", scriptCopies);
        failures += Check("program", programCopies);
        if (!program.completed) {
            std::fprintf(stderr, "the program showed no completion alert\n");
            ++failures;
        }

        std::printf("fonts: %d (%zu distinct real fonts, hard-linked copies)\n", fonts,
                    sources.size());
        std::printf("%-14s %10s %12s %10s\n", "", "seconds", "ms per font", "vs floor");
        const auto row = [&](const char* name, double seconds) {
            std::printf("%-14s %10.3f %12.3f %9.3fx\n", name, seconds, 1000 * seconds / fonts,
                        seconds / floor);
        };
        row("floor", floor);
        row("program", program.runSeconds);
        row("shell script", script);
        std::printf("program / shell script: %.3f\n", program.runSeconds / script);
        std::printf("drop of %d files: %.3f s until listed, sorted and labelled (\"%s\")\n",
                    dropped, program.dropSeconds, program.label.c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tessary_bench: %s\n", error.what());
        ++failures;
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
    return failures == 0 ? 0 : 1;
}
