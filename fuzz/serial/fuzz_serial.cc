// Replies drawn from the fuzzer's input. Each frame takes one choice byte:
//   0        no answer
//   1        a raw reply: a length byte (0-255) and that many input bytes
//   2        refused: ".-" and four status bytes from the input
//   3        busy: ".-P006"
//   4, 5     accepted with data: ".+0000", the frame's selector character
//            (echoed as the printer does on register reads), then a length
//            byte and that many bytes; 5 turns them into digits
//   6        accepted with a status from the input: ".+" and four bytes
//   7        a complete information block: ".+C" and data as for 4
//   other    accepted: ".+0000" and the selector
// When the input is used up every frame is accepted with a line of zeros,
// so an operation always runs to its end.
#include "serial/fuzz_serial.h"

#include <cstring>
#include <string>
#include <vector>

#include "serial/reply_buffer.h"

namespace {

std::vector<uint8_t> g_input;
size_t g_pos = 0;
int g_frames = 0;
bool g_open = false;

bool More() { return g_pos < g_input.size(); }
uint8_t Take() { return More() ? g_input[g_pos++] : 0; }
std::string TakeBytes(bool digits) {
  size_t length = Take();
  std::string out;
  while (length-- > 0 && More()) {
    const uint8_t c = Take();
    out += digits ? static_cast<char>('0' + c % 10) : static_cast<char>(c);
  }
  return out;
}

// The character after the command code ('1' for ESC ".271}"), or '0'.
char Selector(const char* frame) {
  const size_t length = std::strlen(frame);
  return length > 4 && frame[4] != '}' ? frame[4] : '0';
}

}  // namespace

FUZZ_SERIAL_EXPORT int FUZZ_SERIAL_CALL AbrePorta(int port, int) {
  if (port < 1 || port > 13) return 0;
  g_open = true;
  return 1;
}

FUZZ_SERIAL_EXPORT int FUZZ_SERIAL_CALL EnviaComando(const char* frame, unsigned char* reply) {
  if (!frame || !reply) {
    if (reply) reply[0] = 0;
    return -2;
  }
  reply[0] = 0;
  if (!g_open) return -1;
  ++g_frames;
  std::string text;
  if (!More()) {
    text = std::string(".+0000") + Selector(frame) + std::string(120, '0');
  } else {
    switch (Take() % 12) {
      case 0:
        return 0;
      case 1:
        text = TakeBytes(false);
        break;
      case 2:
        text = ".-";
        for (int i = 0; i < 4; ++i) text += static_cast<char>(Take());
        break;
      case 3:
        text = ".-P006";
        break;
      case 4:
        text = std::string(".+0000") + Selector(frame) + TakeBytes(false);
        break;
      case 5:
        text = std::string(".+0000") + Selector(frame) + TakeBytes(true);
        break;
      case 6:
        text = ".+";
        for (int i = 0; i < 4; ++i) text += static_cast<char>(Take());
        break;
      case 7:
        text = std::string(".+C000") + Selector(frame) + TakeBytes(true);
        break;
      default:
        text = std::string(".+0000") + Selector(frame);
        break;
    }
  }
  mdx::serial::CopyReply(text, reply);
  return 1;
}

FUZZ_SERIAL_EXPORT int FUZZ_SERIAL_CALL FechaPorta(int id) {
  if (!g_open || id != 1) return 0;
  g_open = false;
  return 1;
}

FUZZ_SERIAL_EXPORT void FuzzSerial_SetInput(const uint8_t* data, size_t size) {
  g_input.assign(data, data + size);
  g_pos = 0;
  g_frames = 0;
}

FUZZ_SERIAL_EXPORT int FuzzSerial_Frames() { return g_frames; }
