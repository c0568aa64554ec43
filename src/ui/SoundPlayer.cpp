#include "ui/SoundPlayer.h"

#include "ui/media_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>

namespace zt {

namespace {

QtMessageHandler handlerBefore = nullptr;

// The audio system's complaints (no device, no sound server, a file it cannot decode) are
// of no use to the player; everything else goes where it went before.
void quietAudio(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QLatin1String category(context.category ? context.category : "");
    const bool fromAudio = category.startsWith(QLatin1String("qt.multimedia")) ||
                           message.startsWith(QLatin1String("PulseAudioService")) ||
                           message.startsWith(QLatin1String("No audio device")) ||
                           message.contains(QLatin1String("QSoundEffect"));
    if (fromAudio && type != QtFatalMsg) return;
    if (handlerBefore) {
        handlerBefore(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

} // namespace

SoundPlayer::SoundPlayer(const QString& soundsFolder, QObject* parent)
    : QObject(parent), folder_(soundsFolder) {
    setObjectName(QStringLiteral("soundControl"));
}

void SoundPlayer::close() {
    if (effect_) effect_->stop();
}

bool SoundPlayer::playing() const {
    return effect_ && effect_->isPlaying();
}

void SoundPlayer::play(const QString& fileName) {
    const QString path = QDir(folder_).filePath(fileName);
    if (!QFileInfo(path).isFile()) {
        reportMissingFile(path);
        return;
    }
    if (!effect_) {
        static const bool quiet = [] {
            handlerBefore = qInstallMessageHandler(quietAudio);
            return true;
        }();
        Q_UNUSED(quiet);
        effect_ = new QSoundEffect(this);
    }
    const QUrl source = QUrl::fromLocalFile(path);
    if (effect_->source() != source) effect_->setSource(source);
    effect_->play();
}

} // namespace zt
