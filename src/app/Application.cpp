#include "app/Application.h"

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

Application::Application(const QString& baseUrl, Options options)
    : settingsSheet_(options.settingsFile, probeHttp_, scheduler_, alerts_,
                     [this](const QString& url) { restartLink(url); }),
      session_(std::make_unique<LinkSession>(baseUrl, scheduler_, http_, alerts_, options.recordRequests)),
      options_(options) {
    settingsSheet_.setCurrent(baseUrl, options.demo);
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
    session_->start();
    std::optional<QQmlComponent> firstScene;
    if (const Screen* first = root().currentPage()) {
        firstScene.emplace(&engine_, QUrl(first->scene()), QQmlComponent::Asynchronous);
        art_->prefetch(picturesOf(*first) << QStringLiteral("beallitasok.png")); // and the head bar's gear
    }
    QFontMetricsF(QGuiApplication::font()).height();

    engine_.setInitialProperties(
        {{QStringLiteral("root"), QVariant::fromValue<QObject*>(&root())},
         {QStringLiteral("alerts"), QVariant::fromValue<QObject*>(&alerts_)},
         {QStringLiteral("navigation"), QVariant::fromValue<QObject*>(&navigation())},
         {QStringLiteral("appDelegate"), QVariant::fromValue<QObject*>(&delegate_)},
         {QStringLiteral("settings"), QVariant::fromValue<QObject*>(&settingsSheet_)}});
    // Waits for the QML thread to finish what it began above.
    engine_.load(mainScene());
    art_->dropPrefetched();
    if (engine_.rootObjects().isEmpty())
        return false;
    if (options_.askForAddress)
        settingsSheet_.show();
    return true;
}

void Application::restartLink(const QString& baseUrl) {
    auto next = std::make_unique<LinkSession>(baseUrl, scheduler_, http_, alerts_, options_.recordRequests);
    next->start();
    std::shared_ptr<LinkSession> previous = std::exchange(session_, std::move(next));
    previous->end();
    settingsSheet_.setCurrent(baseUrl, false);
    if (QQuickWindow* shown = window()) {
        shown->setProperty("root", QVariant::fromValue<QObject*>(&root()));
        shown->setProperty("navigation", QVariant::fromValue<QObject*>(&navigation()));
    }
    // The scenes may hold the old pages until they have let go of them; the session goes after that, with the
    // queued call that holds it. It has ended: nothing of it runs meanwhile.
    QMetaObject::invokeMethod(
        &engine_, [previous = std::move(previous)] {}, Qt::QueuedConnection);
}

QQuickWindow* Application::window() const {
    const auto roots = engine_.rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(roots.first());
}

Screen* Application::topScreen() {
    if (Screen* top = navigation().top())
        return top;
    return root().currentPage();
}

} // namespace otthon
