import QtQuick
import Otthon.Controls

// The outside page: temperature and pressure, and the two gates opened by a long press.
Item {
    id: scene

    property QtObject page: null

    HeadLabel {
        element: scene.page ? scene.page.KulsoHead : null
    }

    Column {
        anchors.top: parent.top
        anchors.topMargin: 110
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 14

        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            element: scene.page ? scene.page.KulsoTmpLabel : null
            font.pixelSize: 30
            font.bold: true
        }
        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            element: scene.page ? scene.page.KulsoHumLabel : null
        }
        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            element: scene.page ? scene.page.KulsoLegnyomas : null
        }
    }

    ElementLabel {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: gates.top
        anchors.bottomMargin: 24
        element: scene.page ? scene.page.OKLabel : null
        font.pixelSize: 40
        font.bold: true
        textColor: "#7CFC00"
    }

    ElementLabel {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: gates.top
        anchors.bottomMargin: 24
        element: scene.page ? scene.page.KapuTipp : null
    }

    Row {
        id: gates
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 120
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 48

        ImageButton {
            width: 128
            height: 128
            element: scene.page ? scene.page.Kapu1 : null
            holdGesture: scene.page ? scene.page.LPG_Kapu1 : null
        }
        ImageButton {
            width: 128
            height: 128
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
