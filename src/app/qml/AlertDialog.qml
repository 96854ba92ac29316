pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls
import Otthon.Controls
import Otthon.Ui as Ui

// The top open alert, as a modal dialog. An alert without buttons goes away only when the app dismisses it.
// While it is open, it takes every key: Escape answers with the cancel button (button 0), Enter with the
// chosen button, at first the confirm button (the last one), and nothing under the dialog sees a key or a
// touch. The first Tab frames the chosen button, each further Tab (Shift+Tab back) chooses the next one.
Popup {
    id: dialog

    required property Ui.AlertCenter alerts
    // The button Enter presses, and whether the keys have shown it.
    property int chosen: alerts.buttons.length - 1
    property bool framed: false

    // Each alert starts on its confirm button, unframed.
    function reset() {
        chosen = alerts.buttons.length - 1
        framed = false
    }
    function choose(step) {
        const count = alerts.buttons.length
        if (count === 0)
            return
        if (framed)
            chosen = (chosen + step + count) % count
        framed = true
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(300, parent.width - 48)
    modal: true
    focus: true
    closePolicy: Popup.NoAutoClose
    visible: alerts.open
    padding: 0
    Connections {
        target: dialog.alerts
        function onChanged() { dialog.reset() }
    }

    background: Rectangle {
        radius: 14
        color: "#f2f2f2"
    }

    component AlertButton: Button {
        id: button
        property bool framed: false

        FocusFrame {
            anchors.margins: 3
            shown: button.framed
            border.color: "#0a60ff"
        }
    }

    // Positioners, not Quick Layouts: in Qt 6.4 a layout whose repeated buttons go away while the popup hides
    // keeps the deleted buttons and crashes at the next resize.
    contentItem: Column {
        focus: true
        Keys.onPressed: event => {
            if (event.key === Qt.Key_Escape)
                dialog.alerts.press(0)
            else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                dialog.alerts.press(dialog.chosen)
            else if (event.key === Qt.Key_Tab)
                dialog.choose(1)
            else if (event.key === Qt.Key_Backtab)
                dialog.choose(-1)
            event.accepted = true
        }

        Label {
            x: 16
            width: parent.width - 32
            topPadding: 18
            visible: text !== ""
            text: dialog.alerts.title
            font.bold: true
            font.pixelSize: 17
            color: "black"
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        Label {
            x: 16
            width: parent.width - 32
            topPadding: 8
            bottomPadding: 18
            text: dialog.alerts.message
            font.pixelSize: 14
            color: "black"
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        Row {
            spacing: 1
            Repeater {
                model: dialog.alerts.buttons
                AlertButton {
                    required property int index
                    required property string modelData
                    objectName: "alertButton"
                    width: (dialog.width - (dialog.alerts.buttons.length - 1)) /
                           Math.max(1, dialog.alerts.buttons.length)
                    // A touch on a button must not take the keys from the dialog.
                    focusPolicy: Qt.NoFocus
                    flat: true
                    text: modelData
                    font.bold: index !== 0
                    framed: dialog.framed && dialog.chosen === index
                    onClicked: dialog.alerts.press(index)
                }
            }
        }
    }
}
