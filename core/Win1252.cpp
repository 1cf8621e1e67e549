#include "Win1252.h"

#include <array>

namespace win1252 {
namespace {

// Bytes 0x80..0x9F; the five unassigned ones keep their C1 control code so
// that every byte survives a round trip.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (high[i] == c) return 0x80 + i;
    return -1;
}

const std::array<char16_t, 256> &byteTable() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : char16_t(b);
        return t;
    }();
    return table;
}

} // namespace

void decodeInto(const char *data, qint64 length, QChar *out) {
    const auto &table = byteTable();
    for (qint64 i = 0; i < length; ++i)
        out[i] = QChar(table[static_cast<unsigned char>(data[i])]);
}

QString decode(const QByteArray &bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    decodeInto(bytes.constData(), bytes.size(), out.data());
    return out;
}

int byteOf(char16_t c) {
    return byteFor(c);
}

std::optional<QChar> firstUnencodable(const QString &text) {
    for (QChar c : text)
        if (byteFor(c.unicode()) < 0) return c;
    return std::nullopt;
}

void encodeInto(QStringView text, char *to) {
    const char16_t *from = text.utf16();
    // Plain ASCII, nearly every quote, is narrowed in one straight walk.
    char16_t any = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        any |= from[i];
    if (any < 0x80) {
        for (qsizetype i = 0; i < text.size(); ++i)
            to[i] = char(from[i]);
        return;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = from[i];
        if (c < 0x80) {
            to[i] = char(c);
            continue;
        }
        const int b = byteFor(c);
        to[i] = static_cast<char>(b < 0 ? '?' : b);
    }
}

QByteArray encode(const QString &text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    encodeInto(text, out.data());
    return out;
}

} // namespace win1252
