#include "system_message.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include "session_names.h"

namespace zorvik {
namespace {

constexpr char kMessageByte[] = "!";

bool SomeoneListens(const QString& socket) {
#ifdef Q_OS_UNIX
    // Here the socket is a file. Without the file nobody can be listening,
    // and the program starts without loading the socket code a probe would
    // bring in.
    if (!QFileInfo::exists(socket)) return false;
#endif
    QLocalSocket probe;
    probe.connectToServer(socket);
    const bool live = probe.waitForConnected(200);
    probe.abort();
    return live;
}

}  // namespace

NamedSystemMessage::NamedSystemMessage(const QString& name, QObject* parent)
    : QObject(parent), name_(name), socket_(SessionSocketName(name)), server_(new QLocalServer(this)) {
    // Listening would silently take the name from a live program, so ask
    // first; a name nobody answers on is left over from a crash.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!SomeoneListens(socket_)) {
        QLocalServer::removeServer(socket_);
        server_->listen(socket_);
    }
    connect(server_, &QLocalServer::newConnection, this, &NamedSystemMessage::TakeConnections);
}

NamedSystemMessage::~NamedSystemMessage() = default;

bool NamedSystemMessage::IsListening() const { return server_->isListening(); }

// A message is a connection that delivers the message byte; a probe from
// another program asking whether the name is taken delivers nothing.
void NamedSystemMessage::TakeConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->readAll().isEmpty()) emit received();
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

bool SendNamedSystemMessage(const QString& name, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(SessionSocketName(name));
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kMessageByte, 1);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

}  // namespace zorvik
