#pragma once

#include <QtGlobal>

namespace otthon {

// Numbers the exchanges with the controller in the order they leave, so that a reply that comes late never
// undoes what a newer one showed. Several exchanges may be under way at once, and a slow server answers them
// in any order.
class ExchangeOrder {
public:
    // The number of an exchange that leaves now; a command also marks the polls before it as outdated.
    quint64 begin(bool command) {
        ++started_;
        if (command)
            lastCommand_ = started_;
        return started_;
    }
    // Whether the reply of exchange `number` may be taken: it is newer than every reply taken so far and, for
    // a poll, no command left after the poll did (the poll's reply may not know of it yet). A command's own
    // reply is the controller's state after the command.
    bool takes(quint64 number, bool poll) const {
        return number > taken_ && (!poll || lastCommand_ < number);
    }
    void take(quint64 number) { taken_ = number; }
    // Whether exchange `number` is the newest to end so far; only its outcome says whether the link is up. A
    // failure that comes after a newer exchange has succeeded changes nothing, and neither does a late
    // success.
    bool decides(quint64 number) {
        if (number <= decided_)
            return false;
        decided_ = number;
        return true;
    }

private:
    quint64 started_ = 0;
    quint64 lastCommand_ = 0;
    quint64 taken_ = 0;
    quint64 decided_ = 0;
};

} // namespace otthon
