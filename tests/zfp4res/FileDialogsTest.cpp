#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>

#include <utility>
#include <vector>

#include "formats/Cp932.h"
#include "tests/support/ModalDriver.h"
#include "zfp4res/ZFP4Res.h"

namespace {

using ::testing::UnorderedElementsAre;
using Pairs = std::vector<std::pair<QString, QString>>;

// Description and pattern, each ended by a NUL, the list by one more.
QByteArray filterBytes(const Pairs& pairs) {
    QByteArray bytes;
    for (const auto& [description, pattern] : pairs)
        bytes += cp932::encode(description) + '\0' + cp932::encode(pattern) + '\0';
    return bytes + '\0';
}

const Pairs kSounds = {{QStringLiteral("Waveサウンド(*.wav)"), QStringLiteral("*.wav")},
                       {QStringLiteral("MP3サウンド(*.mp3)"), QStringLiteral("*.mp3")},
                       {QStringLiteral("MIDIシーケンス(*.mid)"), QStringLiteral("*.mid")}};

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"a.wav", "b.mp3", "c.txt", "駅前.wav"}) {
            QFile file(path(QString::fromUtf8(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("音声")));
    }

    QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    // Opens the file dialog with `filter` in the temporary folder and returns
    // the chosen path as text.
    QString openFile(const QByteArray& filter, const QString& initialFile = {}) {
        char out[4096];
        const QByteArray initial = cp932::encode(initialFile);
        const QByteArray title = cp932::encode(QStringLiteral("サウンドの選択"));
        const int length = Zf3FileDlg(nullptr, 0, filter.constData(), initial.constData(), title.constData(), out,
                                      sizeof out);
        EXPECT_EQ(length, static_cast<int>(qstrlen(out)));
        return cp932::decode(out);
    }

    QTemporaryDir dir_;
};

// The names the dialog lists in its folder, once the folder has been read.
QStringList listedNames(QFileDialog* dialog, const QString& expected) {
    auto* model = dialog->findChild<QFileSystemModel*>();
    if (!model) return {};
    const QModelIndex root = model->index(dialog->directory().absolutePath());
    QStringList names;
    QElapsedTimer clock;
    clock.start();
    while (!names.contains(expected) && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        names.clear();
        for (int row = 0; row < model->rowCount(root); ++row)
            names.append(model->index(row, 0, root).data().toString());
    }
    return names;
}

TEST_F(FileDialogs, AcceptingGivesTheChosenPath) {
    const QString chosen = path(QStringLiteral("駅前.wav"));
    ModalDriver driver([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("サウンドの選択"));
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->fileMode(), QFileDialog::ExistingFile);
        chooseFile(dialog, chosen);
    });
    EXPECT_EQ(openFile(filterBytes(kSounds)), chosen);
}

TEST_F(FileDialogs, TheInitialFileIsPreselected) {
    ModalDriver driver([](QDialog* dialog) { dialog->accept(); });
    EXPECT_EQ(openFile(filterBytes(kSounds), path(QStringLiteral("a.wav"))), path(QStringLiteral("a.wav")));
}

TEST_F(FileDialogs, CancellingGivesTheEmptyText) {
    ModalDriver driver([&](QDialog* dialog) {
        qobject_cast<QFileDialog*>(dialog)->selectFile(path(QStringLiteral("a.wav")));
        dialog->reject();
    });
    char out[16] = "unchanged";
    EXPECT_EQ(Zf3FileDlg(nullptr, 0, filterBytes(kSounds).constData(), "", "", out, sizeof out), 0);
    EXPECT_STREQ(out, "");
}

TEST_F(FileDialogs, TheFilterPairsBecomeTheFileTypes) {
    ModalDriver driver([&](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->setDirectory(dir_.path());
        // The list shows each description as given.
        auto* types = child<QComboBox>(dialog, "fileTypeCombo");
        ASSERT_NE(types, nullptr);
        QStringList shown;
        for (int i = 0; i < types->count(); ++i) shown.append(types->itemText(i));
        EXPECT_EQ(shown, QStringList({kSounds[0].first, kSounds[1].first, kSounds[2].first}));
        // The first type's pattern picks the files.
        EXPECT_THAT(listedNames(files, QStringLiteral("a.wav")),
                    UnorderedElementsAre(QStringLiteral("a.wav"), QStringLiteral("駅前.wav"), QStringLiteral("音声")));
        files->selectNameFilter(files->nameFilters().at(1));
        EXPECT_THAT(listedNames(files, QStringLiteral("b.mp3")),
                    UnorderedElementsAre(QStringLiteral("b.mp3"), QStringLiteral("音声")));
        dialog->reject();
    });
    openFile(filterBytes(kSounds));
}

TEST_F(FileDialogs, APatternMayListSeveralGlobs) {
    ModalDriver driver([&](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->setDirectory(dir_.path());
        // Matched without regard to case, as file names were where these came from.
        EXPECT_THAT(listedNames(files, QStringLiteral("b.mp3")),
                    UnorderedElementsAre(QStringLiteral("a.wav"), QStringLiteral("b.mp3"), QStringLiteral("駅前.wav"),
                                         QStringLiteral("音声")));
        dialog->reject();
    });
    openFile(filterBytes({{QStringLiteral("サウンド"), QStringLiteral("*.WAV; *.mp3")}}));
}

TEST_F(FileDialogs, TheFolderDialogGivesTheChosenFolder) {
    const QString folder = path(QStringLiteral("音声"));
    ModalDriver driver([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("データフォルダの選択"));
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->fileMode(), QFileDialog::Directory);
        files->setDirectory(folder);
        dialog->accept();
    });
    char out[4096];
    const QByteArray title = cp932::encode(QStringLiteral("データフォルダの選択"));
    const int length = Zf3FolderDlg(nullptr, title.constData(), out, sizeof out);
    EXPECT_EQ(length, static_cast<int>(qstrlen(out)));
    EXPECT_EQ(cp932::decode(out), folder);
}

TEST_F(FileDialogs, CancellingTheFolderDialogGivesTheEmptyText) {
    ModalDriver driver([&](QDialog* dialog) {
        qobject_cast<QFileDialog*>(dialog)->setDirectory(dir_.path());
        dialog->reject();
    });
    char out[16] = "unchanged";
    EXPECT_EQ(Zf3FolderDlg(nullptr, nullptr, out, sizeof out), 0);
    EXPECT_STREQ(out, "");
}

}  // namespace
