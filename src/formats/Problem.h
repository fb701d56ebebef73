#pragma once

#include <QString>

#include <vector>

// Something wrong in a data file: at a line or record number from 1, or at 0
// when it concerns the file as a whole. A warning points at something odd
// that the program still reads as meant; it does not fail a check.
struct Problem {
    int at = 0;
    QString text;
    bool warning = false;
    bool operator==(const Problem&) const = default;
};

using Problems = std::vector<Problem>;
