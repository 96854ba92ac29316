#include "sim/RequestLog.h"

namespace otthon::sim {

void RequestLog::add(LoggedRequest entry) {
    {
        const std::lock_guard lock(mutex_);
        entries_.push_back(std::move(entry));
    }
    grown_.notify_all();
}

void RequestLog::clear() {
    const std::lock_guard lock(mutex_);
    entries_.clear();
}

std::vector<LoggedRequest> RequestLog::entries() const {
    const std::lock_guard lock(mutex_);
    return entries_;
}

std::vector<std::string> RequestLog::commands() const {
    const std::lock_guard lock(mutex_);
    std::vector<std::string> out;
    out.reserve(entries_.size());
    for (const LoggedRequest& e : entries_)
        out.push_back(e.command);
    return out;
}

std::size_t RequestLog::size() const {
    const std::lock_guard lock(mutex_);
    return entries_.size();
}

bool RequestLog::waitForSize(std::size_t count, Millis timeout) const {
    std::unique_lock lock(mutex_);
    return grown_.wait_for(lock, timeout, [&] { return entries_.size() >= count; });
}

} // namespace otthon::sim
