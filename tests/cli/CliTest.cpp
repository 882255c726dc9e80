#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "tree/TreeTestSupport.h"

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    int status = rw::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

using rw::test::ReadFile;

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

TEST_F(CliTest, UsageErrorsAndHelp) {
    CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"format", "get", "set", "template", "check", "resave"}) {
        EXPECT_NE(help.out.find(std::string("  ") + command + " "), std::string::npos) << command;
    }
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"get", "x"},
                                               {"set", "a", "b"},
                                               {"format", "a", "b", "c"},
                                               {"check"}}) {
        EXPECT_EQ(Cli(args).status, 2);
    }
}

TEST_F(CliTest, FormatWritesTheOutputFormAndReportsLinesInOrder) {
    std::string in = Write("in.ini", "car\n{\n  wheels = 4\nstray\n}\n}\n");
    CliRun run = Cli({"format", in, "-"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "car\r\n{\r\n   wheels=4\r\n   stray\r\n}\r\n");
    EXPECT_EQ(run.err, in + ": Cannot interpret value \"stray\" on line 4\n" + in +
                           ": Detected more '}' than '{' , may not have read data correctly\n");

    std::string out = dir + "/out.ini";
    EXPECT_EQ(Cli({"format", in, out}).status, 0);
    EXPECT_EQ(ReadFile(out), run.out);
}

TEST_F(CliTest, GetFollowsInheritanceAndSetMakesAnOverrideInPlace) {
    std::string in =
        Write("in.ini", "base\n{\n   mass=12\n}\nwheel0~base\n{\n}\nloop~loop\n{\n}\n");
    CliRun found = Cli({"get", in, "wheel0.mass"});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, "12\n");
    for (const char* key : {"wheel0.radius", "loop.x", "nothing.here"}) {
        CliRun missing = Cli({"get", in, key});
        EXPECT_EQ(missing.status, 1) << key;
        EXPECT_EQ(missing.out, "") << key;
    }
    EXPECT_EQ(Cli({"set", in, "wheel0.mass", "15"}).status, 0);
    EXPECT_EQ(ReadFile(in),
              "base\r\n{\r\n   mass=12\r\n}\r\nwheel0~base\r\n{\r\n   mass=15\r\n}\r\n"
              "loop~loop\r\n{\r\n}\r\n");
    EXPECT_EQ(Cli({"set", in, "car.cg.x", "0.5"}).status, 0);
    EXPECT_EQ(Cli({"get", in, "car.cg.x"}).out, "0.5\n");
}

TEST_F(CliTest, TemplateWritesTheDefaultCar) {
    CliRun run = Cli({"template", "-"});
    EXPECT_EQ(run.status, 0);
    std::size_t lines = 0;
    for (std::size_t at = run.out.find("\r\n"); at != std::string::npos;
         at = run.out.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 549u);
    EXPECT_EQ(run.out.rfind(";\r\n; TAVIX car.ini\r\n", 0), 0u);
}

TEST_F(CliTest, CheckListsReportsAndWarningsPerFile) {
    std::string good = Write("good.ini", ReadFile(kSample));
    std::string threeWheels = Write("three.ini", "car\n{\n   wheels=3\n}\n");
    std::string warned =
        Write("warned.ini", "car\n{\n   wheels=4\n   id=x\n   version=1\n}\nbad line\n");

    CliRun clean = Cli({"check", good});
    EXPECT_EQ(clean.out, "");
    EXPECT_EQ(clean.status, 0);

    CliRun run = Cli({"check", warned, threeWheels, good});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, warned + ": Cannot interpret value \"bad line\" on line 7\n" + warned +
                           ": You have not specified a torque curve (.crv) file for the engine.\n" +
                           warned + ": The Differential ratio is 0. The car will not move.\n" +
                           threeWheels +
                           ": This INI cannot be loaded.Either this INI cannot be parsed, or it "
                           "does not have 4 wheels.\n");

    EXPECT_EQ(Cli({"check", warned}).status, 1);
}

TEST_F(CliTest, ResaveWritesTheSameBytesToAFileAndToStandardOutput) {
    std::string out = dir + "/out.ini";
    CliRun toFile = Cli({"resave", kSample, out});
    EXPECT_EQ(toFile.status, 0);
    EXPECT_EQ(toFile.err, "");
    CliRun toStdout = Cli({"resave", kSample, "-"});
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(ReadFile(out), toStdout.out);
    // The example car is written in the editor's own form, so an unedited
    // save gives it back unchanged.
    EXPECT_EQ(toStdout.out, ReadFile(kSample));

    std::string threeWheels = Write("three.ini", "car\n{\n   wheels=3\n}\n");
    CliRun refused = Cli({"resave", threeWheels, "-"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
}

TEST_F(CliTest, SetRefusesKeysTheFileCannotHoldAndWritesNothing) {
    std::string in = Write("in.ini", "a=1\n");
    std::string deep = "k";
    for (int i = 0; i < 256; ++i) {
        deep += ".k";
    }
    for (const std::string& key :
         std::vector<std::string>{"", "engine.", "engine..x", ".x", "a{.b", "a.b}", "a=b.c",
                                  "a~b.c", "a.;b", "a.b\nc", "a. b", "a.b\t", deep}) {
        CliRun run = Cli({"set", in, key, "v"});
        EXPECT_EQ(run.status, 2) << key;
        EXPECT_NE(run.err.find("\" cannot be set: "), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadFile(in), "a=1\n");
}

// Saving in place would drop the lines the reader could not place.
TEST_F(CliTest, SetLeavesAFileWithUnreadLinesAloneUnlessForced) {
    const std::string damaged = "car\n{\n   wheels=4\n}\nengine {\n   max_rpm=7000\n}\n";
    const std::string in = Write("damaged.ini", damaged);
    const CliRun refused = Cli({"set", in, "body.mass", "1234"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.ends_with(
        in + ": not saved: 2 lines could not be read (--force saves anyway)\n"))
        << refused.err;
    EXPECT_EQ(ReadFile(in), damaged);
    EXPECT_EQ(Cli({"set", "--force", in, "body.mass", "1234"}).status, 0);
    EXPECT_EQ(Cli({"get", in, "body.mass"}).out, "1234\n");
}

// Files that cannot be read or written, or are no car files, are refused
// before they are read or written, saying why; a target stays as it was.
TEST_F(CliTest, FileErrorsExitWithTwoAndSayWhy) {
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
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"format", dir + "/missing.ini", "-"}, "missing.ini: The file \""},
        {{"check", fifo}, "no regular file"},
        {{"check", "/dev/zero"}, "no regular file"},
        {{"check", huge}, "it is larger than 256 MB"},
        {{"get", dir, "car.wheels"}, "Is a directory"},
        {{"format", in, dir + "/no/such/folder/out.ini"}, "out.ini\" could not be saved: No such"},
        {{"format", in, dir + "/loop1"}, "Too many levels of symbolic links"},
        {{"format", deep, old}, "text would be larger than 256 MB"},
        {{"format", deep, "-"}, "text would be larger than 256 MB"}};
    for (const auto& [args, reason] : cases) {
        CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << reason;
        EXPECT_NE((run.out + run.err).find(reason), std::string::npos) << run.out << run.err;
    }
    EXPECT_EQ(ReadFile(old), "old");
    struct stat info {};
    ASSERT_EQ(::lstat((dir + "/loop1").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST_F(CliTest, ReportsQuoteAnExcerptWithControlCharactersEscaped) {
    std::string in = Write("in.ini", "\x1b[2J" + std::string(1000, 'x') + "\n");
    EXPECT_EQ(Cli({"format", in, "-"}).err, in + ": Cannot interpret value \"\\x1b[2J" +
                                                std::string(196, 'x') + "...\" on line 1\n");
}

TEST_F(CliTest, SaveKeepsSetIdBitsAndLeavesNoTemporaryFile) {
    std::string in = Write("in.ini", "a=1\n");
    ASSERT_EQ(::chmod(in.c_str(), 06754), 0);
    EXPECT_EQ(Cli({"set", in, "a", "2"}).status, 0);
    struct stat info {};
    ASSERT_EQ(::stat(in.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 06754u);
    EXPECT_EQ(temp.Entries(), std::vector<std::string>{"in.ini"});
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

TEST_F(CliTest, ReportPrintsTheFiguresAndTheGearingAsTextAndJson) {
    // Front drive on 0.3 m wheels; a differential of 3 behind gears of 2 and 1.
    const std::string path =
        Write("report.ini",
              "car\n{\nwheels=4\n}\nwheel0\n{\nradius=0.3\n}\nwheel1~wheel0\n{\n}\n"
              "susp0\n{\nx=-0.8\nz=1\n}\nsusp1\n{\nx=0.8\nz=1\n}\n"
              "susp2\n{\nx=-0.8\nz=-1.5\n}\nsusp3\n{\nx=0.8\nz=-1.5\n}\n"
              "gearbox\n{\ngears=2\ngear0\n{\nratio=2\n}\ngear1\n{\nratio=1\n}\n}\n"
              "differential\n{\nratio=3\noutput0=0\noutput1=1\n}\n"
              "engine\n{\nmax_rpm=6000\nshifting\n{\nshift_up_rpm=5400\n}\n}\n");
    const CliRun text = Cli({"report", path});
    const CliRun json = Cli({"report", path, "--json"});
    EXPECT_TRUE(text.status == 0 && json.status == 0);
    EXPECT_EQ(text.out,
              "Front Weight Distribution: 60.00 %\nWheelbase: 2.500 m\n"
              "Track Width (Front): 1.600 m\nTrack Width (Rear): 1.600 m\n\n"
              "Gearing (speeds in km/h):\n"
              "Gear  Ratio  Overall  At Shift Up @  At Max RPM  RPM after upshift\n"
              "   1      2        6          101.8       113.1               2700\n"
              "   2      1        3          203.6       226.2\n");
    EXPECT_EQ(json.out,
              "{\"frontWeightDistribution\":60.00,\"wheelbase\":2.500,\"frontTrack\":1.600,"
              "\"rearTrack\":1.600,\"gears\":[{\"gear\":1,\"ratio\":2,\"overall\":6,"
              "\"atShiftUp\":101.8,\"atMaxRpm\":113.1,\"rpmAfterUpshift\":2700},{\"gear\":2,"
              "\"ratio\":1,\"overall\":3,\"atShiftUp\":203.6,\"atMaxRpm\":226.2,"
              "\"rpmAfterUpshift\":null}]}\n");
    const CliRun missing = Cli({"report", "--json", path + ".missing"});
    EXPECT_TRUE(missing.status == 2 && missing.out.empty());
}

}  // namespace
