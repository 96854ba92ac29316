#pragma once

// What the benchmarks share: a reply with many slots, and the clock.
#include "support/SampleReply.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <functional>
#include <vector>

namespace otthon::bench {

// The sample reply with ten stations and `scheduleRows` slots in each of the two schedules, compact JSON. A
// different `variant` changes every slot's zone and duration.
inline QByteArray replyBytes(int scheduleRows, int variant = 0) {
    QJsonArray reply = testing::sampleReply();
    const auto time = [](int slot) { return QStringLiteral("%1:%2").arg(slot / 60 % 24).arg(slot % 60); };
    QJsonArray irrigation;
    QJsonArray pool;
    for (int i = 0; i < scheduleRows; ++i) {
        const QString duration = QString::number((i + variant) % 60);
        irrigation.append(
            QJsonArray{QStringLiteral("Z%1").arg((i + variant) % 6 + 1), time(i * 7), duration});
        pool.append(QJsonArray{time(i * 11), duration});
    }
    QJsonArray stations = reply.at(4).toArray();
    for (const char* name : {"Dankó", "Retró", "Jazzy", "Klasszik", "Sláger", "Rock FM", "Best FM"})
        stations.append(QJsonArray{QString::number(stations.size()), QString::fromUtf8(name)});
    reply.replace(1, irrigation);
    reply.replace(4, stations);
    reply.replace(5, pool);
    return QJsonDocument(reply).toJson(QJsonDocument::Compact);
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Microseconds per call of each candidate, over `rounds` rounds of `iterations` calls (the call gets its
// number): the candidates take turns, so that a busy machine slows them alike. The best and the median round.
struct Figures {
    double best, median;
};
inline std::vector<Figures> microseconds(int rounds, int iterations,
                                         const std::vector<std::function<void(int)>>& candidates) {
    std::vector<std::vector<double>> times(candidates.size());
    for (int r = 0; r < rounds; ++r)
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            QElapsedTimer clock;
            clock.start();
            for (int i = 0; i < iterations; ++i)
                candidates[c](i);
            times[c].push_back(double(clock.nsecsElapsed()) / 1000.0 / iterations);
        }
    std::vector<Figures> figures;
    for (const auto& t : times)
        figures.push_back({*std::min_element(t.begin(), t.end()), median(t)});
    return figures;
}

} // namespace otthon::bench
