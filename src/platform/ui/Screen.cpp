#include "platform/ui/Screen.h"

#include "platform/ui/Navigation.h"

#include <QQmlEngine>

namespace otthon {

Screen::Screen(QString restorationIdentifier, QObject* parent)
    : QObject(parent), restorationIdentifier_(std::move(restorationIdentifier)) {}

QString Screen::className() const {
    return classNameOf(*metaObject());
}

QString Screen::classNameOf(const QMetaObject& type) {
    const QString name = QString::fromLatin1(type.className());
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

void Screen::setBackground(const QString& resourceName) {
    if (background_ == resourceName)
        return;
    background_ = resourceName;
    emit backgroundChanged();
}

void Screen::addOutlet(const QString& name, ViewElement* element) {
    if (!element)
        return;
    element->setParent(this);
    element->setObjectName(name);
    // QML gets the element through outlet(); it must never collect it.
    QQmlEngine::setObjectOwnership(element, QQmlEngine::CppOwnership);
    for (auto& [outletName, filed] : outlets_) {
        if (outletName == name) {
            if (filed != element)
                delete filed.data();
            filed = element;
            emit outletsChanged();
            return;
        }
    }
    outlets_.append({name, element});
    emit outletsChanged();
}

ViewElement* Screen::element(const QString& name) const {
    for (const auto& [outletName, element] : outlets_)
        if (outletName == name)
            return element;
    return nullptr;
}

QStringList Screen::outletNames() const {
    QStringList names;
    for (const auto& outlet : outlets_)
        names.append(outlet.first);
    return names;
}

QJsonObject Screen::describe() const {
    QJsonObject outlets;
    for (const auto& [name, element] : outlets_)
        if (element)
            outlets.insert(name, element->describe());
    return {{"className", className()},
            {"restorationIdentifier", restorationIdentifier_},
            {"background", background_},
            {"outlets", outlets}};
}

void Screen::loadViewIfNeeded() {
    if (loaded_)
        return;
    loaded_ = true;
    viewDidLoad();
}

Navigation* Screen::navigation() const {
    return static_cast<Navigation*>(navigation_.data());
}

void Screen::setNavigation(Navigation* navigation) {
    navigation_ = navigation;
}

} // namespace otthon
