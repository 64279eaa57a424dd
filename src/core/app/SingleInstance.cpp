#include "core/app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace {

const QByteArray kActivateRequest = "activate\n";
const QByteArray kActivatedReply = "activated ";
constexpr int kMaxRequestLength = 256;
constexpr int kConnectTimeoutMs = 1000;

} // namespace

SingleInstance::SingleInstance(QString key, QObject* parent)
    : QObject(parent)
    , m_key(std::move(key))
{
    // Socket names end up as paths in the temporary folder and are limited in length:
    // a digest of the key serves as the name.
    const QByteArray digest
        = QCryptographicHash::hash(m_key.toUtf8(), QCryptographicHash::Sha1).toHex();
    m_serverName = QStringLiteral("sendora-") + QString::fromLatin1(digest.left(24));
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::keyFor(const QString& applicationTitle, const QString& programFolder)
{
    const QString folder = QFileInfo(programFolder).canonicalFilePath().isEmpty()
        ? QDir::cleanPath(QDir(programFolder).absolutePath())
        : QFileInfo(programFolder).canonicalFilePath();
    return QStringLiteral("PREVINST:") + applicationTitle.left(512) + QLatin1Char('\n')
        + folder + QLatin1Char('\n') + QString::number(::getuid());
}

QString SingleInstance::defaultTitle(const QString& executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name.left(512);
}

SingleInstance::Role SingleInstance::claim()
{
    QLockFile lock(QDir(QDir::tempPath()).filePath(m_serverName + QStringLiteral(".lock")));
    if (!lock.tryLock(10000)) {
        m_error = QStringLiteral("the start-up lock %1 could not be taken").arg(lock.fileName());
        return m_role = Role::Failed;
    }

    {
        QLocalSocket probe;
        probe.connectToServer(m_serverName);
        if (probe.waitForConnected(kConnectTimeoutMs)) {
            probe.disconnectFromServer();
            return m_role = Role::Second;
        }
    }

    // Nobody answers: whatever socket file is there was left by a crash.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        m_error = m_server->errorString();
        delete m_server;
        m_server = nullptr;
        return m_role = Role::Failed;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return m_role = Role::First;
}

bool SingleInstance::activateFirst(QString* reply, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(qMin(timeoutMs, kConnectTimeoutMs * 3))) {
        m_error = socket.errorString();
        return false;
    }
    socket.write(kActivateRequest);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        m_error = socket.errorString();
        return false;
    }
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (!socket.waitForReadyRead(timeoutMs)) {
            m_error = socket.errorString();
            return false;
        }
        answer += socket.readAll();
        if (answer.size() > 4096)
            break;
    }
    if (!answer.startsWith(kActivatedReply)) {
        m_error = QStringLiteral("unexpected answer");
        return false;
    }
    if (reply)
        *reply = QString::fromUtf8(answer.mid(kActivatedReply.size()).trimmed());
    return true;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket] { onReadyRead(socket); });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void SingleInstance::onReadyRead(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        // Anything that is not a short request line is dropped.
        if (socket->bytesAvailable() > kMaxRequestLength)
            socket->abort();
        return;
    }
    const QByteArray request = socket->readLine(kMaxRequestLength);
    if (request != kActivateRequest) {
        socket->abort();
        return;
    }
    const QString raised = m_handler ? m_handler() : QString();
    socket->write(kActivatedReply + raised.toUtf8().replace('\n', ' ') + '\n');
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT activated(raised);
}
