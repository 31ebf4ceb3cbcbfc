// Two tabs of the game at once. A slot saved in one shows in the other's slot screen without
// a reload: when the screen opens, and while it is open. Loaded there, it is the whole slot:
// the same line and the same picture.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { browserName, openPage } from './lib/browsers.mjs';
import { Driver, settle } from './lib/driver.mjs';
import { session } from './lib/session.mjs';

const here = session();

const cards = (page) => page.$$eval('#slot-cards .slot-card', (all) => all.map((c) => c.className));
const line = (page) => page.$eval('#labmain', (label) => label.textContent);

// Clicks what `selector` finds in the same turn of the page as it is found: the other tab's
// automatic slot, written whenever a tab goes to the background, draws a slot screen's tabs
// and cards again at any moment, and one looked up first and clicked after may be gone.
const pick = (page, selector) => page.$eval(selector, (element) => element.click());

// Saves in the card `index` of the save screen's first page, and closes the screen.
async function saveIn(page, index) {
  await page.keyboard.press('F6');
  assert.equal(await settle(page), 'slots');
  await page.click(`#slot-cards .slot-card:nth-child(${index + 1})`);
  assert.equal(await settle(page), 'slots');
  await page.click('#slot-close');
  assert.equal(await settle(page), 'line');
}

test(`a slot saved in one tab shows in the other's in ${browserName}`, async () => {
  const other = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const driver = new Driver(page);
  await driver.perform('new');
  await page.click('#comlook');
  assert.equal(await settle(page), 'line');
  const waiting = await line(page);
  const picture = await driver.screenDigest();
  await saveIn(page, 0);

  // Opened after the save: the slot is there. (A tab in the background is not drawn: the
  // one played in is brought to the front.)
  await other.bringToFront();
  await other.keyboard.press('F7');
  assert.equal(await settle(other), 'slots');
  await pick(other, '#slot-tabs [data-slot="page 1"]');
  assert.equal(await settle(other), 'slots');
  assert.deepEqual((await cards(other)).slice(0, 2), ['slot-card used', 'slot-card empty']);

  // Open while the other tab saves: its cards are read again.
  await page.bringToFront();
  await saveIn(page, 1);
  await other.bringToFront();
  await other.waitForFunction(
    () => document.querySelectorAll('#slot-cards .slot-card')[1]?.className === 'slot-card used',
    { timeout: 10000 });
  assert.equal(await other.$eval('#slot-cards .slot-card:nth-child(2)', (c) => !!c.querySelector('img')),
    true, 'the card shows the scene');
  // Picked at once: the other tab's automatic slot, written as it went to the background, may
  // draw the cards again at any moment.
  await other.$eval('#slot-cards', (list) => list.children[1].click());
  assert.equal(await settle(other), 'line');
  assert.equal(await line(other), waiting);
  assert.equal(await new Driver(other).screenDigest(), picture);
  assert.deepEqual([...page.errors, ...other.errors], []);
  await page.close();
  await other.close();
});

test(`a warning over the slot screen stays while another tab saves, in ${browserName}`, async () => {
  const other = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  await new Driver(page).perform('new');
  // A tab in the background is not drawn: each is brought to the front to be played in.
  await other.bringToFront();
  await new Driver(other).perform('new');
  // A slot that cannot be read, in the tab whose slot screen is open.
  await other.evaluate(() => window.hazama.storage.FS.writeFile(
    '/home/web_user/.local/share/hazama/saves/slot04.hzs', 'not a slot'));
  await other.keyboard.press('F7');
  assert.equal(await settle(other), 'slots');
  await pick(other, '#slot-tabs [data-slot="page 1"]');
  assert.equal(await settle(other), 'slots');
  assert.equal((await cards(other))[3], 'slot-card damaged');
  await pick(other, '#slot-cards .slot-card:nth-child(4)');
  assert.equal(await settle(other), 'message');

  // The other tab's save reads the cards again, but only once the warning is answered.
  await page.bringToFront();
  await page.click('#comlook');
  assert.equal(await settle(page), 'line');
  await saveIn(page, 2);
  await other.bringToFront();
  await other.waitForFunction(() => window.hazama.storage.takingIn === 0);
  assert.equal(await settle(other), 'message');
  assert.equal(await other.$eval('#message-text', (p) => p.textContent),
    'このセーブデータは読み込めません');
  await other.click('#message-ok');
  assert.equal(await settle(other), 'slots');
  assert.deepEqual((await cards(other)).slice(2, 4), ['slot-card used', 'slot-card damaged']);
  assert.deepEqual([...page.errors, ...other.errors], []);
  await page.close();
  await other.close();
});
