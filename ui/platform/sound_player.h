// The three clips of the game, played without waiting.
#pragma once

namespace xq {

enum class Sound { Check, Capture, Move };

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts the clip and returns at once; where there is no audio device nothing is heard.
    virtual void playSound(Sound sound) = 0;
};

}  // namespace xq
