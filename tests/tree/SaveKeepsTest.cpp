#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <functional>

#include "TreeTestSupport.h"

namespace rw::test {
namespace {

struct Kept {
    const char* what;
    // Prepares the car file in a folder; false skips the case here.
    std::function<bool(const TempDir&, const std::string& car)> prepare;
    // Checks what must have stayed after the save.
    std::function<void(const TempDir&, const std::string& car)> check;
    bool asAnotherUser = false;
    std::size_t files = 1;  // in the folder after the save
};

ino_t Inode(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// A save replaces the car file's text and nothing else the file system holds
// for it: its other names, its attributes, its owner when another user saves.
TEST(SaveKeeps, LinksAttributesAndOwner) {
    const Kept cases[] = {
        {"a second name",
         [](const TempDir& dir, const std::string& car) {
             return ::link(car.c_str(), dir.File("twin.ini").c_str()) == 0;
         },
         [](const TempDir& dir, const std::string& car) {
             EXPECT_EQ(Inode(dir.File("twin.ini")), Inode(car));
             EXPECT_EQ(ReadFile(dir.File("twin.ini")), ReadFile(car));
         },
         false, 2},
        {"a user attribute",
         [](const TempDir&, const std::string& car) {
             return ::setxattr(car.c_str(), "user.origin", "workshop", 8, 0) == 0;
         },
         [](const TempDir&, const std::string& car) {
             char value[16] = {};
             EXPECT_EQ(::getxattr(car.c_str(), "user.origin", value, sizeof value), 8);
             EXPECT_STREQ(value, "workshop");
         }},
        {"the owner, when another user saves",
         [](const TempDir& dir, const std::string& car) {
             return ::getuid() == 0 && ::chmod(dir.File("").c_str(), 0777) == 0 &&
                    ::chmod(car.c_str(), 0666) == 0;
         },
         [](const TempDir&, const std::string& car) {
             struct stat info {};
             ASSERT_EQ(::stat(car.c_str(), &info), 0);
             EXPECT_EQ(info.st_uid, 0u);
             EXPECT_EQ(info.st_mode & 07777, 0666u);
         },
         true},
    };
    for (const Kept& kept : cases) {
        SCOPED_TRACE(kept.what);
        TempDir dir;
        const std::string car = dir.File("car.ini");
        ASSERT_TRUE(WriteFile(car, "car\n{\n   wheels=4\n}\n"));
        if (!kept.prepare(dir, car)) {
            continue;  // not possible for this user or on this file system
        }
        const auto save = [&car] {
            ConfigTree tree(car);
            tree.savePath = car;
            if (tree.Read()) {
                return false;
            }
            tree.SetString("car.name", "Kept");
            return !tree.Save();
        };
        if (kept.asAnotherUser) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                _exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && save() ? 0 : 1);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        } else {
            ASSERT_TRUE(save());
        }
        EXPECT_EQ(ReadFile(car), "car\r\n{\r\n   wheels=4\r\n   name=Kept\r\n}\r\n");
        kept.check(dir, car);
        // Where the new text went in place, the copy beside it is gone.
        EXPECT_EQ(Entries(dir.File("")).size(), kept.files);
    }
}

}  // namespace
}  // namespace rw::test
