#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "ScriptedDialogs.h"
#include "widgets/PageView.h"
#include "widgets/QtDialogs.h"
#include "widgets/TextCodec.h"

namespace rw {
namespace {

TEST(TextCodecTest, EveryByteSequenceRoundTrips) {
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
}

TEST(TextCodecTest, EditedTextKeepsEveryCharacter) {
    // Fits Windows-1252: stays in it.
    EXPECT_EQ(
        EncodeText(QString::fromUtf8("R\xC3\xA9nault \xE2\x82\xAC"), TextEncoding::Windows1252),
        "R\xE9nault \x80");
    // A character Windows-1252 lacks turns the whole text into UTF-8.
    const QString mixed = QString::fromUtf8("\xC3\xA9 \xE2\x80\x94 \xCE\xA9");
    EXPECT_EQ(EncodeText(mixed, TextEncoding::Windows1252), "\xC3\xA9 \xE2\x80\x94 \xCE\xA9");
    EXPECT_FALSE(EncodeWindows1252(QString(QChar(0x0080))).has_value());
    EXPECT_EQ(EncodeText(mixed, TextEncoding::Utf8), "\xC3\xA9 \xE2\x80\x94 \xCE\xA9");
}

TEST(QtFileFilterTest, WindowsFormBecomesQtForm) {
    EXPECT_EQ(QtFileFilter("Tavix INI Files (*.ini)|*.ini||"), "Tavix INI Files (*.ini)");
    EXPECT_EQ(QtFileFilter("Models|*.dof;*.obj|All Files (*.*)|*.*||"),
              "Models (*.dof *.obj);;All Files (*.*)");
    EXPECT_EQ(QtFileFilter(""), "");
}

TEST(PageViewTest, EnterAndEscapeDoNothing) {
    ScriptedDialogs dialogs;
    PageView page(dialogs);
    auto* notes = new QPlainTextEdit(&page);
    auto* button = new QPushButton("Apply", &page);
    page.show();
    QSignalSpy clicks(button, &QPushButton::clicked);

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
    EXPECT_EQ(clicks.count(), 0);

    // A field added after the page was built is covered too, down the tree.
    auto* group = new QWidget(&page);
    auto* late = new QLineEdit(group);
    group->show();
    QSignalSpy returns(late, &QLineEdit::returnPressed);
    QTest::keyClick(late, Qt::Key_Return);
    EXPECT_EQ(returns.count(), 0);

    // A dialog opened from a page keeps its keys.
    auto* dialog = new QDialog(&page);
    dialog->show();
    QSignalSpy rejected(dialog, &QDialog::rejected);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
}

}  // namespace
}  // namespace rw
