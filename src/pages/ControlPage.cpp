#include "pages/ControlPage.h"

#include "link/JsonHttp.h"
#include "platform/ui/ViewElement.h"

#include <QPointer>

namespace otthon {

ControlPage::ControlPage(PageContext& context, const QString& restorationIdentifier, QObject* parent)
    : Screen(restorationIdentifier, parent), ConnectionImage(new ImageView(this)), context_(context) {
    ConnectionImage->setImage(QString::fromLatin1(NoConnectionImage));
    addOutlet(QStringLiteral("ConnectionImage"), ConnectionImage);
}

void ControlPage::startRefreshTimer() {
    refTimer = ScopedTimer(context_.scheduler(), context_.scheduler().start(StatusModel::PageRefreshInterval,
                                                                            true, [this] { rtimer(); }));
}

void ControlPage::rtimer() {
    if (refreshWaitsForCommand() && model().CommandInFlight)
        return;
    INIT();
}

void ControlPage::beallitas() {
    if (spinner_)
        spinner_->startAnimating();
    if (bool* ready = readyFlag())
        *ready = false;
    const QString command = formCommand();
    model().CommandInFlight = true;
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
    QPointer<ControlPage> page(this);
    PageContext& context = context_;
    bool* ready = readyFlag();
    timer = context.scheduler().after(HoldInterval, [page, &context, ready] {
        if (page) {
            page->updateActivityIndicator();
            return;
        }
        if (ready)
            *ready = true;
        context.model().CommandInFlight = false;
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
    if (bool* ready = readyFlag())
        *ready = true;
    model().CommandInFlight = false;
    SET();
    afterHold();
    if (spinner_)
        spinner_->stopAnimating();
}

} // namespace otthon
