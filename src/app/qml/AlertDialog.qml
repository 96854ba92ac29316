import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The top open alert, as a modal dialog. An alert without buttons goes away only when the app dismisses it.
Popup {
    id: dialog

    required property QtObject alerts

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(300, parent.width - 48)
    modal: true
    closePolicy: Popup.NoAutoClose
    visible: alerts.open
    padding: 0

    background: Rectangle {
        radius: 14
        color: "#f2f2f2"
    }

    contentItem: ColumnLayout {
        spacing: 0

        Label {
            Layout.fillWidth: true
            Layout.topMargin: 18
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            visible: text !== ""
            text: dialog.alerts.title
            font.bold: true
            font.pixelSize: 17
            color: "black"
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        Label {
            Layout.fillWidth: true
            Layout.topMargin: 8
            Layout.bottomMargin: 18
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            text: dialog.alerts.message
            font.pixelSize: 14
            color: "black"
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        RowLayout {
            Layout.fillWidth: true
            visible: dialog.alerts.buttons.length > 0
            spacing: 1
            Repeater {
                model: dialog.alerts.buttons
                Button {
                    required property int index
                    required property string modelData
                    Layout.fillWidth: true
                    flat: true
                    text: modelData
                    font.bold: index !== 0
                    onClicked: dialog.alerts.press(index)
                }
            }
        }
    }
}
