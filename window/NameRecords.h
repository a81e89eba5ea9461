#pragma once
// Reading `spot -t name=3` output: its name records, and the family name chosen from
// them.

#include <optional>
#include <string>
#include <vector>

namespace NameRecords {

// One line of the name table dump: "[index]={platform,script,language,nameID,length,
// offset} [offset]=<string>".
struct Record {
    std::string language;  // trimmed, e.g. "409"
    std::string nameID;    // trimmed, e.g. "16"
    std::string field;     // the last field, untrimmed: "... [offset]=<string>"
};

// The record a line holds: exactly six comma-separated fields, the first beginning
// with "["; nullopt for any other line.
std::optional<Record> Parse(const std::string& line);

// The string between the record's last field's marks (see the family name rules).
std::string TextOf(const std::string& field);

// The family name the lines give: the text of the first record with name ID 16 in
// language 404, 411, 412 or 804, otherwise of the last record that matches any row of
// the selection table; empty when none does.
std::string ChooseFamilyName(const std::vector<std::string>& lines);

}  // namespace NameRecords
