import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages

// The circulation summary: the heading, the verdict and, when time is missing, how much.
Item {
    id: scene

    property Pages.MedenceOsszefoglalas page: null

    Rectangle {
        anchors.top: parent.top
        anchors.topMargin: 110
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 32
        height: lines.height + 40
        radius: 14
        color: Qt.rgba(0, 0, 0, 0.5)

        Column {
            id: lines
            anchors.centerIn: parent
            width: parent.width - 32
            spacing: 18

            ElementLabel {
                width: parent.width
                element: scene.page ? scene.page.Medenceosszefoglalas : null
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
            ElementLabel {
                width: parent.width
                element: scene.page ? scene.page.Megfeleles : null
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: 32
                font.bold: true
            }
            ElementLabel {
                width: parent.width
                element: scene.page ? scene.page.Perc : null
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
        }
    }
}
