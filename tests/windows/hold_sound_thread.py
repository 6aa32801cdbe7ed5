#!/usr/bin/env python3
"""hold_sound_thread.py SECONDS MS COMMAND...

Runs COMMAND (a Windows program under Wine: "wine program.exe ...") and, SECONDS after it
starts, holds the one thread of a Windows program under Wine that feeds its WASAPI stream still for MS
milliseconds, while every other thread of it (Wine's own timer among them) runs on: as a busy
machine holds a thread that it does not run. The thread is the program's own (named after the
program, not one of Wine's) that wakes most often, as the device's event wakes it every period.
It is held through ptrace (seized, interrupted, released), which stops that thread alone; the
program is this script's child, which a user may trace without privileges. Ends with the
program, with its status; says on stderr which thread it held."""
import ctypes
import os
import subprocess
import sys
import time

PTRACE_DETACH = 17
PTRACE_SEIZE = 0x4206
PTRACE_INTERRUPT = 0x4207
WALL = 0x40000000

libc = ctypes.CDLL(None, use_errno=True)
libc.ptrace.argtypes = [ctypes.c_long, ctypes.c_long, ctypes.c_void_p, ctypes.c_void_p]


def wake_ups(pid):
    """Each of the program's own threads and how often it has been switched out of its own will."""
    counts = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/comm") as comm:
                name = comm.read().strip()
            if name.startswith("wine") or name.startswith("winepulse"):
                continue
            with open(f"/proc/{pid}/task/{tid}/status") as status:
                for line in status:
                    if line.startswith("voluntary_ctxt_switches"):
                        counts[int(tid)] = int(line.split()[1])
        except OSError:
            pass  # a thread that ended meanwhile
    return counts


def sound_thread(pid):
    before = wake_ups(pid)
    time.sleep(1.0)
    after = wake_ups(pid)
    rates = {tid: after[tid] - before.get(tid, 0) for tid in after}
    return max(rates, key=rates.get)


def call(request, tid, data=0):
    if libc.ptrace(request, tid, None, ctypes.c_void_p(data)) != 0:
        errno = ctypes.get_errno()
        sys.exit(f"hold_sound_thread: ptrace {request} on {tid}: {os.strerror(errno)}")


def main():
    seconds, milliseconds = float(sys.argv[1]), float(sys.argv[2])
    program = subprocess.Popen(sys.argv[3:])
    time.sleep(seconds)
    if program.poll() is None:
        tid = sound_thread(program.pid)
        call(PTRACE_SEIZE, tid)
        call(PTRACE_INTERRUPT, tid)
        os.waitpid(tid, WALL)  # stopped
        time.sleep(milliseconds / 1000)
        call(PTRACE_DETACH, tid)
        print(f"hold_sound_thread: held thread {tid} for {milliseconds:g} ms", file=sys.stderr)
    sys.exit(program.wait())


if __name__ == "__main__":
    main()
