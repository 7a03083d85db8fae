// test_data.h -- test data kept with the tests, and the program's end as a test program meets it.
#pragma once

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

// Thrown in a test program where the program's code would end the process
// (the end of its input, "Error!!!"): an end no test planned fails the test,
// and a test that plans one catches it.
struct ProgramEnded {
    int status;
};

// Contents of a file, and of one below the tests folder (expected outputs kept with the tests).
std::string read_file(const std::filesystem::path& path);
std::string read_test_data(const std::string& relative_path);

// Case tables write Enter as |.
std::string with_enters(std::string text);

// The lines of a case table kept with the tests, and `check` run on each of
// them; a table that is missing or empty fails.
std::vector<std::string> lines_of(const std::string& table);
void for_each_case(const std::string& table, const std::function<void(std::istringstream& row)>& check);
