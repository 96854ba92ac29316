#include "app/ControllerSettings.h"

#include "link/BaseUrl.h"
#include "link/ExchangeLimits.h"

#include <QPointer>
#include <QSettings>

namespace otthon {

namespace {

constexpr QLatin1String kKey("controller/baseUrl");

QString textOf(const ControllerProbe::Result& result) {
    using Outcome = ControllerProbe::Outcome;
    switch (result.outcome) {
    case Outcome::Works:
        return QStringLiteral("Működik: a vezérlő válaszolt.");
    case Outcome::Refused:
        return QStringLiteral("Nem működik: a gép elutasította a kapcsolatot.");
    case Outcome::HostNotFound:
        return QStringLiteral("Nem működik: nincs ilyen gép.");
    case Outcome::TimedOut:
        return QStringLiteral("Nem működik: %1 másodperc alatt nem jött válasz.").arg(ExchangeDeadline);
    case Outcome::NotAController:
        return QStringLiteral("Nem működik: válaszolt valami, de nem a vezérlő.");
    case Outcome::Failed:
        break;
    }
    return QStringLiteral("Nem működik: hálózati hiba (%1).").arg(result.detail.left(200));
}

} // namespace

QString ControllerSettings::saved(const QSettings& settings) {
    const QString url = settings.value(kKey).toString();
    return isUsableBaseUrl(url) ? url : QString();
}

void ControllerSettings::save(QSettings& settings, const QString& baseUrl) {
    settings.setValue(kKey, baseUrl);
    settings.sync();
}

ControllerSettings::ControllerSettings(QString settingsFile, HttpTransport& transport, Scheduler& scheduler,
                                       AlertPort& alerts, Restart restart, QObject* parent)
    : QObject(parent), settingsFile_(std::move(settingsFile)), probe_(transport, scheduler), alerts_(alerts),
      restart_(std::move(restart)) {}

std::unique_ptr<QSettings> ControllerSettings::settings() const {
    if (settingsFile_.isEmpty())
        return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(settingsFile_, QSettings::IniFormat);
}

QString ControllerSettings::address() const {
    return saved(*settings());
}

QString ControllerSettings::current() const {
    if (demo_)
        return QStringLiteral("Most: bemutató, a beépített helyettesítő vezérlővel.");
    return QStringLiteral("Most: %1").arg(current_);
}

void ControllerSettings::setCurrent(const QString& baseUrl, bool demo) {
    current_ = baseUrl;
    demo_ = demo;
    emit changed();
}

void ControllerSettings::show() {
    open_ = true;
    status_.clear();
    works_ = false;
    failedTry_.clear();
    emit changed();
}

void ControllerSettings::close() {
    probe_.cancel();
    open_ = false;
    emit changed();
}

void ControllerSettings::test(const QString& typed) {
    const TypedAddress address = baseUrlFromTyped(typed);
    if (!address.error.isEmpty()) {
        probe_.cancel();
        report(address.error, false);
        return;
    }
    failedTry_.clear();
    probe_.start(address.url, [this, url = address.url](const ControllerProbe::Result& result) {
        const bool works = result.outcome == ControllerProbe::Outcome::Works;
        if (!works)
            failedTry_ = url;
        report(textOf(result), works);
    });
    report(QStringLiteral("Kipróbálás: %1 …").arg(address.url), false);
}

bool ControllerSettings::save(const QString& typed) {
    const TypedAddress address = baseUrlFromTyped(typed);
    if (!address.error.isEmpty()) {
        probe_.cancel();
        report(address.error, false);
        return false;
    }
    if (address.url == failedTry_) {
        QPointer<ControllerSettings> self(this);
        alerts_.show({QString::fromUtf16(FailedTryTitle),
                      QString::fromUtf16(FailedTryMessage),
                      {QString::fromUtf16(CancelButton), QString::fromUtf16(ConfirmButton)},
                      [self, url = address.url](int button) {
                          if (self && button != 0)
                              self->commit(url);
                      }});
        return false;
    }
    commit(address.url);
    return true;
}

void ControllerSettings::commit(const QString& baseUrl) {
    save(*settings(), baseUrl);
    close();
    restart_(baseUrl);
}

void ControllerSettings::report(const QString& status, bool works) {
    status_ = status;
    works_ = works;
    emit changed();
}

} // namespace otthon
