import QtQuick
import QtQuick.Controls
import Otthon
import Otthon.Controls

// The controller's address: typed as a host or a whole URL, tried with one status poll, and saved
// (ControllerSettings does all of it). Enter in the field tries the address, Escape closes the sheet. Tab goes
// on to the buttons, which show the frame while they have the keys; Enter or Space presses the framed one.
Popup {
    id: sheet

    required property ControllerSettings settings

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(360, parent.width - 24)
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    visible: settings.open
    padding: 18
    // The field starts from the saved address each time; what the user types is never overwritten.
    onAboutToShow: field.text = settings.address
    onClosed: if (settings.open) settings.close()

    background: Rectangle {
        radius: 14
        color: "#f2f2f2"
    }

    component SheetButton: Button {
        id: button
        Keys.onReturnPressed: button.clicked()
        Keys.onEnterPressed: button.clicked()

        FocusFrame {
            anchors.margins: 1
            shown: button.visualFocus
            border.color: "#0a60ff"
        }
    }

    // The column is the popup's only child, not its contentItem: that one is made late, and the id of the field
    // inside would have Qt make it at once.
    Column {
        width: parent.width
        spacing: 10

        Label {
            width: parent.width
            text: "Vezérlő címe"
            font.bold: true
            font.pixelSize: 18
            color: "black"
            horizontalAlignment: Text.AlignHCenter
        }
        Label {
            width: parent.width
            text: "A vezérlő gépének neve vagy IP-címe (például 192.168.1.100), vagy a teljes címe http://-vel."
            font.pixelSize: 14
            color: "#333333"
            wrapMode: Text.Wrap
        }
        TextField {
            id: field
            objectName: "controllerAddress"
            width: parent.width
            focus: true
            placeholderText: "192.168.1.100"
            Accessible.name: "A vezérlő címe"
            maximumLength: 2000
            selectByMouse: true
            inputMethodHints: Qt.ImhUrlCharactersOnly | Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
            onAccepted: sheet.settings.test(text)
        }
        Label {
            width: parent.width
            text: sheet.settings.current
            font.pixelSize: 12
            color: "#555555"
            wrapMode: Text.WrapAnywhere
        }
        Label {
            objectName: "controllerStatus"
            width: parent.width
            visible: text !== ""
            text: sheet.settings.status
            font.pixelSize: 14
            font.bold: sheet.settings.works
            color: sheet.settings.works ? "#1b7f2a" : sheet.settings.testing ? "#555555" : "#b3261e"
            wrapMode: Text.Wrap
        }
        // Right-aligned in one line where the three fit; on a narrow phone the last wraps under the others.
        Flow {
            anchors.right: parent.right
            width: Math.min(parent.width, cancel.implicitWidth + tryAddress.implicitWidth
                            + saveAddress.implicitWidth + 2 * spacing)
            spacing: 8

            SheetButton {
                id: cancel
                text: "Mégse"
                flat: true
                onClicked: sheet.settings.close()
            }
            SheetButton {
                id: tryAddress
                objectName: "tryAddress"
                text: "Kipróbálás"
                enabled: field.text.trim() !== "" && !sheet.settings.testing
                onClicked: sheet.settings.test(field.text)
            }
            SheetButton {
                id: saveAddress
                objectName: "saveAddress"
                text: "Mentés"
                highlighted: true
                enabled: field.text.trim() !== ""
                onClicked: sheet.settings.save(field.text)
            }
        }
    }
}
