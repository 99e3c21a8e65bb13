#include "serial_line/crc16.h"

namespace mdx::serial_line {

uint16_t Crc16(std::string_view bytes, uint16_t crc) {
  for (const char c : bytes) {
    crc ^= static_cast<uint16_t>(static_cast<unsigned char>(c) << 8);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021) : static_cast<uint16_t>(crc << 1);
    }
  }
  return crc;
}

}  // namespace mdx::serial_line
