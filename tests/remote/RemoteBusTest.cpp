#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/Wait.h"
#include "remote/BoardBus.h"
#include "remote/CommandLine.h"
#include "settings/DemoSettings.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/TestSounds.h"

namespace {

// Collects the PropertiesChanged signals the program sends.
class Changes : public QObject {
    Q_OBJECT
public slots:
    void changed(const QString&, const QVariantMap& values, const QStringList&) { seen.append(values); }

public:
    QList<QVariantMap> seen;
};

// The real program with the demo, in a folder of its own, on the session bus
// this test runs on (dbus-run-session), its sound written to a file.
class RemoteBus : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.isConnected()) << "no session bus: run under dbus-run-session";
        ASSERT_FALSE(bus.interface()->isServiceRegistered(BoardBus::Service)) << "another board runs on this bus";
        const QString program = dir.filePath("X9-000");
        ASSERT_TRUE(QFile::copy(QStringLiteral(PROGRAM), program));
        ASSERT_EQ(demo_settings::write(dir.filePath("X9-000.in4"), QStringLiteral(DEMO_DIR)), 0);
        board.setProcessEnvironment(environment());
        board.setProgram(program);
        board.start();
        for (int i = 0; i < 400 && !bus.interface()->isServiceRegistered(BoardBus::Service); ++i) waiting::blockFor(50);
        ASSERT_TRUE(bus.interface()->isServiceRegistered(BoardBus::Service)) << board.readAllStandardError().toStdString();
        // Made once the service is there: the interface reads its properties from what it found then.
        remote = std::make_unique<QDBusInterface>(BoardBus::Service, BoardBus::Path, BoardBus::Interface, bus);
        ASSERT_TRUE(bus.connect(BoardBus::Service, BoardBus::Path, u"org.freedesktop.DBus.Properties"_qs,
                                u"PropertiesChanged"_qs, &changes, SLOT(changed(QString, QVariantMap, QStringList))));
    }
    void TearDown() override {
        board.terminate();
        board.waitForFinished(10000);
    }
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        env.insert(u"SDL_AUDIODRIVER"_qs, u"disk"_qs);
        env.insert(u"SDL_DISKAUDIOFILE"_qs, dir.filePath("sound.raw"));
        env.insert(u"HOME"_qs, dir.path());
        env.insert(u"XDG_CONFIG_HOME"_qs, dir.filePath("config"));
        return env;
    }
    // A call; the refusal's message, or empty when done.
    QString call(const QString& method, const QVariantList& args = {}) {
        const QDBusMessage reply = remote->callWithArgumentList(QDBus::Block, method, args);
        return reply.type() == QDBusMessage::ErrorMessage ? reply.errorName() + u": "_qs + reply.errorMessage() : QString();
    }
    QVariant property(const char* name) {
        waiting::blockFor(100);  // signals and property reads after the call's work
        return remote->property(name);
    }
    // A second start of the program with these arguments: its exit status and what it said.
    std::pair<int, QString> secondStart(const QStringList& args) {
        QProcess second;
        second.setProcessEnvironment(environment());
        second.start(board.program(), args);
        second.waitForFinished(20000);
        return {second.exitCode(), QString::fromUtf8(second.readAllStandardError())};
    }

    QTemporaryDir dir;
    QDBusConnection bus = QDBusConnection::sessionBus();
    QProcess board;
    std::unique_ptr<QDBusInterface> remote;
    Changes changes;
};

const QString Refused = u"io.github.fareboard.Board.Error.Refused: "_qs;

TEST_F(RemoteBus, CallsDriveTheBoardAndRefusalsChangeNothing) {
    EXPECT_EQ(call(u"NextStop"_qs), Refused + u"no route is set"_qs);
    EXPECT_EQ(call(u"SetRoute"_qs, {u"1x"_qs, u"1"_qs}), Refused + u"the route must be 1 to 5 digits, not \"1x\""_qs);
    // A call while the route's lamp test runs is turned away.
    QDBusPendingCall setting = remote->asyncCall(u"SetRoute"_qs, u"12"_qs, u"1"_qs);
    bool turnedAway = false;
    for (int i = 0; i < 60 && !turnedAway && !setting.isFinished(); ++i) {
        turnedAway = call(u"NextStop"_qs).contains(u"the panel is busy"_qs);
        waiting::blockFor(50);
    }
    EXPECT_TRUE(turnedAway);
    setting.waitForFinished();
    EXPECT_FALSE(setting.isError()) << setting.error().message().toStdString();
    EXPECT_EQ(property("Route").toString(), u"12"_qs);
    EXPECT_EQ(property("StopNumber").toInt(), 1);
    EXPECT_EQ(property("StopCount").toInt(), 25);
    EXPECT_EQ(property("StopName").toString(), u"桜ヶ丘駅前"_qs);

    const qint64 soundBefore = QFileInfo(dir.filePath("sound.raw")).size();
    EXPECT_EQ(call(u"NextStop"_qs), QString());
    EXPECT_EQ(property("StopName").toString(), u"桜ヶ丘二丁目"_qs);
    waiting::blockFor(1500);  // the step sound plays
    const std::vector<std::int16_t> sound = test_sounds::leftChannelOf(dir.filePath("sound.raw"));
    EXPECT_TRUE(std::any_of(sound.begin() + soundBefore / 4, sound.end(), [](std::int16_t s) { return std::abs(s) > 1000; }))
        << "the step sound was heard";

    EXPECT_EQ(call(u"SetLateNight"_qs, {true}), QString());
    EXPECT_EQ(call(u"SetBacklight"_qs, {u"ON2"_qs}), QString());
    EXPECT_EQ(call(u"SetDisplayOff"_qs, {true}), QString());
    EXPECT_EQ(call(u"NextStop"_qs), Refused + u"the display is off (表示消去): turn it on first"_qs);
    EXPECT_EQ(property("StopNumber").toInt(), 2);
    EXPECT_TRUE(property("LateNight").toBool());
    EXPECT_EQ(property("Backlight").toString(), u"ON2"_qs);
    EXPECT_EQ(call(u"SetDisplayOff"_qs, {false}), QString());
    waiting::blockFor(100);

    // What each change announced, in order.
    QStringList announced;
    for (const QVariantMap& change : changes.seen) announced << QStringList(change.keys()).join(u',');
    EXPECT_EQ(announced, (QStringList{u"Route,Section,StopCount,StopName,StopNumber"_qs, u"StopName,StopNumber"_qs,
                                      u"LateNight"_qs, u"Backlight"_qs, u"DisplayOff"_qs, u"DisplayOff"_qs}));
    EXPECT_EQ(changes.seen.value(1).value(u"StopNumber"_qs).toInt(), 2);
}

// A second start hands its actions to the running program and ends.
TEST_F(RemoteBus, ASecondStartHandsItsActionsOver) {
    EXPECT_EQ(secondStart({u"--route"_qs, u"12"_qs, u"--section"_qs, u"1"_qs, u"--next"_qs, u"--next"_qs}).first, 0);
    EXPECT_EQ(property("StopNumber").toInt(), 3);
    const auto [status, said] = secondStart({u"--route"_qs, u"99"_qs, u"--next"_qs});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(said.contains(u"no fare data for route 99"_qs)) << said.toStdString();
    EXPECT_EQ(property("Route").toString(), u"12"_qs);
    EXPECT_EQ(property("StopNumber").toInt(), 3) << "the first refusal ends the rest";
    EXPECT_EQ(secondStart({u"--backlight"_qs, u"dim"_qs}).first, 2);
    EXPECT_EQ(board.state(), QProcess::Running);
}

// The panel's title tells where the bus is, as the bus's properties do.
class WhereTheBusIs : public PanelTest {};

TEST_F(WhereTheBusIs, ThePanelsTitleFollowsTheRouteTheStopAndTheAnnouncement) {
    EXPECT_EQ(panel.windowTitle(), u"集中操作盤"_qs);
    writeRoute(12, 5);
    write(u"12tp.csv"_qs, "\"x\",0,0\r\n\"y\",1,0\r\n");
    setRoute(u"12"_qs, u"1"_qs);
    panel.Command2[1]->click();
    EXPECT_EQ(panel.windowTitle(), u"集中操作盤  系統 12-1  2/5 Stop2"_qs);
    program.remote.announce(true);
    EXPECT_EQ(panel.windowTitle(), u"集中操作盤  系統 12-1  2/5 Stop2  放送 1"_qs);
    EXPECT_EQ(program.remote.status().announcementText, u"x"_qs);
    EXPECT_EQ(program.remote.step(false), QString());
    EXPECT_EQ(program.remote.step(false), u"the bus is at the first stop"_qs);
    EXPECT_EQ(program.remote.status().stopNumber, 1);
}

TEST(CommandLine, ActionsInTheOrderGiven) {
    const command_line::Parsed p = command_line::parse(
        {u"--route"_qs, u"7"_qs, u"--next"_qs, u"--blank"_qs, u"on"_qs, u"--backlight"_qs, u"On1"_qs,
         u"--late-night"_qs, u"on"_qs, u"--preview"_qs, u"close"_qs, u"--announce"_qs});
    EXPECT_EQ(p.error, QString());
    const std::vector<command_line::Action> expected{
        {u"SetRoute"_qs, {u"7"_qs, u"1"_qs}}, {u"NextStop"_qs, {}}, {u"SetDisplayOff"_qs, {true}},
        {u"SetBacklight"_qs, {u"ON1"_qs}}, {u"SetLateNight"_qs, {true}}, {u"SetPreview"_qs, {false}},
        {u"NextAnnouncement"_qs, {}}};
    EXPECT_TRUE(p.actions == expected);
    for (const QStringList& bad : {QStringList{u"--section"_qs, u"1"_qs}, {u"--blank"_qs}, {u"--fast"_qs}, {u"--route"_qs}})
        EXPECT_FALSE(command_line::parse(bad).error.isEmpty()) << bad.join(u' ').toStdString();
}

}  // namespace

#include "RemoteBusTest.moc"
