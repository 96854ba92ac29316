#pragma once

#include "platform/ui/ViewElement.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <utility>

// Declares an outlet of a screen in one line: the property QML reads, the member the page logic uses, and the
// element itself, made by the member's initializer and filed under the member's name. Outlets are filed in
// the order they are declared. The declaration leaves the class in a public section.
//
//     OTTHON_OUTLET(Label, KulsoTmpLabel)
#define OTTHON_OUTLET(Type, Name) OTTHON_NAMED_OUTLET(Type, Name, QStringLiteral(#Name))
// The same, filed under `outletName` (a QString expression, evaluated as the screen is made), for screens
// whose outlet names depend on what they show while QML reads one property name.
#define OTTHON_NAMED_OUTLET(Type, Name, outletName)                                                          \
    Q_PROPERTY(otthon::Type* Name MEMBER Name CONSTANT)                                                      \
public:                                                                                                      \
    otthon::Type* Name = makeOutlet<otthon::Type>(outletName);
// A second outlet name for an element declared before: the page sets it up under one name and reads it under
// the other.
#define OTTHON_OUTLET_ALIAS(Name, Of)                                                                        \
public:                                                                                                      \
    decltype(Of) Name = fileAs(QStringLiteral(#Name), Of);

namespace otthon {

class Navigation;

// The base of every screen controller. A screen owns its outlets (view elements, as QObject children) and
// names them; QML reaches them through outlet(). Whoever creates a screen calls loadViewIfNeeded() once it is
// in place, which runs viewDidLoad() exactly once.
class Screen : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens are made by the app")
    Q_PROPERTY(QString restorationIdentifier READ restorationIdentifier CONSTANT)
    Q_PROPERTY(QString className READ className CONSTANT)
    // Resource name of the background picture (a page's Hatterkep).
    Q_PROPERTY(QString background READ background NOTIFY backgroundChanged)
    // The QML scene that shows this screen (a qrc URL).
    Q_PROPERTY(QString scene READ scene CONSTANT)
    Q_PROPERTY(QStringList outletNames READ outletNames NOTIFY outletsChanged)

public:
    explicit Screen(QString restorationIdentifier, QObject* parent = nullptr);

    QString restorationIdentifier() const { return restorationIdentifier_; }
    // The class name without namespace, e.g. "Kulso".
    virtual QString className() const;
    static QString classNameOf(const QMetaObject& type);
    QString background() const { return background_; }
    virtual QString scene() const { return {}; }
    void setBackground(const QString& resourceName);

    // Takes `element` as a child and files it under `name`. An element already filed under that name is
    // deleted.
    void addOutlet(const QString& name, ViewElement* element);
    // Creates an element of type T (constructor arguments, then the parent) and files it under `name`.
    template <class T, class... Args> T* makeOutlet(const QString& name, Args&&... args) {
        auto* element = new T(std::forward<Args>(args)..., this);
        addOutlet(name, element);
        return element;
    }
    // Files an element that is already an outlet under one more name.
    template <class T> T* fileAs(const QString& name, T* element) {
        addOutlet(name, element);
        return element;
    }
    ViewElement* element(const QString& name) const;
    template <class T> T* elementAs(const QString& name) const { return qobject_cast<T*>(element(name)); }
    // In the order they were added.
    QStringList outletNames() const;
    Q_INVOKABLE QObject* outlet(const QString& name) const { return element(name); }

    // {"className", "restorationIdentifier", "background", "outlets": {name: element description}}.
    virtual QJsonObject describe() const;

    bool isViewLoaded() const { return loaded_; }
    void loadViewIfNeeded();
    // Called once, by loadViewIfNeeded().
    virtual void viewDidLoad() {}
    // Called when the screen is about to go off screen for good (popped, or left by the carousel).
    virtual void viewWillDisappear() {}

    // Set by the navigator that made the screen; null for a screen made otherwise.
    Navigation* navigation() const;
    void setNavigation(Navigation* navigation);

signals:
    void backgroundChanged();
    void outletsChanged();

private:
    const QString restorationIdentifier_;
    QString background_;
    QList<std::pair<QString, QPointer<ViewElement>>> outlets_;
    bool loaded_ = false;
    QPointer<QObject> navigation_; // a Navigation
};

} // namespace otthon
