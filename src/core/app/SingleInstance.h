#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

// Only one Sendora runs per program folder. The first instance listens on a local socket
// whose name is derived from the application title and the program folder; a later start
// connects to it, asks it to raise its window and ends. A socket left behind by a crashed
// instance does not answer and is replaced by the next start. A lock file serialises the
// check, so that two starts at the same moment cannot both become the first.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    enum class Role {
        First,  // this process is the running instance now
        Second, // another instance answers on the socket
        Failed  // neither could be established (treated like Second by the caller)
    };

    // Returns the text the first instance answers with: what it raised.
    using ActivationHandler = std::function<QString()>;

    explicit SingleInstance(QString key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "PREVINST:" and the title, tied to one program folder and one user.
    static QString keyFor(const QString& applicationTitle, const QString& programFolder);
    // The title the process has before it sets its own: the executable's file name
    // without folder and cut at the first ".", every character after the first in
    // lower case, at most 512 characters.
    static QString defaultTitle(const QString& executablePath);

    Role claim();
    Role role() const { return m_role; }
    QString serverName() const { return m_serverName; }
    QString errorString() const { return m_error; }

    // Second instance: asks the first to raise its window. Returns false when it did not
    // answer within timeoutMs; reply receives its answer.
    bool activateFirst(QString* reply = nullptr, int timeoutMs = 5000);

    // First instance: called for every activation request on the user-interface thread.
    void setActivationHandler(ActivationHandler handler) { m_handler = std::move(handler); }

Q_SIGNALS:
    void activated(const QString& reply);

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);

    QString m_key;
    QString m_serverName;
    QString m_error;
    Role m_role = Role::Failed;
    QLocalServer* m_server = nullptr;
    ActivationHandler m_handler;
};
