#include "AutomationClient.h"

#include <QDeadlineTimer>
#include <QJsonDocument>

namespace otthon::testing {

AutomationClient::~AutomationClient() {
    process_.kill();
    process_.waitForFinished(5000);
}

bool AutomationClient::start(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(OTTHON_APP_BINARY),
                   QStringList{QStringLiteral("--automation")} + arguments);
    return process_.waitForStarted(10000) && ok({{"do", "sent"}});
}

QJsonObject AutomationClient::nextAnswer() {
    const QDeadlineTimer deadline(30000);
    qsizetype end;
    while ((end = received_.indexOf('\n')) < 0) {
        if (process_.state() != QProcess::Running || deadline.hasExpired())
            return {};
        process_.waitForReadyRead(int(deadline.remainingTime()));
        received_ += process_.readAllStandardOutput();
    }
    const QByteArray answer = received_.left(end);
    received_.remove(0, end + 1);
    return QJsonDocument::fromJson(answer).object();
}

QJsonObject AutomationClient::askLine(const QByteArray& line) {
    write(line + '\n');
    return nextAnswer();
}

QJsonObject AutomationClient::ask(const QJsonObject& request) {
    return askLine(QJsonDocument(request).toJson(QJsonDocument::Compact));
}

QString AutomationClient::lastSent() {
    const QJsonArray sent = ask({{"do", "sent"}}).value("sent").toArray();
    // A poll may leave right after a command (its hold can end at its reply): the polls are skipped.
    for (qsizetype i = sent.size() - 1; i >= 0; --i)
        if (!sent.at(i).toString().isEmpty())
            return sent.at(i).toString();
    return {};
}

QJsonObject AutomationClient::waitUntil(const std::function<bool(const QJsonObject&)>& done) {
    QJsonObject now = state();
    const double end = now.value("time").toDouble() + 10;
    while (!done(now) && now.value("time").toDouble() < end) {
        ask({{"do", "wait"}, {"seconds", 0.25}});
        now = state();
    }
    return now;
}

bool AutomationClient::waitForEnabled(const QString& element) {
    const auto enabled = [&](const QJsonObject& s) {
        return elementOf(s, element).value("enabled").toBool();
    };
    return enabled(waitUntil(enabled));
}

bool AutomationClient::exitsCleanly() {
    return process_.waitForFinished(10000) && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
}

QJsonObject elementOf(const QJsonObject& state, const QString& name) {
    return state.value("elements").toObject().value(name).toObject();
}

QJsonArray replyPart(const QJsonObject& state, int part) {
    return state.value("model").toObject().value("StatusDocument").toArray().at(part).toArray();
}

} // namespace otthon::testing
