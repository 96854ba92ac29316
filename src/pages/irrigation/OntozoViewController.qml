import QtQuick
import Otthon.Controls

// The irrigation page: the rain picture, and the buttons to the overlap summary, zone switching and the
// schedule list.
Item {
    id: scene

    property QtObject page: null

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

    Image {
        anchors.top: parent.top
        anchors.topMargin: 84
        anchors.horizontalCenter: parent.horizontalCenter
        width: 96
        height: 96
        fillMode: Image.PreserveAspectFit
        visible: scene.page !== null && !scene.page.RainImage.hidden
        source: scene.page ? "qrc:/images/" + scene.page.RainImage.image : ""
    }

    Column {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: 40
        spacing: 28

        TextButton {
            width: 240
            element: scene.page ? scene.page.OntozoBeKi : null
        }
        TextButton {
            width: 240
            element: scene.page ? scene.page.OntozoBeallitas : null
        }
        TextButton {
            width: 240
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
