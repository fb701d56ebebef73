#include <gtest/gtest.h>

#include "CorpusInputs.h"
#include "CsvText.h"
#include "FareCsv.h"

namespace {

// The fuzzer's seed tables: each imports with its problems listed, or
// imports whole and comes back the same through export and import.
TEST(FareCsvCorpus, EveryTableImportsWithProblemsOrRoundTrips) {
    const auto inputs = corpusInputs(QStringLiteral(FARE_CSV_CORPUS_DIR));
    ASSERT_GE(inputs.size(), 3u);
    int whole = 0;
    for (const auto& [name, input] : inputs) {
        const csv_text::Decoded decoded = csv_text::decode(input);
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
