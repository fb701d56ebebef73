#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "Cp932.h"
#include "FareFileBytes.h"

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Outcome hy3tool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(HY3TOOL), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return {};
    return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

const QByteArray kEkimae("\x89\x77\x91\x4F");                       // 駅前
const QByteArray kShiyakusho("\x8E\x73\x96\xF0\x8F\x8A\x91\x4F");  // 市役所前
const QString kTable = u"停留所名,整理券番号,運賃1,運賃2\n駅前,1,180,0\n市役所前,2,190,180\n"_qs;
const QByteArray kFares = FareFileBytes(2).stop(kEkimae, 1, {180}).stop(kShiyakusho, 2, {190, 180}).bytes();

class Hy3ToolCli : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    QTemporaryDir dir;
};

TEST_F(Hy3ToolCli, UsageAndHelp) {
    const Outcome bare = hy3tool({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_TRUE(bare.err.contains(u"Usage:"_qs));
    const Outcome help = hy3tool({u"--help"_qs});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(help.out).contains(u"The first row is a header"_qs));
    EXPECT_EQ(hy3tool({u"convert"_qs, u"a"_qs}).exitCode, 2);
    EXPECT_EQ(hy3tool({u"import"_qs, u"a.csv"_qs}).exitCode, 2);
    EXPECT_EQ(hy3tool({u"check"_qs, u"--all"_qs, u"a"_qs}).exitCode, 2);
    EXPECT_EQ(hy3tool({u"show"_qs, u"a"_qs, u"b"_qs}).exitCode, 2);
}

TEST_F(Hy3ToolCli, ImportsUtf8AndCp932TablesIntoTheSameBytes) {
    write(u"utf8.csv"_qs, kTable.toUtf8());
    write(u"sjis.csv"_qs, cp932::encode(kTable));
    EXPECT_EQ(hy3tool({u"import"_qs, path(u"utf8.csv"_qs), path(u"a.hy3"_qs)}).exitCode, 0);
    EXPECT_EQ(hy3tool({u"import"_qs, path(u"sjis.csv"_qs), path(u"b.hy3"_qs)}).exitCode, 0);
    EXPECT_EQ(read(u"a.hy3"_qs), kFares);
    EXPECT_EQ(read(u"b.hy3"_qs), kFares);
}

TEST_F(Hy3ToolCli, ARefusedImportNamesLineAndFieldAndLeavesTheOldFileAlone) {
    write(u"bad.csv"_qs, u"停留所名,整理券番号,運賃1\n駅前,1,180\n市役所前,2,1B0\n"_qs.toUtf8());
    write(u"old.hy3"_qs, "old");
    const Outcome run = hy3tool({u"import"_qs, path(u"bad.csv"_qs), path(u"old.hy3"_qs)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(path(u"bad.csv"_qs) + u": line 3: field 3 (fare column 1): \"1B0\" is not a whole number"_qs))
        << run.err.toStdString();
    EXPECT_EQ(read(u"old.hy3"_qs), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(Hy3ToolCli, FilesThatCannotBeReadOrWrittenAreUsageErrors) {
    write(u"utf8.csv"_qs, kTable.toUtf8());
    EXPECT_EQ(hy3tool({u"import"_qs, path(u"missing.csv"_qs), path(u"a.hy3"_qs)}).exitCode, 2);
    EXPECT_EQ(hy3tool({u"import"_qs, path(u"utf8.csv"_qs), path(u"no/such/folder/a.hy3"_qs)}).exitCode, 2);
    EXPECT_EQ(hy3tool({u"export"_qs, path(u"missing.hy3"_qs)}).exitCode, 2);
    EXPECT_EQ(hy3tool({u"check"_qs, path(u"missing.hy3"_qs)}).exitCode, 2);
    EXPECT_EQ(hy3tool({u"show"_qs, dir.path()}).exitCode, 2);
}

TEST_F(Hy3ToolCli, ExportsToStandardOutputOrAFileInEitherEncoding) {
    write(u"a.hy3"_qs, kFares);
    const Outcome toOutput = hy3tool({u"export"_qs, path(u"a.hy3"_qs)});
    EXPECT_EQ(toOutput.exitCode, 0);
    EXPECT_EQ(toOutput.out, kTable.toUtf8());
    EXPECT_TRUE(toOutput.err.isEmpty()) << toOutput.err.toStdString();
    EXPECT_EQ(hy3tool({u"export"_qs, u"--cp932"_qs, path(u"a.hy3"_qs), path(u"a.csv"_qs)}).exitCode, 0);
    EXPECT_EQ(read(u"a.csv"_qs), cp932::encode(kTable));

    // Trailing bytes are not exported, and export says the file will not come back whole.
    write(u"tail.hy3"_qs, kFares + "xyz");
    const Outcome tail = hy3tool({u"export"_qs, path(u"tail.hy3"_qs)});
    EXPECT_EQ(tail.exitCode, 0);
    EXPECT_EQ(tail.out, kTable.toUtf8());
    EXPECT_TRUE(tail.err.contains(u"warning"_qs));

    write(u"short.hy3"_qs, kFares.chopped(1));
    const Outcome truncated = hy3tool({u"export"_qs, path(u"short.hy3"_qs)});
    EXPECT_EQ(truncated.exitCode, 1);
    EXPECT_TRUE(truncated.err.contains(u"ends inside record 2 of 2"_qs));
    EXPECT_TRUE(truncated.out.isEmpty());
}

TEST_F(Hy3ToolCli, CheckExitsWithOneWhenItFindsProblems) {
    write(u"good.hy3"_qs, kFares);
    EXPECT_EQ(hy3tool({u"check"_qs, path(u"good.hy3"_qs)}).exitCode, 0);
    // An empty name is only a warning.
    write(u"unnamed.hy3"_qs, FareFileBytes(2).stop(kEkimae, 1, {180}).stop("", 2, {190}).bytes());
    const Outcome unnamed = hy3tool({u"check"_qs, path(u"unnamed.hy3"_qs)});
    EXPECT_EQ(unnamed.exitCode, 0);
    EXPECT_TRUE(unnamed.err.contains(u": record 2: warning: the stop name is empty"_qs)) << unnamed.err.toStdString();

    write(u"bad.hy3"_qs, FareFileBytes(2).stop(kEkimae, 1, {180}).stop(kShiyakusho, 200, {190}).bytes() + "x");
    const Outcome fares = hy3tool({u"check"_qs, path(u"bad.hy3"_qs)});
    EXPECT_EQ(fares.exitCode, 1);
    EXPECT_TRUE(fares.err.contains(path(u"bad.hy3"_qs) + u": record 2: ticket number 200 is outside 0 to 150"_qs));
    EXPECT_TRUE(fares.err.contains(path(u"bad.hy3"_qs) + u": 1 bytes follow the last record"_qs));

    // Broadcast data by name, in any letter case.
    write(u"12Tp.CSV"_qs, cp932::encode(u"\"次は、市役所前です。\",1,2\r\n\"次は、本町です。\",1\r\n"_qs));
    const Outcome broadcast = hy3tool({u"check"_qs, path(u"12Tp.CSV"_qs)});
    EXPECT_EQ(broadcast.exitCode, 1);
    EXPECT_TRUE(broadcast.err.contains(path(u"12Tp.CSV"_qs) + u": line 2: the chime flag (field 3) is missing"_qs))
        << broadcast.err.toStdString();

    // Other names by content.
    write(u"fares.bin"_qs, kFares);
    write(u"tape.txt"_qs, cp932::encode(u"\"次は、市役所前です。\",1,2\r\n"_qs));
    EXPECT_TRUE(hy3tool({u"check"_qs, path(u"fares.bin"_qs)}).err.contains(u"no problems (fare data)"_qs));
    EXPECT_TRUE(hy3tool({u"check"_qs, path(u"tape.txt"_qs)}).err.contains(u"no problems (broadcast data)"_qs));
}

TEST_F(Hy3ToolCli, ShowPrintsTheTable) {
    write(u"a.hy3"_qs, kFares);
    const Outcome run = hy3tool({u"show"_qs, path(u"a.hy3"_qs)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(run.out), u"Stop  Ticket  Name        1    2\n"
                                          u"   1       1  駅前      180\n"
                                          u"   2       2  市役所前  190  180\n"_qs);
}

}  // namespace
