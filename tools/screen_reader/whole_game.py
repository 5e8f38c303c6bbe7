#!/usr/bin/python3
"""One game by keyboard alone under Orca, printing what Orca said at each step: a board
typed in Design Puzzle, Start, a word built on the board and one typed, the warning and
the end, the score, a definition, Missed Words, the history, Look Up Word and the word
keys of the entry boxes. Run after start_session.sh and play.sh."""
import subprocess, time
from drive import ENV, key, spoken, step, typed


def keys(label, *pressed, wait=1.8):
    for one in pressed:
        step(f'{label} [{one}]', key(one, wait=wait))


spoken(0)
keys('timer options', 'ctrl+t', wait=2)
step('minutes [type 1]', typed('1'))
keys('to seconds', 'Tab')
step('seconds [type 0]', typed('0'))
keys('into the announcement choices', 'Tab', 'Up', 'Down')
keys('ok', 'Return', wait=2)
keys('design puzzle', 'ctrl+z', wait=2)
for letter in 'catshousdogemilk':
    subprocess.run(['xdotool', 'type', letter], env=ENV)
    subprocess.run(['xdotool', 'key', 'Tab'], env=ENV)
    # Slower than this and Orca, flooded, drops later news ("New board").
    time.sleep(0.4)
spoken(1)
keys('play puzzle', 'alt+p', wait=3)
keys('start', 'alt+s', wait=2)
keys('to the board', 'Tab', wait=2)
keys('board', 'space', 'Right', 'space', 'Right', 'space', 'Down', 'space', 'BackSpace', 'Up',
     'Return', 'Down', 'Down', 'Up')
keys('tab order', 'Tab', 'Tab', 'Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab')
step('word box [type dog cat]', typed('dog cat'))
keys('word box', 'ctrl+Left', 'ctrl+Left', 'ctrl+Right', 'Home', 'End', 'BackSpace', 'BackSpace',
     'BackSpace', 'BackSpace', 'Return')
step('the warning and the end', spoken(55))
keys('notice', 'Return', wait=2)
keys('check list', 'alt+c', wait=4)
keys('enter on a valid word', 'Return', wait=3)
keys('definition', 'Tab', 'Down', 'Down', 'Escape', wait=2)
keys('missed words', 'alt+m', wait=4)
keys('missed list', 'Down', 'Tab', 'Down', 'Tab', 'space', wait=2)
keys('close', 'Escape', 'Escape', wait=2)
keys('game history', 'alt+f', 'h', wait=4)
keys('history', 'Tab', 'Tab', 'Escape', wait=2)
keys('look up word', 'ctrl+l', wait=2)
step('look up [type dogs]', typed('dogs'))
keys('look up', 'ctrl+Left', 'ctrl+Right', 'Home', 'End', 'alt+d', wait=2)
keys('after the definition', 'Escape', 'ctrl+Left', 'End', 'Escape', wait=2)
