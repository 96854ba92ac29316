#pragma once

#include <QObject>

namespace otthon {

// What the link tells the screens and the poll. One per link session, owned with the model.
class LinkEvents : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    // An exchange has ended: a reply was taken into the model, or the link's state may have changed. Screens
    // redraw from the model.
    void exchangeEnded();
    // A command's hold has ended: the poll goes at once, so that its result shows without waiting a tick.
    void commandSettled();
};

} // namespace otthon
