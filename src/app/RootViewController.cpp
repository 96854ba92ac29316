#include "app/RootViewController.h"

#include "link/ChoiceLists.h"
#include "link/JsonHttp.h"
#include "link/LinkEvents.h"
#include "pages/PageRegistry.h"
#include "platform/ui/Navigation.h"
#include "platform/ui/Screen.h"

namespace otthon {

RootViewController::RootViewController(PageContext& context, QObject* parent)
    : QObject(parent), context_(context) {}

RootViewController::~RootViewController() {
    delete before_;
    delete after_;
    delete current_;
}

const QStringList& RootViewController::contentPageRestorationIDs() {
    if (ids_.isEmpty())
        ids_ = carouselPages();
    return ids_;
}

void RootViewController::viewDidLoad() {
    buildChoiceLists(context_.model());
    current_ = viewControllerAtIndex(0);
    emit pagesChanged();
    Scheduler& scheduler = context_.scheduler();
    refTimer =
        ScopedTimer(scheduler, scheduler.start(StatusModel::PollInterval, true, [this] { reftimer(); }));
    // The first values are asked for at once, and a command's result as soon as its hold ends.
    connect(&context_.link.events, &LinkEvents::commandSettled, this, &RootViewController::tolt);
    tolt();
}

void RootViewController::tolt() {
    if (context_.model().CommandSettling)
        return;
    JsonHttp::send(context_.link, QString());
}

void RootViewController::leavePage() {
    // Neither a draft nor a command of the page left behind holds the link any more.
    StatusModel& model = context_.model();
    model.Draft = false;
    model.CommandSettling = false;
}

Screen* RootViewController::viewControllerAtIndex(quint64 index) {
    const QStringList& ids = contentPageRestorationIDs();
    if (ids.isEmpty() || index >= quint64(ids.size()))
        return nullptr;
    std::unique_ptr<Screen> page = context_.navigation.instantiate(ids.at(int(index)));
    if (!page)
        return nullptr;
    page->setParent(this);
    page->loadViewIfNeeded();
    return page.release();
}

int RootViewController::indexOf(const Screen* page) {
    return page ? int(contentPageRestorationIDs().indexOf(page->restorationIdentifier())) : -1;
}

Screen* RootViewController::pageViewControllerBefore(Screen* current) {
    const int i = indexOf(current);
    if (i <= 0)
        return nullptr;
    leavePage();
    return viewControllerAtIndex(quint64(i - 1));
}

Screen* RootViewController::pageViewControllerAfter(Screen* current) {
    const int i = indexOf(current);
    if (i < 0 || i == int(contentPageRestorationIDs().size()) - 1)
        return nullptr;
    leavePage();
    return viewControllerAtIndex(quint64(i + 1));
}

int RootViewController::currentIndex() const {
    return current_ ? int(ids_.indexOf(current_->restorationIdentifier())) : -1;
}

QObject* RootViewController::pageAt(int index) const {
    for (Screen* page : {current_, before_, after_})
        if (page && ids_.indexOf(page->restorationIdentifier()) == index)
            return page;
    return nullptr;
}

void RootViewController::beginSwipe(int shownIndex) {
    if (!current_)
        return;
    // An earlier unfinished swipe settles first and lets its pages go; then the carousel asks afresh.
    if (before_ || after_)
        endSwipe(shownIndex < 0 ? currentIndex() : shownIndex);
    before_ = pageViewControllerBefore(current_);
    after_ = pageViewControllerAfter(current_);
    emit pagesChanged();
}

void RootViewController::endSwipe(int index) {
    Screen* settled = current_;
    if (before_ && index == indexOf(before_))
        settled = before_;
    else if (after_ && index == indexOf(after_))
        settled = after_;
    for (Screen* page : {current_, before_, after_})
        if (page != settled)
            discard(page);
    current_ = settled;
    before_ = after_ = nullptr;
    emit pagesChanged();
}

bool RootViewController::swipe(int direction) {
    const int from = currentIndex();
    beginSwipe();
    const int to = from + (direction < 0 ? -1 : 1);
    const bool moved = pageAt(to) != nullptr;
    endSwipe(moved ? to : from);
    return moved;
}

bool RootViewController::showPage(int index) {
    if (index < 0 || index >= presentationCountForPageViewController())
        return false;
    while (currentIndex() != index)
        if (!swipe(index < currentIndex() ? -1 : 1))
            return false;
    return true;
}

void RootViewController::discard(Screen* page) {
    if (!page)
        return;
    page->viewWillDisappear();
    // QML may still hold the page for this frame; its timers stop now, the object goes at the next turn.
    page->deleteLater();
}

} // namespace otthon
