#include "sim/CommandLine.h"
#include "sim/Server.h"

#include <csignal>
#include <iostream>

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

    Server server(line.controller);
    if (server.start(line.host, line.port) < 0) {
        std::cerr << "otthon-controller: cannot listen on " << line.host << ":" << line.port << "\n";
        return 1;
    }
    std::cout << "otthon-controller listening on " << server.url() << std::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    server.stop();
    std::cout << "otthon-controller stopped after " << server.controller().log().size() << " requests"
              << std::endl;
    return 0;
}
