#include "core/report/RtfText.h"

#include "core/platform/Windows1252.h"

#include <QRegularExpression>

namespace RtfText {

namespace {

void appendHex(QString& out, uchar byte)
{
    out += QStringLiteral("\\'");
    out += QString::number(byte, 16).rightJustified(2, u'0');
}

} // namespace

CodePage declaredCodePage(QStringView document)
{
    static const QRegularExpression ansi1252(QStringLiteral("\\\\ansicpg1252(?![0-9])"));
    return ansi1252.match(document).hasMatch() ? CodePage::Windows1252 : CodePage::Other;
}

QString escape(QStringView text, CodePage codePage, QStringView alsoHex)
{
    QString out;
    out.reserve(text.size() + text.size() / 4);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += u'\\';
            out += c;
        } else if (u == u'\t') {
            out += QStringLiteral("\\tab ");
        } else if (u == u'\r' || u == u'\n') {
            if (u == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += QStringLiteral("\\line ");
        } else if (u < 0x20 || u == 0x7f || (u < 0x80 && alsoHex.contains(c))) {
            appendHex(out, uchar(u));
        } else if (u < 0x80) {
            out += c;
        } else {
            bool encodable = false;
            QByteArray byte;
            if (codePage == CodePage::Windows1252) {
                byte = Windows1252::encode(QString(c), &encodable);
            }
            if (encodable && byte.size() == 1) {
                appendHex(out, uchar(byte[0]));
            } else {
                // \u takes a signed 16-bit number; "?" is the fallback for old readers.
                out += QStringLiteral("\\u");
                out += QString::number(qint16(u));
                out += u'?';
            }
        }
    }
    return out;
}

} // namespace RtfText
