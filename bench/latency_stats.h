#pragma once
// Percentiles of a set of measured durations, and the rows of the benchmark's one table.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace tintineables::bench {

struct Percentiles {
    double p50 = 0, p99 = 0, max = 0;
    std::size_t count = 0;
};

inline Percentiles Summarise(std::vector<double> values) {
    Percentiles p;
    p.count = values.size();
    if (values.empty()) {
        return p;
    }
    std::sort(values.begin(), values.end());
    auto at = [&](double q) {
        const auto index =
            static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
        return values[std::min(index, values.size() - 1)];
    };
    p.p50 = at(0.50);
    p.p99 = at(0.99);
    p.max = values.back();
    return p;
}

// One row: what was measured, the numbers, the target and whether it was met.
inline void Row(const std::string& what, const std::string& measured, const std::string& target,
                bool met) {
    std::printf("| %-50s | %-40s | %-24s | %-4s |\n", what.c_str(), measured.c_str(),
                target.c_str(), met ? "ok" : "MISS");
    std::fflush(stdout);
}

inline void Header() {
    std::printf("| %-50s | %-40s | %-24s | %-4s |\n", "measure", "result", "target", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(52, '-').c_str(), std::string(42, '-').c_str(),
                std::string(26, '-').c_str(), std::string(6, '-').c_str());
}

inline std::string Format(const char* format, double a, double b = 0, double c = 0) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

} // namespace tintineables::bench
