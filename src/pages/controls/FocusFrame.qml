import QtQuick

// The frame round the control that has the keyboard focus: put it inside the control. A control that keeps
// its own idea of the keyboard's place says when the frame shows.
Rectangle {
    property bool shown: parent !== null && parent.activeFocus

    objectName: "focusFrame"
    anchors.fill: parent
    anchors.margins: -4
    visible: shown
    color: "transparent"
    border.color: "#ffd54f"
    border.width: 3
    radius: 6
}
