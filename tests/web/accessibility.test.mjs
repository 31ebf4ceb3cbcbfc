// The page for a screen reader. Every control shown, on the stage, the quick-menu bar and
// each of the game's screens (chooser, file dialog, menu, slots, settings, history), has a
// name. Each line that waits reaches the live region once, in order, in the game's own words:
// the same words said again (looked at twice) are told again, and a line appearing letter
// by letter is told once, whole.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { browserName, openPage } from './lib/browsers.mjs';
import { Driver, settle } from './lib/driver.mjs';
import { runStory } from './lib/runner.mjs';
import { session } from './lib/session.mjs';

const here = session();

// The controls shown whose name a screen reader would find empty.
function unnamed(page) {
  return page.evaluate(() => {
    const controls = 'button, input, select, [role^="menuitem"], [role="tab"], [role="option"]';
    const name = (element) => {
      const label = element.getAttribute('aria-label');
      if (label) return label;
      const by = element.getAttribute('aria-labelledby');
      if (by) return by.split(' ').map((id) => document.getElementById(id)?.textContent ?? '').join(' ');
      if (element.labels?.length) return Array.from(element.labels, (l) => l.textContent).join(' ');
      if (element.closest('label')) return element.closest('label').textContent;
      return element.textContent || element.title || '';
    };
    return Array.from(document.querySelectorAll(controls))
      .filter((element) => element.getClientRects().length > 0 && element.type !== 'hidden')
      .filter((element) => name(element).trim() === '')
      .map((element) => element.outerHTML.slice(0, 120));
  });
}

// Where Chromium's accessibility tree can be read: its focusable nodes with no name.
async function unnamedInTree(page) {
  if (browserName !== 'chromium') return [];
  const tree = await page.accessibility.snapshot({ interestingOnly: true });
  const roles = new Set(['button', 'checkbox', 'combobox', 'textbox', 'menuitem',
    'menuitemcheckbox', 'tab', 'option', 'listbox', 'dialog', 'menu', 'navigation']);
  const missing = [];
  const walk = (node) => {
    if (roles.has(node.role) && !node.name?.trim()) missing.push(node.role);
    node.children?.forEach(walk);
  };
  walk(tree);
  return missing;
}

async function checkNames(page, where) {
  assert.deepEqual(await unnamed(page), [], `${where}: controls without a name`);
  assert.deepEqual(await unnamedInTree(page), [], `${where}: nodes without a name`);
}

// Every line told in the live region, as the trace writes it.
function watchSpoken(page) {
  return page.evaluate(() => {
    window.spokenLines = [];
    new MutationObserver((changes) => {
      for (const change of changes) {
        for (const node of change.addedNodes) window.spokenLines.push(node.textContent);
      }
    }).observe(document.getElementById('spoken'), { childList: true });
  });
}
const spoken = (page) => page.evaluate(() => window.spokenLines.map((l) => l.replaceAll('\n', '\\n')));
const messages = (lines) => lines.filter((l) => l.startsWith('message ')).map((l) => l.slice(8));

test(`every control has a name in ${browserName}`, async () => {
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const driver = new Driver(page);
  await checkNames(page, 'the title');
  await driver.perform('new');
  await checkNames(page, 'a game');
  await page.click('#commove');
  assert.equal(await settle(page), 'chooser');
  await checkNames(page, 'the chooser');
  await page.keyboard.press('Escape');
  assert.equal(await settle(page), 'idle');

  const screens = [
    ['menu', '#menu:not([hidden])', 'idle'], ['save', '#slot-screen[open]', 'slots'],
    ['settings', '#settings-screen[open]', 'settings'], ['history', '#history:not([hidden])', 'idle'],
  ];
  for (const [bar, shown, phase] of screens) {
    await page.click(`#quick-bar [data-bar="${bar}"]`);
    assert.equal(await settle(page), phase, bar);
    await page.waitForSelector(shown);
    await checkNames(page, bar);
    await page.keyboard.press('Escape');
    assert.equal(await settle(page), 'idle', `${bar} closed`);
  }
  await page.click('#comsave');
  assert.equal(await settle(page), 'file');
  await checkNames(page, 'the file dialog');
  await page.click('#file-cancel');
  assert.equal(await settle(page), 'idle');
  // The message line is no live region of its own: the lines are told once, in #spoken.
  assert.equal(await page.$eval('#labmain', (l) => l.getAttribute('aria-live') ?? l.getAttribute('role')), null);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test(`each line reaches the live region once, in order, in ${browserName}`, async () => {
  const commands = ['new', 'move 1', 'look', 'look', 'talk', 'move 0'];
  const runner = messages(runStory(commands));
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  await watchSpoken(page);
  const driver = new Driver(page);
  for (const command of commands) await driver.perform(command);
  assert.deepEqual(await spoken(page), runner);
  assert.ok(runner.some((line) => line.includes('――')), 'a line with the dash, told as written');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test(`a line appearing letter by letter is told once, whole, in ${browserName}`, async () => {
  const runner = messages(runStory(['new'])).slice(0, 3);
  // In real time, the letters appearing on the clock.
  const page = await openPage(here.browser, `${here.site.url}?trace`);
  await page.click('#quick-bar [data-bar="settings"]');
  assert.equal(await settle(page), 'settings');
  await page.select('#setting-text_speed', 'fast');
  await page.keyboard.press('Escape');
  assert.equal(await settle(page), 'idle');
  await watchSpoken(page);
  await page.click('#comstart');
  for (let told = 1; told <= runner.length; told += 1) {
    await page.waitForFunction((n) => window.spokenLines.length >= n, { timeout: 60000 }, told);
    await page.click('#labmain');
  }
  assert.deepEqual(await spoken(page), runner);
  assert.ok((await driverTrace(page)).some((line) => /^reveal \d+\/\d+/.test(line)),
    'the lines appeared letter by letter');
  assert.deepEqual(page.errors, []);
  await page.close();
});

const driverTrace = (page) => page.evaluate(() => window.hazama.trace);
