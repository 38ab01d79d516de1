#include "shell/background_drift.h"

#include <cstdlib>

#include "shell/theme_palette.h"

namespace tarvelo::shell {
namespace {

int randomChannel(RandomSource& random) { return static_cast<int>(random.next() & 0xFF); }

Colour toColour(const BackgroundDrift::Walker& w) { return Colour::fromRgb(w.channel[0], w.channel[1], w.channel[2]); }

}  // namespace

uint32_t CRandomSource::next() { return static_cast<uint32_t>(std::rand()); }

void BackgroundDrift::advance(Walker& w, RandomSource& random) {
    if (!w.approaching) {
        for (int& t : w.target) t = randomChannel(random);
        w.approaching = true;
        return;
    }
    bool arrived = true;
    for (size_t i = 0; i < 3; ++i) {
        if (w.channel[i] < w.target[i]) ++w.channel[i];
        else if (w.channel[i] > w.target[i]) --w.channel[i];
        if (w.channel[i] != w.target[i]) arrived = false;
    }
    if (arrived) w.approaching = false;
}

void BackgroundDrift::step(RandomSource& random) {
    if (!started_) {
        for (int& c : a_.channel) c = randomChannel(random);
        for (int& c : b_.channel) c = randomChannel(random);
        started_ = true;
    }
    advance(a_, random);
    advance(b_, random);
}

Colour BackgroundDrift::colourA() const { return toColour(a_); }
Colour BackgroundDrift::colourB() const { return toColour(b_); }

std::optional<int> animatedBackgroundShift(int theme) {
    if (theme == kThemeIlluminateLight) return 185;
    if (theme == kThemeIlluminateDark) return -150;
    return std::nullopt;
}

DriftColours nextBackgroundColours(BackgroundDrift& drift, RandomSource& random, int shift) {
    drift.step(random);
    return {shiftColour(drift.colourA(), shift), shiftColour(drift.colourB(), shift)};
}

}  // namespace tarvelo::shell
