#include "sim/pty_line.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace kestrova::sim {
namespace {

bool MakeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return false;
  cfmakeraw(&t);
  cfsetispeed(&t, B9600);
  cfsetospeed(&t, B9600);
  return tcsetattr(fd, TCSANOW, &t) == 0;
}

}  // namespace

PtyLine::~PtyLine() {
  if (slave_ >= 0) close(slave_);
  if (master_ >= 0) close(master_);
}

bool PtyLine::Open(std::string& error) {
  if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
    error = std::string("openpty: ") + std::strerror(errno);
    return false;
  }
  if (!MakeRaw(master_) || !MakeRaw(slave_)) {
    error = std::string("raw mode: ") + std::strerror(errno);
    return false;
  }
  const int flags = fcntl(master_, F_GETFL);
  if (flags < 0 || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) {
    error = std::string("non-blocking master: ") + std::strerror(errno);
    return false;
  }
  const char* name = ttyname(slave_);
  if (name == nullptr) {
    error = std::string("ttyname: ") + std::strerror(errno);
    return false;
  }
  slavePath_ = name;
  return true;
}

std::vector<std::uint8_t> PtyLine::Read(std::chrono::milliseconds timeout) {
  pollfd p{master_, POLLIN, 0};
  const int ready = poll(&p, 1, static_cast<int>(timeout.count()));
  if (ready <= 0) return {};
  if ((p.revents & POLLIN) == 0) {
    // Hang-up or error without data: wait out the timeout instead of spinning on it.
    std::this_thread::sleep_for(timeout);
    return {};
  }
  std::vector<std::uint8_t> bytes(512);
  const ssize_t n = read(master_, bytes.data(), bytes.size());
  bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return bytes;
}

void PtyLine::Write(std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(master_, bytes.data(), bytes.size());
    if (n > 0) {
      bytes = bytes.subspan(static_cast<std::size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return;  // no room or no line: the rest is lost
    }
  }
}

}  // namespace kestrova::sim
