#!/usr/bin/python3
"""Plays whole games by keyboard alone, reading the window as a screen reader does.

Run by scripts/keyboard-game.sh, which starts a private X server, a session bus and
the accessibility bus, then this with the game binary. For each computer level it
starts the game, chooses the level, a quick game and the player's name with Tab,
the arrow keys and typing, then plays every turn with the play keys: digits and T
for numbers, + - * / for operators, R for the first result, Backspace, N to reach a
piece that can be taken, Enter to take it, P to pass. Everything it knows of the
game (numbers, pieces, results, scores, boxes) it reads through AT-SPI. Prints each
move and the final scores; exits non-zero when a game cannot be finished.
"""
import itertools
import os
import re
import subprocess
import sys
import time

import pyatspi

GAME = sys.argv[1]
LEVELS = sys.argv[2:] or ["Beginner", "Intermediate", "Expert"]
PIECE = re.compile(r"Piece (-?\d+), row (\d), column (\d), (free|taken)")
KEYS = {"+": "plus", "-": "minus", "*": "asterisk", "/": "slash"}


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name == "tallyfold":
            return a
    return None


def has(acc, state):
    return acc.getState().contains(state)


def windows():
    a = app()
    return [] if a is None else [a.getChildAtIndex(i) for i in range(a.childCount)]


def active():
    """The window that has the keyboard, as (title, object)."""
    for w in windows():
        if w is not None and has(w, pyatspi.STATE_ACTIVE):
            return w.name, w
    return None, None


def focused():
    _, w = active()
    for window in ([w] if w is not None else []) + windows():
        for acc in walk(window):
            if has(acc, pyatspi.STATE_FOCUSED):
                return acc.name
    return ""


def texts(w):
    return [acc.name for acc in walk(w) if acc.name]


def key(*names, window=None):
    # With no window manager nothing gives a window the focus when another opens or closes.
    title = window or active()[0] or "Tallyfold! ("
    pattern = "^" + re.escape(title) + ("" if title.endswith("(") else "$")
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                         capture_output=True, text=True).stdout.split()
    if ids:
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], capture_output=True)
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name])
        time.sleep(0.08)
    time.sleep(0.25)


def wait_for(predicate, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        try:
            value = predicate()
            if value:
                return value
        except Exception:  # the tree changes under us while a window opens or closes
            pass
        time.sleep(0.2)
    return None


def tab_to(names, limit=40):
    for _ in range(limit):
        if focused() in names:
            return focused()
        key("Tab")
    seen = []
    for _ in range(25):
        seen.append(focused())
        key("Tab")
    sys.exit(f"the focus never reached {names}; Tab gives {seen}")


def choose(group, wanted):
    """A radio button of a group: Tab into the group, the arrow keys to the button, Space."""
    tab_to(group)
    seen = {focused()}
    for _ in range(len(group) * 4):
        if focused() == wanted:
            key("space")
            return
        for step in ("Right", "Down", "Left", "Up"):
            key(step)
            if focused() not in seen:
                break
        seen.add(focused())
    sys.exit(f"could not choose {wanted}")


def shot(name):
    """With SHOTS set, the screen as a PNG in that folder."""
    if os.environ.get("SHOTS"):
        time.sleep(0.5)
        subprocess.run(["import", "-window", "root", os.path.join(os.environ["SHOTS"], name + ".png")])


def setup(level):
    wait_for(lambda: active()[0] == "Tallyfold! Game Setup") or sys.exit("no setup dialog")
    choose(["One Player", "Two Players"], "One Player")
    choose(["Quick", "Small", "Medium", "Large"], "Quick")
    choose(["Positive", "Negative", "Positive and Negative"], "Positive")
    choose(["Beginner", "Intermediate", "Expert"], level)
    _, w = active()
    words = {"Addition": "+", "Subtraction": "-", "Multiplication": "*", "Division": "/"}
    ops = [words[acc.name] for acc in walk(w) if acc.name in words and has(acc, pyatspi.STATE_CHECKED)]
    chosen = [acc.name for acc in walk(w) if acc.getRoleName() == "radio button" and has(acc, pyatspi.STATE_CHECKED)]
    print(f"  setup by keys: {', '.join(chosen)}; operators {' '.join(ops)}")
    shot("setup-" + level.lower())
    key("Return")
    return {"ops": ops, "positive": False}


def main_window():
    for w in windows():
        if w is not None and w.name.startswith("Tallyfold! ("):
            return w
    return None


def named(prefix):
    try:
        for acc in walk(main_window()):
            if acc.name.startswith(prefix):
                return acc.name
    except Exception:  # the window is changing under us
        pass
    return ""


def pieces():
    found = {}
    for acc in walk(main_window()):
        m = PIECE.match(acc.name)
        if m and m.group(4) == "free":
            found.setdefault(int(m.group(1)), []).append((int(m.group(2)), int(m.group(3))))
    return found


def apply(x, op, y, positive):
    if op == "+":
        r = x + y
    elif op == "-":
        r = x - y
    elif op == "*":
        r = x * y
    else:
        if y == 0 or x % y:
            return None
        r = x // y
    return None if positive and r < 0 else r


def candidates(numbers, ops, positive, free):
    """Key sequences for moves that reach a free piece, richest value first is not needed."""
    for a, b, c in set(itertools.permutations(numbers)):
        for o1, o2 in itertools.product(ops, repeat=2):
            r = apply(a, o1, b, positive)
            if r is None:
                continue
            for second in (("R", c), (c, "R")):
                x, y = (r if s == "R" else s for s in second)
                v = apply(x, o2, y, positive)
                if v in free:
                    digit = lambda n: "T" if abs(n) == 10 else str(abs(n))
                    keys = [digit(a), KEYS[o1], digit(b)]
                    keys += [("r" if s == "R" else digit(s)) for s in second[:1]]
                    keys += [KEYS[o2]] + [("r" if s == "R" else digit(s)) for s in second[1:]]
                    yield v, f"{a} {o1} {b} = {r}; {x} {o2} {y} = {v}", keys


def answer_boxes(log):
    """Closes any box over the main window with Enter; returns the texts it showed."""
    title, w = active()
    if w is None or title.startswith("Tallyfold! ("):
        return None
    shown = " / ".join(t for t in texts(w) if t not in ("OK", "Yes", "No", title))
    say(log, f"  box \"{title}\": {shown}")
    if title in ("Tallyfold! Game Setup", "All Moves"):
        return None if title == "All Moves" else title
    key("Escape" if title.endswith("Help") else "Return")
    return title


def say(log, line):
    print(line, flush=True)
    log.append(line)


def take():
    """N to the blinking piece, then Enter; returns the piece's name."""
    key("n")
    name = wait_for(lambda: focused().startswith("Piece") and focused(), 2) or focused()
    key("Return")
    return name


def play(level, options):
    log = []
    human_moves = computer_moves = 0
    while True:
        box = answer_boxes(log)
        if box == "Tallyfold! Game Setup":
            break
        if box:
            continue
        turn = named("Kiki's turn") or named("Computer's turn")
        if ". Numbers" not in turn:
            time.sleep(0.2)
            continue
        numbers = [int(n) for n in re.search(r"Numbers (-?\d+), (-?\d+) and (-?\d+)", turn).groups()]
        if turn.startswith("Computer"):
            choice = take()
            computer_moves += 1
            say(log, f"  computer {numbers}: takes {choice}")
            if computer_moves == 1 and os.environ.get("SHOTS"):
                key("ctrl+m")  # the move coach on the computer's move
                shot("coach-" + level.lower())
                key("Escape", window="All Moves")
                wait_for(lambda: active()[0] != "All Moves", 5)
            wait_for(lambda: named("Computer's turn") == "" or answer_boxes(log) is not None, 10)
            continue
        start = focused()
        free = pieces()


        made = False
        for value, equations, keys in candidates(numbers, options["ops"], options["positive"], free):
            key(*keys)
            if wait_for(lambda: named("Result: ") == f"Result: {value}"
                        and "Can be taken" in named("Kiki's turn"), 2):
                target = take()
                say(log, f"  Kiki {numbers} (focus at {start!r}): {equations}, takes {target}")
                made = True
                break
            key("BackSpace", "BackSpace", "BackSpace", "BackSpace")
        if not made:
            key("p")
            say(log, f"  Kiki {numbers}: passes")
        human_moves += 1
        wait_for(lambda: not named("Kiki's turn").startswith("Kiki's turn. Numbers")
                 or answer_boxes(log) is not None, 10)
    scores = [t for t in texts(main_window()) if re.match(r"(Kiki|Computer): -?\d+ points?", t)]
    return log, human_moves, computer_moves, scores


def run(level):
    env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb")
    game = subprocess.Popen([GAME], cwd=os.path.dirname(GAME), env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_for(lambda: active()[0] == "About...") or sys.exit("no splash")
        key("Return")
        options = setup(level)
        while wait_for(lambda: active()[0] and not active()[0].startswith("Tallyfold! ("), 3):
            _, w = active()
            if any(acc.name == "Player's name" for acc in walk(w)):
                tab_to(["Player's name"])
                key("ctrl+a", *list("Kiki"), "Return")
                print(f"  player chosen by typing in \"{w.name}\"")
            elif w.name.endswith("Help"):
                print("  the quick instructions closed by Escape")
                key("Escape")
            else:
                print(f"  box \"{w.name}\": {' / '.join(texts(w)[1:])}: Enter")
                key("Return")
        log, human, computer, scores = play(level, options)
        print(f"{level} ({' '.join(options['ops'])}): {human} moves by Kiki, {computer} by the computer; final {scores}")
        # Quit Game in the next game's setup, confirmed: the records are saved.
        tab_to(["Quit Game"])
        key("space")
        wait_for(lambda: active()[0] == "Confirmation", 5)
        key("Return")
        ended = wait_for(lambda: game.poll() is not None, 10)
        print(f"  Quit Game confirmed by keys: the program {'ended' if ended else 'did not end'}")
        return bool(scores) and bool(ended)
    finally:
        game.kill()
        game.wait()


ok = all([run(level) for level in LEVELS])
sys.exit(0 if ok else 1)
