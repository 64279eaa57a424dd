#pragma once

#include <QByteArray>
#include <QString>

// Decoding and encoding of HTML pages in their own character set: the charset the
// server declared, else a byte order mark, else the charset of a meta tag near the
// start, else UTF-8 when the bytes are valid UTF-8, else Windows-1252.
namespace HtmlText {

struct Decoded
{
    QString text;
    // The character set the text was decoded with, in lower case ("utf-8",
    // "windows-1252", "utf-16le", ...), used to write the page back.
    QByteArray charset;
    // Bytes of the byte order mark at the start (0 when none).
    int bomLength = 0;
};

// The charset parameter of a Content-Type header value, in lower case, or empty.
QByteArray charsetFromContentType(const QByteArray& contentType);

// The charset named by a meta tag within the first few kilobytes, in lower case.
QByteArray metaCharset(const QByteArray& bytes);

Decoded decode(const QByteArray& bytes, const QByteArray& declaredCharset = {});

// Encodes text in charset; characters the charset cannot represent are written as
// numeric character references (&#NNN;) so that nothing is lost.
QByteArray encode(const QString& text, const QByteArray& charset);

} // namespace HtmlText
