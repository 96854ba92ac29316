import QtQuick
import QtQuick.Controls
import Otthon.Controls
import Otthon.Ui as Ui

// A sub-screen over the carousel: its scene, a back button at the top, and the back gesture (a drag from the
// left edge that takes the scene along and goes back past a third of the width). Escape goes back too.
Item {
    id: holder

    required property Ui.Screen page
    required property Ui.Navigation navigation

    // The keys go to the sub-screen, not to the carousel hidden below it.
    Component.onCompleted: forceActiveFocus()

    // The scene and its bar move together while the back gesture drags them.
    Item {
        width: parent.width
        height: parent.height
        x: edge.dragged
        // A gesture let go before a third of the width slides back.
        Behavior on x {
            enabled: !drag.active
            NumberAnimation { duration: 150 }
        }

        SceneLoader {
            anchors.fill: parent
            page: holder.page
        }

        Rectangle {
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            height: 56
            color: Qt.rgba(0, 0, 0, 0.55)

            AbstractButton {
                id: back
                anchors.left: parent.left
                anchors.top: parent.top
                anchors.bottom: parent.bottom
                width: implicitContentWidth + 28
                onClicked: holder.navigation.back()
                Accessible.name: "Vissza"
                Keys.onReturnPressed: clicked()
                Keys.onEnterPressed: clicked()

                FocusFrame {}

                contentItem: Text {
                    text: "‹ Vissza"
                    color: back.pressed ? "#9ecbff" : "white"
                    font.pixelSize: 20
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
            }

            // While the link is down, the no-connection picture sits in the bar, clear of the window's gear.
            ConnectionBadge {
                anchors.right: parent.right
                anchors.rightMargin: 56
                anchors.verticalCenter: parent.verticalCenter
                width: 40
                height: 40
                captionBeside: true
                captionRoom: parent.width - 56 - width - back.width - 8
                element: holder.page ? holder.page.outlet("ConnectionImage") as Ui.ImageView : null
            }
        }
    }

    Item {
        id: edge

        readonly property real dragged: drag.active ? Math.max(0, drag.translation.x) : 0

        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.topMargin: 56
        width: 24

        DragHandler {
            id: drag
            target: null
            yAxis.enabled: false
            onActiveChanged: {
                if (!active && translation.x > holder.width / 3)
                    holder.navigation.back()
            }
        }
    }

    // Keys, not a shortcut: while an alert is open it takes every key, Escape included.
    Keys.onEscapePressed: holder.navigation.back()
    Keys.onBackPressed: holder.navigation.back()
}
