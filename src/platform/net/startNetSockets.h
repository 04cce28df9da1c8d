#pragma once

// Installs the POSIX sockets as the network objects' sockets, once; they live as long as the
// program.
void startNetSockets();
