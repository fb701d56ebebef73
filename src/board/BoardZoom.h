#pragma once

#include <QRect>
#include <QString>

#include <array>

// How large the board is shown: a percentage of its designed size, or fitted
// to the whole screen it is on. Kept apart from the window so that the levels,
// the fitting and the remembered choice need no widgets.
struct BoardZoom {
    static constexpr std::array<int, 5> kLevels{100, 150, 200, 300, 400};

    int percent = 100;  // one of kLevels; ignored when fit
    bool fit = false;

    static BoardZoom level(int percent) { return {percent, false}; }
    static BoardZoom fitted() { return {100, true}; }
    bool operator==(const BoardZoom&) const = default;

    // "100".."400" or "fit", as board.ini keeps it; anything else reads as 100.
    QString key() const;
    static BoardZoom fromKey(const QString& key);
    // The menu's words: "150%", or 画面に合わせる.
    QString caption() const;

    // The factor the designed board is drawn at; a fitted board needs its screen.
    qreal factor(const QRect& screen = {}) const;
    // Where the board's face lies in its window: from the corner at a
    // percentage, centred on the screen with its aspect kept when fitted.
    QRect faceRect(const QRect& screen = {}) const;
};

// A designed rectangle (pixels at 100 %) drawn `factor` times larger from
// `origin`. Edges are rounded rather than sizes, so neighbours stay neighbours.
QRect zoomed(const QRect& designed, qreal factor, QPoint origin = {});

// The board window's own remembered view, beside the voice settings:
// <user configuration folder>/board.ini with board/zoom and board/onTop.
struct BoardView {
    BoardZoom zoom;
    bool onTop = false;

    bool operator==(const BoardView&) const = default;

    // Defaults for a missing file or value.
    static BoardView load(const QString& file);
    bool save(const QString& file) const;
    static QString defaultFile();
};
