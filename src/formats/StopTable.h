#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// One stop of a route: its name, the ticket number issued there, and the
// fare there for each ticket number 1..150 (-1: no fare).
struct StopRecord {
    static constexpr int kFareCount = 150;

    QString Chimei;
    qint16 SeiriNum = 0;
    std::array<qint16, kFareCount> fares{};

    qint16 Fare(int ticket) const { return fares[static_cast<size_t>(ticket - 1)]; }
    bool operator==(const StopRecord&) const = default;
};

// The stops of the loaded route, addressed by stop number 1..301; entries past
// the route's last stop hold empty records.
class StopTable {
public:
    static constexpr int kStopCount = 301;

    static bool isStop(int stop) { return stop >= 1 && stop <= kStopCount; }

    const StopRecord& operator[](int stop) const { return records_[static_cast<size_t>(stop - 1)]; }
    StopRecord& operator[](int stop) { return records_[static_cast<size_t>(stop - 1)]; }

private:
    std::array<StopRecord, kStopCount> records_;
};
