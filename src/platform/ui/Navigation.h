#pragma once

#include "platform/Scheduler.h"
#include "platform/ui/Screen.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace otthon {

// Makes screens by identifier and keeps the stack of sub-screens pushed over the page carousel. The
// carousel's own pages are not on the stack: the app shows the carousel while the stack is empty, and the top
// screen otherwise.
//
// perform() and back() take effect after the handler that called them has returned (a delayed call of 0 s on
// the scheduler), so a handler may store what the next screen reads when it loads after asking for the
// transition.
class Navigation : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The app has one navigation")
    Q_PROPERTY(int depth READ depth NOTIFY stackChanged)
    Q_PROPERTY(otthon::Screen* top READ top NOTIFY stackChanged)

public:
    using Factory = std::function<std::unique_ptr<Screen>()>;

    explicit Navigation(Scheduler& scheduler, QObject* parent = nullptr);
    ~Navigation() override;

    // Registers (or replaces) the factory of `identifier`, which is both the screen's identifier and the name
    // of the transition that pushes it.
    void registerScreen(const QString& identifier, Factory factory);
    bool hasScreen(const QString& identifier) const { return factories_.count(identifier) != 0; }
    // A fresh screen, owned by the caller, with this navigator set; null for an unknown identifier. Its view
    // is not loaded yet.
    std::unique_ptr<Screen> instantiate(const QString& identifier);

    // Pushes a fresh screen of `identifier` and loads it, once the current handler has returned. Returns
    // false (nothing happens) for an unknown identifier.
    Q_INVOKABLE bool perform(const QString& identifier);
    // Pops the top screen and deletes it, once the current handler has returned; nothing with an empty stack.
    Q_INVOKABLE void back();

    Screen* top() const { return stack_.empty() ? nullptr : stack_.back().get(); }
    int depth() const { return int(stack_.size()); }

signals:
    void stackChanged();

private:
    void push(const QString& identifier);
    void pop();
    void later(std::function<void()> action);

    Scheduler& scheduler_;
    std::map<QString, Factory> factories_;
    std::vector<std::unique_ptr<Screen>> stack_;
};

} // namespace otthon
