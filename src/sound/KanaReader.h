#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "formats/ReadingsFile.h"
#include "sound/NameReadings.h"

namespace MeCab {
class Model;
class Tagger;
class Lattice;
}  // namespace MeCab

// Turns an announcement text into what the Japanese voice can read: the
// pronunciation of every word in katakana, words separated by blanks, and
// 、 。 ? where the voice should pause. The voice reads kana only; a kanji, a
// Latin letter or a digit would make it switch to another language.
class KanaReader {
public:
    // Both dictionaries are required; nothing when either does not load.
    static std::unique_ptr<KanaReader> open(const QString& systemDictionary, const QString& userDictionary);
    ~KanaReader();
    KanaReader(const KanaReader&) = delete;
    KanaReader& operator=(const KanaReader&) = delete;

    QString read(const QString& text);

    // How names are read from now on, whatever the dictionaries would say;
    // replaces the previous set. Where names overlap in a text, the longer wins.
    void setReadings(const std::vector<readings_file::Reading>& readings);

private:
    struct Token;
    KanaReader() = default;
    std::vector<Token> tokenize(const QString& text, const std::vector<NameReadings::Span>& names = {});
    QString readUnknown(const QString& surface);

    std::unique_ptr<MeCab::Model> model_;
    std::unique_ptr<MeCab::Tagger> tagger_;
    std::unique_ptr<MeCab::Lattice> lattice_;
    NameReadings names_;
};
