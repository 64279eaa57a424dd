#include "core/metatags/MetaTagInsertion.h"

#include "core/metatags/TLastInfo.h"
#include "core/platform/HtmlText.h"
#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/SdError.h"
#include "core/platform/TextLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace MetaTagInsertion {
namespace {

// Texts of this file are looked up under one context, which lupdate sees too.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(MetaTagInsertion)
};

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SdError(native(path) + QLatin1String(": ") + file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw SdError(native(path) + QLatin1String(": ") + file.errorString());
    return bytes;
}

bool anyLineContains(const QStringList& lines, QLatin1String what)
{
    for (const QString& line : lines) {
        if (line.contains(what, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// The line break the target uses (its first one), so that inserted lines match it.
QByteArray lineBreakOf(const QByteArray& bytes, const QByteArray& charset)
{
    const qsizetype cr = bytes.indexOf('\r');
    const qsizetype lf = bytes.indexOf('\n');
    QString lineBreak = QStringLiteral("\r\n");
    if (lf >= 0 && (cr < 0 || lf < cr))
        lineBreak = QStringLiteral("\n");
    else if (cr >= 0 && (cr + 1 >= bytes.size() || bytes.at(cr + 1) != '\n')
             && charset != "utf-16le" && charset != "utf-16be")
        lineBreak = QStringLiteral("\r");
    return HtmlText::encode(lineBreak, charset);
}

} // namespace

bool isMetaTagFile(const QStringList& lines)
{
    for (const QString& line : lines) {
        if (!line.contains(QLatin1String("<META NAME"), Qt::CaseInsensitive))
            return false;
    }
    return true;
}

bool confirmAndInsert(const QString& sourcePath, const QString& targetPath)
{
    Messages& messages = Platform::messages();
    if (sourcePath == targetPath) {
        messages.error(Tr::tr("Source and target file must not be identical!"));
        return false;
    }
    if (messages.confirm(Tr::tr("Insert meta tags from file %1 into %2?")
                             .arg(native(sourcePath), native(targetPath)))
        != Messages::Result::Yes)
        return false;
    return insertMetaTags(sourcePath, targetPath);
}

bool insertMetaTags(const QString& sourcePath, const QString& targetPath)
{
    Messages& messages = Platform::messages();
    const QStringList sourceLines = TextLines::split(HtmlText::decode(readBytes(sourcePath)).text);
    const QByteArray targetBytes = readBytes(targetPath);
    const HtmlText::Decoded target = HtmlText::decode(targetBytes);
    const QStringList targetLines = TextLines::split(target.text);

    const bool metaTagFile = isMetaTagFile(sourceLines);
    TLastInfo info;
    if (!metaTagFile && !info.ReadFromLines(sourceLines)) {
        messages.error(Tr::tr("File %1 does not seem to be a valid mtg-file. Only mtg-files may be used!")
                           .arg(native(sourcePath)));
        return false;
    }

    const qsizetype head = target.text.indexOf(QLatin1String("<HEAD>"), 0, Qt::CaseInsensitive);
    if (!anyLineContains(targetLines, QLatin1String("<HEAD"))
        || !anyLineContains(targetLines, QLatin1String("</HEAD")) || head < 0) {
        messages.error(Tr::tr("File %1 contains no valid HEAD section. Meta tags must be pasted into "
                          "HEAD section. Check HTML syntax of the file!")
                           .arg(native(targetPath)));
        return false;
    }
    if (anyLineContains(targetLines, QLatin1String("<META NAME"))
        && messages.confirm(Tr::tr("Target file %1 already contains meta tags. Paste meta tags from %2 "
                               "anyway? (Existing meta tags will not be overwritten.)")
                                .arg(native(targetPath), native(sourcePath)))
            != Messages::Result::Yes)
        return false;

    QStringList lines;
    if (metaTagFile)
        lines = sourceLines;
    else if (!info.GenerateLines(lines))
        return false;

    // Where "<HEAD>" ends in the target's bytes. The decoded text maps back to the
    // bytes exactly when re-encoding reproduces them; otherwise (an unusual charset)
    // the ASCII tag is looked up in the bytes themselves.
    const qsizetype headEnd = head + 6;
    qsizetype byteOffset = -1;
    const QByteArrayView body = QByteArrayView(targetBytes).sliced(target.bomLength);
    if (HtmlText::encode(target.text, target.charset) == body) {
        byteOffset = target.bomLength
            + HtmlText::encode(target.text.left(headEnd), target.charset).size();
    } else {
        const qsizetype at = QByteArray(targetBytes).toLower().indexOf("<head>");
        if (at >= 0)
            byteOffset = at + 6;
    }
    if (byteOffset < 0)
        throw SdError(native(targetPath) + QLatin1String(": ") + Tr::tr("The file could not be read."));

    const QByteArray lineBreak = lineBreakOf(body.toByteArray(), target.charset);
    QByteArray inserted = lineBreak;
    for (qsizetype i = lines.size() - 1; i >= 0; --i)
        inserted += HtmlText::encode(lines.at(i), target.charset) + lineBreak;

    // Unbuffered: a failing write must be seen by QSaveFile, which checks its writes
    // but not the flush of a buffer inside commit().
    QSaveFile file(targetPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || file.write(targetBytes.constData(), byteOffset) != byteOffset
        || file.write(inserted) != inserted.size()
        || file.write(targetBytes.constData() + byteOffset, targetBytes.size() - byteOffset)
            != targetBytes.size() - byteOffset
        || !file.commit())
        throw SdError(native(targetPath) + QLatin1String(": ") + file.errorString());
    return true;
}

} // namespace MetaTagInsertion
