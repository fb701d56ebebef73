#pragma once

#include <QString>

#include <optional>

#include "hy3tool/GtfsFareTable.h"

// Makes a route of a feed ready for the board: its fare file N.hy3, its
// broadcast data Ntp.csv and the readings of its names in readings.csv; or
// every pattern of every route at once, with routes.csv telling which number
// is which.
namespace gtfs_import {

struct Request {
    QString feed, out;
    bool all = false;
    QString route, trip;
    int pattern = 0;  // 0: not chosen
    std::optional<int> number;
    std::optional<gtfs_fare_table::Tickets> tickets;
};

// The exit status: 0 written, 1 written with problems, 2 nothing written.
int run(const Request& request);

// The number a route's short name gives: its one run of digits ("川56" 56),
// when that is 1 to 99999.
std::optional<int> numberOf(const QString& shortName);

}  // namespace gtfs_import
