#include "pages/ConnectionImage.h"

#include "link/LinkEvents.h"
#include "pages/PageContext.h"
#include "platform/Scheduler.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"

namespace otthon {

QString lastReplyText(const QDateTime& lastReply, const QDateTime& now) {
    if (!lastReply.isValid())
        return QStringLiteral("Még nincs adat");
    const QString format =
        lastReply.date() == now.date() ? QStringLiteral("HH:mm") : QStringLiteral("MM.dd. HH:mm");
    return QStringLiteral("Utolsó adat: ") + lastReply.toString(format);
}

void showConnection(ImageView* image, const PageContext& context, const QList<Label*>& values) {
    const StatusModel& model = context.model();
    const bool stale = !model.Connected;
    if (image) {
        image->setHidden(!stale);
        image->setCaption(stale ? lastReplyText(model.LastReply, context.scheduler().wallClock())
                                : QString());
    }
    for (Label* value : values)
        value->setStale(stale);
}

ImageView* makeConnectionImage(Screen& screen) {
    auto* image = screen.makeOutlet<ImageView>(QStringLiteral("ConnectionImage"));
    image->setImage(QString::fromLatin1(NoConnectionImage));
    return image;
}

void followConnection(Screen& screen, ImageView* image, const PageContext& context) {
    image->setImage(QString::fromLatin1(NoConnectionImage));
    showConnection(image, context);
    QObject::connect(&context.link.events, &LinkEvents::exchangeEnded, &screen,
                     [image, &context] { showConnection(image, context); });
}

} // namespace otthon
