// worked_example_test.cpp -- 192.168.1.1 with the default prefix, exported: file and screen byte for byte.
#include "run_program.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

const std::string FILE_RULE(81, '_');
const std::string SCREEN_RULE(79, '_');

std::string lines(std::initializer_list<std::string> rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + '\n';
    return text;
}

const std::string INFORMATION = lines({
    "# Network Class     : C Classfull",
    "# Subnets           : 1",
    "# Hosts/Subnet      : 254+2 (Network IP & Broadcast IP)",
    "# IPv4 Address      : 11000000.10101000.00000001.00000001 : 192.168.1.1/24",
    "# Network Mask      : 11111111.11111111.11111111.00000000 : 255.255.255.0/24",
    "# Current Network IP: 11000000.10101000.00000001.00000000 : 192.168.1.0/24",
});

const std::string SUBNET = lines({
    "",
    "Sub Network 1/1",
    "",
    "# Network IP        : 11000000.10101000.00000001.00000000 : 192.168.1.0/24",
    "# Default Gateway   : 11000000.10101000.00000001.00000001 : 192.168.1.1/24",
    "# First Host IP     : 11000000.10101000.00000001.00000010 : 192.168.1.2/24",
    "# Last Host IP      : 11000000.10101000.00000001.11111110 : 192.168.1.254/24",
    "# Broadcast IP      : 11000000.10101000.00000001.11111111 : 192.168.1.255/24",
});

const std::string INFORMATION_TITLE = std::string(29, ' ') + "<< IPv4 INFORMATIONS >>";
const std::string STANDARD_TITLE = std::string(32, ' ') + "<<STANDARD MODE>>";
const std::string ERASED_ROW = "\r" + std::string(80, ' ') + "\n";

TEST(WorkedExample, FileAndScreenOfAnExportedStandardCalculation)
{
    const ProgramRun run = run_subnetter("\n1\n3\n9\nY\nN\n192.168.1.1\n\n\n2\n\n");

    const std::string file = lines({ FILE_RULE, "", INFORMATION_TITLE, FILE_RULE }) + INFORMATION
        + lines({ FILE_RULE, "", STANDARD_TITLE, FILE_RULE }) + SUBNET + lines({ FILE_RULE });
    ASSERT_EQ(run.files.size(), 1u);
    EXPECT_EQ(run.files.at("Result_1.txt"), file);

    // From the clearing of the screen before the report to the end of the run.
    const std::string screen = "\f" + lines({ SCREEN_RULE, INFORMATION_TITLE, SCREEN_RULE }) + INFORMATION
        + lines({ SCREEN_RULE, STANDARD_TITLE, SCREEN_RULE }) + SUBNET
        + "\nPress any key to continue . . . \n" + ERASED_ROW + ERASED_ROW
        + "\nPress any 'Char' to EXIT/SAVE or '1' to RESET: " + ERASED_ROW
        + "Results saved sucessfully to file 'Result_1.txt'...\n"
        + "\nPress any key to continue . . . \n\f";
    ASSERT_GE(run.output.size(), screen.size());
    EXPECT_EQ(run.output.substr(run.output.size() - screen.size()), screen);
    EXPECT_EQ(run.status, 0);
}

}
