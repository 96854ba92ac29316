#include "platform/ui/Picker.h"

#include <algorithm>

namespace otthon {

QJsonObject Picker::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("row", selected_);
    d.insert("title", title(selected_));
    return d;
}

void Picker::setRowCount(int count) {
    count = std::max(count, 0);
    if (count != rowCount_) {
        rowCount_ = count;
        emit rowCountChanged();
    }
    const int selected = count == 0 ? -1 : std::clamp(selected_, 0, count - 1);
    if (selected != selected_) {
        selected_ = selected;
        emit selectedRowChanged();
    }
}

void Picker::selectRow(int row) {
    if (row < 0 || row >= rowCount_ || row == selected_)
        return;
    selected_ = row;
    emit selectedRowChanged();
}

void Picker::setTitleSource(TitleSource source) {
    source_ = std::move(source);
    reloadTitles();
}

void Picker::reloadTitles() {
    ++titlesRevision_;
    emit titlesChanged();
}

QString Picker::title(int row) const {
    if (!source_ || row < 0 || row >= rowCount_)
        return {};
    return source_(row);
}

bool Picker::pick(int row) {
    if (!acceptsGestures() || row < 0 || row >= rowCount_)
        return false;
    selectRow(row);
    emit pickedByUser(row);
    return true;
}

} // namespace otthon
