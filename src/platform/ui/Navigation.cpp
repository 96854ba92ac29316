#include "platform/ui/Navigation.h"

#include <QPointer>
#include <QQmlEngine>

namespace otthon {

Navigation::Navigation(Scheduler& scheduler, QObject* parent) : QObject(parent), scheduler_(scheduler) {}

Navigation::~Navigation() {
    // The screens go first, from the top, while the navigator they may refer to still exists.
    while (!stack_.empty())
        stack_.pop_back();
}

void Navigation::registerScreen(const QString& identifier, Factory factory) {
    factories_[identifier] = std::move(factory);
}

std::unique_ptr<Screen> Navigation::instantiate(const QString& identifier) {
    auto it = factories_.find(identifier);
    if (it == factories_.end() || !it->second)
        return nullptr;
    std::unique_ptr<Screen> screen = it->second();
    if (screen)
        screen->setNavigation(this);
    return screen;
}

bool Navigation::perform(const QString& identifier) {
    if (!hasScreen(identifier))
        return false;
    later([this, identifier] { push(identifier); });
    return true;
}

void Navigation::back() {
    later([this] { pop(); });
}

void Navigation::later(std::function<void()> action) {
    scheduler_.after(0, [self = QPointer<Navigation>(this), action = std::move(action)] {
        if (self)
            action();
    });
}

void Navigation::push(const QString& identifier) {
    std::unique_ptr<Screen> screen = instantiate(identifier);
    if (!screen)
        return;
    // QML reaches the screen through `top`; C++ owns it.
    QQmlEngine::setObjectOwnership(screen.get(), QQmlEngine::CppOwnership);
    Screen* loaded = screen.get();
    stack_.push_back(std::move(screen));
    loaded->loadViewIfNeeded();
    emit stackChanged();
}

void Navigation::pop() {
    if (stack_.empty())
        return;
    std::unique_ptr<Screen> leaving = std::move(stack_.back());
    stack_.pop_back();
    leaving->viewWillDisappear();
    emit stackChanged();
}

} // namespace otthon
