#include <gtest/gtest.h>

#include <string>

#include "DocumentDoubles.h"
#include "document/CarDocument.h"

namespace rw {
namespace {

// The template car New starts from is the data file compiled in: written
// back byte for byte (order, comments, CRLF line ends), without a line the
// reader would report, each wheel reaching the shared Pacejka block through
// the inheriting block it ends with.
TEST(DefaultCar, WritesTheDataFileBackAndWheelsInheritThePacejkaBlock) {
    const std::string file = test::ReadFile(RIGWRIGHT_SOURCE_DIR "/resources/default-car.ini");
    ConfigTree tree;
    BuildDefaultCar(tree);
    EXPECT_EQ(tree.ToText(), file);
    EXPECT_EQ(tree.unreadLines, 0u);
    for (const std::string wheel : {"wheel0", "wheel1", "wheel2", "wheel3"}) {
        ASSERT_NE(tree.Find(wheel), nullptr);
        const TreeNode& last = *tree.Find(wheel)->children.back();
        EXPECT_EQ(last.kind, NodeKind::InheritBlock) << wheel;
        EXPECT_EQ(last.name + "~" + last.value, "pacejka~pacejka_default");
        std::string a0;
        EXPECT_TRUE(tree.GetString(wheel + ".pacejka.a0", a0)) << wheel;
    }
}

}  // namespace
}  // namespace rw
