import QtQuick
import Otthon.Controls

// One of our pictures (its file name under art/), fitted into its box unless told otherwise. It is asked for at
// the size of its box and the screen's pixel ratio, so that it stays sharp on any screen; the request changes
// only when the box outgrows the picture two or three times, not at every step of a window drag.
Image {
    property string name

    fillMode: Image.PreserveAspectFit
    sourceSize: Art.size(name, width, height)
    source: Art.source(name)
}
