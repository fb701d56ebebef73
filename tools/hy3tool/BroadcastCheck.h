#pragma once

#include <QByteArrayView>

#include "formats/Problem.h"

// Everything in a broadcast data file (text, step flag, chime flag a line, in
// code page 932) that makes the announcement player refuse it or do what the
// author hardly meant. Problems are numbered by line, 0 for the whole file.
namespace broadcast_check {

Problems check(QByteArrayView file);

}  // namespace broadcast_check
