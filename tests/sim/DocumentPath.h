#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

#include <string>

// Reads a status document as the remote does, and positions in it by "element/row/column" paths.
inline QJsonArray parseDocument(const std::string& body) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(body)).array();
}

inline QJsonValue valueAt(const QJsonArray& document, const QString& path) {
    QJsonValue value = document;
    for (const QString& step : path.split('/'))
        value = value.toArray().at(step.toInt());
    return value;
}

// Elements 0 to 5: everything but the error report.
inline QJsonArray withoutReport(QJsonArray document) {
    document.removeAt(6);
    return document;
}
