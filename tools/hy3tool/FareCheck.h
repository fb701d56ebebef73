#pragma once

#include <QByteArrayView>

#include "formats/Problem.h"

// Everything in a fare file that the program refuses, would show wrongly, or
// that would not survive export and import unchanged. Problems are numbered
// by record, 0 for the file as a whole.
namespace fare_check {

// Ticket numbers name fare columns 1..150; 0 is a stop that gives out none.
constexpr int kMaxTicket = 150;
// The board's fare displays have three digits; -1 marks a missing fare.
constexpr int kMaxFare = 999;
constexpr int kNoFare = -1;

Problems check(QByteArrayView file);

}  // namespace fare_check
