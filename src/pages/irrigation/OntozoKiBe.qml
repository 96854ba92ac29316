pragma ComponentBehavior: Bound

import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages

// Zone switching: the whole irrigation and the master off/on, then the six zones with their names.
Item {
    id: scene

    property Pages.OntozoKiBe page: null
    readonly property var zones: scene.page ? [scene.page.Z1, scene.page.Z2, scene.page.Z3, scene.page.Z4,
                                               scene.page.Z5, scene.page.Z6] : []
    readonly property var labels: scene.page ? [scene.page.Z1text, scene.page.Z2text, scene.page.Z3text,
                                                scene.page.Z4text, scene.page.Z5text, scene.page.Z6text] : []

    // Scrolls when the window is too low for the whole panel.
    Flickable {
        anchors.fill: parent
        anchors.topMargin: 72
        contentHeight: panel.height + spinner.height + 48
        clip: true

        Rectangle {
            id: panel
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(scene.width - 24, 380)
            height: content.height + 32
            radius: 14
            color: Qt.rgba(0, 0, 0, 0.5)

            Column {
                id: content
                anchors.centerIn: parent
                width: parent.width - 32
                spacing: 14

                Repeater {
                    model: [{ "title": "Teljes öntözés", "element": scene.page ? scene.page.ZOsszes : null },
                            { "title": "Mester", "element": scene.page ? scene.page.ZMaster : null }]

                    Item {
                        required property var modelData

                        width: content.width
                        height: 44

                        Text {
                            anchors.left: parent.left
                            anchors.verticalCenter: parent.verticalCenter
                            text: parent.modelData.title
                            color: "white"
                            font.pixelSize: 18
                        }
                        ElementSegmented {
                            anchors.right: parent.right
                            anchors.verticalCenter: parent.verticalCenter
                            width: Math.min(160, content.width / 2)
                            element: parent.modelData.element
                        }
                    }
                }

                Rectangle {
                    width: content.width
                    height: 1
                    color: Qt.rgba(1, 1, 1, 0.3)
                }

                Repeater {
                    model: scene.zones.length

                    Item {
                        required property int index

                        width: content.width
                        height: 44

                        ElementLabel {
                            anchors.left: parent.left
                            anchors.verticalCenter: parent.verticalCenter
                            element: scene.labels[parent.index]
                        }
                        ElementSwitch {
                            anchors.right: parent.right
                            anchors.verticalCenter: parent.verticalCenter
                            element: scene.zones[parent.index]
                        }
                    }
                }
            }
        }

        Spinner {
            id: spinner
            anchors.top: panel.bottom
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            element: scene.page ? scene.page.ZonaKiBeSpiner : null
        }
    }
}
