#include "platform/SingleInstanceGuard.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
// One request per line: "activate", then "open PATH" for each file (UTF-8).
const QByteArray ActivateLine = "activate";
const QByteArray OpenPrefix = "open ";
constexpr int ConnectTimeoutMs = 500;
// A request is a few paths; anything longer is not from a Vellumy start.
constexpr qint64 MaxRequestBytes = 64 * 1024;
} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& key, QObject* parent)
    : SingleInstanceGuard(key, QStringList(), parent)
{
}

SingleInstanceGuard::SingleInstanceGuard(const QString& key, const QStringList& files, QObject* parent)
    : QObject(parent)
{
    const QByteArray user = qgetenv("USER").isEmpty() ? qgetenv("USERNAME") : qgetenv("USER");
    const QByteArray digest = QCryptographicHash::hash(key.toUtf8() + '|' + user, QCryptographicHash::Sha1).toHex();
    serverName_ = key + QLatin1Char('-') + QString::fromLatin1(digest.left(12));

    anotherRunning_ = askRunningInstance(files);
    if (!anotherRunning_)
        listen();
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::askRunningInstance(const QStringList& files)
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    QByteArray request = ActivateLine + '\n';
    for (const QString& file : files) {
        // A line break inside a name would split the request.
        if (!file.contains(QLatin1Char('\n')))
            request += OpenPrefix + file.toUtf8() + '\n';
    }
    socket.write(request);
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
            // The request is complete when the other start hangs up.
            auto* received = new QByteArray;
            connect(socket, &QLocalSocket::readyRead, socket, [socket, received] {
                received->append(socket->readAll());
                if (received->size() > MaxRequestBytes)
                    socket->abort();
            });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, received] {
                received->append(socket->readAll());
                const QByteArray request = received->left(MaxRequestBytes);
                delete received;
                socket->deleteLater();
                handleRequest(request);
            });
        }
    });
}

void SingleInstanceGuard::handleRequest(const QByteArray& request)
{
    QStringList files;
    bool activate = false;
    for (const QByteArray& line : request.split('\n')) {
        if (line == ActivateLine)
            activate = true;
        else if (line.startsWith(OpenPrefix) && line.size() > OpenPrefix.size())
            files.append(QString::fromUtf8(line.mid(OpenPrefix.size())));
    }
    if (activate && onActivation_)
        onActivation_();
    if (onOpen_)
        for (const QString& file : files)
            onOpen_(file);
}
