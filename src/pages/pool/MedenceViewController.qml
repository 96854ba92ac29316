import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages

// The pool page: the water temperature, the circulation off/on control, and the buttons to the schedule list
// and the circulation summary. Upright, the temperature sits under the no-connection picture and the controls
// below it; on its side, the temperature takes the left half and the controls the right.
Item {
    id: scene

    property Pages.MedenceViewController page: null
    readonly property bool wide: width > height

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

    Backing {
        around: temperature
    }

    ElementLabel {
        id: temperature
        x: (scene.wide ? scene.width / 2 : scene.width) / 2 - width / 2
        y: scene.wide ? 64 + (scene.height - 64 - height) / 2 : 152
        width: Math.min(implicitWidth, (scene.wide ? scene.width / 2 : scene.width) - 24)
        element: scene.page ? scene.page.MedenceTMP : null
        font.pixelSize: Math.max(18, Math.min(30, scene.width / 13))
        font.bold: true
    }

    Column {
        id: controls
        // On its side, between the middle and the no-connection picture.
        x: (scene.wide ? (scene.width * 3 / 2 - 96) / 2 : scene.width / 2) - width / 2
        y: scene.wide ? 64 + (scene.height - 64 - height) / 2
                      : Math.max(temperature.y + temperature.height + 24, (scene.height - height) / 2)
        spacing: scene.height < 500 ? 16 : 28

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
                width: scene.wide ? 180 : 220
                element: scene.page ? scene.page.MedenceOnOff : null
            }
        }
        TextButton {
            anchors.horizontalCenter: parent.horizontalCenter
            width: scene.wide ? 180 : 220
            element: scene.page ? scene.page.MedenceBeallitas : null
        }
        TextButton {
            anchors.horizontalCenter: parent.horizontalCenter
            width: scene.wide ? 180 : 220
            element: scene.page ? scene.page.MedenceOsszefoglalas : null
        }
    }

    Spinner {
        anchors.horizontalCenter: controls.horizontalCenter
        anchors.top: controls.bottom
        anchors.topMargin: 12
        element: scene.page ? scene.page.MedenceSpiner : null
    }

    ConnectionBadge {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.topMargin: 72
        anchors.rightMargin: 12
        // On its side, the circulation control stands left of the picture: the caption goes under it.
        captionBeside: !scene.wide
        element: scene.page ? scene.page.ConnectionImage : null
    }
}
