#include "pages/schedule/ScheduleList.h"

#include "link/JsonHttp.h"
#include "link/LinkEvents.h"
#include "pages/ConnectionImage.h"
#include "platform/ui/Navigation.h"
#include "platform/ui/NotificationCenter.h"

namespace otthon {

ScheduleList::ScheduleList(PageContext& context, const ScheduleListKind& kind, QObject* parent)
    : Screen(kind.restorationIdentifier.toString(), parent), kind_(kind), context_(context) {
    // What the layout gives: the delete button's title and the actions.
    List->setDeleteConfirmationTitle(QString::fromUtf16(DeleteTitle));
    connect(EditSwitch, &Switch::toggledByUser, this, &ScheduleList::editSwitched);
    connect(List, &Table::rowSelected, this, &ScheduleList::didSelectRow);
    connect(List, &Table::rowCommitted, this, [this](int row, int style) { commitEditingStyle(style, row); });
}

void ScheduleList::viewDidLoad() {
    const QString refresh = kind_.schedule.refreshNotification.toString();
    context_.notifications.removeObserver(this, refresh);
    context_.notifications.addObserver(this, refresh,
                                       [this](const QString& name, QObject*) { checkRes(name); });
    Init();
    Hatterkep = kind_.background.toString();
    EditSwitch->setCornerRadius(SwitchCornerRadius);
    setBackground(Hatterkep);
    reloadData();
    Scheduler& scheduler = context_.scheduler();
    refTimer = ScopedTimer(
        scheduler, scheduler.start(StatusModel::PageRefreshInterval, true, [this] { followReplies(); }));
    followConnection(*this, ConnectionImage, context_);
    connect(&context_.link.events, &LinkEvents::exchangeEnded, this, &ScheduleList::followReplies);
}

void ScheduleList::Init() {
    const StatusModel& model = context_.model();
    rows_.clear();
    builtFrom_ = model.StatusDocument.at(kind_.schedule.element);
    seenReply_ = model.ReplyCount;
    changedHere_ = false;
    const Schedule schedule(model.StatusDocument, kind_.schedule.element);
    if (schedule.isNull()) {
        setEditing(true);
        EditSwitch->setOn(true);
        return;
    }
    rows_.reserve(schedule.size());
    for (int i = 0; i < schedule.size(); ++i) {
        const Slot slot = schedule.slot(i, kind_.schedule.columns);
        rows_.append({kind_.rowText(i + 1, slot, model), kind_.rowDetail(slot, model), slot, i});
    }
}

void ScheduleList::followReplies() {
    const StatusModel& model = context_.model();
    if (model.ReplyCount == seenReply_)
        return;
    seenReply_ = model.ReplyCount;
    if (!changedHere_ && model.StatusDocument.at(kind_.schedule.element) == builtFrom_)
        return;
    Init();
    reloadData();
}

bool ScheduleList::checkPlaceholder() const {
    const Slot placeholder = Slot::placeholder(kind_.schedule.placeholderZone);
    for (const Row& row : rows_)
        if (row.slot == placeholder)
            return true;
    return false;
}

void ScheduleList::checkRes(const QString& name) {
    if (name != kind_.schedule.refreshNotification)
        return;
    Init();
    reloadData();
}

void ScheduleList::setEditing(bool editing) {
    editing_ = editing;
    List->setEditing(editing);
}

void ScheduleList::editSwitched() {
    setEditing(EditSwitch->isOn());
    reloadData();
}

int ScheduleList::editingStyle(int row, bool placeholderShown) const {
    if (!editing_ || row < 0 || row > int(rows_.size()))
        return Table::None;
    if (row < int(rows_.size()))
        return rows_.at(row).slot.isSendable() ? Table::Delete : Table::None;
    return placeholderShown ? Table::None : Table::Insert;
}

void ScheduleList::reloadData() {
    const bool placeholderShown = checkPlaceholder();
    QList<TableRow> rows;
    rows.reserve(rows_.size() + 1);
    for (int i = 0; i < int(rows_.size()); ++i)
        rows.append({rows_.at(i).text, rows_.at(i).detail, TableRow::Accessory::Disclosure,
                     editingStyle(i, placeholderShown)});
    if (editing_)
        rows.append({QString::fromUtf16(placeholderShown ? CannotAddText : AddText),
                     {},
                     TableRow::Accessory::None,
                     editingStyle(int(rows_.size()), placeholderShown)});
    List->setRows(rows);
}

void ScheduleList::didSelectRow(int row) {
    if (row < 0 || row >= int(rows_.size()))
        return;
    openEditor(context_, kind_, rows_.at(row).slot, rows_.at(row).documentRow);
}

bool ScheduleList::openEditor(PageContext& context, const ScheduleListKind& kind, const Slot& slot,
                              int documentRow) {
    if (!slot.isSendable())
        return false;
    StatusModel& model = context.model();
    // A zone that is not one of the codes has no place on the editor's zone wheel.
    if (kind.schedule.columns.zone >= 0 && !model.ZonaKodok.contains(slot.zone))
        return false;
    const int found =
        Schedule(model.StatusDocument, kind.schedule.element).find(slot, kind.schedule.columns, documentRow);
    if (found < 0)
        return false;
    context.navigation.perform(kind.editorTransition.toString());
    model.IdopontIndex = found;
    return true;
}

void ScheduleList::commitEditingStyle(int style, int row) {
    StatusModel& model = context_.model();
    if (style == Table::Insert && row == int(rows_.size())) {
        const Slot added = Slot::placeholder(kind_.schedule.placeholderZone);
        rows_.append({kind_.rowText(row + 1, added, model), kind_.rowDetail(added, model), added, -1});
        changedHere_ = true;
        sendChange(kind_.addCommand());
        EditSwitch->setOn(false);
        setEditing(false);
        reloadData();
    } else if (style == Table::Delete && row >= 0 && row < int(rows_.size()) &&
               rows_.at(row).slot.isSendable()) {
        const Row deleted = rows_.takeAt(row);
        changedHere_ = true;
        sendChange(kind_.deleteCommand(deleted.slot));
        reloadData();
    }
}

void ScheduleList::sendChange(const QString& command) {
    const Link link = context_.link;
    beginSettling(link.model);
    // Not the list's own timer: the hold ends also when the list has gone.
    const TimerId hold = link.scheduler.after(HoldInterval, [link] { endSettling(link); });
    JsonHttp::send(link, command, [link, hold](bool) {
        link.scheduler.invalidate(hold);
        endSettling(link);
    });
}

} // namespace otthon
