#pragma once

#include "platform/ui/Screen.h"

namespace otthon {

// A carousel page whose controls are not built yet: it shows only its identifier on a plain background.
class PlaceholderPage : public Screen {
    Q_OBJECT
public:
    PlaceholderPage(const QString& restorationIdentifier, QString className, QObject* parent = nullptr)
        : Screen(restorationIdentifier, parent), className_(std::move(className)) {}

    QString className() const override { return className_; }
    QString scene() const override { return QStringLiteral("qrc:/qt/qml/Otthon/Pages/Placeholder.qml"); }

private:
    QString className_;
};

} // namespace otthon
