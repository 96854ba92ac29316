#pragma once

#include <optional>
#include <string>

namespace otthon::sim {

// The ends of one TCP connection, as the HTTP server reports them (numeric addresses).
struct ConnectionEnds {
    std::string localAddress;
    int localPort = -1;
    std::string remoteAddress;
    int remotePort = -1;
};

// One end of a connected internet socket: numeric address and port.
struct SocketEnd {
    std::string address;
    int port = -1;
};

// The socket's own end and its peer's; nothing for a socket that is not a connected internet one.
std::optional<SocketEnd> ownEnd(int socket);
std::optional<SocketEnd> peerEnd(int socket);

// The HTTP server does not hand its sockets to request handlers, so these find them among the open
// descriptors of the process. A socket is shut down in both directions: the peer sees the connection
// closed, while the descriptor stays open for its owner, whose reads and writes then fail quietly.

// Shuts down the socket that carries this connection. False when there is none.
bool dropConnection(const ConnectionEnds& ends);

// Shuts down every connection accepted on `localPort` (sockets of this process whose own port it is and
// that have a peer). Returns how many.
int dropConnectionsAcceptedOn(int localPort);

} // namespace otthon::sim
