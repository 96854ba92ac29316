import QtQuick
import Otthon.Controls

// The radio: the station wheel, the upright volume slider between up and down with the volume beside it, and
// play and stop.
Item {
    id: scene

    property QtObject page: null

    HeadLabel {
        element: scene.page ? scene.page.RadioHead : null
    }

    ElementPicker {
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.right: volume.left
        anchors.rightMargin: 12
        anchors.verticalCenter: volume.verticalCenter
        height: 260
        element: scene.page ? scene.page.RadioAdok : null
    }

    Column {
        id: volume
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.top: parent.top
        anchors.topMargin: 120
        spacing: 8

        TextButton {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 56
            element: scene.page ? scene.page.RadioUp : null
        }
        // The slider lies level and is turned upright: its box swaps width and height.
        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 48
            height: 240
            ElementSlider {
                anchors.centerIn: parent
                width: parent.height
                element: scene.page ? scene.page.RadioSlider : null
            }
        }
        TextButton {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 56
            element: scene.page ? scene.page.RadioDown : null
        }
        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            element: scene.page ? scene.page.RadioVolume : null
            font.pixelSize: 24
            font.bold: true
        }
    }

    ElementLabel {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: transport.top
        anchors.bottomMargin: 12
        element: scene.page ? scene.page.RadioMost : null
    }

    Row {
        id: transport
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 110
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 40

        TextButton {
            width: 96
            height: 64
            element: scene.page ? scene.page.RadioPlay : null
            font.pixelSize: 30
        }
        TextButton {
            width: 96
            height: 64
            element: scene.page ? scene.page.RadioStop : null
            font.pixelSize: 30
        }
    }

    Spinner {
        anchors.top: transport.bottom
        anchors.topMargin: 8
        anchors.horizontalCenter: transport.horizontalCenter
        element: scene.page ? scene.page.RadioIndicator : null
    }

    ConnectionBadge {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.topMargin: 72
        anchors.rightMargin: 12
        element: scene.page ? scene.page.ConnectionImage : null
    }
}
