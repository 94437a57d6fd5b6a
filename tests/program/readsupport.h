// Test support for the program reader: golden programs read as files, and programs that
// the command-line generator writes for given page fields.
#pragma once

#include <string>
#include <vector>

#include "program/reader.h"

namespace qorix::test {

struct GoldenProgram {
    std::string name;  // wizard/case
    std::vector<std::string> lines;
    char separator = ',';
};

// Every golden program of one wizard (all wizards when empty).
std::vector<GoldenProgram> goldenPrograms(const std::string& wizard = "");
GoldenProgram goldenProgram(const std::string& wizard, const std::string& name);

// The program "generate WIZARD ARGS..." writes (its standard output lines).
std::vector<std::string> generated(const std::string& wizard, const std::vector<std::string>& args);

program::ReadResult readText(const std::string& text, char separator = ',');
// The warnings as "line: text", for readable failures.
std::string describe(const std::vector<program::Warning>& warnings);
// The warnings of one kind.
std::vector<program::Warning> warningsOf(const program::ReadResult& r, program::WarningKind kind);
// The arcs of a toolpath in order, with the move that drew each.
std::vector<std::pair<program::Move, program::Arc>> arcsOf(const program::Toolpath& path);

}  // namespace qorix::test
