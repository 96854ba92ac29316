#pragma once

#include "pages/ControlPage.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Picker.h"
#include "platform/ui/Slider.h"

namespace otthon {

// The radio: a station wheel over the controller's station list, an upright volume slider with up and down,
// and play (station and volume together) and stop. Editing sends nothing; play and stop send their command
// and hold the page for 3 s, and the end of the hold redraws it.
//
// While the station list is empty the wheel has no names, no station is chosen and play stays disabled.
class Radio : public otthon::ControlPage {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")
    // One wheel serves as both outlets: INIT positions it as RadioPicker and reads it back as RadioAdok.
    OTTHON_OUTLET(Picker, RadioAdok)
    OTTHON_OUTLET_ALIAS(RadioPicker, RadioAdok)
    OTTHON_OUTLET(Slider, RadioSlider)
    OTTHON_OUTLET(Label, RadioVolume)
    // The station playing, or that the radio is off.
    OTTHON_OUTLET(Label, RadioMost)
    OTTHON_OUTLET(Button, RadioUp)
    OTTHON_OUTLET(Button, RadioDown)
    OTTHON_OUTLET(Button, RadioPlay)
    OTTHON_OUTLET(Button, RadioStop)
    OTTHON_OUTLET(ActivityIndicator, RadioIndicator)
    OTTHON_OUTLET(Label, RadioHead)

public:
    // The wheel's rows, and the middle row near which it opens.
    static constexpr int WheelRows = 1200;
    static constexpr int WheelMiddle = 600;
    // The volume range of the slider: what the controller accepts.
    static constexpr float VolumeMinimum = 0;
    static constexpr float VolumeMaximum = 100;
    static constexpr double SliderRotation = 270;

    explicit Radio(PageContext& context, QObject* parent = nullptr);

    QString className() const override { return QStringLiteral("Radio"); }
    QString scene() const override { return QStringLiteral("qrc:/qt/qml/Otthon/Pages/radio/Radio.qml"); }
    void viewDidLoad() override;
    void INIT() override;
    // The radio's hold only locks the page: play and stop send their commands themselves.
    void beallitas() override { startHold(); }

    // The controls' actions.
    void RadioUpAction() { stepVolume(1.0f); }
    void RadioDownAction() { stepVolume(-1.0f); }
    void RadioSliderVolume();
    void PlayVolume();
    void Stop();

    // The row the wheel opens on for `station` among `n` entries: the first row from WheelMiddle on whose
    // entry it is (row WheelMiddle + station whenever n divides WheelMiddle); -1 when no row shows it.
    static int rowOfStation(qint64 station, qsizetype n);

    // The wheel's data source and delegate.
    QString titleForRow(int row) const;
    void didSelectRow();

protected:
    QList<Label*> valueLabels() const override { return {RadioVolume, RadioMost}; }
    bool* readyFlag() override { return &context().state.RadioReady; }
    QList<ViewElement*> gatedControls() const override;
    QList<ViewElement*> touchLockedControls() const override;
    void afterHold() override { INIT(); }

private:
    void stepVolume(float delta);
    void showEditedVolume();
    // The station index of the wheel's selected row, as text; empty while there are no stations.
    QString selectedStation() const;

    QStringList shownStations_; // the list the wheel's titles were last loaded from
};

} // namespace otthon
