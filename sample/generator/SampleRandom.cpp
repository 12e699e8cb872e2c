#include "SampleRandom.h"

#include <cmath>

namespace {
uint64_t SplitMix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
}  // namespace

SampleRandom::SampleRandom(uint64_t seed) {
    for (auto& s : s_) s = SplitMix(seed);
}

uint64_t SampleRandom::Next() {
    const uint64_t result = Rotl(s_[1] * 5, 7) * 9;
    const uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
}

double SampleRandom::Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

double SampleRandom::Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

int64_t SampleRandom::Int(int64_t lo, int64_t hi) {
    if (hi <= lo) return lo;
    const uint64_t span = static_cast<uint64_t>(hi - lo) + 1;
    return lo + static_cast<int64_t>(Next() % span);
}

bool SampleRandom::Chance(double p) { return Uniform() < p; }

double SampleRandom::Normal() {
    double u1 = Uniform();
    if (u1 < 1e-300) u1 = 1e-300;
    const double u2 = Uniform();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
}

double SampleRandom::LogNormal(double mu, double sigma) { return std::exp(mu + sigma * Normal()); }

size_t SampleRandom::Weighted(const std::vector<double>& weights) {
    double total = 0;
    for (double w : weights) total += w > 0 ? w : 0;
    if (total <= 0) return 0;
    double pick = Uniform() * total;
    for (size_t i = 0; i < weights.size(); ++i) {
        const double w = weights[i] > 0 ? weights[i] : 0;
        if (pick < w) return i;
        pick -= w;
    }
    // Rounding left a sliver: the last positive weight takes it.
    for (size_t i = weights.size(); i-- > 0;)
        if (weights[i] > 0) return i;
    return 0;
}

size_t SampleRandom::Index(size_t n) { return static_cast<size_t>(Next() % n); }

SampleRandom SampleRandom::Fork(uint64_t salt) {
    return SampleRandom(Next() ^ (salt * 0x9E3779B97F4A7C15ull));
}
