#include "pages/schedule/SlotEditor.h"

#include "link/JsonHttp.h"
#include "platform/ui/NotificationCenter.h"

#include <QPointer>

namespace otthon {

namespace {
// Row r of an hour or minute wheel shows entry r modulo the list's length, whose entry k holds k + 1: the row
// offset + v shows v. A zone wheel's list is in natural order.
constexpr int NumberOffset = 599;
constexpr int NameOffset = 600;
} // namespace

SlotEditor::SlotEditor(PageContext& context, const SlotEditorKind& kind, QObject* parent)
    : ControlPage(context, kind.restorationIdentifier.toString(), parent), kind_(kind) {
    setSpinner(Spinner);
    // What the layout gives: the wheels with their tags and data source, the button's title and action.
    for (const SlotWheel& slotWheel : kind.wheels) {
        auto* wheel = makeOutlet<Picker>(slotWheel.outlet.toString());
        wheel->setTag(slotWheel.tag);
        wheel->setRowCount(WheelRows);
        wheel->setTitleSource([this, wheel](int row) { return titleForRow(wheel->tag(), row); });
        wheels_.append(wheel);
    }
    SetButton->setTitle(kind.setTitle.toString());
    connect(SetButton, &Button::tapped, this, &SlotEditor::beallitas);
}

void SlotEditor::viewDidLoad() {
    INIT();
    Hatterkep = kind_.background.toString();
    drawBackground();
}

int SlotEditor::wheelRow(qint64 value, int length, int offset) {
    if (length <= 0)
        return offset;
    return offset + int((value % length + length) % length);
}

Picker* SlotEditor::wheel(SlotPart part) const {
    for (qsizetype i = 0; i < wheels_.size(); ++i)
        if (kind_.wheels[size_t(i)].part == part)
            return wheels_.at(i);
    return nullptr;
}

void SlotEditor::INIT() {
    const StatusModel& m = model();
    const Schedule schedule(m.StatusDocument, kind_.schedule.element);
    const qint64 index = m.IdopontIndex;
    documentRow_ = index >= 0 && index < schedule.size() ? int(index) : -1;
    shown_ = schedule.slot(documentRow_, kind_.schedule.columns);
    sendable_ = documentRow_ >= 0 && shown_.isSendable();
    for (qsizetype i = 0; i < wheels_.size(); ++i) {
        int row = NumberOffset;
        switch (kind_.wheels[size_t(i)].part) {
        case SlotPart::Zone: {
            const qsizetype zone = m.ZonaKodok.indexOf(shown_.zone);
            sendable_ = sendable_ && zone >= 0;
            row = wheelRow(std::max<qsizetype>(zone, 0), int(m.ZonaNevek.size()), NameOffset);
            break;
        }
        case SlotPart::Hour:
            row = wheelRow(shown_.hour(), HourCount, NumberOffset);
            break;
        case SlotPart::Minute:
            row = wheelRow(shown_.minute(), MinuteCount, NumberOffset);
            break;
        case SlotPart::Duration:
            row = wheelRow(integerOfText(shown_.duration), MinuteCount, NumberOffset);
            break;
        }
        wheels_.at(i)->selectRow(row);
    }
    if (!sendable_) {
        SetButton->setEnabled(false);
        for (Picker* wheel : wheels_)
            wheel->setInteractive(false);
    }
}

QString SlotEditor::titleForRow(int tag, int row) const {
    const StatusModel& m = model();
    const QStringList* list = nullptr;
    if (tag == 0)
        list = &(m.*kind_.tagZeroTitles);
    else if (tag == 1 || tag == 3)
        list = &m.PercLista;
    else if (tag == 2)
        list = &m.OraLista;
    if (!list || list->isEmpty() || row < 0)
        return {};
    return list->at(row % list->size());
}

QString SlotEditor::entry(const QStringList& list, SlotPart part) const {
    const Picker* picker = wheel(part);
    const int modulus = part == SlotPart::Hour   ? HourCount
                        : part == SlotPart::Zone ? int(model().ZonaNevek.size())
                                                 : MinuteCount;
    if (!picker || picker->selectedRow() < 0 || modulus <= 0)
        return {};
    return list.value(picker->selectedRow() % modulus);
}

Slot SlotEditor::chosen() const {
    const StatusModel& m = model();
    return {wheel(SlotPart::Zone) ? entry(m.ZonaKodok, SlotPart::Zone) : shown_.zone,
            entry(m.OraLista, SlotPart::Hour) + u':' + entry(m.PercLista, SlotPart::Minute),
            entry(m.PercLista, SlotPart::Duration)};
}

void SlotEditor::beallitas() {
    if (!sendable_)
        return;
    startHold();
    StatusModel& m = model();
    beginSettling(m);
    const Slot now = chosen();
    const QString command = kind_.updateCommand(now, shown_);
    // The list shows the change at once; the next reply replaces it with the controller's own.
    const SlotColumns& columns = kind_.schedule.columns;
    documentRow_ = Schedule(m.StatusDocument, kind_.schedule.element).find(shown_, columns, documentRow_);
    if (documentRow_ >= 0) {
        m.StatusDocument.set(kind_.schedule.element, documentRow_, columns.start, now.start);
        m.StatusDocument.set(kind_.schedule.element, documentRow_, columns.duration, now.duration);
        if (columns.zone >= 0)
            m.StatusDocument.set(kind_.schedule.element, documentRow_, columns.zone, now.zone);
    }
    const Slot old = std::exchange(shown_, now);
    context().notifications.post(kind_.schedule.refreshNotification.toString(), this);
    QPointer<SlotEditor> editor(this);
    JsonHttp::send(context().link, command, [editor, old, link = context().link](bool answered) {
        endSettling(link);
        if (!answered && editor)
            editor->shown_ = old;
    });
}

QList<ViewElement*> SlotEditor::touchLockedControls() const {
    return {wheels_.begin(), wheels_.end()};
}

QQmlListProperty<Picker> SlotEditor::wheelList() {
    using List = QQmlListProperty<Picker>;
    return List(
        this, &wheels_, [](List* list) { return static_cast<QList<Picker*>*>(list->data)->size(); },
        [](List* list, qsizetype row) { return static_cast<QList<Picker*>*>(list->data)->at(row); });
}

QStringList SlotEditor::wheelCaptions() const {
    QStringList captions;
    for (const SlotWheel& slotWheel : kind_.wheels)
        captions.append(slotWheel.caption.toString());
    return captions;
}

} // namespace otthon
