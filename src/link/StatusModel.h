#pragma once

#include "link/ExchangeOrder.h"
#include "link/StatusTree.h"

#include <QDateTime>
#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace otthon {

// The one store through which every part of the app meets: the latest reply, the link flags, the values the
// pages show and the fixed choice lists. One instance per application, passed by reference.
// Field names are the household's own vocabulary, so they read the same in code, protocol notes and tests.
// A field that the copy of a reply writes or that automation shows is listed once more, in ModelFields.h.
struct StatusModel {
    explicit StatusModel(QString baseUrl) : BaseUrl(std::move(baseUrl)) {}

    // Link state.
    StatusTree StatusDocument;    // the newest reply taken, kept whole; absent until the first
    bool Connected = false;       // the newest exchange that has ended brought a status document
    bool CommandSettling = false; // a command was sent and its hold has not ended: the poll waits
    bool Draft = false;           // the user is adjusting a value on screen that has not been sent
    ExchangeOrder Exchanges;      // which replies may still be taken, and which outcome says the link is up
    quint64 ReplyCount = 0;       // replies taken so far: tells a screen that a new one has come
    QString LinkFailure;          // why the last exchange failed, as logged; empty once a reply has come
    QDateTime LastReply;          // local time the last reply was taken; invalid before the first
    const QString BaseUrl;        // every request is BaseUrl followed by a command
    static constexpr double PollInterval = 3.0;
    static constexpr double PageRefreshInterval = 3.0;

    // A command is settling, or a draft is on screen.
    bool CommandInFlight() const { return CommandSettling || Draft; }
    // Whether any reply has been taken: before the first, no value of the controller's is known.
    bool Known() const { return ReplyCount > 0; }

    // Sensor values as the controller sends them (a text, or whatever JSON value stands there; undefined
    // before the first reply and when the reply lacked the position).
    QJsonValue HaloTmp{QJsonValue::Undefined};
    QJsonValue HaloHum{QJsonValue::Undefined};
    QJsonValue NappaliTmp{QJsonValue::Undefined};
    QJsonValue NappaliHum{QJsonValue::Undefined};
    QJsonValue KulsoTmp{QJsonValue::Undefined};
    QJsonValue KulsoHum{QJsonValue::Undefined};
    QJsonValue KulsoNyomas{QJsonValue::Undefined};
    QJsonValue MedenceHomerseklet{QJsonValue::Undefined};

    // Switch states and settings; what they hold before the first reply is no one's word (see Known).
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
