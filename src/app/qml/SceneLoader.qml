import QtQuick
import Otthon.Controls

// Shows a screen through its own scene, with the screen's background image drawn once, stretched to fill.
Item {
    id: holder

    property QtObject page: null

    Image {
        anchors.fill: parent
        fillMode: Image.Stretch
        visible: holder.page !== null && holder.page.background !== ""
        source: visible ? Art.source(holder.page.background) : ""
    }

    Loader {
        anchors.fill: parent
        active: holder.page !== null
        source: active ? holder.page.scene : ""
        onLoaded: item.page = Qt.binding(function () { return holder.page })
    }
}
