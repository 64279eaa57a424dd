#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh temporary folder for one test, removed afterwards (unless the test failed
// and SENDORA_KEEP_TEST_FOLDERS is set).
class TestFolder
{
public:
    TestFolder();

    bool isValid() const { return m_dir.isValid(); }
    // The folder with a trailing "/".
    QString path() const;
    QString filePath(const QString& name) const;

    // Writes bytes to name below the folder (creating sub-folders); returns the path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

    // A file of tests/fixtures.
    static QString fixture(const QString& name);
    static QByteArray fixtureBytes(const QString& name);

private:
    QTemporaryDir m_dir;
};
