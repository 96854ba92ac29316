#include "platform/ui/SegmentedControl.h"

namespace otthon {

QJsonObject SegmentedControl::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("selected", selected_);
    return d;
}

void SegmentedControl::setTitles(const QStringList& titles) {
    if (titles_ != titles) {
        titles_ = titles;
        emit titlesChanged();
    }
    if (selected_ >= titles_.size())
        setSelectedIndex(-1);
}

void SegmentedControl::setSelectedIndex(int index) {
    if (index < -1 || index >= titles_.size() || index == selected_)
        return;
    selected_ = index;
    emit selectedIndexChanged();
}

bool SegmentedControl::select(int index) {
    if (!acceptsGestures() || index < 0 || index >= titles_.size())
        return false;
    if (index != selected_) {
        setSelectedIndex(index);
        emit selectedByUser();
    }
    return true;
}

} // namespace otthon
