#pragma once

#include "sim/Controller.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Server;
struct Response;
} // namespace httplib

namespace otthon::sim {

// The substitute controller on HTTP: answers GET on controllerPath, with or without a dt query, from its
// own threads. Also used in-process, by the remote's demo mode and by integration tests.
class Server {
public:
    static constexpr const char* controllerPath = "/LomaViro/Lomaviro.php";

    explicit Server(ControllerOptions options = {});
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Listens on `host`; port 0 takes a free port. Returns the bound port, or -1 when it could not bind.
    int start(const std::string& host = "127.0.0.1", int port = 0);

    // Releases every held and delayed request (their connections close without a reply), closes idle
    // connections, and returns once every worker has ended.
    void stop();

    bool isRunning() const;
    int port() const { return port_; }
    // "http://host:port/LomaViro/Lomaviro.php"
    std::string url() const;

    Controller& controller() { return controller_; }
    const Controller& controller() const { return controller_; }

private:
    // Bodies of the drip and endless faults, written while the connection and the server last.
    void drip(httplib::Response& response, const std::string& body, const std::string& contentType,
              Millis every);
    void streamEndlessly(httplib::Response& response, const std::string& contentType);
    bool stopRequested();
    // Waits `duration` unless the server stops first; true when the whole time passed.
    bool waitUnlessStopping(Millis duration);
    Millis elapsed() const;

    Controller controller_;
    std::chrono::steady_clock::time_point started_;
    std::unique_ptr<httplib::Server> http_;
    std::thread listener_;
    std::atomic<bool> listenerEnded_ = false;
    std::string host_;
    int port_ = -1;

    std::mutex stopMutex_;
    std::condition_variable stopping_;
    bool stopRequested_ = false;
};

} // namespace otthon::sim
