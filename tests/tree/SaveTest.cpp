#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "TreeTestSupport.h"
#include "tree/ConfigTree.h"

namespace rw::test {
namespace {

const std::string kOld = "old=content\r\n";

// A car large enough to matter for a file size limit.
std::unique_ptr<ConfigTree> SampleTree(Reporter& reporter) {
    std::string text = "; sample\r\ncar\r\n{\r\n";
    for (int i = 0; i < 400; ++i) {
        text += "   key" + std::to_string(i) + "=" + std::to_string(i * 7) + "\r\n";
    }
    text += "}\r\n";
    return TreeFromText(text, reporter);
}

mode_t Mode(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        return 0;
    }
    return info.st_mode;
}

// Runs the check in a child process and gives its exit status (0: passed).
// Used where a test must change process-wide state: limits, signals, user.
int InChild(const std::function<int()>& check) {
    pid_t child = fork();
    if (child == 0) {
        _exit(check());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        return 100;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status)
                             : 200 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

// The conditions of every failed save, as a bit set (0: all hold).
int FailedSaveFaults(bool saved, const RecordingReporter& reporter, const std::string& path,
                     const std::string& reason, const TempDir& dir,
                     const std::vector<std::string>& entriesBefore) {
    int faults = 0;
    if (saved) {
        faults |= 1;  // reported as success
    }
    if (reporter.reports.size() != 1 || reporter.reports[0].kind != ReportKind::FileError) {
        faults |= 2;
    } else {
        const std::string& text = reporter.reports[0].text;
        if (text.find(path) == std::string::npos) {
            faults |= 4;  // no file name
        }
        if (!reason.empty() && text.find(reason) == std::string::npos) {
            faults |= 8;  // not the system's reason
        }
    }
    if (access(path.c_str(), F_OK) == 0 && ReadFile(path) != kOld) {
        faults |= 16;  // old file touched
    }
    if (dir.Entries() != entriesBefore) {
        faults |= 32;  // a temporary file was left
    }
    return faults;
}

class Save : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.Ok());
        tree = SampleTree(reporter);
        reporter.reports.clear();
    }
    TempDir dir;
    RecordingReporter reporter;
    std::unique_ptr<ConfigTree> tree;
};

TEST_F(Save, WritesExactlyTheTextAndLeavesNothingElse) {
    const std::string path = dir.File("car.ini");
    ASSERT_TRUE(WriteFile(path, std::string(100000, 'x')));  // longer than the new text
    tree->savePath = path;
    EXPECT_TRUE(tree->Save(reporter));
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(ReadFile(path), tree->ToText());
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"car.ini"});

    const std::string fresh = dir.File("new.ini");
    tree->savePath = fresh;
    EXPECT_TRUE(tree->Save(reporter));
    EXPECT_EQ(ReadFile(fresh), tree->ToText());
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"car.ini", "new.ini"}));
}

TEST_F(Save, SavingWhatWasReadGivesIdenticalBytes) {
    const std::string path = dir.File("car.ini");
    tree->savePath = path;
    ASSERT_TRUE(tree->Save(reporter));
    const std::string first = ReadFile(path);
    for (int round = 0; round < 3; ++round) {
        ConfigTree again(path);
        ASSERT_EQ(again.Read(true, reporter), ReadResult::Success);
        again.savePath = path;
        ASSERT_TRUE(again.Save(reporter));
        EXPECT_EQ(ReadFile(path), first) << "round " << round;
    }
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(Save, KeepsThePermissionBits) {
    const std::string path = dir.File("car.ini");
    for (mode_t mode : {0600, 0640, 0664, 0755}) {
        ASSERT_TRUE(WriteFile(path, kOld));
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
        tree->savePath = path;
        EXPECT_TRUE(tree->Save(reporter));
        EXPECT_EQ(Mode(path) & 07777, mode);
        EXPECT_EQ(ReadFile(path), tree->ToText());
    }
}

TEST_F(Save, ThroughASymbolicLinkSavesTheFileItPointsTo) {
    ASSERT_EQ(mkdir(dir.File("real").c_str(), 0755), 0);
    const std::string target = dir.File("real/car.ini");
    const std::string link = dir.File("link.ini");
    ASSERT_TRUE(WriteFile(target, kOld));
    ASSERT_EQ(symlink("real/car.ini", link.c_str()), 0);
    tree->savePath = link;
    EXPECT_TRUE(tree->Save(reporter));
    EXPECT_TRUE(S_ISLNK(Mode(link)));
    EXPECT_EQ(ReadFile(target), tree->ToText());
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"link.ini", "real"}));
    std::vector<std::string> inReal;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("real"))) {
        inReal.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(inReal, std::vector<std::string>{"car.ini"});
}

TEST_F(Save, MissingFolderFails) {
    const std::string path = dir.File("missing/car.ini");
    tree->savePath = path;
    const std::string before = tree->ToText();
    const auto entries = dir.Entries();
    const bool saved = tree->Save(reporter);
    EXPECT_EQ(FailedSaveFaults(saved, reporter, path, std::strerror(ENOENT), dir, entries), 0);
    EXPECT_EQ(tree->ToText(), before);
}

TEST_F(Save, ReadOnlyFileIsLeftAlone) {
    const std::string path = dir.File("car.ini");
    ASSERT_TRUE(WriteFile(path, kOld));
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    tree->savePath = path;
    const auto entries = dir.Entries();
    const bool saved = tree->Save(reporter);
    EXPECT_EQ(FailedSaveFaults(saved, reporter, path, std::strerror(EACCES), dir, entries), 0);
    EXPECT_EQ(Mode(path) & 07777, 0444u);
}

// Folder permissions bind only ordinary users: a privileged test run drops to
// an unprivileged user in a child process.
TEST_F(Save, ReadOnlyFolderIsLeftAlone) {
    const std::string folder = dir.File("locked");
    const std::string path = folder + "/car.ini";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    ASSERT_TRUE(WriteFile(path, kOld));
    const uid_t nobody = 65534;
    if (geteuid() == 0) {
        ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0);
        ASSERT_EQ(chown(folder.c_str(), nobody, nobody), 0);
        ASSERT_EQ(chown(path.c_str(), nobody, nobody), 0);
    }
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    int faults = InChild([&]() {
        if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) {
            return 99;
        }
        RecordingReporter local;
        tree->savePath = path;
        const bool saved = tree->Save(local);
        int result = 0;
        if (saved) {
            result |= 1;
        }
        if (local.reports.size() != 1 || local.reports[0].text.find(path) == std::string::npos ||
            local.reports[0].text.find(std::strerror(EACCES)) == std::string::npos) {
            result |= 2;
        }
        if (ReadFile(path) != kOld) {
            result |= 16;
        }
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            left.push_back(entry.path().filename().string());
        }
        if (left != std::vector<std::string>{"car.ini"}) {
            result |= 32;
        }
        return result;
    });
    if (faults == 99) {
        GTEST_SKIP() << "cannot switch to an unprivileged user";
    }
    EXPECT_EQ(faults, 0);
}

TEST_F(Save, FullDiskLeavesTheOldFile) {
    const std::string path = dir.File("car.ini");
    ASSERT_TRUE(WriteFile(path, kOld));
    ASSERT_GT(tree->ToText().size(), 4096u);
    const auto entries = dir.Entries();
    int faults = InChild([&]() {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {};
        limit.rlim_cur = 4096;
        limit.rlim_max = 4096;
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 99;
        }
        RecordingReporter local;
        tree->savePath = path;
        const bool saved = tree->Save(local);
        return FailedSaveFaults(saved, local, path, std::strerror(EFBIG), dir, entries);
    });
    EXPECT_EQ(faults, 0) << "bits: 1 success, 2 report, 4 name, 8 reason, 16 old file, 32 temp";
}

}  // namespace
}  // namespace rw::test
