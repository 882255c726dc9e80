#include <gtest/gtest.h>

#include "ScriptedDialogs.h"
#include "shell/MainDialog.h"
#include "widgets/PageView.h"

namespace rw {
namespace {

// Every key row a page binds by name has its field in the .ui file, and
// every field that names a key is bound: a misspelt key on either side shows.
TEST(KeyBinding, EveryRowHasItsFieldAndEveryKeyedFieldItsRow) {
    ScriptedDialogs dialogs;
    MainDialog window(dialogs);
    for (const PageRow& row : kPages) {
        EXPECT_EQ(window.View(row.id)->KeyFaults(), std::vector<std::string>{}) << row.label;
    }
}

}  // namespace
}  // namespace rw
