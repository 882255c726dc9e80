#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DocumentDoubles.h"
#include "document/TreeReports.h"

namespace rw {
namespace {

// Each message as "kind icon caption: text".
std::vector<std::string> Shown(const test::RecordingReporter& reporter) {
    std::vector<std::string> shown;
    for (const Report& r : reporter.reports) {
        shown.push_back(std::to_string(static_cast<int>(r.kind)) + " " +
                        std::to_string(static_cast<int>(r.icon)) + " " + r.caption + ": " + r.text);
    }
    return shown;
}

// What the reader met becomes the editor's messages: the lines it could not
// interpret one by one (only where the user is to see them), then one
// message for the brace balance, surplus braces before unclosed blocks.
TEST(TreeReports, TheReadersFindingsBecomeTheEditorsMessages) {
    const std::string line = "0 2 TAVIX Rigwright: Cannot interpret value ";
    const std::string close =
        "1 2 Error!: Detected more '}' than '{' , may not have read data correctly";
    const std::string open =
        "1 2 Error!: Detected more '{' than '}' , may not have read data correctly";
    const std::string longName(300, 'n');
    const struct {
        std::string text;
        bool showErrors;
        std::vector<std::string> shown;
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
         {"0 2 TAVIX Rigwright: Line 1 begins with a byte order mark.",
          "0 2 TAVIX Rigwright: Text after the brace on line 3 is not read: \"} x\"",
          "0 2 TAVIX Rigwright: Line 4 holds a carriage return that does not end it: \"y\rz=1\""}},
        {"\xEF\xBB\xBF"
         "car\n{\n} x\n",
         false,
         {}},
    };
    for (const auto& c : cases) {
        test::RecordingReporter reporter;
        ConfigTree tree;
        ReadTextReported(tree, c.text, c.showErrors, reporter);
        EXPECT_EQ(Shown(reporter), c.shown) << c.text;
    }
}

// A file that cannot be read or written is named with the reason.
TEST(TreeReports, FileErrorsNameTheFileAndTheReason) {
    test::TempDir dir;
    const std::string missing = dir.File("no/car.ini");
    const auto shown = [](auto&& act) {
        test::RecordingReporter reporter;
        EXPECT_FALSE(act(reporter));
        return Shown(reporter);
    };
    ConfigTree unreadable(missing), device("/dev/null");
    ConfigTree tree;
    tree.savePath = missing;
    EXPECT_EQ(shown([&](Reporter& r) { return ReadReported(unreadable, true, r); }),
              std::vector<std::string>{"2 4 TAVIX Rigwright: The file \"" + missing +
                                       "\" could not be read: No such file or directory"});
    EXPECT_EQ(shown([&](Reporter& r) { return ReadReported(device, true, r); }),
              std::vector<std::string>{
                  "2 4 TAVIX Rigwright: The file \"/dev/null\" could not be read: it is no "
                  "regular file"});
    EXPECT_EQ(shown([&](Reporter& r) { return SaveReported(tree, r); }),
              std::vector<std::string>{"2 4 TAVIX Rigwright: The file \"" + missing +
                                       "\" could not be saved: No such file or directory"});
    EXPECT_EQ(FileErrorReason(CarFileError::TooLarge, true),
              "the text would be larger than 256 MB, the limit for a car file");
}

}  // namespace
}  // namespace rw
