#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "formats/gtfs/FeedProblem.h"

class FeedSource;

// What a feed says about routes, their trips and stops, fares and the
// readings of names; rows that cannot be used are left out, each with a
// problem.
namespace gtfs {

struct Route {
    QString id, agencyId, shortName, longName;
};

struct Stop {
    QString id, name, zone;
};

struct Trip {
    QString id;
    int route = 0;  // index into routes
    QString headsign, direction;
    // Indices into stops, in the order of stop_sequence; a stop a loop
    // visits twice is in it twice.
    std::vector<int> stops;
    QString firstStopHeadsign;
};

struct FareAttribute {
    QString id;
    qint64 price = 0;
};

// Empty fields match anything.
struct FareRule {
    int fare = 0;  // index into fares
    QString route, origin, destination;
};

// A text and how it is read, in kana, as translations.txt gives it.
struct Reading {
    QString text, kana;
};

struct Feed {
    QHash<QString, QString> agencies;  // id to name
    QStringList agencyNames;           // in file order
    std::vector<Route> routes;
    std::vector<Stop> stops;
    std::vector<Trip> trips;
    std::vector<FareAttribute> fares;
    std::vector<FareRule> fareRules;
    std::vector<Reading> readings;
};

enum class Part { Timetable, TimetableFaresReadings };

struct Loaded {
    // Null when the feed cannot be read; the last problem says why.
    std::unique_ptr<Feed> feed;
    FeedProblems problems;
};

// The timetable alone is what a listing needs; an import needs the fares and
// the readings too.
Loaded load(const FeedSource& source, Part part);

}  // namespace gtfs
