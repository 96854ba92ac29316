import QtQuick
import Otthon.Controls
import Otthon.Pages as Pages

// The radio: the station wheel, the upright volume slider between up and down with the volume beside it, and
// play and stop. Upright, play and stop sit under the wheel; on its side, between the wheel and the volume.
// The volume keeps clear of the no-connection picture: below it upright, left of it on its side.
Item {
    id: scene

    property Pages.Radio page: null
    readonly property bool wide: width > height
    // Room for the slider between the volume's buttons, what the window's height leaves: upright, above the
    // station that plays.
    readonly property real sliderLength: Math.max(90, Math.min(240, height - volume.y - 148 -
                                                          (wide ? 40 : 56 + 24 + playing.height + nowPlaying.height + 12)))

    HeadLabel {
        element: scene.page ? scene.page.RadioHead : null
    }

    Backing {
        around: stations
    }

    ElementPicker {
        id: stations
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.right: scene.wide ? playing.left : volume.left
        // Clear of the volume's backing, with a gap between the two.
        anchors.rightMargin: scene.wide ? 12 : 24
        // On its side the wheel takes the height under the station that plays, down to the page dots.
        y: scene.wide ? nowPlaying.y + nowPlaying.height + 12 : volume.y + (volume.height - height) / 2
        height: scene.wide ? Math.min(260, scene.height - y - 36) : Math.min(260, volume.height)
        element: scene.page ? scene.page.RadioAdok : null
    }

    Backing {
        around: volume
    }

    Column {
        id: volume
        anchors.right: parent.right
        // On its side, clear of the picture's caption too.
        anchors.rightMargin: scene.wide ? 140 : 20
        anchors.top: parent.top
        anchors.topMargin: scene.wide ? 72 : 152
        spacing: 8

        TextButton {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 56
            height: 40
            element: scene.page ? scene.page.RadioUp : null
        }
        // The slider lies level and is turned upright: its box swaps width and height.
        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 48
            height: scene.sliderLength
            ElementSlider {
                anchors.centerIn: parent
                width: parent.height
                element: scene.page ? scene.page.RadioSlider : null
            }
        }
        TextButton {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 56
            height: 40
            element: scene.page ? scene.page.RadioDown : null
        }
        ElementLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            element: scene.page ? scene.page.RadioVolume : null
            font.pixelSize: 24
            font.bold: true
        }
    }

    // Which station plays: over the play and stop buttons, or on its side over the wheel.
    ElementLabel {
        id: nowPlaying
        x: scene.wide ? 20 + (playing.x - 32 - width) / 2 : playing.x + (playing.width - width) / 2
        y: scene.wide ? 68 : playing.y - height - 12
        element: scene.page ? scene.page.RadioMost : null
    }

    Grid {
        id: playing
        columns: scene.wide ? 1 : 2
        spacing: scene.wide ? 16 : 40
        x: scene.wide ? volume.x - width - 28 : (scene.width - width) / 2
        y: scene.wide ? volume.y + (volume.height - height) / 2 : scene.height - height - (scene.height < 700 ? 56 : 110)

        TextButton {
            width: 96
            height: 64
            element: scene.page ? scene.page.RadioPlay : null
            font.pixelSize: 30
        }
        TextButton {
            width: 96
            height: 64
            element: scene.page ? scene.page.RadioStop : null
            font.pixelSize: 30
        }
    }

    Spinner {
        anchors.top: playing.bottom
        anchors.topMargin: 8
        anchors.horizontalCenter: playing.horizontalCenter
        element: scene.page ? scene.page.RadioIndicator : null
    }

    ConnectionBadge {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.topMargin: 72
        anchors.rightMargin: 12
        // On its side, the volume stands left of the picture: the caption goes under it.
        captionBeside: !scene.wide
        element: scene.page ? scene.page.ConnectionImage : null
    }
}
