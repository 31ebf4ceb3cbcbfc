// The game's dialogs in the browser. The move chooser closed by its close box and by Escape.
// The save and load buttons: the file dialog lists the player's .hzm files kept in the
// browser's storage; a save made there survives the page being loaded again, holds what the
// runner's save at the same point holds, and loads as the runner loads it; names that would
// leave the folder and files that are not there are refused as on the desktop.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { browserName, openPage } from './lib/browsers.mjs';
import { Driver, settle } from './lib/driver.mjs';
import { gameTrace, normaliseRoot, runStory } from './lib/runner.mjs';
import { session } from './lib/session.mjs';

const PLAYER_FOLDER = '/home/web_user/.local/share/hazama';

const here = session();

// Answers the file dialog with `name`, and any message box with OK.
function answering(name, seen = []) {
  return async (phase, page) => {
    seen.push(phase);
    if (phase === 'message') {
      seen.push(await page.$eval('#message-text', (p) => p.textContent));
      await page.click('#message-ok');
    } else if (phase === 'file') {
      const listed = await page.$$eval('#file-list option', (options) => options.map((o) => o.value));
      seen.push(listed);
      if (listed.includes(name)) await page.select('#file-list', name);
      else await page.type('#file-name', name);
      await page.click('#file-ok');
    } else {
      throw new Error(`unexpected ${phase}`);
    }
  };
}

function storedFile(page, name) {
  return page.evaluate((path) => {
    const bytes = window.hazama.storage.FS.readFile(path);
    return Array.from(bytes);
  }, `${PLAYER_FOLDER}/${name}`);
}

// What the runner makes of a save file: the state it loads.
function loadedState(bytes) {
  const path = join(here.folder, `check-${Math.random().toString(36).slice(2)}.hzm`);
  writeFileSync(path, Uint8Array.from(bytes));
  return runStory([`load ${path}`]).filter((line) => line.startsWith('state '));
}

test(`the move chooser's close box and Escape in ${browserName}`, async () => {
  const runner = runStory(['new', 'move close', 'move 3', 'move 1']);
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const driver = new Driver(page);
  await driver.perform('new');
  await driver.perform('move close');
  // Escape is the chooser's 移動をやめる: she stays where she is.
  await page.click('#commove');
  assert.equal(await settle(page), 'chooser');
  await page.keyboard.press('Escape');
  assert.equal(await settle(page), 'idle');
  await driver.perform('move 1');
  const shown = (await driver.trace()).map((line) => normaliseRoot(line, '/hazama'));
  assert.deepEqual(shown, gameTrace(runner));
  assert.deepEqual(page.errors, []);
  await page.close();
});

// At home the chooser has two places: its third row is drawn as none, and Tab and the
// pointer pass it by.
test(`the chooser's empty row in ${browserName}`, async () => {
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const driver = new Driver(page);
  await driver.perform('new');
  await page.click('#commove');
  assert.equal(await settle(page), 'chooser');
  const look = (answer) => page.$eval(`#chooser [data-answer="${answer}"]`, (b) => {
    const style = getComputedStyle(b);
    return [b.textContent !== '', style.borderTopColor, style.backgroundColor, style.pointerEvents, b.tabIndex];
  });
  const [named, border, background, pointer, tab] = await look(2);
  assert.deepEqual([named, pointer, tab], [false, 'none', -1]);
  assert.equal(border, 'rgba(0, 0, 0, 0)');
  assert.equal(background, 'rgba(0, 0, 0, 0)');
  assert.notEqual((await look(1))[1], 'rgba(0, 0, 0, 0)');
  const focused = () => page.evaluate(() => document.activeElement.dataset.answer);
  assert.equal(await focused(), '0');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  assert.equal(await focused(), '3');
  await page.keyboard.press('Escape');
  assert.equal(await settle(page), 'idle');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test(`saving and loading in ${browserName}`, async () => {
  const runnerSave = join(here.folder, 'runner.hzm');
  const runner = runStory(['new', 'move 1', `save ${runnerSave}`]);

  let page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  let driver = new Driver(page);
  await driver.perform('new');
  await driver.perform('move 1');
  const seen = [];
  await driver.perform('save', { answer: answering('first', seen) });
  assert.deepEqual(seen, ['file', []], 'an empty folder at first');
  let shown = (await driver.trace()).map((line) => normaliseRoot(line, '/hazama'));
  assert.deepEqual(shown, gameTrace(runner));
  const saved = await storedFile(page, 'first.hzm');
  const expected = Array.from(readFileSync(runnerSave));
  assert.equal(saved.length, expected.length);
  assert.deepEqual(loadedState(saved), loadedState(expected));

  // Saving over it asks first; a name with a slash is refused in the dialog.
  await page.click('#comsave');
  await page.waitForSelector('#file-dialog[open]');
  await page.type('#file-name', '../outside');
  await page.click('#file-ok');
  assert.match(await page.$eval('#file-question', (p) => p.textContent), /使えません/);
  await page.$eval('#file-name', (input) => { input.value = ''; });
  await page.type('#file-name', 'first');
  await page.click('#file-ok');
  assert.match(await page.$eval('#file-question', (p) => p.textContent), /置き換えますか/);
  await page.click('#file-ok');
  assert.equal(await page.evaluate(() => window.hazama.settled()), 'idle');
  assert.deepEqual(await page.evaluate((dir) => window.hazama.storage.FS.readdir(dir), PLAYER_FOLDER)
    .then((names) => names.filter((n) => n.endsWith('.hzm'))), ['first.hzm']);
  assert.deepEqual(page.errors, []);
  await page.close();

  // Loaded again, the page finds the save in the browser's storage and loads it at the title.
  page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  driver = new Driver(page);
  const loading = [];
  await driver.perform('load', { answer: answering('first.hzm', loading) });
  assert.deepEqual(loading, ['file', ['first.hzm']]);
  shown = (await driver.trace()).map((line) => normaliseRoot(line, '/hazama'));
  const runnerLoad = runStory([`load ${runnerSave}`]);
  assert.deepEqual(shown, gameTrace(runnerLoad));

  // A file that is not there: the game's own words, and play goes on where it was.
  const missing = [];
  await driver.perform('load', { answer: answering('nothing', missing) });
  assert.deepEqual(missing.slice(0, 3), ['file', ['first.hzm'], 'message']);
  assert.equal(missing[3], '読み込みエラー');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test(`a picture the site cannot give in ${browserName}`, async () => {
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  // The game's folder names the picture in other letters: found ignoring case, as always, but
  // the site has no file of that name.
  await page.evaluate(() => {
    const { FS } = window.hazama.storage;
    FS.chmod('/hazama/gra', 0o755);
    FS.rename('/hazama/gra/title1.jpg', '/hazama/gra/TITLE1.JPG');
  });
  await page.click('#comstart');
  assert.equal(await settle(page), 'message');
  const text = await page.$eval('#message-text', (p) => p.textContent);
  assert.match(text, /画像ファイルを読み込めません: \/hazama\/gra\/TITLE1\.JPG/);
  assert.match(text, /404/);
  await page.click('#message-ok');
  assert.equal(await settle(page), 'ended');
  assert.equal(await page.$eval('#notice', (n) => n.textContent), text);
  await page.close();
});
