import QtQuick

// A page whose controls are not built yet: its identifier on a plain background.
Rectangle {
    property QtObject page: null

    color: "#202428"

    Text {
        anchors.centerIn: parent
        text: parent.page ? parent.page.restorationIdentifier : ""
        color: "white"
        font.pixelSize: 32
    }
}
