// The termios port: a serial device or a pseudo-terminal in raw mode, 8 data
// bits, no parity, one stop bit, no flow control, read and written without
// blocking and waited on with poll(). Linux and other POSIX systems; on
// Windows opening it reports that it is not available on this system.
#pragma once

#include <string>

#include "serial_line/byte_port.h"

namespace mdx::serial_line {

// The baud rates a port can be set to.
bool IsSupportedBaudRate(int baud);

class TtyPort final : public BytePort {
 public:
  TtyPort() = default;
  ~TtyPort() override;
  TtyPort(const TtyPort&) = delete;
  TtyPort& operator=(const TtyPort&) = delete;

  // Opens `path` in raw mode at `baud`. False with the reason in `error`.
  bool Open(const std::string& path, int baud, std::string& error);
  // Takes over an open descriptor (a pseudo-terminal's master side), which
  // it closes at the end.
  void Adopt(int fd);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  bool Write(std::string_view bytes, Clock::time_point deadline) override;
  ReadStatus Read(std::string& out, Clock::time_point deadline) override;
  void DiscardInput() override;

 private:
  int fd_ = -1;
};

// Sets raw mode and `baud` on an open terminal descriptor. False with the
// reason in `error`.
bool MakeRaw(int fd, int baud, std::string& error);

// Opens a new pseudo-terminal (posix_openpt): the master side in `masterFd`
// (raw mode, non-blocking), its slave's path in `slavePath`, and a descriptor
// of the slave kept open in `slaveFd` so that the master never sees a hang-up
// while no till has the slave open. False with the reason in `error`.
bool OpenPseudoTerminal(int& masterFd, int& slaveFd, std::string& slavePath, std::string& error);

}  // namespace mdx::serial_line
