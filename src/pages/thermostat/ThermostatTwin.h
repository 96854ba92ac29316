#pragma once

#include "pages/AppState.h"

#include <QJsonValue>
#include <QStringView>

namespace otthon {

// What tells one room's thermostat page from the other's: its names, the model fields it shows and sets, its
// process-wide values and the room word of its command. The behaviour is the same for both rooms.
struct ThermostatTwin {
    QStringView restorationIdentifier;
    QStringView className;
    QStringView background; // Hatterkep
    QStringView headText;
    QStringView room; // the command's room word

    // Outlet names.
    QStringView tmpDB;     // measured temperature
    QStringView paraDB;    // humidity, kept hidden
    QStringView tmpTxt;    // setpoint
    QStringView slider;    // setpoint slider
    QStringView tmpBtn;    // set button
    QStringView pluszBtn;  // setpoint up
    QStringView minuszBtn; // setpoint down
    QStringView futes;     // heating (on) / cooling (off)
    QStringView spiner;
    QStringView head;

    // Status model fields.
    QJsonValue StatusModel::*tmp;
    QJsonValue StatusModel::*hum;
    qint64 StatusModel::*setTmp;
    bool StatusModel::*futesBe;

    // Process-wide values of the page kind.
    bool AppState::*ready;
    QString AppState::*switchText;
};

inline constexpr ThermostatTwin NappaliTwin{
    .restorationIdentifier = u"Nappali",
    .className = u"Nappali",
    .background = u"Nappali.png",
    .headText = u"Nappali",
    .room = u"Nappali",
    .tmpDB = u"NappaliTmpDB",
    .paraDB = u"NappaliParaDB",
    .tmpTxt = u"NappaliTmpTxt",
    .slider = u"NappaliSlider",
    .tmpBtn = u"NappaliTmpBtn",
    .pluszBtn = u"NappaliPluszBtn",
    .minuszBtn = u"NappaliMinuszBtn",
    .futes = u"Futes",
    .spiner = u"NappaliSpiner",
    .head = u"NappaliHead",
    .tmp = &StatusModel::NappaliTmp,
    .hum = &StatusModel::NappaliHum,
    .setTmp = &StatusModel::NappaliSetTmp,
    .futesBe = &StatusModel::NappaliFutesBe,
    .ready = &AppState::NappaliReady,
    .switchText = &AppState::NappaliSwitchText,
};

inline constexpr ThermostatTwin HaloTwin{
    .restorationIdentifier = u"Háló",
    .className = u"HaloViewController",
    .background = u"Halo.png",
    .headText = u"Háló",
    .room = u"Halo",
    .tmpDB = u"HaloTmpDB",
    .paraDB = u"HaloParaDB",
    .tmpTxt = u"HaloTmpTxt",
    .slider = u"HaloSlider",
    .tmpBtn = u"HaloTmpBtn",
    .pluszBtn = u"HaloPluszBtn",
    .minuszBtn = u"HaloMinuszBtn",
    .futes = u"HaloFutes",
    .spiner = u"HaloSpiner",
    .head = u"HaloHead",
    .tmp = &StatusModel::HaloTmp,
    .hum = &StatusModel::HaloHum,
    .setTmp = &StatusModel::HaloSetTmp,
    .futesBe = &StatusModel::HaloFutesBe,
    .ready = &AppState::HaloReady,
    .switchText = &AppState::HaloSwitchText,
};

} // namespace otthon
