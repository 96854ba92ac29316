import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages

// A schedule list: the edit switch at the top, the slots below it, the add row at the end in edit mode.
Item {
    id: scene

    property Pages.ScheduleList page: null

    Rectangle {
        id: bar
        anchors.top: parent.top
        anchors.topMargin: 64
        anchors.right: parent.right
        anchors.rightMargin: 12
        width: editRow.width + 24
        height: editRow.height + 12
        radius: 10
        color: Qt.rgba(0, 0, 0, 0.45)

        Row {
            id: editRow
            anchors.centerIn: parent
            spacing: 10

            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: "Szerkesztés"
                color: "white"
                font.pixelSize: 18
            }
            ElementSwitch {
                anchors.verticalCenter: parent.verticalCenter
                element: scene.page ? scene.page.EditSwitch : null
            }
        }
    }

    ElementTable {
        anchors.top: bar.bottom
        anchors.topMargin: 12
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 24
        element: scene.page ? scene.page.List : null
    }
}
