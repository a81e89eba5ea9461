#pragma once
// One launch of the program on the headless backend: a drop of many files until the
// list is filled, sorted and labelled, then a drop of the fonts and the run button,
// which ends in the completion alert.

#include <string>
#include <vector>

namespace bench {

struct ProgramTimes {
    double dropSeconds{0};    // the big drop
    double runSeconds{0};     // Run pressed until the completion alert shows
    double quitSeconds{0};    // Run pressed until the program has quit (preferences written)
    std::string label;        // the label after the big drop
    bool completed{false};    // the "Completed." alert came
    std::string explanation;  // the alert's explanation
    long idleKB{0};           // resident memory just before Run is pressed
    long peakKB{0};           // the most resident memory from then until the alert
};

// root gets Tessary/Resources/spot (a link to spot) and config, the settings folder.
ProgramTimes RunProgram(const std::string& root, const std::string& spot,
                        const std::vector<std::string>& dropFiles,
                        const std::vector<std::string>& fonts);

}  // namespace bench
