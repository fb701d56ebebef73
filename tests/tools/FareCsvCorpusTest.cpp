#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "CsvText.h"
#include "FareCsv.h"

namespace {

// The fuzzer's seed tables: each imports with its problems listed, or
// imports whole and comes back the same through export and import.
TEST(FareCsvCorpus, EveryTableImportsWithProblemsOrRoundTrips) {
    const QDir corpus(QStringLiteral(FARE_CSV_CORPUS_DIR));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_GE(files.size(), 3);
    int whole = 0;
    for (const QString& name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const csv_text::Decoded decoded = csv_text::decode(file.readAll());
        const fare_csv::Imported imported = fare_csv::read(decoded.text);
        if (!decoded.problems.empty() || !imported.problems.empty()) continue;
        ++whole;
        ASSERT_FALSE(imported.stops.empty()) << name.toStdString();
        const fare_csv::Imported again = fare_csv::read(fare_csv::write(imported.stops));
        EXPECT_TRUE(again.problems.empty()) << name.toStdString();
        EXPECT_EQ(again.stops, imported.stops) << name.toStdString();
    }
    EXPECT_GE(whole, 3);
}

}  // namespace
