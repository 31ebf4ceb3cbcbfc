// The game on a phone, held upright and sideways (the browser's device emulation: its size,
// pixel ratio and touch; Firefox takes the size and touch, not the phone's user agent). The
// whole stage fits, scaled to the most the screen allows beside the quick-menu bar, with no
// horizontal scroll; the bar is on screen and covers none of the stage. Fingers alone play the
// first scene: a tap starts a new game and goes on line by line, a tap on the bar opens and
// closes the history, a finger drawn down opens it, and a line tapped there is gone back to.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { KnownDevices } from 'puppeteer-core';
import { browserName } from './lib/browsers.mjs';
import { settle } from './lib/driver.mjs';
import { gameTrace, normaliseRoot, runStory } from './lib/runner.mjs';
import { session } from './lib/session.mjs';

const here = session();

async function openPhone(device) {
  const page = await here.browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.emulate(KnownDevices[device]);
  await page.goto(`${here.site.url}?clock=virtual`);
  await page.waitForFunction(() => window.hazama?.phase === 'idle', { timeout: 60000 });
  return page;
}

// Where the stage, its message line and the bar's buttons stand on the screen.
function layout(page) {
  return page.evaluate(() => {
    const box = (element) => {
      const r = element.getBoundingClientRect();
      return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
    };
    const stage = document.getElementById('stage');
    const message = document.getElementById('labmain');
    scrollBy(100, 0);
    return {
      width: innerWidth, height: innerHeight, scrollWidth: document.documentElement.scrollWidth,
      scrolled: scrollX, stage: box(stage), message: box(message),
      letters: parseFloat(getComputedStyle(message).fontSize) * message.getBoundingClientRect().height
        / message.offsetHeight,
      crisp: getComputedStyle(document.getElementById('screen')).imageRendering,
      bar: Array.from(document.querySelectorAll('#quick-bar button'), (b) => ({ name: b.dataset.bar, ...box(b) })),
    };
  });
}

const inside = (inner, outer) => inner.left >= outer.left - 0.5 && inner.top >= outer.top - 0.5
  && inner.right <= outer.right + 0.5 && inner.bottom <= outer.bottom + 0.5;
const apart = (a, b) => a.right <= b.left + 0.5 || b.right <= a.left + 0.5
  || a.bottom <= b.top + 0.5 || b.bottom <= a.top + 0.5;

async function swipe(page, selector, dx, dy) {
  const box = await (await page.$(selector)).boundingBox();
  const x = box.x + box.width / 2 - dx / 2;
  const y = box.y + box.height / 2 - dy / 2;
  await page.touchscreen.touchStart(x, y);
  await page.touchscreen.touchMove(x + dx / 2, y + dy / 2);
  await page.touchscreen.touchMove(x + dx, y + dy);
  await page.touchscreen.touchEnd();
}

for (const device of ['Pixel 5', 'iPhone 13 landscape']) {
  test(`the stage fits a ${device} in ${browserName}`, async () => {
    const page = await openPhone(device);
    const shown = await layout(page);
    const screen = { left: 0, top: 0, right: shown.width, bottom: shown.height };
    assert.ok(shown.scrollWidth <= shown.width && shown.scrolled === 0, 'no horizontal scroll');
    assert.ok(inside(shown.stage, screen), `the whole stage on screen: ${JSON.stringify(shown.stage)}`);
    // As large as the bar leaves room for: it meets the screen's edges one way.
    const wide = shown.stage.right - shown.stage.left;
    const high = shown.stage.bottom - shown.stage.top;
    const barRoom = Math.max(...shown.bar.map((b) => b.bottom)) - Math.min(...shown.bar.map((b) => b.top));
    assert.ok(wide >= shown.width - 80 || high >= shown.height - 1,
      `the stage as large as it can be: ${wide} × ${high} of ${shown.width} × ${shown.height} (bar ${barRoom})`);
    assert.ok(Math.abs(wide / high - 634 / 463) < 0.01, 'the stage keeps its shape');
    assert.equal(shown.crisp, 'pixelated');
    assert.ok(shown.letters >= 11, `the message line's letters ${shown.letters.toFixed(1)} px`);
    for (const button of shown.bar) {
      assert.ok(inside(button, screen), `${button.name} on screen`);
      assert.ok(apart(button, shown.stage), `${button.name} covers none of the stage`);
    }
    assert.deepEqual(shown.bar.map((b) => b.name).filter((n) =>
      ['history', 'auto', 'skip', 'save', 'load', 'settings'].includes(n)),
    ['history', 'auto', 'skip', 'save', 'load', 'settings']);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
}

test(`fingers alone play the first scene on a phone in ${browserName}`, async () => {
  const page = await openPhone('Pixel 5');
  await page.tap('#comstart');
  let phase = await settle(page);
  let lines = 0;
  while (phase === 'line') {
    await page.tap('#labmain');
    phase = await settle(page);
    lines += 1;
  }
  assert.equal(phase, 'idle');
  const trace = (await page.evaluate(() => window.hazama.trace)).map((l) => normaliseRoot(l, '/hazama'));
  assert.deepEqual(trace, gameTrace(runStory(['new'])));
  assert.ok(lines > 5, `${lines} lines tapped through`);

  // The bar's history button opens it and its close button closes it.
  await page.tap('#quick-bar [data-bar="history"]');
  await page.waitForSelector('#history:not([hidden])');
  const said = await page.$$eval('#history-lines li:not(.divider)', (l) => l.map((x) => x.textContent));
  assert.equal(said.length, lines);
  await page.tap('#history-close');
  assert.equal(await settle(page), 'idle');
  assert.equal(await page.$eval('#history', (h) => h.hidden), true);

  // A finger drawn down the scene opens the history; the line three back, tapped, and the
  // button to go back to it: the game stands at that line again.
  await swipe(page, '#picmain0', 0, 120);
  assert.equal(await settle(page), 'idle');
  await page.waitForSelector('#history:not([hidden])');
  const entries = await page.$$('#history-lines li:not(.divider):not(.refused)');
  const chosen = entries[entries.length - 3];
  const words = await chosen.evaluate((li) => li.textContent);
  await chosen.tap();
  assert.equal(await chosen.evaluate((li) => li.getAttribute('aria-selected')), 'true');
  await page.tap('#history-back');
  assert.equal(await settle(page), 'line');
  assert.equal(await page.$eval('#history', (h) => h.hidden), true);
  assert.equal(await page.$eval('#labmain', (l) => l.textContent.replaceAll('\r\n', '\n')), words);
  // Drawn to the right, a line further back.
  await swipe(page, '#picmain0', 120, 0);
  assert.equal(await settle(page), 'line');
  assert.equal(await page.$eval('#labmain', (l) => l.textContent.replaceAll('\r\n', '\n')),
    entries.length >= 4 ? await entries[entries.length - 4].evaluate((li) => li.textContent) : words);

  // The bar's auto button, pressed and pressed again.
  await page.tap('#quick-bar [data-bar="auto"]');
  await settle(page);
  assert.equal(await page.$eval('#quick-bar [data-bar="auto"]', (b) => b.getAttribute('aria-pressed')), 'true');
  await page.tap('#quick-bar [data-bar="auto"]');
  await settle(page);
  assert.equal(await page.$eval('#quick-bar [data-bar="auto"]', (b) => b.getAttribute('aria-pressed')), 'false');
  // The settings and the load screen open from the bar and close with a tap.
  for (const [bar, box, close] of [['settings', '#settings-screen', '#settings-close'],
    ['load', '#slot-screen', '#slot-close']]) {
    await page.tap(`#quick-bar [data-bar="${bar}"]`);
    await page.waitForSelector(`${box}[open]`);
    await page.tap(close);
    await settle(page);
    assert.equal(await page.$eval(box, (d) => d.open), false, `${bar} closed`);
  }
  assert.deepEqual(page.errors, []);
  await page.close();
});

// A slow finger: resting on a history line makes no click, and still chooses it; drawn to the
// right across the stage it goes back a line and never takes the page back to where it came from.
test(`a resting finger chooses a history line and a swipe keeps the page in ${browserName}`, async () => {
  const page = await openPhone('Pixel 5');
  const left = [];
  page.on('framenavigated', (frame) => { if (frame === page.mainFrame()) left.push(frame.url()); });
  await page.tap('#comstart');
  for (let i = 0; i < 4 && await settle(page) === 'line'; i += 1) await page.tap('#labmain');
  await settle(page);
  await swipe(page, '#picmain0', 0, 120);
  await page.waitForSelector('#history:not([hidden])');
  const lines = await page.$$('#history-lines li:not(.divider):not(.refused)');
  const line = lines[lines.length - 2];
  const box = await line.boundingBox();
  await page.touchscreen.touchStart(box.x + box.width / 2, box.y + box.height / 2);
  await new Promise((resolve) => setTimeout(resolve, 1200));
  await page.touchscreen.touchEnd();
  assert.equal(await line.evaluate((li) => li.getAttribute('aria-selected')), 'true');
  await page.tap('#history-close');
  await settle(page);
  for (let i = 0; i < 3; i += 1) {
    await swipe(page, '#picmain0', 160, 0);
    await settle(page);
  }
  await new Promise((resolve) => setTimeout(resolve, 500));
  assert.deepEqual(left, [], 'the page was left');
  assert.deepEqual(page.errors, []);
  await page.close();
});
