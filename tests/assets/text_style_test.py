#!/usr/bin/env python3
"""Holds the story text to docs/TEXT_STYLE.md: text_style_test.py SOURCE_DIR [RUNNER ASSETS]

Reads every string literal with Japanese in it from src/scenario and src/commands (adjacent
literals joined, as the compiler does) and fails on any spelling the sheet's table rules
out. The messages (every literal but the chooser's destination labels) must also close
with 。！？ or 」 (……。 where they trail off; a sentence carried over into the next
message breaks with …… and resumes with ……), keep …… and ―― in pairs, write an ellipsis
as one pair and no longer, keep bare silences (「……。」) to a few, and never start a line
with a closing mark or a particle that cannot begin a word. The words the sheet counts stay
within their number, and the boy never says だろ to press a point. Given the story runner
and its assets, it plays the walkthrough and holds each act to the sheet's counts.
"""
import pathlib
import re
import sys

LITERAL = r'"(?:[^"\\]|\\.)*"'
RUN = re.compile(r'(?:%s\s*)+' % LITERAL)
JAPANESE = re.compile(r'[\u3040-\u30ff\u4e00-\u9fff]')
ESCAPES = {'r': '\r', 'n': '\n', '"': '"', '\\': '\\'}

# What a line may not begin with (after a speech line's indent): closing marks, and kana
# that only ever follow a word: を, ん, small kana, the long-vowel mark, the quoting って,
# and a one-kana particle set off by a comma.
BAD_LINE_START = re.compile(r'^(?:[、。」』）！？ーんをぁぃぅぇぉっゃゅょ]|って|[はがにでとものへや]、)')
# A sentence that trails off still closes: ……。 and ……。」
CLOSINGS = ('。', '！', '？', '」')
# A message that is nothing but a silence, spoken or not; the sheet allows a few.
SILENCE = re.compile(r'^(?:[^「」。、]{1,5}「……。」|……。)$')
MOST_SILENCES = 5
# Two lines the game has always shown exactly as they stand, without a closing mark.
FIXED_LINES = {'建物は木でできていて、周りは広々としている', '美しい星空……'}
SPEECH = re.compile(r'^[^「」。、]{1,5}「')
# The boy's lines, named or (at the very end) a bare voice, and the だろ that presses.
BOYS_LINE = re.compile(r'^(?:少年)?「')
PRESSING = re.compile(r'だろ(?:。|？|う？)')
# A narration sentence told in the past: 〜た。 and 〜んだ。/〜いだ。 (読んだ, 泳いだ).
PAST = re.compile(r'(?:た|[んい]だ)[」』]?。$')


def unescape(literal):
    return re.sub(r'\\(.)', lambda m: ESCAPES.get(m.group(1), m.group(0)), literal[1:-1])


def texts(root):
    """Yields (place, text, is_message) for each Japanese literal run in the story code."""
    files = sorted((root / 'src/scenario').glob('*.cpp')) + sorted(
        (root / 'src/commands').glob('*.cpp'))
    for path in files:
        source = path.read_text(encoding='utf-8')
        for run in RUN.finditer(source):
            text = ''.join(unescape(lit) for lit in re.findall(LITERAL, run.group(0)))
            if not JAPANESE.search(text):
                continue
            line = source.count('\n', 0, run.start()) + 1
            # The chooser's labels are short names, not messages.
            is_message = path.name != 'destinations.cpp'
            yield f'{path.relative_to(root)}:{line}', text, is_message


def ruled_out(sheet):
    """The sheet's spelling table: (pattern, the form to write) for each ruled-out form."""
    rules = []
    in_table = False
    for row in sheet.read_text(encoding='utf-8').splitlines():
        if row.startswith('| Write'):
            in_table = True
            continue
        if not row.startswith('|'):
            in_table = False
        if not in_table:
            continue
        # A | inside a pattern is written \| so that it does not end the cell.
        cells = [c.strip().replace('\\|', '|') for c in re.split(r'(?<!\\)\|', row[1:-1])]
        if len(cells) < 2 or set(cells[0]) <= set('-: '):
            continue
        for pattern in re.findall(r'`([^`]+)`', cells[1]):
            rules.append((re.compile(pattern), cells[0]))
    return rules


def counted_table(sheet, header):
    """{row label: [numbers]} of the sheet's table whose first cell starts with `header`."""
    rows, inside = {}, False
    for row in sheet.read_text(encoding='utf-8').splitlines():
        if row.startswith('| ' + header):
            inside = True
            continue
        if not row.startswith('|'):
            inside = False
        cells = [c.strip() for c in row.strip('|').split('|')]
        if inside and not set(cells[0]) <= set('-: '):
            rows[cells[0]] = [int(c) for c in cells[1:] if c.isdigit()]
    return rows


def inner(text):
    """What is said, without the speaker's name and its bracket."""
    speech = SPEECH.match(text)
    return text[speech.end():] if speech else text.lstrip('「')


def narration_sentences(text):
    """The sentences of a narration message (speech, a bare voice and captions have none)."""
    if SPEECH.match(text) or text.startswith('「') or not re.search('[ぁ-ん]', text):
        return []
    return re.findall(r'[^。！？]+[。！？]', text.replace('\r\n', ''))


def act_counts(messages):
    """{act: (ellipsis pairs, messages opening with ……, past narration %)}."""
    counts = {}
    for act in sorted({a for a, _ in messages}):
        said = [t for a, t in messages if a == act]
        sentences = [s for t in said for s in narration_sentences(t)]
        past = sum(1 for s in sentences if PAST.search(s))
        counts[act] = (sum(t.count('……') for t in said),
                       sum(1 for t in said if inner(t).startswith('……')),
                       round(100 * past / max(1, len(sentences))))
    return counts


def walkthrough_faults(root, runner, assets, sheet):
    """Each act of the walkthrough against the sheet's per-act counts."""
    sys.path.insert(0, str(root / 'tools/story'))
    import reading_copy
    messages = [(a, t.replace('\\n', '\r\n'))
                for a, t in reading_copy.walkthrough_messages(runner, assets)]
    limits = counted_table(sheet, 'per act')
    if len(limits) != 3 or any(len(v) != 4 for v in limits.values()):
        return [f'the per-act counts of docs/TEXT_STYLE.md cannot be read: {limits}']
    if len(messages) < 500:
        return [f'only {len(messages)} messages in the walkthrough: the run is broken']
    faults = []
    counted = act_counts(messages)
    print('per act (pairs, openings, past %):',
          ', '.join(f'{act}: {found}' for act, found in counted.items()))
    for act, found in counted.items():
        for (label, most), count in zip(limits.items(), found):
            if count > most[act - 1]:
                faults.append(f'act {act}: {count} {label}, more than {most[act - 1]}')
    return faults


def message_faults(text, following):
    """What is wrong with one message; following is the next message in the same file."""
    faults = []
    # Checked before the caption test: a silence (「……。」) has no kana either.
    if re.search('…{4,}', text):
        faults.append('an ellipsis longer than one pair (a silence is ……)')
    if not re.search('[ぁ-ん]', text):
        return faults  # a caption such as the date card
    # A sentence may run on into the next message: …… at the break and again after it.
    carried_over = text.endswith('……') and following.startswith('……')
    if not text.endswith(CLOSINGS) and not carried_over and text not in FIXED_LINES:
        faults.append('does not close with 。！？ or 」 (a trailing …… takes 。)')
    for mark in ('…', '―'):
        for run in re.findall(f'{mark}+', text):
            if len(run) % 2:
                faults.append(f'a lone {mark} (write {mark * 2})')
    if re.search(r'\.\.\.|・・・|‥|—|─', text):
        faults.append('an ellipsis or dash other than …… and ――')
    lines = text.split('\r\n')
    speech = re.match(r'^[^「」。、]{1,5}「', lines[0])
    for number, line in enumerate(lines[1:], start=2):
        body = line[len(speech.group(0)):] if speech else line
        if BAD_LINE_START.search(body):
            faults.append(f'line {number} starts with {body[:2]!r}')
    # A word broken off by the next speaker or by herself ends in ―― and takes no 。.
    if speech and not re.search('(?:[。！？]|――)」$', text):
        faults.append('speech does not close with 。」, ！」, ？」 or ――」')
    if speech and text.count('「') != text.count('」'):
        faults.append('unpaired 「」')
    if BOYS_LINE.match(text) and PRESSING.search(text):
        faults.append('the boy presses with だろ')
    return faults


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else '.').resolve()
    rules = ruled_out(root / 'docs/TEXT_STYLE.md')
    found = list(texts(root))
    problems = []
    if len(rules) < 20:
        problems.append(f'only {len(rules)} ruled-out forms read from docs/TEXT_STYLE.md')
    if sum(is_message for _, _, is_message in found) < 500:
        problems.append(f'only {len(found)} messages found: the scan is broken')
    for index, (place, text, is_message) in enumerate(found):
        shown = text.replace('\r\n', '⏎')
        for pattern, write in rules:
            if pattern.search(text):
                problems.append(f'{place}: {pattern.pattern!r}, write {write}: {shown}')
        if is_message:
            following = found[index + 1] if index + 1 < len(found) else ('', '', False)
            same_file = following[0].split(':')[0] == place.split(':')[0]
            faults = message_faults(text, following[1] if same_file else '')
            problems.extend(f'{place}: {fault}: {shown}' for fault in faults)
    silences = [place for place, text, is_message in found if is_message and SILENCE.match(text)]
    if len(silences) > MOST_SILENCES:
        problems.append(f'{len(silences)} silences (「……。」), more than {MOST_SILENCES}: '
                        + ', '.join(silences))
    words = counted_table(root / 'docs/TEXT_STYLE.md', 'word')
    if len(words) < 4:
        problems.append(f'only {len(words)} counted words read from docs/TEXT_STYLE.md')
    for word, (most,) in words.items():
        count = sum(text.count(word) for _, text, is_message in found if is_message)
        if count > most:
            problems.append(f'{word} {count} times, more than {most}')
    if len(sys.argv) > 3:
        runner, assets = pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
        problems.extend(walkthrough_faults(root, runner, assets, root / 'docs/TEXT_STYLE.md'))
    else:
        print('the walkthrough is not counted: no story runner given')
    for problem in problems:
        print(problem)
    print(f'{len(found)} texts, {len(rules)} ruled-out forms, {len(problems)} problems')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
