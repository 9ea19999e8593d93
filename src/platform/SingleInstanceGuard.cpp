#include "platform/SingleInstanceGuard.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
const QByteArray ActivateRequest = "activate\n";
constexpr int ConnectTimeoutMs = 500;
} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& key, QObject* parent) : QObject(parent)
{
    const QByteArray user = qgetenv("USER").isEmpty() ? qgetenv("USERNAME") : qgetenv("USER");
    const QByteArray digest = QCryptographicHash::hash(key.toUtf8() + '|' + user, QCryptographicHash::Sha1).toHex();
    serverName_ = key + QLatin1Char('-') + QString::fromLatin1(digest.left(12));

    anotherRunning_ = askRunningInstance();
    if (!anotherRunning_)
        listen();
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::askRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(ActivateRequest);
    socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstanceGuard::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName_)) {
        // A socket file left by a crashed instance: nobody answered above, so
        // it is stale and may go.
        QLocalServer::removeServer(serverName_);
        server_->listen(serverName_);
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate") && onActivation_)
                    onActivation_();
                socket->deleteLater();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}
