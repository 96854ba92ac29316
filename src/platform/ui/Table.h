#pragma once

#include "platform/ui/ViewElement.h"

#include <QAbstractListModel>
#include <QList>

namespace otthon {

// One row of a table as the page fills it in.
struct TableRow {
    enum class Accessory { None, Disclosure };
    QString text;
    QString detail;
    Accessory accessory = Accessory::None;
    // The editing control the row shows in edit mode: a Table::EditStyle.
    int style = 0;

    bool operator==(const TableRow&) const = default;
};

// The rows as a list model for QML views, with the roles text, detail, accessory ("none" | "disclosure")
// and style ("none" | "delete" | "insert"). A reload reports only the rows that changed, so a view keeps its
// place and makes delegates only for the rows it shows.
class TableRowModel : public QAbstractListModel {
public:
    enum Role { Text = Qt::UserRole + 1, Detail, Accessory, Style };
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QList<TableRow>& rows() const { return rows_; }
    void setRows(const QList<TableRow>& rows);

private:
    QList<TableRow> rows_;
};

// A list of one section. The page sets the rows whenever it reloads; QML shows `model`. In edit mode each row
// shows the control of its style, and rows cannot be selected unless allowsSelectionDuringEditing is set.
class Table : public otthon::ViewElement {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("View elements are made by their screen")
    Q_PROPERTY(QAbstractItemModel* model READ model CONSTANT)
    Q_PROPERTY(bool editing READ isEditing NOTIFY editingChanged)
    Q_PROPERTY(
        QString deleteConfirmationTitle READ deleteConfirmationTitle NOTIFY deleteConfirmationTitleChanged)

public:
    enum EditStyle { None = 0, Delete = 1, Insert = 2 };
    Q_ENUM(EditStyle)

    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("table"); }
    // Adds "editing" and "rows" (each {"text", "detail", "accessory": null | "disclosure", "style"}).
    QJsonObject describe() const override;

    const QList<TableRow>& rows() const { return model_.rows(); }
    int rowCount() const { return int(rows().size()); }
    void setRows(const QList<TableRow>& rows);
    QAbstractItemModel* model() { return &model_; }
    bool isEditing() const { return editing_; }
    void setEditing(bool editing);
    QString deleteConfirmationTitle() const { return deleteTitle_; }
    void setDeleteConfirmationTitle(const QString& title);
    bool allowsSelectionDuringEditing() const { return selectDuringEditing_; }
    void setAllowsSelectionDuringEditing(bool allows) { selectDuringEditing_ = allows; }

    // The user touched row `row`: raises rowSelected(row). Ignored outside the rows, and in edit mode unless
    // selection during editing is allowed.
    Q_INVOKABLE bool select(int row);
    // The user confirmed the editing control of `row` (the insert control, or the delete confirmation
    // button): raises rowCommitted(row, style). Only in edit mode, and only with the style the row shows.
    Q_INVOKABLE bool commit(int row, int style);

signals:
    void rowsChanged();
    void editingChanged();
    void deleteConfirmationTitleChanged();
    void rowSelected(int row);
    void rowCommitted(int row, int style);

private:
    TableRowModel model_;
    bool editing_ = false;
    bool selectDuringEditing_ = false;
    QString deleteTitle_;
};

} // namespace otthon
