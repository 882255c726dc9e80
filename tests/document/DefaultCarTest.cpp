#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "DocumentDoubles.h"
#include "document/CarDocument.h"

namespace rw {
namespace {

std::string DefaultCarText() {
    ConfigTree tree{std::string(kUnsavedPath)};
    test::RecordingReporter reporter;
    tree.Read(false, reporter);
    BuildDefaultCar(tree);
    return tree.ToText();
}

// Every byte of the template car: order, comments, CRLF line ends, values.
TEST(DefaultCar, MatchesTheGoldenFile) {
    std::ifstream golden(RIGWRIGHT_SOURCE_DIR "/tests/data/default-car.ini", std::ios::binary);
    ASSERT_TRUE(golden);
    const std::string expected{std::istreambuf_iterator<char>(golden), {}};
    EXPECT_EQ(DefaultCarText(), expected);
}

TEST(DefaultCar, ReadsBackWithoutReportsAndWheelsInheritThePacejkaBlock) {
    ConfigTree reread{"default.ini"};
    test::RecordingReporter reporter;
    reread.ReadText(DefaultCarText(), true, reporter);
    EXPECT_TRUE(reporter.reports.empty());
    for (const char* wheel : {"wheel0", "wheel1", "wheel2", "wheel3"}) {
        SCOPED_TRACE(wheel);
        const TreeNode* block = reread.Find(wheel);
        ASSERT_NE(block, nullptr);
        ASSERT_FALSE(block->children.empty());
        const TreeNode& last = *block->children.back();
        EXPECT_EQ(last.kind, NodeKind::InheritBlock);
        EXPECT_EQ(last.name, "pacejka");
        EXPECT_EQ(last.value, "pacejka_default");
    }
    std::string a0;
    EXPECT_TRUE(reread.GetString("wheel2.pacejka.a0", a0));
}

}  // namespace
}  // namespace rw
