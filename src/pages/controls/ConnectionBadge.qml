import QtQuick
import Otthon.Controls

// The no-connection picture, shown while the link to the controller is down.
Image {
    property QtObject element: null

    width: 72
    height: 72
    fillMode: Image.PreserveAspectFit
    visible: element !== null && !element.hidden
    source: Art.source(element ? element.image : "")
}
