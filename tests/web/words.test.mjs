// The page's own words in English. Under ?lang=en nothing the page itself says is Japanese:
// the quick-menu bar, the dialogs' buttons, the controls' names, the file dialog, the page's
// title, the notice once the game has ended, and the words of a browser it cannot play in.
// Switched in the settings, the page follows the language both ways.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { browserName, openPage } from './lib/browsers.mjs';
import { Driver, settle } from './lib/driver.mjs';
import { session } from './lib/session.mjs';

const here = session();

// Every Japanese word the page shows or names a control with, but for what the game itself
// writes there: the story's lines, the maker's notice, the staff roll, the history and the
// slots, and the language's choice in the settings, which names each language in its own
// words (as the desktop's does).
function japanese(page) {
  return page.evaluate(() => {
    const JAPANESE = /[\u3040-\u30ff\u3400-\u9fff\uff01-\uff5e]/;
    const games = '#labmain, #labcopy, #staff, #spoken, #history-lines, #slot-cards, noscript, '
      + '#setting-language, label[for="setting-language"]';
    const found = [];
    if (JAPANESE.test(document.title)) found.push(`title: ${document.title}`);
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      if (!node.parentElement.closest(games) && JAPANESE.test(node.data)) {
        found.push(`${node.parentElement.id || node.parentElement.tagName}: ${node.data.trim()}`);
      }
    }
    for (const element of document.body.querySelectorAll('*')) {
      if (element.closest(games)) continue;
      for (const name of ['aria-label', 'alt', 'title']) {
        const value = element.getAttribute(name);
        if (value && JAPANESE.test(value)) found.push(`${element.id || element.tagName} ${name}: ${value}`);
      }
    }
    return found;
  });
}

const bar = (page) => page.$$eval('#quick-bar button', (buttons) => buttons.map((b) => b.textContent));

test(`the page's words in English in ${browserName}`, async () => {
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual&lang=en`);
  assert.deepEqual(await japanese(page), [], 'at the title');
  assert.deepEqual(await bar(page), ['History', 'Auto', 'Skip', 'Save', 'Load', 'Quick save',
    'Quick load', 'Settings', 'Menu']);
  assert.equal(await page.title(), 'Hazama');
  assert.equal(await page.$eval('#question-yes', (b) => b.textContent), 'Yes');
  assert.equal(await page.$eval('#file-cancel', (b) => b.textContent), 'Cancel');

  await page.click('#comload');
  assert.equal(await settle(page), 'file');
  assert.equal(await page.$eval('#file-ok', (b) => b.textContent), 'Open');
  assert.deepEqual(await japanese(page), [], 'in the file dialog');
  await page.click('#file-cancel');
  assert.equal(await settle(page), 'idle');

  await page.click('[data-bar="settings"]');
  assert.equal(await settle(page), 'settings');
  assert.deepEqual(await japanese(page), [], 'on the settings screen');
  await page.keyboard.press('Escape');
  assert.equal(await settle(page), 'idle');

  // In a game, asked whether to go back to the title, and closed: the page's last words too.
  const driver = new Driver(page);
  await driver.perform('new');
  assert.deepEqual(await japanese(page), [], 'in a game');
  await page.click('[data-bar="settings"]');
  assert.equal(await settle(page), 'settings');
  await page.click('#settings-back-to-title');
  assert.equal(await settle(page), 'question');
  assert.deepEqual(await japanese(page), [], 'asked');
  await page.click('#question-no');
  assert.equal(await settle(page), 'idle');
  await page.evaluate(() => window.hazama.queue.post('close'));
  assert.equal(await settle(page), 'ended');
  assert.deepEqual(await japanese(page), [], 'once the game has ended');
  assert.match(await page.$eval('#notice', (n) => n.textContent), /reload this page/);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test(`the page follows the language chosen in the settings in ${browserName}`, async () => {
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const japaneseBar = await bar(page);
  assert.equal(japaneseBar[0], '履歴');
  await page.click('[data-bar="settings"]');
  assert.equal(await settle(page), 'settings');
  await page.select('#setting-language', 'en');
  assert.equal(await settle(page), 'settings');
  assert.equal((await bar(page))[0], 'History');
  assert.equal(await page.$eval('#quick-bar', (n) => n.getAttribute('aria-label')), 'Quick menu');
  assert.equal(await page.$eval('html', (h) => h.lang), 'en');
  await page.select('#setting-language', 'ja');
  assert.equal(await settle(page), 'settings');
  // Back as the page was written.
  assert.deepEqual(await bar(page), japaneseBar);
  assert.equal(await page.$eval('#question-no', (b) => b.textContent), 'いいえ');
  assert.equal(await page.title(), 'ハザマ');
  await page.close();
});

test(`a browser it cannot play in is told so in English in ${browserName}`, async () => {
  const page = await here.browser.newPage();
  await page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; });
  await page.goto(`${here.site.url}?lang=en`);
  await page.waitForFunction(() => !document.getElementById('notice').hidden, { timeout: 30000 });
  assert.equal(await page.$eval('#notice', (n) => n.textContent),
    'Hazama cannot be played in this browser: it needs WebAssembly.');
  await page.close();
});

// English asked for by the address is that visit's: the next visit without it says, even
// before the module runs, what it has to say in Japanese.
test(`an address's ?lang=en is not kept for the next visit in ${browserName}`, async () => {
  const english = await openPage(here.browser, `${here.site.url}?clock=virtual&lang=en`);
  assert.equal(await english.title(), 'Hazama');
  await english.close();
  const page = await here.browser.newPage();
  await page.evaluateOnNewDocument(() => {
    IDBFactory.prototype.open = () => { throw new DOMException('refused', 'SecurityError'); };
  });
  await page.goto(`${here.site.url}?clock=virtual`);
  await page.waitForFunction(() => window.hazama?.phase === 'idle', { timeout: 60000 });
  assert.match((await page.evaluate(() => window.hazama.toasts ?? [])).join('\n'), /保存領域を使えません/);
  await page.close();
});
