#pragma once

#include <QtGlobal>

class Form1;
class MessageReporter;
struct SharedState;

// What is particular to this board model: eight fare displays in two rows,
// no stop-name display, the built-in face and the ticket-number labels.

// Sets the fare displays' style and blanks them.
void InitFareDigits(Form1& board);

// The model's start-up set-up: its option values, no stop-name display, the
// built-in face in all three picture holders, then the options applied.
void SetupModel(Form1& board, SharedState& state, MessageReporter& messages);

// Labels the eight ticket-number positions in label style `style` (the index
// of the options' style list, -1 for none); `zeroPad` writes one-digit numbers
// with a leading zero.
void SeirikenNumSet(Form1& board, qint16 style, qint16 zeroPad, MessageReporter& messages);
