#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace otthon {

// What a screen reader says for a control: `Spoken.name(element)` and `Spoken.hint(element)`, in Hungarian.
// Controls are known by their outlet name; one without an entry is called by its title. Every name is kept
// here, so that the scenes carry none of their own.
class SpokenNames : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Spoken)
    QML_SINGLETON

public:
    using QObject::QObject;

    Q_INVOKABLE static QString name(const QObject* element);
    // How to use it, where a plain tap is not enough; empty otherwise.
    Q_INVOKABLE static QString hint(const QObject* element);
    // A page of the carousel, for its dot in the page indicator.
    Q_INVOKABLE static QString page(const QString& restorationIdentifier);
};

} // namespace otthon
