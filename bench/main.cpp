// tessary_bench [fonts] [dropped files]
// Files copies of real fonts through the program's run on the headless backend, and
// times the same work done by the floor (spot spawned directly, mkdir and rename in
// process) and by a shell script loop; then times a drop of many files.
// tessary_bench --memory [font]
// Runs one font (a copy of font, through the real spot; without one, through a stand-in
// spot that prints name records without end) and reports the program's resident memory
// before and at most during the run.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
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

int MeasureMemory(const std::string& root, const char* font) {
    std::string spot = "/usr/libexec/afdko/spot";
    const std::string copy = root + "/font.ttf";
    if (font) {
        fs::copy_file(font, copy);
    } else {
        spot = root + "/endless-spot";
        std::ofstream(spot) << "#!/bin/sh\nexec yes '[ 0]={ 3, 1, 409,   1,  22,01cb} "
                               "[01cb]=<Family>'\n";
        fs::permissions(spot, fs::perms::owner_all);
        std::ofstream(copy) << "font";
    }
    const bench::ProgramTimes run = bench::RunProgram(root + "/app", spot, {}, {copy});
    std::printf("resident before the run %ld kB, at most during it %ld kB (%+ld kB), %.3f s\n",
                run.idleKB, run.peakKB, run.peakKB - run.idleKB, run.runSeconds);
    std::printf("alert: %s\n", run.explanation.c_str());
    return run.completed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--memory") {
        std::string pattern = (fs::temp_directory_path() / "tessary-bench.XXXXXX").string();
        const std::string root = ::mkdtemp(pattern.data());
        const int status = MeasureMemory(root, argc > 2 ? argv[2] : nullptr);
        fs::remove_all(root);
        return status;
    }
    const int fonts = argc > 1 ? std::atoi(argv[1]) : 200;
    const int dropped = argc > 2 ? std::atoi(argv[2]) : 10000;
    const std::string spot = "/usr/libexec/afdko/spot";
    if (fonts < 1 || dropped < 1) {
        std::fprintf(stderr,
                     "usage: tessary_bench [fonts >= 1] [dropped files >= 1]\n"
                     "       tessary_bench --memory [font]\n");
        return 2;
    }
    std::string pattern = (fs::temp_directory_path() / "tessary-bench.XXXXXX").string();
    const std::string root = ::mkdtemp(pattern.data());
    int failures = 0;
    try {
        const auto sources = bench::PrepareSources(root + "/sources", spot);
        const auto dropFiles = bench::MakeDropFiles(root + "/drop", dropped);

        // Untimed: brings spot, its libraries and the fonts into the page cache.
        bench::RunFloor(spot, bench::MakeCopies(sources, root + "/warm-up", 20));

        // Each way runs on fresh copies, in turn, a few times; the best time of each
        // counts, so that what the machine does meanwhile weighs least.
        constexpr int kRounds = 4;
        double floor = 0;
        double script = 0;
        bench::ProgramTimes program;
        for (int round = 0; round < kRounds; ++round) {
            const std::string tag = std::to_string(round);
            const auto floorCopies = bench::MakeCopies(sources, root + "/floor" + tag, fonts);
            const auto programCopies = bench::MakeCopies(sources, root + "/program" + tag, fonts);
            const auto scriptCopies = bench::MakeCopies(sources, root + "/script" + tag, fonts);

            // The order alternates, so that neither gains from going first.
            double floorRound = 0;
            bench::ProgramTimes programRound;
            if (round % 2 == 0) {
                floorRound = bench::RunFloor(spot, floorCopies);
                programRound =
                    bench::RunProgram(root + "/app" + tag, spot, dropFiles, Paths(programCopies));
            } else {
                programRound =
                    bench::RunProgram(root + "/app" + tag, spot, dropFiles, Paths(programCopies));
                floorRound = bench::RunFloor(spot, floorCopies);
            }
            const double scriptRound = bench::RunShellScript(spot, scriptCopies);

            failures += Check("floor", floorCopies);
            failures += Check("shell script", scriptCopies);
            failures += Check("program", programCopies);
            if (!programRound.completed) {
                std::fprintf(stderr, "the program showed no completion alert\n");
                ++failures;
            }
            floor = round == 0 ? floorRound : std::min(floor, floorRound);
            script = round == 0 ? scriptRound : std::min(script, scriptRound);
            if (round == 0 || programRound.runSeconds < program.runSeconds) {
                program.runSeconds = programRound.runSeconds;
                program.quitSeconds = programRound.quitSeconds;
            }
            if (round == 0 || programRound.dropSeconds < program.dropSeconds) {
                program.dropSeconds = programRound.dropSeconds;
                program.label = programRound.label;
            }
        }

        std::printf("fonts: %d (%zu distinct real fonts, hard-linked copies), best of %d rounds\n",
                    fonts, sources.size(), kRounds);
        std::printf("%-14s %10s %12s %10s\n", "", "seconds", "ms per font", "vs floor");
        const auto row = [&](const char* name, double seconds) {
            std::printf("%-14s %10.3f %12.3f %9.3fx\n", name, seconds, 1000 * seconds / fonts,
                        seconds / floor);
        };
        row("floor", floor);
        row("program", program.runSeconds);
        row("  and quit", program.quitSeconds);
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
