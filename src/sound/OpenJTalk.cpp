#include "sound/OpenJTalk.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtEndian>

namespace open_jtalk {
namespace {

const QString DebianDictionary = QStringLiteral("/var/lib/mecab/dic/open-jtalk/naist-jdic");
const QString DebianVoice =
    QStringLiteral("/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice");

// The samples of a 16-bit PCM WAV file, the first channel of several.
Rendered readWav(const QByteArray& wav) {
    Rendered r;
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") {
        r.error = QStringLiteral("its output is no WAV file");
        return r;
    }
    int channels = 0, bits = 0;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        const qsizetype body = at + 8, available = std::min<qsizetype>(size, wav.size() - body);
        if (id == "fmt " && available >= 16) {
            const char* f = wav.constData() + body;
            channels = qFromLittleEndian<quint16>(f + 2);
            r.rate = int(qFromLittleEndian<quint32>(f + 4));
            bits = qFromLittleEndian<quint16>(f + 14);
            if (qFromLittleEndian<quint16>(f) != 1 || bits != 16 || channels < 1) {
                r.error = QStringLiteral("its output is no 16-bit PCM");
                return r;
            }
        } else if (id == "data" && channels > 0) {
            const qsizetype frames = available / (2 * channels);
            r.mono.resize(size_t(frames));
            for (qsizetype i = 0; i < frames; ++i)
                r.mono[size_t(i)] = qFromLittleEndian<qint16>(wav.constData() + body + i * 2 * channels);
            return r;
        }
        at = body + size + (size & 1);
    }
    r.error = QStringLiteral("its output holds no sound");
    return r;
}

QString number(double value) { return QString::number(value, 'f', 2); }

}  // namespace

Installation installed() {
    Installation i;
    i.program = QStandardPaths::findExecutable(QStringLiteral("open_jtalk"));
    if (QFileInfo::exists(DebianDictionary + QStringLiteral("/sys.dic"))) i.dictionary = DebianDictionary;
    if (QFileInfo(DebianVoice).isFile()) i.defaultVoice = DebianVoice;
    return i;
}

QString voiceFile(const Installation& installation, const JTalkSettings& settings) {
    return settings.voiceFile.isEmpty() ? installation.defaultVoice : settings.voiceFile;
}

bool usable(const Installation& installation, const JTalkSettings& settings) {
    const QFileInfo program(installation.program);
    return program.isFile() && program.isExecutable() &&
           QFileInfo::exists(installation.dictionary + QStringLiteral("/sys.dic")) &&
           QFileInfo(voiceFile(installation, settings)).isFile();
}

QStringList arguments(const Installation& installation, const JTalkSettings& settings, const QString& wavFile) {
    QStringList args{QStringLiteral("-x"), installation.dictionary, QStringLiteral("-m"),
                     voiceFile(installation, settings), QStringLiteral("-ow"), wavFile,
                     QStringLiteral("-r"), number(settings.speed), QStringLiteral("-fm"), number(settings.halfTones),
                     QStringLiteral("-g"), number(settings.volumeDb)};
    if (settings.allPass >= 0) args << QStringLiteral("-a") << number(settings.allPass);
    return args;
}

Rendered render(const Installation& installation, const JTalkSettings& settings, const QString& text, int timeoutMs) {
    Rendered failed;
    const auto fail = [&](const QString& why) {
        failed.error = QStringLiteral("open_jtalk: %1").arg(why);
        return failed;
    };
    QTemporaryFile wav(QDir::tempPath() + QStringLiteral("/fareboard-speech-XXXXXX.wav"));
    if (!wav.open()) return fail(QStringLiteral("no temporary file: %1").arg(wav.errorString()));
    wav.close();

    const QDeadlineTimer deadline(timeoutMs);
    QProcess process;
    process.setProgram(installation.program);
    process.setArguments(arguments(installation, settings, wav.fileName()));
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(int(deadline.remainingTime()))) return fail(process.errorString());
    // One sentence a line is what it reads; a line break would start another.
    QString line = text;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    process.write(line.toUtf8() + '\n');
    process.closeWriteChannel();
    if (!process.waitForFinished(int(deadline.remainingTime()))) {
        process.kill();
        process.waitForFinished(1000);
        return fail(QStringLiteral("no answer within %1 s").arg(timeoutMs / 1000.0));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return fail(QStringLiteral("ended with status %1: %2")
                        .arg(process.exitCode())
                        .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed().right(200)));
    QFile output(wav.fileName());
    if (!output.open(QIODevice::ReadOnly)) return fail(output.errorString());
    Rendered rendered = readWav(output.readAll());
    if (!rendered.error.isEmpty()) return fail(rendered.error);
    return rendered;
}

}  // namespace open_jtalk
