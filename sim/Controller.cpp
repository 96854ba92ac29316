#include "sim/Controller.h"

#include "sim/Command.h"
#include "sim/HouseholdRules.h"
#include "sim/StatusDocument.h"

namespace otthon::sim {

namespace {

constexpr std::string_view jsonType = "application/json; charset=utf-8";
constexpr std::string_view htmlType = "text/html; charset=UTF-8";

// What a script that trips over a warning prints before its document.
constexpr std::string_view scriptWarning =
    "<br />\n<b>Warning</b>:  Undefined array key \"dt\" in <b>/var/www/LomaViro/Lomaviro.php</b> on line "
    "<b>41</b><br />\n";

constexpr std::string_view serverErrorPage =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">\n<html><head>\n<title>500 Internal Server "
    "Error</title>\n</head><body>\n<h1>Internal Server Error</h1>\n<p>The server encountered an internal "
    "error or misconfiguration and was unable to complete your request.</p>\n</body></html>\n";

} // namespace

Controller::Controller(ControllerOptions options)
    : options_(options), household_(initialHousehold()), weather_(options.seed, options.steady),
      faults_(options.seed, options.faults) {}

Reply Controller::receive(std::string_view command, Millis now) {
    Reply reply;
    std::string refused;
    {
        const std::lock_guard lock(mutex_);
        weather_.advance(household_, now);
        relockGates(household_, now);

        const Fault fault = decideFault(command, now);
        reply.fault = fault.kind;
        reply.wait = options_.faults.latency + (fault.kind == FaultKind::Drip ? Millis{0} : fault.wait);
        const bool answers =
            fault.kind == FaultKind::None || fault.kind == FaultKind::Delay || fault.kind == FaultKind::Drip;
        if (answers) {
            const ParsedCommand parsed = parseCommand(command);
            refused = parsed.refusal.empty()
                          ? applyCommand(household_, parsed.command, now, options_.gateOpenFor)
                          : parsed.refusal;
        }
        switch (fault.kind) {
        case FaultKind::None:
        case FaultKind::Delay:
        case FaultKind::Drip:
            reply.contentType = jsonType;
            reply.body = writeStatusDocument(household_, refused);
            if (fault.kind == FaultKind::Drip)
                reply.dripEvery = fault.wait;
            break;
        case FaultKind::Endless:
            reply.contentType = jsonType;
            reply.endless = true;
            break;
        case FaultKind::NotJson:
            reply.contentType = htmlType;
            reply.body = std::string(scriptWarning) + writeStatusDocument(household_, {});
            break;
        case FaultKind::ServerError:
            reply.status = 500;
            reply.contentType = htmlType;
            reply.body = serverErrorPage;
            break;
        case FaultKind::Drop:
        case FaultKind::Hang:
            reply.dropConnection = true;
            break;
        }
        // Logged under the lock, so that the log's order is the order in which commands were carried out.
        log_.add({std::string(command), reply.fault, refused, now});
    }
    return reply;
}

Fault Controller::decideFault(std::string_view command, Millis now) {
    const bool repeat =
        lastDrop_ && lastDrop_->first == command && now - lastDrop_->second < options_.dropRepeatWithin;
    lastDrop_.reset();
    if (repeat)
        return {FaultKind::Drop, Millis{0}};
    const Fault fault = faults_.next();
    if (fault.kind == FaultKind::Drop)
        lastDrop_.emplace(std::string(command), now);
    return fault;
}

Household Controller::household() const {
    const std::lock_guard lock(mutex_);
    return household_;
}

void Controller::change(const std::function<void(Household&)>& edit) {
    const std::lock_guard lock(mutex_);
    edit(household_);
}

void Controller::pushFault(FaultKind kind, Millis wait) {
    const std::lock_guard lock(mutex_);
    faults_.push(kind, wait);
}

void Controller::clearFaults() {
    const std::lock_guard lock(mutex_);
    faults_.clear();
}

} // namespace otthon::sim
