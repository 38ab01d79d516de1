#pragma once
// The slowly drifting colour pair behind the Illuminate themes: two colours
// that walk one channel step per paint towards random targets.
#include <array>
#include <cstdint>
#include <optional>

#include "shell/colour.h"

namespace tarvelo::shell {

// Where the random channel values come from; only the low 8 bits are used.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual uint32_t next() = 0;
};

// The C library's rand(), as the program uses at run time.
class CRandomSource final : public RandomSource {
public:
    uint32_t next() override;
};

class BackgroundDrift {
public:
    struct Walker {
        std::array<int, 3> channel{};  // r, g, b
        std::array<int, 3> target{};
        bool approaching = false;
    };

    // One paint: on the first call both colours start at random values.
    // A walker that is approaching moves each differing channel one step
    // towards its target (and stops approaching once it arrives); one that
    // is not draws a new target and stays put this time.
    void step(RandomSource& random);

    Colour colourA() const;
    Colour colourB() const;
    const Walker& walkerA() const { return a_; }
    const Walker& walkerB() const { return b_; }
    bool started() const { return started_; }

private:
    static void advance(Walker& w, RandomSource& random);

    Walker a_;
    Walker b_;
    bool started_ = false;
};

// Brightness shift of the animated background: 185 for Illuminate Light,
// -150 for Illuminate Dark, nothing for the other themes.
std::optional<int> animatedBackgroundShift(int theme);

struct DriftColours {
    Colour from;  // left / top
    Colour to;    // right / bottom
};

// Steps the drift and returns the two gradient ends, shifted for the theme.
DriftColours nextBackgroundColours(BackgroundDrift& drift, RandomSource& random, int shift);

}  // namespace tarvelo::shell
