#pragma once

#include <QColor>
#include <QObject>

namespace otthon {

// The application's look that is set once at launch: the carousel's page indicator.
class AppDelegate : public QObject {
    Q_OBJECT
    Q_PROPERTY(QColor pageIndicatorColor MEMBER pageIndicatorColor CONSTANT)
    Q_PROPERTY(QColor currentPageIndicatorColor MEMBER currentPageIndicatorColor CONSTANT)
    Q_PROPERTY(QColor pageIndicatorBackground MEMBER pageIndicatorBackground CONSTANT)

public:
    using QObject::QObject;

    QColor pageIndicatorColor = QColor(0xaa, 0xaa, 0xaa); // light grey
    QColor currentPageIndicatorColor = Qt::white;
    QColor pageIndicatorBackground = Qt::black;
};

} // namespace otthon
