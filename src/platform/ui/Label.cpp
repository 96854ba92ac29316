#include "platform/ui/Label.h"

namespace otthon {

QJsonObject Label::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("text", text_);
    return d;
}

void Label::setText(const QString& text) {
    if (text_ == text)
        return;
    text_ = text;
    emit textChanged();
}

} // namespace otthon
