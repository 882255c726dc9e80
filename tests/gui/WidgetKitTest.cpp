#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <string>

#include "ScriptedDialogs.h"
#include "tree/Numbers.h"
#include "widgets/NumberField.h"
#include "widgets/NumberFieldRules.h"
#include "widgets/PageView.h"
#include "widgets/QtDialogs.h"
#include "widgets/TextCodec.h"

namespace rw {
namespace {

TEST(TextCodecTest, EveryByteSequenceRoundTripsAndEditedTextKeepsEveryCharacter) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::vector<std::string> samples = {
        "",
        "Citro\xC3\xABn",        // UTF-8
        "Citro\xEBn",            // Windows-1252
        "\x81\x8D\x8F\x90\x9D",  // its unassigned bytes
        "\x80\x9F",              // Euro sign and Y with diaeresis
        "\xC0\xAF",              // overlong slash
        "\xED\xA0\x80",          // encoded surrogate
        "\xF4\x90\x80\x80",      // beyond Unicode
        "\xE2\x82",              // cut short
        all,
    };
    for (const std::string& bytes : samples) {
        const TextEncoding encoding = DetectEncoding(bytes);
        EXPECT_EQ(EncodeText(DecodeBytes(bytes), encoding), bytes) << bytes;
    }
    EXPECT_EQ(DecodeBytes("Citro\xEBn"), QString::fromUtf8("Citro\xC3\xABn"));
    EXPECT_EQ(DecodeBytes("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(DetectEncoding("\xF0\x9F\x9A\x97"), TextEncoding::Utf8);

    // Edited text stays in Windows-1252 while it fits, else all of it becomes
    // UTF-8; U+0080 does not fit, as 0x80 is the euro sign.
    EXPECT_EQ(
        EncodeText(QString::fromUtf8("R\xC3\xA9nault \xE2\x82\xAC"), TextEncoding::Windows1252),
        "R\xE9nault \x80");
    EXPECT_EQ(EncodeText(QString::fromUtf8("\xC3\xA9 \xCE\xA9"), TextEncoding::Windows1252),
              "\xC3\xA9 \xCE\xA9");
    EXPECT_FALSE(EncodeWindows1252(QString(QChar(0x0080))).has_value());
}

TEST(QtFileFilterTest, WindowsFormBecomesQtForm) {
    EXPECT_EQ(QtFileFilter("Tavix INI Files (*.ini)|*.ini||"), "Tavix INI Files (*.ini)");
    EXPECT_EQ(QtFileFilter("Models|*.dof;*.obj|All Files (*.*)|*.*||"),
              "Models (*.dof *.obj);;All Files (*.*)");
    EXPECT_EQ(QtFileFilter(""), "");
}

// The page sits in a dialog, as in the editor: there Return would press the
// focused button and Escape close the window.
TEST(PageViewTest, EnterAndEscapeDoNothing) {
    ScriptedDialogs dialogs;
    QDialog window;
    auto* page = new PageView(dialogs, &window);
    auto* notes = new QPlainTextEdit(page);
    auto* button = new QPushButton("Apply", page);
    window.show();
    QSignalSpy clicks(button, &QPushButton::clicked);
    QSignalSpy closed(&window, &QDialog::finished);

    notes->setFocus();
    QTest::keyClicks(notes, "ab");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClick(notes, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(notes, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(notes, Qt::Key_Escape);
    EXPECT_EQ(notes->toPlainText(), "ab");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    QTest::keyClick(button, Qt::Key_Escape);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(closed.count(), 0);

    // A field added after the page was built is covered too, down the tree.
    auto* group = new QWidget(page);
    auto* late = new QLineEdit(group);
    group->show();
    QSignalSpy returns(late, &QLineEdit::returnPressed);
    QTest::keyClick(late, Qt::Key_Return);
    EXPECT_EQ(returns.count(), 0);

    // A dialog opened from a page keeps its keys.
    auto* dialog = new QDialog(page);
    dialog->show();
    QSignalSpy rejected(dialog, &QDialog::rejected);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
}

TEST(QtDialogsTest, FileDialogsStartInTheFolderLastUsed) {
    QtDialogs dialogs;
    QTemporaryDir first, second;
    // Opens the dialog, notes its folder and picks `pick`, or cancels.
    auto startFolder = [&](const QString& pick) {
        QString folder;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            folder = dialog->directory().absolutePath();
            dialog->selectFile(pick);
            // QFileDialog's own accept() is not public.
            pick.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
        });
        dialogs.ChooseOpenFile("Select an INI File", "Tavix INI Files (*.ini)|*.ini||");
        return folder;
    };
    EXPECT_EQ(startFolder({}), QDir::homePath());
    dialogs.SetStartFolderOf(first.filePath("car.ini"));
    EXPECT_EQ(startFolder(second.filePath("other.ini")), QDir(first.path()).absolutePath());
    EXPECT_EQ(startFolder({}), QDir(second.path()).absolutePath());
}

// Each press starts again from the shown text, as the widget does.
TEST(NumberFieldRulesTest, ArrowPressesClampAndFormat) {
    struct Case {
        double min, max, step;
        bool whole;
        std::string start;
        std::vector<int> presses;
        std::vector<std::string> shown;
    };
    const std::vector<Case> cases = {
        {0, 100, 10, false, "95", {1, 1}, {"100", "100"}},
        {0, 1, 0.1, false, "0", {1, 1, 1}, {"0.1", "0.2", "0.3"}},
        {0, 1, 0.1, false, "0.95", {1}, {"1"}},
        {1, 7, 1, false, "abc", {1}, {"1"}},
        {0, 1e7, 1e6, false, "0", {1}, {"1e+06"}},
        {0, 100, 10, false, "5", {-1, -1}, {"0", "0"}},
        {-1, 1, 0.5, false, " -0.5xyz", {-1, -1}, {"-1", "-1"}},
        // An integer field's arrows write plain digits that read back.
        {0, 1e7, 1e6, true, "1234567.4", {1, -1}, {"2234567", "1234567"}},
        {-10, 10, 1, true, "0.4", {-1, 1}, {"-1", "0"}},
    };
    for (const Case& c : cases) {
        NumberFieldRules rules;
        rules.ApplyRange(c.min, c.max, c.step);
        rules.wholeNumbers = c.whole;
        std::string text = c.start;
        for (std::size_t i = 0; i < c.presses.size(); ++i) {
            text = rules.FormatValue(rules.Stepped(ParseDouble(text), c.presses[i]));
            EXPECT_EQ(text, c.shown[i]) << "from '" << c.start << "' press " << i;
        }
    }
}

TEST(NumberFieldWidgetTest, ArrowsAndKeysStepTheBuddyWhileItIsEnabled) {
    QWidget page;
    auto* edit = new QLineEdit(&page);
    (new QHBoxLayout(&page))->addWidget(edit);
    NumberField* field = AttachNumberField(edit, 0, 100, 10);
    page.show();
    edit->setText("95");
    for (QToolButton* arrow : {field->UpButton(), field->UpButton(), field->DownButton()}) {
        QTest::mouseClick(arrow, Qt::LeftButton);
    }
    EXPECT_EQ(edit->text(), "90");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "80");
    edit->setEnabled(false);
    EXPECT_FALSE(field->isEnabled());
}

}  // namespace
}  // namespace rw
