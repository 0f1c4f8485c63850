#pragma once
// Time as the race file keeps it: 32-bit seconds since 1970-01-01 UTC.

#include <cstdint>

namespace korva {

using Timestamp = std::int32_t;

class Clock {
public:
    virtual ~Clock() = default;
    virtual Timestamp now() const = 0;
};

class SystemClock final : public Clock {
public:
    Timestamp now() const override;
};

// A clock that stands still until told otherwise; for tests and replays.
class FixedClock final : public Clock {
public:
    explicit FixedClock(Timestamp t = 1'700'000'000) : t_(t) {}
    Timestamp now() const override { return t_; }
    void set(Timestamp t) { t_ = t; }
    void advance(Timestamp seconds) { t_ += seconds; }

private:
    Timestamp t_;
};

}  // namespace korva
