#include "pages/ControlPage.h"

#include "link/JsonHttp.h"
#include "link/LinkEvents.h"
#include "pages/ConnectionImage.h"
#include "platform/ui/ViewElement.h"

#include <QPointer>

namespace otthon {

ControlPage::ControlPage(PageContext& context, const QString& restorationIdentifier, QObject* parent)
    : Screen(restorationIdentifier, parent), ConnectionImage(makeConnectionImage(*this)), context_(context) {
    otthon::showConnection(ConnectionImage, context);
    connect(&context.link.events, &LinkEvents::exchangeEnded, this, &ControlPage::linkChanged);
}

void ControlPage::showConnection() {
    otthon::showConnection(ConnectionImage, context_, valueLabels());
}

void ControlPage::startRefreshTimer() {
    redraws_ = true;
    refTimer = ScopedTimer(context_.scheduler(), context_.scheduler().start(StatusModel::PageRefreshInterval,
                                                                            true, [this] { rtimer(); }));
}

void ControlPage::linkChanged() {
    if (redraws_)
        rtimer();
    else
        showConnection();
}

void ControlPage::rtimer() {
    INIT();
    if (isHolding() && redrawKeepsHold()) {
        SET();
        if (spinner_)
            spinner_->startAnimating();
    }
}

void ControlPage::beallitas() {
    if (spinner_)
        spinner_->startAnimating();
    if (bool* ready = readyFlag())
        *ready = false;
    const QString command = formCommand();
    beginSettling(model());
    writeOptimistic();
    JsonHttp::send(context_.link, command);
    SET();
    startHoldTimer();
}

void ControlPage::startHold() {
    if (spinner_)
        spinner_->startAnimating();
    if (bool* ready = readyFlag())
        *ready = false;
    SET();
    startHoldTimer();
}

void ControlPage::startHoldTimer() {
    context_.scheduler().invalidate(timer);
    QPointer<ControlPage> page(this);
    const Link link = context_.link;
    bool* ready = readyFlag();
    timer = context_.scheduler().after(HoldInterval, [page, link, ready] {
        if (page) {
            page->updateActivityIndicator();
            return;
        }
        if (ready)
            *ready = true;
        endSettling(link);
    });
}

void ControlPage::SET() {
    const bool ready = readyFlag() && *readyFlag();
    for (ViewElement* control : gatedControls())
        control->setEnabled(ready);
    for (ViewElement* control : touchLockedControls())
        control->setInteractive(ready);
}

void ControlPage::updateActivityIndicator() {
    context_.scheduler().invalidate(timer);
    timer = 0;
    if (bool* ready = readyFlag())
        *ready = true;
    SET();
    afterHold();
    if (spinner_)
        spinner_->stopAnimating();
    endSettling(context_.link);
}

} // namespace otthon
