// The game's own look: the built-in style sheet and the embedded CJK font, so that every text
// looks the same on every machine.
#pragma once

class QWidget;

namespace xq {

// Gives `window` the built-in font and style sheet. Safe to call for every window: the font is
// registered with the application only once.
void applySkin(QWidget* window);

}  // namespace xq
