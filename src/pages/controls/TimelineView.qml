pragma ComponentBehavior: Bound

import QtQuick
import Otthon.Controls
import Otthon.Ui as Ui

// A timeline element: the day from 0:00 to 24:00, a lane under another with its name on the left, a bar per
// slot (red where an earlier slot had its minutes, with an arrow where it goes on past midnight) and a line at
// the current minute; with a required amount, the total under it. A touch taps the bar under the finger, or
// the nearest within a finger's width (of bars on top of each other, the later one, as drawn). From the keys,
// Left and Right pick a bar and Space or Enter taps it.
Item {
    id: view

    required property Ui.Timeline element
    readonly property bool usable: element !== null && element.acceptsGestures && bars.length > 0
    readonly property var lanes: element ? element.lanes : []
    readonly property var bars: element ? element.bars : []
    readonly property int laneHeight: 26
    readonly property real nameWidth: lanes.length > 1 ? Math.min(110, width * 0.3) : 0
    readonly property int dayMinutes: 1440
    // The bar picked from the keys.
    property int current: 0

    function clock(minute: int): string {
        const m = minute % 60
        return Math.floor(minute / 60) + ":" + (m < 10 ? "0" : "") + m
    }
    function spoken(bar: int): string {
        if (bar < 0 || bar >= bars.length)
            return ""
        const b = bars[bar]
        return (lanes[b.lane] ? lanes[b.lane] + " " : "") + clock(b.from) + "–" + clock(b.to)
    }
    // The bar at a point of the lanes, or -1.
    function barAt(x: real, y: real): int {
        const lane = Math.floor(y / laneHeight)
        const minute = x / lanesArea.width * dayMinutes
        let best = -1
        let nearest = 12 / lanesArea.width * dayMinutes
        for (let i = 0; i < bars.length; ++i) {
            const b = bars[i]
            if (b.lane !== lane)
                continue
            const off = minute < b.from ? b.from - minute : (minute > b.to ? minute - b.to : 0)
            if (off <= nearest) {
                best = i
                nearest = off
            }
        }
        return best
    }
    function tapCurrent() {
        if (usable && current >= 0 && current < bars.length)
            element.tap(current)
    }

    visible: element !== null && !element.hidden
    implicitHeight: lanesArea.height + axis.height + (totalText.visible ? totalText.height + 4 : 0)
    activeFocusOnTab: usable
    onBarsChanged: current = 0
    Accessible.role: Accessible.Chart
    Accessible.name: Spoken.name(element) + (activeFocus ? ", " + spoken(current) : "")
    Accessible.description: Spoken.hint(element)
    Keys.onLeftPressed: current = Math.max(0, current - 1)
    Keys.onRightPressed: current = Math.min(bars.length - 1, current + 1)
    Keys.onSpacePressed: tapCurrent()
    Keys.onReturnPressed: tapCurrent()
    Keys.onEnterPressed: tapCurrent()

    Repeater {
        model: view.nameWidth > 0 ? view.lanes : []

        Text {
            required property string modelData
            required property int index

            y: index * view.laneHeight
            width: view.nameWidth - 6
            height: view.laneHeight
            verticalAlignment: Text.AlignVCenter
            text: modelData
            color: "white"
            font.pixelSize: 13
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 8
        }
    }

    Item {
        id: lanesArea
        x: view.nameWidth
        width: view.width - view.nameWidth
        height: Math.max(1, view.lanes.length) * view.laneHeight

        Repeater {
            model: view.lanes.length

            Rectangle {
                required property int index

                y: index * view.laneHeight + 4
                width: lanesArea.width
                height: view.laneHeight - 8
                radius: 3
                color: Qt.rgba(1, 1, 1, 0.18)
            }
        }
        Repeater {
            model: view.bars

            Rectangle {
                required property var modelData
                required property int index

                x: lanesArea.width * modelData.from / view.dayMinutes
                y: modelData.lane * view.laneHeight + 4
                width: Math.max(3, lanesArea.width * (modelData.to - modelData.from) / view.dayMinutes)
                height: view.laneHeight - 8
                radius: 3
                color: modelData.clash ? "#e5484d" : "#4fc3f7"
                border.color: "#ffd54f"
                border.width: view.activeFocus && view.current === index ? 2 : 0

                Text {
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    visible: parent.modelData.continues
                    text: "»"
                    color: "white"
                    font.pixelSize: 14
                    font.bold: true
                }
            }
        }
        // Now.
        Rectangle {
            x: lanesArea.width * (view.element ? view.element.now : 0) / view.dayMinutes - 1
            width: 2
            height: lanesArea.height
            color: "#ff9800"
        }
        MouseArea {
            anchors.fill: parent
            enabled: view.usable
            onClicked: mouse => {
                const bar = view.barAt(mouse.x, mouse.y)
                if (bar >= 0) {
                    view.current = bar
                    view.element.tap(bar)
                }
            }
        }
    }

    Item {
        id: axis
        anchors.top: lanesArea.bottom
        x: lanesArea.x
        width: lanesArea.width
        height: 16

        Repeater {
            model: [0, 6, 12, 18, 24]

            Text {
                required property int modelData

                x: Math.max(0, Math.min(axis.width - width, axis.width * modelData / 24 - width / 2))
                text: modelData
                color: Qt.rgba(1, 1, 1, 0.75)
                font.pixelSize: 11
            }
        }
    }

    Text {
        id: totalText
        anchors.top: axis.bottom
        anchors.topMargin: 4
        width: view.width
        visible: view.element !== null && view.element.required > 0
        horizontalAlignment: Text.AlignHCenter
        text: view.element ? "Összesen " + Math.round(view.element.total) + " / " + view.element.required
                             + " perc" : ""
        color: "white"
        font.pixelSize: 15
    }

    FocusFrame {}
}
