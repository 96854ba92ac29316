#pragma once

#include "platform/ui/ViewElement.h"

#include <QStringList>

namespace otthon {

// A row of segments, one selected (-1: none). Selecting from code never raises selectedByUser().
class SegmentedControl : public otthon::ViewElement {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("View elements are made by their screen")
    Q_PROPERTY(QStringList titles READ titles NOTIFY titlesChanged)
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY selectedIndexChanged)

public:
    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("segmented"); }
    QJsonObject describe() const override;

    QStringList titles() const { return titles_; }
    // A selection beyond the new segments is dropped (-1).
    void setTitles(const QStringList& titles);
    int selectedIndex() const { return selected_; }
    // -1 or an index of a segment; anything else is ignored.
    void setSelectedIndex(int index);

    // The user touched segment `index`. Raises selectedByUser() when the selection changes; returns false for
    // an index outside the segments.
    Q_INVOKABLE bool select(int index);

signals:
    void titlesChanged();
    void selectedIndexChanged();
    void selectedByUser();

private:
    QStringList titles_;
    int selected_ = -1;
};

} // namespace otthon
