#include "sound/KanaReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <mecab.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "sound/NumberReading.h"

struct KanaReader::Token {
    QString surface;
    QString partOfSpeech;  // the first feature
    QString subclass;      // the second
    QString pronunciation; // empty when the dictionary has none
};

namespace {

bool isAsciiDigits(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

bool isKatakana(QChar c) { return c >= u'ァ' && c <= u'ヺ'; }
bool isHiragana(QChar c) { return c >= u'ぁ' && c <= u'ゖ'; }
// What MeCab skips before a word (the dictionary's blanks).
// A place name read as given. The base form is left open so that the
// dictionary's own word or its class of unknown place names can stand there: a
// word MeCab makes of the constraint alone meets its neighbours as a sentence
// boundary would, and と after it turns into a filler, 行 into くだり.
QByteArray placeName(const QString& katakana) {
    return (u"名詞,固有名詞,地域,一般,*,*,*,"_qs + katakana + u',' + katakana).toUtf8();
}

bool isMecabBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v'; }
bool isLatin(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

QString spellLatin(QChar c) {
    static const char16_t* const Names[] = {
        u"エー", u"ビー", u"シー", u"ディー", u"イー", u"エフ", u"ジー", u"エイチ", u"アイ",
        u"ジェー", u"ケー", u"エル", u"エム", u"エヌ", u"オー", u"ピー", u"キュー", u"アール",
        u"エス", u"ティー", u"ユー", u"ブイ", u"ダブリュー", u"エックス", u"ワイ", u"ゼット"};
    return QString::fromUtf16(Names[c.toUpper().unicode() - u'A']);
}

// What a punctuation mark becomes: a pause the voice makes ("、", "。", "?"),
// a plain word break (" "), or nothing.
QString punctuation(QChar c) {
    switch (c.unicode()) {
    case u'、': case u',': case u';': case u':':
        return u"、"_qs;
    case u'。': case u'.': case u'!':
        return u"。"_qs;
    case u'?':
        return u"?"_qs;
    default:
        return c.isPrint() ? u" "_qs : QString();
    }
}

// Kana the voice reads as written. ヶ and ヵ, written small in names and
// counters, are read as full-size カ; ヷ..ヺ become ヴ and a small vowel; ヲ
// sounds as オ.
QString plainKatakana(QChar c) {
    if (isHiragana(c)) c = QChar(c.unicode() + (u'ァ' - u'ぁ'));
    switch (c.unicode()) {
    case u'ヵ': case u'ヶ':
        return u"カ"_qs;
    case u'ヲ':
        return u"オ"_qs;
    case u'ヷ':
        return u"ヴァ"_qs;
    case u'ヸ':
        return u"ヴィ"_qs;
    case u'ヹ':
        return u"ヴェ"_qs;
    case u'ヺ':
        return u"ヴォ"_qs;
    default:
        return isKatakana(c) ? QString(c) : QString();
    }
}

// Particles, endings and suffixes are said with the word before them.
bool attaches(const QString& partOfSpeech, const QString& subclass) {
    return partOfSpeech == u"助詞"_qs || partOfSpeech == u"助動詞"_qs ||
           (partOfSpeech == u"名詞"_qs && (subclass == u"接尾"_qs || subclass == u"非自立"_qs)) ||
           (partOfSpeech == u"動詞"_qs && (subclass == u"非自立"_qs || subclass == u"接尾"_qs));
}

// Assembles the words. Only kana, blanks and the three pauses reach the
// voice; a long-vowel mark that would start a word is dropped, as the voice
// cannot read it there.
class Output {
public:
    void word(const QString& kana, bool attached) {
        if (!attached) breakWord();
        for (QChar c : kana) {
            if (c == u'ー') {
                if (!text_.isEmpty() && isKatakana(text_.back())) text_ += c;
            } else if (c == u' ') {
                breakWord();
            } else {
                text_ += plainKatakana(c);
            }
        }
    }
    void mark(const QString& mark) {
        if (mark == QLatin1String(" ")) {
            breakWord();
        } else if (!mark.isEmpty()) {
            if (text_.endsWith(u' ')) text_.chop(1);
            // One pause where a text stacks several marks.
            if (!text_.isEmpty() && !text_.back().isLetter()) text_.chop(1);
            if (!text_.isEmpty()) text_ += mark;
        }
    }
    QString text() const { return text_.trimmed(); }

private:
    void breakWord() {
        if (!text_.isEmpty() && !text_.endsWith(u' ')) text_ += u' ';
    }
    QString text_;
};

}  // namespace

std::unique_ptr<KanaReader> KanaReader::open(const QString& systemDictionary, const QString& userDictionary) {
    if (!QFile::exists(systemDictionary + u"/sys.dic"_qs) || !QFile::exists(userDictionary)) return nullptr;
    // Arguments one by one, so folders with blanks need no quoting. The
    // resource file is left empty: the dictionaries are named here, not by
    // whatever the system's configuration says.
    const QByteArray dicdir = QFile::encodeName(systemDictionary), userdic = QFile::encodeName(userDictionary);
    QByteArray args[] = {"mecab", "-r", "/dev/null", "-d", dicdir, "-u", userdic};
    std::vector<char*> argv;
    for (QByteArray& arg : args) argv.push_back(arg.data());
    std::unique_ptr<KanaReader> reader(new KanaReader);
    reader->model_.reset(MeCab::createModel(int(argv.size()), argv.data()));
    if (!reader->model_) return nullptr;
    reader->tagger_.reset(reader->model_->createTagger());
    reader->lattice_.reset(reader->model_->createLattice());
    if (!reader->tagger_ || !reader->lattice_) return nullptr;
    return reader;
}

KanaReader::~KanaReader() {
    // The lattice and tagger belong to the model's dictionaries.
    lattice_.reset();
    tagger_.reset();
}

void KanaReader::setReadings(const std::vector<readings_file::Reading>& readings) { names_.set(readings); }

// MeCab's own analysis, each name held to one word of its feature: the
// dictionaries still decide the rest of the text, in context.
std::vector<KanaReader::Token> KanaReader::tokenize(const QString& text, const std::vector<NameReadings::Span>& names) {
    std::vector<Token> tokens;
    const QByteArray utf8 = text.toUtf8();
    lattice_->set_sentence(utf8.constData());
    // Where each name's word starts, in bytes, and how it is read. A word
    // of the unknown class carries no pronunciation of its own.
    std::vector<std::pair<size_t, const QString*>> spoken;
    // MeCab keeps pointers to the features while it parses.
    std::deque<QByteArray> held;
    // MeCab reads up to the first NUL.
    const auto length = qsizetype(qstrlen(utf8.constData()));
    if (!names.empty()) {
        // MeCab counts in UTF-8 bytes.
        std::vector<size_t> byteAt(size_t(text.size()) + 1);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            byteAt[size_t(i) + 1] = byteAt[size_t(i)] + (c < 0x80 ? 1 : c < 0x800 || QChar::isSurrogate(c) ? 2 : 3);
        }
        qsizetype previousEnd = 0;
        for (const NameReadings::Span& name : names) {
            auto begin = qsizetype(byteAt[size_t(name.begin)]);
            const auto end = qsizetype(byteAt[size_t(name.end)]);
            if (end > length) break;
            spoken.push_back({size_t(begin), name.kana});
            // Blanks before a word are part of it for MeCab. A constraint
            // that began after them would end the program (MeCab dies when
            // no word can start where it looks for one).
            while (begin > previousEnd && isMecabBlank(utf8[begin - 1])) --begin;
            lattice_->set_feature_constraint(size_t(begin), size_t(end), held.emplace_back(placeName(*name.kana)).constData());
            previousEnd = end;
        }
    }
    if (!tagger_->parse(lattice_.get())) return tokens;
    for (const MeCab::Node* node = lattice_->bos_node(); node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE) continue;
        const QStringList features = QString::fromUtf8(node->feature).split(u',');
        Token token{QString::fromUtf8(node->surface, node->length), features.value(0), features.value(1), {}};
        // Known words carry reading and pronunciation as features 8 and 9.
        if (features.size() > 8 && features[8] != u"*") token.pronunciation = features[8];
        const size_t at = size_t(node->surface - lattice_->sentence());
        for (const auto& [begin, kana] : spoken)
            if (begin == at) token.pronunciation = *kana;
        tokens.push_back(std::move(token));
    }
    return tokens;
}

// A word the dictionaries do not know: kana as written, Latin letters
// spelled, each kanji by its own reading where it has one; anything else is
// left out rather than handed to the voice.
QString KanaReader::readUnknown(const QString& surface) {
    QString kana;
    for (QChar c : surface) {
        if (isKatakana(c) || isHiragana(c)) {
            // In a name the small ヶ is ガ (霞ヶ丘).
            kana += c == u'ヶ' ? u"ガ"_qs : QString(c);
        } else if (isLatin(c)) {
            kana += spellLatin(c);
        } else if (c.isDigit() && c.unicode() < 0x80) {
            kana += number_reading::digits(QString(c));
        } else if (c.script() == QChar::Script_Han) {
            const auto tokens = tokenize(QString(c));
            if (tokens.size() == 1) kana += tokens.front().pronunciation;
        }
    }
    return kana;
}

QString KanaReader::read(const QString& text) {
    QString normal = text.normalized(QString::NormalizationForm_KC);
    // Thousands separators would split a number into three.
    static const QRegularExpression Separator(u"(?<=\\d),(?=\\d{3}(?!\\d))"_qs);
    normal.remove(Separator);

    const std::vector<Token> tokens = tokenize(normal, names_.find(normal));
    Output out;
    bool afterPrefix = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        const bool attached = afterPrefix || attaches(token.partOfSpeech, token.subclass);
        afterPrefix = token.partOfSpeech == u"接頭詞"_qs;

        if (isAsciiDigits(token.surface)) {
            QString number;
            if (i + 2 < tokens.size() && tokens[i + 1].surface == u"."_qs && isAsciiDigits(tokens[i + 2].surface)) {
                number = number_reading::decimal(token.surface, tokens[i + 2].surface);
                i += 2;
            }
            // The longest run of following words that makes a counter.
            size_t counterEnd = i + 1;
            QString counter, joined;
            for (size_t j = i + 1; j < tokens.size() && j <= i + 3; ++j) {
                joined += tokens[j].surface;
                if (number_reading::counterLength(joined) == joined.size()) {
                    counter = joined;
                    counterEnd = j + 1;
                }
            }
            if (number.isEmpty()) {
                number = number_reading::withCounter(token.surface, counter);
            } else if (!counter.isEmpty()) {
                number += number_reading::counterReading(counter);
            }
            out.word(number, attached);
            i = counterEnd - 1;
            continue;
        }
        if (token.partOfSpeech == u"記号"_qs || (token.pronunciation.isEmpty() && token.surface.size() == 1 &&
                                              !token.surface[0].isLetterOrNumber())) {
            for (QChar c : token.surface) out.mark(punctuation(c));
            continue;
        }
        QString kana = token.pronunciation;
        // A pronunciation in anything but kana (a symbol's own form) is read
        // like an unknown word.
        if (kana.isEmpty() || std::any_of(kana.begin(), kana.end(), [](QChar c) {
                return !isKatakana(c) && !isHiragana(c) && c != u'ー';
            }))
            kana = readUnknown(token.surface);
        out.word(kana, attached);
    }
    return out.text();
}
