#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "DataCases.h"

namespace rw::test {
namespace {

// The count of lines the tree does not hold as they stand, then what the
// reader met, one line each.
std::string Met(const ConfigTree& tree, const Diagnostics& met) {
    std::string out = "unread " + std::to_string(tree.unreadLines) + "\n";
    for (const std::string& line : met.lines) {
        out += Visible(line) + "\n";
    }
    return out;
}

// Each tests/data/reader/NAME.ini, read from the file or as text, gives the
// tree in NAME.dump, one node a line, and what the reader met in
// NAME.diagnostics.
TEST(Reader, FilesGiveTheTreeAndTheDiagnosticsBesideThem) {
    for (const std::string& base :
         DataCases(RIGWRIGHT_SOURCE_DIR "/tests/data/reader/", {".dump", ".diagnostics"})) {
        Diagnostics met, fromText;
        ConfigTree tree(base + ".ini");
        EXPECT_TRUE(!tree.Read(met.Sink()) && tree.isRead) << base;
        std::string dump = Dump(*tree.root);
        std::replace(dump.begin(), dump.end(), '|', '\n');
        EXPECT_EQ(dump, ReadFile(base + ".dump")) << base;
        EXPECT_EQ(Met(tree, met), ReadFile(base + ".diagnostics")) << base;
        const auto again = TreeFromText(ReadFile(base + ".ini"), fromText.Sink());
        EXPECT_EQ(Dump(*again->root), Dump(*tree.root)) << base;
        EXPECT_EQ(Met(*again, fromText), Met(tree, met)) << base;
    }
}

TEST(Reader, FilesOfUnknownSizeAndEmptyTrees) {
    // A file whose size the system does not know beforehand is read whole.
    ConfigTree fromProc("/proc/self/mountinfo");
    EXPECT_FALSE(fromProc.Read());
    EXPECT_EQ(fromProc.ToText(), TreeFromText(ReadFile("/proc/self/mountinfo"))->ToText());
    // A new car's tree reads nothing and holds nothing; files named like
    // nothing special are files.
    const ConfigTree empty;
    ASSERT_TRUE(empty.isRead && empty.root != nullptr);
    EXPECT_TRUE(empty.root->children.empty());
    TempDir dir;
    for (const char* name : {"Unsaved", "null"}) {
        ASSERT_TRUE(WriteFile(dir.File(name), "car\n{\nwheels=4\n}\n"));
        ConfigTree tree(dir.File(name));
        EXPECT_FALSE(tree.Read()) << name;
        std::string wheels;
        EXPECT_TRUE(tree.GetString("car.wheels", wheels) && wheels == "4") << name;
    }
}

// The system's reason comes back; nothing is read.
int UnreadableFaults(const std::string& path, int error) {
    ConfigTree tree(path);
    int faults = tree.Read() != std::error_code(error, std::generic_category()) ? 1 : 0;
    return tree.root == nullptr || !tree.root->children.empty() ? faults | 4 : faults;
}

TEST(Reader, UnreadableFilesGiveTheSystemsReason) {
    TempDir dir;
    // Lines are bounded as well as bytes: a file of empty lines would need
    // many times its size in memory.
    ASSERT_TRUE(WriteFile(dir.File("most.ini"), std::string(kMaxCarFileLines - 1, '\n') + "x"));
    ASSERT_TRUE(WriteFile(dir.File("more.ini"), std::string(kMaxCarFileLines + 1, '\n')));
    EXPECT_FALSE(ConfigTree(dir.File("most.ini")).Read());
    EXPECT_EQ(ConfigTree(dir.File("more.ini")).Read(), CarFileError::TooManyLines);
    ASSERT_EQ(mkdir(dir.File("folder.ini").c_str(), 0755), 0);
    EXPECT_EQ(UnreadableFaults(dir.File("missing.ini"), ENOENT), 0);
    EXPECT_EQ(UnreadableFaults(dir.File("folder.ini"), EISDIR), 0);
    const std::string secret = dir.File("secret.ini");
    ASSERT_TRUE(WriteFile(secret, "a=1\n"));
    ASSERT_EQ(chmod(secret.c_str(), 0000), 0);
    ASSERT_EQ(chmod(dir.path.c_str(), 0755), 0);
    const int faults =
        InChild([&] { return Unprivileged() ? UnreadableFaults(secret, EACCES) : 99; });
    if (faults == 99) {
        GTEST_SKIP() << "cannot switch to an unprivileged user";
    }
    EXPECT_EQ(faults, 0) << "bits: 1 result, 4 tree";
}

}  // namespace
}  // namespace rw::test
