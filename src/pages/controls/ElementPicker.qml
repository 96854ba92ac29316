pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls
import Otthon.Controls
import Otthon.Ui as Ui

// A picker element as a wrapping wheel: its rows and titles come from the element. When the user's turn comes
// to rest, the row goes to the element; rows the page selects never come back.
Tumbler {
    id: wheel

    required property Ui.Picker element
    property color textColor: "white"

    // Turns the wheel to the element's row, unless the user is turning it. The wheel is positioned rather than
    // given a currentIndex: in Qt 6.4 a currentIndex set while the rows are being made does not reach the
    // wheel's view, which then jumps back to row 0 at the first touch.
    function place() {
        if (element !== null && count > 0 && !moving && currentIndex !== element.selectedRow)
            positionViewAtIndex(element.selectedRow, Tumbler.Center)
    }

    // Qt.callLater: Qt 6.4's qmllint takes it for a property that may not be a method, which it is.
    function later(action) {
        Qt.callLater(action) // qmllint disable type
    }

    // Up and Down turn the wheel by one row, as a short turn by hand would.
    function step(rows) {
        if (element === null || count === 0 || !enabled)
            return
        element.pick((currentIndex + rows + count) % count)
        place()
    }

    // The wheel settles its current row only after the movement has ended: take the row a moment later.
    function settle() {
        if (moving || element === null)
            return
        element.pick(currentIndex)
        // The element has the last word (it may refuse the row).
        place()
    }

    visible: element !== null && !element.hidden
    enabled: element !== null && element.acceptsGestures
    model: element ? element.rowCount : 0
    wrap: true
    focusPolicy: Qt.StrongFocus
    Accessible.name: Spoken.name(element)
    Keys.onUpPressed: step(-1)
    Keys.onDownPressed: step(1)
    visibleItemCount: 5
    onCountChanged: later(place)
    onElementChanged: later(place)
    // The view may also move the row while it builds itself: put it back.
    onCurrentIndexChanged: {
        if (!moving)
            later(place)
    }
    onMovingChanged: {
        if (!moving)
            later(settle)
    }

    Connections {
        target: wheel.element
        ignoreUnknownSignals: true
        function onSelectedRowChanged() {
            wheel.place()
        }
    }

    delegate: Text {
        id: row

        required property int index

        // The wheel's view does not size its rows: without a width a long title would run past the wheel.
        width: wheel.availableWidth
        text: wheel.element && wheel.element.titlesRevision >= 0 ? wheel.element.title(index) : ""
        color: wheel.enabled ? wheel.textColor : Qt.rgba(0.6, 0.6, 0.6, 1)
        // A long title gets smaller, down to 12 px, and one that is still too wide is cut short with an
        // ellipsis. The size comes from one measurement at the full size: Text.HorizontalFit would lay the
        // title out again for every size it tries.
        font.pixelSize: fullSize.advanceWidth > width ? Math.max(12, Math.floor(22 * width / fullSize.advanceWidth))
                                                      : 22
        elide: Text.ElideRight
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        opacity: 1.0 - Math.abs(Tumbler.displacement) / (wheel.visibleItemCount / 2)

        TextMetrics {
            id: fullSize
            font.pixelSize: 22
            text: row.text
        }
    }

    FocusFrame {}
}
