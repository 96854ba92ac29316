import QtQuick
import QtQuick.Controls
import Otthon
import Otthon.Controls
import Otthon.Ui as Ui

// The delegates below read this file's ids, which the linter cannot follow without pragma ComponentBehavior:
// Bound; in Qt 6.4 that pragma breaks these delegates ("Cannot set property on internal context"), so the lines
// that read them are exempt from the unqualified-access check.
//
// Six slots that the user swipes through. A slot shows a page only while the root screen holds one for it: the
// current page, and during a swipe its two neighbours. The root screen decides what a settled swipe means.
Item {
    id: carousel

    required property RootViewController root
    required property AppDelegate appDelegate

    // A new root screen (the link restarted on another address) starts on its own first page.
    onRootChanged: if (view.currentIndex !== root.currentIndex) view.setCurrentIndex(root.currentIndex)

    SwipeView {
        id: view
        anchors.fill: parent
        currentIndex: 0
        // Not a stop of its own for Tab: the first Tab goes to the page's first control.
        activeFocusOnTab: false
        // The arrow keys turn pages through the root screen (Main), never through the view alone.
        Component.onCompleted: contentItem.keyNavigationEnabled = false

        Repeater {
            model: carousel.root.presentationCount
            SceneLoader {
                required property int index
                page: {
                    // Re-read whenever the pages change.
                    carousel.root.currentPage // qmllint disable unqualified
                    return carousel.root.pageAt(index) as Ui.Screen
                }
            }
        }

        Connections {
            target: view.contentItem as ListView
            function onDraggingChanged() {
                if ((view.contentItem as ListView).dragging)
                    carousel.root.beginSwipe(view.currentIndex)
            }
            function onMovementEnded() {
                carousel.root.endSwipe(view.currentIndex)
            }
        }
    }

    Connections {
        target: carousel.root
        function onPagesChanged() {
            if (view.currentIndex !== carousel.root.currentIndex)
                view.setCurrentIndex(carousel.root.currentIndex)
        }
    }

    // The dots sit on a dark band; each dot is the middle of a touch target of a finger's size.
    Rectangle {
        anchors.centerIn: indicator
        width: indicator.width - 16
        height: 24
        radius: height / 2
        color: carousel.appDelegate.pageIndicatorBackground
    }

    PageIndicator {
        id: indicator
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottomMargin: 2
        padding: 0
        spacing: 0
        count: carousel.root.presentationCount
        currentIndex: view.currentIndex
        // A dot turns the carousel to its page.
        interactive: true
        onCurrentIndexChanged: {
            if (currentIndex !== view.currentIndex) {
                carousel.root.showPage(currentIndex)
                currentIndex = Qt.binding(function () { return view.currentIndex })
            }
        }
        delegate: Item {
            id: dot
            required property int index
            objectName: "pageDot"
            Accessible.role: Accessible.PageTab
            Accessible.name: Spoken.page(carousel.root.pageNames[index] || "") // qmllint disable unqualified
            implicitWidth: 44
            implicitHeight: 44

            Rectangle {
                anchors.centerIn: parent
                width: 8
                height: 8
                radius: 4
                color: dot.index === indicator.currentIndex // qmllint disable unqualified
                       ? carousel.appDelegate.currentPageIndicatorColor // qmllint disable unqualified
                       : carousel.appDelegate.pageIndicatorColor // qmllint disable unqualified
            }
        }
    }
}
