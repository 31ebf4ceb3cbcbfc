// Where the time before the title goes, in headless Chromium over localhost: for a cold load
// (a fresh profile) and a reload from the service worker, the median over the runs of when
// each file was asked for and had arrived, when the module was compiled and instantiated,
// the page's own marks (web/js/boot.js) and the title drawn (as web.mjs decides it).
//   node --no-experimental-fetch tools/measure/web_title.mjs [SITE] [RUNS]
import { resolve } from 'node:path';
import { launch } from '../../tests/web/lib/browsers.mjs';
import { serve } from '../web/serve.mjs';

const site = resolve(process.argv[2] ?? 'build-web/site');
const RUNS = Number(process.argv[3] ?? 5);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// In the page before its first script: the title's moment (the frame after the page says the
// game waits at the title) and the module's compiling, whichever way the module is made.
function watch() {
  window.probe = [];
  const at = (name) => window.probe.push({ name, at: performance.now() });
  new MutationObserver((_, observer) => {
    if (document.body?.dataset.phase !== 'idle') return;
    observer.disconnect();
    at('idle set');
    requestAnimationFrame(() => { window.titleDrawnAt = performance.now(); });
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ['data-phase'] });
  for (const name of ['instantiateStreaming', 'instantiate', 'compileStreaming', 'compile']) {
    const original = WebAssembly[name];
    WebAssembly[name] = function (...args) {
      at(`${name} asked`);
      const made = original.apply(this, args);
      made.then(() => at(`${name} done`), () => at(`${name} failed`));
      return made;
    };
  }
  const open = indexedDB.open.bind(indexedDB);
  indexedDB.open = (...args) => {
    at(`storage ${args[0]} asked`);
    const request = open(...args);
    request.addEventListener('success', () => at(`storage ${args[0]} open`));
    return request;
  };
  document.addEventListener('DOMContentLoaded', () => {
    new MutationObserver((_, observer) => {
      observer.disconnect();
      at('the core set the title\'s notice');
    }).observe(document.getElementById('labcopy'), { childList: true, characterData: true, subtree: true });
  });
  document.fonts.addEventListener('loadingdone', (event) => {
    for (const face of event.fontfaces) at(`font ${face.family} loaded`);
  });
}

async function one(browser, url, reload) {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  await page.evaluateOnNewDocument(watch);
  await page.goto(url);
  if (reload) {
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 60000 });
    await page.reload();
  }
  await page.waitForFunction(() => window.titleDrawnAt !== undefined, { timeout: 60000 });
  await new Promise((done) => setTimeout(done, 300));
  const events = await page.evaluate(() => {
    const nav = performance.getEntriesByType('navigation')[0];
    const list = [
      { name: 'response of the page', at: nav.responseEnd },
      { name: 'DOMContentLoaded', at: nav.domContentLoadedEventEnd },
      ...window.probe,
      ...performance.getEntriesByType('mark').map((m) => ({ name: `mark ${m.name}`, at: m.startTime })),
      ...performance.getEntriesByType('paint').map((m) => ({ name: m.name, at: m.startTime })),
      { name: 'TITLE DRAWN', at: window.titleDrawnAt },
    ];
    for (const r of performance.getEntriesByType('resource')) {
      if (r.startTime > window.titleDrawnAt) continue;
      const file = new URL(r.name).pathname.slice(1);
      list.push({ name: `${file} asked`, at: r.startTime });
      list.push({ name: `${file} arrived`, at: r.responseEnd });
    }
    return list;
  });
  await page.close();
  return events;
}

async function series(url, reload) {
  const runs = [];
  for (let run = 0; run < RUNS; ++run) {
    const browser = await launch('chromium');
    try {
      runs.push(await one(browser, url, reload));
    } finally {
      await browser.close();
    }
  }
  const names = new Map();
  for (const events of runs) {
    for (const { name, at } of events) {
      if (!names.has(name)) names.set(name, []);
      if (names.get(name).length < runs.indexOf(events) + 1) names.get(name).push(at);
    }
  }
  const rows = [...names].map(([name, values]) => ({ name, at: median(values), seen: values.length }));
  rows.sort((a, b) => a.at - b.at);
  for (const { name, at, seen } of rows) {
    console.log(`  ${at.toFixed(1).padStart(7)} ms  ${name}${seen < runs.length ? ` (${seen} of ${runs.length} runs)` : ''}`);
  }
}

const { server, url } = await serve(site, 0);
try {
  const load = (await import('node:os')).loadavg().map((n) => n.toFixed(2)).join(' ');
  console.log(`${site}: ${RUNS} runs each, medians (load average ${load})`);
  console.log('cold (a fresh profile):');
  await series(url, false);
  console.log('from the service worker (the reload):');
  await series(url, true);
} finally {
  server.close();
}
