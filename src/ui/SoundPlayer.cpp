#include "ui/SoundPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSoundEffect>
#include <QUrl>

namespace zt {

SoundPlayer::SoundPlayer(const QString& soundsFolder, QObject* parent)
    : QObject(parent), folder_(soundsFolder) {
    setObjectName(QStringLiteral("soundControl"));
}

void SoundPlayer::close() {
    if (effect_) effect_->stop();
}

void SoundPlayer::play(const QString& fileName) {
    const QString path = QDir(folder_).filePath(fileName);
    if (!QFileInfo(path).isFile()) return;
    if (!effect_) {
        // The player's complaints about devices and files are of no use to the player.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
        effect_ = new QSoundEffect(this);
    }
    const QUrl source = QUrl::fromLocalFile(path);
    if (effect_->source() != source) effect_->setSource(source);
    effect_->play();
}

} // namespace zt
