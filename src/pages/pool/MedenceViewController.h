#pragma once

#include "pages/ControlPage.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/SegmentedControl.h"

namespace otthon {

// The pool page: the water temperature, the circulation switched off or on with one command, and the buttons
// to the schedule list and the circulation summary. A redraw while a command is settling enables its controls
// again, and the on/off control shows the model only when the page loads (or, opened before the first reply,
// when the first comes).
class MedenceViewController : public otthon::ControlPage {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")
    OTTHON_OUTLET(Label, MedenceTMP)
    // One control serves as both outlets: the user switches it as MedenceOnOff, the page gates it as
    // MedenceKiBe.
    OTTHON_OUTLET(SegmentedControl, MedenceOnOff)
    OTTHON_OUTLET_ALIAS(MedenceKiBe, MedenceOnOff)
    OTTHON_OUTLET(Button, MedenceOsszefoglalas)
    OTTHON_OUTLET(Button, MedenceBeallitas)
    OTTHON_OUTLET(ActivityIndicator, MedenceSpiner)

public:
    // The screens the two buttons open.
    static constexpr char16_t SummaryScreen[] = u"MedenceOsszefoglalas";
    static constexpr char16_t ScheduleScreen[] = u"MedenceTabla";

    explicit MedenceViewController(PageContext& context, QObject* parent = nullptr);

    QString scene() const override {
        return QStringLiteral("qrc:/qt/qml/Otthon/Pages/pool/MedenceViewController.qml");
    }
    void viewDidLoad() override;
    void INIT() override;
    // The on/off control's action.
    void MedenceOnOffAction() { beallitas(); }

protected:
    QList<Label*> valueLabels() const override { return {MedenceTMP}; }
    bool redrawKeepsHold() const override { return false; }
    bool* readyFlag() override { return &context().state.MedenceReady; }
    QList<ViewElement*> gatedControls() const override {
        return {MedenceOsszefoglalas, MedenceBeallitas, MedenceKiBe};
    }
    QString formCommand() override;
    void writeOptimistic() override { model().MedenceBe = on_; }

private:
    bool on_ = true; // the value read for the command being sent
};

} // namespace otthon
