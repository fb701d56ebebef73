#pragma once

class DegitBase;
class Form1;
class MessageReporter;
class Options;
struct OptDegit;

// The backlight state chosen on the operation panel; None when no choice is made.
enum class Backlight { None, Off, On1, On2 };

// Applies the options that shape the board's look: caption visibility, the
// ticket-number labels, the caption colour of the backlight state, and the
// colours of the fare and clock displays.
void applyBoardOptions(Form1& board, const Options& options, Backlight backlight, MessageReporter& messages);

// Gives a digit display the background, unlit and lit colours of the options.
void applyDigitColors(DegitBase& display, const OptDegit& colors);
