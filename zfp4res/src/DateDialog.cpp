#include <QCalendarWidget>
#include <QDate>
#include <QDialog>
#include <QLocale>
#include <QVBoxLayout>

#include "zfp4res/src/DialogParts.h"
#include "zfp4res/ZFP4Res.h"

extern "C" ZFP4RES_API int32_t Call_dlg111(void* owner, DateRecord* date) {
    QDialog dialog(dialog_parts::owner(owner));
    dialog.setWindowTitle(QStringLiteral("日付の選択"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* calendar = new QCalendarWidget(&dialog);
    calendar->setObjectName(QStringLiteral("calendar"));
    calendar->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    calendar->setFirstDayOfWeek(Qt::Sunday);
    const QDate given = date ? QDate(date->year, date->month, date->day) : QDate();
    calendar->setSelectedDate(given.isValid() ? given : QDate::currentDate());
    layout->addWidget(calendar);
    dialog_parts::addOkCancel(&dialog, layout);
    QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);

    if (dialog.exec() != QDialog::Accepted) return 0;
    if (date) {
        const QDate chosen = calendar->selectedDate();
        date->year = static_cast<int16_t>(chosen.year());
        date->month = static_cast<int16_t>(chosen.month());
        // Qt counts Monday 1 to Sunday 7; the record counts from Sunday 0.
        date->dayOfWeek = static_cast<int16_t>(chosen.dayOfWeek() % 7);
        date->day = static_cast<int16_t>(chosen.day());
    }
    return 1;
}
