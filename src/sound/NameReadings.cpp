#include "sound/NameReadings.h"

#include <algorithm>

void NameReadings::set(const std::vector<readings_file::Reading>& readings) {
    names_.clear();
    for (const readings_file::Reading& reading : readings) {
        const QString name = reading.name.normalized(QString::NormalizationForm_KC).trimmed();
        // Nothing longer than a name could be: MeCab compares features in
        // buffers of 8 KB and counts a word's bytes in 16 bits.
        constexpr qsizetype MaxLength = 256;
        if (name.isEmpty() || name.size() > MaxLength || reading.kana.size() > MaxLength ||
            !readings_file::isReading(reading.kana))
            continue;
        std::vector<Name>& sameStart = names_[name.front()];
        if (std::any_of(sameStart.begin(), sameStart.end(), [&](const Name& n) { return n.text == name; })) continue;
        // The dot between the parts of a name is not spoken.
        QString katakana = reading.kana;
        katakana.remove(u'・');
        for (QChar& c : katakana)
            if (c >= u'ぁ' && c <= u'ゖ') c = QChar(c.unicode() + (u'ァ' - u'ぁ'));
        sameStart.push_back({name, katakana});
    }
    for (std::vector<Name>& sameStart : names_)
        std::stable_sort(sameStart.begin(), sameStart.end(),
                         [](const Name& a, const Name& b) { return a.text.size() > b.text.size(); });
}

std::vector<NameReadings::Span> NameReadings::find(const QString& text) const {
    std::vector<Span> found;
    if (names_.isEmpty()) return found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto sameStart = names_.constFind(text[i]);
        if (sameStart == names_.cend()) continue;
        for (const Name& name : *sameStart) {
            const qsizetype end = i + name.text.size();
            // Not half a character (a name ending in the first half of a pair).
            if (QStringView(text).sliced(i).startsWith(name.text) && !(end < text.size() && text[end].isLowSurrogate()))
                found.push_back({i, end, &name.kana});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Span& a, const Span& b) { return a.end - a.begin > b.end - b.begin; });
    std::vector<bool> taken(size_t(text.size()));
    std::vector<Span> spans;
    for (const Span& span : found) {
        const auto from = taken.begin() + span.begin, to = taken.begin() + span.end;
        if (std::find(from, to, true) != to) continue;
        std::fill(from, to, true);
        spans.push_back(span);
    }
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
    return spans;
}

QString NameReadings::spelledOut(const QString& text) const {
    QString out;
    qsizetype at = 0;
    for (const Span& span : find(text)) {
        out += QStringView(text).sliced(at, span.begin - at);
        out += *span.kana;
        at = span.end;
    }
    out += QStringView(text).sliced(at);
    return out;
}
