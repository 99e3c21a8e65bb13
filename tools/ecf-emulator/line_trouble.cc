#include "line_trouble.h"

namespace ecf_emulator {

bool LineTrouble::Happens(double rate) {
  if (rate <= 0) return false;
  // 24 random bits give the same draws with every standard library.
  return static_cast<double>(random_() >> 8) / 16777216.0 < rate;
}

std::string LineTrouble::Apply(std::string_view bytes) {
  if (noise_ <= 0 && drop_ <= 0) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    if (Happens(drop_)) {
      ++dropped_;
      continue;
    }
    if (Happens(noise_)) {
      ++flipped_;
      out += static_cast<char>(static_cast<unsigned char>(c) ^ (1u << (random_() % 8)));
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace ecf_emulator
