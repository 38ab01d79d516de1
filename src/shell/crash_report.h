#pragma once
// What the crash handler writes and shows, formatted into fixed buffers:
// the faulting process may hold the heap's lock, so nothing here allocates.
#include <cstddef>
#include <cstdint>

namespace tarvelo::shell {

struct UpTime {
    unsigned hours = 0;
    unsigned minutes = 0;
    unsigned seconds = 0;
};

// Elapsed = now - start + 1 ms (tick counts wrap around safely).
UpTime upTimeFrom(uint32_t startTickMs, uint32_t nowTickMs);

struct CrashStamp {
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// A text buffer of fixed size that never overflows: what does not fit is
// dropped, the text stays terminated.
template <typename Char, size_t N>
class FixedText {
public:
    FixedText() { text_[0] = 0; }
    const Char* c_str() const { return text_; }
    size_t size() const { return size_; }

    FixedText& put(Char c) {
        if (size_ + 1 < N) {
            text_[size_++] = c;
            text_[size_] = 0;
        }
        return *this;
    }
    template <typename Src>
    FixedText& put(const Src* s) {
        while (s && *s) put(static_cast<Char>(*s++));
        return *this;
    }
    // Decimal, right-aligned in `width` columns filled with `fill`.
    FixedText& number(uint64_t v, unsigned width = 0, char fill = ' ') {
        char digits[24];
        unsigned n = 0;
        do {
            digits[n++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v != 0);
        for (unsigned i = n; i < width; ++i) put(static_cast<Char>(fill));
        while (n > 0) put(static_cast<Char>(digits[--n]));
        return *this;
    }
    // Upper-case hexadecimal, at least `minDigits` digits.
    FixedText& hex(uint64_t v, unsigned minDigits) {
        char digits[17];
        unsigned n = 0;
        do {
            digits[n++] = "0123456789ABCDEF"[v & 0xF];
            v >>= 4;
        } while (v != 0);
        for (unsigned i = n; i < minDigits; ++i) put(static_cast<Char>('0'));
        while (n > 0) put(static_cast<Char>(digits[--n]));
        return *this;
    }

private:
    Char text_[N];
    size_t size_ = 0;
};

using CrashLogLine = FixedText<char, 160>;
using CrashMessage = FixedText<wchar_t, 512>;

// "2026/03/05 , 14:07:09 , PID= 4312 , UpTime=01:02:03 , Addr=0x0040A1B2\r\n".
// The address has at least eight digits; a 64-bit address is never cut.
CrashLogLine crashLogLine(const CrashStamp& when, uint32_t pid, const UpTime& up, uint64_t address);

struct CrashThreadStatus {
    unsigned uiBusy = 0, listingThread = 0, watchThread = 0, operationThread = 0, reserved1 = 0, reserved2 = 0;
};

// The message box text (English in both languages). Without a restart
// offer the question line is left out: the box then only reports.
CrashMessage crashMessage(const CrashThreadStatus& status, uint32_t pid, uint64_t address, const UpTime& up,
                          bool offerRestart);

// No restart loop: a copy that was itself started by a crash restart and
// faults again within a minute of its start is not restarted again.
inline constexpr uint32_t kRestartQuietMs = 60000;
inline bool restartAllowed(bool startedByCrashRestart, uint32_t upTimeMs) {
    return !(startedByCrashRestart && upTimeMs < kRestartQuietMs);
}

}  // namespace tarvelo::shell
