import QtQuick
import QtQuick.Controls
import Otthon.Controls
import Otthon.Ui as Ui

// A switch element on the element's background (colour and corner radius), turned by the element's rotation.
// Only the user's flips go to the element; positions the page sets never come back.
Item {
    id: holder

    required property Ui.Switch element

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
