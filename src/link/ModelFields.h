#pragma once

#include "link/StatusModel.h"

namespace otthon {

// Where a reply holds a value: element, row, column.
struct ReplyCell {
    int element;
    int row;
    int column;
};
// A column of every row of an element: a list.
struct ReplyColumn {
    int element;
    int column;
};
// A field that no reply writes: the link's state, or what the app keeps of its own.
struct NotInReply {};

// The fields of the status model that the app shows the world, each once: its name, its value and where a
// reply holds it. The copy of a reply, the model's JSON and their tests all go through this list, so a field
// is added here and nowhere else. `visit(name, value, where)` is called for each field in turn; `value` is
// the model's own member (writable through a non-const model), or a value for CommandInFlight and the
// intervals.
template <class Model, class Visit> void forEachModelField(Model& m, Visit&& visit) {
    const NotInReply own;
    visit("StatusDocument", m.StatusDocument, own);
    visit("Connected", m.Connected, own);
    visit("CommandInFlight", m.CommandInFlight(), own);
    visit("ReplyCount", m.ReplyCount, own);
    visit("BaseUrl", m.BaseUrl, own);
    visit("PollInterval", StatusModel::PollInterval, own);
    visit("PageRefreshInterval", StatusModel::PageRefreshInterval, own);

    // Sensors: element 0, a row per sensor.
    visit("HaloTmp", m.HaloTmp, ReplyCell{0, 0, 1});
    visit("HaloHum", m.HaloHum, ReplyCell{0, 0, 2});
    visit("NappaliTmp", m.NappaliTmp, ReplyCell{0, 1, 1});
    visit("NappaliHum", m.NappaliHum, ReplyCell{0, 1, 2});
    visit("KulsoTmp", m.KulsoTmp, ReplyCell{0, 2, 1});
    visit("KulsoHum", m.KulsoHum, ReplyCell{0, 2, 2});
    visit("KulsoNyomas", m.KulsoNyomas, ReplyCell{0, 4, 1});
    visit("MedenceHomerseklet", m.MedenceHomerseklet, ReplyCell{0, 8, 1});
    visit("Rain", m.Rain, ReplyCell{0, 3, 1});
    visit("Kapu1Lakat", m.Kapu1Lakat, ReplyCell{0, 5, 1});
    visit("Kapu2Lakat", m.Kapu2Lakat, ReplyCell{0, 6, 1});

    // Thermostats (element 2: bedroom, living room), switches (element 3) and stations (element 4).
    visit("HaloSetTmp", m.HaloSetTmp, ReplyCell{2, 0, 1});
    visit("NappaliSetTmp", m.NappaliSetTmp, ReplyCell{2, 1, 1});
    visit("HaloFutesBe", m.HaloFutesBe, ReplyCell{2, 0, 3});
    visit("NappaliFutesBe", m.NappaliFutesBe, ReplyCell{2, 1, 3});
    visit("RadioHangero", m.RadioHangero, ReplyCell{3, 0, 0});
    visit("RadioAdo", m.RadioAdo, ReplyCell{3, 0, 1});
    visit("RadioBe", m.RadioBe, ReplyCell{3, 0, 2});
    visit("MedenceBe", m.MedenceBe, ReplyCell{3, 1, 2});
    visit("RadioAdoLista", m.RadioAdoLista, ReplyColumn{4, 1});

    visit("IdopontIndex", m.IdopontIndex, own);
    visit("PercLista", m.PercLista, own);
    visit("OraLista", m.OraLista, own);
    visit("IdopontLista", m.IdopontLista, own);
    visit("ZonaNevek", m.ZonaNevek, own);
    visit("ZonaKodok", m.ZonaKodok, own);
}

} // namespace otthon
