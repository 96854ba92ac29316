#include "app/Application.h"

#include "pages/PageRegistry.h"
#include "pages/controls/ArtImageProvider.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQuickWindow>

#include <optional>

namespace otthon {

namespace {

const QUrl& mainScene() {
    static const QUrl url(QStringLiteral("qrc:/qt/qml/Otthon/qml/Main.qml"));
    return url;
}

// The pictures a page shows as it opens: its background and those of its elements on show.
QStringList picturesOf(const Screen& page) {
    QStringList names{page.background()};
    for (const QString& outlet : page.outletNames())
        if (const ViewElement* element = page.element(outlet); element && !element->isHidden())
            names.append(element->property("image").toString());
    names.removeAll(QString());
    return names;
}

} // namespace

Application::Application(const QString& baseUrl)
    : transport_(http_, baseUrl), navigation_(scheduler_),
      state_(baseUrl), context_{state_, Link{state_.model, transport_, alerts_, scheduler_}, notifications_,
                                navigation_},
      root_(context_) {
    registerPages(navigation_, context_);
    // Qt 6.4 does not look for modules in the resources by itself.
    engine_.addImportPath(QStringLiteral("qrc:/qt/qml"));
    art_ = new ArtImageProvider;
    engine_.addImageProvider(QLatin1String(ArtImageProvider::Id), art_); // the engine owns it
}

Application::~Application() = default;

bool Application::start() {
    // The QML thread reads the window's scenes and their imports from here on. Meanwhile this thread makes
    // the first page and gets ready what the first frame draws: the page's pictures, and the fonts (the first
    // text laid out would load the font database).
    QQmlComponent window(&engine_, mainScene(), QQmlComponent::Asynchronous);
    root_.viewDidLoad();
    std::optional<QQmlComponent> firstScene;
    if (const Screen* first = root_.currentPage()) {
        firstScene.emplace(&engine_, QUrl(first->scene()), QQmlComponent::Asynchronous);
        art_->prefetch(picturesOf(*first));
    }
    QFontMetricsF(QGuiApplication::font()).height();

    engine_.setInitialProperties(
        {{QStringLiteral("root"), QVariant::fromValue<QObject*>(&root_)},
         {QStringLiteral("alerts"), QVariant::fromValue<QObject*>(&alerts_)},
         {QStringLiteral("navigation"), QVariant::fromValue<QObject*>(&navigation_)},
         {QStringLiteral("appDelegate"), QVariant::fromValue<QObject*>(&delegate_)}});
    // Waits for the QML thread to finish what it began above.
    engine_.load(mainScene());
    art_->dropPrefetched();
    return !engine_.rootObjects().isEmpty();
}

QQuickWindow* Application::window() const {
    const auto roots = engine_.rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(roots.first());
}

Screen* Application::topScreen() {
    if (Screen* top = navigation_.top())
        return top;
    return root_.currentPage();
}

} // namespace otthon
