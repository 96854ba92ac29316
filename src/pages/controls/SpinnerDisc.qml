import QtQuick
import QtQuick.Controls

// What Spinner shows while its element runs.
BusyIndicator {
    // Loaded by a Spinner, which is its parent.
    running: parent !== null && (parent as Spinner).running
    palette.dark: "white"

    background: Rectangle {
        radius: width / 2
        color: Qt.rgba(0, 0, 0, 0.55)
        // A light rim, so that the disc stands out on a dark picture too.
        border.color: Qt.rgba(1, 1, 1, 0.5)
        border.width: 1
    }
}
