import QtQuick

// The page head: its label element across the top, on the element's background.
ElementLabel {
    anchors.top: parent.top
    anchors.left: parent.left
    anchors.right: parent.right
    height: 64
    horizontalAlignment: Text.AlignHCenter
    font.pixelSize: 26
    font.bold: true
}
