// Scenes in real time: the story set on its way on the virtual clock, then two places reached
// on the browser's own clock. The trace is still the runner's, each dissolve's frames come in
// order and never before they are due, and the last scene is the runner's. And the title
// screen, where nothing plays, wakes the game only for the waiting mark's timer.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { test } from 'node:test';
import { browserName, openPage } from './lib/browsers.mjs';
import { Driver } from './lib/driver.mjs';
import { readPng } from './lib/png.mjs';
import { gameTrace, normaliseRoot, runStory } from './lib/runner.mjs';
import { compareScreens } from './lib/screens.mjs';
import { session } from './lib/session.mjs';

const ON_THE_VIRTUAL_CLOCK = ['new'];
const IN_REAL_TIME = ['move 1', 'move 0'];

const here = session();

function percentile(values, p) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.floor(p * sorted.length))];
}

test(`dissolves in real time in ${browserName}`, async (t) => {
  const commands = [...ON_THE_VIRTUAL_CLOCK, ...IN_REAL_TIME];
  const runner = runStory([...commands, 'snapshot last.png'], { snapshots: here.folder });

  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const driver = new Driver(page);
  for (const command of ON_THE_VIRTUAL_CLOCK) await driver.perform(command);
  await page.evaluate(() => window.hazama.queue.post('clock real'));
  const started = await page.evaluate(() => window.hazama.trace.length);
  for (const command of IN_REAL_TIME) await driver.perform(command);

  const shown = (await driver.trace()).map((line) => normaliseRoot(line, '/hazama'));
  assert.deepEqual(shown, gameTrace(runner));

  const frames = await page.evaluate(() => window.hazama.frames);
  const fades = shown.map((line, i) => ({ line, i }))
    .filter(({ line, i }) => i >= started && line.startsWith('fade '));
  assert.ok(fades.length >= 2, 'each place is reached with a dissolve');
  const lateness = [];
  for (const { line, i } of fades) {
    const own = frames.filter((f) => f.line === i + 1);
    const duration = Number(line.split(' ')[1]);
    // A frame that is due before the dissolve's pictures are loaded is drawn at once.
    const timed = own.filter((f) => f.due >= 0);
    assert.ok(timed.length >= 2, `${line}: only ${timed.length} frames waited for`);
    for (const [k, frame] of timed.entries()) {
      assert.ok(frame.at >= frame.due, `${line}: frame ${k} came ${frame.due - frame.at} ms early`);
      if (k > 0) assert.ok(frame.due > timed[k - 1].due, `${line}: frame ${k} is not later`);
      lateness.push(frame.at - frame.due);
    }
    const span = timed.at(-1).due - timed[0].due;
    assert.ok(span <= duration, `${line}: its frames span ${span} ms`);
    t.diagnostic(`${line}: ${own.length} frames of 16, ${own.length - timed.length} drawn at once`);
  }
  t.diagnostic(`frames after their due time: median ${percentile(lateness, 0.5).toFixed(2)} ms, ` +
    `95th percentile ${percentile(lateness, 0.95).toFixed(2)} ms, ` +
    `largest ${Math.max(...lateness).toFixed(2)} ms`);

  const last = compareScreens(readPng(join(here.folder, 'last.png')).rgba, await driver.screen());
  assert.equal(last.pixels, 0, last.summary);
  assert.deepEqual(page.errors, []);
});

test(`the title screen sleeps in ${browserName}`, async (t) => {
  const page = await openPage(here.browser, `${here.site.url}?trace`);
  const counts = () => page.evaluate(() => {
    const { sleeps, yields } = window.hazama.queue;
    return { sleeps, yields };
  });
  const before = await counts();
  const started = Date.now();
  await new Promise((resolve) => setTimeout(resolve, 1500));
  const after = await counts();
  const seconds = (Date.now() - started) / 1000;
  const wakes = after.sleeps - before.sleeps;
  t.diagnostic(`${wakes} wake-ups in ${seconds.toFixed(2)} s at the title`);
  // Only the waiting mark's timer (every 300 ms) is due; a poll would wake it constantly.
  assert.ok(wakes <= Math.ceil(seconds * 1000 / 300) + 1, `${wakes} wake-ups`);
  assert.equal(after.yields - before.yields, 0, 'no yields without time');
  assert.deepEqual(page.errors, []);
  await page.close();
});
