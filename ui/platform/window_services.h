// The services a main window needs from the platform, provided by the application (the real
// ones) or by a test (recording fakes). They outlive every main window.
#pragma once

#include "ui/platform/message_presenter.h"
#include "ui/platform/sound_player.h"

namespace xq {

struct WindowServices {
    SoundPlayer& sounds;
    MessagePresenter& messages;
};

}  // namespace xq
