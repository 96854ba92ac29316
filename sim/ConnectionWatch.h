#pragma once

#include "sim/ConnectionStream.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

namespace otthon::sim {

// One accepted connection; closing it is up to its last owner.
struct Connection {
    Connection(int socket, const ConnectionLimits& limits) : socket(socket), stream(socket, limits) {}
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const int socket;
    ConnectionStream stream;
    int served = 0;
};

// Holds connections between requests, on one thread of its own, so that an idle connection costs a
// descriptor and no worker. A connection whose next request's head has arrived whole goes to `ready`;
// one that stays idle, or sends its head too slowly, closes; a head whose request line or whole is too long
// is answered here (414 or 431). At most `most` connections wait: a new one closes the one that would
// time out first.
class ConnectionWatch {
public:
    using Ready = std::function<void(std::shared_ptr<Connection>)>;

    ConnectionWatch(Ready ready, std::size_t most);
    ~ConnectionWatch();
    ConnectionWatch(const ConnectionWatch&) = delete;
    ConnectionWatch& operator=(const ConnectionWatch&) = delete;

    // Takes a connection after its accept or a reply. Closed at once once the watch has stopped.
    void park(std::shared_ptr<Connection> connection);
    // Closes every waiting connection and ends the thread.
    void stop();

private:
    using Clock = std::chrono::steady_clock;
    struct Waiting {
        std::shared_ptr<Connection> connection;
        Clock::time_point due;
        bool draining = false; // answered and shut for writing: reads what the client still sends
    };

    void run();
    // Under the lock: reads what arrived on `fd` and moves it along.
    void receive(int fd);
    void wait(int fd, Waiting waiting);
    void forget(int fd);
    void answerAndDrain(int fd, const char* status);

    const Ready ready_;
    const std::size_t most_;
    const int poller_;
    const int wake_;
    std::mutex mutex_;
    bool stopped_ = false;
    std::map<int, Waiting> waiting_;
    std::set<std::pair<Clock::time_point, int>> dues_;
    std::thread thread_;
};

} // namespace otthon::sim
