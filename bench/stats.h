#pragma once

// Order statistics for the benchmarks' figures.
#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {

// The value below which the fraction q of the samples lie (nearest rank);
// q = 0.5 gives the median, averaged between the two middle samples.
inline double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    if (q == 0.5 && n % 2 == 0)
        return (values[n / 2 - 1] + values[n / 2]) / 2;
    const size_t rank = size_t(std::ceil(q * double(n)));
    return values[std::clamp<size_t>(rank, 1, n) - 1];
}

inline double median(const std::vector<double> &values) { return quantile(values, 0.5); }

inline double maximum(const std::vector<double> &values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

inline double mean(const std::vector<double> &values)
{
    double sum = 0;
    for (double v : values)
        sum += v;
    return values.empty() ? 0.0 : sum / double(values.size());
}

} // namespace bench
