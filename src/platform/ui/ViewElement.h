#pragma once

#include <QColor>
#include <QJsonObject>
#include <QObject>
#include <QPointF>
#include <QtQml/qqmlregistration.h>

namespace otthon {

class LongPress;

// One control or view of a screen, as the page logic sees it. QML binds to the properties and forwards
// touches to the gesture entry points; tests call the same entry points. A control that is disabled, hidden
// or has user interaction off ignores every gesture: the entry point returns false and changes nothing.
//
// Properties are read-only to QML: only the page logic changes them, QML only reports gestures.
class ViewElement : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A view element belongs to its screen")
    Q_PROPERTY(QString kind READ kind CONSTANT)
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY enabledChanged)
    Q_PROPERTY(bool hidden READ isHidden NOTIFY hiddenChanged)
    Q_PROPERTY(bool interactive READ isInteractive NOTIFY interactiveChanged)
    Q_PROPERTY(bool acceptsGestures READ acceptsGestures NOTIFY acceptsGesturesChanged)
    Q_PROPERTY(int tag READ tag NOTIFY tagChanged)
    Q_PROPERTY(double rotation READ rotation NOTIFY rotationChanged)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor NOTIFY backgroundColorChanged)
    Q_PROPERTY(double cornerRadius READ cornerRadius NOTIFY cornerRadiusChanged)

public:
    explicit ViewElement(QObject* parent = nullptr);
    ~ViewElement() override;

    // "label", "button", "slider", "switch", "segmented", "picker", "table", "timeline", "spinner" or
    // "image".
    virtual QString kind() const = 0;
    // The element's state for the automation protocol: kind and gate flags, plus what each kind adds.
    virtual QJsonObject describe() const;

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    // User interaction enabled.
    bool isInteractive() const { return interactive_; }
    void setInteractive(bool interactive);
    bool acceptsGestures() const { return enabled_ && !hidden_ && interactive_; }

    int tag() const { return tag_; }
    void setTag(int tag);
    // Decoration for QML: a rotation in degrees (clockwise, as the view's transform), an optional background
    // colour (transparent unless set) and the corner radius of the view's layer, in points.
    double rotation() const { return rotation_; }
    void setRotation(double degrees);
    QColor backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const QColor& color);
    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double radius);

    // Raw touches from QML, handed to every long-press recogniser attached to this element (in the order they
    // were attached). touchUp() returns true when a recogniser had recognised the press, so QML should not
    // treat the release as a tap too.
    Q_INVOKABLE void touchDown(QPointF point);
    Q_INVOKABLE void touchMove(QPointF point);
    Q_INVOKABLE bool touchUp();
    Q_INVOKABLE void touchCancel();

signals:
    void enabledChanged();
    void hiddenChanged();
    void interactiveChanged();
    void acceptsGesturesChanged();
    void tagChanged();
    void rotationChanged();
    void backgroundColorChanged();
    void cornerRadiusChanged();

private:
    friend class LongPress;
    void attach(LongPress* recognizer);
    void detach(LongPress* recognizer);
    template <class Apply> void changeGate(Apply apply);

    bool enabled_ = true;
    bool hidden_ = false;
    bool interactive_ = true;
    int tag_ = 0;
    double rotation_ = 0;
    QColor backgroundColor_ = Qt::transparent;
    double cornerRadius_ = 0;
    QList<LongPress*> recognizers_;
};

} // namespace otthon
