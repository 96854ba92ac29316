import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages

// The circulation summary: the heading, the verdict and, when time is missing, how much; then the day's
// slots with their total. Scrolls when the window is too low for it.
Item {
    id: scene

    property Pages.MedenceOsszefoglalas page: null

    Flickable {
        anchors.fill: parent
        anchors.topMargin: scene.height > scene.width ? 110 : 72
        contentHeight: panel.height + 32
        clip: true

        Rectangle {
            id: panel
            anchors.horizontalCenter: parent.horizontalCenter
            width: scene.width - 32
            height: lines.height + 40
            radius: 14
            color: Qt.rgba(0, 0, 0, 0.88) // the bubbles behind must not show over the figures

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
                TimelineView {
                    width: parent.width
                    height: implicitHeight
                    element: scene.page ? scene.page.MedenceIdovonal : null
                }
            }
        }
    }
}
