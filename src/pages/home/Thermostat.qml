import QtQuick
import Otthon.Controls

// A room thermostat, the living room's or the bedroom's (the page says which): the measured temperature, the
// setpoint with its slider, minus and plus, the set button, and the heating/cooling switch standing upright.
Item {
    id: scene

    property QtObject page: null

    HeadLabel {
        element: scene.page ? scene.page.Head : null
    }

    Column {
        id: readings
        anchors.top: parent.top
        anchors.topMargin: 100
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 8

        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            element: scene.page ? scene.page.TmpDB : null
            font.pixelSize: 28
            font.bold: true
        }
        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            element: scene.page ? scene.page.ParaDB : null
        }
    }

    ElementLabel {
        id: setpoint
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -40
        element: scene.page ? scene.page.TmpTxt : null
        font.pixelSize: 64
        font.bold: true
    }

    Row {
        id: setpointRow
        anchors.top: setpoint.bottom
        anchors.topMargin: 24
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 8

        TextButton {
            width: 56
            element: scene.page ? scene.page.MinuszBtn : null
            font.pixelSize: 28
        }
        ElementSlider {
            width: Math.max(120, Math.min(220, scene.width - 150))
            anchors.verticalCenter: parent.verticalCenter
            element: scene.page ? scene.page.TmpSlider : null
        }
        TextButton {
            width: 56
            element: scene.page ? scene.page.PluszBtn : null
            font.pixelSize: 28
        }
    }

    TextButton {
        id: setButton
        anchors.top: setpointRow.bottom
        anchors.topMargin: 24
        anchors.horizontalCenter: parent.horizontalCenter
        width: 180
        element: scene.page ? scene.page.TmpBtn : null
    }

    // Turned a quarter, the switch has cooling at its top end and heating at its bottom end.
    Column {
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 110
        spacing: 8

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "hűtés"
            color: "white"
            font.pixelSize: 16
            style: Text.Raised
            styleColor: "#80000000"
        }
        Item {
            width: futes.height * futes.scale
            height: futes.width * futes.scale
            ElementSwitch {
                id: futes
                anchors.centerIn: parent
                scale: 1.6
                element: scene.page ? scene.page.Futes : null
            }
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "fűtés"
            color: "white"
            font.pixelSize: 16
            style: Text.Raised
            styleColor: "#80000000"
        }
    }

    Spinner {
        anchors.left: setButton.right
        anchors.leftMargin: 12
        anchors.verticalCenter: setButton.verticalCenter
        element: scene.page ? scene.page.Spiner : null
    }

    ConnectionBadge {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.topMargin: 72
        anchors.rightMargin: 12
        element: scene.page ? scene.page.ConnectionImage : null
    }
}
