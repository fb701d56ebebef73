#include <gtest/gtest.h>

#include <QLabel>

#include "Form1.h"
#include "RecordingReporter.h"
#include "SharedState.h"
#include "Twips.h"
#include "mdlX9_000.h"

namespace {

class SeirikenNumSetTest : public ::testing::Test {
protected:
    QStringList captions() const {
        QStringList texts;
        for (int i = 1; i <= 8; ++i) texts << board.lblSeiriNum[i]->text();
        return texts;
    }
    QString firstFace() const { return board.lblSeiriNum[1]->font().family(); }
    int firstPixels() const { return board.lblSeiriNum[1]->font().pixelSize(); }

    SharedState state;
    RecordingReporter messages;
    Form1 board{state, messages};
};

QStringList wide(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts) out << QString::fromUtf8(t);
    return out;
}

TEST_F(SeirikenNumSetTest, NumberStylesWithAndWithoutZeroPadding) {
    SeirikenNumSet(board, 0, 0, messages);
    EXPECT_EQ(captions(), wide({"１", "２", "３", "４", "５", "６", "７", "８"}));
    SeirikenNumSet(board, 0, 1, messages);
    EXPECT_EQ(captions(), wide({"０１", "０２", "０３", "０４", "０５", "０６", "０７", "０８"}));
    SeirikenNumSet(board, 1, 1, messages);
    EXPECT_EQ(captions(), wide({"００", "０１", "０２", "０３", "０４", "０５", "０６", "０７"}));
    EXPECT_EQ(firstFace(), "M_NumP1");
    EXPECT_EQ(firstPixels(), twips::pointsToPixels(16));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SeirikenNumSetTest, WordStylesPutAWordInPositionOne) {
    SeirikenNumSet(board, 5, 0, messages);
    EXPECT_EQ(captions(), wide({"無 券", "２", "３", "４", "５", "６", "７", "８"}));
    EXPECT_EQ(firstFace(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(firstPixels(), twips::pointsToPixels(13));

    SeirikenNumSet(board, 10, 0, messages);
    EXPECT_EQ(captions(), wide({"", "１", "２", "３", "４", "５", "６", "７"}));

    const char* words[] = {"な し", "な し", "無 券", "無 券", "券なし", "券なし", "券無し", "券無し", "", ""};
    for (int style = 2; style <= 11; ++style) {
        SeirikenNumSet(board, style, 1, messages);
        EXPECT_EQ(captions().first(), QString::fromUtf8(words[style - 2])) << style;
        EXPECT_EQ(captions()[1], style % 2 == 0 ? QStringLiteral("０１") : QStringLiteral("０２")) << style;
    }

    // Back to numbers: position 1 gets its number and number face again.
    SeirikenNumSet(board, 0, 0, messages);
    EXPECT_EQ(captions().first(), QStringLiteral("１"));
    EXPECT_EQ(firstFace(), "M_NumP1");
}

TEST_F(SeirikenNumSetTest, UnknownStylesWriteNoNumbers) {
    SeirikenNumSet(board, 4, 0, messages);
    const QStringList before = captions();
    SeirikenNumSet(board, -1, 0, messages);
    EXPECT_EQ(captions(), before);
    EXPECT_EQ(firstFace(), "M_NumP1");
    EXPECT_EQ(firstPixels(), twips::pointsToPixels(16));

    SeirikenNumSet(board, 12, 0, messages);
    EXPECT_EQ(captions().first(), QString());
    EXPECT_EQ(captions().mid(1), before.mid(1));
    EXPECT_EQ(firstFace(), "ＭＳ Ｐゴシック");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SeirikenNumSetTest, AMissingCaptionIsReportedInTheTrappedErrorBox) {
    QLabel* kept = board.lblSeiriNum[6];
    board.lblSeiriNum[6] = nullptr;
    SeirikenNumSet(board, 0, 0, messages);
    board.lblSeiriNum[6] = kept;
    ASSERT_EQ(messages.messages.size(), 1u);
    const Message& box = messages.messages.front();
    EXPECT_EQ(box.title, QStringLiteral("エラー！"));
    EXPECT_EQ(box.icon, Message::Icon::Critical);
    EXPECT_EQ(box.text, QStringLiteral("エラーです！\r\n\r\nコード：91\r\n\r\n内容：オブジェクト変数または With ブロック変数が設定されていません。"
                                       "\r\n\r\nモジュール：IniIO-SeirikenNumSet( )"));
}

}  // namespace
