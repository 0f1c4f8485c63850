#pragma once
// The classic C library generator, so "rand() modulo n" gives the same matrix everywhere.

#include <cstdint>

namespace korva {

class CRandom {
public:
    static constexpr int kRandMax = 32767;

    explicit CRandom(std::uint32_t seed = 1) : next_(seed) {}
    void seed(std::uint32_t seed) { next_ = seed; }
    int rand() {
        next_ = next_ * 214013u + 2531011u;
        return static_cast<int>((next_ >> 16) & 0x7fffu);
    }

private:
    std::uint32_t next_;
};

}  // namespace korva
