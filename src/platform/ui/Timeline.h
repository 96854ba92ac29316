#pragma once

#include "platform/ui/ViewElement.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

namespace otthon {

// One bar of a day's timeline: a lane, the minutes it covers (from midnight, 0 to 1440, `to` not included),
// whether another bar claimed one of its minutes first, and whether it goes on past midnight.
struct TimelineBar {
    int lane = 0; // index into the element's lanes
    int from = 0;
    int to = 0;
    bool clash = false;
    bool continues = false;

    bool operator==(const TimelineBar&) const = default;
};

// A day from 0:00 to 24:00 in lanes, with bars on them and a mark at the current minute; optionally a total
// set against a required amount. A touch on a bar raises barTapped with the bar's index.
class Timeline : public otthon::ViewElement {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("View elements are made by their screen")
    Q_PROPERTY(QStringList lanes READ lanes NOTIFY barsChanged)
    // Each {"lane": index, "from", "to", "clash", "continues"}.
    Q_PROPERTY(QVariantList bars READ barList NOTIFY barsChanged)
    Q_PROPERTY(int now READ now NOTIFY nowChanged)
    Q_PROPERTY(double total READ total NOTIFY barsChanged)
    Q_PROPERTY(double required READ required NOTIFY barsChanged)

public:
    static constexpr int DayMinutes = 1440;

    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("timeline"); }
    // Adds "lanes", "now", "bars" (each {"lane": its lane's name, "from", "to", "clash"}, and
    // "continues": true for one that goes on past midnight) and, with a required amount, "total" and
    // "required".
    QJsonObject describe() const override;

    const QStringList& lanes() const { return lanes_; }
    const QList<TimelineBar>& bars() const { return bars_; }
    QVariantList barList() const;
    int barCount() const { return int(bars_.size()); }
    void setBars(const QStringList& lanes, const QList<TimelineBar>& bars);
    int now() const { return now_; }
    void setNow(int minute);
    double total() const { return total_; }
    double required() const { return required_; }
    // Nothing required (0): no total is shown.
    void setTotal(double total, double required);

    // The user touched bar `bar`: raises barTapped(bar). Ignored outside the bars.
    Q_INVOKABLE bool tap(int bar);

signals:
    void barsChanged();
    void nowChanged();
    void barTapped(int bar);

private:
    QStringList lanes_;
    QList<TimelineBar> bars_;
    int now_ = 0;
    double total_ = 0;
    double required_ = 0;
};

} // namespace otthon
