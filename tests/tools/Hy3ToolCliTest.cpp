#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "formats/Cp932.h"
#include "tests/fares/FareFileBytes.h"

namespace {

const QByteArray kEkimae("\x89\x77\x91\x4F");                       // 駅前
const QByteArray kShiyakusho("\x8E\x73\x96\xF0\x8F\x8A\x91\x4F");  // 市役所前
const QString kTable = u"停留所名,整理券番号,運賃1,運賃2\n駅前,1,180,0\n市役所前,2,190,180\n"_qs;
const QByteArray kFares = FareFileBytes(2).stop(kEkimae, 1, {180}).stop(kShiyakusho, 2, {190, 180}).bytes();

// The rules behind each command are tested on the library; here, what the
// executable makes of them: exit codes, messages, what it prints and writes.
TEST(Hy3ToolCli, ExitCodesMessagesOutputAndFilesWritten) {
    QTemporaryDir dir;
    const QByteArray tape = cp932::encode(u"\"次は、市役所前です。\",1,2\r\n"_qs);
    for (const auto& [name, bytes] : {std::pair{"utf8.csv", kTable.toUtf8()}, {"sjis.csv", cp932::encode(kTable)},
                                      {"bad.csv", u"停留所名,整理券番号,運賃1\n駅前,1,180\n市役所前,2,1B0\n"_qs.toUtf8()},
                                      {"mixed.csv", cp932::encode(kTable) + "\x85\x40,3\n"}, {"none.hy3", FareFileBytes(0).bytes()},
                                      {"old.hy3", QByteArray("old")}, {"good.hy3", kFares}, {"tail.hy3", kFares + "xyz"},
                                      {"short.hy3", kFares.chopped(1)}, {"fares.bin", kFares}, {"tape.txt", tape},
                                      {"unnamed.hy3", FareFileBytes(2).stop(kEkimae, 1, {180}).stop("", 2, {190}).bytes()},
                                      {"bad.hy3", FareFileBytes(2).stop(kEkimae, 1, {180}).stop(kShiyakusho, 200).bytes() + "x"},
                                      {"12Tp.CSV", tape + cp932::encode(u"\"次は、本町です。\",1\r\n"_qs) + '\0'}}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // Arguments (all but the command and options are names in the test folder),
    // exit code, what it says (nothing when empty), standard output (unless null).
    const struct { QString arguments; int exit; QString error; QByteArray out = {}; } runs[] = {
        {"", 2, "Usage:"},
        {"--help", 0, "The first row is a header"},
        {"convert a", 2, "unknown command convert"},
        {"import a.csv", 2, "import: wrong number of arguments"},
        {"check --all a", 2, "unknown option --all"},
        {"show a b", 2, "show: wrong number of arguments"},
        {"import missing.csv a.hy3", 2, "missing.csv: cannot be read"},
        {"export missing.hy3", 2, "missing.hy3: cannot be read"},
        {"check missing.hy3", 2, "missing.hy3: cannot be read"},
        {"import utf8.csv no/such/a.hy3", 2, "a.hy3: cannot be written"},
        {"show .", 2, "cannot be read"},
        {"import utf8.csv a.hy3", 0, ""},
        {"import sjis.csv b.hy3", 0, ""},
        {"import bad.csv old.hy3", 1, "bad.csv: line 3: field 3 (fare column 1): \"1B0\" is not a whole number"},
        {"import mixed.csv c.hy3", 1, "mixed.csv: line 4: bytes 0x85 0x40 are neither UTF-8 nor code page 932"},
        {"show none.hy3", 1, "none.hy3: no stops (the record count is 0)", ""},
        {"export good.hy3", 0, "", kTable.toUtf8()},
        {"export --cp932 good.hy3 a.csv", 0, "", ""},
        // Trailing bytes are not exported, and export says the file will not come back whole.
        {"export tail.hy3", 0, "tail.hy3: warning: importing the table will not give this file back", kTable.toUtf8()},
        {"export short.hy3", 1, "short.hy3: the file ends inside record 2 of 2", ""},
        {"check good.hy3", 0, "good.hy3: no problems (fare data)", ""},
        {"check unnamed.hy3", 0, "unnamed.hy3: record 2: warning: the stop name is empty", ""},
        {"check bad.hy3", 1, "bad.hy3: record 2: ticket number 200 is outside 0 to 150", ""},
        {"check bad.hy3", 1, "bad.hy3: 1 bytes follow the last record", ""},
        // Broadcast data by name in any letter case, though a NUL would make it fare
        // data by content, as other names are taken.
        {"check 12Tp.CSV", 1, "12Tp.CSV: line 2: the chime flag (field 3) is missing", ""},
        {"check fares.bin", 0, "fares.bin: no problems (fare data)", ""},
        {"check tape.txt", 0, "tape.txt: no problems (broadcast data)", ""},
        {"show good.hy3", 0, "", u"Stop  Ticket  Name        1    2\n   1       1  駅前      180\n   2       2  市役所前  190  180\n"_qs.toUtf8()},
    };
    for (const auto& [arguments, exit, error, expected] : runs) {
        SCOPED_TRACE(arguments.toStdString());
        QStringList args = arguments.split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < args.size(); ++i)
            if (!args[i].startsWith(u'-')) args[i] = dir.filePath(args[i]);
        QProcess process;
        process.start(QStringLiteral(HY3TOOL), args);
        ASSERT_TRUE(process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit);
        const QByteArray out = process.readAllStandardOutput();
        // Help is asked for, so it goes to standard output; everything else is said on standard error.
        const QString said = QString::fromUtf8(arguments == u"--help"_qs ? out : process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), exit) << said.toStdString();
        EXPECT_TRUE(error.isEmpty() ? said.isEmpty() : said.contains(error)) << said.toStdString();
        if (!expected.isNull()) {
            EXPECT_EQ(out, expected);
        }
    }
    // Both encodings import to the same bytes; a refused import leaves the old
    // file alone and writes nothing beside it.
    for (const auto& [name, bytes] : {std::pair{"a.hy3", kFares}, {"b.hy3", kFares}, {"a.csv", cp932::encode(kTable)}, {"old.hy3", QByteArray("old")}}) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == bytes) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 17);
}

}  // namespace
