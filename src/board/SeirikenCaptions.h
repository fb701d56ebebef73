#pragma once

#include <QString>

#include <array>
#include <optional>

// How the eight ticket-number positions are labelled in each of the twelve
// label styles: position 1 either keeps its number face or carries a word in
// a text face, and positions 1..8 (or 2..8) get full-width numbers.
struct SeirikenCaptions {
    // True when position 1 carries a word (or nothing) instead of a number.
    bool firstIsText = false;
    // The word of position 1 when firstIsText.
    QString firstText;
    // The caption of positions 1..8 (index 0 is position 1); nothing where
    // the style writes no number.
    std::array<std::optional<QString>, 8> numbers;
};

SeirikenCaptions seirikenCaptions(int style, int zeroPad);

// A number as the captions write it: full-width digits, two of them with zero padding.
QString fullWidthNumber(int n, bool zeroPad);
