#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <functional>

namespace otthon::testing {

// Runs the app binary with --automation and speaks the protocol: one request line out, one answer line back.
// The app renders offscreen; its standard error passes through to the test's.
class AutomationClient {
public:
    AutomationClient() = default;
    ~AutomationClient();
    AutomationClient(const AutomationClient&) = delete;
    AutomationClient& operator=(const AutomationClient&) = delete;

    bool start(const QString& program, const QStringList& arguments);
    // The answer to one request line; an empty object when none came within `timeoutMs` or it was not JSON.
    QJsonObject askLine(const QByteArray& line, int timeoutMs = 15000);
    // Raw bytes to the app's standard input, and the next answer line.
    void write(const QByteArray& bytes) { process_.write(bytes); }
    QJsonObject nextAnswer(int timeoutMs = 15000);
    QJsonObject ask(const QJsonObject& request, int timeoutMs = 15000);
    QJsonObject state() { return ask({{"do", "state"}}); }
    // Every command the app has sent so far, polls as "".
    QStringList sent();
    // Asks for the state until `done` holds or `seconds` of the app's time have passed; the last state.
    QJsonObject waitUntil(const std::function<bool(const QJsonObject&)>& done, double seconds = 10);
    // The end of the app's standard input.
    void closeInput() { process_.closeWriteChannel(); }
    // True when the app ended by itself with exit code 0 within `timeoutMs`.
    bool exitsCleanly(int timeoutMs);

private:
    QProcess process_;
    QByteArray received_;
};

// The element named `name` in a "state" answer, and its status model.
QJsonObject elementOf(const QJsonObject& state, const QString& name);
QJsonObject modelOf(const QJsonObject& state);

} // namespace otthon::testing
