#pragma once

#include "link/Link.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace otthon {

// One exchange with the controller: GET BaseUrl + command, then the reply replaces StatusDocument, marks the
// link up and is copied into the model (Feltoltes). A sender makes one, calls CommonMethod and drops it; the
// pending exchange keeps it alive until its last callback.
class JsonHttp : public std::enable_shared_from_this<JsonHttp> {
public:
    static constexpr double Timeout = 10.0;

    explicit JsonHttp(Link link) : link_(link) {}

    // Make, send, drop: what every sender does.
    static void send(Link link, const QString& command);

    void CommonMethod(const QString& command);

private:
    void AsyncTovren(const QString& command);
    void didReceiveResponse();
    void didReceiveData(const QByteArray& bytes);
    void didFinishLoading();
    void didFail();
    void Feltoltes();

    Link link_;
    QByteArray responseData_;
};

} // namespace otthon
