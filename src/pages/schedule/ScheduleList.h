#pragma once

#include "pages/PageContext.h"
#include "pages/schedule/Slot.h"
#include "platform/Scheduler.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Switch.h"
#include "platform/ui/Table.h"

#include <QJsonValue>
#include <QStringView>

namespace otthon {

// What one schedule list states: its names, its document element and columns, its row text and its
// commands. The behaviour is the same for every schedule.
struct ScheduleListKind {
    QStringView restorationIdentifier;
    QStringView background; // Hatterkep
    QStringView editSwitch; // outlet names
    QStringView table;
    ScheduleElement schedule;
    // The row text of slot number `number` (counted from 1).
    QString (*rowText)(qsizetype number, const Slot& slot, const StatusModel& model);
    // The row's second, smaller line: the slot as a clock reads it, or "" for none.
    QString (*rowDetail)(const Slot& slot, const StatusModel& model);
    QString (*addCommand)();
    QString (*deleteCommand)(const Slot& slot);
    QStringView editorTransition;
};

// A schedule list: one row per slot of the schedule element, an edit mode (the switch) with a delete control
// on every slot and an add row below them, and the slot editor opened by selecting a row.
//
// Each row keeps the slot it was built from: a delete sends that slot's values, and the editor opens only on
// the document row that holds the slot now, and only for a slot that may go into a command. The list is
// rebuilt when the editor reports a change, and when a reply has brought a schedule other than the one it was
// built from, or any reply after a local add or delete (looked at whenever an exchange ends, and on its
// refresh tick); a rebuild keeps the edit mode. An add or a delete holds the poll until its reply comes, or
// 3 s at the most.
class ScheduleList : public otthon::Screen {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")
    // Set first: the outlets below are filed under the names it gives.
    const ScheduleListKind& kind_;

    OTTHON_NAMED_OUTLET(Switch, EditSwitch, kind_.editSwitch.toString())
    OTTHON_NAMED_OUTLET(Table, List, kind_.table.toString())
    OTTHON_OUTLET(ImageView, ConnectionImage)

public:
    static constexpr char16_t AddText[] = u"Új időpont hozzáadása";
    static constexpr char16_t CannotAddText[] = u"Időpont nem adható hozzá";
    static constexpr char16_t DeleteTitle[] = u"Törlés";
    static constexpr double SwitchCornerRadius = 16;
    static constexpr double HoldInterval = 3.0;

    ScheduleList(PageContext& context, const ScheduleListKind& kind, QObject* parent = nullptr);

    QString scene() const override {
        return QStringLiteral("qrc:/qt/qml/Otthon/Pages/schedule/ScheduleList.qml");
    }
    void viewDidLoad() override;
    void viewWillDisappear() override { refTimer.stop(); }

    // Rebuilds the rows from the schedule element; enters edit mode when the element is null.
    void Init();
    // Whether a row (shown or added here) holds the placeholder slot: then no slot can be added.
    bool checkPlaceholder() const;
    // A notification: the editor's refresh rebuilds and reloads.
    void checkRes(const QString& name);
    // The edit switch was flipped.
    void editSwitched();
    // The table's data source and delegate.
    void reloadData();
    void didSelectRow(int row);
    void commitEditingStyle(int style, int row);

    bool isEditing() const { return editing_; }

    // Opens the editor of `slot` of `kind`'s schedule, on the document row that holds it now (`documentRow`
    // when it still does): only for a slot that may go into a command and, with zones, whose zone is one of
    // ZonaKodok. A touch on a list row and one on a summary's timeline bar both come here.
    static bool openEditor(PageContext& context, const ScheduleListKind& kind, const Slot& slot,
                           int documentRow);

private:
    struct Row {
        QString text;
        QString detail;
        Slot slot;
        int documentRow; // -1 for a row added here that no reply has shown yet
    };

    void setEditing(bool editing);
    // The refresh tick: follows a reply that changed the schedule, or that answered a local change.
    void followReplies();
    int editingStyle(int row, bool placeholderShown) const;
    // Sends an add or a delete; the poll waits for its reply, or for the hold, whichever ends first.
    void sendChange(const QString& command);

    PageContext& context_;
    QList<Row> rows_;
    QJsonValue builtFrom_;     // the schedule element the rows were built from
    quint64 seenReply_ = 0;    // ReplyCount at the last look
    bool changedHere_ = false; // a row was added or deleted here since
    bool editing_ = false;
    QString Hatterkep;
    ScopedTimer refTimer;
};

} // namespace otthon
