#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/ (run again after changing the
action bytes of receive_path_fuzz.cpp). Seeds: the worked frames of the board at address 1 in
the action programs the receive-path target reads, and field texts for the parse."""
import pathlib

here = pathlib.Path(__file__).resolve().parent
hx = bytes.fromhex

RUN_DATA = hx("06 01 0F 00 1E 41 3C 1E 23 02 05 DC 0B B8 02 0B B8 55 1E 05 50 05 00 00 04 82 FE 83"
              "1F 02 17 05 DC 0B B8 0D")
BOARD_INFO = hx("06 01 0F 02 0C 4D 31 2F 50 32 2F 56 41 32 2E 33 00 AC")
FACTORY_DATA = hx("06 01 0F 03 0C B4 05 DC 05 41 32 64 64 64 64 01 0A CD")
ADDRESS = hx("06 00 0F 01 01 12 29")
WRITE_ACK = hx("06 01 1E 1B 01 1E 5F")
RUN_DATA_READ = hx("05 01 0F 00 15")

# Actions of receive_path_fuzz.cpp.
def tick(): return bytes([0])
def feed(b): return bytes([1, len(b)]) + b
def text(i, t): return bytes([2, i, len(t)]) + t.encode()
def setup(): return bytes([3])
def button(b): return bytes([4, b])  # 0 copy, 1 address write, 2 address read, 3 simulated temperature
def factory(s, *rest): return bytes([5, s, *rest])
def quiet(n): return bytes([7, n - 1])

receive = {
    "monitor": feed(BOARD_INFO) + quiet(4) + feed(RUN_DATA[:20]) + tick() + feed(RUN_DATA[20:]) + quiet(4),
    # A board-information head that never completes, with 80 bytes behind it: the line must not
    # stay silent once it falls quiet.
    "false_start": feed(BOARD_INFO) + quiet(4) + feed(hx("06 01 0F 02 70") + b"0123456789" * 8),
    "settings": feed(RUN_DATA) + quiet(2) + button(0) + text(0, "30") + text(12, "-5") + setup()
                + quiet(8) + feed(WRITE_ACK + WRITE_ACK[:5]) + tick() + feed(WRITE_ACK[5:]) + quiet(8),
    "address": button(2) + quiet(4) + feed(ADDRESS) + quiet(2) + text(13, "7") + button(1) + quiet(4)
               + text(14, "25.5") + button(3) + quiet(4),
    "factory": factory(0) + quiet(4) + feed(FACTORY_DATA) + quiet(2) + factory(1, 8, 2) + b"30"
               + factory(1, 10) + factory(2) + quiet(8) + factory(3) + feed(FACTORY_DATA) + quiet(8),
    "echo_noise": feed(RUN_DATA_READ + hx("15 06 00 7F 06 02 0F 00") + RUN_DATA_READ + RUN_DATA)
                  + quiet(4) + bytes([6]) + quiet(2) + bytes([6]) + feed(hx("06 01 2D 00 34")) + quiet(4),
}
leading_number = ["35abc", "3 5", "3\t5\n", "1,5", "1E3", "25e-1", "&H3E8", "&h3e8", "&o178", "&H",
                  "-40.5", "+7", ".5", "-.5", "1.2.3", "1E", "1E+x", "", "abc", "-", "E5", "--5",
                  "1e-400", "1e400", "1e99999999999999999999", "&H" + "F" * 300, "215", "87.75",
                  "0.5", "32767.5"]

for name, data in receive.items():
    path = here / "corpus" / "receive_path" / name
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
for i, t in enumerate(leading_number):
    path = here / "corpus" / "leading_number" / f"text{i:02}"
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(t.encode())
