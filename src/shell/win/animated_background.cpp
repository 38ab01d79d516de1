#include "shell/win/animated_background.h"

#include <algorithm>

namespace tarvelo::shell::win {

AnimatedBackground::AnimatedBackground() : random_(defaultRandom_) {}

AnimatedBackground::AnimatedBackground(RandomSource& random) : random_(random) {}

void AnimatedBackground::paint(HDC paneDc, const RECT& rect, int theme) {
    const auto shift = animatedBackgroundShift(theme);
    if (!shift || !paneDc || rect.right <= rect.left || rect.bottom <= rect.top) return;
    const DriftColours colours = nextBackgroundColours(drift_, random_, *shift);
    platform::gradientRect(paneDc, rect, colours.from.value, colours.to.value, false);
    // The second buffer covers the pane up to the rectangle's far corner, so
    // the blend reads the same coordinates from both.
    if (!vertical_.resize(std::max(vertical_.width(), static_cast<int>(rect.right)),
                          std::max(vertical_.height(), static_cast<int>(rect.bottom)))) {
        return;
    }
    platform::gradientRect(vertical_.dc(), rect, colours.from.value, colours.to.value, true);
    platform::alphaBlendRect(paneDc, vertical_.dc(), rect, 50);
}

}  // namespace tarvelo::shell::win
