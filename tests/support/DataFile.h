#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace bw::test {

// The bytes of a file under tests/data, named from there ("registry/values.reg"). A missing file
// fails the test, so that a misspelt name cannot pass as an empty file.
inline std::string DataFile(const std::string& name) {
    std::ifstream in(BWSHOW_TEST_DATA "/" + name, std::ios::binary);
    if (!in)
        ADD_FAILURE() << "no data file " << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A table of cases under tests/data: one row a line, fields split at tabs (blanks count), lines
// starting with '#' skipped. A missing or empty table fails the test.
inline std::vector<std::vector<std::string>> DataRows(const std::string& name) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(DataFile(name));
    for (std::string line; std::getline(lines, line);) {
        if (line.ends_with('\r')) // as the editor's tests read their data, in text mode
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string>& row = rows.emplace_back();
        std::istringstream fields(line + '\t'); // so that an empty last field is kept
        for (std::string field; std::getline(fields, field, '\t');)
            row.push_back(field);
    }
    if (rows.empty())
        ADD_FAILURE() << "no cases in " << name;
    return rows;
}

// A field of a table with "\xHH" for each byte that the table does not show as it is.
inline std::string Unescaped(const std::string& field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool hex = field.compare(i, 2, "\\x") == 0 && i + 3 < field.size() &&
                         std::isxdigit(static_cast<unsigned char>(field[i + 2])) &&
                         std::isxdigit(static_cast<unsigned char>(field[i + 3]));
        bytes += hex ? static_cast<char>(std::stoi(field.substr(i + 2, 2), nullptr, 16)) : field[i];
        if (hex)
            i += 3;
    }
    return bytes;
}

// The parts of a field between `separator`s; none of an empty field.
inline std::vector<std::string> Split(const std::string& field, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(field);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

} // namespace bw::test
