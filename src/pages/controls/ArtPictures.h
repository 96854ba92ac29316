#pragma once

#include <QObject>
#include <QSize>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

namespace otthon {

// Where QML finds our pictures: `Art.source("Kulso.png")` is the URL an Image shows the bundled picture
// from, and `Art.size("Kulso.png", width, height)` the source size to ask it at (ArtImage uses both). Made
// once per engine, it gives that engine the "art" image provider the URLs point at, unless the engine has one
// already (the app's, which reads the first page's pictures ahead).
class ArtPictures : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Art)
    QML_SINGLETON

public:
    static ArtPictures* create(QQmlEngine* engine, QJSEngine*);

    // Nothing for an empty name.
    Q_INVOKABLE QUrl source(const QString& name) const;
    // The picture's own size, doubled or tripled when a box of `width` x `height` needs that to be covered:
    // it changes only at those steps, so a box that grows a little does not read the picture again. Nothing
    // for an unknown name.
    Q_INVOKABLE QSize size(const QString& name, qreal width, qreal height) const;

private:
    // Only create() makes one: QML would rather use a default constructor.
    ArtPictures() = default;
};

} // namespace otthon
