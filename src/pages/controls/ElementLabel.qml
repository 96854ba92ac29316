import QtQuick
import Otthon.Ui as Ui

// A label element: its text, greyed while disabled, with an optional background. Given less width than its
// text needs, the text gets smaller (down to 12 px) rather than cut off.
Rectangle {
    id: box

    required property Ui.Label element
    property alias font: text.font
    property alias horizontalAlignment: text.horizontalAlignment
    property alias wrapMode: text.wrapMode
    property color textColor: "white"

    visible: element !== null && !element.hidden
    // A value the controller has not confirmed lately; a greyed one is dim enough already.
    opacity: element && element.stale && element.enabled ? 0.6 : 1
    color: element && element.backgroundColor.a > 0 ? element.backgroundColor : "transparent"
    implicitWidth: text.implicitWidth + 8
    implicitHeight: text.implicitHeight + 8

    Text {
        id: text
        anchors.fill: parent
        anchors.margins: 4
        verticalAlignment: Text.AlignVCenter
        text: box.element ? box.element.text : ""
        color: box.element && box.element.enabled ? box.textColor : Qt.rgba(0.7, 0.7, 0.7, 1)
        font.pixelSize: 20
        // Fitted only while the box is narrower than the text: a box still sizing itself to an empty text
        // (8 px) would have the text tried at every size on the way down.
        fontSizeMode: box.wrapMode === Text.NoWrap && box.width > 8 && box.width < implicitWidth + 8
                      ? Text.HorizontalFit : Text.FixedSize
        minimumPixelSize: 12
        style: Text.Raised
        styleColor: "#80000000"
    }
}
