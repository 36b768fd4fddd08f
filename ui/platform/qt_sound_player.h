// Plays the built-in WAV clips through Qt Multimedia.
#pragma once

#include <QObject>

#include <array>

#include "ui/platform/sound_player.h"

class QSoundEffect;

namespace xq {

class QtSoundPlayer : public QObject, public SoundPlayer {
  public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    void playSound(Sound sound) override;

  private:
    std::array<QSoundEffect*, 3> effects_{};  // by Sound, loaded once and kept ready
};

}  // namespace xq
