#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a desktop session ending, Ctrl+C in a terminal) into
// a queued Qt signal, so that the program can close its windows and write its settings
// like after a normal close. Only one instance may exist.
class TerminationSignals final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminationSignals)

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void onActivated();

    QSocketNotifier* m_notifier = nullptr;
};
