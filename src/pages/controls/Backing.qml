import QtQuick

// A dark, rounded backing behind a group of items, so that their texts read on any part of the page's
// picture. It spans the visible children of `around` (or `around` itself, when it has none) and is declared
// before the group in the same parent, so that it is drawn under it.
Rectangle {
    id: backing

    required property Item around
    property real margin: 8
    // The visible part of the group, in the coordinates of the group's parent.
    readonly property rect box: {
        const group = backing.around
        let left = Infinity, top = Infinity, right = -Infinity, bottom = -Infinity
        for (let i = 0; i < group.children.length; ++i) {
            const child = group.children[i]
            if (!child.visible || child.width <= 0 || child.height <= 0)
                continue
            left = Math.min(left, child.x)
            top = Math.min(top, child.y)
            right = Math.max(right, child.x + child.width)
            bottom = Math.max(bottom, child.y + child.height)
        }
        if (left > right)
            return Qt.rect(group.x, group.y, group.width, group.height)
        return Qt.rect(group.x + left, group.y + top, right - left, bottom - top)
    }

    visible: around.visible
    x: box.x - margin
    y: box.y - margin
    width: box.width + 2 * margin
    height: box.height + 2 * margin
    radius: 12
    color: Qt.rgba(0, 0, 0, 0.7)
}
