#pragma once
#include <QObject>
#include <QString>

class QSoundEffect;

namespace zt {

// The game's wave player (`soundControl`). The audio device is opened at the first sound,
// not when the game starts; a missing or unplayable file, or a machine without sound,
// stays silent (a missing file is named once on standard error).
class SoundPlayer : public QObject {
    Q_OBJECT
  public:
    // Plays files from `soundsFolder` (the Sounds folder beside the program).
    SoundPlayer(const QString& soundsFolder, QObject* parent);

    // Stops whatever is playing.
    void close();

    // Plays `fileName` from the sounds folder, once, without waiting for it to end.
    void play(const QString& fileName);

    // Whether a sound is playing now.
    bool playing() const;

    // Whether the audio device has been opened yet (by a first sound).
    bool deviceOpened() const { return effect_ != nullptr; }

  private:
    QString folder_;
    QSoundEffect* effect_ = nullptr;
};

} // namespace zt
