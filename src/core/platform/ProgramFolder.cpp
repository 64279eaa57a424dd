#include "core/platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString withTrailingSlash(const QString& folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

bool ProgramFolder::isWritableFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".sendora-write-test-XXXXXX")));
    return probe.open();
}

bool ProgramFolder::looksLikeProgramFolder(const QString& folder)
{
    const QDir dir(folder);
    return QFileInfo(dir.filePath(QStringLiteral("sd.ini"))).isFile()
        || QFileInfo(dir.filePath(QStringLiteral("DATEN"))).isDir();
}

QString ProgramFolder::defaultsFolderFor(const QString& executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/sendora"));
}

ProgramFolder::Inputs ProgramFolder::processInputs(const QString& homeOption)
{
    Inputs in;
    in.homeOption = homeOption;
    in.homeEnvironment = qEnvironmentVariable("SENDORA_HOME");
    in.executableFolder = QCoreApplication::applicationDirPath();
    in.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    in.defaultsFolder = defaultsFolderFor(in.executableFolder);
    return in;
}

QStringList ProgramFolder::seed(const QString& defaultsFolder, const QString& target)
{
    QStringList failures;
    if (defaultsFolder.isEmpty() || !QFileInfo(defaultsFolder).isDir())
        return failures;
    const QDir source(defaultsFolder);
    const QDir destination(target);
    if (QFileInfo(source.absolutePath()) == QFileInfo(destination.absolutePath()))
        return failures;
    QDirIterator it(defaultsFolder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = source.relativeFilePath(from);
        const QString to = destination.filePath(relative);
        if (QFileInfo::exists(to))
            continue;
        if (!destination.mkpath(QFileInfo(relative).path()) || !QFile::copy(from, to)) {
            failures << relative;
            continue;
        }
        // Installed defaults are read-only; the user's copies must not be.
        QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner
                                      | QFile::ReadOwner);
    }
    return failures;
}

bool ProgramFolder::useFolder(const QString& folder, Source source,
                              const QString& defaultsFolder)
{
    if (!QDir().mkpath(folder)) {
        m_error = QCoreApplication::translate("ProgramFolder",
                                              "The program folder %1 cannot be created.")
                      .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    if (!isWritableFolder(folder)) {
        m_error = QCoreApplication::translate("ProgramFolder",
                                              "The program folder %1 is not writable.")
                      .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    m_path = withTrailingSlash(folder);
    m_source = source;
    m_defaultsFolder = defaultsFolder;
    m_error.clear();
    return true;
}

bool ProgramFolder::seedFromDefaults()
{
    m_seedFailures = seed(m_defaultsFolder, m_path);
    return m_seedFailures.isEmpty();
}

bool ProgramFolder::resolve(const Inputs& in)
{
    if (!in.homeOption.isEmpty())
        return useFolder(in.homeOption, Source::Option, in.defaultsFolder);
    if (!in.homeEnvironment.isEmpty())
        return useFolder(in.homeEnvironment, Source::Environment, in.defaultsFolder);
    if (!in.executableFolder.isEmpty() && looksLikeProgramFolder(in.executableFolder)
        && isWritableFolder(in.executableFolder))
        return useFolder(in.executableFolder, Source::ExecutableFolder, in.defaultsFolder);
    if (in.userDataFolder.isEmpty()) {
        m_error = QCoreApplication::translate(
            "ProgramFolder", "No folder for the program's files could be found.");
        return false;
    }
    return useFolder(in.userDataFolder, Source::UserDataFolder, in.defaultsFolder);
}
