import QtQuick
import QtQuick.Controls
import Otthon.Controls
import Otthon.Ui as Ui

// A button element drawn with its title (or a given text); a tap goes to the element.
Button {
    id: button

    required property Ui.Button element
    property string label: element ? element.title : ""

    visible: element !== null && !element.hidden
    enabled: element !== null && element.enabled && element.interactive
    text: label
    font.pixelSize: 20
    // Greyed while it may not be used, yet still readable on its light face.
    palette.disabled.buttonText: "#5c5c5c"
    onClicked: element.tap()
    Accessible.name: Spoken.name(element)
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    FocusFrame {}
}
