#pragma once
// The drifting two-colour background of the Illuminate themes, painted over
// a pane at every paint.
#include <windows.h>

#include "platform/gdi_draw.h"
#include "shell/background_drift.h"

namespace tarvelo::shell::win {

class AnimatedBackground {
public:
    // random must outlive this object; by default the C library's rand().
    AnimatedBackground();
    explicit AnimatedBackground(RandomSource& random);
    AnimatedBackground(const AnimatedBackground&) = delete;
    AnimatedBackground& operator=(const AnimatedBackground&) = delete;

    // Steps the drift once and paints rect of the pane: a horizontal
    // gradient, with a vertical one blended over it at 50 per cent. Does
    // nothing for themes without an animated background.
    void paint(HDC paneDc, const RECT& rect, int theme);

    const BackgroundDrift& drift() const { return drift_; }

private:
    CRandomSource defaultRandom_;
    RandomSource& random_;
    BackgroundDrift drift_;
    platform::BackBuffer vertical_;
};

}  // namespace tarvelo::shell::win
