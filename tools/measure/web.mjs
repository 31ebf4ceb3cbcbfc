// Measures the web edition in headless Chromium over localhost and prints each figure beside
// its goal: what is transferred before the title (gzip) and how soon it is drawn, cold and
// from the service worker; the whole site on the wire; a dissolve's frames on time; the
// wake-ups while a line waits, without and with music; the tab's memory while music plays;
// continuing from a slot of the walkthrough's last line, the page just loaded.
// The desktop's figures of the same run come from tools/measure/measure.py (web.sh runs both).
//   node --no-experimental-fetch tools/measure/web.mjs [SITE [PART...]]
// SITE: build-web/site unless given; PART: title, site, dissolve, waiting, continue (all unless
// named).
import { readFileSync, statSync } from 'node:fs';
import { loadavg } from 'node:os';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launch } from '../../tests/web/lib/browsers.mjs';
import { Driver, settle } from '../../tests/web/lib/driver.mjs';
import { scriptCommands } from '../../tests/web/lib/runner.mjs';
import { serve } from '../web/serve.mjs';

const site = resolve(process.argv[2] ?? 'build-web/site');
const parts = process.argv.length > 3 ? new Set(process.argv.slice(3)) : null;
const wanted = (part) => parts === null || parts.has(part);
const RUNS = 5;
const MB = 1024 * 1024;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const gzipped = (name) => gzipSync(readFileSync(join(site, name)), { level: 9 }).length;

function report(goal, measured, ok, how = '') {
  console.log(`  ${goal.padEnd(52)} ${measured.padEnd(30)} ${(ok ? 'ok' : 'MISSED').padEnd(7)} ${how}`);
}

// When the title's controls were first on screen, in ms from navigation: the frame after the
// page says the game waits at the title.
function watchTitle() {
  new MutationObserver((_, observer) => {
    if (document.body?.dataset.phase !== 'idle') return;
    observer.disconnect();
    requestAnimationFrame(() => { window.titleDrawnAt = performance.now(); });
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ['data-phase'] });
}

async function titlePage(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  await page.evaluateOnNewDocument(watchTitle);
  return page;
}

async function titleTime(page) {
  await page.waitForFunction(() => window.titleDrawnAt !== undefined, { timeout: 60000 });
  return page.evaluate(() => ({
    at: window.titleDrawnAt,
    files: performance.getEntriesByType('resource')
      .filter((entry) => entry.startTime <= window.titleDrawnAt)
      .map((entry) => new URL(entry.name).pathname.slice(1)),
  }));
}

async function beforeTheTitle(url) {
  console.log('before the title: a fresh profile each run, then a reload from the service worker');
  const cold = [];
  const warm = [];
  let bytes = 0;
  for (let run = 0; run < RUNS; ++run) {
    const browser = await launch('chromium');
    const page = await titlePage(browser, url);
    await page.goto(url);
    const first = await titleTime(page);
    cold.push(first.at);
    bytes = gzipped('index.html') + first.files.reduce((sum, name) => sum + gzipped(name), 0);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 60000 });
    await page.reload();
    warm.push((await titleTime(page)).at);
    await browser.close();
  }
  report('at most 1.5 MB transferred before the title (gzip)', `${(bytes / MB).toFixed(2)} MB`,
    bytes <= 1.5 * MB);
  report('title drawn within 400 ms of navigation, cold', `${median(cold).toFixed(0)} ms median`,
    median(cold) <= 400, `runs: ${cold.map((t) => t.toFixed(0)).join(' ')}`);
  report('within 200 ms from the service worker', `${median(warm).toFixed(0)} ms median`,
    median(warm) <= 200, `runs: ${warm.map((t) => t.toFixed(0)).join(' ')}`);
}

function wholeSite() {
  const { files } = JSON.parse(readFileSync(join(site, 'offline.json'), 'utf8'));
  const all = [...files, 'sw.js', 'offline.json'];
  const wire = all.reduce((sum, name) => sum + gzipped(name), 0);
  const raw = all.reduce((sum, name) => sum + statSync(join(site, name)).size, 0);
  report('whole site at most 10 MB on the wire', `${(wire / MB).toFixed(2)} MB gzip`,
    wire <= 10 * MB, `${(raw / MB).toFixed(2)} MB as files, ${all.length} files`);
}

async function dissolve(browser, url) {
  const page = await browser.newPage();
  await page.goto(`${url}?clock=virtual`);
  await page.waitForFunction(() => window.hazama?.phase === 'idle', { timeout: 60000 });
  const driver = new Driver(page);
  await driver.perform('new');
  await page.evaluate(() => window.hazama.queue.post('clock real'));
  const lateness = [];
  const waking = [];  // from the due time to the wait's end: the browser's timer and turns
  const drawing = [];  // from the wait's end to the canvas: the frame's own work
  for (const command of ['move 1', 'move 0', 'move 1', 'move 0']) {
    const from = await page.evaluate(() => window.hazama.frames.length);
    await driver.perform(command);
    const frames = await page.evaluate((n) => window.hazama.frames.slice(n), from);
    for (const frame of frames.filter((f) => f.due >= 0)) {
      lateness.push(frame.at - frame.due);
      waking.push(frame.woke - frame.due);
      drawing.push(frame.at - frame.woke);
    }
  }
  const late = lateness.filter((ms) => ms > 4).length;
  report('a dissolve: every frame within 4 ms of its due time',
    `largest ${Math.max(...lateness).toFixed(2)} ms`, late === 0,
    `${lateness.length} frames, median ${median(lateness).toFixed(2)} ms, ${late} over 4 ms; ` +
    `of it the wait's end median ${median(waking).toFixed(2)} (largest ${Math.max(...waking).toFixed(2)}), ` +
    `the frame's work median ${median(drawing).toFixed(2)} (largest ${Math.max(...drawing).toFixed(2)}) ms`);
  await page.close();
}

async function wakeUps(page, seconds) {
  const before = await page.evaluate(() => window.hazama.queue.sleeps);
  await new Promise((done) => setTimeout(done, seconds * 1000));
  return (await page.evaluate(() => window.hazama.queue.sleeps) - before) / seconds;
}

async function waitingAndMemory(browser, url) {
  const page = await browser.newPage();
  await page.goto(`${url}?trace`);
  await page.waitForFunction(() => window.hazama?.phase === 'idle', { timeout: 60000 });
  const title = await wakeUps(page, 3);
  report('no CPU while a line waits without music', `${title.toFixed(1)} wake-ups/s`,
    title <= 1000 / 300 + 1, "the title: only the waiting mark's timer (every 300 ms) is due");
  await new Driver(page).perform('new');
  await page.waitForFunction(() => window.hazama.music.startedAt !== null, { timeout: 60000 });
  const playing = await wakeUps(page, 3);
  report('with music: no timer firing more than the watcher', `${playing.toFixed(1)} wake-ups/s`,
    playing <= 100 + 1000 / 300 + 2, 'the watcher asks every 10 ms: 100 a second');
  await new Promise((done) => setTimeout(done, 5000));
  const client = await page.createCDPSession();
  await client.send('Performance.enable');
  const { metrics } = await client.send('Performance.getMetrics');
  const heap = metrics.find((m) => m.name === 'JSHeapUsedSize').value;
  const wasm = await page.evaluate(() => window.hazama.module.HEAPU8.length);
  const synth = (await page.evaluate(() => window.hazama.music.heard())).synthMemory;
  const tab = heap + wasm + synth;
  report('tab memory (JS heap + WebAssembly) under 120 MB with music', `${(tab / MB).toFixed(1)} MB`,
    tab < 120 * MB, `JS heap ${(heap / MB).toFixed(1)}, the game's WebAssembly ${(wasm / MB).toFixed(1)}, ` +
    `the synthesizer's ${(synth / MB).toFixed(1)} MB`);
  await page.close();
}

// The walkthrough played on the virtual clock to its last line (all but its quit), saved there
// in a slot; then, each run, the page loaded afresh and continued from the title (F9): the
// time from the key to the frame after the line is on screen, and from the navigation.
async function continueFromSlot(browser, url) {
  const walkthrough = scriptCommands(resolve('tests/story/walkthrough.txt'));
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  await page.goto(`${url}?clock=virtual`);
  await page.waitForFunction(() => window.hazama?.phase === 'idle', { timeout: 60000 });
  const driver = new Driver(page);
  for (const command of walkthrough.filter((c) => c !== 'quit')) await driver.perform(command);
  const line = await page.$eval('#labmain', (label) => label.textContent);
  await page.keyboard.press('F6');
  await settle(page);
  await page.click('#slot-cards .slot-card');
  await settle(page);
  await page.click('#slot-close');
  await settle(page);
  const fromKey = [];
  const fromNavigation = [];
  for (let run = 0; run < RUNS; ++run) {
    await page.goto(`${url}?trace`);
    await page.waitForFunction(() => window.hazama?.phase === 'idle', { timeout: 60000 });
    const pressed = await page.evaluate(() => performance.now());
    await page.keyboard.press('F9');
    const shown = await page.evaluate((wanted) => new Promise((done) => {
      const check = () => {
        if (document.getElementById('labmain').textContent === wanted) done(performance.now());
        else requestAnimationFrame(check);
      };
      check();
    }), line);
    fromKey.push(shown - pressed);
    fromNavigation.push(shown);
  }
  report('continue from a slot of the last line: within 500 ms', `${median(fromKey).toFixed(0)} ms median`,
    median(fromKey) <= 500, `from F9 at the fresh title (${fromKey.map((t) => t.toFixed(0)).join(', ')}); ` +
    `${median(fromNavigation).toFixed(0)} ms from the navigation`);
  await page.close();
}

const { server, url } = await serve(site, 0);
try {
  const load = loadavg().map((n) => n.toFixed(2)).join(' ');
  console.log(`web edition, headless Chromium over localhost (${url}; load average ${load})`);
  if (wanted('title')) await beforeTheTitle(url);
  if (wanted('site')) wholeSite();
  const browser = await launch('chromium');
  try {
    if (wanted('dissolve')) await dissolve(browser, url);
    if (wanted('waiting')) await waitingAndMemory(browser, url);
    if (wanted('continue')) await continueFromSlot(browser, url);
  } finally {
    await browser.close();
  }
} finally {
  server.close();
}
