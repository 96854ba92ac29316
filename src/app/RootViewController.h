#pragma once

#include "pages/PageContext.h"
#include "platform/Scheduler.h"
#include "platform/ui/Screen.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

namespace otthon {

// The root screen: a carousel of six pages that the user swipes through, and the status poll. Pages are made
// fresh from their identifiers whenever the carousel needs one and discarded when it lets them go; handing
// out a neighbour clears CommandInFlight (the draft and the settling command), also for a swipe the user
// abandons. The first poll leaves at start, then one every PollInterval and one whenever a command's hold
// ends; none leaves while a command settles.
class RootViewController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY pagesChanged)
    Q_PROPERTY(QObject* currentPage READ currentPage NOTIFY pagesChanged)
    Q_PROPERTY(int presentationCount READ presentationCountForPageViewController CONSTANT)
    Q_PROPERTY(QStringList pageNames READ contentPageRestorationIDs CONSTANT)

public:
    explicit RootViewController(PageContext& context, QObject* parent = nullptr);
    ~RootViewController() override;

    const QStringList& contentPageRestorationIDs();
    // Start-up: choice lists, the first page, the poll timer and the first poll.
    void viewDidLoad();
    void reftimer() { tolt(); }
    // The status poll: an empty command, unless a command is settling.
    void tolt();
    // The user leaves the page on screen: its draft and its settling command end.
    void leavePage();

    Screen* viewControllerAtIndex(quint64 index);
    // The carousel's data source; nullptr at either end (no wrap) and for a page it does not know.
    Screen* pageViewControllerBefore(Screen* current);
    Screen* pageViewControllerAfter(Screen* current);
    int presentationCountForPageViewController() { return int(contentPageRestorationIDs().size()); }
    int presentationIndexForPageViewController() const { return 0; }

    int currentIndex() const;
    Screen* currentPage() const { return current_; }
    // The page the carousel shows (or has ready for a swipe under way) at a carousel index.
    Q_INVOKABLE QObject* pageAt(int index) const;
    // A swipe begins: the carousel asks for both neighbours. `shownIndex` is the page on screen as the drag
    // begins; when the last swipe has not settled yet (a flick followed at once by another), it settles there
    // first, so the new swipe goes on from the page the user sees.
    Q_INVOKABLE void beginSwipe(int shownIndex = -1);
    // The swipe settled on `index`: the current page or one of its neighbours. Discards the pages let go.
    Q_INVOKABLE void endSwipe(int index);
    // A whole swipe (begin and settle) towards +1 (next) or -1 (previous); false at either end.
    Q_INVOKABLE bool swipe(int direction);
    // Whole swipes, one page at a time, until `index` shows (a tap on its dot); false for an index the
    // carousel does not have.
    Q_INVOKABLE bool showPage(int index);

signals:
    void pagesChanged();

private:
    int indexOf(const Screen* page);
    void discard(Screen* page);

    PageContext& context_;
    QStringList ids_;
    Screen* current_ = nullptr;
    Screen* before_ = nullptr;
    Screen* after_ = nullptr;
    ScopedTimer refTimer;
};

} // namespace otthon
