#include "core/platform/HtmlText.h"

#include "core/platform/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace HtmlText {
namespace {

const QByteArray kUtf8 = QByteArrayLiteral("utf-8");
const QByteArray kWindows1252 = QByteArrayLiteral("windows-1252");
const QByteArray kUtf16Le = QByteArrayLiteral("utf-16le");
const QByteArray kUtf16Be = QByteArrayLiteral("utf-16be");

bool isCharsetChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || c == '-' || c == '_' || c == '.' || c == ':';
}

// The names browsers treat as Windows-1252 (ISO-8859-1 and ASCII pages really are).
bool isWindows1252Alias(const QByteArray& name)
{
    static const char* const aliases[] = { "windows-1252", "cp1252", "x-cp1252", "iso-8859-1",
                                           "iso8859-1", "iso_8859-1", "latin1", "l1",
                                           "us-ascii", "ascii", "ansi_x3.4-1968" };
    for (const char* alias : aliases) {
        if (name == alias)
            return true;
    }
    return false;
}

// A charset name we can decode with, in its canonical spelling, or empty.
QByteArray usableCharset(const QByteArray& raw)
{
    const QByteArray name = raw.trimmed().toLower();
    if (name.isEmpty())
        return {};
    if (name == "utf-8" || name == "utf8")
        return kUtf8;
    if (isWindows1252Alias(name))
        return kWindows1252;
    if (name == "utf-16" || name == "utf-16le")
        return kUtf16Le;
    if (name == "utf-16be")
        return kUtf16Be;
    QStringDecoder probe(name.constData());
    return probe.isValid() ? name : QByteArray();
}

// Reads a charset value starting at pos: optional blanks and quotes, then the name.
QByteArray charsetValueAt(const QByteArray& bytes, qsizetype pos, qsizetype end)
{
    while (pos < end && (bytes.at(pos) == ' ' || bytes.at(pos) == '\t'))
        ++pos;
    if (pos >= end || bytes.at(pos) != '=')
        return {};
    ++pos;
    while (pos < end && (bytes.at(pos) == ' ' || bytes.at(pos) == '\t' || bytes.at(pos) == '"'
                         || bytes.at(pos) == '\''))
        ++pos;
    const qsizetype start = pos;
    while (pos < end && isCharsetChar(bytes.at(pos)))
        ++pos;
    return bytes.mid(start, pos - start).toLower();
}

bool decodeWith(const QByteArray& charset, QByteArrayView bytes, QString* text)
{
    if (charset == kWindows1252) {
        *text = Windows1252::decode(bytes.toByteArray());
        return true;
    }
    QStringDecoder decoder;
    if (charset == kUtf8)
        decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    else if (charset == kUtf16Le)
        decoder = QStringDecoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless);
    else if (charset == kUtf16Be)
        decoder = QStringDecoder(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless);
    else
        decoder = QStringDecoder(charset.constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return false;
    QString decoded = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    *text = std::move(decoded);
    return true;
}

} // namespace

QByteArray charsetFromContentType(const QByteArray& contentType)
{
    const QByteArray lower = contentType.toLower();
    qsizetype pos = lower.indexOf("charset");
    while (pos >= 0) {
        const QByteArray value = charsetValueAt(lower, pos + 7, lower.size());
        if (!value.isEmpty())
            return value;
        pos = lower.indexOf("charset", pos + 7);
    }
    return {};
}

QByteArray metaCharset(const QByteArray& bytes)
{
    // Declarations after the first few kilobytes come too late to matter for a browser
    // either; limiting the scan keeps large pages cheap.
    const QByteArray head = bytes.left(4096).toLower();
    qsizetype pos = head.indexOf("<meta");
    while (pos >= 0) {
        qsizetype end = head.indexOf('>', pos);
        if (end < 0)
            end = head.size();
        qsizetype at = head.indexOf("charset", pos);
        while (at >= 0 && at < end) {
            const QByteArray value = charsetValueAt(head, at + 7, end);
            if (!value.isEmpty())
                return value;
            at = head.indexOf("charset", at + 7);
        }
        pos = head.indexOf("<meta", end);
    }
    return {};
}

Decoded decode(const QByteArray& bytes, const QByteArray& declaredCharset)
{
    Decoded result;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        result.charset = kUtf8;
        result.bomLength = 3;
    } else if (bytes.startsWith("\xFF\xFE")) {
        result.charset = kUtf16Le;
        result.bomLength = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        result.charset = kUtf16Be;
        result.bomLength = 2;
    }
    const QByteArrayView body = QByteArrayView(bytes).sliced(result.bomLength);
    if (result.bomLength > 0 && decodeWith(result.charset, body, &result.text))
        return result;
    result.bomLength = 0;

    // A page declared as UTF-8 whose bytes are not UTF-8 is, in practice, Windows-1252.
    for (const QByteArray& candidate : { usableCharset(declaredCharset),
                                         usableCharset(metaCharset(bytes)) }) {
        if (!candidate.isEmpty() && decodeWith(candidate, bytes, &result.text)) {
            result.charset = candidate;
            return result;
        }
    }
    if (decodeWith(kUtf8, bytes, &result.text)) {
        result.charset = kUtf8;
        return result;
    }
    result.charset = kWindows1252;
    result.text = Windows1252::decode(bytes);
    return result;
}

QByteArray encode(const QString& text, const QByteArray& charset)
{
    if (charset == kWindows1252 || charset.isEmpty()) {
        if (Windows1252::canEncode(text))
            return Windows1252::encode(text);
        QByteArray out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                out += "&#" + QByteArray::number(QChar::surrogateToUcs4(c, text.at(i + 1))) + ';';
                ++i;
            } else if (Windows1252::canEncode(QString(c))) {
                out += Windows1252::encode(QString(c));
            } else {
                out += "&#" + QByteArray::number(c.unicode()) + ';';
            }
        }
        return out;
    }
    QStringEncoder encoder;
    if (charset == kUtf8)
        encoder = QStringEncoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    else if (charset == kUtf16Le)
        encoder = QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::Stateless);
    else if (charset == kUtf16Be)
        encoder = QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::Stateless);
    else
        encoder = QStringEncoder(charset.constData(), QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return encode(text, kWindows1252);
    QByteArray whole = encoder.encode(text);
    if (!encoder.hasError())
        return whole;
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype n = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            n = 2;
        const QString piece = text.mid(i, n);
        encoder.resetState();
        QByteArray bytes = encoder.encode(piece);
        if (encoder.hasError())
            out += "&#" + QByteArray::number(piece.toUcs4().value(0)) + ';';
        else
            out += bytes;
        i += n - 1;
    }
    return out;
}

} // namespace HtmlText
