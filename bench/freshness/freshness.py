#!/usr/bin/env python3
"""Freshness: how soon the outside page ("Külső") shows what the controller holds, on loopback, offscreen: from
the app's start to its first value, and from a gate command the script sends to the open padlock on the screen
(bench/README.md, "Freshness", tells how). Prints medians and worst cases, with the time the model held the value
for comparison; exits with 2 when a goal is missed, 1 when a value never showed."""
import argparse, json, os, random, statistics, sys, time
import urllib.request

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests"))
from support.automation import Session  # noqa: E402

WAIT = (0.5, 4.0)  # seconds before each change, uniform
GIVE_UP = 30       # seconds to wait for a value on the screen
GATES = (1, 2)


def watch(session, began, shown, held):
    """Asks for the state as fast as the app answers until shown(state): seconds from `began` to that answer and
    to the first answer for which held(state) (the model)."""
    held_after = None
    while time.monotonic() - began < GIVE_UP:
        state = session.ask({"do": "state"})
        after = time.monotonic() - began
        if held_after is None and held(state):
            held_after = after
        if shown(state):
            return after, held_after if held_after is not None else after
    raise SystemExit(f"FAIL: not on the screen within {GIVE_UP} s")


def padlock(state, gate):
    """The gate's button picture: "locked", "open" or None (no such element yet)."""
    image = state["elements"].get(f"Kapu{gate}", {}).get("image")
    return {f"lakatbe{gate}.png": "locked", f"lakat{gate}ki.png": "open"}.get(image)


def label_shows(state, value):
    """The outside temperature label shows `value` (before the first reply it shows the model's empty 0.0)."""
    return value in state["elements"].get("KulsoTmpLabel", {}).get("text", "").split()


def first_values(session, runs, value):
    times = []
    for _ in range(runs):
        began = time.monotonic()
        session.start_app()
        times.append(watch(session, began, lambda s: s["model"]["ReplyCount"] > 0 and label_shows(s, value),
                           lambda s: s["model"]["KulsoTmp"] == value))
        assert session.quit_app() == 0, "the app did not quit cleanly"
    return times


def changes(session, count, seed, value):
    """Gate openings at random moments: (screen, model) seconds after each, and the app's poll interval."""
    chance, times, last = random.Random(seed), [], None
    waits = [chance.uniform(*WAIT) for _ in range(count)]
    session.start_app()
    watch(session, time.monotonic(), lambda s: s["model"]["ReplyCount"] > 0 and label_shows(s, value),
          lambda s: True)
    poll = session.ask({"do": "state"})["model"]["PollInterval"]
    for wait in waits:
        # A gate can show a change only while its button shows it locked (which it does only once it has
        # locked again at the controller); the wait starts then.
        watch(session, time.monotonic(), lambda s: "locked" in [padlock(s, g) for g in GATES], lambda s: True)
        time.sleep(wait)
        state = session.ask({"do": "state"})
        locked = [g for g in GATES if padlock(state, g) == "locked"]
        gate = next((g for g in locked if g != last), locked[0])
        began = time.monotonic()
        document = json.load(urllib.request.urlopen(f"{session.url}?dt=kapu:K{gate}", timeout=5))
        assert document[0][4 + gate][1] == "0", f"the controller did not open gate {gate}"
        times.append(watch(session, began, lambda s: padlock(s, gate) == "open",
                           lambda s: s["model"][f"Kapu{gate}Lakat"] is False))
        last = gate
    assert session.quit_app() == 0, "the app did not quit cleanly"
    return times, poll


def summary(times, worst, goal):
    screen, model = [t[0] for t in times], [t[1] for t in times]
    met = max(screen) <= goal
    return met, (f"screen median {statistics.median(screen):.2f} s, {worst} {max(screen):.2f} s; model median "
                 f"{statistics.median(model):.2f} s, {worst} {max(model):.2f} s; goal {goal:.1f} s: "
                 f"{'met' if met else 'missed'}\n  screen: " + " ".join(f"{t:.2f}" for t in screen))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "../../build-release"),
                        help="build folder with src/app/otthon and sim/otthon-controller (default build-release)")
    parser.add_argument("--runs", type=int, default=5, help="app starts for the first value (default 5)")
    parser.add_argument("--changes", type=int, default=20, help="gate openings (default 20)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the waits before the changes (default 1)")
    args = parser.parse_args()
    session = Session(args.build)
    try:
        session.start_controller("--steady")
        value = json.load(urllib.request.urlopen(session.url, timeout=5))[0][2][1]  # outside temperature
        started = first_values(session, args.runs, value)
        changed, poll = changes(session, args.changes, args.seed, value)
        session.stop_controller()
    finally:
        session.close()
    start_met, start_text = summary(started, "max", 0.3)
    change_met, change_text = summary(changed, "worst", poll + 0.3)
    print(f"start to first value ({args.runs} runs, outside temperature {value}): {start_text}")
    print(f"change to screen ({args.changes} gate openings, waits {WAIT[0]} to {WAIT[1]} s, seed {args.seed}): "
          f"{change_text}")
    return 0 if start_met and change_met else 2


if __name__ == "__main__":
    sys.exit(main())
