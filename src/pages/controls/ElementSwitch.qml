import QtQuick
import QtQuick.Controls
import Otthon.Controls
import Otthon.Ui as Ui

// A switch element on the element's background (colour and corner radius), turned by the element's rotation.
// Only the user's flips go to the element; positions the page sets never come back. On and off differ at a
// glance by the colour of the track, which a scene may choose for what its two ends mean.
Item {
    id: holder

    required property Ui.Switch element
    property color colorWhenOn: "#34c759"
    property color colorWhenOff: "#aeaeb2"

    function elementOn() {
        return element !== null && element.on
    }

    implicitWidth: control.implicitWidth
    implicitHeight: control.implicitHeight
    visible: element !== null && !element.hidden
    rotation: element ? element.rotation : 0
    // A switch that ignores touches looks it.
    opacity: control.enabled ? 1 : 0.45

    Rectangle {
        anchors.fill: parent
        color: holder.element && holder.element.backgroundColor.a > 0 ? holder.element.backgroundColor : "transparent"
        radius: holder.element ? holder.element.cornerRadius : 0
    }

    Switch {
        id: control
        anchors.centerIn: parent
        padding: 2
        enabled: holder.element !== null && holder.element.acceptsGestures
        checked: holder.elementOn()
        indicator: Rectangle {
            objectName: "track"
            implicitWidth: 56
            implicitHeight: 28
            x: control.leftPadding + (control.availableWidth - width) / 2
            y: control.topPadding + (control.availableHeight - height) / 2
            radius: height / 2
            color: control.checked ? holder.colorWhenOn : holder.colorWhenOff
            border.width: 1
            border.color: Qt.rgba(0, 0, 0, 0.25)

            Rectangle {
                x: 2 + control.visualPosition * (parent.width - width - 4)
                y: 2
                width: parent.height - 4
                height: width
                radius: width / 2
                color: control.down ? "#e5e5ea" : "white"
                border.width: 1
                border.color: Qt.rgba(0, 0, 0, 0.2)
                Behavior on x {
                    enabled: !control.down
                    SmoothedAnimation { velocity: 200 }
                }
            }
        }
        Accessible.name: Spoken.name(holder.element)
        Keys.onReturnPressed: { toggle(); toggled() }
        Keys.onEnterPressed: { toggle(); toggled() }
        onToggled: {
            holder.element.toggle(checked)
            // The element has the last word: the page may put the switch back.
            checked = Qt.binding(function () { return holder.elementOn() })
        }

        FocusFrame {}
    }
}
