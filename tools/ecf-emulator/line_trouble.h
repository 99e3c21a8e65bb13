// Trouble on the line for tests: the bytes the printer sends lose some of
// their bits or go missing, at given rates, from a seeded generator so that
// a run can be repeated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace ecf_emulator {

class LineTrouble {
 public:
  LineTrouble(double noise, double drop, uint32_t seed) : noise_(noise), drop_(drop), random_(seed) {}

  // The bytes as they reach the other end.
  std::string Apply(std::string_view bytes);

  size_t Flipped() const { return flipped_; }
  size_t Dropped() const { return dropped_; }

 private:
  bool Happens(double rate);

  double noise_, drop_;
  std::mt19937 random_;
  size_t flipped_ = 0, dropped_ = 0;
};

}  // namespace ecf_emulator
