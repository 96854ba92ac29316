import QtQuick
import Otthon.Controls

// A button element drawn with its image. Touches go to the element: a tap, and the raw touches that its
// long-press recognisers follow.
Item {
    id: button

    property QtObject element: null
    // A long press the button opens with: a ring shows its hold filling.
    property QtObject holdGesture: null

    visible: element !== null && !element.hidden
    opacity: element && element.enabled ? 1.0 : 0.4

    HoldRing {
        gesture: button.holdGesture
    }

    Image {
        anchors.fill: parent
        fillMode: Image.PreserveAspectFit
        source: Art.source(button.element ? button.element.image : "")
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
