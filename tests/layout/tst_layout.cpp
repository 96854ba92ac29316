#include "link/ModelCopy.h"
#include "platform/ui/ActivityIndicator.h"
#include "support/PageHarness.h"
#include "support/SampleReply.h"

#include <QAccessible>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtQuickTest/quicktest.h>
#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

namespace {

// What a finger can hit or a user has to read, with the part of the window it shows in.
struct Shown {
    QQuickItem* item;
    QRectF rect, clip; // as drawn; what the items above it let show of it
    qreal opacity = 1;
};
struct Survey {
    QList<Shown> controls, texts;
    QList<Shown> pictures; // pictures over the background, and spinners
    QList<QRectF> covers;  // the no-connection picture
    QStringList faults;
};

// Where the text's lines are drawn, which may run past the item's own box.
QRectF textRect(const QQuickItem* text) {
    const QSizeF size(text->property("contentWidth").toReal(), text->property("contentHeight").toReal());
    const int align =
        text->property("horizontalAlignment").toInt() | text->property("verticalAlignment").toInt();
    const auto place = [align](qreal room, qreal used, int end, int centre) {
        return align & end ? room - used : align & centre ? (room - used) / 2 : 0;
    };
    return text->mapRectToScene(
        QRectF(QPointF(place(text->width(), size.width(), Qt::AlignRight, Qt::AlignHCenter),
                       place(text->height(), size.height(), Qt::AlignBottom, Qt::AlignVCenter)),
               size));
}

// How a text stands out from what is drawn under its lines (`bare`: the frame without texts, `ratio` its
// pixels to a point): the WCAG contrast that all but the worst twentieth of the pixels there reach against
// the text's colour, shown at the text's opacity.
qreal legibility(const Shown& text, const QImage& bare, qreal ratio) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](qreal s) {
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const QRectF seen = text.rect & text.clip;
    const QRect box = QRectF(seen.topLeft() * ratio, seen.size() * ratio).toAlignedRect() & bare.rect();
    const QColor ink = text.item->property("color").value<QColor>();
    const qreal alpha = ink.alphaF() * text.opacity;
    QList<qreal> ratios{21};
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor under = bare.pixelColor(x, y);
            const auto mix = [alpha](qreal fore, qreal back) { return alpha * fore + (1 - alpha) * back; };
            // minmax of a list gives values: of two arguments, references to these temporaries.
            const auto [dark, light] =
                std::minmax({luminance(under), luminance(QColor::fromRgbF(mix(ink.redF(), under.redF()),
                                                                          mix(ink.greenF(), under.greenF()),
                                                                          mix(ink.blueF(), under.blueF())))});
            ratios.append((light + 0.05) / (dark + 0.05));
        }
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 20, ratios.end());
    return ratios[ratios.size() / 20];
}

// The element an item shows, else its kind and text.
QString describe(const QQuickItem* item) {
    const auto* element = item->property("element").value<QObject*>();
    return element ? element->objectName()
                   : item->metaObject()->className() + QLatin1Char(' ') + item->property("text").toString();
}

// Walks the visible items, each seen through the clipping items above it; a control counts as one piece, with
// the texts in it.
void survey(QQuickItem* item, QRectF clip, qreal opacity, Survey& found, bool inControl = false) {
    opacity *= item->opacity();
    if (!item->isVisible() || opacity < 0.05)
        return;
    const QRectF rect = item->mapRectToScene(item->boundingRect());
    if (item->clip())
        clip &= rect;
    bool control = false;
    for (const char* kind : {"QQuickAbstractButton", "QQuickSlider", "QQuickTumbler", "QQuickMouseArea"})
        control = control || item->inherits(kind);
    if (control && !inControl && !(rect & clip).isEmpty()) {
        found.controls.append({item, rect, clip});
        // Whatever a finger can use, a key reaches (it takes the Tab focus, or sits in something that does),
        // and a screen reader can name.
        QQuickItem* keyed = item;
        while (keyed && !keyed->activeFocusOnTab())
            keyed = keyed->parentItem();
        QAccessibleInterface* spoken = keyed ? QAccessible::queryAccessibleInterface(keyed) : nullptr;
        if (item->isEnabled() && (!spoken || spoken->text(QAccessible::Name).trimmed().isEmpty()))
            found.faults.append(describe(item) + QStringLiteral(" has no key or no spoken name"));
    }
    const auto* element = item->property("element").value<QObject*>();
    if (element && element->objectName() == QLatin1String("ConnectionImage"))
        found.covers.append(rect);
    // A picture is cropped or fitted, never stretched, and asked for at a size: that makes Qt ask for it at
    // the screen's pixel ratio.
    if (item->inherits("QQuickImage") &&
        (item->property("fillMode").toInt() == 0 || !item->property("sourceSize").toSize().isValid()))
        found.faults.append(item->property("source").toString() + QStringLiteral(" is stretched or blurred"));
    if ((item->inherits("QQuickImage") && item->objectName() != QLatin1String("background")) ||
        item->inherits("QQuickBusyIndicator"))
        found.pictures.append({item, rect, clip});
    if (item->inherits("QQuickText") && !item->property("text").toString().trimmed().isEmpty())
        found.texts.append({item, textRect(item), clip, opacity});
    for (QQuickItem* child : item->childItems())
        survey(child, clip, opacity, found, inControl || control);
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everySceneFitsEverySize_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QSize>("size");
        for (const ScreenKind& screen : everyScreen())
            for (QSize size : {QSize(320, 568), QSize(430, 932), QSize(844, 390), QSize(568, 320)})
                QTest::addRow("%s %dx%d", qPrintable(screen.identifier), size.width(), size.height())
                    << screen.identifier << size;
    }

    // Shown as the window shows it, with the link up and then down and the spinners running: no two controls
    // that take touches on top of each other, none under the no-connection picture or the window's settings
    // gear, nothing cut off by the window, every text whole, clear of other texts, pictures and spinners and
    // standing out 4.5:1 from what is drawn under it, and every control reached by a key and named for a
    // screen reader.
    void everySceneFitsEverySize() {
        QFETCH(QString, identifier);
        QFETCH(QSize, size);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        PageHarness h;
        h.model().StatusDocument = StatusTree(sampleReply());
        copyReplyIntoModel(h.model().StatusDocument, h.model());
        std::unique_ptr<Screen> page = h.navigation.instantiate(identifier);
        page->loadViewIfNeeded();
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        const bool carouselPage = carouselPages().contains(identifier);
        QQmlComponent component(&engine);
        component.setData(carouselPage ? "import Otthon\nSceneLoader {}" : "import Otthon\nSubScreen {}", {});
        QQuickWindow window;
        window.resize(size);
        std::unique_ptr<QObject> made(component.createWithInitialProperties(
            {{QStringLiteral("page"), QVariant::fromValue(static_cast<QObject*>(page.get()))},
             {QStringLiteral("navigation"), QVariant::fromValue(static_cast<QObject*>(&h.navigation))}}));
        auto* scene = qobject_cast<QQuickItem*>(made.get());
        QVERIFY2(scene, qPrintable(component.errorString()));
        scene->setParentItem(window.contentItem());
        scene->setSize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QRectF whole(QPointF(0, 0), size);
        // Inside a scrolling list or panel a thing may run out of sight; elsewhere it has to fit the window.
        const auto fits = [&whole](const Shown& shown) {
            return shown.clip != whole || whole.adjusted(-0.5, -0.5, 0.5, 0.5).contains(shown.rect);
        };
        const auto overlap = [](const QRectF& a, const QRectF& b) {
            const QRectF both = a & b;
            return both.width() >= 1 && both.height() >= 1;
        };
        for (bool connected : {true, false}) {
            h.model().Connected = connected;
            h.linkChanged();
            // With the spinners running, as while a command holds.
            for (ActivityIndicator* spinner : page->findChildren<ActivityIndicator*>())
                spinner->startAnimating();
            QVERIFY(QQuickTest::qWaitForPolish(&window));
            Survey found;
            survey(window.contentItem(), whole, 1, found);
            QCOMPARE(found.covers.size(), connected ? 0 : 1); // on every screen
            // The window's gear to the address settings (Main.qml) lies in the top right corner of every
            // scene.
            found.covers.append(QRectF(size.width() - 52, 4, 48, 48));
            QStringList& faults = found.faults;
            const auto fault = [&faults](bool failed, const QQuickItem* item, const QString& what) {
                if (failed)
                    faults.append(describe(item) + what);
            };
            for (qsizetype i = 0; i < found.controls.size(); ++i) {
                const Shown& a = found.controls[i];
                const QRectF seen = a.rect & a.clip;
                fault(!fits(a), a.item, QStringLiteral(" runs out of the window"));
                for (const QRectF& cover : found.covers)
                    fault(overlap(seen, cover), a.item,
                          QStringLiteral(" lies under the picture or the gear"));
                for (const Shown& b : found.controls.mid(i + 1))
                    fault(a.item->isEnabled() && b.item->isEnabled() && overlap(seen, b.rect & b.clip),
                          a.item, QStringLiteral(" overlaps ") + describe(b.item));
            }
            // The frame as drawn, and again without its texts: what lies under each text.
            QList<qreal> opacities;
            for (const Shown& text : found.texts) {
                opacities.append(text.item->opacity());
                text.item->setOpacity(0);
            }
            const QImage bare = window.grabWindow();
            for (qsizetype i = 0; i < found.texts.size(); ++i)
                found.texts[i].item->setOpacity(opacities[i]);
            for (qsizetype i = 0; i < found.texts.size(); ++i) {
                const Shown& text = found.texts[i];
                const QRectF seen = text.rect & text.clip;
                fault(text.item->property("truncated").toBool(), text.item, QStringLiteral(" is elided"));
                fault(text.rect.left() < text.clip.left() - 0.5 ||
                          text.rect.right() > text.clip.right() + 0.5 || !fits(text),
                      text.item, QStringLiteral(" is cut off"));
                for (const QRectF& cover : found.covers)
                    fault(overlap(text.rect, cover), text.item,
                          QStringLiteral(" lies under the picture or the gear"));
                for (const Shown& other : found.texts.mid(i + 1) + found.pictures)
                    fault(overlap(seen, other.rect & other.clip), text.item,
                          QStringLiteral(" runs into ") + describe(other.item));
                // A wheel's rows away from its middle fade out on purpose: only the chosen row has to read.
                const QQuickItem* wheel = text.item->parentItem();
                while (wheel && !wheel->inherits("QQuickTumbler"))
                    wheel = wheel->parentItem();
                const qreal legible = legibility(text, bare, bare.width() / qreal(size.width()));
                fault((!wheel || wheel->property("currentItem").value<QQuickItem*>() == text.item) &&
                          legible < 4.5,
                      text.item, QStringLiteral(" stands out only %1:1").arg(legible, 0, 'f', 1));
            }
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
