pragma ComponentBehavior: Bound

import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages
import Otthon.Ui as Ui

// A slot editor: the slot's wheels side by side under their captions, the set button, and the spinner of the
// hold.
Item {
    id: scene

    property Pages.SlotEditor page: null
    // The width of a wheel of numbers; a wheel of names (tag 0) takes two. The wheels share what the panel
    // leaves of the width, up to a comfortable size. A wheel of numbers is at least as wide as its caption:
    // the wheel of names gives up what that takes (captionExcess), down to one share.
    readonly property real share: {
        const list = scene.page ? scene.page.wheels : []
        let shares = 0
        for (let i = 0; i < list.length; ++i)
            shares += list[i].tag === 0 ? 2 : 1
        const room = scene.width - 24 - 32 - wheels.spacing * Math.max(0, list.length - 1)
        return Math.max(40, Math.min(110, room / Math.max(3, shares)))
    }
    readonly property real captionExcess: {
        const list = scene.page ? scene.page.wheels : []
        let excess = 0
        for (let i = 0; i < list.length; ++i) {
            if (list[i].tag !== 0)
                excess += Math.max(0, captionWidth(i) - share)
        }
        return excess
    }

    function captionWidth(index: int): real {
        return captionFont.advanceWidth(scene.page ? scene.page.wheelCaptions[index] || "" : "") + 6
    }

    FontMetrics {
        id: captionFont
        font.pixelSize: 14
    }
    // The wheels are as tall as the window leaves room for above the set button, showing three rows when low.
    readonly property real wheelHeight: Math.max(120, Math.min(230, height - panel.y - 32 - 22 - 28 - 48 - 40))

    Rectangle {
        id: panel
        anchors.top: parent.top
        anchors.topMargin: scene.height < 500 ? 68 : 96
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width - 24, wheels.implicitWidth + 32)
        height: wheels.height + 32
        radius: 14
        // Nearly opaque: drops and bubbles of the page's picture must not show through the numbers.
        color: Qt.rgba(0, 0, 0, 0.9)

        // The band of the chosen rows, behind the wheels' middle.
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 10
            y: wheels.y + wheels.height - scene.wheelHeight / 2 - 24
            height: 48
            radius: 8
            color: Qt.rgba(1, 1, 1, 0.14)
        }

        Row {
            id: wheels
            anchors.centerIn: parent
            spacing: 8

            Repeater {
                model: scene.page ? scene.page.wheels : []

                WheelColumn {}
            }
        }
    }

    // A wheel under its caption. The captions stand on one line, at one size, whatever their length.
    component WheelColumn: Column {
        id: column

        required property int index
        required property Ui.Picker modelData
        spacing: 6

        Text {
            id: caption
            width: wheel.width
            height: 22
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignBottom
            text: scene.page ? scene.page.wheelCaptions[column.index] : ""
            color: "white"
            font: captionFont.font
            // Only where even the wheel of names has given up all it can.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 12
        }
        ElementPicker {
            id: wheel
            width: column.modelData.tag === 0 ? Math.max(scene.share, scene.share * 2 - scene.captionExcess)
                                              : Math.max(scene.share, scene.captionWidth(column.index))
            height: scene.wheelHeight
            visibleItemCount: height < 200 ? 3 : 5
            element: column.modelData
        }
    }

    TextButton {
        id: setButton
        anchors.top: panel.bottom
        anchors.topMargin: 28
        anchors.horizontalCenter: parent.horizontalCenter
        width: 180
        element: scene.page ? scene.page.SetButton : null
    }

    // Beside the set button, clear of the wheels' numbers.
    Spinner {
        anchors.left: setButton.right
        anchors.leftMargin: 12
        anchors.verticalCenter: setButton.verticalCenter
        element: scene.page ? scene.page.Spinner : null
    }
}
