pragma ComponentBehavior: Bound

import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages

// The overlap summary: the heading, the clashing slots, then each zone with its scheduled minutes, then the
// day's slots a lane per zone.
Item {
    id: scene

    property Pages.OntozoOsszefoglalas page: null
    readonly property var names: scene.page ? [scene.page.Z1nev, scene.page.Z2nev, scene.page.Z3nev,
                                               scene.page.Z4nev, scene.page.Z5nev, scene.page.Z6nev] : []
    readonly property var totals: scene.page ? [scene.page.Z1ido, scene.page.Z2ido, scene.page.Z3ido,
                                                scene.page.Z4ido, scene.page.Z5ido, scene.page.Z6ido] : []

    Flickable {
        anchors.fill: parent
        anchors.topMargin: 72
        contentHeight: panel.height + 32
        clip: true

        Rectangle {
            id: panel
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(scene.width - 24, 420)
            height: lines.height + 32
            radius: 14
            color: Qt.rgba(0, 0, 0, 0.88) // the drops behind must not show over the figures

            Column {
                id: lines
                anchors.centerIn: parent
                width: parent.width - 32
                spacing: 10

                ElementLabel {
                    width: parent.width
                    element: scene.page ? scene.page.Utkozesduma : null
                    wrapMode: Text.WordWrap
                }
                ElementLabel {
                    width: parent.width
                    element: scene.page ? scene.page.Ontozoutkozes : null
                    wrapMode: Text.WordWrap
                    font.bold: true
                }
                Rectangle {
                    width: parent.width
                    height: 1
                    color: Qt.rgba(1, 1, 1, 0.3)
                }
                Repeater {
                    model: scene.names.length

                    Item {
                        required property int index

                        width: lines.width
                        height: name.height

                        ElementLabel {
                            id: name
                            anchors.left: parent.left
                            element: scene.names[parent.index]
                        }
                        ElementLabel {
                            anchors.right: unit.left
                            element: scene.totals[parent.index]
                        }
                        Text {
                            id: unit
                            anchors.right: parent.right
                            anchors.verticalCenter: parent.verticalCenter
                            text: "perc"
                            color: "white"
                            font.pixelSize: 16
                        }
                    }
                }
                Rectangle {
                    width: parent.width
                    height: 1
                    color: Qt.rgba(1, 1, 1, 0.3)
                }
                TimelineView {
                    width: parent.width
                    height: implicitHeight
                    element: scene.page ? scene.page.OntozoIdovonal : null
                }
            }
        }
    }
}
