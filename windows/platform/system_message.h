#pragma once
// A named message between two programs of the suite in one desktop session:
// one program listens under the name, another sends it. It carries no data;
// receiving it is the news. Underneath it is a local socket named after the
// message, kept apart per user and display (platform/session_names.h).

#include <QObject>
#include <QString>

class QLocalServer;

namespace zorvik {

class NamedSystemMessage : public QObject {
    Q_OBJECT
public:
    // Starts listening for the message `name`. When another live program
    // already listens under it, this one stays deaf (IsListening() is false);
    // a name left behind by a program that crashed is taken over.
    explicit NamedSystemMessage(const QString& name, QObject* parent = nullptr);
    ~NamedSystemMessage() override;

    bool IsListening() const;
    QString Name() const { return name_; }
    // The socket underneath (on Unix the path of its file).
    QString SocketName() const { return socket_; }

signals:
    void received();

private:
    void TakeConnections();

    QString name_;
    QString socket_;
    QLocalServer* server_;
};

// Sends the message `name` to the program listening for it; false when no
// program listens within `timeoutMs`.
bool SendNamedSystemMessage(const QString& name, int timeoutMs = 1000);

}  // namespace zorvik
