#include "window/NameRecords.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "framework/Strings.h"
#include "text/RegExXojo.h"

namespace NameRecords {

namespace {

struct SelectionRow {
    const char* nameID;
    const char* language;
    bool endsScan;
};

// Family names in the languages the program knows, in the order they are tried.
constexpr std::array<SelectionRow, 12> kSelection{{
    {"1", "0", false},
    {"16", "0", false},
    {"1", "404", false},
    {"16", "404", true},
    {"1", "409", false},
    {"16", "409", false},
    {"1", "411", false},
    {"16", "411", true},
    {"1", "412", false},
    {"16", "412", true},
    {"1", "804", false},
    {"16", "804", true},
}};

const SelectionRow* Select(const Record& record) {
    for (const SelectionRow& row : kSelection) {
        if (fw::StringEquals(record.nameID, row.nameID) &&
            fw::StringEquals(record.language, row.language)) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<Record> Parse(const std::string& line) {
    // Six fields are five commas. The fields are found in place rather than split
    // out: most lines are long strings that are no record of interest.
    if (std::count(line.begin(), line.end(), ',') != 5 || line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    std::array<std::string_view, 6> fields;
    std::string_view rest(line);
    for (std::size_t i = 0; i < 5; ++i) {
        const std::size_t comma = rest.find(',');
        fields[i] = rest.substr(0, comma);
        rest.remove_prefix(comma + 1);
    }
    fields[5] = rest;
    return Record{fw::Trim(fields[2]), fw::Trim(fields[3]), std::string(fields[5])};
}

std::string TextOf(const std::string& field) {
    // The second branch only serves an empty name string, which would otherwise give the
    // whole field: it then gives an empty text. Every other field reads as before, since
    // the first branch is tried at every place first.
    return RegExXojo::Replace(field, ".+<(.+?)>|.+<>", "\\1", 0, true);
}

std::string ChooseFamilyName(const std::vector<std::string>& lines) {
    std::string chosen;
    for (const std::string& line : lines) {
        std::optional<Record> record = Parse(line);
        if (!record) {
            continue;
        }
        // Only a record that is chosen needs its text: the other records' would be
        // thrown away, and making it is most of the parsing's cost.
        if (const SelectionRow* row = Select(*record)) {
            chosen = TextOf(record->field);
            if (row->endsScan) {
                break;
            }
        }
    }
    return chosen;
}

}  // namespace NameRecords
