#pragma once

#include "platform/Scheduler.h"

#include <QByteArray>
#include <QFile>
#include <QJsonObject>
#include <QObject>
#include <QQueue>

#include <optional>

class QSocketNotifier;

namespace otthon {

class Application;
class ViewElement;

// Drives the running app from a script: one JSON request per line on standard input, one JSON answer per
// line on standard output, in arrival order (docs/automation.md). Gestures go through the same element entry
// points that touches use. A "press" or "wait" answers when its time has passed on the app's scheduler; the
// lines that arrive meanwhile wait their turn. The app quits after "quit", or once standard input has ended
// and every request before the end has been answered.
class Automation : public QObject {
    Q_OBJECT

public:
    explicit Automation(Application& app, QObject* parent = nullptr);
    ~Automation() override;

private:
    // An answer now, or nothing when the request answers later through finish().
    using Answer = std::optional<QJsonObject>;
    using Handler = Answer (Automation::*)(const QJsonObject& request);
    struct Target {
        ViewElement* element = nullptr;
        QString error;
    };

    // One line of input: its text, or nothing when it was longer than the longest line taken.
    using Line = std::optional<QByteArray>;

    void readInput();
    // Splits new input into lines, looking at each byte once.
    void take(QByteArrayView bytes);
    // Reads on only while the lines waiting hold less than a bound; the writer waits meanwhile.
    void updateReading();
    void processNext();
    void process(const Line& line);
    // Writes the answer to the request under way and moves on to the next one.
    void finish(QJsonObject answer);
    Handler handlerFor(const QString& request) const;

    // The element a gesture names on the screen on top, or why the gesture cannot reach it.
    Target target(const QJsonObject& request);
    // Runs a gesture on an element of the given kind; `perform` returns why the element refused it, or an
    // empty text.
    template <class Element, class Gesture> Answer gesture(const QJsonObject& request, Gesture perform);

    Answer state(const QJsonObject& request);
    Answer swipe(const QJsonObject& request);
    Answer tap(const QJsonObject& request);
    Answer slide(const QJsonObject& request);
    Answer toggle(const QJsonObject& request);
    Answer segment(const QJsonObject& request);
    Answer pick(const QJsonObject& request);
    Answer press(const QJsonObject& request);
    Answer alert(const QJsonObject& request);
    Answer select(const QJsonObject& request);
    Answer commit(const QJsonObject& request);
    Answer back(const QJsonObject& request);
    Answer wait(const QJsonObject& request);
    Answer screenshot(const QJsonObject& request);
    Answer sent(const QJsonObject& request);
    Answer quit(const QJsonObject& request);

    Application& app_;
    QSocketNotifier* input_;
    QFile output_;
    QByteArray pending_;    // input after the last complete line
    bool overlong_ = false; // the line under way is too long: its bytes are dropped up to its end
    QQueue<Line> lines_;
    qsizetype waitingBytes_ = 0; // in lines_
    QJsonValue requestId_;
    bool busy_ = false;
    bool inputEnded_ = false;
    bool quitting_ = false;
    ScopedTimer next_;
    ScopedTimer hold_;
};

} // namespace otthon
