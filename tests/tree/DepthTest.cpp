#include <gtest/gtest.h>

#include <string>

#include "TreeTestSupport.h"
#include "tree/ConfigTree.h"

namespace rw::test {
namespace {

// Files are untrusted: nesting depth must cost heap, never stack.
std::string NestedText(std::size_t depth) {
    std::string text;
    text.reserve(depth * 6 + 16);
    for (std::size_t i = 0; i < depth; ++i) {
        text += "b\n{\n";
    }
    text += "x=deep\n";
    for (std::size_t i = 0; i < depth; ++i) {
        text += "}\n";
    }
    return text;
}

std::string NestedPath(std::size_t depth) {
    std::string path;
    path.reserve(depth * 2 + 2);
    for (std::size_t i = 0; i < depth; ++i) {
        path += "b.";
    }
    return path + "x";
}

// Follows the first child down and counts the blocks on the way.
std::size_t BlockDepth(const TreeNode& root, const TreeNode** innermost) {
    std::size_t depth = 0;
    const TreeNode* node = &root;
    while (!node->children.empty() && node->children.front()->kind == NodeKind::Block) {
        node = node->children.front().get();
        ++depth;
    }
    *innermost = node;
    return depth;
}

TEST(Depth, AMillionNestedBlocksReadLookUpAndDestroy) {
    constexpr std::size_t kDepth = 1000000;
    RecordingReporter reporter;
    auto tree = TreeFromText(NestedText(kDepth), reporter);
    EXPECT_TRUE(reporter.reports.empty());
    const TreeNode* innermost = nullptr;
    EXPECT_EQ(BlockDepth(*tree->root, &innermost), kDepth);
    ASSERT_EQ(innermost->children.size(), 1u);
    EXPECT_EQ(innermost->children[0]->value, "deep");

    std::string value;
    EXPECT_TRUE(tree->GetString(NestedPath(kDepth), value));
    EXPECT_EQ(value, "deep");
    tree->SetString(NestedPath(kDepth) + "2", "deeper");
    EXPECT_TRUE(tree->GetString(NestedPath(kDepth) + "2", value));
    EXPECT_EQ(value, "deeper");
    tree.reset();  // the destructor walks a million levels
}

TEST(Depth, AMillionUnclosedBlocksAreReported) {
    constexpr std::size_t kDepth = 1000000;
    std::string text;
    for (std::size_t i = 0; i < kDepth; ++i) {
        text += "b\n{\n";
    }
    RecordingReporter reporter;
    auto tree = TreeFromText(text, reporter);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, ReportKind::BraceBalance);
    const TreeNode* innermost = nullptr;
    EXPECT_EQ(BlockDepth(*tree->root, &innermost), kDepth);
}

// Indentation makes the saved file grow with the square of the depth: two
// thousand levels give a file of about 18 MB (ten thousand would pass the
// limit of a car file).
TEST(Depth, TwoThousandNestedBlocksSave) {
    constexpr std::size_t kDepth = 2000;
    TempDir dir;
    ASSERT_TRUE(dir.Ok());
    RecordingReporter reporter;
    auto tree = TreeFromText(NestedText(kDepth), reporter);
    tree->savePath = dir.File("deep.ini");
    ASSERT_TRUE(tree->Save(reporter));
    tree.reset();

    std::size_t expectedSize = 0;
    for (std::size_t level = 0; level < kDepth; ++level) {
        expectedSize += 3 * (3 * level + 3);  // name, "{" and "}" lines
    }
    expectedSize += 3 * kDepth + 8;  // "x=deep" with CR LF
    EXPECT_EQ(std::filesystem::file_size(dir.File("deep.ini")), expectedSize);

    ConfigTree reread(dir.File("deep.ini"));
    ASSERT_EQ(reread.Read(true, reporter), ReadResult::Success);
    EXPECT_TRUE(reporter.reports.empty());
    std::string value;
    EXPECT_TRUE(reread.GetString(NestedPath(kDepth), value));
    EXPECT_EQ(value, "deep");
    const TreeNode* innermost = nullptr;
    EXPECT_EQ(BlockDepth(*reread.root, &innermost), kDepth);
}

}  // namespace
}  // namespace rw::test
