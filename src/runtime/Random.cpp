#include "runtime/Random.h"

#include <chrono>

namespace rt::Random {

namespace {

// xoshiro256** seeded through splitmix64: small, fast and statistically sound.
struct Generator {
    std::uint64_t s[4] = {1, 2, 3, 4};

    static std::uint64_t SplitMix(std::uint64_t& x)
    {
        std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    void Seed(std::uint64_t seed)
    {
        for (auto& word : s) {
            word = SplitMix(seed);
        }
    }

    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t Next()
    {
        const std::uint64_t result = Rotl(s[1] * 5, 7) * 9;
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = Rotl(s[3], 45);
        return result;
    }
};

Generator& TheGenerator()
{
    static Generator generator;
    return generator;
}

std::function<std::uint64_t()>& SeedSource()
{
    static std::function<std::uint64_t()> source;
    return source;
}

std::uint64_t ClockSeed()
{
    // Nanoseconds, so that two reseeds in the same millisecond still differ.
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

void Randomize() { TheGenerator().Seed(SeedSource() ? SeedSource()() : ClockSeed()); }

void Seed(std::uint64_t seed) { TheGenerator().Seed(seed); }

double NextDouble() { return static_cast<double>(TheGenerator().Next() >> 11) * 0x1.0p-53; }

std::int32_t NextInt(std::int32_t range)
{
    if (range <= 0) {
        return 0;
    }
    return static_cast<std::int32_t>((TheGenerator().Next() >> 32) * static_cast<std::uint64_t>(range) >> 32);
}

void SetSeedSource(std::function<std::uint64_t()> source) { SeedSource() = std::move(source); }

}  // namespace rt::Random
