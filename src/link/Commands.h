#pragma once

#include <QString>

#include <array>

// The command texts that follow BaseUrl. Every one but the poll is "?dt=" with a verb and colon-separated
// fields. Texts copied from a reply (start times, durations, zone codes) are percent-encoded where they hold
// a character that may not stand in a URL query; digits, letters and ':' pass unchanged, so "6:30" stays
// "6:30".
namespace otthon::commands {

QString poll();
// Opens gate 1 or 2.
QString gate(int number);
// room is "Nappali" or "Halo"; the setpoint is sent rounded (an exact half to the even neighbour).
QString thermostat(const QString& room, float setpoint, bool heating);
QString radioOn(float volume, const QString& station);
QString radioOff();
QString poolCirculation(bool on);
QString poolAdd();
QString poolDelete(const QString& start, const QString& duration);
QString poolUpdate(int hour, int minute, int duration, const QString& oldStart, const QString& oldDuration);
// Whole irrigation, master, then zones 1 to 6.
QString irrigationSwitches(const std::array<bool, 8>& flags);
QString irrigationAdd();
QString irrigationDelete(const QString& start, const QString& duration, const QString& zone);
QString irrigationUpdate(int hour, int minute, int duration, const QString& zone, const QString& oldStart,
                         const QString& oldDuration, const QString& oldZone);

} // namespace otthon::commands
