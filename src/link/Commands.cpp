#include "link/Commands.h"

#include "link/WholeNumber.h"

#include <QUrl>

#include <initializer_list>

namespace otthon::commands {

namespace {

QString text(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value, ":"));
}
QString whole(int value) {
    return QString::number(value);
}
QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}
QString command(const char* verb, std::initializer_list<QString> fields) {
    QString result = QStringLiteral("?dt=") + QLatin1String(verb);
    for (const QString& field : fields)
        result += u':' + field;
    return result;
}

} // namespace

QString poll() {
    return QString();
}

QString gate(int number) {
    return command("kapu", {u'K' + whole(number)});
}

QString thermostat(const QString& room, float setpoint, bool heating) {
    return command("temp", {text(room), wholeText(setpoint), QStringLiteral("0"), flag(heating)});
}

QString radioOn(float volume, const QString& station) {
    return command("radio", {QStringLiteral("BE"), wholeText(volume), text(station)});
}

QString radioOff() {
    return command("radio", {QStringLiteral("KI")});
}

QString poolCirculation(bool on) {
    return command("Allsett", {QStringLiteral("Medence"), flag(on)});
}

QString poolAdd() {
    return command("Pooladd", {QStringLiteral("0:0"), QStringLiteral("0")});
}

QString poolDelete(const QString& start, const QString& duration) {
    return command("Pooldel", {text(start), text(duration)});
}

QString poolUpdate(int hour, int minute, int duration, const QString& oldStart, const QString& oldDuration) {
    return command("Poolup",
                   {whole(hour), whole(minute), whole(duration), text(oldStart), text(oldDuration)});
}

QString irrigationSwitches(const std::array<bool, 8>& flags) {
    return command("Ontozosett", {flag(flags[0]), flag(flags[1]), flag(flags[2]), flag(flags[3]),
                                  flag(flags[4]), flag(flags[5]), flag(flags[6]), flag(flags[7])});
}

QString irrigationAdd() {
    return command("Ontozoadd", {QStringLiteral("0:0"), QStringLiteral("0"), QStringLiteral("Z1")});
}

QString irrigationDelete(const QString& start, const QString& duration, const QString& zone) {
    return command("Ontozodel", {text(start), text(duration), text(zone)});
}

QString irrigationUpdate(int hour, int minute, int duration, const QString& zone, const QString& oldStart,
                         const QString& oldDuration, const QString& oldZone) {
    return command("Ontozoup", {whole(hour), whole(minute), whole(duration), text(zone), text(oldStart),
                                text(oldDuration), text(oldZone)});
}

} // namespace otthon::commands
