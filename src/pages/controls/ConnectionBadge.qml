import QtQuick
import Otthon.Controls

// The no-connection picture, shown while the link to the controller is down, with its caption under it
// (when the last reply came).
ArtImage {
    id: badge

    property QtObject element: null

    width: 72
    height: 72
    visible: element !== null && !element.hidden
    name: element ? element.image : ""

    Rectangle {
        anchors.top: parent.bottom
        anchors.right: parent.right
        anchors.topMargin: 2
        width: caption.implicitWidth + 12
        height: caption.implicitHeight + 6
        radius: 4
        color: Qt.rgba(0, 0, 0, 0.6)
        visible: caption.text !== ""

        Text {
            id: caption
            objectName: "caption"
            anchors.centerIn: parent
            text: badge.element ? badge.element.caption : ""
            color: "white"
            font.pixelSize: 14
        }
    }
}
