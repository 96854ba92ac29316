#include "ReplyPath.h"

#include "link/JsonHttp.h"
#include "pages/ControlPage.h"
#include "pages/PageRegistry.h"
#include "pages/schedule/ScheduleList.h"
#include "pages/schedule/SlotEditor.h"
#include "platform/ui/Picker.h"
#include "support/PageHarness.h"
#include "support/SampleReply.h"

#include <QElapsedTimer>

#include <vector>

namespace otthon::testing {

namespace {

// What the refresh tick does.
void redraw(Screen& screen) {
    if (auto* page = qobject_cast<ControlPage*>(&screen))
        page->INIT();
    if (auto* list = qobject_cast<ScheduleList*>(&screen)) {
        list->Init();
        list->reloadData();
    }
}

// What a view reads of a screen.
qsizetype draw(const Screen& screen) {
    qsizetype read = screen.describe().size();
    for (const QString& name : screen.outletNames())
        if (const auto* wheel = screen.elementAs<Picker>(name))
            for (int row = wheel->selectedRow() - 2; row <= wheel->selectedRow() + 2; ++row)
                read += wheel->title(row).size();
    return read;
}

// Edit mode, then the editor of the first rows and of the last, set as the wheels stand.
void useList(PageHarness& h, ScheduleList& list) {
    list.EditSwitch->toggle(true);
    draw(list);
    list.EditSwitch->toggle(false);
    for (int row = 0, rows = list.List->rowCount(); row < rows;
         row = row < 4 || row >= rows - 1 ? row + 1 : rows - 1) {
        if (!list.List->select(row))
            continue;
        h.scheduler.runDue();
        if (auto* editor = qobject_cast<SlotEditor*>(h.navigation.top())) {
            draw(*editor);
            editor->SetButton->tap();
        }
        h.navigation.back();
        h.scheduler.runDue();
    }
    draw(list);
}

} // namespace

void runReply(QByteArrayView bytes, const ScreenTimes& times) {
    PageHarness h;
    std::vector<std::unique_ptr<Screen>> screens;
    for (const ScreenKind& kind : everyScreen())
        screens.push_back(kind.make(h.context));
    for (const auto& screen : screens)
        screen->loadViewIfNeeded();
    // A usual household first, its last slots chosen in the editors, then the reply.
    h.model().IdopontIndex = 1;
    for (const QByteArray& reply : {sampleReplyBytes(), bytes.toByteArray()}) {
        JsonHttp::send(h.context.link, QString());
        h.transport.reply(h.transport.count() - 1, reply);
        h.scheduler.advance(StatusModel::PageRefreshInterval);
    }
    for (const auto& screen : screens) {
        QElapsedTimer clock;
        clock.start();
        redraw(*screen);
        draw(*screen);
        if (times)
            times(screen->className(), clock.nsecsElapsed());
        if (auto* list = qobject_cast<ScheduleList*>(screen.get()))
            useList(h, *list);
    }
}

} // namespace otthon::testing
