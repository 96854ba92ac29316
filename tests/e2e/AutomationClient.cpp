#include "AutomationClient.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcessEnvironment>

namespace otthon::testing {

AutomationClient::~AutomationClient() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool AutomationClient::start(const QString& program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, arguments);
    return process_.waitForStarted(10000);
}

QJsonObject AutomationClient::askLine(const QByteArray& line, int timeoutMs) {
    write(line + '\n');
    return nextAnswer(timeoutMs);
}

QJsonObject AutomationClient::nextAnswer(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    qsizetype end = received_.indexOf('\n');
    while (end < 0) {
        if (process_.state() != QProcess::Running || deadline.hasExpired())
            return {};
        process_.waitForReadyRead(int(deadline.remainingTime()));
        received_ += process_.readAllStandardOutput();
        end = received_.indexOf('\n');
    }
    const QByteArray answer = received_.left(end);
    received_.remove(0, end + 1);
    return QJsonDocument::fromJson(answer).object();
}

QJsonObject AutomationClient::ask(const QJsonObject& request, int timeoutMs) {
    return askLine(QJsonDocument(request).toJson(QJsonDocument::Compact), timeoutMs);
}

QStringList AutomationClient::sent() {
    QStringList commands;
    for (const QJsonValue& command : ask({{"do", "sent"}}).value("sent").toArray())
        commands.append(command.toString());
    return commands;
}

QJsonObject AutomationClient::waitUntil(const std::function<bool(const QJsonObject&)>& done, double seconds) {
    QJsonObject now = state();
    const double end = now.value("time").toDouble() + seconds;
    while (!done(now) && now.value("time").toDouble() < end) {
        ask({{"do", "wait"}, {"seconds", 0.25}});
        now = state();
    }
    return now;
}

bool AutomationClient::exitsCleanly(int timeoutMs) {
    return process_.waitForFinished(timeoutMs) && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
}

QJsonObject elementOf(const QJsonObject& state, const QString& name) {
    return state.value("elements").toObject().value(name).toObject();
}

QJsonObject modelOf(const QJsonObject& state) {
    return state.value("model").toObject();
}

} // namespace otthon::testing
