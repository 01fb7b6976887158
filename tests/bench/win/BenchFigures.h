// Timings of the Wine benchmarks: each step's runs by name, printed as the fastest and
// the median, or as pairs of ours and a peer measured in the same run.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vbench {

class Figures {
 public:
  // Runs `step` and records how long it took, in milliseconds, under `name`.
  void Time(const std::string& name, const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    Record(name, Since(start));
  }
  void Record(const std::string& name, double ms) {
    if (!times_.count(name)) order_.push_back(name);
    times_[name].push_back(ms);
  }
  bool Has(const std::string& name) const { return times_.count(name) != 0; }
  const std::vector<std::string>& Names() const { return order_; }
  double Fastest(const std::string& name) const { return Sorted(name).front(); }
  double Slowest(const std::string& name) const { return Sorted(name).back(); }
  double Median(const std::string& name) const {
    const std::vector<double> t = Sorted(name);
    const size_t n = t.size();
    return n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
  }
  size_t Runs(const std::string& name) const { return times_.at(name).size(); }

  static double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
  }

 private:
  std::vector<double> Sorted(const std::string& name) const {
    std::vector<double> t = times_.at(name);
    std::sort(t.begin(), t.end());
    return t;
  }
  std::vector<std::string> order_;
  std::map<std::string, std::vector<double>> times_;
};

}  // namespace vbench
