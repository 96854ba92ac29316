#include "platform/ui/Label.h"

namespace otthon {

QJsonObject Label::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("text", text_);
    if (stale_)
        d.insert("stale", true);
    return d;
}

void Label::setText(const QString& text) {
    if (text_ == text)
        return;
    text_ = text;
    emit textChanged();
}

void Label::setStale(bool stale) {
    if (stale_ == stale)
        return;
    stale_ = stale;
    emit staleChanged();
}

} // namespace otthon
