#include "sound/JapaneseVoice.h"

#include <QRegularExpression>

#include <espeak-ng/speak_lib.h>

#include <optional>

namespace japanese_voice {

namespace {

struct Session {
    bool started = false;
    int rate = 0;
    QStringList variants;
    std::optional<VoiceSettings> applied;
};

// The PCM goes to the vector that the synthesis named as its user data.
int collect(short* samples, int count, espeak_EVENT* events) {
    auto* pcm = events ? static_cast<std::vector<std::int16_t>*>(events->user_data) : nullptr;
    if (pcm && samples && count > 0) pcm->insert(pcm->end(), samples, samples + count);
    return 0;
}

Session start() {
    Session s;
    s.rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (s.rate <= 0) return s;
    espeak_SetSynthCallback(collect);
    if (espeak_SetVoiceByName("ja") != EE_OK) return s;
    espeak_VOICE kind{};
    kind.languages = "variant";
    for (const espeak_VOICE** voice = espeak_ListVoices(&kind); voice && *voice; ++voice) {
        const QString id = QString::fromUtf8((*voice)->identifier);
        s.variants.append(id.mid(id.lastIndexOf(u'/') + 1));
    }
    // Phoneme input in [[ ]] is switched by the last synthesis, and the
    // phoneme query follows that switch: one silent synthesis turns it on.
    espeak_Synth("", 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8 | espeakPHONEMES, nullptr, nullptr);
    s.started = true;
    return s;
}

// The voice reads リャ, リュ and リョ alike as リャ followed by the vowel
// (リョ as "rya-o"); those three are handed over as its phonemes.
QByteArray forVoice(const QString& kana) {
    static const QRegularExpression Ryo(u"リ([ャュョ])(ー?)"_qs);
    QString text = kana;
    QRegularExpressionMatch match;
    qsizetype from = 0;
    while ((match = Ryo.match(text, from)).hasMatch()) {
        const QChar small = match.captured(1)[0];
        const QString phonemes = u"[[r`_j"_qs + (small == u'ャ' ? u'a' : small == u'ュ' ? u'u' : u'o') +
                                 (match.captured(2).isEmpty() ? u""_qs : u":"_qs) + u"]]"_qs;
        text.replace(match.capturedStart(), match.capturedLength(), phonemes);
        from = match.capturedStart() + phonemes.size();
    }
    return text.toUtf8();
}

Session& session() {
    static Session s = start();
    return s;
}

bool apply(const VoiceSettings& settings) {
    Session& s = session();
    if (!s.started) return false;
    if (s.applied == settings) return true;
    const QByteArray name = settings.variant.isEmpty() || !s.variants.contains(settings.variant)
                                ? QByteArray("ja")
                                : "ja+" + settings.variant.toUtf8();
    // Choosing a voice resets the parameters, so they follow it.
    if (espeak_SetVoiceByName(name.constData()) != EE_OK && espeak_SetVoiceByName("ja") != EE_OK) return false;
    espeak_SetParameter(espeakRATE, settings.rate, 0);
    espeak_SetParameter(espeakPITCH, settings.pitch, 0);
    espeak_SetParameter(espeakVOLUME, settings.volume, 0);
    s.applied = settings;
    return true;
}

}  // namespace

bool available() { return session().started; }

int sampleRate() { return session().rate; }

QStringList variants() { return session().variants; }

std::vector<std::int16_t> synthesize(const QString& kana, const VoiceSettings& settings) {
    std::vector<std::int16_t> pcm;
    if (kana.isEmpty() || !apply(settings)) return pcm;
    const QByteArray text = forVoice(kana);
    espeak_Synth(text.constData(), size_t(text.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8 | espeakPHONEMES,
                 nullptr, &pcm);
    return pcm;
}

QString phonemes(const QString& kana, const VoiceSettings& settings) {
    QStringList clauses;
    if (!apply(settings)) return {};
    const QByteArray text = forVoice(kana);
    const void* next = text.constData();
    while (next) {
        const char* clause = espeak_TextToPhonemes(&next, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (clause && *clause) clauses.append(QString::fromUtf8(clause));
    }
    return clauses.join(u' ');
}

}  // namespace japanese_voice
