#include "app/Application.h"

#include "pages/PageRegistry.h"

#include <QQuickWindow>

namespace otthon {

Application::Application(const QString& baseUrl)
    : transport_(http_, baseUrl), navigation_(scheduler_),
      state_(baseUrl), context_{state_, Link{state_.model, transport_, alerts_, scheduler_}, notifications_,
                                navigation_},
      root_(context_) {
    registerPages(navigation_, context_);
    // Qt 6.4 does not look for modules in the resources by itself.
    engine_.addImportPath(QStringLiteral("qrc:/qt/qml"));
}

Application::~Application() = default;

bool Application::start() {
    root_.viewDidLoad();
    engine_.setInitialProperties(
        {{QStringLiteral("root"), QVariant::fromValue<QObject*>(&root_)},
         {QStringLiteral("alerts"), QVariant::fromValue<QObject*>(&alerts_)},
         {QStringLiteral("navigation"), QVariant::fromValue<QObject*>(&navigation_)},
         {QStringLiteral("appDelegate"), QVariant::fromValue<QObject*>(&delegate_)}});
    engine_.load(QUrl(QStringLiteral("qrc:/qt/qml/Otthon/qml/Main.qml")));
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
