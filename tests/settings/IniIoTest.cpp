#include <gtest/gtest.h>

#include <QtWidgets>

#include <csignal>
#include <sys/resource.h>

#include "tests/support/CorpusInputs.h"
#include "controls/digit/M_Degit.h"
#include "tests/support/ProgramFixture.h"
#include "formats/RuntimeError.h"
#include "options/frmOption.h"
#include "settings/mdlIniIo.h"

namespace {

using namespace Qt::StringLiterals;

class IniIoTest : public PanelTest {
protected:
    QByteArray fileBytes() { QFile file(ini.fileName()); return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(); }
    // Display i's format (shift, zero mode, fill), as set or as changed for the save.
    std::array<qint16, 3> formatOf(int i) const { return {board.fareDisplay(i).Shift(), board.fareDisplay(i).ZeroMode(), board.fareDisplay(i).FillZero()}; }
    static std::array<qint16, 3> changedFormat(int i) { return {qint16(i % 3), qint16(i % 2), 1}; }
    void setFormat(int i, std::array<qint16, 3> format) {
        display(i).setZeroMode(format[1]);
        display(i).setShift(format[0]);
        display(i).setFillZero(format[2]);
    }
    // A state to save that differs from the start-up state everywhere.
    void changeEverything() {
        for (int i = 1; i <= 8; ++i) setFormat(i, changedFormat(i));
        Options& o = state.options;
        o.degit = {.DegitBackColor = 0x102030, .DegitLitColor = 0x0000FF};
        o.chimei.ChimeiForeColor = 0x00FF00;
        o.dataFolders.FareDataDir = u"/運賃"_s;
        o.sound = {.StepSound = u"/chime.wav"_s, .TapeSoundSync = 0};  // and a group without a choice
        o.panel.SeiriNumStyle = 1;
        o.custColors.CustColors[16] = 0xABCDEF;
        panel.HScroll1[0]->setValue(500);
        panel.Check2->setChecked(true);
        board.move(120, 60);
    }

    frmOption& dialog = program.options;
    Options& optionInfo = program.optionInfo;
    mdlIniIo& ini = program.settings;
};

TEST_F(IniIoTest, SaveThenLoadRestoresEverythingAndSavesTheSameBytesAgainButAFailedSaveOrADamagedFileChangesNothing) {
    changeEverything();
    const Options saved = state.options;
    ini.SaveIni();
    const QByteArray first = fileBytes();
    // The file ends with a count of eight and each display's shift, zero mode and fill.
    QByteArray formats = QByteArray::fromHex("0800");
    for (int i = 1; i <= 8; ++i)
        for (const qint16 v : changedFormat(i)) formats.append(char(v)).append('\0');
    EXPECT_EQ(first.right(50).toHex(' '), formats.toHex(' '));

    // Back to other values, as a new run would start.
    for (int i = 1; i <= 8; ++i) setFormat(i, {0, 0, 0});
    state.options = Options::startupDefaults();
    panel.HScroll1[0]->setValue(1);
    panel.Check2->setChecked(false);
    board.move(0, 0);
    ini.LoadIni();
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(formatOf(i), changedFormat(i)) << i;
        EXPECT_EQ((std::array{board.fareDisplay(i).BackColor(), board.fareDisplay(i).DegitForeColor()}), (std::array{0x102030u, 0x0000FFu})) << i;
        EXPECT_EQ(shown(i), DigitValue::text(u" "_s)) << i;
    }
    EXPECT_TRUE(board.clock(1).BackColor() == 0x102030u && board.stopNameDisplay().ForeColor() == 0x00FF00u);
    EXPECT_TRUE(state.options.dataFolders == saved.dataFolders && state.options.panel == saved.panel &&
                state.options.degit == saved.degit && state.options.chimei == saved.chimei && state.options.sound == saved.sound &&
                state.options.seiriken == saved.seiriken && state.options.custColors == saved.custColors);
    EXPECT_TRUE(panel.HScroll1[0]->value() == 500 && panel.Check2->isChecked() && board.pos() == QPoint(120, 60));
    ini.SaveIni();
    EXPECT_TRUE(fileBytes() == first && messages.messages.empty()) << "saved unchanged, byte for byte";
    // A save the disk refuses part way (past a hundred bytes, as a full disk would) keeps the previous file.
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{100, limit.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    board.move(10, 10);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ini.SaveIni();
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_TRUE(messages.messages.size() == 1 && messages.messages[0].text.startsWith(u"エラー Code:"_s) && fileBytes() == first);

    // Cut inside the ticket record's date; the records after it take 148 bytes.
    ASSERT_TRUE(QFile::resize(ini.fileName(), first.size() - 148 - 3));
    state.options.dataFolders.FareDataDir = u"/live"_s;
    board.move(0, 0);
    optionInfo.sound.StepSound = optionInfo.seiriken.FixedDate = u"before"_s;
    ini.LoadIni();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text,
              u"エラー Code:62\r\n内容:"_s + runtime_error::description(62) + u"\r\nモジュール:mdlIniIo.LoadIni()"_s);
    EXPECT_EQ(optionInfo.StepSound() + optionInfo.FixedDate(), u"/chime.wavbefore"_s);
    EXPECT_TRUE(state.options.dataFolders.FareDataDir == u"/live"_s && board.pos() == QPoint(0, 0));
}

TEST_F(IniIoTest, TheFileIsNamedAfterTheProgramNoneIsASilentFirstStartAndAReadOnlyFolderSavesElsewhere) {
    mdlIniIo renamed{board, panel, dialog, state, optionInfo, messages, dir.filePath(u"Other.bin"_s), QString()};
    EXPECT_EQ(renamed.fileName(), dir.filePath(u"Other.in4"_s));
    state.options.dataFolders.FareDataDir = u"/live"_s;
    renamed.LoadIni();
    EXPECT_EQ(state.options.dataFolders.FareDataDir, u"/live"_s);

    QTemporaryDir config;
    bool writable = true;
    const auto run = [&](void (mdlIniIo::*step)(), const QString& folder) {
        mdlIniIo io(board, panel, dialog, state, optionInfo, messages, dir.filePath(u"X9-000"_s), config.filePath(u"X9-000"_s));
        io.setFolderWritable([&](const QString&) { return writable; });
        state.options.dataFolders.FareDataDir = folder;
        (io.*step)();
    };
    // A file beside the program, then the folder turns read-only: the save
    // goes to the user's folder, and the next start must load that one;
    // before any save there, the file beside the program is still read.
    run(&mdlIniIo::SaveIni, u"/old"_s);
    writable = false;
    run(&mdlIniIo::SaveIni, u"/new"_s);
    run(&mdlIniIo::LoadIni, u"/live"_s);
    EXPECT_EQ(state.options.dataFolders.FareDataDir, u"/new"_s);
    ASSERT_TRUE(QFile::remove(config.filePath(u"X9-000/X9-000.in4"_s)));
    run(&mdlIniIo::LoadIni, u"/live"_s);
    EXPECT_EQ(state.options.dataFolders.FareDataDir, u"/old"_s);
    EXPECT_TRUE(messages.messages.empty());
}

// An installed program's first start, with no settings file anywhere, begins
// with the demo it ships; a settings file there is the user's and stays.
TEST(FirstStart, AnInstalledProgramBeginsWithItsDemoOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"share/demo"_s));
    const QString demo = dir.filePath(u"share/demo"_s), config = dir.filePath(u"config"_s);
    RecordingReporter messages;
    FakeSound sound;
    const auto start = [&](const QString& demoFolder) {
        Program program{{messages, sound, [] { return std::unique_ptr<TextToSpeech>(); }, dir.filePath(u"bin/X9-000"_s),
                         config, [] { return u"Linux"_s; }, demoFolder}};
        // The program's folder cannot be written, as /usr/bin.
        program.settings.setFolderWritable([](const QString& folder) { return !folder.endsWith(u"bin"_s); });
        program.start();
        return program.state.options.dataFolders.FareDataDir;
    };
    EXPECT_EQ(start(QString()), Options::startupDefaults().dataFolders.FareDataDir) << "a program run from its build";
    EXPECT_FALSE(QFile::exists(config + u"/X9-000.in4"_s));
    EXPECT_EQ(start(demo), demo + u"/fares"_s);
    EXPECT_TRUE(QFile::exists(config + u"/X9-000.in4"_s));
    ASSERT_TRUE(QDir(dir.path()).rename(u"share/demo"_s, u"share/moved"_s));
    EXPECT_EQ(start(dir.filePath(u"share/moved"_s)), demo + u"/fares"_s) << "the user's settings stay";
    EXPECT_TRUE(messages.messages.empty());
}

// The fuzzers' seed inputs: each is read whole and written back to the same
// bytes (the display-format count always as eight), or refused as damaged;
// the demo settings read into each record.
TEST(SettingsFileCorpus, EveryInputIsReadWholeAndWrittenBackOrRefused) {
    int whole = 0;
    for (const auto& [name, input] : corpusInputs(QStringLiteral(SETTINGS_CORPUS_DIR))) {
        Options o;
        CtrlDataInfo ctrl;
        FormInfo form;
        DegitSettings formats{};
        const SettingsRecords records{o, ctrl, form, o.custColors, formats};
        const int error = settings_file::parse(input, records);
        EXPECT_TRUE(error == 0 || error == runtime_error::InputPastEndOfFile) << name.toStdString();
        if (error != 0) continue;
        ++whole;
        EXPECT_EQ(settings_file::compose(records).toHex(' '), QByteArray(input).replace(input.size() - 50, 2, "\x08\x00", 2).toHex(' '))
            << name.toStdString();
        if (name != u"demo"_s) continue;
        EXPECT_EQ(QStringList({o.TapeDataDir(), o.PanelOn2File(), QString::number(o.DegitLitColor()), QString::number(o.ChimeiForeColor()),
                               o.TapeSound3(), o.FixedDate(), QString::number(ctrl.ScrollSpeed * 100000 + ctrl.PreviewOpen * 10000 + ctrl.CtrlLeft)}).join(u' '),
                  u"/work/main/build/demo/tape /work/main/build/demo/panels/panel_on2.jpg 7525112 65535 "
                  "/work/main/build/demo/sounds/chime.wav 2026/12/07 116600"_s);
    }
    EXPECT_GE(whole, 2);
}

}  // namespace
