#include <gtest/gtest.h>

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
    EXPECT_EQ(DefaultCarText(), test::ReadFile(RIGWRIGHT_SOURCE_DIR "/tests/data/default-car.ini"));
}

// It reads back without a report, each wheel reaching the shared Pacejka
// block through the inheriting block it ends with.
TEST(DefaultCar, ReadsBackWithoutReportsAndWheelsInheritThePacejkaBlock) {
    ConfigTree reread{"default.ini"};
    test::RecordingReporter reporter;
    reread.ReadText(DefaultCarText(), true, reporter);
    EXPECT_TRUE(reporter.reports.empty());
    for (const std::string wheel : {"wheel0", "wheel1", "wheel2", "wheel3"}) {
        ASSERT_NE(reread.Find(wheel), nullptr);
        const TreeNode& last = *reread.Find(wheel)->children.back();
        EXPECT_EQ(last.kind, NodeKind::InheritBlock) << wheel;
        EXPECT_EQ(last.name + "~" + last.value, "pacejka~pacejka_default");
        std::string a0;
        EXPECT_TRUE(reread.GetString(wheel + ".pacejka.a0", a0)) << wheel;
    }
}

}  // namespace
}  // namespace rw
