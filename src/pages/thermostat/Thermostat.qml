import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages

// A room thermostat, the living room's or the bedroom's (the page says which): the measured temperature, the
// setpoint with its slider, minus and plus, the set button, and the heating/cooling switch standing upright.
Item {
    id: scene

    property Pages.Thermostat page: null
    readonly property bool wide: width > height

    HeadLabel {
        element: scene.page ? scene.page.Head : null
    }

    // Upright: the readings under the no-connection picture, then the setpoint, its row and the set button,
    // with the switch at the right. On its side: the readings and the setpoint on the left half, the rest on
    // the right.
    Backing {
        around: readings
    }

    Column {
        id: readings
        x: (scene.wide ? scene.width / 2 : scene.width) / 2 - width / 2
        // Upright, the readings and the controls under them are centred together, below the picture.
        y: scene.wide ? 64 + (scene.height - 64 - height) / 2
                      : Math.max(152, (scene.height - height - 16 - controls.height) / 2 - 20)
        width: (scene.wide ? scene.width / 2 : scene.width) - 24
        spacing: 8

        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(implicitWidth, parent.width)
            element: scene.page ? scene.page.TmpDB : null
            font.pixelSize: 28
            font.bold: true
        }
        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(implicitWidth, parent.width)
            element: scene.page ? scene.page.ParaDB : null
        }
        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(implicitWidth, parent.width)
            element: scene.page ? scene.page.TmpTxt : null
            font.pixelSize: 64
            font.bold: true
        }
    }

    Column {
        id: controls
        // Between the left edge (or the middle, on its side) and the switch.
        x: ((scene.wide ? scene.width / 2 : 0) + switchColumn.x - 12) / 2 - width / 2
        y: scene.wide ? 64 + (scene.height - 64 - height) / 2 : readings.y + readings.height + 16
        spacing: 16

        Row {
            spacing: 8

            TextButton {
                width: 56
                element: scene.page ? scene.page.MinuszBtn : null
                font.pixelSize: 28
            }
            ElementSlider {
                width: Math.max(90, Math.min(220, switchColumn.x - (scene.wide ? scene.width / 2 : 0) - 160))
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
            anchors.horizontalCenter: parent.horizontalCenter
            width: 180
            element: scene.page ? scene.page.TmpBtn : null
        }
    }

    // Turned a quarter, the switch has cooling at its top end and heating at its bottom end.
    Column {
        id: switchColumn
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: Math.max(152, controls.y + controls.height / 2 - height / 2)
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
                scale: scene.height < 600 ? 1.3 : 1.6
                element: scene.page ? scene.page.Futes : null
                // On is heating: warm; off is cooling: cool.
                colorWhenOn: "#ff7043"
                colorWhenOff: "#4fc3f7"
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

    // Beside the set button, which sits in the controls' column, and clear of the switch's captions.
    Spinner {
        readonly property real after: controls.x + setButton.x + setButton.width
        x: after + Math.max(0, Math.min(12, (switchColumn.x - after - width) / 2))
        y: controls.y + setButton.y + (setButton.height - height) / 2
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
