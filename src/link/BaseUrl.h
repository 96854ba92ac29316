#pragma once

#include <QString>

namespace otthon {

// The controller script on the household network, as fixed at build:
// "http://<host>:670/LomaViro/Lomaviro.php".
QString defaultBaseUrl();

// Longer than any controller address; a longer text is refused.
constexpr qsizetype MaxBaseUrlLength = 2000;

// Whether `url` can be the base URL that commands are appended to as they are: an http URL with a host, no
// query and no fragment, at most MaxBaseUrlLength long.
bool isUsableBaseUrl(const QString& url);

// The controller's address as a user types it, made a base URL. A host, or host:port, gets the controller's
// port (670 unless given) and script path; so does a whole URL that ends after its host. A whole URL with a
// path stays as it is. `error` says, in the app's language, why a text is no address (and `url` is empty).
struct TypedAddress {
    QString url;
    QString error;
};
TypedAddress baseUrlFromTyped(const QString& text);

} // namespace otthon
