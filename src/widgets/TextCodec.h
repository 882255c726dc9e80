#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Lossless bytes <-> QString for texts of the car file. Valid UTF-8 decodes as
// UTF-8; anything else as Windows-1252, whose five unassigned bytes (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number,
// so every byte sequence decodes and encodes back to itself.
namespace rw {

enum class TextEncoding { Utf8, Windows1252 };

bool IsValidUtf8(std::string_view bytes);
TextEncoding DetectEncoding(std::string_view bytes);

QString DecodeBytes(std::string_view bytes, TextEncoding encoding);
QString DecodeBytes(std::string_view bytes);

// Nothing when a character has no Windows-1252 byte.
std::optional<std::string> EncodeWindows1252(const QString& text);
std::string EncodeUtf8(const QString& text);
// In `preferred` when every character fits, otherwise UTF-8: a typed
// character is never dropped or replaced.
std::string EncodeText(const QString& text, TextEncoding preferred);

}  // namespace rw
