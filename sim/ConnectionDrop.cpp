#include "sim/ConnectionDrop.h"

#include <filesystem>
#include <functional>
#include <netdb.h>
#include <optional>
#include <sys/socket.h>
#include <system_error>

namespace otthon::sim {

namespace {

using AddressOf = int (*)(int, sockaddr*, socklen_t*);

std::optional<SocketEnd> endOf(int fd, AddressOf addressOf) {
    sockaddr_storage storage{};
    socklen_t length = sizeof storage;
    auto* raw = reinterpret_cast<sockaddr*>(&storage);
    // Only internet sockets have ports; a local one (the window system's connection) is not the server's.
    if (addressOf(fd, raw, &length) != 0 || (raw->sa_family != AF_INET && raw->sa_family != AF_INET6))
        return std::nullopt;
    char host[NI_MAXHOST];
    char service[NI_MAXSERV];
    if (getnameinfo(raw, length, host, sizeof host, service, sizeof service,
                    NI_NUMERICHOST | NI_NUMERICSERV) != 0)
        return std::nullopt;
    return SocketEnd{host, std::stoi(service)};
}

// Calls `visit` with every connected socket of the process and its two ends; stops when it returns true.
void forEachConnection(
    const std::function<bool(int fd, const SocketEnd& local, const SocketEnd& remote)>& visit) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const int fd = std::stoi(name);
        const auto local = ownEnd(fd);
        const auto remote = local ? peerEnd(fd) : std::nullopt;
        if (remote && visit(fd, *local, *remote))
            return;
    }
}

} // namespace

std::optional<SocketEnd> ownEnd(int socket) {
    return endOf(socket, getsockname);
}

std::optional<SocketEnd> peerEnd(int socket) {
    return endOf(socket, getpeername);
}

bool dropConnection(const ConnectionEnds& ends) {
    bool dropped = false;
    forEachConnection([&](int fd, const SocketEnd& local, const SocketEnd& remote) {
        if (local.address != ends.localAddress || local.port != ends.localPort ||
            remote.address != ends.remoteAddress || remote.port != ends.remotePort)
            return false;
        dropped = shutdown(fd, SHUT_RDWR) == 0;
        return true;
    });
    return dropped;
}

int dropConnectionsAcceptedOn(int localPort) {
    int dropped = 0;
    forEachConnection([&](int fd, const SocketEnd& local, const SocketEnd&) {
        if (local.port == localPort && shutdown(fd, SHUT_RDWR) == 0)
            ++dropped;
        return false;
    });
    return dropped;
}

} // namespace otthon::sim
