import QtQuick
import Otthon.Controls
import Otthon.Ui as Ui

// Shows a screen through its own scene, over the screen's background picture: scaled to cover the window and
// cut at the sides that stick out, never stretched.
Item {
    id: holder

    property Ui.Screen page: null

    ArtImage {
        objectName: "background"
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
        visible: holder.page !== null && holder.page.background !== ""
        name: visible ? holder.page.background : ""
    }

    Loader {
        anchors.fill: parent
        active: holder.page !== null
        source: active ? holder.page.scene : ""
        onLoaded: item.page = Qt.binding(function () { return holder.page })
    }
}
