#include "values/logoRandom.h"

#include <random>

namespace {

std::mt19937& generator()
{
    thread_local std::mt19937 engine{std::random_device{}()};
    return engine;
}

}  // namespace

int32_t randomInRange(int32_t low, int32_t high)
{
    return std::uniform_int_distribution<int32_t>(low, high)(generator());
}

long double randomUnit()
{
    return std::uniform_real_distribution<long double>(0.0L, 1.0L)(generator());
}

void seedRandom(uint32_t seed) { generator().seed(seed); }
