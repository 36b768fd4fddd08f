#include "ui/platform/qt_sound_player.h"

#include <QSoundEffect>
#include <QUrl>

namespace xq {

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {
    const char* sources[] = {"qrc:/sounds/check.wav", "qrc:/sounds/capture.wav",
                             "qrc:/sounds/move.wav"};
    for (std::size_t i = 0; i < effects_.size(); ++i) {
        effects_[i] = new QSoundEffect(this);
        effects_[i]->setSource(QUrl(QString::fromLatin1(sources[i])));
    }
}

void QtSoundPlayer::playSound(Sound sound) {
    QSoundEffect* effect = effects_[static_cast<std::size_t>(sound)];
    effect->stop();  // a clip asked for again starts over
    effect->play();
}

}  // namespace xq
