// The checksum of a link frame: CRC-16/CCITT-FALSE (polynomial 0x1021,
// initial value 0xFFFF, no reflection, no final XOR). It catches every
// error of up to 3 bits and every burst of up to 16 bits in a frame.
#pragma once

#include <cstdint>
#include <string_view>

namespace mdx::serial_line {

uint16_t Crc16(std::string_view bytes, uint16_t crc = 0xFFFF);

}  // namespace mdx::serial_line
