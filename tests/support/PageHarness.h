#pragma once

#include "link/ChoiceLists.h"
#include "link/LinkEvents.h"
#include "pages/PageContext.h"
#include "pages/PageRegistry.h"
#include "platform/VirtualScheduler.h"
#include "platform/ui/AlertCenter.h"
#include "platform/ui/Navigation.h"
#include "platform/ui/NotificationCenter.h"
#include "platform/ui/Table.h"
#include "support/FakeHttpTransport.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <memory>

namespace otthon::testing {

// The process-wide state and the services a page needs, on virtual time and a fake transport.
struct PageHarness {
    static constexpr char Base[] = "http://controller.test:670/LomaViro/Lomaviro.php";

    VirtualScheduler scheduler;
    FakeHttpTransport transport;
    AlertCenter alerts;
    NotificationCenter notifications;
    Navigation navigation{scheduler};
    AppState state{QString::fromLatin1(Base)};
    LinkEvents events;
    PageContext context{state, Link{state.model, transport, alerts, scheduler, events}, notifications,
                        navigation};

    explicit PageHarness(bool connected = false) {
        buildChoiceLists(state.model);
        registerPages(navigation, context);
        // Connected: a reply has come, so the model's values are the controller's word.
        state.model.Connected = connected;
        state.model.ReplyCount = connected ? 1 : 0;
    }

    StatusModel& model() { return state.model; }
    // The link's state changed without an exchange of the test's: the screens follow as after one.
    void linkChanged() { emit events.exchangeEnded(); }

    // Every command sent so far, in order ("" for a poll).
    QStringList sent() const {
        QStringList commands;
        for (int i = 0; i < transport.count(); ++i)
            commands.append(transport.url(i).toString(QUrl::FullyEncoded).mid(int(qstrlen(Base))));
        return commands;
    }

    template <class Page> std::unique_ptr<Page> load() {
        auto page = std::make_unique<Page>(context);
        page->loadViewIfNeeded();
        return page;
    }
};

// A list's rows: their texts, or their editing styles.
inline QStringList texts(const Table& table) {
    QStringList rows;
    for (const TableRow& row : table.rows())
        rows.append(row.text);
    return rows;
}
inline QList<int> styles(const Table& table) {
    QList<int> rows;
    for (const TableRow& row : table.rows())
        rows.append(row.style);
    return rows;
}

} // namespace otthon::testing
