#include "pages/radio/Radio.h"

#include "link/Commands.h"
#include "link/JsonHttp.h"
#include "link/WholeNumber.h"

namespace otthon {

namespace {
// The volume sign after the number.
constexpr char16_t VolumeSign = u'⁒';

// The list entry a station index stands for: an index beyond the list wraps as the wheel's rows do.
// Remainders keep every step within range, whatever the controller sent.
qint64 stationEntry(qint64 station, qsizetype n) {
    return (station % n + n) % n;
}

// The station the controller says is playing.
QString nowPlaying(const StatusModel& m) {
    if (!m.Known())
        return QString();
    if (m.RadioBe == 0)
        return QStringLiteral("A rádió ki van kapcsolva");
    const qsizetype n = m.RadioAdoLista.size();
    if (n == 0)
        return QStringLiteral("A rádió szól");
    return QStringLiteral("Most szól: ") + m.RadioAdoLista.at(stationEntry(m.RadioAdo, n));
}
} // namespace

Radio::Radio(PageContext& context, QObject* parent) : ControlPage(context, QStringLiteral("Rádió"), parent) {
    setSpinner(RadioIndicator);

    // What the layout gives: texts, the volume range, the wheel's data source and the actions.
    RadioHead->setText(QStringLiteral("Rádió"));
    RadioUp->setTitle(QStringLiteral("▲"));
    RadioDown->setTitle(QStringLiteral("▼"));
    RadioPlay->setTitle(QStringLiteral("▶"));
    RadioStop->setTitle(QStringLiteral("■"));
    RadioSlider->setRange(VolumeMinimum, VolumeMaximum);
    RadioAdok->setRowCount(WheelRows);
    RadioAdok->setTitleSource([this](int row) { return titleForRow(row); });
    connect(RadioUp, &Button::tapped, this, &Radio::RadioUpAction);
    connect(RadioDown, &Button::tapped, this, &Radio::RadioDownAction);
    connect(RadioSlider, &Slider::valueChangedByUser, this, &Radio::RadioSliderVolume);
    connect(RadioPlay, &Button::tapped, this, &Radio::PlayVolume);
    connect(RadioStop, &Button::tapped, this, &Radio::Stop);
    connect(RadioAdok, &Picker::pickedByUser, this, &Radio::didSelectRow);
}

void Radio::viewDidLoad() {
    INIT();
    RadioSlider->setRotation(SliderRotation);
    RadioHead->setBackgroundColor(headBackground());
    Hatterkep = QStringLiteral("sound.png");
    drawBackground();
    startRefreshTimer();
}

void Radio::INIT() {
    const StatusModel& m = model();
    if (shownStations_ != m.RadioAdoLista) {
        shownStations_ = m.RadioAdoLista;
        RadioAdok->reloadTitles();
    }
    showConnection();
    for (ViewElement* control : QList<ViewElement*>{RadioUp, RadioDown, RadioVolume, RadioPlay, RadioStop})
        control->setEnabled(m.Connected);
    RadioAdok->setInteractive(m.Connected);
    RadioSlider->setInteractive(m.Connected);
    // The station and the volume of a draft stay as the user set them until play or the page is left.
    if (!m.Draft) {
        RadioSlider->setValue(float(m.RadioHangero));
        if (const int row = rowOfStation(m.RadioAdo, m.RadioAdoLista.size()); row >= 0)
            RadioPicker->selectRow(row);
        context().state.RadioAdoText = selectedStation();
        // A volume of 0 shows its digit too.
        RadioVolume->setText(u' ' + (m.Known() ? QString::number(m.RadioHangero) : QStringLiteral("–")) +
                             VolumeSign);
    }
    RadioMost->setText(nowPlaying(m));
    if (m.RadioBe == 0 && m.Connected)
        RadioStop->setEnabled(false);
    // Without stations there is nothing to play.
    if (m.RadioAdoLista.isEmpty())
        RadioPlay->setEnabled(false);
}

void Radio::stepVolume(float delta) {
    const float value = RadioSlider->value();
    if (delta < 0 ? !(value > RadioSlider->minimum()) : !(value < RadioSlider->maximum()))
        return;
    model().Draft = true;
    RadioSlider->setValue(value + delta);
    showEditedVolume();
    RadioSliderVolume();
}

void Radio::RadioSliderVolume() {
    model().Draft = true;
    showEditedVolume();
}

void Radio::showEditedVolume() {
    RadioVolume->setText(u' ' + wholeText(RadioSlider->value()) + VolumeSign);
}

int Radio::rowOfStation(qint64 station, qsizetype n) {
    if (n <= 0)
        return -1;
    // Row r shows entry r mod n.
    const qint64 entry = stationEntry(station, n);
    const qint64 fromMiddle = WheelMiddle + ((entry - WheelMiddle % n) % n + n) % n;
    if (fromMiddle < WheelRows)
        return int(fromMiddle);
    // More stations than the wheel's lower half holds: the entry's row above the middle, if there is one.
    return fromMiddle - n >= 0 ? int(fromMiddle - n) : -1;
}

QString Radio::titleForRow(int row) const {
    const QStringList& stations = model().RadioAdoLista;
    if (stations.isEmpty() || row < 0)
        return {};
    return stations.at(row % stations.size());
}

QString Radio::selectedStation() const {
    const qsizetype n = model().RadioAdoLista.size();
    const int row = RadioAdok->selectedRow();
    if (n == 0 || row < 0)
        return {};
    return QString::number(qulonglong(row % n));
}

void Radio::didSelectRow() {
    model().Draft = true;
    context().state.RadioAdoText = selectedStation();
}

void Radio::PlayVolume() {
    StatusModel& m = model();
    const QString& station = context().state.RadioAdoText;
    beginSettling(m);
    const QString command = commands::radioOn(RadioSlider->value(), station);
    m.RadioHangero = qint64(RadioSlider->value());
    m.RadioAdo = station.toLongLong();
    m.RadioBe = 1;
    JsonHttp::send(context().link, command);
    beallitas();
}

void Radio::Stop() {
    beginSettling(model());
    beallitas();
    JsonHttp::send(context().link, commands::radioOff());
    model().RadioBe = 0;
}

QList<ViewElement*> Radio::gatedControls() const {
    return {RadioUp, RadioDown, RadioVolume, RadioPlay, RadioStop};
}

QList<ViewElement*> Radio::touchLockedControls() const {
    return {RadioAdok, RadioSlider};
}

} // namespace otthon
