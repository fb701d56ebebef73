#include "sound/NumberReading.h"

#include <QList>

#include <array>
#include <optional>

namespace number_reading {

namespace {

// The last word of a number decides how a counter after it sounds.
enum class Unit { Digit, Ten, Hundred, Thousand, Large };

struct Part {
    QString kana;
    Unit unit = Unit::Digit;
    int digit = 0;  // for Unit::Digit
};

const std::array<const char16_t*, 10> DigitKana = {u"ゼロ", u"イチ", u"ニ",  u"サン", u"ヨン",
                                                   u"ゴ",   u"ロク", u"ナナ", u"ハチ", u"キュウ"};

void addGroup(QList<Part>& parts, int n) {
    const int thousands = n / 1000, hundreds = n / 100 % 10, tens = n / 10 % 10, ones = n % 10;
    auto digit = [](int d) { return QString::fromUtf16(DigitKana[d]); };
    // The leading digit of 千 and 百 changes with them: 3000 サンゼン, 800 ハッピャク.
    if (thousands == 1) parts << Part{u"セン"_qs, Unit::Thousand};
    else if (thousands == 3) parts << Part{u"サン"_qs} << Part{u"ゼン"_qs, Unit::Thousand};
    else if (thousands == 8) parts << Part{u"ハッ"_qs} << Part{u"セン"_qs, Unit::Thousand};
    else if (thousands) parts << Part{digit(thousands)} << Part{u"セン"_qs, Unit::Thousand};

    if (hundreds == 1) parts << Part{u"ヒャク"_qs, Unit::Hundred};
    else if (hundreds == 3) parts << Part{u"サン"_qs} << Part{u"ビャク"_qs, Unit::Hundred};
    else if (hundreds == 6) parts << Part{u"ロッ"_qs} << Part{u"ピャク"_qs, Unit::Hundred};
    else if (hundreds == 8) parts << Part{u"ハッ"_qs} << Part{u"ピャク"_qs, Unit::Hundred};
    else if (hundreds) parts << Part{digit(hundreds)} << Part{u"ヒャク"_qs, Unit::Hundred};

    if (tens > 1) parts << Part{digit(tens)};
    if (tens) parts << Part{u"ジュウ"_qs, Unit::Ten};
    if (ones) parts << Part{digit(ones), Unit::Digit, ones};
}

// Up to 9999兆; nothing when the number must be read digit by digit.
std::optional<QList<Part>> partsOf(QStringView number) {
    if (number.isEmpty() || number.size() > 16 || (number.size() > 1 && number.front() == u'0'))
        return std::nullopt;
    const qint64 value = number.toLongLong();
    if (value == 0) return QList<Part>{Part{u"ゼロ"_qs, Unit::Digit, 0}};

    static const char16_t* const LargeUnits[] = {u"チョウ", u"オク", u"マン"};
    QList<Part> parts;
    qint64 scale = 1'000'000'000'000;
    for (const char16_t* unit : LargeUnits) {
        const int group = int(value / scale % 10000);
        if (group) {
            addGroup(parts, group);
            // 一兆, 八兆 and 十兆 close up before the チ.
            if (unit[0] == u'チ' && parts.last().unit == Unit::Digit && (group % 10 == 1 || group % 10 == 8))
                parts.last().kana = parts.last().digit == 1 ? u"イッ"_qs : u"ハッ"_qs;
            else if (unit[0] == u'チ' && parts.last().unit == Unit::Ten)
                parts.last().kana = u"ジュッ"_qs;
            parts << Part{QString::fromUtf16(unit), Unit::Large};
        }
        scale /= 10000;
    }
    if (value % 10000) addGroup(parts, int(value % 10000));
    return parts;
}

QString join(const QList<Part>& parts) {
    QString text;
    for (const Part& part : parts) text += part.kana;
    return text;
}

QString oneByOne(QStringView number) {
    QString text;
    for (QChar c : number) text += QString::fromUtf16(DigitKana[c.digitValue()]);
    return text;
}

// The small-tsu form of the last word (イチ イッ, ロク ロッ, ジュウ ジュッ,
// ヒャク ヒャッ), when it has one among `digits` (and ten and hundred when
// `tensAndHundreds`).
bool closeUp(Part& last, std::initializer_list<int> digits, bool tenAndHundred) {
    if (last.unit == Unit::Digit && std::find(digits.begin(), digits.end(), last.digit) != digits.end()) {
        last.kana = last.digit == 1 ? u"イッ"_qs : last.digit == 6 ? u"ロッ"_qs : u"ハッ"_qs;
        return true;
    }
    if (!tenAndHundred) return false;
    if (last.unit == Unit::Ten) {
        last.kana = u"ジュッ"_qs;
        return true;
    }
    if (last.unit == Unit::Hundred) {
        last.kana.chop(1);
        last.kana += u'ッ';
        return true;
    }
    return false;
}

// ハ行 to バ行 (+1) or パ行 (+2).
QString voiced(const QString& reading, int step) {
    QString changed = reading;
    changed[0] = QChar(changed[0].unicode() + step);
    return changed;
}

enum class Kind {
    Plain,
    K,        // カ行 and パ行 counters: 1, 6, 8, 10, 100 close up
    ST,       // サ行 and タ行 counters: 1, 8, 10 close up
    HBumpB,   // 本: closed-up ones take パ, 3, 千 and 万 take バ
    HBumpP,   // 分: closed-up ones and 3, 4, 千, 万 take パ
};

struct Counter {
    const char16_t* surface;
    const char16_t* reading;
    Kind kind = Kind::Plain;
    const char16_t* four = nullptr;   // instead of ヨン
    const char16_t* seven = nullptr;  // instead of ナナ
    const char16_t* nine = nullptr;   // instead of キュウ
    const char16_t* afterThree = nullptr;  // the counter's reading after サン
    const char16_t* const* whole = nullptr;  // readings of 1, 2, ... as a whole
    int wholeCount = 0;
};

const char16_t* const People[] = {u"ヒトリ", u"フタリ"};
const char16_t* const Things[] = {u"ヒトツ", u"フタツ", u"ミッツ", u"ヨッツ", u"イツツ",
                                  u"ムッツ", u"ナナツ", u"ヤッツ", u"ココノツ", u"トオ"};
const char16_t* const Days[] = {u"イチニチ", u"フツカ", u"ミッカ", u"ヨッカ", u"イツカ",
                                u"ムイカ", u"ナノカ", u"ヨウカ", u"ココノカ", u"トオカ"};

const Counter Counters[] = {
    {u"番線", u"バンセン"},
    {u"番地", u"バンチ"},
    {u"番目", u"バンメ"},
    {u"番", u"バン"},
    {u"号車", u"ゴウシャ"},
    {u"号線", u"ゴウセン"},
    {u"号", u"ゴウ"},
    {u"系統", u"ケイトウ", Kind::K},
    {u"円玉", u"エンダマ", Kind::Plain, u"ヨ"},
    {u"円", u"エン", Kind::Plain, u"ヨ"},
    {u"分間", u"フンカン", Kind::HBumpP},
    {u"分", u"フン", Kind::HBumpP},
    {u"秒", u"ビョウ"},
    {u"時間", u"ジカン", Kind::Plain, u"ヨ", nullptr, u"ク"},
    {u"時", u"ジ", Kind::Plain, u"ヨ", u"シチ", u"ク"},
    {u"人", u"ニン", Kind::Plain, u"ヨ", nullptr, nullptr, nullptr, People, 2},
    {u"名", u"メイ"},
    {u"丁目", u"チョウメ", Kind::ST},
    {u"回", u"カイ", Kind::K},
    {u"階", u"カイ", Kind::K, nullptr, nullptr, nullptr, u"ガイ"},
    {u"個", u"コ", Kind::K},
    {u"ヶ月", u"カゲツ", Kind::K},
    {u"か月", u"カゲツ", Kind::K},
    {u"カ月", u"カゲツ", Kind::K},
    {u"ヶ所", u"カショ", Kind::K},
    {u"か所", u"カショ", Kind::K},
    {u"カ所", u"カショ", Kind::K},
    {u"箇所", u"カショ", Kind::K},
    {u"区間", u"クカン", Kind::K},
    {u"歳", u"サイ", Kind::ST},
    {u"才", u"サイ", Kind::ST},
    {u"停", u"テイ", Kind::ST},
    {u"台", u"ダイ"},
    {u"枚", u"マイ"},
    {u"本", u"ホン", Kind::HBumpB},
    {u"両", u"リョウ"},
    {u"年", u"ネン", Kind::Plain, u"ヨ"},
    {u"月", u"ガツ", Kind::Plain, u"シ", u"シチ", u"ク"},
    {u"日", u"ニチ", Kind::Plain, nullptr, nullptr, nullptr, nullptr, Days, 10},
    {u"つ", u"", Kind::Plain, nullptr, nullptr, nullptr, nullptr, Things, 10},
    {u"度", u"ド"},
    {u"便", u"ビン"},
    {u"km", u"キロメートル"},
    {u"kg", u"キログラム"},
    {u"m", u"メートル"},
    {u"%", u"パーセント", Kind::K},
};

const Counter* find(QStringView surface) {
    for (const Counter& counter : Counters)
        if (surface == QStringView(counter.surface)) return &counter;
    return nullptr;
}

}  // namespace

QString digits(QStringView number) {
    const auto parts = partsOf(number);
    return parts ? join(*parts) : oneByOne(number);
}

int counterLength(QStringView after) {
    int longest = 0;
    for (const Counter& counter : Counters) {
        const QStringView surface(counter.surface);
        if (surface.size() > longest && after.startsWith(surface)) longest = int(surface.size());
    }
    return longest;
}

QString withCounter(QStringView number, QStringView surface) {
    const Counter* counter = find(surface);
    auto parts = partsOf(number);
    if (!counter || !parts) return digits(number) + surface.toString();

    const qint64 value = number.toLongLong();
    if (value >= 1 && value <= counter->wholeCount) return QString::fromUtf16(counter->whole[value - 1]);
    if (value == 14 && counter->whole == Days) return u"ジュウヨッカ"_qs;
    if (value == 20 && counter->whole == Days) return u"ハツカ"_qs;
    if (value == 24 && counter->whole == Days) return u"ニジュウヨッカ"_qs;

    Part& last = parts->last();
    QString reading = QString::fromUtf16(counter->reading);
    if (last.unit == Unit::Digit) {
        if (last.digit == 4 && counter->four) last.kana = QString::fromUtf16(counter->four);
        if (last.digit == 7 && counter->seven) last.kana = QString::fromUtf16(counter->seven);
        if (last.digit == 9 && counter->nine) last.kana = QString::fromUtf16(counter->nine);
        if (last.digit == 3 && counter->afterThree) reading = QString::fromUtf16(counter->afterThree);
    }
    const bool three = last.unit == Unit::Digit && last.digit == 3;
    const bool thousandOrMore = last.unit == Unit::Thousand || last.kana == u"マン"_qs;
    switch (counter->kind) {
    case Kind::Plain:
        break;
    case Kind::K:
        closeUp(last, {1, 6, 8}, true);
        break;
    case Kind::ST:
        closeUp(last, {1, 8}, true);
        break;
    case Kind::HBumpB:
        if (closeUp(last, {1, 6, 8}, true)) reading = voiced(reading, 2);
        else if (three || thousandOrMore) reading = voiced(reading, 1);
        break;
    case Kind::HBumpP:
        if (closeUp(last, {1, 6, 8}, true) || three || thousandOrMore || (last.unit == Unit::Digit && last.digit == 4))
            reading = voiced(reading, 2);
        break;
    }
    return join(*parts) + reading;
}

QString counterReading(QStringView surface) {
    const Counter* counter = find(surface);
    return counter ? QString::fromUtf16(counter->reading) : surface.toString();
}

QString decimal(QStringView whole, QStringView fraction) {
    auto parts = partsOf(whole);
    if (!parts) return oneByOne(whole) + u"テン"_qs + oneByOne(fraction);
    closeUp(parts->last(), {1, 8}, true);  // イッテン, ハッテン, ジュッテン
    return join(*parts) + u"テン"_qs + oneByOne(fraction);
}

}  // namespace number_reading
