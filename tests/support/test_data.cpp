// test_data.cpp -- reads expected outputs kept with the tests, on every platform.
#include "run_program.h"

#include <fstream>
#include <iterator>

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

std::string read_test_data(const std::string& relative_path)
{
    return read_file(std::filesystem::path(SUBNETTER_TEST_DATA) / relative_path);
}
