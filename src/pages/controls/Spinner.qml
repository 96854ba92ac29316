import QtQuick
import QtQuick.Controls

// An activity indicator element: light on a dark disc, so that it reads on any background.
BusyIndicator {
    property QtObject element: null

    running: element !== null && element.animating
    visible: running
    palette.dark: "white"

    background: Rectangle {
        radius: width / 2
        color: Qt.rgba(0, 0, 0, 0.55)
    }
}
