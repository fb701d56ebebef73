#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QDate>

#include "tests/support/ModalDriver.h"
#include "zfp4res/ZFP4Res.h"

namespace {

// The record as the settings dialog passes it: a whole date-time record of
// which only the leading date fields belong to the call.
struct DateTimeRecord {
    DateRecord date;
    int16_t hour, minute, second, milliseconds;
};

QDate shownDate(QDialog* dialog) {
    auto* calendar = child<QCalendarWidget>(dialog, "calendar");
    return calendar ? calendar->selectedDate() : QDate();
}

TEST(Call_dlg111, ConfirmingFillsTheDateWithItsDayOfWeek) {
    struct Case {
        QDate chosen;
        int16_t dayOfWeek;
    };
    for (const Case c : {Case{QDate(2024, 2, 29), 4}, Case{QDate(2023, 12, 31), 0}, Case{QDate(2025, 3, 1), 6}}) {
        DateTimeRecord record{{0, 0, 0, 0}, 11, 22, 33, 44};
        ModalDriver driver([&](QDialog* dialog) {
            auto* calendar = child<QCalendarWidget>(dialog, "calendar");
            ASSERT_NE(calendar, nullptr);
            calendar->setSelectedDate(c.chosen);
            dialog->accept();
        });
        EXPECT_NE(Call_dlg111(nullptr, &record.date), 0);
        EXPECT_EQ(record.date.year, c.chosen.year());
        EXPECT_EQ(record.date.month, c.chosen.month());
        EXPECT_EQ(record.date.day, c.chosen.day());
        EXPECT_EQ(record.date.dayOfWeek, c.dayOfWeek) << c.chosen.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(record.hour, 11);
        EXPECT_EQ(record.milliseconds, 44);
    }
}

TEST(Call_dlg111, StartsAtTheRecordsDateOrTodayWhenItHasNone) {
    DateRecord given{2019, 5, 3, 1};
    ModalDriver fromRecord([](QDialog* dialog) {
        EXPECT_EQ(shownDate(dialog), QDate(2019, 5, 1));
        dialog->accept();
    });
    EXPECT_NE(Call_dlg111(nullptr, &given), 0);
    EXPECT_EQ(given.dayOfWeek, 3);  // a Wednesday

    for (DateRecord none : {DateRecord{0, 0, 0, 0}, DateRecord{2023, 2, 0, 30}}) {
        ModalDriver today([](QDialog* dialog) {
            EXPECT_EQ(shownDate(dialog), QDate::currentDate());
            dialog->reject();
        });
        EXPECT_EQ(Call_dlg111(nullptr, &none), 0);
    }
}

TEST(Call_dlg111, CancellingLeavesTheRecord) {
    DateRecord record{2020, 1, 3, 15};
    ModalDriver driver([](QDialog* dialog) {
        child<QCalendarWidget>(dialog, "calendar")->setSelectedDate(QDate(2021, 6, 7));
        dialog->reject();
    });
    EXPECT_EQ(Call_dlg111(nullptr, &record), 0);
    EXPECT_EQ(record.year, 2020);
    EXPECT_EQ(record.month, 1);
    EXPECT_EQ(record.dayOfWeek, 3);
    EXPECT_EQ(record.day, 15);
}

}  // namespace
