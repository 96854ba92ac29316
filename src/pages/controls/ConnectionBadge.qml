import QtQuick
import Otthon.Controls
import Otthon.Ui as Ui

// The no-connection picture, shown while the link to the controller is down, with its caption (when the last
// reply came) to its left, in the band beside the picture that the pages keep free, or under it where a page
// keeps that band for its own controls.
ArtImage {
    id: badge

    required property Ui.ImageView element
    property bool captionBeside: true
    // The widest the caption may be; where it does not fit, only the picture shows (-1: no bound).
    property real captionRoom: -1

    width: 72
    height: 72
    visible: element !== null && !element.hidden
    name: element ? element.image : ""

    Rectangle {
        x: badge.captionBeside ? -width - 6 : badge.width - width
        y: badge.captionBeside ? (badge.height - height) / 2 : badge.height + 2
        width: caption.implicitWidth + 12
        height: caption.implicitHeight + 6
        radius: 4
        color: Qt.rgba(0, 0, 0, 0.6)
        visible: caption.text !== "" && (badge.captionRoom < 0 || width + 6 <= badge.captionRoom)

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
