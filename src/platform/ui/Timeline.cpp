#include "platform/ui/Timeline.h"

#include <QJsonArray>
#include <QVariantMap>

#include <algorithm>

namespace otthon {

QJsonObject Timeline::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("lanes", QJsonArray::fromStringList(lanes_));
    d.insert("now", now_);
    QJsonArray bars;
    for (const TimelineBar& bar : bars_) {
        QJsonObject shown{
            {"lane", lanes_.value(bar.lane)}, {"from", bar.from}, {"to", bar.to}, {"clash", bar.clash}};
        if (bar.continues)
            shown.insert("continues", true);
        bars.append(shown);
    }
    d.insert("bars", bars);
    if (required_ > 0) {
        d.insert("total", total_);
        d.insert("required", required_);
    }
    return d;
}

QVariantList Timeline::barList() const {
    QVariantList list;
    list.reserve(bars_.size());
    for (const TimelineBar& bar : bars_)
        list.append(QVariantMap{{"lane", bar.lane},
                                {"from", bar.from},
                                {"to", bar.to},
                                {"clash", bar.clash},
                                {"continues", bar.continues}});
    return list;
}

void Timeline::setBars(const QStringList& lanes, const QList<TimelineBar>& bars) {
    if (lanes_ == lanes && bars_ == bars)
        return;
    lanes_ = lanes;
    bars_ = bars;
    emit barsChanged();
}

void Timeline::setNow(int minute) {
    minute = std::clamp(minute, 0, DayMinutes);
    if (now_ == minute)
        return;
    now_ = minute;
    emit nowChanged();
}

void Timeline::setTotal(double total, double required) {
    if (total_ == total && required_ == required)
        return;
    total_ = total;
    required_ = required;
    emit barsChanged();
}

bool Timeline::tap(int bar) {
    if (!acceptsGestures() || bar < 0 || bar >= barCount())
        return false;
    emit barTapped(bar);
    return true;
}

} // namespace otthon
