import QtQuick
import Otthon.Controls

// The no-connection picture, shown while the link to the controller is down.
ArtImage {
    property QtObject element: null

    width: 72
    height: 72
    visible: element !== null && !element.hidden
    name: element ? element.image : ""
}
