#include "sound/mdlM_Tape.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "formats/Options.h"
#include "fares/RouteFiles.h"
#include "sibling/Sibling.h"
#include "sound/SoundSink.h"
#include "sound/TapeControls.h"

namespace {

const QString Available = u"音合使用可"_qs;
const QString Unavailable = u"音合使用不可"_qs;
const QString DialogTitle = u"音声の調節"_qs;

// The readings next to the broadcast files; none when there is no such file
// or it cannot be read. Rows with a problem are left out, with nowhere to
// report them.
std::vector<readings_file::Reading> readReadings(const QString& folder) {
    // Far more than the names of any network.
    constexpr qint64 MaxBytes = 16 * 1024 * 1024;
    QFile file(route_files::readingsFile(folder));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxBytes) return {};
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes || file.error() != QFileDevice::NoError) return {};
    return readings_file::parse(bytes).readings;
}

}  // namespace

mdlM_Tape::mdlM_Tape(const Options& options, SoundSink& sound, TapeControls& controls, EngineFactory createEngine,
                     OsInfo osInfo)
    : options_(options),
      sound_(sound),
      controls_(controls),
      createEngine_(std::move(createEngine)),
      osInfo_(osInfo ? std::move(osInfo) : OsInfo(&Sibling::GetOsInfo)) {}

mdlM_Tape::~mdlM_Tape() = default;

bool mdlM_Tape::onUnsupportedOs() const { return osInfo_() == u"Windows Vista"_qs; }

void mdlM_Tape::TapeInitEngine() {
    engine_.reset();
    if (!onUnsupportedOs() && createEngine_) engine_ = createEngine_();
    engineAvailable_ = engine_ != nullptr;
    if (engine_) engine_->setReadings(readings_);
    prepareEngine();
    controls_.setTapeGroupCaption(engineAvailable_ ? Available : Unavailable);
    controls_.setTapeGroupEnabled(engineAvailable_);
}

void mdlM_Tape::TapeLoad(const QString& folder, const QString& route) {
    if (onUnsupportedOs()) return;
    const auto contents = broadcast_file::read(route_files::broadcastFile(folder, route));
    // The previous route's readings go in any case.
    readings_ = contents ? readReadings(folder) : std::vector<readings_file::Reading>();
    if (engine_) engine_->setReadings(readings_);
    rows_ = contents ? std::move(contents->rows) : std::vector<broadcast_file::TapeRow>();
    position_ = 0;
    prepareEngine();
    if (!contents) {
        controls_.setTapeGroupEnabled(false);
        return;
    }
    if (engineAvailable_) {
        controls_.setTapeGroupEnabled(true);
        controls_.setTapeButtonsEnabled(true);
    }
}

// The route's lines are known once it is loaded: an engine that renders
// ahead has them ready by the time they are asked for.
void mdlM_Tape::prepareEngine() {
    if (!engine_) return;
    QStringList texts;
    for (const broadcast_file::TapeRow& r : rows_)
        if (!r.Text.isEmpty()) texts << r.Text;
    engine_->prepare(texts);
}

const broadcast_file::TapeRow* mdlM_Tape::row(qint32 position) const {
    if (position < 1 || position > TapeCount()) return nullptr;
    return &rows_[size_t(position - 1)];
}

qint16 mdlM_Tape::TapeStepFlag(qint32 position) const {
    const auto* r = row(position);
    return r ? r->StepFlag : 0;
}

QString mdlM_Tape::TapeText(qint32 position) const {
    const auto* r = row(position);
    return r ? r->Text : QString();
}

qint16 mdlM_Tape::TapeChimeFlag(qint32 position) const {
    const auto* r = row(position);
    return r ? r->ChimeFlag : 0;
}

QString mdlM_Tape::chimeByFlag(qint16 flag) const {
    switch (flag) {
    case 1:
        return options_.TapeSound1();
    case 2:
        return options_.TapeSound2();
    case 3:
        return options_.TapeSound3();
    default:
        return {};
    }
}

void mdlM_Tape::TapeNext() {
    ++position_;
    if (TapeCount() < position_) {
        position_ = TapeCount();
        return;
    }
    const qint16 flag = TapeChimeFlag(position_);
    const bool always = options_.TapeSoundAlways() != 0;
    if (always || (flag >= 1 && flag <= 3))
        sound_.SndPlay(always ? options_.TapeSound() : chimeByFlag(flag), u"S3"_qs, options_.TapeSoundSync(), 0);
    TapeSpeak(position_);
}

void mdlM_Tape::TapeBack() {
    --position_;
    if (position_ < 1) {
        position_ = 1;
        return;
    }
    const qint16 flag = TapeChimeFlag(position_);
    if (flag >= 1 && flag <= 3) sound_.SndPlay(chimeByFlag(flag), u"S2"_qs, options_.TapeSoundSync(), 0);
    TapeSpeak(position_);
}

void mdlM_Tape::TapeSpeak(qint32 position) {
    if (!engine_) return;
    engine_->stop();
    const auto* r = row(position);
    engine_->speak(r ? r->Text : QString());
    // An engine that failed to take the text is reset for the next one.
    if (engine_->state() == TextToSpeech::Failed) engine_->stop();
}

void mdlM_Tape::TapeStop() {
    if (engine_) engine_->stop();
}

void mdlM_Tape::TapeVoiceDialog(QWidget* owner) {
    if (engine_) engine_->showVoiceDialog(owner, DialogTitle);
}

void mdlM_Tape::TapeReleaseEngine() { engine_.reset(); }

bool mdlM_Tape::FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.contains(u'*') || name.contains(u'?')) {
        // QDir::Files without QDir::Hidden and QDir::System lists ordinary files only.
        return !QDir(info.path()).entryList({name}, QDir::Files).isEmpty();
    }
    return info.isFile() && !info.isHidden();
}
