#include <gtest/gtest.h>

#include <QtWidgets>

#include "options/SetPlgin.h"

namespace {

using namespace Qt::StringLiterals;

TEST(SetPlgin, TheCapabilityLinesPreviewSizeAndCompaniesFollowThePluginAndARejectedOneChangesNothing) {
    QListWidget list;
    QPlainTextEdit remarks;
    QWidget preview;
    QComboBox companies;
    // The result, the capability lines, the preview's size and whether there are companies.
    const auto set = [&](const QString& path) {
        QString shown = QString::number(SetPlgin(path, list, remarks, preview, companies));
        for (int i = 0; i < list.count(); ++i) shown += u'\n' + list.item(i)->text();
        return shown + u"\n%1x%2 %3"_s.arg(preview.width()).arg(preview.height()).arg(companies.count() > 0);
    };
    EXPECT_EQ(set(QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP")),
              u"2\n日付の印字 ---> 可能\n時刻の印字 ---> 可能\n系統番号の印字 ---> 可能\n停名の印字 ---> 可能\nバーコード印字 ---> 可能\n"
              "バーコード本数 ---> 2\nバーコード系統方式 ---> 系統番号＋往復フラグ\n設定可能な系統範囲 ---> 1 ～ 999\n"
              "停留所認識範囲 ---> 1 ～ 99\n社名切り替え:---> 可能\n220x116 1"_s);
    companies.clear();
    const QString kirigahara = u"日付の印字 ---> 可能\n時刻の印字 ---> 不可\n系統番号の印字 ---> 不可\n停名の印字 ---> 可能\n"
                               "バーコード印字 ---> 不可\n社名切り替え:---> 不可\n220x93 0"_s;
    EXPECT_EQ(set(QStringLiteral(SAMPLE_PLUGINS_DIR "/kirigahara.4SP")), u"2\n"_s + kirigahara);
    // No plug-in there: nothing changes.
    companies.addItem(u"kept"_s);
    EXPECT_EQ(set(QStringLiteral(SAMPLE_PLUGINS_DIR "/none.4SP")), u"0\n"_s + kirigahara.chopped(1) + u'1');
}

}  // namespace
