#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The quote file holds one Windows-1252 byte per character on every platform.
// Decoding and encoding are exact inverses over all 256 byte values, so a
// record copied through text comes back byte for byte.
namespace win1252 {

QString decode(const QByteArray &bytes);
// Decodes `length` bytes into `out`, which has room for them.
void decodeInto(const char *data, qint64 length, QChar *out);

// Whether Windows-1252 holds `c`.
int byteOf(char16_t c);
// Whether the code page has the character; plain ASCII answered inline.
inline bool canHold(QChar c) {
    return c.unicode() < 0x80 || byteOf(c.unicode()) >= 0;
}

// The first character of `text` that Windows-1252 cannot hold, if any.
std::optional<QChar> firstUnencodable(const QString &text);

// Encodes `text`; characters it cannot hold must have been refused before.
QByteArray encode(const QString &text);
// Encodes `text` into `to`, which has room for one byte per character.
void encodeInto(QStringView text, char *to);

} // namespace win1252
