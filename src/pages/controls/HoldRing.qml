import QtQuick
import Otthon.Ui as Ui

// A ring that fills over a long press's hold while a finger (or a held key) stays down, and stays full once
// the press is recognised, until it is let go.
Canvas {
    id: ring

    property Ui.LongPress gesture: null
    property real progress: 0

    anchors.fill: parent
    anchors.margins: -8
    visible: progress > 0
    onProgressChanged: requestPaint()
    onPaint: {
        const ctx = getContext("2d")
        ctx.reset()
        ctx.lineWidth = 6
        ctx.strokeStyle = "#7CFC00"
        ctx.beginPath()
        ctx.arc(width / 2, height / 2, Math.min(width, height) / 2 - 3, -Math.PI / 2,
                -Math.PI / 2 + 2 * Math.PI * progress)
        ctx.stroke()
    }

    NumberAnimation {
        id: fill
        target: ring
        property: "progress"
        from: 0
        to: 1
        duration: ring.gesture ? ring.gesture.minimumDuration * 1000 : 0
    }
    Connections {
        target: ring.gesture
        function onHoldingChanged() {
            if (ring.gesture.holding) {
                fill.restart()
            } else {
                fill.stop()
                ring.progress = 0
            }
        }
    }
}
