#pragma once

#include "link/ControllerProbe.h"
#include "platform/AlertPort.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QSettings;

namespace otthon {

// The controller's address, kept between runs, and the settings sheet that changes it: the user types a host
// or a whole base URL, tries it (one status poll there, then "works" or why not) and saves it. Saving writes
// the settings and has the app restart its link on the new address; an address whose last try failed is
// saved only once the user has confirmed it in an alert. Texts are the app's own, in Hungarian.
class ControllerSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool open READ isOpen NOTIFY changed)
    // What the address field starts with: the saved address, or nothing.
    Q_PROPERTY(QString address READ address NOTIFY changed)
    // Which controller the link uses now.
    Q_PROPERTY(QString current READ current NOTIFY changed)
    // The last try's outcome, or why a text was refused; empty before.
    Q_PROPERTY(QString status READ status NOTIFY changed)
    Q_PROPERTY(bool testing READ isTesting NOTIFY changed)
    // The status tells of success.
    Q_PROPERTY(bool works READ works NOTIFY changed)
    // The link runs on the built-in substitute controller: every screen says so.
    Q_PROPERTY(bool demo READ isDemo NOTIFY changed)

public:
    // The saved base URL; empty when none is saved, or what is saved is no usable base URL.
    static QString saved(const QSettings& settings);
    static void save(QSettings& settings, const QString& baseUrl);

    using Restart = std::function<void(const QString& baseUrl)>;
    // `settingsFile` is an INI file to keep the address in; the user's own settings when empty.
    ControllerSettings(QString settingsFile, HttpTransport& transport, Scheduler& scheduler,
                       AlertPort& alerts, Restart restart, QObject* parent = nullptr);

    bool isOpen() const { return open_; }
    QString address() const;
    QString current() const;
    QString status() const { return status_; }
    bool isTesting() const { return probe_.isRunning(); }
    bool works() const { return works_; }
    bool isDemo() const { return demo_; }

    // The link now uses `baseUrl`; `demo` when that is the built-in substitute controller.
    void setCurrent(const QString& baseUrl, bool demo);

    Q_INVOKABLE void show();
    // Closes the sheet; a try under way is let go.
    Q_INVOKABLE void close();
    // One status poll to the typed address.
    Q_INVOKABLE void test(const QString& typed);
    // Saves the typed address and restarts the link on it; false when it did not: the text is no address
    // (the reason goes to the status), or its last try failed and an alert asks first.
    Q_INVOKABLE bool save(const QString& typed);

    static constexpr char16_t FailedTryTitle[] = u"Figyelem!";
    static constexpr char16_t FailedTryMessage[] = u"A cím kipróbálása nem sikerült. Biztos hogy elmenti?";
    static constexpr char16_t CancelButton[] = u"Mégsem";
    static constexpr char16_t ConfirmButton[] = u"Rendben";

signals:
    void changed();

private:
    void report(const QString& status, bool works);
    void commit(const QString& baseUrl);
    // Made when needed, as QSettings are meant to be: nothing is read before the sheet opens.
    std::unique_ptr<QSettings> settings() const;

    const QString settingsFile_;
    ControllerProbe probe_;
    AlertPort& alerts_;
    Restart restart_;
    QString current_;
    bool demo_ = false;
    bool open_ = false;
    QString status_;
    bool works_ = false;
    // The base URL whose last try failed, until another try or the sheet opens again.
    QString failedTry_;
};

} // namespace otthon
