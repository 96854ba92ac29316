import QtQuick
import QtQuick.Controls

// An activity indicator element.
BusyIndicator {
    property QtObject element: null

    running: element !== null && element.animating
    visible: running
}
