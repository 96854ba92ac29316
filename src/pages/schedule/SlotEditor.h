#pragma once

#include "pages/ControlPage.h"
#include "pages/schedule/Slot.h"
#include "platform/ui/Button.h"
#include "platform/ui/Picker.h"

#include <QQmlListProperty>
#include <QStringList>
#include <QStringView>

#include <span>

namespace otthon {

// The part of a slot a wheel shows and sets.
enum class SlotPart { Zone, Hour, Minute, Duration };

// One wheel of a slot editor: its outlet name, its tag (which list titles its rows), what it shows, and the
// caption the layout puts over it.
struct SlotWheel {
    QStringView outlet;
    int tag;
    SlotPart part;
    QStringView caption;
};

// What one slot editor states: its names, its document element and columns, its wheels and the command that
// sends a change. The behaviour is the same for every schedule.
struct SlotEditorKind {
    QStringView restorationIdentifier;
    QStringView background; // Hatterkep
    QStringView spinner;    // outlet names
    QStringView setButton;
    QStringView setTitle;
    ScheduleElement schedule;
    std::span<const SlotWheel> wheels; // in layout order
    QStringList StatusModel::*tagZeroTitles;
    bool AppState::*ready;
    // The command: the new values as the wheels give them, then the slot as it was.
    QString (*updateCommand)(const Slot& now, const Slot& old);
};

// A slot editor: one wheel of 1,200 wrapping rows per field of the slot chosen in the list (IdopontIndex),
// and a set button that sends the change, writes it into the kept document, tells the list and holds the
// controls for 3 s. The poll waits for the command until its reply comes or the hold ends, whichever is
// first. A change that cannot be delivered leaves the editor on the slot as the controller has it, so that
// "Beállít" sends it again.
//
// The editor edits the slot it showed when it loaded: the command carries that slot's values, and the
// document row that holds them now takes the change. A missing slot, or one that may not go into a command,
// leaves the wheels locked and the set button disabled.
class SlotEditor : public otthon::ControlPage {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")
    Q_PROPERTY(QQmlListProperty<otthon::Picker> wheels READ wheelList CONSTANT)
    Q_PROPERTY(QStringList wheelCaptions READ wheelCaptions CONSTANT)
    // Set first: the outlets below are filed under the names it gives.
    const SlotEditorKind& kind_;

    OTTHON_NAMED_OUTLET(ActivityIndicator, Spinner, kind_.spinner.toString())
    OTTHON_NAMED_OUTLET(Button, SetButton, kind_.setButton.toString())

public:
    static constexpr int WheelRows = 1200;
    static constexpr int HourCount = 24;
    static constexpr int MinuteCount = 60;

    SlotEditor(PageContext& context, const SlotEditorKind& kind, QObject* parent = nullptr);

    QString scene() const override {
        return QStringLiteral("qrc:/qt/qml/Otthon/Pages/schedule/SlotEditor.qml");
    }
    void viewDidLoad() override;
    void INIT() override;
    void beallitas() override;

    // The row that shows `value` on a wheel over a list of `length` entries whose entry k holds k + 1
    // (`offset` 599) or k (`offset` 600): offset + value modulo length, for any value.
    static int wheelRow(qint64 value, int length, int offset);
    // The wheels' data source: the title of `row` on a wheel of tag `tag`.
    QString titleForRow(int tag, int row) const;
    Picker* wheel(SlotPart part) const;
    // The wheels in layout order, for QML to show (not to change).
    QQmlListProperty<Picker> wheelList();
    QStringList wheelCaptions() const;

protected:
    bool* readyFlag() override { return &(context().state.*kind_.ready); }
    QList<ViewElement*> gatedControls() const override { return {SetButton}; }
    QList<ViewElement*> touchLockedControls() const override;

private:
    // The slot the wheels stand for now.
    Slot chosen() const;
    QString entry(const QStringList& list, SlotPart part) const;

    QList<Picker*> wheels_;
    Slot shown_;           // the slot as it was when the editor loaded, or last set
    int documentRow_ = -1; // where it stood
    bool sendable_ = false;
};

} // namespace otthon
