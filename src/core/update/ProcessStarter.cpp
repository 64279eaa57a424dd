#include "core/update/ProcessStarter.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QProcess>
#include <QProcessEnvironment>

bool SystemProcessStarter::openWithShell(const QString& path)
{
    // What QDesktopServices::openUrl does on a Linux desktop, without needing QtGui here.
    return QProcess::startDetached(QStringLiteral("xdg-open"), { path });
}

bool SystemProcessStarter::startDetached(const Command& command)
{
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(command.workingDirectory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : command.environment)
        environment.insert(name, value);
    process.setProcessEnvironment(environment);
    return process.startDetached();
}

void SystemProcessStarter::requestQuit()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}
