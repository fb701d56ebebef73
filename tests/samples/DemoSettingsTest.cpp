#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "formats/SettingsFile.h"

namespace {

// The demo settings point at files the build made, and a settings file that
// exists is never replaced.
TEST(DemoSettings, PointAtTheDemoSetAndNeverReplaceAUsersFile) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("X9-000.in4")));
    const auto run = [&file] { return QProcess::execute(QStringLiteral(MAKE_DEMO_SETTINGS), {file.fileName(), QStringLiteral(DEMO_DIR)}); };
    ASSERT_EQ(run(), 0);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    Options o;
    CtrlDataInfo panel;
    FormInfo form;
    DegitSettings formats{};
    ASSERT_EQ(settings_file::parse(file.readAll(), {o, panel, form, o.custColors, formats}), 0);
    file.close();
    for (const QString& used : {o.FareDataDir() + u"/12.hy3"_qs, o.TapeDataDir() + u"/12tp.csv"_qs, o.RouteSetSound(), o.StepSound(),
                                o.TapeSound1(), o.TapeSound2(), o.TapeSound3(), o.PanelOn1File(), o.PanelOn2File(), o.SeirikenPlugin()})
        EXPECT_TRUE(QFileInfo(used).isFile()) << used.toStdString();
    // The ticket preview shown and open, the lit panels and the chimes by flag taken from these files.
    EXPECT_EQ((std::vector<int>{o.UseSeirikenPreview(), panel.PreviewOpen, o.PanelIndividual(), o.PanelOn1User(), o.TapeSoundByFlag()}),
              (std::vector<int>{1, 1, -1, -1, -1}));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("the user's own settings") > 0);
    file.close();
    ASSERT_EQ(run(), 0);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "the user's own settings");
}

}  // namespace
