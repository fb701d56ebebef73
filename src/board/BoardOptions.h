#pragma once

#include <QtGlobal>

class DegitBase;
class Options;
struct OptDegit;

// The backlight state chosen on the operation panel; None when no choice is made.
enum class Backlight { None, Off, On1, On2 };

// The caption colour of a backlight state; black when no state is chosen.
quint32 captionColor(const Options& options, Backlight backlight);

// Gives a digit display the background, unlit and lit colours of the options.
void applyDigitColors(DegitBase& display, const OptDegit& colors);
