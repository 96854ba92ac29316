#include "sim/ConnectionWatch.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace otthon::sim {

Connection::~Connection() {
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
}

ConnectionWatch::ConnectionWatch(Ready ready, std::size_t most)
    : ready_(std::move(ready)), most_(std::max<std::size_t>(most, 1)), poller_(epoll_create1(EPOLL_CLOEXEC)),
      wake_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = wake_;
    epoll_ctl(poller_, EPOLL_CTL_ADD, wake_, &event);
    thread_ = std::thread([this] { run(); });
}

ConnectionWatch::~ConnectionWatch() {
    stop();
    ::close(wake_);
    ::close(poller_);
}

void ConnectionWatch::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wake_, &one, sizeof one);
    if (thread_.joinable())
        thread_.join();
}

void ConnectionWatch::park(std::shared_ptr<Connection> connection) {
    const std::lock_guard lock(mutex_);
    if (stopped_)
        return;
    const ConnectionLimits limits = connection->stream.limits();
    const bool begun = connection->stream.pending() > 0;
    const int fd = connection->socket;
    wait(fd, {std::move(connection), Clock::now() + (begun ? limits.read : limits.idle)});
    // A pipelined request may be here already, with nothing more to come.
    if (begun)
        receive(fd);
}

void ConnectionWatch::wait(int fd, Waiting waiting) {
    while (waiting_.size() >= most_ && !dues_.empty())
        forget(dues_.begin()->second);
    epoll_event event{};
    event.events = EPOLLIN | EPOLLRDHUP;
    event.data.fd = fd;
    epoll_ctl(poller_, EPOLL_CTL_ADD, fd, &event);
    dues_.emplace(waiting.due, fd);
    waiting_.emplace(fd, std::move(waiting));
}

void ConnectionWatch::forget(int fd) {
    const auto found = waiting_.find(fd);
    if (found == waiting_.end())
        return;
    epoll_ctl(poller_, EPOLL_CTL_DEL, fd, nullptr);
    dues_.erase({found->second.due, fd});
    waiting_.erase(found);
}

void ConnectionWatch::receive(int fd) {
    const auto found = waiting_.find(fd);
    if (found == waiting_.end())
        return;
    Waiting& waiting = found->second;
    if (waiting.draining) {
        // A bounded share at a time, so that a client sending without end cannot keep the others waiting.
        char bytes[16 * 1024];
        ssize_t received = 0;
        for (int reads = 0; reads < 16; ++reads) {
            received = recv(fd, bytes, sizeof bytes, MSG_DONTWAIT);
            if (received == 0 || (received < 0 && errno != EINTR))
                break;
        }
        if (received > 0 || (received < 0 && errno == EINTR))
            return;
        if (received == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
            forget(fd);
        return;
    }
    ConnectionStream& stream = waiting.connection->stream;
    const bool begun = stream.pending() > 0;
    switch (stream.receiveHead()) {
    case ConnectionStream::Head::Partial:
        if (!begun && stream.pending() > 0) {
            // The read time runs from the head's first byte.
            dues_.erase({waiting.due, fd});
            waiting.due = Clock::now() + stream.limits().read;
            dues_.emplace(waiting.due, fd);
        }
        return;
    case ConnectionStream::Head::Whole: {
        std::shared_ptr<Connection> connection = waiting.connection;
        forget(fd);
        ready_(std::move(connection));
        return;
    }
    case ConnectionStream::Head::LineTooLong:
        return answerAndDrain(fd, "414 URI Too Long");
    case ConnectionStream::Head::TooLarge:
        return answerAndDrain(fd, "431 Request Header Fields Too Large");
    case ConnectionStream::Head::Closed:
        return forget(fd);
    }
}

void ConnectionWatch::answerAndDrain(int fd, const char* status) {
    // Closing a socket with unread bytes resets the connection, and the client may lose the answer before
    // it reads it; so the rest of the request is read and dropped until the client closes, or the read time
    // runs out.
    const std::string answer =
        std::string("HTTP/1.1 ") + status + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    send(fd, answer.data(), answer.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    ::shutdown(fd, SHUT_WR);
    Waiting& waiting = waiting_.at(fd);
    waiting.draining = true;
    dues_.erase({waiting.due, fd});
    waiting.due = Clock::now() + waiting.connection->stream.limits().read;
    dues_.emplace(waiting.due, fd);
    receive(fd);
}

void ConnectionWatch::run() {
    std::vector<epoll_event> events(256);
    for (;;) {
        // Connections parked meanwhile are due no sooner than the idle time: a tenth of a second is the most
        // any of them waits past its time.
        int timeout = 100;
        {
            const std::lock_guard lock(mutex_);
            if (!dues_.empty()) {
                const auto left =
                    std::chrono::ceil<std::chrono::milliseconds>(dues_.begin()->first - Clock::now());
                timeout = int(std::clamp<std::int64_t>(left.count(), 0, timeout));
            }
        }
        const int count = epoll_wait(poller_, events.data(), int(events.size()), timeout);
        const std::lock_guard lock(mutex_);
        if (stopped_) {
            dues_.clear();
            for (const auto& [fd, waiting] : waiting_)
                epoll_ctl(poller_, EPOLL_CTL_DEL, fd, nullptr);
            waiting_.clear();
            return;
        }
        for (int i = 0; i < count; ++i) {
            if (events[std::size_t(i)].data.fd != wake_)
                receive(events[std::size_t(i)].data.fd);
        }
        const auto now = Clock::now();
        while (!dues_.empty() && dues_.begin()->first <= now)
            forget(dues_.begin()->second);
    }
}

} // namespace otthon::sim
