#pragma once

#include "sim/Controller.h"

#include <string>
#include <vector>

namespace otthon::sim {

struct CommandLine {
    std::string host = "127.0.0.1";
    int port = 8670;
    ControllerOptions controller;
    bool help = false;
};

struct ParsedCommandLine {
    CommandLine line;
    std::string error; // empty when the arguments were understood
};

// Reads the arguments of otthon-controller (without the program name).
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string usage();

} // namespace otthon::sim
