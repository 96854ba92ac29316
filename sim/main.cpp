#include "sim/CommandLine.h"
#include "sim/Server.h"

#include <csignal>
#include <iostream>
#include <map>
#include <string_view>
#include <sys/resource.h>
#include <vector>

int main(int argc, char** argv) {
    using namespace otthon::sim;
    const ParsedCommandLine parsed = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "otthon-controller: " << parsed.error << "\n\n" << usage();
        return 2;
    }
    const CommandLine& line = parsed.line;
    if (line.help) {
        std::cout << usage();
        return 0;
    }

    // Block the stop signals before any thread starts, so that only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    // Idle connections cost a descriptor each: allow as many as the system lets this process have.
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }

    Server server(line.controller);
    if (server.start(line.host, line.port) < 0) {
        std::cerr << "otthon-controller: cannot listen on " << line.host << ":" << line.port << "\n";
        return 1;
    }
    std::cout << "otthon-controller listening on " << server.url() << std::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    server.stop();
    // The tally of faults, for scripts that soak a client in them.
    std::map<std::string_view, int> faults;
    const std::vector<LoggedRequest> requests = server.controller().log().entries();
    for (const LoggedRequest& request : requests)
        ++faults[faultName(request.fault)];
    std::cout << "otthon-controller stopped after " << requests.size() << " requests (";
    for (const char* separator = ""; const auto& [name, count] : faults) {
        std::cout << separator << name << " " << count;
        separator = ", ";
    }
    std::cout << ")" << std::endl;
    return 0;
}
