// sessions_test.cpp -- whole sessions of the built program: screen and export files byte for byte.
#include "run_program.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path TEST_DATA = SUBNETTER_TEST_DATA;

class Session : public testing::TestWithParam<std::string> { };

TEST_P(Session, ShowsAndWritesExactlyWhatIsExpected)
{
    const fs::path folder = TEST_DATA / GetParam();
    const ProgramRun run = run_subnetter(read_file(folder / "input.txt"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, read_file(folder / "screen.txt"));
    // Besides its input, screen and the bytes of the same session typed on a terminal
    // (tests/terminal/typed_sessions.py), a session folder holds exactly the files the run must leave.
    std::map<std::string, std::string> expected = files_in(folder);
    for (const char* not_left : { "input.txt", "screen.txt", "terminal.bytes" })
        expected.erase(not_left);
    EXPECT_EQ(run.files, expected);
}

INSTANTIATE_TEST_SUITE_P(Sessions, Session, testing::ValuesIn(session_folders()));

// 192.168.1.1 with the default prefix, exported, shown on screen: menu, address,
// the default-prefix pause and the pause after its one subnet.
const std::string EXPORTED = "1\n3\n9\nY\nN\n192.168.1.1\n\n\n";
// The same as a quick export; once its file is lost it is shown on screen with the same pauses.
const std::string QUICK = "1\n3\n9\nY\nY\n192.168.1.1\n\n\n";
// The largest quick export, formed in bulk: on a full device its writes fail from the first block on.
const std::string QUICK_CLASS_A = "1\n4\n9\nY\nY\n10.0.0.1\n30\n";
const std::string QUICK_SHOWN_INSTEAD = "\fResults can not be exported to file 'Result_1.txt': Is a directory\n"
    + std::string(79, '_') + "\n" + std::string(29, ' ') + "<< IPv4 INFORMATIONS >>\n";
const std::string SECOND_SAVED = "Results saved sucessfully to file 'Result_2.txt'...\n";

void take_name_by_folder(const fs::path& dir) { fs::create_directory(dir / "Result_1.txt"); }
void link_to_full_device(const fs::path& dir) { fs::create_symlink("/dev/full", dir / "Result_1.txt"); }

struct Mishap {
    std::string name;
    void (*prepare)(const fs::path&);
    std::string input;
    std::vector<std::string> shown;
    std::vector<std::string> files_left;
};

const std::vector<Mishap> MISHAPS {
    { "name taken by a folder", take_name_by_folder, "\n" + QUICK + "1\n" + EXPORTED + "2\n\n", { QUICK_SHOWN_INSTEAD, SECOND_SAVED }, { "Result_2.txt" } },
    { "full device", link_to_full_device, "\n" + EXPORTED + "1\n\n" + EXPORTED + "2\n\n", { "Results could not be saved to file 'Result_1.txt': No space left on device\n", SECOND_SAVED }, { "Result_2.txt" } },
    { "full device, quick export", link_to_full_device, "\n" + QUICK_CLASS_A + "2\n\n", { "Results could not be saved to file 'Result_1.txt': No space left on device\n" }, {} },
    { "full device, end of input", link_to_full_device, "\n" + EXPORTED, { "\nResults could not be saved to file 'Result_1.txt': No space left on device\n" }, {} },
};

// The run goes on after a lost export, and its exit status tells a script what the screen says.
TEST(ExportMishaps, UserIsToldAndTheProgramGoesOn)
{
    for (const Mishap& mishap : MISHAPS) {
        SCOPED_TRACE(mishap.name);
        TemporaryFolder folder;
        mishap.prepare(folder.path);
        const ProgramRun run = run_subnetter(mishap.input, folder.path);
        EXPECT_EQ(run.status, 1);
        for (const std::string& text : mishap.shown)
            EXPECT_NE(run.output.find(text), std::string::npos) << text << "\nin:\n" << run.output;
        EXPECT_EQ(run.output.find("'Result_1.txt'..."), std::string::npos);
        std::vector<std::string> names;
        for (const auto& file : run.files)
            names.push_back(file.first);
        EXPECT_EQ(names, mishap.files_left);
    }
}

void write_longer_file(const fs::path& dir) { std::ofstream(dir / "Result_1.txt") << std::string(100000, 'x'); }
void link_to_missing_file(const fs::path& dir)
{
    fs::create_directory(dir / "kept");
    fs::create_symlink("kept/report.txt", dir / "Result_1.txt");
}
void link_to_file_in_subfolder(const fs::path& dir)
{
    link_to_missing_file(dir);
    std::ofstream(dir / "kept/report.txt") << "earlier\n";
}

// What had the name before the run: the report takes its place, and a link to a
// regular file, or to none yet, stays a link whose target gets the report. No
// temporary file is left.
TEST(ExportFile, TakesThePlaceOfWhatHadItsName)
{
    const fs::path session = TEST_DATA / "e2e/sessions/quick_export";
    const std::string report = read_file(session / "Result_1.txt");
    const std::map<std::string, std::string> only_the_report { { "Result_1.txt", report } };
    struct Earlier {
        void (*prepare)(const fs::path&);
        std::map<std::string, std::string> files_left;
    };
    const Earlier EARLIER[] { { write_longer_file, only_the_report }, { link_to_file_in_subfolder, {} },
        { link_to_missing_file, {} } };
    for (const Earlier& earlier : EARLIER) {
        TemporaryFolder folder;
        earlier.prepare(folder.path);
        const ProgramRun run = run_subnetter(read_file(session / "input.txt"), folder.path);
        EXPECT_EQ(run.files, earlier.files_left);
        EXPECT_EQ(read_file(folder.path / "Result_1.txt"), report);
        EXPECT_EQ(fs::is_symlink(folder.path / "Result_1.txt"), earlier.files_left.empty());
    }
}

}
