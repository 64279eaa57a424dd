#include "core/platform/Windows1252.h"

#include <QStringDecoder>

#include <array>

namespace {

// Unicode code points of the bytes 0x80 to 0x9F; the rest of the code page equals
// ISO 8859-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

namespace Windows1252 {

QString decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray encode(const QString& text, bool* ok)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool allEncoded = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = encodeChar(text[i].unicode());
        if (b >= 0) {
            bytes.append(char(b));
            continue;
        }
        allEncoded = false;
        bytes.append('?');
        // A surrogate pair is one character: one "?" for both halves.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    if (ok)
        *ok = allEncoded;
    return bytes;
}

bool canEncode(const QString& text)
{
    for (QChar c : text) {
        if (encodeChar(c.unicode()) < 0)
            return false;
    }
    return true;
}

QString decodeUtf8OrWindows1252(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decode(bytes);
}

} // namespace Windows1252
