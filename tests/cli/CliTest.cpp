#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "tree/TreeTestSupport.h"

namespace {

using rw::test::Entries;
using rw::test::ReadFile;

struct CliRun {
    int status;
    std::string out, err;
};

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = rw::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

class CliTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& text) {
        rw::test::WriteFile(temp.File(name), text);
        return temp.File(name);
    }

    rw::test::TempDir temp;
    const std::string dir = temp.path;
};

const std::string kSample = std::string(RIGWRIGHT_SOURCE_DIR) + "/examples/sample-car.ini";

// The entries of a folder and the bytes of the files among them.
std::map<std::string, std::string> Files(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const std::string& name : Entries(folder)) {
        const std::string path = folder + "/" + name;
        files[name] = std::filesystem::is_directory(path) ? "<folder>" : ReadFile(path);
    }
    return files;
}

// Each folder of tests/data/cli is one run in a working folder that holds the
// files of its before/; the arguments are the lines of args. The exit status,
// standard output and error must be those of status, stdout and stderr, and
// the working folder must hold the files of before/ as replaced or added by
// after/, and nothing else.
TEST_F(CliTest, RunsGiveTheOutputAndFilesBesideThem) {
    const std::string data = RIGWRIGHT_SOURCE_DIR "/tests/data/cli/";
    const auto home = std::filesystem::current_path();
    ASSERT_FALSE(Entries(data).empty()) << data;
    for (const std::string& name : Entries(data)) {
        const std::string folder = data + name;
        std::map<std::string, std::string> expected = Files(folder);
        ASSERT_EQ(expected.size() - expected.count("before") - expected.count("after"), 4u)
            << name << ": args, status, stdout and stderr";
        rw::test::TempDir work;
        std::filesystem::copy(folder + "/before", work.path);
        std::filesystem::current_path(work.path);
        const CliRun run = Cli(Split(ReadFile(folder + "/args"), '\n'));
        std::filesystem::current_path(home);
        EXPECT_EQ(std::to_string(run.status) + "\n", expected.at("status")) << name;
        EXPECT_EQ(run.out, expected.at("stdout")) << name;
        EXPECT_EQ(run.err, expected.at("stderr")) << name;
        expected = Files(folder + "/before");
        for (const auto& [file, bytes] : Files(folder + "/after")) {
            expected[file] = bytes;
        }
        EXPECT_EQ(Files(work.path), expected) << name;
    }
}

// Help goes to standard output; a wrong command line gets it on standard error.
TEST_F(CliTest, UsageErrorsAndHelp) {
    CliRun help = Cli({"--help"});
    EXPECT_TRUE(help.status == 0 && help.out.starts_with("usage: ") && help.err.empty());
    for (const char* args : {"", "frobnicate", "get x", "set a b", "format a b c", "check",
                             "report", "report a --xml"}) {
        CliRun run = Cli(Split(args, ' '));
        EXPECT_TRUE(run.status == 2 && run.out.empty() && run.err == help.out) << args;
    }
}

// The template is the car New starts from; the example car is clean and
// written in the editor's own form, so an unedited save gives it back.
TEST_F(CliTest, TemplateAndTheExampleCar) {
    CliRun run = Cli({"template", "-"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, ReadFile(RIGWRIGHT_SOURCE_DIR "/resources/default-car.ini"));
    EXPECT_EQ(Cli({"check", kSample}).status, 0);
    CliRun toStdout = Cli({"resave", kSample, "-"});
    EXPECT_TRUE(toStdout.status == 0 && toStdout.err.empty());
    EXPECT_EQ(toStdout.out, ReadFile(kSample));
    EXPECT_EQ(Cli({"resave", kSample, dir + "/out.ini"}).status, 0);
    EXPECT_EQ(ReadFile(dir + "/out.ini"), toStdout.out);
}

// Files that cannot be read or written, or are no car files, and keys a file
// cannot hold are refused before anything is read or written, saying why; a
// target stays as it was. Only check prints its reports on standard output.
TEST_F(CliTest, FileAndKeyErrorsExitWithTwoAndSayWhy) {
    std::string fifo = dir + "/fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string huge = Write("huge.ini", "");
    ASSERT_EQ(::truncate(huge.c_str(), (std::int64_t{256} << 20) + 1), 0);
    ASSERT_EQ(::symlink("loop2", (dir + "/loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", (dir + "/loop2").c_str()), 0);
    std::string in = Write("in.ini", "a=1\n");
    std::string nested;
    for (int i = 0; i < 10000; ++i) {
        nested += "a\n{\n";
    }
    std::string deep = Write("deep.ini", nested);
    std::string old = Write("old.ini", "old");
    std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"format", dir + "/missing.ini", "-"}, "missing.ini: The file \""},
        {{"report", "--json", dir + "/missing.ini"}, "missing.ini: The file \""},
        {{"check", fifo}, "no regular file"},
        {{"check", "/dev/zero"}, "no regular file"},
        {{"check", huge}, "it is larger than 256 MB"},
        {{"get", dir, "car.wheels"}, "Is a directory"},
        {{"format", in, dir + "/no/such/folder/out.ini"}, "out.ini\" could not be saved: No such"},
        {{"format", in, dir + "/loop1"}, "Too many levels of symbolic links"},
        {{"format", deep, old}, "text would be larger than 256 MB"},
        {{"format", deep, "-"}, "text would be larger than 256 MB"}};
    std::string longKey = "k";
    for (int i = 0; i < 256; ++i) {
        longKey += ".k";
    }
    for (const char* key : {"", "engine.", "engine..x", ".x", "a{.b", "a.b}", "a=b.c", "a~b.c",
                            "a.;b", "a.b\nc", "a. b", "a.b\t", longKey.c_str()}) {
        cases.push_back({{"set", old, key, "v"}, "\" cannot be set: "});
    }
    for (const auto& [args, reason] : cases) {
        CliRun run = Cli(args);
        EXPECT_TRUE(run.status == 2 && run.out.empty() == (args[0] != "check")) << reason;
        EXPECT_NE((run.out + run.err).find(reason), std::string::npos) << run.out << run.err;
    }
    EXPECT_EQ(ReadFile(old), "old");
    struct stat info {};
    ASSERT_EQ(::lstat((dir + "/loop1").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST_F(CliTest, SaveKeepsSetIdBits) {
    std::string in = Write("in.ini", "a=1\n");
    ASSERT_EQ(::chmod(in.c_str(), 06754), 0);
    EXPECT_EQ(Cli({"set", in, "a", "2"}).status, 0);
    struct stat info {};
    ASSERT_EQ(::stat(in.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 06754u);
}

// Two sets on one file at once, each its own key many times over: with the
// lock from read to rename neither loses the other's update.
TEST_F(CliTest, SetsAtOnceLoseNoUpdate) {
    const std::string in = Write("in.ini", "car\n{\n   wheels=4\n}\n");
    constexpr int kRounds = 100;
    std::vector<pid_t> children;
    for (const char* key : {"a.first", "a.second"}) {
        const pid_t child = fork();
        if (child == 0) {
            int failures = 0;
            for (int round = 1; round <= kRounds; ++round) {
                failures += Cli({"set", in, key, std::to_string(round)}).status != 0;
            }
            _exit(failures);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(Cli({"get", in, "a.first"}).out, std::to_string(kRounds) + "\n");
    EXPECT_EQ(Cli({"get", in, "a.second"}).out, std::to_string(kRounds) + "\n");
}

// A full standard output, and a file-size limit that would kill a save
// halfway, are reported; the save leaves nothing behind.
TEST_F(CliTest, AFullStandardOutputAndAFileSizeLimitAreReported) {
    const std::string cli = RIGWRIGHT_CLI;
    for (auto [command, reason] : std::vector<std::pair<std::string, const char*>>{
             {cli + " template - >/dev/full", "No space left on device"},
             {"ulimit -f 4; " + cli + " template '" + dir + "/out.ini'", "File too large"}}) {
        int status = std::system((command + " 2>'" + dir + "/err'").c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << command;
        EXPECT_NE(ReadFile(dir + "/err").find(reason), std::string::npos) << ReadFile(dir + "/err");
    }
    EXPECT_EQ(temp.Entries(), std::vector<std::string>{"err"});
}

}  // namespace
