#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace otthon {

class ImageView;
class Label;
class Screen;
struct PageContext;

// The no-connection picture that every screen shows while the link to the controller is down.
inline constexpr char NoConnectionImage[] = "nincs_kapcsolat.png";

// The caption under the picture: when the last reply came ("Utolsó adat: 14:05"), or that none has.
QString lastReplyText(const QDateTime& lastReply, const QDateTime& now);

// Shows `image` exactly while the link is down, with its caption (read against the scheduler's wall clock),
// and marks `values` stale meanwhile.
void showConnection(ImageView* image, const PageContext& context, const QList<Label*>& values = {});

// Makes a screen's ConnectionImage outlet.
ImageView* makeConnectionImage(Screen& screen);

// For a screen that does not redraw from the model: shows the picture in `image` and keeps it current, now
// and whenever an exchange with the controller ends.
void followConnection(Screen& screen, ImageView* image, const PageContext& context);

} // namespace otthon
