#include "core/report/RunReport.h"

#include "core/app/TGlobaleVariablen.h"
#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/Windows1252.h"
#include "core/project/TProjektDetails.h"
#include "core/project/TStatusbericht.h"
#include "core/settings/TRegistryEintraege.h"
#include "core/submit/ResultCodes.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>

namespace RunReport {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(RunReport)
};

const QString kCrLf = QStringLiteral("\r\n");
const QString kPar = QStringLiteral("\\par");

// "#" and "^" of an inserted value are written as escapes: they then can neither form
// a placeholder nor split the values.
QString escapedValue(const QString& text, RtfText::CodePage codePage)
{
    return RtfText::escape(text, codePage, u"#^");
}

QString listOf(const QStringList& lines)
{
    QString list;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        list += lines[i];
        if (i + 1 < lines.size())
            list += kPar;
        list += kCrLf;
    }
    return list;
}

void showFailure()
{
    Platform::messages().error(Tr::tr("Error: %1", "IDS_103").arg(QStringLiteral("0012209")));
}

// Drops the time-zone fields of a time format: the report shows the local time.
QString withoutTimeZone(const QString& format)
{
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        result += c;
    }
    return result.trimmed();
}

} // namespace

QString FillTemplate(const QString& text, const QString& placeholders, const QString& values)
{
    if (placeholders.isEmpty() || values.isEmpty())
        return text;
    const qsizetype n = placeholders.size() / 2;
    if (n == 0)
        return text;

    QStringList parts;
    qsizetype position = 0;
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const qsizetype separator = values.indexOf(kValueSeparator, position);
        if (separator < 0) {
            parts << QString();
            continue;
        }
        parts << values.mid(position, separator - position);
        position = separator + 1;
    }
    QString last = values.mid(position);
    if (last.startsWith(kValueSeparator))
        last.remove(0, 1);
    parts << last;

    QString result = text;
    for (qsizetype i = 0; i < n; ++i) {
        const QStringView placeholder = QStringView(placeholders).mid(2 * i, 2);
        const QString& value = parts[i];
        qsizetype from = 0;
        while (true) {
            const qsizetype at = result.indexOf(placeholder, from);
            if (at < 0)
                break;
            result.replace(at, placeholder.size(), value);
            from = at + value.size();
        }
    }
    return result;
}

QString FolderNameOf(const QString& title)
{
    QString name = title;
    name.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")));
    name.truncate(128);
    // "." and ".." would name the folder above, not one of the project.
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("Unbenannt");
    return name;
}

QString ReportFolder(const QString& root, int order, const QString& title, const QDate& date)
{
    if (root.isEmpty())
        return kFolderFailed;
    QString folder = root;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    QDir dir;
    if (!QFileInfo(folder).isDir() && !dir.mkdir(folder))
        return kFolderFailed;

    const QString datePart = date.toString(QStringLiteral("yyyyMMdd"));
    const QString namePart = FolderNameOf(title);
    QStringList levels;
    if (order == 0)
        levels = {datePart, namePart};
    else if (order == 1)
        levels = {namePart, datePart};
    else
        return QString();
    for (const QString& level : std::as_const(levels)) {
        folder += level + u'/';
        if (!QFileInfo(folder).isDir() && !dir.mkdir(folder))
            return kFolderFailed;
    }
    return folder;
}

QString ReportFileName(const QString& folder)
{
    const QString prefix = Tr::tr("Report no.", "IDS_113");
    const QDir dir(folder);
    for (int number = 1; number <= kMaxReportNumber; ++number) {
        const QString name = prefix + QString::number(number) + QStringLiteral(".rtf");
        if (!QFileInfo::exists(dir.filePath(name)))
            return name;
    }
    return QString();
}

Lists BuildLists(const TStatusbericht& run, RtfText::CodePage codePage)
{
    Lists lists;
    if (run.Count() == 0)
        return lists;
    const QString code = escapedValue(Tr::tr("Code:", "IDS_110"), codePage);
    const QString message = escapedValue(Tr::tr("Message:", "IDS_111"), codePage);
    QStringList successes;
    QStringList failures;
    for (int i = 0; i < run.Count(); ++i) {
        const TStatusberichtItem* entry = run.Items(i);
        const TStatusberichtDetails& details = entry->Details();
        const QString line = escapedValue(entry->Suchdienst(), codePage) + QStringLiteral(", ")
            + code + u' ' + QString::number(details.Fehlercode()) + QStringLiteral(", ")
            + message + u' ' + escapedValue(details.Fehlermeldung(), codePage);
        if (ResultCodes::isSuccessInFormattedReport(details.Fehlercode()))
            successes << line;
        else
            failures << line;
    }
    lists.successes = int(successes.size());
    lists.failures = run.Count() - lists.successes;
    if (successes.isEmpty())
        successes << escapedValue(Tr::tr("<No entries>", "IDS_101"), codePage);
    if (failures.isEmpty())
        failures << escapedValue(Tr::tr("<No entries>", "IDS_102"), codePage);
    lists.successList = listOf(successes);
    lists.failureList = listOf(failures);
    return lists;
}

QString DateTimeText(const QDateTime& moment, const QLocale& locale)
{
    return locale.toString(moment.date(), QLocale::ShortFormat) + u' '
        + locale.toString(moment.time(), withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QString FillReport(const QString& templateText, const TStatusbericht& run,
                   const TProjektDetails& details, const QString& dateTime)
{
    const RtfText::CodePage codePage = RtfText::declaredCodePage(templateText);
    const Lists lists = BuildLists(run, codePage);
    const QStringList values = {
        escapedValue(dateTime, codePage),
        escapedValue(details.URL(), codePage),
        escapedValue(details.Title(), codePage),
        QString::number(lists.successes),
        QString::number(lists.failures),
        lists.successList,
        lists.failureList,
    };
    return FillTemplate(templateText, kPlaceholders, values.join(kValueSeparator));
}

bool WriteRunReport(const TStatusbericht& run, const TProjektDetails& details,
                    const TRegistryEintraege& settings, const QString& programFolder)
{
    Messages& messages = Platform::messages();
    QString templatePath = settings.pfadRTFSchablone;
    if (templatePath.isEmpty() || !QFileInfo(templatePath).isFile()) {
        const Messages::Result answer = messages.confirm(
            Tr::tr("RTF template not available! Check settings under Tools/Program options.",
                   "IDS_107")
            + u'\r' + Tr::tr("Create report with standard template?", "IDS_108"));
        if (answer != Messages::Result::Yes)
            return false;
        templatePath = QDir(programFolder).filePath(QStringLiteral("schablone.rtf"));
        if (!QFileInfo(templatePath).isFile()) {
            messages.error(Tr::tr("Standard template (schablone.rtf) not found!", "IDS_109"));
            return false;
        }
    }

    QFile templateFile(templatePath);
    if (!templateFile.open(QIODevice::ReadOnly)) {
        showFailure();
        return false;
    }
    const QString templateText = Windows1252::decode(templateFile.readAll());
    templateFile.close();

    const QString text = FillReport(templateText, run, details,
                                    DateTimeText(QDateTime::currentDateTime(), QLocale()));

    const QString folder = ReportFolder(settings.stammRTF, settings.rtfDirTyp, details.Title());
    // An empty folder (an unknown folder order) would put the report wherever the
    // process happens to run; that is a failure as well.
    if (folder == kFolderFailed || folder.isEmpty()) {
        showFailure();
        return false;
    }
    const QString fileName = ReportFileName(folder);
    if (fileName.isEmpty()) {
        showFailure();
        return false;
    }

    const QString path = folder + fileName;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Windows1252::encode(text)) < 0
        || !file.commit()) {
        showFailure();
        return false;
    }
    // Only a report that exists becomes the one the report window opens.
    GlobaleVariablen.LastRTFReportPath = path;
    return true;
}

} // namespace RunReport
