#pragma once

#include <algorithm>
#include <vector>

namespace bench {

// The spread of one figure over the runs of a single benchmark call.
struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
    int runs = 0;
};

inline Summary summarize(std::vector<double> values) {
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back(), int(n)};
}

} // namespace bench
