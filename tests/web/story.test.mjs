// The same story in the browser: the whole walkthrough, played through the page's buttons,
// chooser and keys on the test mode's virtual clock, shows the runner's trace line for line,
// and after every command the scene's canvas holds the runner's snapshot pixel for pixel.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { join } from 'node:path';
import { test } from 'node:test';
import { browserName, openPage } from './lib/browsers.mjs';
import { Driver, settle } from './lib/driver.mjs';
import { readPng } from './lib/png.mjs';
import { gameTrace, normaliseRoot, refusals, runStory, scriptCommands } from './lib/runner.mjs';
import { session } from './lib/session.mjs';
import { sourceFolder } from './lib/site.mjs';
import { compareScreens } from './lib/screens.mjs';

const sha256 = (bytes) => createHash('sha256').update(bytes).digest('hex');
const walkthrough = scriptCommands(join(sourceFolder, 'tests/story/walkthrough.txt'));

const here = session();

test(`the walkthrough in ${browserName}: the runner's trace and its snapshots`, async (t) => {
  // After every command the scene is compared with the runner's (but after quitting).
  const script = walkthrough.flatMap((command, i) =>
    command === 'quit' ? [command] : [command, `snapshot after-${i + 1}.png`]);
  const runner = runStory(script, { snapshots: here.folder });

  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const driver = new Driver(page);
  const differing = [];
  for (const [i, command] of walkthrough.entries()) {
    await driver.perform(command);
    if (command === 'quit') continue;
    const expectedScreen = readPng(join(here.folder, `after-${i + 1}.png`)).rgba;
    if ((await driver.screenDigest()) !== sha256(expectedScreen)) {
      // Told by how much, where the page does not show the runner's scene.
      const difference = compareScreens(expectedScreen, await driver.screen());
      differing.push(`after command ${i + 1} (${command}): ${difference.summary}`);
    }
  }

  const expected = gameTrace(runner);
  const shown = (await driver.trace()).map((line) => normaliseRoot(line, '/hazama'));
  const first = shown.findIndex((line, i) => line !== expected[i]);
  assert.equal(first === -1 && shown.length === expected.length, true,
    `the traces part at line ${first + 1} of ${expected.length}:\n` +
    `  runner:  ${expected[first]}\n  browser: ${shown[first]}`);
  assert.deepEqual(driver.refused, refusals(runner));
  assert.ok(driver.lines > 600, `only ${driver.lines} lines were read`);
  t.diagnostic(`${browserName}: ${shown.length} trace lines equal, ${driver.lines} lines read`);

  assert.deepEqual(differing, []);
  t.diagnostic(`the scene after each of the ${walkthrough.length - 1} commands before quitting: ` +
    'the runner\'s, pixel for pixel');
  assert.deepEqual(page.errors, []);
});

// Going a line back and forward again, as the runner's step back and step forward do: back
// from the prompt to the last line shown, then forward to the prompt. `back` and `forward`
// act on the page.
async function stepBackAndForward(back, forward) {
  const runner = runStory(['new', 'look', 'step back', 'step forward']);
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const driver = new Driver(page);
  await driver.perform('new');
  await driver.perform('look');
  await back(page);
  assert.equal(await settle(page), 'line');
  await forward(page);
  assert.equal(await settle(page), 'idle');
  const expected = gameTrace(runner).filter((line) => !line.startsWith('replay to message'));
  const shown = (await driver.trace()).map((line) => normaliseRoot(line, '/hazama'));
  assert.deepEqual(shown, expected);
  assert.deepEqual(page.errors, []);
  await page.close();
}

// Ctrl+Z and Ctrl+Y. (The chords come without a Control key of their own, which held on the
// virtual clock would skip.)
test(`Ctrl+Z and Ctrl+Y step through the lines seen in ${browserName}`, async () => {
  const chord = (key) => (page) => page.evaluate((k) => {
    const code = `Key${k.toUpperCase()}`;
    for (const type of ['keydown', 'keyup'])
      document.dispatchEvent(new KeyboardEvent(type, { key: k, code, ctrlKey: true, bubbles: true }));
  }, key);
  await stepBackAndForward(chord('z'), chord('y'));
});

// The wheel: tilted to the left, then turned down.
test(`the wheel steps back and forward through the lines seen in ${browserName}`, async () => {
  const turn = (deltaX, deltaY) => (page) => page.evaluate((x, y) => {
    document.getElementById('stage').dispatchEvent(new WheelEvent('wheel',
      { deltaX: x, deltaY: y, deltaMode: 0, bubbles: true, cancelable: true }));
  }, deltaX, deltaY);
  await stepBackAndForward(turn(-100, 0), turn(0, 100));
});
