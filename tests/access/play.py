#!/usr/bin/python3
# A whole game played through the accessibility bus alone, as a screen
# reader's user plays it: the buttons found by their names and pressed by
# their action, a pair typed into the letter boxes found by their names, the
# solution read as it changes, and the closing message read at the end.
import subprocess
import sys
import time

import pyatspi


def fail(why):
    print("FAIL: " + why)
    print("0 passed, 1 failed")
    sys.exit(1)


def wait(what, find, seconds=60):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    fail("no " + what)


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name.lower() == "cipherly":
            return a
    return None


def descendant(root, role, name):
    def match(x):
        try:
            return x.getRoleName() == role and x.name == name and x.getState().contains(pyatspi.STATE_SHOWING)
        except Exception:
            return False
    try:
        return pyatspi.findDescendant(root, match)
    except Exception:
        return None


def press(root, name):
    button = wait("button '%s'" % name, lambda: descendant(root, "push button", name))
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("'%s' cannot be pressed: %s" % (name, names))
    action.doAction(names.index("Press"))


def focus(control):
    # The keys go where the focus is once the control says it has it.
    control.queryComponent().grabFocus()
    wait("focus on the letter box",
         lambda: control if control.getState().contains(pyatspi.STATE_FOCUSED) else None)


def key(sym):
    pyatspi.Registry.generateKeyboardEvent(sym, None, pyatspi.KEY_SYM)
    time.sleep(0.15)


game = wait("game on the bus (there: %s)" % [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None], app)
title = wait("title page", lambda: descendant(game, "frame", "Cipherly - Encryption Word Game"))
press(title, "Continue")
lobby = wait("lobby", lambda: descendant(app(), "frame", "Cipherly") if descendant(app(), "push button", "Solve a Random Quote On-Screen") else None)
print("-- the lobby: its buttons are named")
press(lobby, "Solve a Random Quote On-Screen")
scrambled = wait("scrambled quote", lambda: descendant(lobby, "text", "Scrambled quote"))
solution = wait("solution", lambda: descendant(lobby, "text", "Solution so far"))
text = scrambled.queryText().getText(0, -1)
letter = next((c for c in text if "A" <= c <= "Z"), None)
if letter is None:
    fail("no scrambled letter in '%s'" % text)
before = solution.description
print("-- a pair typed: %s stands for Q" % letter)
box = wait("first letter box", lambda: descendant(lobby, "text", "Scrambled letter"))
# On a bare X server nothing gives the window the keyboard; a desktop would.
subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^ Cipherly$", "windowfocus", "--sync"],
               check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
focus(box)
key(ord(letter.lower()))
key(ord("q"))
wait("the solution told as changed", lambda: solution if "Q" in solution.description else None)
if "blank" not in solution.description:
    fail("unknown letters are not read as blank: " + solution.description)
print("   the solution reads: " + solution.description[:60] + "...")
# Taken back with a space, so the hints can finish the quote.
focus(box)
key(ord(letter.lower()))
key(ord(" "))
wait("the pair taken back", lambda: solution if solution.description == before else None)
print("-- hints until the quote is complete")
message = None
end = time.time() + 120
while time.time() < end:
    finished = descendant(lobby, "push button", "Finished, Return (Esc)")
    if finished is not None and finished.description.startswith("Congratulations!"):
        message = finished.description
        break
    # Once the quote is complete the hint button goes, and the message follows.
    if descendant(lobby, "push button", "Hint (F4)") is not None:
        press(lobby, "Hint (F4)")
    time.sleep(0.2)
if not message:
    fail("no closing message was heard")
print("   heard: " + message)
if "using" not in message or "hints!" not in message:
    fail("the closing message is not the design's: " + message)
press(lobby, "Finished, Return (Esc)")
wait("the list again", lambda: descendant(lobby, "push button", "Solve a Random Quote On-Screen"))
press(lobby, "Quit")
question = wait("quit question", lambda: next((q for role in ("alert", "dialog") for name in ("Confirm", "Quit Cipherly?")
                                              for q in [descendant(app(), role, name)] if q is not None), None))
press(question, "Yes")
end = time.time() + 60
while time.time() < end and app() is not None:
    time.sleep(0.2)
if app() is not None:
    fail("the game did not end")
print("1 passed, 0 failed")
