#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct QMetaObject;

namespace otthon {

class Navigation;
class Screen;
struct PageContext;

// One screen the app can show: the identifier it is made and pushed by, whether it is one of the carousel's
// pages, and how it is made.
struct ScreenKind {
    QString identifier;
    bool carouselPage;
    const QMetaObject* type;
    std::unique_ptr<Screen> (*make)(PageContext& context);

    // The screen's class name, as its className() says it.
    QString className() const;
};

// Every screen, each once: the six carousel pages in the carousel's order, then the sub-screens they lead to.
std::vector<ScreenKind> everyScreen();
// The identifiers of the carousel's pages, in its order.
QStringList carouselPages();

// Registers every screen under its identifier.
void registerPages(Navigation& navigation, PageContext& context);

} // namespace otthon
