import QtQuick

// The frame round the control that has the keyboard focus: put it inside the control.
Rectangle {
    anchors.fill: parent
    anchors.margins: -4
    visible: parent !== null && parent.activeFocus
    color: "transparent"
    border.color: "#ffd54f"
    border.width: 3
    radius: 6
}
