#pragma once
// Uniform pseudo-random values in [0, 1) with single precision (24 bits),
// put back into one fixed start state by every successful assembly.

#include <cstdint>

namespace zek {

class RandomGenerator {
public:
    void Reset() { state_ = StartState; }

    // Next value k / 2^24 with k in 0 .. 2^24 - 1.
    float Next() {
        // xorshift64*: small, fast and good enough for a teaching machine.
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        const std::uint64_t r = state_ * 0x2545F4914F6CDD1DULL;
        return static_cast<float>(r >> 40) * (1.0f / 16777216.0f);
    }

private:
    static constexpr std::uint64_t StartState = 0x5A454B2D52414E44ULL;  // "ZEK-RAND"
    std::uint64_t state_ = StartState;
};

}  // namespace zek
