#pragma once

#include <QString>
#include <QStringList>

// The folder that holds sd.ini, DATEN, the reports, the reply pages and every other file
// the program keeps for itself. Chosen once at start-up:
//  1. --home DIR, else the SENDORA_HOME environment variable;
//  2. else the executable's folder when it already is a program folder (it holds sd.ini
//     or DATEN, as a build tree or a portable copy does) and a file can be created there;
//     an installed executable in a bin folder is never written beside;
//  3. else the per-user data folder.
// The chosen folder is seeded (seedFromDefaults) from the read-only defaults installed
// beside the executable (../share/sendora): every default file that is missing is copied,
// files that exist are never replaced.
class ProgramFolder
{
public:
    enum class Source { Option, Environment, ExecutableFolder, UserDataFolder };

    struct Inputs
    {
        QString homeOption;     // value of --home, empty when not given
        QString homeEnvironment;  // value of SENDORA_HOME, empty when not set
        QString executableFolder;
        QString userDataFolder; // QStandardPaths::AppDataLocation
        QString defaultsFolder; // read-only defaults; empty or missing: nothing to seed
    };

    // Chooses the folder and creates it when needed. Returns false with errorString()
    // set when no usable folder could be made.
    bool resolve(const Inputs& inputs);
    // Copies the missing defaults into the chosen folder; returns false when some could
    // not be copied (seedFailures() names them).
    bool seedFromDefaults();

    // Inputs of the running executable: QCoreApplication must exist.
    static Inputs processInputs(const QString& homeOption);

    // The defaults folder that belongs to an executable in executableFolder.
    static QString defaultsFolderFor(const QString& executableFolder);

    // Copies every file below defaultsFolder that does not exist below target. Returns
    // the relative paths that could not be copied.
    static QStringList seed(const QString& defaultsFolder, const QString& target);

    // True when a file can actually be created in folder (permission bits are not
    // enough: root passes them, and read-only file systems do not show in them).
    static bool isWritableFolder(const QString& folder);

    // True when folder holds the files of a program folder (sd.ini or DATEN).
    static bool looksLikeProgramFolder(const QString& folder);

    // The folder with a trailing "/".
    QString path() const { return m_path; }
    // A file or folder name below the program folder.
    QString filePath(const QString& name) const { return m_path + name; }
    Source source() const { return m_source; }
    QString errorString() const { return m_error; }
    QStringList seedFailures() const { return m_seedFailures; }

private:
    bool useFolder(const QString& folder, Source source, const QString& defaultsFolder);

    QString m_path;
    QString m_defaultsFolder;
    Source m_source = Source::ExecutableFolder;
    QString m_error;
    QStringList m_seedFailures;
};
