#include "sim/Server.h"

#include "sim/ConnectionDrop.h"
#include "sim/ConnectionStream.h"
#include "sim/ConnectionWatch.h"

#include <httplib.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace otthon::sim {

namespace {

// Between requests a connection waits in a watch that costs no worker; a request (its head is well under a
// kibibyte) has a second to begin and two to arrive, and only then takes a worker. A connection serves five
// at most. The request line stays within cpp-httplib's own limit (CPPHTTPLIB_REQUEST_URI_MAX_LENGTH, 8192,
// compiled into the library), past which it would close the connection without an answer: the watch
// answers 414 first.
constexpr int workerThreads = 64;
constexpr ConnectionLimits connectionLimits{
    .idle = std::chrono::seconds(1),
    .read = std::chrono::seconds(2),
    .requestBytes = 64 * 1024,
    .lineBytes = 8192,
    .write = std::chrono::seconds(5),
};
constexpr int requestsPerConnection = 5;

// Connections that may wait at once: three quarters of the descriptors the process may open, so that new
// ones can still be accepted (the oldest waiting ones make room).
std::size_t mostWaitingConnections() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 4096;
    return std::max<std::size_t>(limit.rlim_cur / 4 * 3, 16);
}

// cpp-httplib gives each connection a worker for as long as it lasts, idle or not, so that a few dozen idle
// keep-alive clients keep every other client waiting; this server gives a worker to a request only.
class BoundedHttpServer final : public httplib::Server {
public:
    BoundedHttpServer() {
        new_task_queue = [this] {
            auto* pool = new httplib::ThreadPool(workerThreads);
            pool_ = pool;
            return pool;
        };
    }

    // The library listens with a backlog of five: a burst of connections beyond that waits a second for
    // the retransmission of its handshake. Listening again on the bound socket widens the backlog.
    void widenBacklog() { ::listen(svr_sock_, SOMAXCONN); }
    // Before the library's own stop, which ends its workers.
    void stopWatching() { watch_.stop(); }

private:
    bool process_and_close_socket(socket_t socket) override {
        watch_.park(std::make_shared<Connection>(socket, connectionLimits));
        return true;
    }

    void serve(const std::shared_ptr<Connection>& connection) {
        ConnectionStream& stream = connection->stream;
        stream.beginRequest();
        bool clientCloses = false;
        const bool last = ++connection->served == requestsPerConnection;
        if (process_request(stream, last, clientCloses, nullptr) && !clientCloses && !last &&
            !stream.cutShort() && svr_sock_ != INVALID_SOCKET)
            watch_.park(connection);
    }

    std::atomic<httplib::TaskQueue*> pool_ = nullptr;
    ConnectionWatch watch_{[this](std::shared_ptr<Connection> connection) {
                               pool_.load()->enqueue([this, connection] { serve(connection); });
                           },
                           mostWaitingConnections()};
};

// The command text of a request: "" without a query, the decoded dt value when that is the only
// parameter, else the raw query with its "?" (which no verb matches).
std::string commandOf(const httplib::Request& request) {
    const std::size_t mark = request.target.find('?');
    if (mark == std::string::npos || mark + 1 == request.target.size())
        return {};
    if (request.params.size() == 1 && request.has_param("dt") && !request.get_param_value("dt").empty())
        return request.get_param_value("dt");
    return request.target.substr(mark);
}

} // namespace

Server::Server(ControllerOptions options)
    : controller_(options), started_(std::chrono::steady_clock::now()) {}

Server::~Server() {
    stop();
}

int Server::start(const std::string& host, int port) {
    if (http_)
        return port_;
    {
        const std::lock_guard lock(stopMutex_);
        stopRequested_ = false;
    }
    auto bounded = std::make_unique<BoundedHttpServer>();
    BoundedHttpServer& httpServer = *bounded;
    http_ = std::move(bounded);
    // Only for the Keep-Alive header of the replies: the connection loop above keeps these bounds itself.
    http_->set_keep_alive_timeout(
        std::chrono::duration_cast<std::chrono::seconds>(connectionLimits.idle).count());
    http_->set_keep_alive_max_count(requestsPerConnection);
    // The library's default also sets SO_REUSEPORT, which lets a second controller share the port unnoticed.
    http_->set_socket_options([](int socket) {
        const int on = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    });
    http_->Get(controllerPath, [this](const httplib::Request& request, httplib::Response& response) {
        const Reply reply = controller_.receive(commandOf(request), elapsed());
        const bool waited = waitUnlessStopping(reply.wait);
        if (reply.dropConnection || !waited) {
            dropConnection(
                {request.local_addr, request.local_port, request.remote_addr, request.remote_port});
            return;
        }
        response.status = reply.status;
        if (reply.endless)
            streamEndlessly(response, reply.contentType);
        else if (reply.dripEvery > Millis{0})
            drip(response, reply.body, reply.contentType, reply.dripEvery);
        else
            response.set_content(reply.body, reply.contentType.c_str());
    });

    const int bound =
        port == 0 ? http_->bind_to_any_port(host) : (http_->bind_to_port(host, port) ? port : -1);
    if (bound < 0) {
        http_.reset();
        return -1;
    }
    httpServer.widenBacklog();
    listenerEnded_ = false;
    listener_ = std::thread([this] {
        http_->listen_after_bind();
        listenerEnded_ = true;
    });
    // stop() has no effect on a server that has not begun to accept yet.
    while (!http_->is_running() && !listenerEnded_)
        std::this_thread::yield();
    if (!http_->is_running()) {
        listener_.join();
        http_.reset();
        return -1;
    }
    host_ = host;
    port_ = bound;
    return bound;
}

void Server::stop() {
    if (!http_)
        return;
    {
        const std::lock_guard lock(stopMutex_);
        stopRequested_ = true;
    }
    stopping_.notify_all();
    static_cast<BoundedHttpServer&>(*http_).stopWatching();
    http_->stop();
    // Waiting connections close with the watch; those whose requests are under way close now too.
    dropConnectionsAcceptedOn(port_);
    listener_.join();
    http_.reset();
    port_ = -1;
}

bool Server::isRunning() const {
    return http_ && http_->is_running();
}

std::string Server::url() const {
    const bool v6 = host_.find(':') != std::string::npos;
    const std::string host = v6 ? "[" + host_ + "]" : host_;
    return "http://" + host + ":" + std::to_string(port_) + controllerPath;
}

void Server::drip(httplib::Response& response, const std::string& body, const std::string& contentType,
                  Millis every) {
    response.set_content_provider(
        body.size(), contentType,
        [this, body, every](std::size_t offset, std::size_t, httplib::DataSink& sink) {
            return waitUnlessStopping(every) && sink.write(body.data() + offset, 1);
        });
}

void Server::streamEndlessly(httplib::Response& response, const std::string& contentType) {
    response.set_chunked_content_provider(contentType, [this](std::size_t offset, httplib::DataSink& sink) {
        // An array that never closes; the server's stop ends it.
        std::string bytes(64 * 1024, ' ');
        if (offset == 0)
            bytes.front() = '[';
        return !stopRequested() && sink.write(bytes.data(), bytes.size());
    });
}

bool Server::stopRequested() {
    const std::lock_guard lock(stopMutex_);
    return stopRequested_;
}

bool Server::waitUnlessStopping(Millis duration) {
    std::unique_lock lock(stopMutex_);
    return !stopping_.wait_for(lock, duration, [this] { return stopRequested_; });
}

Millis Server::elapsed() const {
    return std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now() - started_);
}

} // namespace otthon::sim
