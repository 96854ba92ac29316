#include "sim/StatusDocument.h"

#include "sim/JsonWriter.h"

#include <array>
#include <cstdlib>
#include <initializer_list>

namespace otthon::sim {

namespace {

std::string number(int value) {
    return std::to_string(value);
}
std::string flag(bool on) {
    return on ? "1" : "0";
}
// Texts are built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) about a literal put before a string.
std::string zoneCode(int zone) {
    return std::string("Z").append(number(zone));
}

void row(JsonWriter& json, std::initializer_list<std::string_view> texts) {
    json.beginArray();
    for (const std::string_view t : texts)
        json.text(t);
    json.endArray();
}

void sensors(JsonWriter& json, const Household& h) {
    json.beginArray();
    row(json, {"Hálószoba", tenthsText(h.bedroom.tenths), number(h.bedroom.humidity)});
    row(json, {"Nappali", tenthsText(h.livingRoom.tenths), number(h.livingRoom.humidity)});
    row(json, {"Kültér", tenthsText(h.outside.tenths), number(h.outside.humidity)});
    row(json, {"Eső", flag(h.raining)});
    row(json, {"Légnyomás", number(h.pressure)});
    row(json, {"Kapu 1", flag(h.gates[0].locked)});
    row(json, {"Kapu 2", flag(h.gates[1].locked)});
    row(json, {"Pince", tenthsText(h.cellar.tenths), number(h.cellar.humidity)});
    row(json, {"Medence víz", tenthsText(h.poolTenths)});
    json.endArray();
}

void irrigationSchedule(JsonWriter& json, const Household& h) {
    if (h.irrigationSchedule.empty())
        return json.null();
    json.beginArray();
    for (const IrrigationSlot& s : h.irrigationSchedule)
        row(json, {zoneCode(s.zone), timeText(s.start), number(s.minutes)});
    json.endArray();
}

void thermostats(JsonWriter& json, const Household& h) {
    json.beginArray();
    const Thermostat& bedroom = h.thermostats[Bedroom];
    const Thermostat& living = h.thermostats[LivingRoom];
    row(json, {"Halo", number(bedroom.setpoint), "0", flag(bedroom.heating)});
    row(json, {"Nappali", number(living.setpoint), "0", flag(living.heating)});
    json.endArray();
}

void switches(JsonWriter& json, const Household& h) {
    static constexpr std::array<std::string_view, 6> zoneNames{"Zóna 1", "Zóna 2",      "Zóna 3",
                                                               "Zóna 4", "Utcai kicsi", "Utcai nagy"};
    json.beginArray();
    row(json, {number(h.radio.volume), number(h.radio.station), flag(h.radio.playing)});
    row(json, {"Medence", "keringetés", flag(h.poolPump)});
    row(json, {"Öntöző", "teljes", flag(h.irrigation[WholeIrrigation])});
    row(json, {"Öntöző", "mester", flag(h.irrigation[Master])});
    for (std::size_t zone = 0; zone < zoneNames.size(); ++zone)
        row(json,
            {zoneCode(static_cast<int>(zone) + 1), zoneNames[zone], flag(h.irrigation[FirstZone + zone])});
    json.endArray();
}

void stations(JsonWriter& json, const Household& h) {
    json.beginArray();
    for (std::size_t i = 0; i < h.stations.size(); ++i)
        row(json, {number(static_cast<int>(i)), h.stations[i]});
    json.endArray();
}

void poolSchedule(JsonWriter& json, const Household& h) {
    if (h.poolSchedule.empty())
        return json.null();
    json.beginArray();
    for (const PoolSlot& s : h.poolSchedule)
        row(json, {timeText(s.start), number(s.minutes)});
    json.endArray();
}

void errorReport(JsonWriter& json, std::string_view refused) {
    if (refused.empty())
        row(json, {"OK"});
    else
        row(json, {"HIBA", refused});
}

} // namespace

std::string writeStatusDocument(const Household& household, std::string_view refused) {
    JsonWriter json;
    json.beginArray();
    sensors(json, household);
    irrigationSchedule(json, household);
    thermostats(json, household);
    switches(json, household);
    stations(json, household);
    poolSchedule(json, household);
    errorReport(json, refused);
    json.endArray();
    return json.result();
}

std::string tenthsText(int tenths) {
    const int magnitude = std::abs(tenths);
    return std::string(tenths < 0 ? "-" : "")
        .append(number(magnitude / 10))
        .append(".")
        .append(number(magnitude % 10));
}

std::string timeText(TimeOfDay time) {
    return number(time.hour) + ":" + number(time.minute);
}

} // namespace otthon::sim
