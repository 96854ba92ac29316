import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages

// The outside page: temperature and pressure, and the two gates opened by a long press. Upright, the readings
// sit under the no-connection picture and the gates near the bottom; on its side, the readings take the left
// half and the gates the right.
Item {
    id: scene

    property Pages.Kulso page: null
    readonly property bool wide: width > height
    // The gates shrink to share what a narrow or low window leaves them.
    readonly property real gateSize: Math.max(64, Math.min(128, (wide ? width / 2 : width) / 2 - 32,
                                                         wide ? height - 64 - 90 : 128))

    HeadLabel {
        element: scene.page ? scene.page.KulsoHead : null
    }

    Backing {
        around: readings
    }

    Column {
        id: readings
        x: (scene.wide ? scene.width / 2 : scene.width) / 2 - width / 2
        y: scene.wide ? 84 : 152
        width: (scene.wide ? scene.width / 2 : scene.width) - 24
        spacing: 14

        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(implicitWidth, parent.width)
            element: scene.page ? scene.page.KulsoTmpLabel : null
            font.pixelSize: 30
            font.bold: true
        }
        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(implicitWidth, parent.width)
            element: scene.page ? scene.page.KulsoHumLabel : null
        }
        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(implicitWidth, parent.width)
            element: scene.page ? scene.page.KulsoLegnyomas : null
        }
    }

    ElementLabel {
        anchors.horizontalCenter: gates.horizontalCenter
        anchors.bottom: gates.top
        anchors.bottomMargin: scene.wide ? 4 : 24
        element: scene.page ? scene.page.OKLabel : null
        font.pixelSize: 40
        font.bold: true
        textColor: "#7CFC00"
    }

    // The hint after a short tap stands where the OK does, over the gates (on its side, clear of the readings).
    ElementLabel {
        x: Math.max(8, Math.min(scene.width - width - 8, gates.x + (gates.width - width) / 2))
        anchors.bottom: gates.top
        anchors.bottomMargin: scene.wide ? 4 : 24
        element: scene.page ? scene.page.KapuTipp : null
    }

    Row {
        id: gates
        x: (scene.wide ? scene.width * 3 / 4 : scene.width / 2) - width / 2
        y: scene.wide ? 64 + (scene.height - 64 - height) / 2 + 20 : scene.height - height - (scene.height < 700 ? 56 : 120)
        spacing: scene.gateSize * 3 / 8

        ImageButton {
            width: scene.gateSize
            height: scene.gateSize
            element: scene.page ? scene.page.Kapu1 : null
            holdGesture: scene.page ? scene.page.LPG_Kapu1 : null
        }
        ImageButton {
            width: scene.gateSize
            height: scene.gateSize
            element: scene.page ? scene.page.Kapu2 : null
            holdGesture: scene.page ? scene.page.LPG_Kapu2 : null
        }
    }

    Spinner {
        anchors.top: gates.bottom
        anchors.topMargin: 8
        anchors.horizontalCenter: gates.horizontalCenter
        element: scene.page ? scene.page.KulsoSpiner : null
    }

    ConnectionBadge {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.topMargin: 72
        anchors.rightMargin: 12
        element: scene.page ? scene.page.ConnectionImage : null
    }
}
