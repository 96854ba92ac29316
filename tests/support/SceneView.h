#pragma once

#include "platform/ui/Screen.h"

#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QtQuickTest/quicktest.h>
#include <QtTest>

namespace otthon::testing {

// A page's scene in a phone-sized window, shown and exposed. Any warning while it lives fails the test.
struct SceneView {
    QQuickView view;

    explicit SceneView(Screen& page) {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        // Qt 6.4 does not look for modules under the resource prefix that the modules are built with.
        view.engine()->addImportPath(QStringLiteral("qrc:/qt/qml"));
        view.setInitialProperties(
            {{QStringLiteral("page"), QVariant::fromValue(static_cast<QObject*>(&page))}});
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.setSource(QUrl(page.scene()));
        view.resize(390, 844);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    // The control item that shows `element`, and an item of class `className` inside it.
    QQuickItem* control(const QObject* element) const {
        QList<QQuickItem*> pending{view.rootObject()};
        while (!pending.isEmpty()) {
            QQuickItem* item = pending.takeFirst();
            if (item->property("element").value<QObject*>() == element)
                return item;
            pending.append(item->childItems());
        }
        return nullptr;
    }
    QQuickItem* inner(const QObject* element, const char* className) const {
        for (QQuickItem* item : control(element)->findChildren<QQuickItem*>())
            if (item->inherits(className))
                return item;
        return nullptr;
    }

    // A touch lands on the scene as laid out after the last change, as a finger does: a list that has just
    // gained or lost rows places them at the next polish.
    void click(QQuickItem* item, QPointF at) {
        QVERIFY(QQuickTest::qWaitForPolish(&view));
        QTest::mouseClick(&view, Qt::LeftButton, {}, item->mapToScene(at).toPoint());
    }
    void clickCentre(QQuickItem* item) { click(item, QPointF(item->width() / 2, item->height() / 2)); }
};

} // namespace otthon::testing
