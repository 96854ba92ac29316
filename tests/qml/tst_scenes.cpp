#include "app/Application.h"
#include "pages/PageHarness.h"
#include "platform/ui/Screen.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

namespace {

// Every warning Qt or QML prints while a scene loads fails the test.
QStringList* collected = nullptr;
QtMessageHandler previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (collected && type != QtDebugMsg && type != QtInfoMsg)
        collected->append(message);
    previous(type, context, message);
}

struct WarningGuard {
    QStringList warnings;
    WarningGuard() {
        collected = &warnings;
        previous = qInstallMessageHandler(collect);
    }
    ~WarningGuard() {
        qInstallMessageHandler(previous);
        collected = nullptr;
    }
};

} // namespace

class ScenesTest : public QObject {
    Q_OBJECT

private slots:
    void everyScreenSceneLoadsCleanly_data() {
        QTest::addColumn<QString>("identifier");
        for (const char* id :
             {"Külső", "Nappali", "Háló", "Medence", "Öntöző", "Rádió", "MedenceTabla", "medence",
              "MedenceOsszefoglalas", "OntozoKiBe", "OntozoTable", "ontozo", "OntozoOsszefoglalas"})
            QTest::newRow(id) << QString::fromUtf8(id);
    }
    void everyScreenSceneLoadsCleanly() {
        QFETCH(QString, identifier);
        PageHarness h;
        std::unique_ptr<Screen> page = h.navigation.instantiate(identifier);
        QVERIFY(page);
        page->loadViewIfNeeded();
        QVERIFY2(!page->scene().isEmpty(), "every screen names its scene");

        WarningGuard guard;
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        QQmlComponent component(&engine, QUrl(page->scene()));
        QVERIFY2(component.isReady(), qPrintable(component.errorString()));
        for (QObject* shown : {static_cast<QObject*>(nullptr), static_cast<QObject*>(page.get())}) {
            std::unique_ptr<QObject> scene(component.createWithInitialProperties(
                {{QStringLiteral("page"), QVariant::fromValue(shown)}}));
            QVERIFY2(scene, qPrintable(component.errorString()));
            auto* item = qobject_cast<QQuickItem*>(scene.get());
            QVERIFY(item);
            item->setSize(QSizeF(390, 844));
            // Redraw with the link up, so bindings that follow the elements run too.
            h.model().Connected = true;
            h.scheduler.advance(3.0);
            QCoreApplication::processEvents();
        }
        QVERIFY2(guard.warnings.isEmpty(), qPrintable(guard.warnings.join('\n')));
    }

    void theWindowShowsEveryPage() {
        WarningGuard guard;
        Application app(QStringLiteral("http://127.0.0.1:9/LomaViro/Lomaviro.php"));
        QVERIFY(app.start());
        QQuickWindow* window = app.window();
        QVERIFY(window);
        QCOMPARE(window->width(), 390);
        QCOMPARE(window->height(), 844);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (int i = 0; i < 5; ++i) {
            QVERIFY(app.root().swipe(1));
            QTRY_COMPARE(window->contentItem()->findChild<QObject*>(),
                         window->contentItem()->findChild<QObject*>());
        }
        QCOMPARE(app.root().currentIndex(), 5);
        QVERIFY(!window->grabWindow().isNull());
        // A sub-screen, with its back bar, over the carousel: the keys leave the carousel alone, even when it
        // had the focus, and Escape goes back.
        QQuickItem* carousel = nullptr;
        for (QList<QQuickItem*> items{window->contentItem()}; !items.isEmpty() && !carousel;) {
            QQuickItem* item = items.takeFirst();
            carousel = item->inherits("QQuickSwipeView") ? item : nullptr;
            items.append(item->childItems());
        }
        QVERIFY(carousel);
        carousel->forceActiveFocus();
        QVERIFY(app.navigation().perform(QStringLiteral("MedenceTabla")));
        QTRY_COMPARE(app.navigation().depth(), 1);
        QVERIFY(!window->grabWindow().isNull());
        QTest::keyClick(window, Qt::Key_Left);
        QCOMPARE(carousel->property("currentIndex").toInt(), 5);
        QCOMPARE(app.root().currentIndex(), 5);
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_COMPARE(app.navigation().depth(), 0);
        app.alerts().show(AlertSpec{QStringLiteral("Figyelem!"),
                                    QStringLiteral("Biztos?"),
                                    {QStringLiteral("Mégsem"), QStringLiteral("Rendben")},
                                    {}});
        QTest::qWait(50);
        QVERIFY(app.alerts().press(0));
        QTest::qWait(50);
        QVERIFY2(guard.warnings.isEmpty(), qPrintable(guard.warnings.join('\n')));
    }
};

QTEST_MAIN(ScenesTest)
#include "tst_scenes.moc"
