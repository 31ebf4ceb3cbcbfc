// The same story in the browser: the whole walkthrough, played through the page's buttons,
// chooser and keys on the test mode's virtual clock, shows the runner's trace line for line,
// and at chosen points the scene's canvas holds the runner's snapshot pixel for pixel.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { test } from 'node:test';
import { browserName, openPage } from './lib/browsers.mjs';
import { Driver } from './lib/driver.mjs';
import { readPng } from './lib/png.mjs';
import { gameTrace, normaliseRoot, refusals, runStory, scriptCommands } from './lib/runner.mjs';
import { session } from './lib/session.mjs';
import { sourceFolder } from './lib/site.mjs';
import { compareScreens } from './lib/screens.mjs';

const walkthrough = scriptCommands(join(sourceFolder, 'tests/story/walkthrough.txt'));
// After these commands (counted from 1) the canvas is compared with the runner's snapshot:
// the title's first scene, scenes with figures, the night, and the last picture.
const SNAPSHOTS = [1, 9, 31, 57, 80, walkthrough.length - 2];

const here = session();

test(`the walkthrough in ${browserName}: the runner's trace and its snapshots`, async (t) => {
  const script = [];
  walkthrough.forEach((command, i) => {
    script.push(command);
    if (SNAPSHOTS.includes(i + 1)) script.push(`snapshot after-${i + 1}.png`);
  });
  const runner = runStory(script, { snapshots: here.folder });

  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const driver = new Driver(page);
  const screens = new Map();
  for (const [i, command] of walkthrough.entries()) {
    await driver.perform(command);
    if (SNAPSHOTS.includes(i + 1)) screens.set(i + 1, await driver.screen());
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

  for (const [after, pixels] of screens) {
    const expectedScreen = readPng(join(here.folder, `after-${after}.png`));
    const difference = compareScreens(expectedScreen.rgba, pixels);
    t.diagnostic(`after command ${after}: ${difference.summary}`);
    assert.equal(difference.pixels, 0, `after command ${after}: ${difference.summary}`);
  }
  assert.deepEqual(page.errors, []);
});
