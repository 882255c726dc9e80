#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "TreeTestSupport.h"

namespace rw::test {
namespace {

// Each report as "kind icon caption: text"; with lines false only those that
// are not about an uninterpretable line.
std::string Reports(const RecordingReporter& reporter, bool lines = true) {
    std::string out;
    for (const Report& r : reporter.reports) {
        if (lines || r.kind != ReportKind::UninterpretableLine) {
            out += std::to_string(static_cast<int>(r.kind)) + " " +
                   std::to_string(static_cast<int>(r.icon)) + " " + r.caption + ": " +
                   Visible(r.text) + "\n";
        }
    }
    return out;
}

// Each tests/data/reader/NAME.ini, read from the file or as text, gives the
// tree in NAME.dump, one node a line, and NAME.reports: the count of lines the
// tree does not hold as they stand, then the reports with showErrors. Without
// it the uninterpretable lines go unreported, the brace balance does not.
TEST(Reader, FilesGiveTheTreeAndTheReportsBesideThem) {
    const std::string folder = RIGWRIGHT_SOURCE_DIR "/tests/data/reader/";
    const std::vector<std::string> files = Entries(folder);
    std::size_t cases = 0;
    for (const std::string& file : files) {
        const std::string base = folder + file.substr(0, file.rfind('.'));
        if (!file.ends_with(".ini")) {
            continue;
        }
        ++cases;
        ASSERT_TRUE(std::filesystem::exists(base + ".dump") &&
                    std::filesystem::exists(base + ".reports"))
            << base << ".dump or .reports is missing";
        RecordingReporter shown, hidden;
        ConfigTree tree(base + ".ini"), quiet(base + ".ini");
        EXPECT_TRUE(tree.Read(true, shown) == ReadResult::Success && tree.isRead) << base;
        quiet.Read(false, hidden);
        std::string dump = Dump(*tree.root);
        std::replace(dump.begin(), dump.end(), '|', '\n');
        EXPECT_EQ(dump, ReadFile(base + ".dump")) << base;
        EXPECT_EQ("unread " + std::to_string(tree.unreadLines) + "\n" + Reports(shown),
                  ReadFile(base + ".reports"))
            << base;
        EXPECT_EQ(Reports(hidden) + std::to_string(quiet.unreadLines),
                  Reports(shown, false) + std::to_string(tree.unreadLines))
            << base;
        EXPECT_EQ(Dump(*TreeFromText(ReadFile(base + ".ini"))->root), Dump(*tree.root)) << base;
    }
    EXPECT_TRUE(cases > 0 && files.size() == 3 * cases) << folder << ": a file is no case";
}

TEST(Reader, FilesOfUnknownSizeAndSpecialPaths) {
    // A file whose size the system does not know beforehand is read whole.
    RecordingReporter reporter;
    ConfigTree fromProc("/proc/self/mountinfo");
    EXPECT_EQ(fromProc.Read(false, reporter), ReadResult::Success);
    EXPECT_EQ(fromProc.ToText(), TreeFromText(ReadFile("/proc/self/mountinfo"))->ToText());
    for (const auto& [path, result] :
         {std::pair{kUnsavedPath, ReadResult::Success}, std::pair{kNullPath, ReadResult::Failed}}) {
        RecordingReporter silent;
        ConfigTree tree{std::string(path)};
        EXPECT_EQ(tree.Read(true, silent), result);
        EXPECT_EQ(tree.isRead, result == ReadResult::Success);
        ASSERT_NE(tree.root, nullptr);
        EXPECT_TRUE(tree.root->children.empty());
        EXPECT_TRUE(silent.reports.empty());
    }
}

// The path and the system's reason reach the user; nothing is read.
int UnreadableFaults(const std::string& path, int error) {
    RecordingReporter reporter;
    ConfigTree tree(path);
    int faults = tree.Read(true, reporter) != ReadResult::FileError || tree.isRead ? 1 : 0;
    if (reporter.reports.size() != 1 || reporter.reports[0].kind != ReportKind::FileError ||
        reporter.reports[0].text.find(path) == std::string::npos ||
        reporter.reports[0].text.find(std::strerror(error)) == std::string::npos) {
        faults |= 2;
    }
    return tree.root == nullptr || !tree.root->children.empty() ? faults | 4 : faults;
}

TEST(Reader, UnreadableFilesAreReportedWithNameAndReason) {
    TempDir dir;
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
    EXPECT_EQ(faults, 0) << "bits: 1 result, 2 report, 4 tree";
}

}  // namespace
}  // namespace rw::test
