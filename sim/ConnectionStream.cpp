#include "sim/ConnectionStream.h"

#include "sim/ConnectionDrop.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <poll.h>
#include <string_view>
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

ConnectionStream::Head ConnectionStream::receiveHead() {
    bool ended = false;
    while (pending() <= limits_.requestBytes) {
        char chunk[16 * 1024];
        const ssize_t received = recv(socket_, chunk, sizeof chunk, MSG_DONTWAIT);
        if (received < 0 && errno == EINTR)
            continue;
        if (received <= 0) {
            ended = received == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
            break;
        }
        if (begin_ == buffer_.size())
            buffer_.clear(), begin_ = 0;
        buffer_.append(chunk, std::size_t(received));
    }
    const std::string_view head = std::string_view(buffer_).substr(begin_);
    const std::size_t lineEnd = head.find("\r\n");
    const std::size_t headEnd = head.find("\r\n\r\n");
    if (lineEnd == std::string_view::npos ? head.size() > limits_.lineBytes : lineEnd + 2 > limits_.lineBytes)
        return Head::LineTooLong;
    if (headEnd == std::string_view::npos ? head.size() >= limits_.requestBytes
                                          : headEnd + 4 > limits_.requestBytes)
        return Head::TooLarge;
    if (headEnd != std::string_view::npos)
        return Head::Whole;
    return ended ? Head::Closed : Head::Partial;
}

void ConnectionStream::beginRequest() {
    readEnds_ = Clock::now() + limits_.read;
    requestLeft_ = limits_.requestBytes;
    cutShort_ = false;
}

bool ConnectionStream::is_readable() const {
    if (pending() > 0)
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
    if (pending() == 0) {
        if (!is_readable()) {
            cutShort_ = true; // too slow
            return -1;
        }
        buffer_.resize(4096);
        begin_ = 0;
        const ssize_t received = recv(socket_, buffer_.data(), buffer_.size(), 0);
        buffer_.resize(std::size_t(std::max<ssize_t>(received, 0)));
        if (received <= 0)
            return received;
    }
    const std::size_t taken = std::min({size, pending(), requestLeft_});
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
