// run_program.h -- runs the built subnetter in a temporary folder; test data kept with the tests.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// Thrown in a test program where the program's code would end the process
// (the end of its input, "Error!!!"): an end no test planned fails the test,
// and a test that plans one catches it.
struct ProgramEnded {
    int status;
};

struct ProgramRun {
    int status = -1;                           // exit status, or -1 when killed
    bool timed_out = false;                    // ended by the time bound
    std::string output;                        // everything written to standard output
    std::map<std::string, std::string> files;  // every file left in the folder, by name
};

// Starts the program in a fresh temporary folder with `input` on its standard
// input and waits at most `seconds` for it to end.
ProgramRun run_subnetter(std::string_view input, int seconds = 30);

// Contents of a file, and of one below the tests folder (expected outputs kept with the tests).
std::string read_file(const std::filesystem::path& path);
std::string read_test_data(const std::string& relative_path);
// Every file in a folder, by name; links are set up by tests (such as one to /dev/full), so left out.
std::map<std::string, std::string> files_in(const std::filesystem::path& folder);

// Case tables write Enter as |.
std::string with_enters(std::string text);

// The lines of a case table kept with the tests, and `check` run on each of
// them; a table that is missing or empty fails.
std::vector<std::string> lines_of(const std::string& table);
void for_each_case(const std::string& table, const std::function<void(std::istringstream& row)>& check);

// Every recorded session: folders of whole calculations, and of the menu and
// dialogs, below the tests folder.
std::vector<std::string> session_folders();
