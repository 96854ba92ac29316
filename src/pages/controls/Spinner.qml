import QtQuick
import Otthon.Ui as Ui

// An activity indicator element: light on a dark disc, so that it reads on any background. The disc is made
// the first time the element runs, not before: most pages open with it stopped.
Loader {
    required property Ui.ActivityIndicator element

    readonly property bool running: element !== null && element.animating

    visible: running
    active: false
    onRunningChanged: if (running) active = true
    Component.onCompleted: if (running) active = true
    source: Qt.resolvedUrl("SpinnerDisc.qml")
}
