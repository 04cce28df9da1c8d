#include "platform/net/startNetSockets.h"

#include "platform/net/tPosixNetSockets.h"

void startNetSockets()
{
    static tPosixNetSockets* sockets = new tPosixNetSockets;
    installNetSockets(sockets);
}
