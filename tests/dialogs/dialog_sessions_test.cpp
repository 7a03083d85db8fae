// dialog_sessions_test.cpp -- whole runs through a pipe: exact screens, every refusal, garbage answers.
#include "run_program.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// Each folder under sessions/ holds input.txt, the exact screen.txt and any
// Result_N.txt the run must leave; no other file may be left.
TEST(DialogSessions, ScreensAndFilesMatchByteForByte)
{
    int sessions = 0;
    for (const auto& folder : fs::directory_iterator(fs::path(SUBNETTER_TEST_DATA) / "dialogs" / "sessions")) {
        if (!folder.is_directory())
            continue;
        ++sessions;
        SCOPED_TRACE(folder.path().filename().string());
        const ProgramRun run = run_subnetter(read_file(folder.path() / "input.txt"));
        EXPECT_FALSE(run.timed_out);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.output, read_file(folder.path() / "screen.txt"));
        std::map<std::string, std::string> expected_files;
        for (const auto& file : fs::directory_iterator(folder.path()))
            if (file.path().filename().string().starts_with("Result_"))
                expected_files[file.path().filename().string()] = read_file(file.path());
        EXPECT_EQ(run.files, expected_files);
    }
    EXPECT_GT(sessions, 0);
}

struct Refusal {
    const char* typed; // ends in unusable text, then the end of input
    const char* shown;
};

// Text that is not a number keeps a field at its reset value 0 (0.0.0.0 for
// addresses and masks), so most rows are refused by their garbage alone.
const Refusal REFUSALS[] = {
    { "\n1 3 9 maybe\n", "False Input: " },
    { "\n1 3 9 y ??\n", "False Input: " },
    { "\n1 3 9 N\n-1.2.3.4\n", "You insert an invalid IPv4 Address: -1.2.3.4\n" },
    { "\n1 3 9 N\n127.0.0.1\n", "You insert an invalid IPv4 Address: 127.0.0.1\n" },
    { "\n1 3 9 N\nhello\n", "0.X.X.X IPv4 Addresses are not valid!\n" },
    { "\n2 3 9 N\nhello\n", "0.X.X.X IPv4 Addresses are not valid!\n" },
    { "\n2 3 9 N\n01111111.0.0.1\n", "You insert an invalid IPv4 Address: 127.0.0.1\n" },
    { "\n2 3 9 N\n11000000.2.0.0\n", "\nA Binary number must only contain '0' and '1' digits\n\n" },
    { "\n1 4 9 N\n10.0.0.1\nabc\n", "The Prefix for Class A IPv4 Addresses must be >= 8 & <= 30\n\n" },
    { "\n1 4 9 N\n172.16.0.1\n15\n", "The Prefix for Class B IPv4 Addresses must be >= 16 & <= 30\n\n" },
    { "\n1 4 9 N\n192.168.0.1\nabc\n", "The Prefix for Class C IPv4 Addresses must be >= 24 & <= 30\n\n" },
    { "\n1 4 9 N\n192.168.0.1\n-1\n", "The Prefix must be >= 0 & <= 30\n\n" },
    { "\n1 5 9 N\n10.0.0.1\n16777215\n", "Class A IPv4 Max Value of Hosts/Subnet is 16.777.214\n\n" },
    { "\n1 5 9 N\n172.16.0.1\n65535\n", "Class B IPv4 Max Value of Hosts/Subnet is 65.534\n\n" },
    { "\n1 5 9 N\n192.168.0.1\n255\n", "Class C IPv4 Max Value of Hosts/Subnet is 254\n\n" },
    { "\n1 5 9 N\n192.168.0.1\nabc\n", "You can not have <= 0 Hosts\n\n" },
    { "\n1 6 9 N\n10.0.0.1\n4194305\n", "Class A IPv4 Max Value of Subnets is 4.194.304\n\n" },
    { "\n1 6 9 N\n172.16.0.1\n16385\n", "Class B IPv4 Max Value of Subnets is 16.384\n\n" },
    { "\n1 6 9 N\n192.168.0.1\n65\n", "Class C IPv4 Max Value of Subnets is 64\n\n" },
    { "\n1 6 9 N\n192.168.0.1\nabc\n", "You can not have <= 0 Subnets\n\n" },
    { "\n1 7 9 N\n10.0.0.1\nabc\n",
        "You insert an invalid Network Mask: 0.0.0.0\n\nClass A Network Masks must have the form : 255.xxx.xxx.xxx\n\n"
        "Acceptable Values of 'xxx' are : 0,128,192,224,240,248,252,254,255\n\n" },
    { "\n1 8 9 N\n192.168.0.1\nabc\n",
        "\nYou insert an invalid Network Mask: 0.0.0.0\n\nClass C Network Masks must have the form : 255.255.255.xxx\n\n" },
    { "\n1 8 9 N\n192.168.0.1\n2.2.2.2\n", "\nA Binary number must only contain '0' and '1' digits\n\n" },
};

// The run must show the refusal, wait for new input after the unusable text
// (never re-prompt on its own), and end cleanly at the end of input.
TEST(DialogSessions, EveryRefusalIsShownAndGarbageEndsAtEndOfInput)
{
    for (const auto& row : REFUSALS) {
        SCOPED_TRACE(row.typed);
        const std::string typed = std::string(row.typed) + "#?!\n%%\n";
        const ProgramRun run = run_subnetter(typed, 5);
        ASSERT_FALSE(run.timed_out);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.output.find(row.shown), std::string::npos) << run.output;
        EXPECT_LT(run.output.size(), 20000u);
    }
}

}
