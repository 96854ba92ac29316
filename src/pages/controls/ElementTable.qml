pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls
import Otthon.Controls
import Otthon.Ui as Ui

// A table element as a list of rows, made only as they scroll into view. Outside edit mode a touch on a row
// selects it. A row's text wraps onto more lines rather than being cut short; its detail, when it has one, is a
// smaller line under it. In edit mode a row shows the
// control of its style: the red minus uncovers the row's delete button (the element's confirmation title) and
// that button deletes; the green plus inserts. From the keys, a row takes the focus: Space or Enter is a touch
// on it, Delete the minus and then the delete button.
ListView {
    id: list

    required property Ui.Table element
    readonly property bool usable: element !== null && element.acceptsGestures
    readonly property bool editing: element !== null && element.editing
    // The row whose delete button is uncovered, or -1.
    property int confirming: -1

    visible: element !== null && !element.hidden
    model: element ? element.model : null
    clip: true
    spacing: 1
    boundsBehavior: Flickable.StopAtBounds
    Accessible.role: Accessible.List
    Accessible.name: Spoken.name(element)
    onEditingChanged: confirming = -1
    onCountChanged: confirming = -1
    ScrollIndicator.vertical: ScrollIndicator {}

    delegate: Rectangle {
        id: row

        required property int index
        required property string text
        required property string detail
        required property string accessory
        required property string style
        readonly property bool confirmingHere: list.confirming === index

        // A touch on the row itself: a selection, or it covers an uncovered delete button again.
        function touch() {
            if (list.confirming >= 0)
                list.confirming = -1
            else if (list.editing && row.style === "insert")
                list.element.commit(row.index, Ui.Table.Insert)
            else if (!list.editing)
                list.element.select(row.index)
        }
        function deleteKey() {
            if (!list.usable || !list.editing || row.style !== "delete")
                return
            if (row.confirmingHere) {
                list.confirming = -1
                list.element.commit(row.index, Ui.Table.Delete)
            } else {
                list.confirming = row.index
            }
        }

        width: ListView.view.width
        height: Math.max(56, texts.height + 20)
        // Nearly opaque: the page's picture must not show through the texts.
        color: Qt.rgba(1, 1, 1, list.usable ? 0.94 : 0.86)
        activeFocusOnTab: list.usable
        Accessible.role: Accessible.ListItem
        Accessible.name: row.detail !== "" ? row.text + ", " + row.detail : row.text
        Keys.onSpacePressed: if (list.usable) touch()
        Keys.onReturnPressed: if (list.usable) touch()
        Keys.onEnterPressed: if (list.usable) touch()
        Keys.onDeletePressed: deleteKey()

        MouseArea {
            anchors.fill: parent
            enabled: list.usable
            onClicked: row.touch()
        }

        Rectangle {
            id: control
            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            // In edit mode every row keeps the control's place, so that the texts stay in line.
            width: list.editing ? 28 : 0
            height: 28
            radius: 14
            visible: list.editing && row.style !== "none"
            color: row.style === "insert" ? "#2e9d3e" : "#d93a32"
            opacity: list.usable ? 1 : 0.5
            rotation: row.confirmingHere ? -90 : 0
            Behavior on rotation { NumberAnimation { duration: 150 } }

            Rectangle {
                anchors.centerIn: parent
                width: 14
                height: 3
                color: "white"
            }
            Rectangle {
                anchors.centerIn: parent
                width: 3
                height: 14
                color: "white"
                visible: row.style === "insert"
            }
            MouseArea {
                anchors.fill: parent
                anchors.margins: -8
                enabled: list.usable
                onClicked: {
                    if (row.style === "insert")
                        list.element.commit(row.index, Ui.Table.Insert)
                    else
                        list.confirming = row.confirmingHere ? -1 : row.index
                }
            }
        }

        Column {
            id: texts
            anchors.left: control.right
            anchors.leftMargin: list.editing ? 12 : 0
            anchors.right: confirm.visible ? confirm.left : chevron.left
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            spacing: 2

            Text {
                width: parent.width
                text: row.text
                wrapMode: Text.Wrap
                font.pixelSize: 18
                color: list.usable ? "black" : "#555555"
            }
            Text {
                objectName: "rowDetail"
                width: parent.width
                visible: row.detail !== ""
                text: row.detail
                wrapMode: Text.Wrap
                font.pixelSize: 14
                color: list.usable ? "#3a3a3c" : "#6e6e73"
            }
        }

        Text {
            id: chevron
            anchors.right: parent.right
            anchors.rightMargin: 14
            anchors.verticalCenter: parent.verticalCenter
            text: row.accessory === "disclosure" ? "›" : ""
            font.pixelSize: 28
            color: "#5f5f63"
        }

        Rectangle {
            id: confirm
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            width: visible ? deleteTitle.implicitWidth + 32 : 0
            visible: row.confirmingHere
            color: "#d93a32"

            Text {
                id: deleteTitle
                anchors.centerIn: parent
                text: list.element ? list.element.deleteConfirmationTitle : ""
                color: "white"
                font.pixelSize: 18
                font.bold: true
            }
            MouseArea {
                anchors.fill: parent
                enabled: list.usable
                onClicked: {
                    list.confirming = -1
                    list.element.commit(row.index, Ui.Table.Delete)
                }
            }
        }

        FocusFrame {
            anchors.margins: 2
        }
    }
}
