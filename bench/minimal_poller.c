/* The least a poller of the board can do, for comparison with the console's own figures: the
   line at 9600 8N1, raw; every 250 ms whatever arrived is read, and every fourth tick the run
   data are asked for (05 01 0F 00 15), as the console's poll cycle does. Nothing is decoded or
   shown. Usage: minimal_poller DEVICE */
#include <fcntl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char **argv) {
  static const unsigned char request[] = {0x05, 0x01, 0x0F, 0x00, 0x15};
  unsigned char buffer[256];
  struct termios tio;
  struct timespec tick = {0, 250000000L};
  int fd = argc > 1 ? open(argv[1], O_RDWR | O_NOCTTY | O_NONBLOCK) : -1;
  if (fd < 0 || tcgetattr(fd, &tio) != 0) return 1;
  cfmakeraw(&tio);
  cfsetspeed(&tio, B9600);
  if (tcsetattr(fd, TCSANOW, &tio) != 0) return 1;
  for (unsigned n = 0;; ++n) {
    while (read(fd, buffer, sizeof buffer) > 0) {
    }
    if (n % 4 == 0 && write(fd, request, sizeof request) != (ssize_t)sizeof request) return 1;
    nanosleep(&tick, NULL);
  }
}
