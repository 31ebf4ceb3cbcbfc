#!/usr/bin/env python3
"""Writes the reading copy of the story: every line a player can see, in story order.

    reading_copy.py BUILD_DIR [ASSETS_DIR] [--lang ja|en] [--output FILE]

Plays tests/story/walkthrough.txt with BUILD_DIR/hazama-story and prints its messages in
order, under a heading for each act. Then it walks every place a player can stand while
the story waits at each step (moving about without setting the story forward) and tries
look and talk there; a line that only those reach is set after the first walkthrough
command from which the player can walk to where it is said, marked with the place and the
command, and so are the walkthrough's own look and talk when they leave the story where it
was. Without --lang it writes both copies, the Japanese to BUILD_DIR/read/story_trace.txt
and the English to BUILD_DIR/read/story_trace_en.txt; ASSETS_DIR defaults to BUILD_DIR.
"""
import argparse
import pathlib
import subprocess

ROOT = pathlib.Path(__file__).resolve().parents[2]
WALKTHROUGH = ROOT / 'tests/story/walkthrough.txt'

PLACES = {
    'ja': {
        1: '飛沫の家の前', 2: '通学路', 3: 'あの家の前の道', 4: '飛沫の家の食卓', 5: '教室',
        6: 'あの家の玄関', 7: 'あの家の廊下', 8: 'あの家の奥', 9: '光の射し込む部屋',
        10: '飛沫の部屋', 11: '星を見る建物', 12: '建物の屋根の上', 14: '見知らぬ夜道',
    },
    'en': {
        1: 'In front of Shibuki’s house', 2: 'The way to school', 3: 'The road by the house',
        4: 'The dining table at home', 5: 'The classroom', 6: 'The door of the house',
        7: 'The hallway of the house', 8: 'Further in', 9: 'The sunlit room',
        10: 'Shibuki’s room', 11: 'The building for the stars', 12: 'The roof of the building',
        14: 'An unfamiliar road at night',
    },
}
COMMANDS = {'ja': {'look': '見る', 'talk': '話す'}, 'en': {'look': 'Look', 'talk': 'Talk'}}
TITLE = {
    'ja': ['ハザマ　読み合わせ用テキスト', '（本編の全メッセージを物語の順に。'
           '〔場所・見る／話す〕は、その場所でコマンドを選んだときだけ読める文）'],
    'en': ['Hazama: reading copy', '(Every message of the story in story order. '
           '[Place: Look/Talk] marks a line read only when that command is chosen there.)'],
}
ASIDE = {'ja': '〔{}・{}〕', 'en': '[{}: {}]'}
# The acts, each from the story value a command starts with: the first week of November,
# December and January, February to the morning after the results, and the last two days.
ACTS = (
    (0, '第一幕　十一月', 'Act One: November'),
    (26, '第二幕　十二月から一月', 'Act Two: December and January'),
    (31, '第三幕　二月、入試、合格', 'Act Three: February, the exam, the results'),
    (40, '第四幕　開かない扉', 'Act Four: The door that will not open'),
)
STATE_KEYS = ('game', 'position', 'light', 'x00')


def act_of(game):
    """The act (1 to 4) of a command that starts with the story value `game`."""
    return sum(1 for start, _, _ in ACTS if game >= start)


def run(runner, assets, script, lang='ja'):
    """The runner's trace split into commands: [(command, [trace lines])]."""
    done = subprocess.run([str(runner), '--assets', str(assets), '--lang', lang, '-'],
                          input=script, capture_output=True, text=True, encoding='utf-8',
                          check=True)
    steps = []
    for line in done.stdout.splitlines():
        if line.startswith('> '):
            steps.append((line[2:], []))
        elif steps:
            steps[-1][1].append(line)
    return steps


def state_of(lines):
    """The (game, position, light, x00) a command left, from its closing state line."""
    fields = dict(f.split('=', 1) for f in lines[-1].split()[1:])
    return tuple(int(fields[k]) for k in STATE_KEYS)


def messages(lines):
    return [line[len('message '):] for line in lines if line.startswith('message ')]


def set_line(state):
    return 'set ' + ' '.join(f'{k}={v}' for k, v in zip(STATE_KEYS, state)) + ' f00=0'


def reachable(runner, assets, starts, ending):
    """Every standing state reached by moves that keep the story step (the value stays and
    no scene plays) from the {state: step} starts, each with the earliest walkthrough step
    that leads there."""
    origin = dict(starts)
    frontier = list(starts)
    while frontier:
        tries = [(s, b) for s in frontier for b in range(3) if (s, b) not in ending]
        script = 'new\n' + ''.join(f'{set_line(s)}\nmove {b}\n' for s, b in tries)
        steps = [step for step in run(runner, assets, script)[1:] if step[0].startswith('move')]
        frontier = []
        for (before, _), (_, lines) in zip(tries, steps):
            after = state_of(lines)
            # A move that plays a scene is a story step even where the value stays.
            quiet = after[0] == before[0] and not messages(lines)
            if quiet and origin[before] < origin.get(after, float('inf')):
                origin[after] = origin[before]
                frontier.append(after)
    return origin


def block(text):
    return text.replace('\\n', '\n') + '\n'


def walkthrough_messages(runner, assets, lang='ja'):
    """[(act, message)] of the walkthrough, each message in the act of its command."""
    game, out = 0, []
    for _, lines in run(runner, assets, WALKTHROUGH.read_text(encoding='utf-8'), lang):
        out.extend((act_of(game), m) for m in messages(lines))
        if lines and lines[-1].startswith('state'):
            game = state_of(lines)[0]
    return out


def reading_copy(runner, assets, lang):
    """The reading copy's text and its two counts (story messages, aside messages)."""
    walk = run(runner, assets, WALKTHROUGH.read_text(encoding='utf-8'), lang)
    shown = {m for _, lines in walk for m in messages(lines)}
    # Where the player stands after each walkthrough command (None when it left no state).
    states = [state_of(lines) if lines and lines[-1].startswith('state') else None
              for _, lines in walk]
    starts = {}
    for step, state in enumerate(states):
        if state is not None and state not in starts:
            starts[state] = step

    # The move that ends the game leaves nothing to probe after it.
    ending = set()
    previous = None
    for (command, _), now in zip(walk, states):
        if now is None:
            continue
        if command.startswith('move') and now[1] == 15:
            ending.add((previous, int(command.split()[1])))
        previous = now

    places, verbs = PLACES[lang], COMMANDS[lang]
    origin = reachable(runner, assets, starts, ending)
    probes = [(s, c) for s in sorted(origin) if s[1] in places for c in verbs]
    script = 'new\n' + ''.join(f'{set_line(s)}\n{c}\n' for s, c in probes)
    answers = [step for step in run(runner, assets, script, lang)[1:] if step[0] in verbs]

    # What only look or talk shows, one command's lines together, after the first
    # walkthrough command from which the player can walk to where it is said.
    extra = {}
    for (state, command), (_, lines) in zip(probes, answers):
        if state_of(lines)[0] != state[0]:
            continue  # the command played a story event: the walkthrough has its lines
        texts = tuple(t for t in messages(lines) if t not in shown)
        # Ordered by numbers and command names, not by the words shown, so both
        # languages set the same asides in the same order.
        place = (origin[state], state[1], command)
        if texts and (texts not in extra or place < extra[texts]):
            extra[texts] = place
    seen_text = set()
    for texts in sorted(extra, key=extra.get):
        if all(t in seen_text for t in texts):
            del extra[texts]
        seen_text.update(texts)

    out = TITLE[lang] + ['']
    placed = set()
    previous = None
    act = 0
    for step, ((command, lines), now) in enumerate(zip(walk, states)):
        said = messages(lines)
        now_act = act_of(previous[0] if previous else 0)
        if said and now_act != act:
            act = now_act
            out.append('\n' + ACTS[act - 1][1 if lang == 'ja' else 2] + '\n')
        # The walkthrough's own look and talk that leave the story where it was are
        # asides like the others.
        if (said and now is not None and previous is not None and command in verbs
                and now[0] == previous[0] and now[1] in places):
            out.append(ASIDE[lang].format(places[now[1]], verbs[command]) + '\n' +
                       '\n'.join(block(t) for t in said))
        else:
            out.extend(block(t) for t in said)
        if now is None:
            continue
        previous = now
        for texts, (at, place, verb) in sorted(extra.items(), key=lambda e: e[1]):
            if at <= step and texts not in placed:
                placed.add(texts)
                out.append(ASIDE[lang].format(places[place], verbs[verb]) + '\n' +
                           '\n'.join(block(t) for t in texts))
    total = sum(len(messages(lines)) for _, lines in walk)
    return '\n'.join(out), total, sum(len(texts) for texts in placed)


def main():
    parser = argparse.ArgumentParser(description='Writes the reading copy of the story.')
    parser.add_argument('build', type=pathlib.Path)
    parser.add_argument('assets', type=pathlib.Path, nargs='?')
    parser.add_argument('--lang', choices=('ja', 'en'))
    parser.add_argument('--output', type=pathlib.Path)
    args = parser.parse_args()
    if args.output and not args.lang:
        parser.error('--output names one file: give --lang with it')
    runner = args.build / 'hazama-story'
    assets = args.assets or args.build
    for lang in [args.lang] if args.lang else ['ja', 'en']:
        name = 'story_trace.txt' if lang == 'ja' else 'story_trace_en.txt'
        output = args.output or args.build / 'read' / name
        text, total, only = reading_copy(runner, assets, lang)
        output.parent.mkdir(parents=True, exist_ok=True)
        output.write_text(text, encoding='utf-8')
        print(f'{output}: {total} story messages, {only} reached only by look or talk')


if __name__ == '__main__':
    main()
