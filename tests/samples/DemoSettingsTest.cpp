#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "SettingsFile.h"

namespace {

int runTool(const QString& settingsFile) {
    QProcess tool;
    tool.start(QStringLiteral(MAKE_DEMO_SETTINGS), {settingsFile, QStringLiteral(DEMO_DIR)});
    if (!tool.waitForFinished(10000)) return -1;
    return tool.exitCode();
}

// The demo settings point at files the build made, and a settings file that
// exists is never replaced.
TEST(DemoSettings, PointAtTheDemoSetAndNeverReplaceAUsersFile) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("X9-000.in4"));
    ASSERT_EQ(runTool(target), 0);
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();

    Options o;
    CtrlDataInfo panel;
    FormInfo form;
    DegitSettings formats{};
    ASSERT_EQ(settings_file::parse(written, {o, panel, form, o.custColors, formats}), 0);
    EXPECT_TRUE(QFileInfo::exists(o.FareDataDir() + QStringLiteral("/12.hy3")));
    EXPECT_TRUE(QFileInfo::exists(o.TapeDataDir() + QStringLiteral("/12tp.csv")));
    for (const QString& used : {o.RouteSetSound(), o.StepSound(), o.TapeSound1(), o.TapeSound2(), o.TapeSound3(),
                                o.PanelOn1File(), o.PanelOn2File(), o.SeirikenPlugin()})
        EXPECT_TRUE(QFileInfo(used).isFile()) << used.toStdString();
    EXPECT_EQ(o.UseSeirikenPreview(), 1);
    EXPECT_EQ(o.PanelIndividual(), -1);
    EXPECT_EQ(o.PanelOn1User(), -1);
    EXPECT_EQ(o.TapeSoundByFlag(), -1);
    EXPECT_EQ(panel.PreviewOpen, 1);

    const QByteArray users("the user's own settings");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(users);
    file.close();
    ASSERT_EQ(runTool(target), 0);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), users);
}

}  // namespace
