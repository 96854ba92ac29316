#pragma once

#include <QJsonObject>

namespace otthon {

struct StatusModel;

// The status model as one JSON object, every field under its own name: flags and numbers as JSON, lists of
// texts as arrays, StatusDocument as the kept reply (null before the first one). Sensor values read as the
// pages show them (a number's shortest decimal form, a flag as 1 or 0), or null when the reply lacked them.
QJsonObject modelToJson(const StatusModel& model);

} // namespace otthon
