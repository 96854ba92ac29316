#include "pages/ControlPage.h"

#include "link/JsonHttp.h"
#include "platform/ui/ViewElement.h"

#include <QPointer>

namespace otthon {

ControlPage::ControlPage(PageContext& context, const QString& restorationIdentifier, QObject* parent,
                         Connection connection)
    : Screen(restorationIdentifier, parent),
      ConnectionImage(connection == Connection::Shown
                          ? makeOutlet<ImageView>(QStringLiteral("ConnectionImage"))
                          : nullptr),
      context_(context) {
    if (ConnectionImage)
        ConnectionImage->setImage(QString::fromLatin1(NoConnectionImage));
}

QString ControlPage::lastReplyText(const QDateTime& lastReply, const QDateTime& now) {
    if (!lastReply.isValid())
        return QStringLiteral("Még nincs adat");
    const QString format =
        lastReply.date() == now.date() ? QStringLiteral("HH:mm") : QStringLiteral("MM.dd. HH:mm");
    return QStringLiteral("Utolsó adat: ") + lastReply.toString(format);
}

void ControlPage::showConnection() {
    if (!ConnectionImage)
        return;
    const bool stale = !model().Connected;
    ConnectionImage->setHidden(!stale);
    ConnectionImage->setCaption(stale ? lastReplyText(model().LastReply, QDateTime::currentDateTime())
                                      : QString());
    for (Label* value : valueLabels())
        value->setStale(stale);
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
    const bool clearsCommand = holdEndClearsCommand();
    timer = context.scheduler().after(HoldInterval, [page, &context, ready, clearsCommand] {
        if (page) {
            page->updateActivityIndicator();
            return;
        }
        if (ready)
            *ready = true;
        if (clearsCommand)
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
    if (holdEndClearsCommand())
        model().CommandInFlight = false;
    SET();
    afterHold();
    if (spinner_)
        spinner_->stopAnimating();
}

} // namespace otthon
