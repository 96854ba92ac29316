#include "sim/ConnectionStream.h"

#include "sim/ConnectionDrop.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>

namespace otthon::sim {

namespace {

// Waits up to `wait` for `events` on the socket; true when one of them came (a closed peer counts as
// readable, so that the read that follows sees the end).
bool await(int socket, short events, std::chrono::milliseconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        pollfd watched{socket, events, 0};
        const int ready = poll(&watched, 1, int(std::max<std::int64_t>(left.count(), 0)));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

bool ConnectionStream::nextRequest() {
    if (begin_ == end_ && !await(socket_, POLLIN, limits_.idle))
        return false;
    readEnds_ = Clock::now() + limits_.read;
    requestLeft_ = limits_.requestBytes;
    cutShort_ = false;
    return true;
}

bool ConnectionStream::is_readable() const {
    if (begin_ < end_)
        return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(readEnds_ - Clock::now());
    return left.count() > 0 && await(socket_, POLLIN, left);
}

bool ConnectionStream::is_writable() const {
    return await(socket_, POLLOUT, limits_.write);
}

ssize_t ConnectionStream::read(char* bytes, std::size_t size) {
    if (requestLeft_ == 0) {
        cutShort_ = true; // too long
        return -1;
    }
    if (size == 0)
        return 0;
    if (begin_ == end_) {
        if (!is_readable()) {
            cutShort_ = true; // too slow
            return -1;
        }
        const ssize_t received = recv(socket_, buffer_.data(), buffer_.size(), 0);
        if (received <= 0)
            return received;
        begin_ = 0;
        end_ = std::size_t(received);
    }
    const std::size_t taken = std::min({size, end_ - begin_, requestLeft_});
    std::memcpy(bytes, buffer_.data() + begin_, taken);
    begin_ += taken;
    requestLeft_ -= taken;
    return ssize_t(taken);
}

ssize_t ConnectionStream::write(const char* bytes, std::size_t size) {
    if (!is_writable())
        return -1;
    return send(socket_, bytes, size, MSG_NOSIGNAL);
}

void ConnectionStream::get_remote_ip_and_port(std::string& address, int& port) const {
    if (const auto end = peerEnd(socket_))
        address = end->address, port = end->port;
}

void ConnectionStream::get_local_ip_and_port(std::string& address, int& port) const {
    if (const auto end = ownEnd(socket_))
        address = end->address, port = end->port;
}

} // namespace otthon::sim
