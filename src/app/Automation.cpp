#include "app/Automation.h"

#include "app/Application.h"
#include "link/ModelJson.h"
#include "pages/PageRegistry.h"
#include "platform/ui/Button.h"
#include "platform/ui/Picker.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"
#include "platform/ui/Table.h"
#include "platform/ui/Timeline.h"

#include <QCoreApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QQuickWindow>
#include <QSocketNotifier>

#include <cerrno>
#include <cmath>
#include <unistd.h>

namespace otthon {

namespace {
constexpr int StandardInput = 0;
constexpr int StandardOutput = 1;
// Where a press puts the finger down, in the element's coordinates: inside any control.
constexpr QPointF PressPoint(10, 10);
// The longest `press` or `wait`, in seconds: a day.
constexpr double LongestSeconds = 86400;
// The longest request line, without its line break; a longer one is answered "bad request" unread.
constexpr qsizetype LongestLine = 1024 * 1024;
// Input is read while the lines waiting for their turn hold fewer bytes than this.
constexpr qsizetype LongestWait = LongestLine;
constexpr qsizetype ReadSize = 64 * 1024;

QJsonObject success(QJsonObject answer = {}) {
    answer.insert("ok", true);
    return answer;
}

QJsonObject failure(const QString& error) {
    return {{"ok", false}, {"error", error}};
}

QJsonObject badRequest() {
    return failure(QStringLiteral("bad request"));
}

// The carousel's pages in its order, each with the class name that `screen` reports while it is on top.
QJsonArray carouselPagesJson() {
    QJsonArray pages;
    for (const ScreenKind& screen : everyScreen())
        if (screen.carouselPage)
            pages.append(QJsonObject{{"page", screen.identifier}, {"screen", screen.className()}});
    return pages;
}

// A whole number given as a JSON number.
std::optional<int> whole(const QJsonValue& value) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || std::abs(number) > 1e9)
        return std::nullopt;
    return int(number);
}

// Why a control ignores touches; empty when it takes them.
QString gateError(const ViewElement& element) {
    if (!element.isEnabled())
        return QStringLiteral("disabled");
    if (element.isHidden())
        return QStringLiteral("hidden");
    if (!element.isInteractive())
        return QStringLiteral("not interactive");
    return {};
}

// Why the seconds of a `press` or `wait` cannot be waited for; nothing when they can.
std::optional<QJsonObject> secondsError(const QJsonValue& seconds) {
    if (!seconds.isDouble())
        return badRequest();
    if (!(seconds.toDouble() >= 0 && seconds.toDouble() <= LongestSeconds))
        return failure(QStringLiteral("time out of range"));
    return std::nullopt;
}

QString noRow(int row, int count) {
    return row < 0 || row >= count ? QStringLiteral("no such row") : QString();
}
} // namespace

Automation::Automation(Application& app, QObject* parent)
    : QObject(parent), app_(app), input_(new QSocketNotifier(StandardInput, QSocketNotifier::Read, this)) {
    output_.open(StandardOutput, QIODevice::WriteOnly | QIODevice::Unbuffered);
    connect(input_, &QSocketNotifier::activated, this, &Automation::readInput);
}

Automation::~Automation() = default;

void Automation::readInput() {
    char chunk[ReadSize];
    const ssize_t n = ::read(StandardInput, chunk, sizeof chunk);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n > 0) {
        take(QByteArrayView(chunk, n));
    } else {
        // The end of input also ends a last line that lacks its line break.
        inputEnded_ = true;
        take("\n");
    }
    updateReading();
    // A request runs on a turn of its own, after whatever the previous one left to run later (a screen
    // pushed or popped after its handler has returned).
    if (!busy_ && !next_.isActive())
        next_ = ScopedTimer(app_.scheduler(), app_.scheduler().after(0, [this] { processNext(); }));
}

void Automation::take(QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        const QByteArrayView part = end < 0 ? bytes : bytes.first(end);
        if (!overlong_ && pending_.size() + part.size() > LongestLine) {
            overlong_ = true;
            pending_.clear();
        }
        if (!overlong_)
            pending_.append(part);
        if (end < 0)
            return;
        bytes = bytes.sliced(end + 1);
        if (overlong_) {
            lines_.enqueue(std::nullopt);
        } else if (QByteArray line = pending_.trimmed(); !line.isEmpty()) {
            waitingBytes_ += line.size();
            lines_.enqueue(std::move(line));
        }
        pending_.clear();
        overlong_ = false;
    }
}

void Automation::updateReading() {
    input_->setEnabled(!inputEnded_ && waitingBytes_ < LongestWait);
}

void Automation::processNext() {
    if (busy_ || quitting_)
        return;
    if (lines_.isEmpty()) {
        if (inputEnded_) {
            quitting_ = true;
            QCoreApplication::quit();
        }
        return;
    }
    busy_ = true;
    const Line line = lines_.dequeue();
    waitingBytes_ -= line ? line->size() : 0;
    updateReading();
    process(line);
}

void Automation::process(const Line& line) {
    if (!line) {
        requestId_ = QJsonValue(QJsonValue::Undefined);
        finish(badRequest());
        return;
    }
    const QJsonDocument document = QJsonDocument::fromJson(*line);
    const QJsonObject request = document.object();
    requestId_ = request.value("id");
    // Every request names what it asks for, as a text.
    if (!document.isObject() || !request.value("do").isString()) {
        finish(badRequest());
        return;
    }
    const Handler handler = handlerFor(request.value("do").toString());
    if (!handler) {
        finish(failure(QStringLiteral("unknown request")));
        return;
    }
    if (Answer answer = (this->*handler)(request))
        finish(*answer);
}

void Automation::finish(QJsonObject answer) {
    if (!requestId_.isUndefined())
        answer.insert("id", requestId_);
    output_.write(QJsonDocument(answer).toJson(QJsonDocument::Compact) + '\n');
    busy_ = false;
    if (quitting_) {
        QCoreApplication::quit();
        return;
    }
    next_ = ScopedTimer(app_.scheduler(), app_.scheduler().after(0, [this] { processNext(); }));
}

Automation::Handler Automation::handlerFor(const QString& request) const {
    const std::pair<QLatin1String, Handler> handlers[] = {
        {QLatin1String("state"), &Automation::state},
        {QLatin1String("swipe"), &Automation::swipe},
        {QLatin1String("tap"), &Automation::tap},
        {QLatin1String("slide"), &Automation::slide},
        {QLatin1String("toggle"), &Automation::toggle},
        {QLatin1String("segment"), &Automation::segment},
        {QLatin1String("pick"), &Automation::pick},
        {QLatin1String("press"), &Automation::press},
        {QLatin1String("alert"), &Automation::alert},
        {QLatin1String("select"), &Automation::select},
        {QLatin1String("commit"), &Automation::commit},
        {QLatin1String("back"), &Automation::back},
        {QLatin1String("wait"), &Automation::wait},
        {QLatin1String("screenshot"), &Automation::screenshot},
        {QLatin1String("sent"), &Automation::sent},
        {QLatin1String("quit"), &Automation::quit},
    };
    for (const auto& [name, handler] : handlers)
        if (request == name)
            return handler;
    return nullptr;
}

Automation::Target Automation::target(const QJsonObject& request) {
    if (!request.value("element").isString())
        return {nullptr, QStringLiteral("bad request")};
    // The modal alert takes every touch while it is open.
    if (app_.alerts().isOpen())
        return {nullptr, QStringLiteral("alert open")};
    Screen* screen = app_.topScreen();
    ViewElement* element = screen ? screen->element(request.value("element").toString()) : nullptr;
    if (!element)
        return {nullptr, QStringLiteral("no such element")};
    return {element, {}};
}

template <class Element, class Gesture>
Automation::Answer Automation::gesture(const QJsonObject& request, Gesture perform) {
    const Target found = target(request);
    if (!found.element)
        return failure(found.error);
    auto* element = qobject_cast<Element*>(found.element);
    if (!element)
        return failure(QStringLiteral("wrong kind"));
    if (const QString closed = gateError(*element); !closed.isEmpty())
        return failure(closed);
    const QString refused = perform(*element);
    return refused.isEmpty() ? success() : failure(refused);
}

Automation::Answer Automation::state(const QJsonObject&) {
    Screen* top = app_.topScreen();
    const Screen* page = app_.root().currentPage();
    return success({
        {"screen", top ? QJsonValue(top->className()) : QJsonValue()},
        {"page", page ? QJsonValue(page->restorationIdentifier()) : QJsonValue()},
        {"pages", carouselPagesJson()},
        {"elements", top ? top->describe().value("outlets") : QJsonObject()},
        {"alert", app_.alerts().describeTop()},
        {"model", modelToJson(app_.state().model)},
        {"time", app_.scheduler().now()},
        {"demo", app_.isDemo()},
    });
}

Automation::Answer Automation::swipe(const QJsonObject& request) {
    const QString to = request.value("to").toString();
    if (to != QLatin1String("next") && to != QLatin1String("previous"))
        return badRequest();
    if (app_.alerts().isOpen())
        return failure(QStringLiteral("alert open"));
    if (app_.navigation().depth() > 0)
        return failure(QStringLiteral("sub-screen open"));
    const bool moved = app_.root().swipe(to == QLatin1String("next") ? 1 : -1);
    QJsonObject answer = moved ? success() : failure(QStringLiteral("no page"));
    const Screen* page = app_.root().currentPage();
    answer.insert("page", page ? QJsonValue(page->restorationIdentifier()) : QJsonValue());
    return answer;
}

Automation::Answer Automation::tap(const QJsonObject& request) {
    // A timeline is touched on one of its bars, given as `row`.
    if (qobject_cast<Timeline*>(target(request).element)) {
        const std::optional<int> row = whole(request.value("row"));
        if (!row)
            return badRequest();
        return gesture<Timeline>(request, [&](Timeline& timeline) {
            if (QString missing = noRow(*row, timeline.barCount()); !missing.isEmpty())
                return missing;
            return timeline.tap(*row) ? QString() : QStringLiteral("refused");
        });
    }
    return gesture<Button>(
        request, [](Button& button) { return button.tap() ? QString() : QStringLiteral("refused"); });
}

Automation::Answer Automation::slide(const QJsonObject& request) {
    const QJsonValue value = request.value("value");
    if (!value.isDouble())
        return badRequest();
    return gesture<Slider>(request, [&](Slider& slider) {
        return slider.slide(value.toDouble()) ? QString() : QStringLiteral("refused");
    });
}

Automation::Answer Automation::toggle(const QJsonObject& request) {
    const QJsonValue on = request.value("on");
    if (!on.isBool())
        return badRequest();
    return gesture<Switch>(request, [&](Switch& control) {
        return control.toggle(on.toBool()) ? QString() : QStringLiteral("refused");
    });
}

Automation::Answer Automation::segment(const QJsonObject& request) {
    const std::optional<int> index = whole(request.value("index"));
    if (!index)
        return badRequest();
    return gesture<SegmentedControl>(request, [&](SegmentedControl& control) {
        return control.select(*index) ? QString() : QStringLiteral("no such segment");
    });
}

Automation::Answer Automation::pick(const QJsonObject& request) {
    const std::optional<int> row = whole(request.value("row"));
    if (!row)
        return badRequest();
    return gesture<Picker>(request, [&](Picker& picker) {
        return picker.pick(*row) ? QString() : QStringLiteral("no such row");
    });
}

Automation::Answer Automation::select(const QJsonObject& request) {
    const std::optional<int> row = whole(request.value("row"));
    if (!row)
        return badRequest();
    return gesture<Table>(request, [&](Table& table) {
        if (QString missing = noRow(*row, table.rowCount()); !missing.isEmpty())
            return missing;
        return table.select(*row) ? QString() : QStringLiteral("not selectable");
    });
}

Automation::Answer Automation::commit(const QJsonObject& request) {
    const std::optional<int> row = whole(request.value("row"));
    const QString styleName = request.value("style").toString();
    const int style = styleName == QLatin1String("insert")   ? Table::Insert
                      : styleName == QLatin1String("delete") ? Table::Delete
                                                             : Table::None;
    if (!row || style == Table::None)
        return badRequest();
    return gesture<Table>(request, [&](Table& table) {
        if (QString missing = noRow(*row, table.rowCount()); !missing.isEmpty())
            return missing;
        return table.commit(*row, style) ? QString() : QStringLiteral("not committable");
    });
}

Automation::Answer Automation::press(const QJsonObject& request) {
    const QJsonValue seconds = request.value("seconds");
    if (std::optional<QJsonObject> error = secondsError(seconds))
        return error;
    const Target found = target(request);
    if (!found.element)
        return failure(found.error);
    if (const QString closed = gateError(*found.element); !closed.isEmpty())
        return failure(closed);
    QPointer<ViewElement> element = found.element;
    element->touchDown(PressPoint);
    Scheduler& scheduler = app_.scheduler();
    hold_ = ScopedTimer(scheduler, scheduler.after(seconds.toDouble(), [this, element] {
        if (!element) {
            finish(failure(QStringLiteral("element gone")));
            return;
        }
        const bool recognized = element->touchUp();
        // A release that no recogniser claimed is a tap, as on the screen.
        auto* button = qobject_cast<Button*>(element.data());
        const bool tapped = !recognized && button && button->tap();
        finish(success({{"recognized", recognized}, {"tapped", tapped}}));
    }));
    return std::nullopt;
}

Automation::Answer Automation::alert(const QJsonObject& request) {
    const std::optional<int> button = whole(request.value("button"));
    if (!button)
        return badRequest();
    if (!app_.alerts().isOpen())
        return failure(QStringLiteral("no alert"));
    return app_.alerts().press(*button) ? success() : failure(QStringLiteral("no such button"));
}

Automation::Answer Automation::back(const QJsonObject&) {
    if (app_.alerts().isOpen())
        return failure(QStringLiteral("alert open"));
    if (app_.navigation().depth() == 0)
        return failure(QStringLiteral("no sub-screen"));
    app_.navigation().back();
    return success();
}

Automation::Answer Automation::wait(const QJsonObject& request) {
    const QJsonValue seconds = request.value("seconds");
    if (std::optional<QJsonObject> error = secondsError(seconds))
        return error;
    Scheduler& scheduler = app_.scheduler();
    hold_ = ScopedTimer(scheduler, scheduler.after(seconds.toDouble(), [this] { finish(success()); }));
    return std::nullopt;
}

Automation::Answer Automation::screenshot(const QJsonObject& request) {
    const QString path = request.value("path").toString();
    if (path.isEmpty())
        return badRequest();
    QQuickWindow* window = app_.window();
    if (!window)
        return failure(QStringLiteral("no window"));
    const QImage picture = window->grabWindow();
    if (picture.isNull() || !picture.save(path, "PNG"))
        return failure(QStringLiteral("not saved"));
    return success({{"width", picture.width()}, {"height", picture.height()}});
}

Automation::Answer Automation::sent(const QJsonObject&) {
    return success({{"sent", QJsonArray::fromStringList(app_.sent())}});
}

Automation::Answer Automation::quit(const QJsonObject&) {
    quitting_ = true;
    return success();
}

} // namespace otthon
