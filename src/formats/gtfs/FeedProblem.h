#pragma once

#include <QString>

#include <vector>

// Something wrong in a feed: in a file at a line from 1, in a file as a
// whole (line 0), or in the feed as a whole (no file). A warning points at
// something odd that does not change what is made of the feed.
struct FeedProblem {
    QString file;
    int line = 0;
    QString text;
    bool warning = false;
    bool operator==(const FeedProblem&) const = default;
};

using FeedProblems = std::vector<FeedProblem>;
