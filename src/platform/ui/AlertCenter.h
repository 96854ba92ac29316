#pragma once

#include "platform/AlertPort.h"

#include <QJsonValue>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <vector>

namespace otthon {

// The alerts that are open, the newest on top. The app's QML shows the top one and reports its button
// presses; tests press buttons the same way.
class AlertCenter : public QObject, public AlertPort {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The app has one alert centre")
    Q_PROPERTY(bool open READ isOpen NOTIFY changed)
    Q_PROPERTY(int count READ count NOTIFY changed)
    Q_PROPERTY(QString title READ title NOTIFY changed)
    Q_PROPERTY(QString message READ message NOTIFY changed)
    Q_PROPERTY(QStringList buttons READ buttons NOTIFY changed)

public:
    explicit AlertCenter(QObject* parent = nullptr);

    AlertId show(AlertSpec alert) override;
    void dismiss(AlertId id, int buttonIndex) override;

    bool isOpen() const { return !alerts_.empty(); }
    int count() const { return int(alerts_.size()); }
    // The top alert's id (0 when none) and texts (empty when none).
    AlertId topId() const;
    QString title() const;
    QString message() const;
    QStringList buttons() const;
    // null, or {"title", "message", "buttons"} of the top alert.
    QJsonValue describeTop() const;

    // The user pressed button `buttonIndex` of the top alert: the alert closes, then its handler runs with
    // the index. Returns false (and does nothing) with no alert open or an index that is not one of its
    // buttons.
    Q_INVOKABLE bool press(int buttonIndex);

signals:
    void changed();

private:
    struct Open {
        AlertId id;
        AlertSpec content;
    };
    const AlertSpec* top() const { return alerts_.empty() ? nullptr : &alerts_.back().content; }

    std::vector<Open> alerts_;
    AlertId nextId_ = 1;
};

} // namespace otthon
