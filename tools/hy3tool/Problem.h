#pragma once

#include <QString>

#include <vector>

// Something wrong in a data file: at a line or record number from 1, or at 0
// when it concerns the file as a whole.
struct Problem {
    int at = 0;
    QString text;
    bool operator==(const Problem&) const = default;
};

using Problems = std::vector<Problem>;
