#pragma once

#include <httplib.h>

#include <chrono>
#include <cstddef>
#include <string>

namespace otthon::sim {

// How long and how much one connection may take: the next request must begin within `idle` and arrive
// whole, at most `requestBytes` long and its request line at most `lineBytes`, within `read` of its first
// byte; each write of a reply waits at most `write` for room.
struct ConnectionLimits {
    std::chrono::milliseconds idle;
    std::chrono::milliseconds read;
    std::size_t requestBytes;
    std::size_t lineBytes;
    std::chrono::milliseconds write;
};

// The HTTP library's view of one accepted socket, with those limits. The head of each request is gathered
// without a worker (receiveHead), so that the library, which bounds only each single read and reads the
// head a byte at a time, finds it whole.
class ConnectionStream final : public httplib::Stream {
public:
    // How far the next request's head has come.
    enum class Head { Partial, Whole, LineTooLong, TooLarge, Closed };

    ConnectionStream(int socket, const ConnectionLimits& limits) : socket_(socket), limits_(limits) {}

    // Takes what has arrived, without waiting.
    Head receiveHead();
    // Bytes received and not yet read.
    std::size_t pending() const { return buffer_.size() - begin_; }
    const ConnectionLimits& limits() const { return limits_; }
    // Starts the read time and byte count of a request whose head has arrived.
    void beginRequest();
    // The request under way overran its time or its size: the connection should end after the reply.
    bool cutShort() const { return cutShort_; }

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* bytes, std::size_t size) override;
    ssize_t write(const char* bytes, std::size_t size) override;
    void get_remote_ip_and_port(std::string& address, int& port) const override;
    void get_local_ip_and_port(std::string& address, int& port) const override;
    int socket() const override { return socket_; }

private:
    using Clock = std::chrono::steady_clock;

    const int socket_;
    const ConnectionLimits limits_;
    Clock::time_point readEnds_;
    std::size_t requestLeft_ = 0; // bytes the request under way may still take
    bool cutShort_ = false;
    // Bytes received but not yet read, from begin_ on.
    std::string buffer_;
    std::size_t begin_ = 0;
};

} // namespace otthon::sim
