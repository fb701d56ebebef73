#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QScrollBar>

#include <csignal>
#include <sys/resource.h>

#include <memory>

#include "M_Degit.h"
#include "Twips.h"

#include "PanelFixture.h"
#include "RecordCodec.h"
#include "RuntimeError.h"
#include "StoredBytes.h"
#include "frmOption.h"
#include "mdlIniIo.h"

namespace {

class IniIoTest : public PanelTest {
protected:
    QByteArray fileBytes() {
        QFile file(ini.fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A state to save that differs from the start-up state everywhere.
    void changeEverything() {
        for (int i = 1; i <= 8; ++i) {
            board.Degit[i]->setZeroMode(qint16(i % 2));
            board.Degit[i]->setShift(qint16(i % 3));
            board.Degit[i]->setFillZero(1);
        }
        state.options.degit.DegitBackColor = 0x102030;
        state.options.degit.DegitLitColor = 0x0000FF;
        state.options.chimei.ChimeiForeColor = 0x00FF00;
        state.options.dataFolders.FareDataDir = QStringLiteral("/運賃");
        state.options.sound.StepSound = QStringLiteral("/chime.wav");
        state.options.panel.SeiriNumStyle = 1;
        state.options.custColors.CustColors[16] = 0xABCDEF;
        panel.HScroll1[0]->setValue(500);
        panel.Check2->setChecked(true);
        board.move(120, 60);
    }

    frmOption dialog{state, board, panel, messages};
    Options optionInfo;
    mdlIniIo ini{board, panel, dialog, state, optionInfo, messages, dir.filePath(QStringLiteral("X9-000")), QString()};
};

TEST_F(IniIoTest, SaveThenLoadRestoresFormatsOptionsPanelAndPosition) {
    changeEverything();
    const Options saved = state.options;
    ini.SaveIni();

    // Back to other values, as a new run would start.
    for (int i = 1; i <= 8; ++i) {
        board.Degit[i]->setZeroMode(0);
        board.Degit[i]->setShift(0);
        board.Degit[i]->setFillZero(0);
        board.Degit[i]->setValue(number(12));
    }
    state.options = Options::startupDefaults();
    panel.HScroll1[0]->setValue(1);
    panel.Check2->setChecked(false);
    board.move(0, 0);

    ini.LoadIni();
    EXPECT_TRUE(messages.messages.empty());
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(board.Degit[i]->ZeroMode(), i % 2) << i;
        EXPECT_EQ(board.Degit[i]->Shift(), std::min(i % 3, board.Degit[i]->Keta() - 1)) << i;
        EXPECT_EQ(board.Degit[i]->FillZero(), 1) << i;
        EXPECT_EQ(board.Degit[i]->BackColor(), 0x102030u) << i;
        EXPECT_EQ(board.Degit[i]->DegitForeColor(), 0x0000FFu) << i;
        EXPECT_EQ(shown(i), DigitValue::text(QStringLiteral(" "))) << i;
    }
    EXPECT_EQ(board.TimeDegit[1]->BackColor(), 0x102030u);
    EXPECT_EQ(board.ChimeiCtl->ForeColor(), 0x00FF00u);
    EXPECT_EQ(state.options.dataFolders, saved.dataFolders);
    EXPECT_EQ(state.options.panel, saved.panel);
    EXPECT_EQ(state.options.sound, saved.sound);
    EXPECT_EQ(state.options.seiriken, saved.seiriken);
    EXPECT_EQ(state.options.custColors, saved.custColors);
    EXPECT_EQ(panel.HScroll1[0]->value(), 500);
    EXPECT_TRUE(panel.Check2->isChecked());
    EXPECT_EQ(board.pos(), QPoint(120, 60));
}

TEST_F(IniIoTest, FirstStartWithoutFileIsSilentAndKeepsDefaults) {
    const Options before = state.options;
    ini.LoadIni();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(state.options.panel, before.panel);
    EXPECT_EQ(state.options.degit, before.degit);
    EXPECT_EQ(board.Degit[1]->BackColor(), before.DegitBackColor());
}

TEST_F(IniIoTest, DamagedFileReportsWithModuleLineKeepsEarlierRecordsAndSkipsApplying) {
    changeEverything();
    ini.SaveIni();
    // Cut the file inside the sound record.
    QByteArray head;
    record_codec::writeRecord(head, state.options.dataFolders);
    record_codec::writeRecord(head, state.options.panel);
    record_codec::writeRecord(head, state.options.degit);
    record_codec::writeRecord(head, state.options.chimei);
    QFile file(ini.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(head.size() + 3));
    file.close();

    state.options.dataFolders.FareDataDir = QStringLiteral("/live");
    board.move(0, 0);
    optionInfo = Options{};
    optionInfo.sound.StepSound = QStringLiteral("/before.wav");
    ini.LoadIni();

    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("エラー Code:62\r\n内容:") +
                                             runtime_error::description(62) +
                                             QStringLiteral("\r\nモジュール:mdlIniIo.LoadIni()"));
    EXPECT_EQ(optionInfo.dataFolders.FareDataDir, QStringLiteral("/運賃"));
    EXPECT_EQ(optionInfo.chimei.ChimeiForeColor, 0x00FF00u);
    EXPECT_EQ(optionInfo.sound.StepSound, QStringLiteral("/before.wav"));
    EXPECT_EQ(state.options.dataFolders.FareDataDir, QStringLiteral("/live"));
    EXPECT_EQ(board.pos(), QPoint(0, 0));
}

TEST_F(IniIoTest, FileNameFollowsTheExecutableName) {
    mdlIniIo renamed{board, panel, dialog, state, optionInfo, messages, dir.filePath(QStringLiteral("Other.bin")), QString()};
    EXPECT_EQ(renamed.fileName(), dir.filePath(QStringLiteral("Other.in4")));
    ini.SaveIni();
    // The renamed program does not read the other name's file.
    state.options.dataFolders.FareDataDir = QStringLiteral("/live");
    renamed.LoadIni();
    EXPECT_EQ(state.options.dataFolders.FareDataDir, QStringLiteral("/live"));
}

TEST_F(IniIoTest, AReadOnlyProgramFolderLoadsWhatTheLastSaveWrote) {
    QTemporaryDir config;
    bool writable = true;
    const auto run = [&] {
        auto io = std::make_unique<mdlIniIo>(board, panel, dialog, state, optionInfo, messages,
                                             dir.filePath(QStringLiteral("X9-000")), config.filePath(QStringLiteral("X9-000")));
        io->setFolderWritable([&](const QString&) { return writable; });
        return io;
    };
    // A file beside the program, then the folder turns read-only: the save
    // goes to the user's folder, and the next start must load that one.
    state.options.dataFolders.FareDataDir = QStringLiteral("/old");
    run()->SaveIni();
    writable = false;
    state.options.dataFolders.FareDataDir = QStringLiteral("/new");
    run()->SaveIni();
    ASSERT_TRUE(QFileInfo::exists(config.filePath(QStringLiteral("X9-000/X9-000.in4"))));
    state.options.dataFolders.FareDataDir = QStringLiteral("/live");
    run()->LoadIni();
    EXPECT_EQ(state.options.dataFolders.FareDataDir, QStringLiteral("/new"));

    // Before any save there, the file beside the program is still read.
    QFile::remove(config.filePath(QStringLiteral("X9-000/X9-000.in4")));
    run()->LoadIni();
    EXPECT_EQ(state.options.dataFolders.FareDataDir, QStringLiteral("/old"));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(IniIoTest, SavedBytesFollowTheRecordLayout) {
    changeEverything();
    panel.HScroll1[1]->setValue(3000);
    ini.SaveIni();
    const QByteArray bytes = fileBytes();

    QByteArray options;
    record_codec::writeRecord(options, state.options.dataFolders);
    record_codec::writeRecord(options, state.options.panel);
    record_codec::writeRecord(options, state.options.degit);
    record_codec::writeRecord(options, state.options.chimei);
    record_codec::writeRecord(options, state.options.sound);
    record_codec::writeRecord(options, state.options.seiriken);
    ASSERT_EQ(bytes.size(), options.size() + 22 + 8 + 68 + 2 + 48);
    EXPECT_EQ(bytes.first(options.size()), options);

    const int left = twips::fromPixels(panel.x()), top = twips::fromPixels(panel.y());
    QByteArray ctrl = QByteArray::fromHex("0000 f4010000 b80b0000 0100 0000");
    for (int v : {left, top}) ctrl.append(reinterpret_cast<const char*>(&v), 4);  // little-endian host
    EXPECT_EQ(bytes.sliced(options.size(), 22).toHex(' '), ctrl.toHex(' '));
    // 120, 60 pixels at 15 twips a pixel.
    EXPECT_EQ(bytes.sliced(options.size() + 22, 8).toHex(' '), hex("08070000 84030000"));
    EXPECT_EQ(bytes.sliced(options.size() + 30 + 64, 4).toHex(' '), hex("efcdab00"));
    QByteArray tail = QByteArray::fromHex("0800");
    for (int i = 1; i <= 8; ++i) {
        const qint16 fields[3] = {board.Degit[i]->Shift(), qint16(i % 2), 1};
        tail.append(reinterpret_cast<const char*>(fields), 6);
    }
    EXPECT_EQ(bytes.sliced(bytes.size() - 50).toHex(' '), tail.toHex(' '));
}

TEST_F(IniIoTest, LoadedFileSavedUnchangedComesBackByteForByte) {
    changeEverything();
    state.options.sound.TapeSoundSync = 0;
    state.options.sound.TapeSoundAsync = 0;  // a group without a choice survives too
    state.options.chimei.ChimeiFontMode = -1;
    ini.SaveIni();
    const QByteArray first = fileBytes();

    state.options = Options::startupDefaults();
    ini.LoadIni();
    ini.SaveIni();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(fileBytes().toHex(' '), first.toHex(' '));
}

TEST_F(IniIoTest, SaveThatFailsPartWayKeepsThePreviousFile) {
    ini.SaveIni();
    const QByteArray previous = fileBytes();
    ASSERT_FALSE(previous.isEmpty());

    changeEverything();
    // The disk refuses every byte past the first hundred, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ini.SaveIni();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.startsWith(QStringLiteral("エラー Code:"))) << messages.messages[0].text.toStdString();
    EXPECT_EQ(fileBytes(), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral("X9-000")).size(), 1);
}

}  // namespace
