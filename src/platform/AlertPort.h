#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace otthon {

using AlertId = quint64;

// A modal alert as the pages ask for one. buttons[0] is the cancel button; an alert may have no buttons at
// all.
struct AlertSpec {
    QString title;
    QString message;
    QStringList buttons;
    // Called with the index of the button the user pressed; not called when the alert is dismissed from code.
    std::function<void(int)> onButton;
};

// Shows and dismisses alerts. The app shows a real dialog; tests record.
class AlertPort {
public:
    virtual ~AlertPort() = default;
    virtual AlertId show(AlertSpec alert) = 0;
    // Closes the alert as if `buttonIndex` had been pressed, without calling its handler. Harmless for an
    // alert that is already gone.
    virtual void dismiss(AlertId id, int buttonIndex) = 0;
};

} // namespace otthon
