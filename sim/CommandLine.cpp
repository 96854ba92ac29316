#include "sim/CommandLine.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace otthon::sim {

namespace {

template <typename Number> std::optional<Number> number(const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

std::optional<Millis> millis(const std::string& text) {
    const auto value = number<std::int64_t>(text);
    if (!value || *value < 0)
        return std::nullopt;
    return Millis{*value};
}

std::optional<double> probability(const std::string& text) {
    const auto value = number<double>(text);
    if (!value || *value < 0 || *value > 1)
        return std::nullopt;
    return value;
}

// "ADDR:PORT", "[v6]:PORT".
bool listenAddress(const std::string& text, CommandLine& line) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    std::string host = text.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    const auto port = number<int>(text.substr(colon + 1));
    if (!port || *port < 0 || *port > 65535)
        return false;
    line.host = host;
    line.port = *port;
    return true;
}

bool option(const std::string& name, const std::string& value, CommandLine& line) {
    ControllerOptions& c = line.controller;
    FaultRates& f = c.faults;
    const auto setMillis = [&](Millis& target, std::int64_t scale = 1) {
        const auto v = millis(value);
        if (v)
            target = *v * scale;
        return v.has_value();
    };
    const auto setProbability = [&](double& target) {
        const auto v = probability(value);
        if (v)
            target = *v;
        return v.has_value();
    };
    if (name == "--listen")
        return listenAddress(value, line);
    if (name == "--seed") {
        const auto seed = number<std::uint64_t>(value);
        if (seed)
            c.seed = *seed;
        return seed.has_value();
    }
    if (name == "--gate-open")
        return setMillis(c.gateOpenFor, 1000);
    if (name == "--latency")
        return setMillis(f.latency);
    if (name == "--delay")
        return setProbability(f.delay);
    if (name == "--delay-ms")
        return setMillis(f.delayFor);
    if (name == "--drop")
        return setProbability(f.drop);
    if (name == "--not-json")
        return setProbability(f.notJson);
    if (name == "--server-error")
        return setProbability(f.serverError);
    if (name == "--hang")
        return setProbability(f.hang);
    if (name == "--hang-ms")
        return setMillis(f.hangFor);
    if (name == "--drip")
        return setProbability(f.drip);
    if (name == "--drip-ms")
        return setMillis(f.dripEvery);
    if (name == "--endless")
        return setProbability(f.endless);
    return false;
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    CommandLine& line = parsed.line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--help" || name == "-h") {
            line.help = true;
        } else if (name == "--steady") {
            line.controller.steady = true;
        } else if (i + 1 == arguments.size() || !option(name, arguments[i + 1], line)) {
            parsed.error = i + 1 == arguments.size() ? "missing value or unknown option: " + name
                                                     : "bad value for " + name + ": " + arguments[i + 1];
            return parsed;
        } else {
            ++i;
        }
    }
    const FaultRates& f = line.controller.faults;
    if (f.delay + f.drop + f.notJson + f.serverError + f.hang + f.drip + f.endless > 1)
        parsed.error = "the fault probabilities add up to more than 1";
    return parsed;
}

std::string usage() {
    return "Usage: otthon-controller [options]\n"
           "Stands in for the household controller: answers GET /LomaViro/Lomaviro.php[?dt=COMMAND]\n"
           "with the status document, and carries out the commands.\n"
           "\n"
           "  --listen ADDR:PORT   where to listen (default 127.0.0.1:8670; the real controller uses port "
           "670)\n"
           "  --seed N             seed of the weather drift and of the random faults (default 1)\n"
           "  --steady             readings do not drift and rain does not change\n"
           "  --gate-open S        seconds a gate stays open after its command (default 6)\n"
           "\n"
           "Faults (probabilities per request, 0 to 1, adding up to at most 1):\n"
           "  --latency MS         delay every reply by MS milliseconds (default 0)\n"
           "  --delay P            reply late, after --delay-ms MS (default 2000)\n"
           "  --drop P             close the connection without a reply\n"
           "  --not-json P         status 200 with a body that is not JSON\n"
           "  --server-error P     status 500 with an HTML page\n"
           "  --hang P             hold the request for --hang-ms MS (default 15000), then close it\n"
           "  --drip P             send the reply one byte every --drip-ms MS (default 1000)\n"
           "  --endless P          status 200 with a chunked body that never ends\n"
           "  --help               this text\n";
}

} // namespace otthon::sim
