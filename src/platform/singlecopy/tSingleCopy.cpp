#include "platform/singlecopy/tSingleCopy.h"

#include <unistd.h>

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QString>

namespace {

// A request is the project file name and a line end; the answer one byte.
constexpr char kAccepted = '1';
constexpr char kRefused = '0';

QString qtName(const std::string& name) { return QString::fromStdString(name); }

}  // namespace

tSingleCopy::tSingleCopy(int32_t instanceId)
    : name("zembrix-" + std::to_string(getuid()) + "-" + std::to_string(instanceId))
{
}

tSingleCopy::~tSingleCopy() = default;

bool tSingleCopy::HandOver(const std::string& projectFile, int timeoutMilliseconds, bool* accepted)
{
    QLocalSocket socket;
    socket.connectToServer(qtName(name));
    if (!socket.waitForConnected(timeoutMilliseconds))
        return false;
    socket.write(QByteArray::fromStdString(projectFile + "\n"));
    if (!socket.waitForBytesWritten(timeoutMilliseconds))
        return false;
    if (!socket.waitForReadyRead(timeoutMilliseconds))
        return false;
    char answer = kRefused;
    if (socket.read(&answer, 1) != 1)
        return false;
    if (accepted)
        *accepted = answer == kAccepted;
    return true;
}

bool tSingleCopy::Listen(tOpenRequest onRequest)
{
    this->onRequest = std::move(onRequest);
    server = std::make_unique<QLocalServer>();
    // With access options the socket is made aside and renamed over the name, so a socket
    // file a crashed copy left behind is replaced; HandOver has found nobody answering there.
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(qtName(name)))
        return false;
    QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [this] { Answer(); });
    return true;
}

void tSingleCopy::Answer()
{
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine())
                return;
            const std::string projectFile = socket->readLine().chopped(1).toStdString();
            const char answer = onRequest && onRequest(projectFile) ? kAccepted : kRefused;
            socket->write(&answer, 1);
            socket->disconnectFromServer();
        });
    }
}
