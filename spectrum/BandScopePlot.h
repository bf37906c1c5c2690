#pragma once
// The band scope's plot as its traces use it: five channels that take a point each per step, all
// appended or set together, inside brackets that hold the drawing back until they close.
#include <array>
#include <cstdint>

class BandScopePlot {
public:
    static constexpr int kChannels = 5;
    // Channel 0 signal, 1 maximum, 2 minimum, 3 marked maximum, 4 marked signal.
    using Values = std::array<double, kChannels>;

    virtual ~BandScopePlot() = default;

    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    // Every channel emptied, to hold `capacity` points `xInterval` MHz wide.
    virtual void Reset(std::uint32_t capacity, double xInterval) = 0;
    // The points channel 0 holds.
    virtual int PointCount() = 0;
    virtual void Append(double x, const Values& values) = 0;
    virtual void Set(int index, const Values& values) = 0;
};
