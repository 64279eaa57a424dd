#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder()
{
    if (qEnvironmentVariableIsSet("SENDORA_KEEP_TEST_FOLDERS"))
        m_dir.setAutoRemove(false);
}

QString TestFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TestFolder::filePath(const QString& name) const
{
    return m_dir.filePath(name);
}

QString TestFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString target = filePath(name);
    QDir().mkpath(QFileInfo(target).path());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("TestFolder: cannot write %s", qPrintable(target));
    return target;
}

QByteArray TestFolder::read(const QString& name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString TestFolder::fixture(const QString& name)
{
    QString root = qEnvironmentVariable("SENDORA_FIXTURES");
    if (root.isEmpty())
        root = QStringLiteral(SENDORA_FIXTURES_DIR);
    return QDir(root).filePath(name);
}

QByteArray TestFolder::fixtureBytes(const QString& name)
{
    QFile file(fixture(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("TestFolder: missing fixture %s", qPrintable(name));
    return file.readAll();
}
