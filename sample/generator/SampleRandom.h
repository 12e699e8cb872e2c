#pragma once
// The generator's source of chance: xoshiro256** seeded through splitmix64.
// Written out rather than taken from <random>, whose distributions differ
// between standard libraries, so that one seed gives the same data set
// wherever the generator is built.
#include <cstddef>
#include <cstdint>
#include <vector>

class SampleRandom {
public:
    explicit SampleRandom(uint64_t seed);

    uint64_t Next();
    // [0, 1)
    double Uniform();
    // [lo, hi)
    double Range(double lo, double hi);
    // [lo, hi], both ends included; lo when hi < lo
    int64_t Int(int64_t lo, int64_t hi);
    bool Chance(double p);
    // Standard normal deviate (Box-Muller).
    double Normal();
    // exp(mu + sigma * N(0,1)): field sizes and the like, which spread over
    // orders of magnitude.
    double LogNormal(double mu, double sigma);
    // An index into weights, chosen in proportion to them; 0 when all are 0.
    size_t Weighted(const std::vector<double>& weights);
    // An index in [0, n); n must be above 0.
    size_t Index(size_t n);
    // A new generator whose sequence depends on this one's, for a part of the
    // data set that should not shift when another part draws more numbers.
    SampleRandom Fork(uint64_t salt);

private:
    uint64_t s_[4];
};
