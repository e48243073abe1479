#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace keymint::test
{

// Upper tail of the chi-square distribution: the chance that a statistic of `degrees`
// degrees of freedom is at least `statistic`. The regularised upper incomplete gamma function
// Q(a, x), by its series below a + 1 and its continued fraction above.
inline double chiSquareUpperTail(double statistic, int degrees)
{
    const double a = degrees / 2.0;
    const double x = statistic / 2.0;
    if (x <= 0.0)
        return 1.0;
    const double logPrefix = a * std::log(x) - x - std::lgamma(a);
    if (x < a + 1.0) {
        double term = 1.0 / a;
        double sum = term;
        for (int n = 1; n < 1000 && std::fabs(term) > std::fabs(sum) * 1e-15; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return 1.0 - sum * std::exp(logPrefix);
    }
    constexpr double tiny = 1e-300;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        d = std::fabs(d) < tiny ? tiny : d;
        c = b + an / c;
        c = std::fabs(c) < tiny ? tiny : c;
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < 1e-15)
            break;
    }
    return std::exp(logPrefix) * h;
}

// Pearson's statistic of observed counts against equal expected counts.
inline double chiSquareOfUniform(const std::vector<std::int64_t> &counts)
{
    std::int64_t total = 0;
    for (auto count : counts)
        total += count;
    const double expected = static_cast<double>(total) / static_cast<double>(counts.size());
    double statistic = 0.0;
    for (auto count : counts) {
        const double diff = static_cast<double>(count) - expected;
        statistic += diff * diff / expected;
    }
    return statistic;
}

} // namespace keymint::test
