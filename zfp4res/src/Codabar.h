#pragma once

#include <QByteArrayView>

#include <optional>
#include <vector>

// NW-7 (Codabar) symbols through libzint, as bars in module units.
namespace codabar {

struct Bar {
    int start;  // modules from the left edge
    int width;
};

struct Symbol {
    int modules = 0;  // the whole width, without quiet zones
    std::vector<Bar> bars;
};

// `data` includes the start and stop characters (A..D); nothing when libzint
// refuses it.
std::optional<Symbol> encode(QByteArrayView data);

}  // namespace codabar
