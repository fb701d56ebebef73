#include "hy3tool/Usage.h"

#include "hy3tool/FareCheck.h"

QString usageText() {
    return QStringLiteral(R"(hy3tool: fare data (*.hy3) and broadcast data (*tp.csv) for data authors.

Usage:
  hy3tool import <in.csv> <out.hy3>
  hy3tool export <in.hy3> [<out.csv>] [--cp932]
  hy3tool check <file>
  hy3tool show <in.hy3>
  hy3tool --help

import   Makes a fare file from a CSV table. Every problem is listed with its
         line and field, and then nothing is written; the fare file is replaced
         only once it is written whole.
export   Writes a fare file as a CSV table, to standard output when no
         <out.csv> is given; in UTF-8, or in code page 932 with --cp932.
check    Lists every problem of a fare file or a broadcast data file. A file
         whose name ends in "tp.csv" (in any letter case) is broadcast data, one
         ending in ".hy3" fare data; any other file is fare data when it reads as
         such, otherwise broadcast data.
show     Prints a fare file as a table: stop, ticket number, name and the fare
         columns that hold a fare at any stop; fares of 0 are left blank.

CSV tables:
  - One row per stop, in stop order: the stop name, the ticket number, then
    the fares of columns 1, 2, 3 ... (at most 150). Fares left out at the end
    of a row, and empty fare fields, are 0; -1 marks a missing fare.
  - Numbers are whole decimal numbers from -32768 to 32767; blanks around
    them do not count. Stop names are taken as written, blanks included.
  - Fields are separated by commas. A field that holds a comma, a double
    quotation mark or a line break is enclosed in double quotation marks, and
    a quotation mark inside it is written twice ("").
  - The first row is a header when none of its fields after the first is a
    number (a stop row always has its ticket number there). Export writes
    the header 停留所名,整理券番号,運賃1,運賃2,...
  - Rows that are empty or hold only commas and blanks are skipped.
  - Input that is valid UTF-8 (with or without a byte order mark) is read as
    UTF-8, any other as code page 932 (Shift-JIS).
  - Import refuses a character in a stop name that code page 932 cannot
    write, a number that is not whole or does not fit, more than 150 fares in a
    row, more than 301 stops, and a table without stop rows.
  - Export writes the header, one row per stop with as many fare columns as
    the last column holding a fare other than 0 at any stop, and lines ending
    in LF, in UTF-8 without byte order mark unless --cp932 is given. Bytes
    after the last record of a fare file are not exported. Importing an
    exported table gives back the same fare file, byte for byte, for every
    file that check finds no problem in.

Checks:
  fare data       the record count (0, 1, negative, more than 301), a file
                  that ends inside a record, bytes after the last record,
                  empty names (a warning only: the board shows no
                  name there), names whose bytes are no code page 932 text or
                  not in the form export and import write, ticket numbers
                  outside 0 to %1, fares outside 0 to %2 other than -1 (the
                  board's fare displays have three digits).
  broadcast data  lines the program cannot read (missing or extra fields, a
                  quotation mark never closed, flags that are no 16-bit
                  numbers), step flags other than 0 and 1, chime flags other
                  than 0 to 3, empty texts, blank lines, bytes that are no
                  code page 932 text, a file in UTF-8.

Exit status: 0 done (check: no problems), 1 the data have problems (listed on
standard error), 2 wrong usage or a file that cannot be read or written.
)")
        .arg(fare_check::kMaxTicket)
        .arg(fare_check::kMaxFare);
}
