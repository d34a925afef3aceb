#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {

// The middle sample; of an even count, the mean of the two middle ones. 0 when there is none.
inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The smallest sample that at least 99 % of the samples do not exceed. 0 when there is none.
inline double p99(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::size_t(std::ceil(0.99 * double(v.size()))) - 1];
}

} // namespace bench
