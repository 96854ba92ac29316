import QtQuick
import QtQuick.Controls
import Otthon.Controls
import Otthon.Ui as Ui

// A slider element, turned by the element's rotation (an upright slider is a level one turned by 270 degrees,
// its minimum at the bottom). Only the user's drags go to the element; values the page sets never come back.
Slider {
    id: control

    required property Ui.Slider element

    function elementValue() {
        // Reads the range too, so that the value is placed again after the range has changed.
        return element && from <= to ? element.value : 0
    }

    visible: element !== null && !element.hidden
    enabled: element !== null && element.acceptsGestures
    rotation: element ? element.rotation : 0
    from: element ? element.minimum : 0
    to: element ? element.maximum : 1
    value: elementValue()
    Accessible.name: Spoken.name(element)
    onMoved: {
        element.slide(value)
        // The element has the last word (it may clamp or refuse).
        value = Qt.binding(function () { return control.elementValue() })
    }

    FocusFrame {}
}
