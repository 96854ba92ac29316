#pragma once

#include <httplib.h>

#include <array>
#include <chrono>
#include <cstddef>

namespace otthon::sim {

// How long and how much one connection may take, so that a few slow or idle clients cannot hold every
// worker: the next request must begin within `idle` and arrive whole, at most `requestBytes` long, within
// `read` of its first byte; each write of a reply waits at most `write` for room.
struct ConnectionLimits {
    std::chrono::milliseconds idle;
    std::chrono::milliseconds read;
    std::size_t requestBytes;
    std::chrono::milliseconds write;
};

// The HTTP library's view of one accepted socket, with those limits. The library itself bounds only each
// single read, so a client that sends a byte now and then would keep a worker for ever.
class ConnectionStream final : public httplib::Stream {
public:
    ConnectionStream(int socket, const ConnectionLimits& limits) : socket_(socket), limits_(limits) {}

    // Waits, at most the idle time, for the next request to begin; starts its read time and byte count.
    // False when none began.
    bool nextRequest();
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
    // Bytes received but not yet read: the library reads a request's head one byte at a time.
    std::array<char, 4096> buffer_{};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

} // namespace otthon::sim
