#pragma once

#include <cstdint>
#include <functional>

// The one process-wide uniform random source. Randomize() reseeds it from the seed source, which
// is the clock unless a test installs a fixed one.
namespace rt::Random {

void Randomize();
void Seed(std::uint64_t seed);

// Uniform in [0, 1).
double NextDouble();
// Uniform whole number in [0, range); 0 when range <= 0.
std::int32_t NextInt(std::int32_t range);

// Replaces the clock as the source of Randomize's seeds; an empty function restores the clock.
void SetSeedSource(std::function<std::uint64_t()> source);

}  // namespace rt::Random
