#include <gtest/gtest.h>

#include <string>

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
        "plain",
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

}  // namespace
}  // namespace rw
