#!/usr/bin/env python3
"""The whole program, started with tools/run.sh and used only through real
mouse and keyboard input (xdotool) on the virtual display run.sh opens.

After every step window_probe.exe (a console program of ours, run under Wine
in the program's prefix) reports what the window shows: title, controls,
list rows, browser view addresses, focus, clipboard. Rows are compared with
what the reference list service serves. A screenshot of the display is saved
after every step.

usage: end_to_end.py --root REPO --probe window_probe.exe --shots DIR
"""

import argparse
import signal
import sys
import time
from pathlib import Path

from e2e_session import Failure, Session
from e2e_steps import STEPS
from e2e_title_steps import STEPS as TITLE_STEPS


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--root", required=True, type=Path)
    parser.add_argument("--probe", required=True, type=Path)
    parser.add_argument("--shots", required=True, type=Path)
    parser.add_argument("--bits", required=True, type=int, choices=(32, 64))
    args = parser.parse_args()

    # A test time-out ends the run through the clean-up below.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("ended from outside"))
    started = time.monotonic()
    session = Session(args.root.resolve(), args.probe.resolve(), args.shots, args.bits)
    failed = None
    try:
        session.start()
        steps = STEPS[:-2] + TITLE_STEPS + STEPS[-2:]  # before resizing and closing
        for number, step in enumerate(steps, 1):
            name = step.__name__.replace("_", "-")
            session.step = f"{number:02d}-{name}"
            step_started = time.monotonic()
            try:
                facts = step(session)
            except Failure as failure:
                session.screenshot(f"{session.step}-failed")
                failed = f"step {session.step}: {failure}"
                break
            print(f"step {session.step}: ok ({time.monotonic() - step_started:.1f} s)"
                  + (f": {facts}" if facts else ""), flush=True)
            if step is not steps[-1]:  # after the last, the display is gone
                session.screenshot(session.step)
    except Failure as failure:
        failed = f"start: {failure}"
    finally:
        session.end()
    print(f"run time {time.monotonic() - started:.1f} s; screenshots in {args.shots}")
    if failed:
        print(f"FAILED {failed}", file=sys.stderr)
        print("run.sh said:\n" + session.run_output(), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
