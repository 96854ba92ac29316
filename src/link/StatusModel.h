#pragma once

#include "link/StatusTree.h"

#include <QDateTime>
#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace otthon {

// The one store through which every part of the app meets: the latest reply, the link flags, the values the
// pages show and the fixed choice lists. One instance per application, passed by reference.
// Field names are the household's own vocabulary, so they read the same in code, protocol notes and tests.
struct StatusModel {
    explicit StatusModel(QString baseUrl) : BaseUrl(std::move(baseUrl)) {}

    // Link state.
    StatusTree StatusDocument;    // latest reply, kept whole; absent until the first reply
    bool Connected = false;       // a reply has been received; false after a request failed
    bool CommandInFlight = false; // a command is settling, or the user is adjusting a value
    quint64 ReplyCount = 0;       // replies decoded so far: tells a screen that a new one has come
    QString LinkFailure;          // why the last exchange failed, as logged; empty once a reply has come
    QDateTime LastReply;          // local time the last reply was decoded; invalid before the first
    const QString BaseUrl;        // every request is BaseUrl followed by a command
    static constexpr double PollInterval = 3.0;
    static constexpr double PageRefreshInterval = 3.0;

    // Sensor values as the controller sends them (a text, or whatever JSON value stands there; undefined when
    // the reply lacked the position).
    QJsonValue HaloTmp{QStringLiteral("0.0")};
    QJsonValue HaloHum{QStringLiteral("0.0")};
    QJsonValue NappaliTmp{QStringLiteral("0.0")};
    QJsonValue NappaliHum{QStringLiteral("0.0")};
    QJsonValue KulsoTmp{QStringLiteral("0.0")};
    QJsonValue KulsoHum{QStringLiteral("0.0")};
    QJsonValue KulsoNyomas{QStringLiteral("0.0")};
    QJsonValue MedenceHomerseklet{QStringLiteral("0.0")};

    // Switch states and settings.
    bool Rain = false;
    bool Kapu1Lakat = true;
    bool Kapu2Lakat = false;
    qint64 HaloSetTmp = 0;
    qint64 NappaliSetTmp = 0;
    bool HaloFutesBe = true;
    bool NappaliFutesBe = true;
    qint64 RadioHangero = 0;
    qint64 RadioAdo = 1;
    qint64 RadioBe = 0;
    bool MedenceBe = true;
    QStringList RadioAdoLista; // station names; placeholders until the first copied reply
    qint64 IdopontIndex = 0;   // schedule row last chosen in a schedule list

    // Fixed choice lists, built once at start-up.
    QStringList PercLista;
    QStringList OraLista;
    QStringList IdopontLista;
    QStringList ZonaNevek;
    QStringList ZonaKodok;
};

} // namespace otthon
