import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages

// The irrigation page: the rain picture, and the buttons to the overlap summary, zone switching and the
// schedule list. On its side, the picture takes the left half and the buttons the right.
Item {
    id: scene

    property Pages.OntozoViewController page: null
    readonly property bool wide: width > height

    Rectangle {
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: 64
        color: Qt.rgba(1 / 3, 1 / 3, 1 / 3, 0.8)

        Text {
            anchors.centerIn: parent
            text: "Öntöző"
            color: "white"
            font.pixelSize: 26
            font.bold: true
        }
    }

    ArtImage {
        x: (scene.wide ? scene.width / 2 : scene.width) / 2 - width / 2
        y: scene.wide ? 64 + (scene.height - 64 - height) / 2 : 84
        width: 96
        height: 96
        visible: scene.page !== null && !scene.page.RainImage.hidden
        name: scene.page ? scene.page.RainImage.image : ""
    }

    Column {
        // On its side, between the middle and the no-connection picture.
        x: (scene.wide ? (scene.width * 3 / 2 - 96) / 2 : scene.width / 2) - width / 2
        y: scene.wide ? 64 + (scene.height - 64 - height) / 2 : Math.max(200, (scene.height - height) / 2 + 40)
        spacing: scene.height < 500 ? 20 : 28

        // Zone switching, and while it rains why it is off.
        Column {
            spacing: 4

            TextButton {
                width: scene.wide ? 180 : 240
                element: scene.page ? scene.page.OntozoBeKi : null
            }
            ElementLabel {
                width: scene.wide ? 180 : 240
                element: scene.page ? scene.page.RainCaption : null
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: 16
            }
        }
        TextButton {
            width: scene.wide ? 180 : 240
            element: scene.page ? scene.page.OntozoBeallitas : null
        }
        TextButton {
            width: scene.wide ? 180 : 240
            element: scene.page ? scene.page.OntozoOsszefoglalas : null
        }
    }

    ConnectionBadge {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.topMargin: 72
        anchors.rightMargin: 12
        element: scene.page ? scene.page.ConnectionImage : null
    }
}
