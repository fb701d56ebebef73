#include "hy3tool/Usage.h"

#include "hy3tool/FareCheck.h"

QString usageText() {
    return QStringLiteral(R"(hy3tool: fare data (*.hy3) and broadcast data (*tp.csv) for data authors, made
by hand or from GTFS-JP open data.

Usage:
  hy3tool import <in.csv> <out.hy3>
  hy3tool export <in.hy3> [<out.csv>] [--cp932]
  hy3tool check <file>
  hy3tool show <in.hy3>
  hy3tool gtfs list <feed> [--tsv]
  hy3tool gtfs import <feed> --route ROUTE_ID [--pattern K | --trip TRIP_ID]
                      [--number N] [--tickets stop|fare] --out DIR
  hy3tool gtfs import <feed> --all [--tickets stop|fare] --out DIR
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

gtfs list
         Lists a GTFS-JP feed (a .zip file or a folder of its .txt files): the
         agency, then every route with its trip patterns (the trips that call
         at exactly the same stops in the same order): route id, short and
         long name, pattern number, trips, direction, headsign, stops, first
         and last stop. --tsv writes a tab-separated table with a header row.
gtfs import
         Makes a pattern of a route ready for the board, in DIR (made if
         need be): N.hy3, the fare file; Ntp.csv, the broadcast data; and
         readings.csv, the readings of the stop names. N is --number, else
         the digits of the route's short name (川56 gives 56), 1 to 99999.
         A route of several patterns needs --pattern K (as gtfs list numbers
         them) or --trip TRIP_ID.
         --all imports every pattern of every route, numbered by the short
         names where they are free and otherwise with the smallest free
         numbers, and writes DIR/routes.csv: number, route, pattern, trips,
         headsign, first and last stop.
         The files of one import appear together or not at all, replacing
         files of the same names.

GTFS-JP import:
  - One fare record per stop of the pattern, in order; a stop a loop visits
    twice is two records. At each stop, the fare of each ticket issued at an
    earlier stop is the fare from there to this stop; the others are 0.
  - Tickets: --tickets stop gives the k-th stop ticket number k (the default
    up to 150 stops); --tickets fare lets consecutive stops from which every
    later stop costs the same share a number (the default beyond 150 stops).
  - Fares: the rule of fare_rules.txt with the route, the zone of the
    boarding stop as origin and that of the alighting stop as destination,
    its price from fare_attributes.txt; else the wider rules: origin and
    destination without route, route with one end, one end, route only,
    a rule of empty fields; else the one fare of a feed without rules.
    A pair without a fare is written -1 and reported; a pair with several
    prices (a loop's zone pair cannot say which visit it means) is reported
    and gets the lowest; fares above %2 are reported.
  - Broadcast data: a welcome naming the headsign (chime 1), "次は、<stop>
    です。" for every later stop, "次は、終点、<stop>です。" for the last, each
    stepping the board (step 1, chime 1), and a farewell.
  - Names are written in code page 932; a character it has no form for is
    reported and written as 〓.
  - Readings (translations.txt, language ja-Hrkt, in either layout) of the
    names or of parts of them go into readings.csv: lines already there
    stay as they are, new names are added at the end.
  - Exit status: 0 written, 1 written but problems reported, 2 nothing
    written (a feed that cannot be read, a route that is not there, more
    than 301 stops or 150 tickets, wrong usage).

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
