#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DocumentDoubles.h"
#include "document/TreeReports.h"

namespace rw {
namespace {

using Shown = std::vector<std::string>;

// What the reader met becomes the editor's messages: the lines it could not
// interpret one by one (only where the user is to see them), then one
// message for the brace balance, surplus braces before unclosed blocks.
TEST(TreeReports, TheReadersFindingsBecomeTheEditorsMessages) {
    const std::string line = "U! Cannot interpret value ";
    const std::string close =
        "B! Error!: Detected more '}' than '{' , may not have read data correctly";
    const std::string open =
        "B! Error!: Detected more '{' than '}' , may not have read data correctly";
    const std::string longName(300, 'n');
    const struct {
        std::string text;
        bool showErrors;
        Shown shown;
    } cases[] = {
        {"x=1\nfirst\n}\nsecond\n",
         true,
         {line + "\"first\" on line 2", line + "\"second\" on line 4", close}},
        {"x=1\nfirst\n}\nsecond\n", false, {close}},
        {"}\na\n{\n", true, {close}},
        {"a\n{\nb\n{\n", false, {open}},
        {longName + "\n", true, {line + "\"" + longName.substr(0, 200) + "...\" on line 1"}},
        // Lines read otherwise than they look are shown as uninterpretable ones.
        {"\xEF\xBB\xBF"
         "car\n{\n} x\ny\rz=1\n",
         true,
         {"U! Line 1 begins with a byte order mark.",
          "U! Text after the brace on line 3 is not read: \"} x\"",
          "U! Line 4 holds a carriage return that does not end it: \"y\rz=1\""}},
        {"\xEF\xBB\xBF"
         "car\n{\n} x\n",
         false,
         {}},
    };
    for (const auto& c : cases) {
        test::RecordingReporter reporter;
        ConfigTree tree;
        ReadTextReported(tree, c.text, c.showErrors, reporter);
        EXPECT_EQ(reporter.shown, c.shown) << c.text;
    }
}

// A file that cannot be read or written is named with the reason.
TEST(TreeReports, FileErrorsNameTheFileAndTheReason) {
    test::TempDir dir;
    const std::string missing = dir.File("no/car.ini");
    ConfigTree unreadable(missing), device("/dev/null"), tree;
    tree.savePath = missing;
    test::RecordingReporter reporter;
    EXPECT_FALSE(ReadReported(unreadable, true, reporter) || ReadReported(device, true, reporter) ||
                 SaveReported(tree, reporter));
    EXPECT_EQ(
        reporter.shown,
        (Shown{"Fx The file \"" + missing + "\" could not be read: No such file or directory",
               "Fx The file \"/dev/null\" could not be read: it is no regular file",
               "Fx The file \"" + missing + "\" could not be saved: No such file or directory"}));
    EXPECT_EQ(FileErrorReason(CarFileError::TooLarge, true),
              "the text would be larger than 256 MB, the limit for a car file");
}

}  // namespace
}  // namespace rw
