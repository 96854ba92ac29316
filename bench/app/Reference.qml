import QtQuick
import QtQuick.Controls

// The reference for the app's start-up: the smallest window of the app's kind, a Quick Controls window of
// the same size holding a six-page SwipeView and its PageIndicator, each page with its title as a label. A
// fair floor: it lays out and draws text, as the app's first frame does, but no picture.
ApplicationWindow {
    width: 390
    height: 844
    visible: true
    color: "black"

    SwipeView {
        id: view
        anchors.fill: parent

        Repeater {
            model: ["Külső", "Nappali", "Háló", "Medence", "Öntöző", "Rádió"]
            Item {
                required property string modelData
                Label {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 16
                    text: parent.modelData
                    color: "white"
                    font.pixelSize: 22
                }
            }
        }
    }

    PageIndicator {
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        count: view.count
        currentIndex: view.currentIndex
    }
}
