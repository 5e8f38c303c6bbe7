#!/usr/bin/python3
"""Keys to the game under Orca (start_session.sh, play.sh) through xdotool, and what Orca
said after each: import it and call step(label, key(...)) or step(label, typed(...))."""
import os, re, subprocess, time

CHECK_DIR = os.environ.get('CHECK_DIR', '/tmp/tolvane-screen-reader')
DEBUG = os.path.join(CHECK_DIR, 'orca.debug')


def _environment():
    environment = dict(os.environ)
    with open(os.path.join(CHECK_DIR, 'env.sh')) as lines:
        for line in lines:
            for name, value in re.findall(r"(\w+)=('[^']*'|\S+)", line.replace('export ', '')):
                environment[name] = value.strip("'")
    return environment


ENV = _environment()
_read_up_to = os.path.getsize(DEBUG)


def spoken(wait=1.5):
    """What Orca spoke since the last call, after waiting `wait` seconds."""
    global _read_up_to
    time.sleep(wait)
    with open(DEBUG, errors='replace') as debug:
        debug.seek(_read_up_to)
        text = debug.read()
        _read_up_to = debug.tell()
    return re.findall(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|\n)", text)


def _xdotool(*arguments):
    subprocess.run(['xdotool', *arguments], env=ENV, check=True)
    time.sleep(0.1)


def key(*keys, wait=1.5):
    """Presses each key ("ctrl+Left"), holding its modifiers as a player does, so that
    Orca sees them held; returns what Orca said."""
    spoken(0)
    for pressed in keys:
        *modifiers, last = pressed.split('+')
        for modifier in modifiers:
            _xdotool('keydown', modifier)
        _xdotool('key', last)
        for modifier in reversed(modifiers):
            _xdotool('keyup', modifier)
    return spoken(wait)


def typed(text, wait=1.5):
    spoken(0)
    _xdotool('type', '--delay', '120', text)
    return spoken(wait)


def step(label, words):
    print(f'{label}: ' + ' | '.join(w for w in words if w.strip()), flush=True)
