#!/usr/bin/env python3
"""Benchmarks of kestrova-agent against the multi-board simulator and a local mosquitto.

  bench/agent_line.py BUILD_DIR line     [--seconds S] [--dead 5,10,15]
      one agent, 20 boards on one simulated line: time per round, each board's actual interval,
      share of the line used, the agent's CPU and memory
  bench/agent_line.py BUILD_DIR away [--seconds S]
      one agent, 20 boards polled every second with the broker stopped: the agent's memory
      sampled every 10 s (it keeps only the latest state of each board, so it stays flat)
  bench/agent_line.py BUILD_DIR agents N [--seconds S]
      N agents with 20 simulated boards each against one broker: messages per second at the
      broker, CPU per board

A pseudo-terminal has no baud rate: each answer is held back by the simulator's --reply-delay
for the time the request and the answer would take on a 9600-baud line plus the board's
turnaround, so the agent meets the line's real pace. Prints its figures; nothing is asserted.
"""
import argparse
import json
import os
import signal
import socket
import subprocess
import sys
import tempfile
import time

LINE_BAUD = 9600
REQUEST_BYTES, RUN_DATA_BYTES = 5, 36
TURNAROUND_MS = 5


def line_ms(n):
    return (n * 10 * 1000 + LINE_BAUD - 1) // LINE_BAUD


REPLY_DELAY_MS = line_ms(REQUEST_BYTES) + line_ms(RUN_DATA_BYTES) + TURNAROUND_MS


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


class Parts:
    def __init__(self, build):
        self.build = build
        self.dir = tempfile.mkdtemp(prefix="kestrova-bench-")
        self.procs = []
        self.port = free_port()
        conf = os.path.join(self.dir, "mosquitto.conf")
        with open(conf, "w") as f:
            f.write(f"listener {self.port} 127.0.0.1\nallow_anonymous true\npersistence false\nmax_queued_messages 100000\n")
        self.broker = self.spawn(["mosquitto", "-c", conf], stderr=subprocess.DEVNULL)
        time.sleep(0.5)

    def spawn(self, args, **kw):
        p = subprocess.Popen(args, **kw)
        self.procs.append(p)
        return p

    def sim(self, addresses, extra=()):
        p = self.spawn([os.path.join(self.build, "bin", "kestrova-board-sim"), "--address", addresses,
                        "--reply-delay", str(REPLY_DELAY_MS), *extra], stdout=subprocess.PIPE, text=True)
        return p.stdout.readline().strip()

    def agent(self, device, site, addresses, interval):
        return self.spawn([os.path.join(self.build, "bin", "kestrova-agent"), "--serial", device, "--addresses",
                           addresses, "--site", site, "--broker", f"mqtt://127.0.0.1:{self.port}",
                           "--interval", str(interval), "--no-discovery"], stderr=subprocess.DEVNULL)

    def subscribe(self, topic):
        # Line-buffered, or the lines would come in 4 KiB lumps.
        return self.spawn(["stdbuf", "-oL", "mosquitto_sub", "-p", str(self.port), "-t", topic, "-v"],
                          stdout=subprocess.PIPE, text=True)

    def collect(self, sub):
        """The subscriber's lines, gathered by a thread of their own (a list that grows)."""
        import threading
        lines = []

        def read():
            for line in sub.stdout:
                lines.append(line)
        threading.Thread(target=read, daemon=True).start()
        return lines

    def close(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
        for p in self.procs:
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()


def parse_time(iso):
    # "2026-12-08T16:40:01.123+00:00" -> seconds
    from datetime import datetime
    return datetime.fromisoformat(iso).timestamp()


def line_benchmark(build, seconds, dead, interval=5):
    parts = Parts(build)
    try:
        extra = ["--silent-address", dead] if dead else []
        device = parts.sim("1-20", extra)
        lines = parts.collect(parts.subscribe("kestrova/bench/board/+/state"))
        agent = parts.agent(device, "bench", "1-20", interval)
        taken = 0
        start_cpu, t0 = None, None
        times = {}
        settle = 3 * interval + 2  # past the dead boards' first three polls
        end = time.time() + settle + seconds
        while time.time() < end:
            time.sleep(0.2)
            if start_cpu is None and time.time() > end - seconds:
                start_cpu, t0 = cpu_seconds(agent.pid), time.time()
            fresh, taken = lines[taken:], len(lines)
            for line in fresh:
                topic, payload = line.split(" ", 1)
                board = int(topic.split("/")[3])
                times.setdefault(board, []).append(parse_time(json.loads(payload)["time"]))
        cpu = cpu_seconds(agent.pid) - start_cpu
        wall = time.time() - t0
        rss = rss_kib(agent.pid)
    finally:
        parts.close()
    intervals = {b: [t2 - t1 for t1, t2 in zip(ts, ts[1:]) if t1 > end - seconds - 0.5] for b, ts in times.items()}
    all_iv = [iv for ivs in intervals.values() for iv in ivs]
    live = sorted(times)
    # The round: from the first to the last state of the boards polled on one tick.
    firsts = sorted(min(t for t in ts if t > end - seconds) for ts in times.values() if any(t > end - seconds for t in ts))
    round_s = firsts[-1] - firsts[0] if firsts else float("nan")
    per_round_ms = len(live) * (line_ms(REQUEST_BYTES) + line_ms(RUN_DATA_BYTES))
    print(f"boards answering: {len(live)} of 20 (dead: {dead or 'none'}), interval {interval} s, {seconds} s measured")
    print(f"  round (first to last board's state): {round_s * 1000:.0f} ms")
    if all_iv:
        print(f"  board interval: min {min(all_iv):.3f} s, mean {sum(all_iv) / len(all_iv):.3f} s, max {max(all_iv):.3f} s")
    worst = max(intervals.items(), key=lambda kv: max(kv[1]) if kv[1] else 0)
    print(f"  longest interval: board {worst[0]}, {max(worst[1]) if worst[1] else 0:.3f} s")
    print(f"  line share of the live boards' run data: {per_round_ms / (interval * 1000) * 100:.1f} %")
    print(f"  agent CPU: {cpu / wall * 100:.2f} % of one core, memory (RSS) {rss / 1024:.1f} MiB")


def agents_benchmark(build, count, seconds, interval=5):
    parts = Parts(build)
    try:
        agents = []
        for i in range(count):
            device = parts.sim("1-20")
            agents.append(parts.agent(device, f"site{i}", "1-20", interval))
        lines = parts.collect(parts.subscribe("kestrova/+/board/+/state"))
        time.sleep(3 * interval)
        cpu0 = sum(cpu_seconds(a.pid) for a in agents)
        bcpu0 = cpu_seconds(parts.broker.pid)
        t0 = time.time()
        time.sleep(seconds)
        wall = time.time() - t0
        cpu = sum(cpu_seconds(a.pid) for a in agents) - cpu0
        bcpu = cpu_seconds(parts.broker.pid) - bcpu0
        time.sleep(2)
        stamps = [parse_time(json.loads(l.split(" ", 1)[1])["time"]) for l in list(lines)]
        received = sum(1 for t in stamps if t0 <= t < t0 + wall)
        rss = sum(rss_kib(a.pid) for a in agents) / count
    finally:
        parts.close()
    boards = 20 * count
    print(f"{count} agents x 20 boards = {boards} boards, interval {interval} s, {seconds} s measured")
    print(f"  states through the broker: {received / wall:.1f} /s (one per board and interval: {boards / interval:.1f} /s)")
    print(f"  agents' CPU: {cpu / wall * 100:.2f} % of one core in all, {cpu / wall / boards * 1e6:.1f} us of CPU a second per board")
    print(f"  broker CPU: {bcpu / wall * 100:.2f} % of one core; agent memory (RSS) {rss / 1024:.1f} MiB each")


def away_benchmark(build, seconds):
    parts = Parts(build)
    try:
        device = parts.sim("1-20")
        agent = parts.agent(device, "away", "1-20", 1)
        time.sleep(5)
        parts.broker.send_signal(signal.SIGTERM)
        parts.broker.wait(5)
        samples = []
        t0 = time.time()
        while time.time() < t0 + seconds:
            time.sleep(10)
            samples.append(rss_kib(agent.pid))
        cpu = cpu_seconds(agent.pid)
    finally:
        parts.close()
    print(f"broker away for {seconds} s, 20 boards every 1 s ({20 * seconds} states not delivered)")
    print(f"  agent memory (RSS, KiB) every 10 s: {samples[0]} ... {samples[-1]} (min {min(samples)}, max {max(samples)})")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build")
    ap.add_argument("what", choices=["line", "agents", "away"])
    ap.add_argument("count", nargs="?", type=int, default=10)
    ap.add_argument("--seconds", type=int, default=60)
    ap.add_argument("--dead", default="")
    a = ap.parse_args()
    if a.what == "line":
        line_benchmark(a.build, a.seconds, a.dead)
    elif a.what == "away":
        away_benchmark(a.build, a.seconds)
    else:
        agents_benchmark(a.build, a.count, a.seconds)


if __name__ == "__main__":
    sys.exit(main())
