#pragma once

#include "app/AppDelegate.h"
#include "app/ControllerSettings.h"
#include "app/RootViewController.h"

#include <QObject>
#include <QtQml/qqml.h>

namespace otthon {

// The app's objects that the window is given (Main.qml), known to QML by their class names so that its
// properties are typed and qmllint checks what the scenes read from them. QML never makes one.

struct RootViewControllerType {
    Q_GADGET
    QML_FOREIGN(otthon::RootViewController)
    QML_NAMED_ELEMENT(RootViewController)
    QML_UNCREATABLE("The app has one root screen")
};

struct AppDelegateType {
    Q_GADGET
    QML_FOREIGN(otthon::AppDelegate)
    QML_NAMED_ELEMENT(AppDelegate)
    QML_UNCREATABLE("The app has one delegate")
};

struct ControllerSettingsType {
    Q_GADGET
    QML_FOREIGN(otthon::ControllerSettings)
    QML_NAMED_ELEMENT(ControllerSettings)
    QML_UNCREATABLE("The app has one address setting")
};

} // namespace otthon
