import QtQuick
import Otthon.Controls

// A button element drawn with its image. Touches go to the element: a tap, and the raw touches that its
// long-press recognisers follow. Space or Enter, pressed and released, is a touch in the middle.
Item {
    id: button

    property QtObject element: null
    // A long press the button opens with: a ring shows its hold filling.
    property QtObject holdGesture: null
    // A press key went down here: only its release counts.
    property bool keyDown: false

    function isPressKey(event) {
        return event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter
    }

    visible: element !== null && !element.hidden
    opacity: element && element.enabled ? 1.0 : 0.4
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: Spoken.name(element)
    Accessible.description: Spoken.hint(element)
    Accessible.onPressAction: if (element) element.tap()

    Keys.onPressed: event => {
        if (!isPressKey(event) || element === null)
            return
        event.accepted = true
        if (event.isAutoRepeat || keyDown)
            return
        keyDown = true
        element.touchDown(Qt.point(width / 2, height / 2))
    }
    Keys.onReleased: event => {
        if (!isPressKey(event) || element === null)
            return
        event.accepted = true
        if (event.isAutoRepeat || !keyDown)
            return
        keyDown = false
        if (!element.touchUp())
            element.tap()
    }
    onActiveFocusChanged: {
        if (!activeFocus && keyDown && element)
            element.touchCancel()
        keyDown = false
    }

    HoldRing {
        gesture: button.holdGesture
    }
    FocusFrame {}

    ArtImage {
        anchors.fill: parent
        name: button.element ? button.element.image : ""
    }

    MouseArea {
        anchors.fill: parent
        enabled: button.element !== null
        onPressed: mouse => button.element.touchDown(Qt.point(mouse.x, mouse.y))
        onPositionChanged: mouse => button.element.touchMove(Qt.point(mouse.x, mouse.y))
        onReleased: {
            if (!button.element.touchUp() && containsMouse)
                button.element.tap()
        }
        onCanceled: button.element.touchCancel()
    }
}
