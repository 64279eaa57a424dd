#include "core/metatags/KeywordSplit.h"

#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/TextLines.h"

#include <QCoreApplication>

namespace KeywordSplit {

QStringList SplitKeywords(const QString& text, const QString& separator)
{
    QStringList result;
    for (int i = 0; i < kKeywordCount; ++i)
        result.append(QString());
    if (text.isEmpty()) {
        Platform::messages().information(
            QCoreApplication::translate("TfrmTrennzeichen", "Clipboard contains no text", "IDS_1"));
        return result;
    }
    qsizetype pos = 0;
    int i = 0;
    if (!separator.isEmpty()) {
        while (i < kKeywordCount) {
            const qsizetype at = text.indexOf(separator, pos);
            if (at < 0)
                break;
            result[i++] = TextLines::trimBlanks(text.mid(pos, at - pos));
            pos = at + separator.size();
        }
    }
    if (pos < text.size() && i < kKeywordCount)
        result[i] = TextLines::trimBlanks(text.mid(pos));
    return result;
}

std::optional<QString> clipboardWorkingText(bool clipboardHasText, const QString& clipboardText)
{
    Messages& messages = Platform::messages();
    if (!clipboardHasText) {
        messages.information(QCoreApplication::translate(
            "TfrmKeywords",
            "The clipboard contains no text but graphics, etc.! The command can therefore not be "
            "executed. Copy text to clipboard and try again."));
        return std::nullopt;
    }
    QString text = clipboardText;
    if (text.size() > kClipboardLimit) {
        messages.information(QCoreApplication::translate(
            "TfrmKeywords",
            "The clipboard contains more than 1024 characters. Only the first 1024 characters are "
            "being used. Keywords should not exceed 255 characters!"));
        text.truncate(kClipboardLimit);
    }
    if (TextLines::trimBlanks(text).isEmpty()) {
        messages.information(QCoreApplication::translate("TfrmKeywords", "Clipboard empty!"));
        return std::nullopt;
    }
    return text;
}

} // namespace KeywordSplit
