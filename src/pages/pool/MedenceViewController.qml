import QtQuick
import Otthon.Controls

// The pool page: the water temperature, the circulation off/on control, and the buttons to the schedule list
// and the circulation summary.
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
            text: "Medence"
            color: "white"
            font.pixelSize: 26
            font.bold: true
        }
    }

    ElementLabel {
        anchors.top: parent.top
        anchors.topMargin: 110
        anchors.horizontalCenter: parent.horizontalCenter
        element: scene.page ? scene.page.MedenceTMP : null
        font.pixelSize: Math.max(18, Math.min(30, scene.width / 13))
        font.bold: true
    }

    Column {
        anchors.centerIn: parent
        spacing: 28

        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 8

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "Keringetés"
                color: "white"
                font.pixelSize: 18
                style: Text.Raised
                styleColor: "#80000000"
            }
            ElementSegmented {
                width: 220
                element: scene.page ? scene.page.MedenceOnOff : null
            }
        }
        TextButton {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 220
            element: scene.page ? scene.page.MedenceBeallitas : null
        }
        TextButton {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 220
            element: scene.page ? scene.page.MedenceOsszefoglalas : null
        }
    }

    Spinner {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 140
        element: scene.page ? scene.page.MedenceSpiner : null
    }

    ConnectionBadge {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.topMargin: 72
        anchors.rightMargin: 12
        element: scene.page ? scene.page.ConnectionImage : null
    }
}
