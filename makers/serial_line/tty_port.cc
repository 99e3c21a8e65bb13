#include "serial_line/tty_port.h"

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace mdx::serial_line {

namespace {

const int kBaudRates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

}  // namespace

bool IsSupportedBaudRate(int baud) {
  for (const int rate : kBaudRates) {
    if (rate == baud) return true;
  }
  return false;
}

#ifdef _WIN32

TtyPort::~TtyPort() = default;
bool TtyPort::Open(const std::string&, int, std::string& error) {
  error = "serial lines are not available on this system";
  return false;
}
void TtyPort::Adopt(int) {}
void TtyPort::Close() {}
bool TtyPort::Write(std::string_view, Clock::time_point) { return false; }
ReadStatus TtyPort::Read(std::string&, Clock::time_point) { return ReadStatus::kError; }
void TtyPort::DiscardInput() {}
bool MakeRaw(int, int, std::string& error) {
  error = "serial lines are not available on this system";
  return false;
}
bool OpenPseudoTerminal(int&, int&, std::string&, std::string& error) {
  error = "pseudo-terminals are not available on this system";
  return false;
}

#else

namespace {

speed_t SpeedOf(int baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    default: return B115200;
  }
}

std::string Reason(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// Milliseconds left until the deadline, at least 0, at most a day.
int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  if (left <= 0) return 0;
  return left > 86400000 ? 86400000 : static_cast<int>(left);
}

}  // namespace

bool MakeRaw(int fd, int baud, std::string& error) {
  termios settings{};
  if (tcgetattr(fd, &settings) != 0) {
    error = Reason("not a terminal");
    return false;
  }
  cfmakeraw(&settings);
  settings.c_cflag |= CLOCAL | CREAD;  // no modem control lines
  settings.c_cflag &= ~(CSTOPB | PARENB);
#ifdef CRTSCTS
  settings.c_cflag &= ~CRTSCTS;
#endif
  settings.c_iflag &= ~(IXON | IXOFF | IXANY);
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  cfsetispeed(&settings, SpeedOf(baud));
  cfsetospeed(&settings, SpeedOf(baud));
  if (tcsetattr(fd, TCSANOW, &settings) != 0) {
    error = Reason("cannot set raw mode");
    return false;
  }
  return true;
}

TtyPort::~TtyPort() { Close(); }

bool TtyPort::Open(const std::string& path, int baud, std::string& error) {
  Close();
  if (!IsSupportedBaudRate(baud)) {
    error = "baud rate " + std::to_string(baud) + " is not supported";
    return false;
  }
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = Reason(("cannot open " + path).c_str());
    return false;
  }
  std::string problem;
  if (!MakeRaw(fd, baud, problem)) {
    error = path + ": " + problem;
    ::close(fd);
    return false;
  }
  tcflush(fd, TCIOFLUSH);
  fd_ = fd;
  return true;
}

void TtyPort::Adopt(int fd) {
  Close();
  fd_ = fd;
}

void TtyPort::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool TtyPort::Write(std::string_view bytes, Clock::time_point deadline) {
  if (fd_ < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (wrote > 0) {
      done += static_cast<size_t>(wrote);
      continue;
    }
    if (wrote < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return false;
    pollfd waiting{fd_, POLLOUT, 0};
    const int ready = ::poll(&waiting, 1, MillisecondsLeft(deadline));
    if (ready == 0) return false;  // the deadline passed
    if (ready < 0 && errno != EINTR) return false;
    if (ready > 0 && (waiting.revents & (POLLERR | POLLNVAL))) return false;
    if (ready > 0 && (waiting.revents & POLLHUP) && !(waiting.revents & POLLOUT)) return false;
  }
  return true;
}

ReadStatus TtyPort::Read(std::string& out, Clock::time_point deadline) {
  if (fd_ < 0) return ReadStatus::kError;
  for (;;) {
    pollfd waiting{fd_, POLLIN, 0};
    const int ready = ::poll(&waiting, 1, MillisecondsLeft(deadline));
    if (ready < 0) {
      if (errno == EINTR) {
        if (Clock::now() >= deadline) return ReadStatus::kTimeout;
        continue;
      }
      return ReadStatus::kError;
    }
    if (ready == 0) return ReadStatus::kTimeout;
    if (waiting.revents & POLLNVAL) return ReadStatus::kError;
    char buffer[4096];
    const ssize_t got = ::read(fd_, buffer, sizeof buffer);
    if (got > 0) {
      out.append(buffer, static_cast<size_t>(got));
      return ReadStatus::kData;
    }
    if (got == 0 || errno == EIO) return ReadStatus::kHangUp;
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
      if (waiting.revents & POLLHUP) return ReadStatus::kHangUp;
      if (Clock::now() >= deadline) return ReadStatus::kTimeout;
      continue;
    }
    return ReadStatus::kError;
  }
}

void TtyPort::DiscardInput() {
  if (fd_ >= 0) tcflush(fd_, TCIFLUSH);
}

bool OpenPseudoTerminal(int& masterFd, int& slaveFd, std::string& slavePath, std::string& error) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0) {
    error = Reason("posix_openpt");
    return false;
  }
  if (grantpt(master) != 0 || unlockpt(master) != 0) {
    error = Reason("cannot unlock the pseudo-terminal");
    ::close(master);
    return false;
  }
  const char* name = ptsname(master);
  if (!name) {
    error = Reason("ptsname");
    ::close(master);
    return false;
  }
  const std::string path = name;
  const int slave = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  std::string problem;
  if (slave < 0 || !MakeRaw(slave, 115200, problem)) {
    error = slave < 0 ? Reason(("cannot open " + path).c_str()) : path + ": " + problem;
    if (slave >= 0) ::close(slave);
    ::close(master);
    return false;
  }
  // The master side needs no line settings of its own; it only must not block.
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  ::fcntl(master, F_SETFD, FD_CLOEXEC);
  masterFd = master;
  slaveFd = slave;
  slavePath = path;
  return true;
}

#endif

}  // namespace mdx::serial_line
