#include "app/Application.h"
#include "pages/PageRegistry.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Slider.h"
#include "support/PageHarness.h"

#include <QAccessible>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtQuickTest/quicktest.h>
#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

namespace {

const QString kNoController = QStringLiteral("http://127.0.0.1:9/LomaViro/Lomaviro.php");

AlertSpec confirmation(QList<int>* presses) {
    return {QStringLiteral("Figyelem!"),
            QStringLiteral("Biztos?"),
            {QStringLiteral("Mégsem"), QStringLiteral("Rendben")},
            [presses](int index) { presses->append(index); }};
}

// The visible items under the window's root that inherit `className` (and have that object name, if given).
QList<QQuickItem*> shownItems(QQuickWindow* window, const char* className, const QString& name = {}) {
    QList<QQuickItem*> found;
    QList<QQuickItem*> pending{window->contentItem()};
    while (!pending.isEmpty()) {
        QQuickItem* item = pending.takeFirst();
        if (!item->isVisible())
            continue;
        if (item->inherits(className) && (name.isEmpty() || item->objectName() == name))
            found.append(item);
        pending.append(item->childItems());
    }
    return found;
}

void click(QQuickWindow* window, const QQuickItem* item) {
    QTest::mouseClick(window, Qt::LeftButton, {}, item->mapToScene(item->boundingRect().center()).toPoint());
}

} // namespace

class ScenesTest : public QObject {
    Q_OBJECT

private slots:
    // Every warning Qt or QML prints fails the test.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void everyScreenSceneLoadsCleanly_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("className");
        for (const ScreenKind& screen : everyScreen())
            QTest::newRow(qPrintable(screen.identifier)) << screen.identifier << screen.className();
    }
    // Without its screen and with it, redrawn with the link up so that the bindings that follow the elements
    // run too. The screen says the class name that automation lists for it.
    void everyScreenSceneLoadsCleanly() {
        QFETCH(QString, identifier);
        QFETCH(QString, className);
        PageHarness h;
        std::unique_ptr<Screen> page = h.navigation.instantiate(identifier);
        QVERIFY(page);
        QCOMPARE(page->className(), className);
        page->loadViewIfNeeded();
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        QQmlComponent component(&engine, QUrl(page->scene()));
        for (QObject* shown : {static_cast<QObject*>(nullptr), static_cast<QObject*>(page.get())}) {
            std::unique_ptr<QObject> scene(component.createWithInitialProperties(
                {{QStringLiteral("page"), QVariant::fromValue(shown)}}));
            auto* item = qobject_cast<QQuickItem*>(scene.get());
            QVERIFY2(item, qPrintable(component.errorString()));
            item->setSize(QSizeF(390, 844));
            h.model().Connected = true;
            h.scheduler.advance(3.0);
            QCoreApplication::processEvents();
        }
    }

    // The window shows every page, and an alert whose buttons come and go while the window changes size, as
    // a rotation or a window drag gives. A dot of the page indicator turns the carousel to its page, also
    // from a finger's width off the dot, and says which page that is.
    void theWindowShowsPagesAndAlertsAtAnySize() {
        Application app(kNoController);
        QVERIFY(app.start());
        QQuickWindow* window = app.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QQuickItem* dots =
            shownItems(window, "QQuickPageIndicator")[0]->property("contentItem").value<QQuickItem*>();
        QQuickItem* last = dots->childAt(dots->width() - 1, dots->height() / 2);
        QCOMPARE(QAccessible::queryAccessibleInterface(last)->text(QAccessible::Name),
                 QStringLiteral("Rádió oldal"));
        const QList<QQuickItem*> targets = shownItems(window, "QQuickItem", QStringLiteral("pageDot"));
        QCOMPARE(targets.size(), 6);
        for (const QQuickItem* dot : targets)
            QVERIFY(dot->width() >= 44 && dot->height() >= 44 && dot->childAt(22, 22)->width() < 44);
        QTest::mouseClick(window, Qt::LeftButton, {}, last->mapToScene(QPointF(41, 3)).toPoint());
        QTRY_COMPARE(app.root().currentIndex(), 5);
        while (app.root().swipe(-1))
            QVERIFY(QQuickTest::qWaitForPolish(window));
        while (app.root().swipe(1))
            QVERIFY(QQuickTest::qWaitForPolish(window));

        // A sub-screen, with its back bar, over the carousel: the keys leave the carousel alone, even when it
        // had the focus, and Escape goes back; then the arrows turn the carousel again.
        QQuickItem* carousel = shownItems(window, "QQuickSwipeView").value(0);
        QVERIFY(carousel);
        carousel->forceActiveFocus();
        QVERIFY(app.navigation().perform(QStringLiteral("MedenceTabla")));
        QTRY_COMPARE(app.navigation().depth(), 1);
        QTest::keyClick(window, Qt::Key_Left);
        QCOMPARE(carousel->property("currentIndex").toInt(), 5);
        QCOMPARE(app.root().currentIndex(), 5);
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_COMPARE(app.navigation().depth(), 0);
        QTest::keyClick(window, Qt::Key_Left);
        QCOMPARE(app.root().currentIndex(), 4);

        // Each size is drawn before the next comes.
        QSignalSpy frames(window, &QQuickWindow::frameSwapped);
        const auto resizes = [window, &frames] {
            for (QSize size : {QSize(844, 390), QSize(600, 700), QSize(320, 480), QSize(390, 844)}) {
                window->resize(size);
                if (!frames.wait())
                    return false;
            }
            return true;
        };
        QList<int> presses;
        app.alerts().show(confirmation(&presses));
        QVERIFY(QQuickTest::qWaitForPolish(window));
        QVERIFY(app.alerts().press(1));
        QVERIFY(QQuickTest::qWaitForPolish(window));
        QVERIFY(resizes());
        const AlertId refused =
            app.alerts().show({{}, QStringLiteral("Sikertelen Medence beállitas!"), {}, {}});
        QVERIFY(QQuickTest::qWaitForPolish(window));
        QVERIFY(resizes());
        app.alerts().dismiss(refused, 0);
        app.alerts().show(confirmation(&presses));
        QVERIFY(resizes());
        QVERIFY(QQuickTest::qWaitForPolish(window));

        // Both buttons side by side across the bottom of the dialog.
        const QList<QQuickItem*> buttons = shownItems(window, "QQuickButton", QStringLiteral("alertButton"));
        QCOMPARE(buttons.size(), 2);
        const QRectF cancel = buttons[0]->mapRectToScene(buttons[0]->boundingRect());
        const QRectF confirm = buttons[1]->mapRectToScene(buttons[1]->boundingRect());
        QCOMPARE(cancel.top(), confirm.top());
        QVERIFY(cancel.width() > 100 && qAbs(cancel.width() - confirm.width()) < 2);
        QVERIFY(cancel.right() <= confirm.left() && confirm.right() <= window->width());
    }

    // The gear in the head bar opens the address settings; an address typed and saved there is kept, and the
    // window goes over to a new link on it, from its first page.
    void theGearLeadsToTheAddressAndSavingRestartsTheLink() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("otthon.conf"));
        Application app(kNoController, {false, false, file});
        QVERIFY(app.start());
        QQuickWindow* window = app.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(app.root().swipe(1));
        const RootViewController* before = &app.root();
        click(window, shownItems(window, "QQuickItem", QStringLiteral("settingsGear")).value(0));
        QTRY_VERIFY(!shownItems(window, "QQuickTextField", QStringLiteral("controllerAddress")).isEmpty());
        for (const char key : QByteArrayView("127.0.0.1:9"))
            QTest::keyClick(window, key);
        click(window, shownItems(window, "QQuickButton", QStringLiteral("saveAddress")).value(0));

        QVERIFY(&app.root() != before);
        QCOMPARE(window->property("root").value<QObject*>(), &app.root());
        QTRY_COMPARE(shownItems(window, "QQuickSwipeView").value(0)->property("currentIndex").toInt(), 0);
        QVERIFY(shownItems(window, "QQuickTextField").isEmpty());
        QCOMPARE(ControllerSettings::saved(QSettings(file, QSettings::IniFormat)),
                 QStringLiteral("http://127.0.0.1:9/LomaViro/Lomaviro.php"));
    }

    // Keys go to the open dialog, else to the focused control that takes them, else to the carousel.
    void keysGoToTheDialogThenTheFocusedControlThenTheCarousel() {
        // A controller that takes the connection and never answers: the poll stays under way, and the link
        // stays up as set here, so the controls take keys.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        Application app(QStringLiteral("http://127.0.0.1:%1/LomaViro/Lomaviro.php").arg(silent.serverPort()));
        app.state().model.Connected = true;
        QVERIFY(app.start());
        QQuickWindow* window = app.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Right);
        QCOMPARE(app.root().currentIndex(), 1);
        QVERIFY(QQuickTest::qWaitForPolish(window));
        auto* element = app.root().currentPage()->elementAs<Slider>(QStringLiteral("NappaliSlider"));
        QVERIFY(element);
        const QList<QQuickItem*> sliders = shownItems(window, "QQuickSlider");
        QCOMPARE(sliders.size(), 1);
        sliders[0]->forceActiveFocus();
        const auto rightMovesTheSlider = [&] {
            const float before = element->value();
            QTest::keyClick(window, Qt::Key_Right);
            return app.root().currentIndex() == 1 && element->value() > before;
        };
        QVERIFY(rightMovesTheSlider());

        // The first answer is a touch, which must not take the keys from the dialog the next time.
        QList<int> presses;
        app.alerts().show(confirmation(&presses));
        QVERIFY(QQuickTest::qWaitForPolish(window));
        click(window, shownItems(window, "QQuickButton", QStringLiteral("alertButton")).first());
        QCOMPARE(presses, QList<int>{0});
        for (auto [key, button] : {std::pair{Qt::Key_Escape, 0}, {Qt::Key_Return, 1}, {Qt::Key_Enter, 1}}) {
            app.alerts().show(confirmation(&presses));
            const float before = element->value();
            for (Qt::Key under : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Tab, Qt::Key_Left, Qt::Key_Space})
                QTest::keyClick(window, under);
            QVERIFY(app.alerts().isOpen());
            QCOMPARE(app.root().currentIndex(), 1);
            QCOMPARE(element->value(), before);
            QTest::keyClick(window, key);
            QVERIFY(!app.alerts().isOpen());
            QCOMPARE(presses.last(), button);
        }
        // Tab frames the button that Enter presses, the confirm button first; the next Tab the one after it.
        app.alerts().show(confirmation(&presses));
        QVERIFY(QQuickTest::qWaitForPolish(window));
        const auto framed = [window] {
            QList<int> buttons;
            for (const QQuickItem* frame :
                 shownItems(window, "QQuickRectangle", QStringLiteral("focusFrame")))
                buttons.append(frame->parentItem()->objectName() == QLatin1String("alertButton")
                                   ? int(frame->parentItem()->property("index").toInt())
                                   : -1);
            return buttons;
        };
        QCOMPARE(framed(), QList<int>());
        for (const QList<int>& expected : {QList<int>{1}, QList<int>{0}}) {
            QTest::keyClick(window, Qt::Key_Tab);
            QCOMPARE(framed(), expected);
        }
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(presses.last(), 0);
        QVERIFY(rightMovesTheSlider()); // the slider has its keys back

        // A focused button does not want the arrows.
        shownItems(window, "QQuickButton").first()->forceActiveFocus();
        QTest::keyClick(window, Qt::Key_Right);
        QCOMPARE(app.root().currentIndex(), 2);
        QCOMPARE(presses, (QList<int>{0, 0, 1, 1, 0}));
    }
};

QTEST_MAIN(ScenesTest)
#include "tst_scenes.moc"
