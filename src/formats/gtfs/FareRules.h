#pragma once

#include <QHash>
#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "formats/gtfs/Feed.h"

namespace gtfs {

// The fare between two stops by the feed's fare rules. The rule naming the
// route, the zone of the boarding stop and that of the alighting stop comes
// first; then the wider ones: origin and destination without a route, a
// route with only one of them, only one of them, a route alone, a rule of
// empty fields; and a feed of one fare and no rules charges that everywhere.
class FareRules {
public:
    explicit FareRules(const Feed& feed);

    struct Price {
        // Nothing when no rule applies.
        std::optional<qint64> yen;
        // Every distinct price the most specific applying rules give, lowest
        // first; more than one means the feed is ambiguous, and the lowest is
        // taken.
        std::vector<qint64> candidates;
    };
    Price between(const QString& route, const QString& originZone, const QString& destinationZone) const;

private:
    // Rules by which of route, origin and destination they name (bits 1, 2, 4).
    std::array<QHash<QString, std::vector<qint64>>, 8> rules_;
    std::optional<qint64> flatFare_;
};

}  // namespace gtfs
