#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>

#include <functional>

namespace otthon::testing {

// Runs the built app with --automation (and --demo: the substitute controller in-process), offscreen, and
// speaks the protocol: one request line out, one answer line back. The app's standard error passes through.
class AutomationClient {
public:
    ~AutomationClient();

    // Starts the app (on the built-in substitute controller unless told otherwise) and waits for its first
    // answer.
    bool start(const QStringList& arguments = {QStringLiteral("--demo")});
    // Raw bytes to the app's standard input; the next answer line, an empty object when none came in time.
    void write(const QByteArray& bytes) { process_.write(bytes); }
    QJsonObject nextAnswer();
    QJsonObject askLine(const QByteArray& line);
    QJsonObject ask(const QJsonObject& request);
    bool ok(const QJsonObject& request) { return ask(request).value("ok").toBool(); }
    bool tap(const QString& element) { return ok({{"do", "tap"}, {"element", element}}); }
    QJsonObject state() { return ask({{"do", "state"}}); }
    bool swipeOn() { return ok({{"do", "swipe"}, {"to", "next"}}); }
    // The last command the app has sent, polls aside; empty when none.
    QString lastSent();
    // Asks for the state until `done` holds or 10 s of the app's time have passed; the last state.
    QJsonObject waitUntil(const std::function<bool(const QJsonObject&)>& done);
    bool waitForEnabled(const QString& element);
    void closeInput() { process_.closeWriteChannel(); }
    // True when the app ends by itself with exit code 0.
    bool exitsCleanly();

private:
    QProcess process_;
    QByteArray received_;
};

// From a "state" answer: the element named `name`, and the element `part` of the last reply.
QJsonObject elementOf(const QJsonObject& state, const QString& name);
QJsonArray replyPart(const QJsonObject& state, int part);

} // namespace otthon::testing
