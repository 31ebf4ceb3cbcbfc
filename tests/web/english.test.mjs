// English in the message line: the module lays each line out by the core's rules, measured
// with the page's Latin face, and the page draws the lines it is given. Speech wraps into lines
// no wider than the message line, those after the first hang after the speaker's name, and no
// line is broken before it had to be.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { browserName, openPage } from './lib/browsers.mjs';
import { settle } from './lib/driver.mjs';
import { session } from './lib/session.mjs';

const WIDTH = 513;  // the message line's
const SPEECHES = 2;  // wrapped speeches to look at (the opening has two)
const LINES = 60;    // at most, before giving up

const here = session();

// The message line as drawn: its lines, the indent of each, and the measures the layout
// depends on, taken with the page's own face.
const drawn = (page) => page.evaluate(() => {
  const label = document.getElementById('labmain');
  const face = window.hazama;
  const size = parseFloat(label.style.fontSize);
  const measure = (text) => face.measureEnglish(text, size);
  const lines = Array.from(label.querySelectorAll('.line'), (line) => ({
    text: line.textContent, indent: parseFloat(line.style.paddingLeft || '0'),
    width: measure(line.textContent),
  }));
  const text = label.textContent;
  const name = text.match(/^([^:“”]+: )“.*”$/s)?.[1] ?? '';
  // For each break: the width the line would have had with the next line's first word.
  const longer = lines.slice(1).map((line, k) => measure(`${lines[k].text} ${line.text.split(' ')[0]}`));
  return { english: label.classList.contains('english'), text, lines, name,
    nameWidth: measure(name), longer };
});

test(`English speech wraps by the core's rules in ${browserName}`, async () => {
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual&lang=en`);
  await page.click('#comstart');
  const seen = [];
  for (let n = 0; n < LINES && seen.length < SPEECHES; n += 1) {
    const phase = await settle(page);
    if (phase !== 'line') break;
    const line = await drawn(page);
    assert.ok(line.english, `not laid out as English: ${line.text}`);
    for (const [k, part] of line.lines.entries()) {
      const room = k === 0 ? WIDTH : WIDTH - line.lines[k].indent;
      assert.ok(part.width <= room, `"${part.text}" is ${part.width} px in ${room}`);
      assert.equal(part.indent, k === 0 ? 0 : line.nameWidth, `indent of "${part.text}"`);
      if (k > 0) {
        const before = k === 1 ? WIDTH : WIDTH - line.nameWidth;
        assert.ok(line.longer[k - 1] > before, `"${line.lines[k - 1].text}" broken early`);
      }
    }
    assert.equal(line.lines.map((l) => l.text).join(' ').replace(/\s+/g, ' '),
      line.text.replace(/\s+/g, ' '));
    if (line.name !== '' && line.lines.length > 1) seen.push(line);
    if (seen.length < SPEECHES) await page.click('#labmain');
  }
  assert.equal(seen.length, SPEECHES, `only ${seen.length} wrapped speeches in ${LINES} lines`);
  await page.screenshot({ path: `${here.folder}/english.png` });
  if (process.env.HAZAMA_KEEP_SHOT) await page.screenshot({ path: process.env.HAZAMA_KEEP_SHOT });
  assert.deepEqual(page.errors, []);
  await page.close();
});
