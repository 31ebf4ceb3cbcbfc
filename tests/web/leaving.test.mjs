// The automatic slot when a tab is closed or reloaded at once, with no time for the browser's
// storage: continued from the title, the game is back at the line the reader left, with its
// picture. What a closed tab left that cannot be read changes nothing.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { browserName, openPage } from './lib/browsers.mjs';
import { Driver, settle } from './lib/driver.mjs';
import { session } from './lib/session.mjs';

const here = session();

const line = (page) => page.$eval('#labmain', (label) => label.textContent);

test(`reloaded right after a line, continue goes back to it in ${browserName}`, async () => {
  const page = await openPage(here.browser, `${here.site.url}?clock=virtual`);
  // What a closed tab left, unreadable: the game starts as ever.
  await page.evaluate(() => localStorage.setItem('hazama-ready-slot', '{"path": 3'));
  await page.reload();
  await page.waitForFunction(() => window.hazama?.phase === 'idle', { timeout: 60000 });
  const driver = new Driver(page);
  await driver.perform('new');
  // The third line after the move, well after the arrival the automatic slot was written at.
  await page.click('#commove');
  assert.equal(await settle(page), 'chooser');
  await driver.choose('1');
  for (let i = 0; i < 2; i += 1) {
    assert.equal(await settle(page), 'line');
    await driver.release();
  }
  assert.equal(await settle(page), 'line');
  const waiting = await line(page);
  const picture = await driver.screenDigest();
  assert.ok(waiting.length > 0);

  await page.reload();
  await page.waitForFunction(() => window.hazama?.phase === 'idle', { timeout: 60000 });
  await page.keyboard.press('F9');
  assert.equal(await settle(page), 'line');
  assert.equal(await line(page), waiting);
  assert.equal(await driver.screenDigest(), picture);
  assert.deepEqual(page.errors, []);
  await page.close();
});
