import QtQuick
import QtQuick.Controls

// The window, held like a phone: the carousel of six pages with its page indicator, the sub-screen on top when
// one is open, and the alert dialog.
ApplicationWindow {
    id: window

    required property QtObject root
    required property QtObject alerts
    required property QtObject navigation
    required property QtObject appDelegate

    width: 390
    height: 844
    visible: true
    title: "otthon"
    color: "black"

    Carousel {
        id: carousel
        anchors.fill: parent
        root: window.root
        appDelegate: window.appDelegate
        visible: !subScreen.active
    }

    Loader {
        id: subScreen
        anchors.fill: parent
        readonly property QtObject screen: window.navigation.top
        active: screen !== null
        sourceComponent: active ? sceneHolder : null
        Component {
            id: sceneHolder
            SubScreen {
                page: subScreen.screen
                navigation: window.navigation
            }
        }
    }

    AlertDialog {
        alerts: window.alerts
    }

    // The arrows page the carousel only while no sub-screen covers it.
    Shortcut { sequence: StandardKey.MoveToNextChar; enabled: !subScreen.active; onActivated: window.root.swipe(1) }
    Shortcut { sequence: StandardKey.MoveToPreviousChar; enabled: !subScreen.active; onActivated: window.root.swipe(-1) }
}
