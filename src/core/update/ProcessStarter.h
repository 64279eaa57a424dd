#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Starting other programs, in one place so that tests can see the exact command lines
// instead of ending the test process.
class ProcessStarter
{
public:
    struct Command
    {
        QString program;
        QStringList arguments;
        QString workingDirectory;
        // Added to the program's own environment.
        QList<QPair<QString, QString>> environment;
    };

    virtual ~ProcessStarter() = default;

    // Lets the desktop open a file with the application that handles it.
    virtual bool openWithShell(const QString& path) = 0;
    // Starts a program that runs on after this process has ended.
    virtual bool startDetached(const Command& command) = 0;
    // Asks the application to end once control returns to its event loop.
    virtual void requestQuit() = 0;
};

// The real thing: xdg-open for files, QProcess::startDetached for programs.
class SystemProcessStarter final : public ProcessStarter
{
public:
    bool openWithShell(const QString& path) override;
    bool startDetached(const Command& command) override;
    void requestQuit() override;
};
