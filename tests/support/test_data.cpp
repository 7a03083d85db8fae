// test_data.cpp -- reads expected outputs and case tables kept with the tests, on every platform.
#include "test_data.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

std::string read_test_data(const std::string& relative_path)
{
    return read_file(fs::path(SUBNETTER_TEST_DATA) / relative_path);
}

std::string with_enters(std::string text)
{
    std::replace(text.begin(), text.end(), '|', '\n');
    return text;
}

std::vector<std::string> lines_of(const std::string& table)
{
    std::istringstream text(read_test_data(table));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    EXPECT_FALSE(lines.empty()) << table << " is missing or empty";
    return lines;
}

void for_each_case(const std::string& table, const std::function<void(std::istringstream& row)>& check)
{
    for (const std::string& line : lines_of(table)) {
        SCOPED_TRACE(line);
        std::istringstream row(line);
        check(row);
    }
}
