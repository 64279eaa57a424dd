#include "core/update/UnpackUpdate.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <optional>
#include <sys/stat.h>
#include <zip.h>

namespace {

constexpr qint64 kBlockSize = 8192;

// The entry's path below the target, or none when the name must be refused. Empty
// components and "." are dropped (so "./" gives an empty path: nothing to extract); a
// folder entry keeps no final "/".
std::optional<QString> safeRelativePath(const QString& name)
{
    if (name.isEmpty() || name.contains(u'\\') || name.contains(QChar(0)) || name.startsWith(u'/'))
        return std::nullopt;
    if (name.size() >= 2 && name[1] == u':' && name[0].isLetter())
        return std::nullopt; // a drive letter
    QStringList kept;
    for (const QString& part : name.split(u'/')) {
        if (part.isEmpty() || part == u'.')
            continue;
        if (part == QLatin1String(".."))
            return std::nullopt;
        kept.append(part);
    }
    return kept.join(u'/');
}

struct EntryMode
{
    bool symbolicLink = false;
    bool executable = false;
};

EntryMode entryMode(zip_t* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    EntryMode mode;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) == 0
        && system == ZIP_OPSYS_UNIX) {
        const mode_t unixMode = mode_t(attributes >> 16);
        mode.symbolicLink = S_ISLNK(unixMode);
        mode.executable = (unixMode & 0111) != 0;
    }
    return mode;
}

// True when every existing component of relative below root is a real folder (no
// symbolic link that could lead out of root).
bool pathStaysInside(const QString& root, const QString& relativeFolder)
{
    QString path = root;
    for (const QString& part : relativeFolder.split(u'/', Qt::SkipEmptyParts)) {
        path += u'/' + part;
        const QFileInfo info(path);
        if (info.isSymLink())
            return false;
        if (info.exists() && !info.isDir())
            return false;
    }
    return true;
}

QString parentOf(const QString& relative)
{
    const qsizetype slash = relative.lastIndexOf(u'/');
    return slash < 0 ? QString() : relative.left(slash);
}

bool extractEntry(zip_t* archive, zip_uint64_t index, const QString& destination, bool executable,
                  QString& problem)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0) {
        problem = QString::fromUtf8(zip_strerror(archive));
        return false;
    }
    zip_file_t* entry = zip_fopen_index(archive, index, 0);
    if (!entry) {
        problem = QString::fromUtf8(zip_strerror(archive));
        return false;
    }
    QFile out(destination);
    bool ok = out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!ok)
        problem = out.errorString();
    qint64 total = 0;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    while (ok) {
        const zip_int64_t n = zip_fread(entry, buffer.data(), zip_uint64_t(buffer.size()));
        if (n < 0) {
            problem = QString::fromUtf8(zip_file_strerror(entry));
            ok = false;
        } else if (n == 0) {
            break;
        } else if (out.write(buffer.constData(), n) != n) {
            problem = out.errorString();
            ok = false;
        }
        total += n;
    }
    zip_fclose(entry);
    if (ok && (stat.valid & ZIP_STAT_SIZE) && zip_uint64_t(total) != stat.size) {
        problem = QStringLiteral("size mismatch");
        ok = false;
    }
    out.close();
    if (ok && executable) {
        out.setPermissions(out.permissions() | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup
                           | QFile::ExeOther);
    }
    if (!ok)
        out.remove();
    return ok;
}

// Moves the staged files into the target. A failure puts back every file replaced so far.
bool moveIntoPlace(const QString& staging, const QString& target, const QStringList& folders,
                   QStringList& problems)
{
    QTemporaryDir backup(target + QStringLiteral("/.update-backup-XXXXXX"));
    if (!backup.isValid()) {
        problems.append(QStringLiteral("cannot create a backup folder in %1").arg(target));
        return false;
    }
    struct Moved
    {
        QString placed;
        QString saved; // empty: there was no file before
    };
    QList<Moved> moved;
    auto rollBack = [&] {
        for (auto it = moved.crbegin(); it != moved.crend(); ++it) {
            QFile::remove(it->placed);
            if (!it->saved.isEmpty())
                QFile::rename(it->saved, it->placed);
        }
    };

    for (const QString& folder : folders) {
        if (!pathStaysInside(target, folder) || !QDir(target).mkpath(folder)) {
            problems.append(QStringLiteral("%1: cannot create the folder").arg(folder));
            rollBack();
            return false;
        }
    }

    QDirIterator files(staging, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString relative = QDir(staging).relativeFilePath(from);
        const QString to = target + u'/' + relative;
        const QString folder = parentOf(relative);
        const QFileInfo existing(to);
        if (!pathStaysInside(target, folder)
            || !QDir(target).mkpath(folder.isEmpty() ? QStringLiteral(".") : folder)
            || (existing.isDir() && !existing.isSymLink())) {
            problems.append(QStringLiteral("%1: cannot be put in place").arg(relative));
            rollBack();
            return false;
        }
        Moved step { to, {} };
        if (existing.exists() || existing.isSymLink()) {
            step.saved = backup.filePath(QString::number(moved.size()));
            if (!QFile::rename(to, step.saved)) {
                problems.append(
                    QStringLiteral("%1: the old file cannot be replaced").arg(relative));
                rollBack();
                return false;
            }
        }
        if (!QFile::rename(from, to)) {
            if (!step.saved.isEmpty())
                QFile::rename(step.saved, to);
            problems.append(QStringLiteral("%1: cannot be put in place").arg(relative));
            rollBack();
            return false;
        }
        moved.append(step);
    }
    return true;
}

void extractArchive(const QString& source, const QString& target, UnpackOutcome& outcome)
{
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(source).constData(), ZIP_RDONLY, &error);
    if (!archive) {
        zip_error_t zipError;
        zip_error_init_with_code(&zipError, error);
        outcome.problems.append(
            QStringLiteral("%1: %2").arg(source, QString::fromUtf8(zip_error_strerror(&zipError))));
        zip_error_fini(&zipError);
        outcome.ok = false;
        return;
    }

    QTemporaryDir staging(target + QStringLiteral("/.update-unpack-XXXXXX"));
    if (!staging.isValid()) {
        outcome.problems.append(
            QStringLiteral("cannot create a temporary folder in %1").arg(target));
        outcome.ok = false;
        zip_discard(archive);
        return;
    }
    const QString stagingPath = staging.path();
    QStringList folders;

    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const zip_uint64_t index = zip_uint64_t(i);
        const char* rawName = zip_get_name(archive, index, ZIP_FL_ENC_GUESS);
        const QString name = rawName ? QString::fromUtf8(rawName) : QString();
        const std::optional<QString> safe = safeRelativePath(name);
        if (!safe || entryMode(archive, index).symbolicLink) {
            outcome.problems.append(QStringLiteral("%1: refused").arg(name));
            outcome.ok = false;
            continue;
        }
        const QString relative = *safe;
        if (relative.isEmpty())
            continue; // "./": nothing to extract
        if (name.endsWith(u'/')) {
            if (!QDir(stagingPath).mkpath(relative)) {
                outcome.problems.append(QStringLiteral("%1: cannot create the folder").arg(name));
                outcome.ok = false;
            }
            folders.append(relative);
            continue;
        }
        const QString folder = parentOf(relative);
        QString problem;
        if (!folder.isEmpty() && !QDir(stagingPath).mkpath(folder)) {
            problem = QStringLiteral("cannot create the folder");
        } else if (QFileInfo(stagingPath + u'/' + relative).isDir()) {
            problem = QStringLiteral("a folder of that name exists");
        } else if (extractEntry(archive, index, stagingPath + u'/' + relative,
                                entryMode(archive, index).executable, problem)) {
            continue;
        }
        outcome.problems.append(QStringLiteral("%1: %2").arg(name, problem));
        outcome.ok = false;
    }
    zip_discard(archive);

    if (outcome.ok)
        outcome.ok = moveIntoPlace(stagingPath, target, folders, outcome.problems);
}

void copyFolder(const QString& source, const QString& target, UnpackOutcome& outcome)
{
    const QFileInfoList files = QDir(source).entryInfoList(QDir::Files | QDir::Hidden | QDir::System
                                                           | QDir::NoDotAndDotDot);
    for (const QFileInfo& file : files) {
        QFile in(file.filePath());
        QSaveFile out(target + u'/' + file.fileName());
        bool ok = in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly);
        while (ok) {
            const QByteArray block = in.read(kBlockSize);
            if (!block.isEmpty() && out.write(block) != block.size())
                ok = false;
            if (block.size() < kBlockSize)
                break;
        }
        if (ok && in.error() == QFileDevice::NoError && out.commit())
            continue;
        out.cancelWriting();
        outcome.problems.append(QStringLiteral("%1: cannot be copied").arg(file.filePath()));
        outcome.ok = false;
    }
}

} // namespace

UnpackOutcome unpackUpdate(const QString& source, const QString& targetFolder,
                           bool deleteAfterwards)
{
    UnpackOutcome outcome;
    QString target = QDir::cleanPath(targetFolder);
    if (!QDir().mkpath(target)) {
        outcome.ok = false;
        outcome.problems.append(QStringLiteral("%1: cannot create the folder").arg(target));
    } else if (QFileInfo(source).isDir()) {
        copyFolder(source, target, outcome);
        return outcome;
    } else {
        extractArchive(source, target, outcome);
    }
    if (deleteAfterwards && QFileInfo(source).isFile())
        QFile::remove(source);
    return outcome;
}

bool UnpackUpdate(const QString& source, const QString& targetFolder, bool deleteAfterwards)
{
    return unpackUpdate(source, targetFolder, deleteAfterwards).ok;
}
