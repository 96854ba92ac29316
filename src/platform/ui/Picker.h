#pragma once

#include "platform/ui/ViewElement.h"

#include <functional>

namespace otthon {

// A picker wheel of one component. Its row titles come from the page through a title source; the page calls
// reloadTitles() when they change. Selecting from code never raises pickedByUser().
class Picker : public otthon::ViewElement {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("View elements are made by their screen")
    Q_PROPERTY(int rowCount READ rowCount NOTIFY rowCountChanged)
    Q_PROPERTY(int selectedRow READ selectedRow NOTIFY selectedRowChanged)
    // Bumped by every reloadTitles(): QML reads it in the bindings that call title(), so that they
    // re-evaluate.
    Q_PROPERTY(int titlesRevision READ titlesRevision NOTIFY titlesChanged)

public:
    using TitleSource = std::function<QString(int row)>;
    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("picker"); }
    // Adds "row" (the selected row, -1 with no rows) and "title" (its title).
    QJsonObject describe() const override;

    int rowCount() const { return rowCount_; }
    // The selection moves to row 0 when rows appear, and to the last row when it falls off the end.
    void setRowCount(int count);
    int selectedRow() const { return selected_; }
    // Selects a row from code; a row outside the wheel is ignored.
    void selectRow(int row);

    void setTitleSource(TitleSource source);
    void reloadTitles();
    int titlesRevision() const { return titlesRevision_; }
    // The title of `row`; empty outside the wheel or without a source.
    Q_INVOKABLE QString title(int row) const;

    // The wheel came to rest on `row` after the user turned it. Raises pickedByUser(row) even when the row is
    // the one already selected; returns false for a row outside the wheel.
    Q_INVOKABLE bool pick(int row);

signals:
    void rowCountChanged();
    void selectedRowChanged();
    void titlesChanged();
    void pickedByUser(int row);

private:
    int rowCount_ = 0;
    int selected_ = -1;
    int titlesRevision_ = 0;
    TitleSource source_;
};

} // namespace otthon
