import QtQuick
import Otthon.Controls
import Otthon.Ui as Ui

// A button element drawn with its image. Touches go to the element: a tap, and the raw touches that its
// long-press recognisers follow. Space or Enter, pressed and released, is a touch in the middle.
//
// A held key repeats, and under X11 Qt does not mark every repeat: some come as a release and a press of the
// key that are not marked isAutoRepeat, a millisecond or two apart. So a release only lifts the touch when no
// press of the same key follows within releaseGrace; one that does is a repeat, and the touch stays down.
Item {
    id: button

    required property Ui.Button element
    // A long press the button opens with: a ring shows its hold filling.
    property Ui.LongPress holdGesture: null
    // A press key went down here: only its release counts.
    property bool keyDown: false
    // The press key that is down.
    property int heldKey: 0
    // Milliseconds a key's release waits for a press of the same key that makes it a repeat.
    property int releaseGrace: 50

    function isPressKey(event) {
        return event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter
    }

    // The held key has been let go: the touch lifts, as a tap unless a recogniser took the press.
    function lift() {
        pendingRelease.stop()
        keyDown = false
        if (element !== null && !element.touchUp())
            element.tap()
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
        if (pendingRelease.running) {
            if (event.key === heldKey) {
                pendingRelease.stop() // a repeat: the key never went up
                return
            }
            lift()
        }
        if (event.isAutoRepeat || keyDown)
            return
        keyDown = true
        heldKey = event.key
        element.touchDown(Qt.point(width / 2, height / 2))
    }
    Keys.onReleased: event => {
        if (!isPressKey(event) || element === null)
            return
        event.accepted = true
        if (event.isAutoRepeat || !keyDown || event.key !== heldKey)
            return
        pendingRelease.restart()
    }
    onActiveFocusChanged: {
        if (activeFocus)
            return
        if (pendingRelease.running)
            lift()
        else if (keyDown && element)
            element.touchCancel()
        keyDown = false
    }

    Timer {
        id: pendingRelease
        objectName: "pendingRelease"
        interval: button.releaseGrace
        onTriggered: button.lift()
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
