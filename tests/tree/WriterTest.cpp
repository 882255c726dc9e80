#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstring>

#include "DataCases.h"

namespace rw::test {
namespace {

// Text pasted into a field must not split the line it is written on: each LF
// (with a CR right before it) becomes one blank.
TEST(Writer, NodesMadeByTheSettersAreWritten) {
    auto tree = TreeFromText("car\n{\nwheels=4\ntwin=1\ntwin=2\nlone\nbare\n}\n");
    tree->SetString("car.cg.x", "0.5");
    tree->SetString("wheel0.pacejka~pacejka_default.", "");
    tree->SetString("car.wheels.note", "kept");  // a value with children
    tree->AddCommentBefore("car.cg", " centre\nof gravity");
    tree->SetString("car.twin", "one");  // the first of two
    tree->SetString("car.a", "  spaced");
    tree->SetString("car.b\r\nc", "x\ny\r\nz\rw\r\r\nv");
    tree->SetString("car.cg", "p\n\r\nq");
    tree->SetInt("car.lone", 7);  // a bare name line takes the value
    tree->SetInt("car.bare", 0);  // and stays bare when it reads as set
    const std::string text = tree->ToText();
    EXPECT_EQ(
        Visible(text),
        Visible("car\r\n{\r\n   wheels=4\r\n   {\r\n      note=kept\r\n   }\r\n   twin=one\r\n"
                "   twin=2\r\n   lone=7\r\n   bare\r\n   ; centre of gravity\r\n   cg=p  q\r\n   "
                "{\r\n      x=0.5\r\n"
                "   }\r\n   a=  spaced\r\n   b c=x y z\rw\r v\r\n}\r\nwheel0\r\n{\r\n"
                "   pacejka~pacejka_default\r\n   {\r\n   }\r\n}\r\n"));
    // The block named like an inheritance line comes back as one.
    auto reread = TreeFromText(text);
    EXPECT_EQ(Dump(*reread->Find("wheel0")), "I pacejka~pacejka_default|");
    EXPECT_EQ(reread->Find("car.a")->value, "spaced");
    EXPECT_EQ(reread->Find("car")->children.size(), tree->Find("car")->children.size());
}

// Each tests/data/writer/NAME.ini is saved as NAME.out, which reads back as
// the same tree and is saved unchanged; so is the example car once saved.
TEST(Writer, NormalisesOnceThenIsAFixedPoint) {
    for (const std::string& base :
         DataCases(RIGWRIGHT_SOURCE_DIR "/tests/data/writer/", {".out"})) {
        const std::string input = ReadFile(base + ".ini"), first = ReadFile(base + ".out");
        EXPECT_EQ(Visible(TreeFromText(input)->ToText()), Visible(first)) << base;
        EXPECT_EQ(Visible(TreeFromText(first)->ToText()), Visible(first)) << base;
        EXPECT_EQ(Dump(*TreeFromText(first)->root), Dump(*TreeFromText(input)->root)) << base;
    }
    const std::string saved =
        TreeFromText(ReadFile(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini"))->ToText();
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(TreeFromText(saved)->ToText(), saved);
}

const std::string kOld = "old=content\r\n";

mode_t Mode(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
}

TEST(Save, ReplacesTheFileKeepingItsModeAndLinks) {
    TempDir dir;
    auto tree = TreeFromText("car\n{\nwheels=4\n}\n");
    const std::string path = dir.File("car.ini");
    ASSERT_TRUE(WriteFile(path, std::string(100000, 'x')));  // longer than the new text
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(mkdir(dir.File("real").c_str(), 0755), 0);
    ASSERT_TRUE(WriteFile(dir.File("real/car.ini"), kOld));
    ASSERT_EQ(symlink("real/car.ini", dir.File("link.ini").c_str()), 0);
    // The longest name a file may have leaves no room to add to it.
    const std::string longest = std::string(251, 'n') + ".ini";
    for (const std::string& file :
         {std::string("car.ini"), std::string("link.ini"), std::string("new.ini"), longest}) {
        tree->savePath = dir.File(file);
        EXPECT_FALSE(tree->Save()) << file;
    }
    EXPECT_EQ(ReadFile(path), tree->ToText());
    EXPECT_EQ(Mode(path) & 07777, 0640u);
    // Through a link the file it points to is replaced, not the link.
    EXPECT_TRUE(S_ISLNK(Mode(dir.File("link.ini"))));
    EXPECT_EQ(ReadFile(dir.File("real/car.ini")), tree->ToText());
    EXPECT_EQ(ReadFile(dir.File("new.ini")), tree->ToText());
    EXPECT_EQ(ReadFile(dir.File(longest)), tree->ToText());
    EXPECT_EQ(dir.Entries(),
              (std::vector<std::string>{"car.ini", "link.ini", "new.ini", longest, "real"}));
    EXPECT_EQ(dir.Entries("real"), std::vector<std::string>{"car.ini"});
}

// A failed save gives the system's reason and leaves the old file and its
// folder as they were. Each case runs in a child
// process, where limits and the user can change.
TEST(Save, FailuresLeaveEverythingAsItWas) {
    const std::vector<std::pair<const char*, int>> cases = {{"missing/car.ini", ENOENT},
                                                            {"car.ini", EACCES},
                                                            {"locked/car.ini", EACCES},
                                                            {"car.ini", EFBIG}};
    auto tree = TreeFromText(";" + std::string(5000, 'x') + "\n");  // beyond the size limit
    for (std::size_t i = 0; i < cases.size(); ++i) {
        TempDir dir;
        ASSERT_EQ(mkdir(dir.File("locked").c_str(), 0755), 0);
        ASSERT_TRUE(WriteFile(dir.File("car.ini"), kOld));
        ASSERT_TRUE(WriteFile(dir.File("locked/car.ini"), kOld));
        const std::string path = dir.File(cases[i].first);
        const std::string locked = dir.File("locked");
        const int faults = InChild([&] {
            struct rlimit limit {
                4096, 4096
            };
            std::signal(SIGXFSZ, SIG_IGN);
            const bool ready = i == 0 || (i == 1 && chmod(path.c_str(), 0444) == 0) ||
                               (i == 2 && chmod(dir.path.c_str(), 0755) == 0 &&
                                (geteuid() != 0 || chown(locked.c_str(), 65534, 65534) == 0) &&
                                chmod(locked.c_str(), 0555) == 0 && Unprivileged()) ||
                               (i == 3 && setrlimit(RLIMIT_FSIZE, &limit) == 0);
            if (!ready) {
                return 99;
            }
            const auto before = dir.Entries(), beforeLocked = dir.Entries("locked");
            tree->savePath = path;
            const std::error_code error = tree->Save();
            int result = !error ? 1 : 0;
            if (error != std::error_code(cases[i].second, std::generic_category())) {
                result |= 2;
            }
            if (access(path.c_str(), F_OK) == 0 && ReadFile(path) != kOld) {
                result |= 4;
            }
            return dir.Entries() != before || dir.Entries("locked") != beforeLocked ? result | 8
                                                                                    : result;
        });
        if (faults != 99) {
            EXPECT_EQ(faults, 0) << path << "; bits: 1 success, 2 reason, 4 old file, 8 temp";
        }
    }
}

}  // namespace
}  // namespace rw::test
