#include <gtest/gtest.h>

#include <string>

#include "forms/FileName.h"

namespace rw {
namespace {

TEST(FileNameOnly, DropsTheFolderOfEitherSeparator) {
    struct Case {
        std::string path;
        std::string name;
    };
    const Case cases[] = {
        {"/home/me/cars/wheel.dof", "wheel.dof"},
        {"C:\\Tavix\\cars\\engine.crv", "engine.crv"},
        {"C:\\mixed/dirs\\skid.wav", "skid.wav"},
        {"relative/dir/shadow.tga", "shadow.tga"},
        {"plain.dof", "plain.dof"},
        {"archive.tar.gz", "archive.tar.gz"},
        {"/trailing/", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileNameOnly(c.path), c.name) << c.path;
    }
}

}  // namespace
}  // namespace rw
