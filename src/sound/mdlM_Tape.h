#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

#include "formats/BroadcastFile.h"
#include "formats/ReadingsFile.h"
#include "sound/TextToSpeech.h"

class Options;
class QWidget;
class SoundSink;
class TapeControls;

// The announcement player: the route's broadcast data as a list of texts,
// stepped through with a chime before each and the text spoken.
// Created once by the program; everything runs on the window thread.
class mdlM_Tape {
public:
    using EngineFactory = std::function<std::unique_ptr<TextToSpeech>()>;
    using OsInfo = std::function<QString()>;

    // `options` are read at the moment of use. `createEngine` answers nothing
    // when no engine can be made. `osInfo` names the system; by default the
    // sibling library's GetOsInfo.
    mdlM_Tape(const Options& options, SoundSink& sound, TapeControls& controls, EngineFactory createEngine,
              OsInfo osInfo = {});
    ~mdlM_Tape();

    void TapeInitEngine();
    // `route`: the route number; its numeric value names the file.
    void TapeLoad(const QString& folder, const QString& route);
    void TapeNext();
    void TapeBack();
    void TapeStop();
    void TapeVoiceDialog(QWidget* owner);
    void TapeSpeak(qint32 position);
    qint32 TapePosition() const { return position_; }
    qint32 TapeCount() const { return qint32(rows_.size()); }
    qint16 TapeStepFlag(qint32 position) const;
    qint16 TapeChimeFlag(qint32 position) const;
    QString TapeText(qint32 position) const;
    void TapeReleaseEngine();

    // Whether announcements are possible, for the panel's display-off box.
    bool engineAvailable() const { return engineAvailable_; }

    // An ordinary file (no folder, no hidden file) is found at `path`, which
    // may end in a pattern with * and ?.
    static bool FileExists(const QString& path);

private:
    bool onUnsupportedOs() const;
    void prepareEngine();
    const broadcast_file::TapeRow* row(qint32 position) const;
    QString chimeByFlag(qint16 flag) const;

    const Options& options_;
    SoundSink& sound_;
    TapeControls& controls_;
    EngineFactory createEngine_;
    OsInfo osInfo_;

    std::vector<broadcast_file::TapeRow> rows_;
    // The loaded route's, kept for an engine made after the load.
    std::vector<readings_file::Reading> readings_;
    qint32 position_ = 0;
    bool engineAvailable_ = false;
    std::unique_ptr<TextToSpeech> engine_;
};
