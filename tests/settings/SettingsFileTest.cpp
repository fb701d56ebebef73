#include <gtest/gtest.h>

#include "CorpusInputs.h"
#include "RuntimeError.h"
#include "SettingsFile.h"

namespace {

struct Parsed {
    Options optionInfo;
    CtrlDataInfo panel;
    FormInfo form;
    DegitSettings formats{};
    SettingsRecords records() { return {optionInfo, panel, form, optionInfo.custColors, formats}; }
};

// The fuzzers' seed inputs: each is read whole, and then written back to the
// same bytes (the display-format count is always written as eight), or
// refused as damaged.
TEST(SettingsFileCorpus, EveryInputIsReadWholeAndWrittenBackOrRefused) {
    const auto inputs = corpusInputs(QStringLiteral(SETTINGS_CORPUS_DIR));
    ASSERT_GE(inputs.size(), 3u);
    int whole = 0;
    for (const auto& [name, input] : inputs) {
        Parsed parsed;
        const int error = settings_file::parse(input, parsed.records());
        if (error != 0) {
            EXPECT_EQ(error, runtime_error::InputPastEndOfFile) << name.toStdString();
            continue;
        }
        ++whole;
        QByteArray expected = input;
        const qsizetype countAt = input.size() - 8 * 6 - 2;
        expected[countAt] = 8;
        expected[countAt + 1] = 0;
        EXPECT_EQ(settings_file::compose(parsed.records()).toHex(' '), expected.toHex(' ')) << name.toStdString();
    }
    EXPECT_GE(whole, 2);
}

}  // namespace
