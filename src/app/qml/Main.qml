import QtQuick
import QtQuick.Controls
import Otthon
import Otthon.Controls
import Otthon.Ui as Ui

// The window, held like a phone: the carousel of six pages with its page indicator, the sub-screen on top when
// one is open, the gear to the controller's address settings at the right end of every head bar, and the
// dialogs.
ApplicationWindow {
    id: window

    required property RootViewController root
    required property Ui.AlertCenter alerts
    required property Ui.Navigation navigation
    required property AppDelegate appDelegate
    required property ControllerSettings settings

    width: 390
    height: 844
    visible: true
    title: "otthon"
    color: "black"

    // Everything under the dialog. A key that no focused control under it takes comes here: the arrows turn
    // the carousel.
    FocusScope {
        id: underDialog
        anchors.fill: parent
        focus: true
        Keys.onLeftPressed: if (carousel.visible) window.root.swipe(-1)
        Keys.onRightPressed: if (carousel.visible) window.root.swipe(1)

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
            readonly property Ui.Screen screen: window.navigation.top
            active: screen !== null
            // Back from a sub-screen, the keys come here again.
            onActiveChanged: if (!active) underDialog.forceActiveFocus()
            sourceComponent: active ? sceneHolder : null
            Component {
                id: sceneHolder
                // The ids are this file's own. A bound component (pragma ComponentBehavior: Bound) would tell the
                // linter so, but in Qt 6.4 this Loader cannot make one.
                SubScreen {
                    page: subScreen.screen // qmllint disable unqualified
                    navigation: window.navigation // qmllint disable unqualified
                }
            }
        }
    }

    // The address settings, from every page and sub-screen.
    Item {
        objectName: "settingsGear"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: 4
        anchors.rightMargin: 4
        width: 48
        height: 48
        Accessible.role: Accessible.Button
        Accessible.name: "Beállítások"
        Accessible.onPressAction: window.settings.show()
        activeFocusOnTab: true
        Keys.onSpacePressed: window.settings.show()
        Keys.onReturnPressed: window.settings.show()
        Keys.onEnterPressed: window.settings.show()
        // The arrows turn the pages from here too, as from the page's own controls.
        Keys.forwardTo: [underDialog]

        ArtImage {
            anchors.centerIn: parent
            width: 30
            height: 30
            name: "beallitasok.png"
            opacity: gearArea.pressed ? 0.6 : 1
        }
        MouseArea {
            id: gearArea
            anchors.fill: parent
            onClicked: window.settings.show()
        }
        FocusFrame {}
    }

    // On the built-in substitute controller every page and sub-screen says so, lest its household be taken
    // for the user's own.
    Rectangle {
        objectName: "demoMark"
        visible: window.settings.demo
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.leftMargin: 8
        // Above the band of the page indicator's touch targets.
        anchors.bottomMargin: 50
        width: demoText.implicitWidth + 16
        height: demoText.implicitHeight + 6
        radius: height / 2
        color: Qt.rgba(0.55, 0.2, 0, 0.85)
        Text {
            id: demoText
            anchors.centerIn: parent
            text: "Bemutató"
            color: "white"
            font.pixelSize: 13
            font.bold: true
        }
    }

    // Loaded the first time it opens, like the alert dialog below.
    Loader {
        id: settingsSheet
        function ensure() {
            if (window.settings.open && source == "")
                setSource(Qt.resolvedUrl("ControllerSheet.qml"), {"settings": window.settings})
        }
        Component.onCompleted: ensure()
        Connections {
            target: window.settings
            function onChanged() { settingsSheet.ensure() }
        }
    }

    // Loaded when the first alert opens and kept from then on: none of it is read, made or shown before.
    Loader {
        id: alertDialog
        function ensure() {
            if (window.alerts.open && source == "")
                setSource(Qt.resolvedUrl("AlertDialog.qml"), {"alerts": window.alerts})
        }
        Component.onCompleted: ensure()
        Connections {
            target: window.alerts
            function onChanged() { alertDialog.ensure() }
        }
    }
}
