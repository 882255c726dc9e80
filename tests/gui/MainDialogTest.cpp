#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

#include "PageTestSupport.h"

namespace rw::test {
namespace {

using MainDialogTest = EditorTest;

// Every key row a page binds by name has its field in the .ui file, and
// every field that names a key is bound: a misspelt key on either side shows.
TEST_F(MainDialogTest, EveryKeyRowHasItsFieldAndEveryKeyedFieldItsRow) {
    for (const PageRow& row : kPages) {
        EXPECT_EQ(window.View(row.id)->KeyFaults(), std::vector<std::string>{}) << row.label;
    }
}

TEST_F(MainDialogTest, DropLoadsOneLocalFileAndRefusesAnythingElse) {
    const QString path = RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini";
    QSignalSpy documentFiles(&window, &MainDialog::DocumentFileChanged);
    QMimeData refused[4], file;
    refused[0].setText(path);
    refused[1].setUrls({QUrl("https://example.com/car.ini")});
    refused[2].setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile("/tmp/b")});
    refused[3].setUrls({QUrl::fromLocalFile(dir.path())});
    file.setUrls({QUrl::fromLocalFile(path)});
    for (QMimeData& data : refused) {
        EXPECT_FALSE(Drop(window, data));
    }
    EXPECT_FALSE(window.Document().IsOpen());
    EXPECT_TRUE(Drop(window, file));
    EXPECT_EQ(window.Document().DocumentPath(), path.toStdString());
    EXPECT_EQ(documentFiles.size(), 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace rw::test
