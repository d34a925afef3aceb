#pragma once

#include <algorithm>
#include <vector>

namespace bench {

// The middle value of samples already sorted; of an even count, the mean of the two middle ones.
template<typename T>
T sortedMedian(const std::vector<T> &v)
{
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template<typename T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return sortedMedian(v);
}

} // namespace bench
