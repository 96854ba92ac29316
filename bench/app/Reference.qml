import QtQuick
import QtQuick.Controls

// The reference for the app's start-up: the smallest window of the app's kind, a Quick Controls window of
// the same size holding a six-page SwipeView and its PageIndicator.
ApplicationWindow {
    width: 390
    height: 844
    visible: true
    color: "black"

    SwipeView {
        id: view
        anchors.fill: parent

        Repeater {
            model: 6
            Item {}
        }
    }

    PageIndicator {
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        count: view.count
        currentIndex: view.currentIndex
    }
}
