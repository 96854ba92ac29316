pragma ComponentBehavior: Bound

import QtQuick
import Otthon.Controls
import Otthon.Ui as Ui

// A segmented control element: its segments side by side, the selected one filled. A touch on a segment goes
// to the element; selections the page makes never come back.
Rectangle {
    id: control

    required property Ui.SegmentedControl element
    readonly property bool usable: element !== null && element.acceptsGestures

    visible: element !== null && !element.hidden
    implicitWidth: 200
    implicitHeight: 44
    radius: 8
    // Dark enough that the segments' white titles read over any picture.
    color: Qt.rgba(0, 0, 0, 0.72)
    border.color: usable ? "white" : Qt.rgba(0.7, 0.7, 0.7, 1)
    border.width: 1.5
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: Spoken.name(element)
    Accessible.description: element && element.selectedIndex >= 0 ? element.titles[element.selectedIndex] || "" : ""

    // Left and Right pick the neighbouring segment; Space and Enter the next one, round.
    function selectBy(step, round) {
        if (!usable || element.titles.length === 0)
            return
        let next = element.selectedIndex + step
        if (round)
            next = (next + element.titles.length) % element.titles.length
        if (next >= 0 && next < element.titles.length)
            element.select(next)
    }
    Keys.onLeftPressed: selectBy(-1, false)
    Keys.onRightPressed: selectBy(1, false)
    Keys.onSpacePressed: selectBy(1, true)
    Keys.onReturnPressed: selectBy(1, true)
    Keys.onEnterPressed: selectBy(1, true)

    FocusFrame {}

    Row {
        anchors.fill: parent
        anchors.margins: 3

        Repeater {
            model: control.element ? control.element.titles : []

            Rectangle {
                required property int index
                required property string modelData
                readonly property bool selected: control.element !== null && control.element.selectedIndex === index

                width: parent.width / Math.max(1, control.element.titles.length)
                height: parent.height
                radius: 6
                color: selected ? (control.usable ? "white" : Qt.rgba(0.7, 0.7, 0.7, 1)) : "transparent"

                Text {
                    anchors.centerIn: parent
                    text: parent.modelData
                    font.pixelSize: 18
                    font.bold: parent.selected
                    color: parent.selected ? "#1b3a57" : (control.usable ? "white" : Qt.rgba(0.75, 0.75, 0.75, 1))
                }

                MouseArea {
                    anchors.fill: parent
                    enabled: control.usable
                    onClicked: control.element.select(parent.index)
                }
            }
        }
    }
}
