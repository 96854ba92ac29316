import QtQuick

// The no-connection picture, shown while the link to the controller is down.
Image {
    property QtObject element: null

    width: 72
    height: 72
    fillMode: Image.PreserveAspectFit
    visible: element !== null && !element.hidden
    source: element ? "qrc:/images/" + element.image : ""
}
