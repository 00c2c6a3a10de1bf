#!/usr/bin/env python3
"""Writes the largest record of the connection that Netvik reads into FOLDER:
history.csv just under its rotation limit (1 MiB) and history.old.csv with
the rest of the 4 MiB that reading takes, a change every 5 to 45 minutes
back from now, outages of all three places among them, in UTC (+00:00);
and latency.csv just under its limit (1 MiB), a line for each hour back
from now.

usage: full-record.py FOLDER
"""
import os
import sys
import time

LIMIT = 1024 * 1024
READ_BOUND = 4 * LIMIT
HEADER = "time,state,last check of the old state"
OUTAGES = ("no-internet", "no-host", "network-error")


def stamp(seconds):
    return time.strftime("%Y-%m-%dT%H:%M:%S+00:00", time.gmtime(seconds))


def lines(now, size):
    """Lines of size bytes in all, newest last."""
    out, total, at, i = [], 0, now - 60, 0
    while total < size:
        state = "connected" if i % 2 == 0 else OUTAGES[i // 2 % 3]
        seen = "" if i % 40 == 0 else stamp(at - 300)
        line = f"{stamp(at)},{state},{seen}\r\n"
        out.append(line)
        total += len(line)
        at -= 300 + 300 * (i % 9)
        i += 1
    return out[::-1]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    header = HEADER + "\r\n"
    every = lines(int(time.time()), READ_BOUND - 2 * len(header) - 4096)
    cut, newer = len(every), 0
    while newer + len(every[cut - 1]) < LIMIT - 4096:
        cut -= 1
        newer += len(every[cut])
    for name, part in (("history.old.csv", every[:cut]), ("history.csv", every[cut:])):
        with open(os.path.join(folder, name), "w", newline="") as f:
            f.write(header + "".join(part))
    hours, size, hour = [], 0, int(time.time()) // 3600 * 3600 - 3600
    while size < LIMIT - 4096:
        line = f"{stamp(hour)},{12 - hour // 3600 % 3},{hour // 3600 % 4 // 3},{20 + hour // 3600 % 17},{60 + hour // 3600 % 90}\r\n"
        hours.append(line)
        size += len(line)
        hour -= 3600
    with open(os.path.join(folder, "latency.csv"), "w", newline="") as f:
        f.write("hour,checks,second tries,median ms,highest ms\r\n" + "".join(hours[::-1]))


if __name__ == "__main__":
    main()
