// Debian's Chromium and Firefox ESR, headless, driven by puppeteer-core (no browser of its
// own is downloaded), each with an empty profile of its own.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

// The browser a test file runs in: HAZAMA_BROWSER=chromium (the default) or firefox.
export const browserName = process.env.HAZAMA_BROWSER ?? 'chromium';

const CHROMIUM_ARGS = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  // A page in a headless window is always in front: its timers are never slowed.
  '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
];

// Firefox playing into a sound server of the test's own (lib/sound.mjs), through PulseAudio,
// and letting a page's audio start as soon as it asks.
const FIREFOX_SOUND_PREFS = {
  'media.cubeb.backend': 'pulse',
  'media.autoplay.default': 0,
  'media.autoplay.block-webaudio': false,
  'media.autoplay.blocking_policy': 0,
};

// `sound`: the environment that points the browser at a sound server (Firefox only).
export async function launch(name = browserName, { sound = null } = {}) {
  const profile = mkdtempSync(join(tmpdir(), `hazama-${name}-`));
  const browser = name === 'firefox'
    ? await puppeteer.launch({
      browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
      userDataDir: profile,
      ...(sound && { env: { ...process.env, ...sound }, extraPrefsFirefox: FIREFOX_SOUND_PREFS }),
    })
    : await puppeteer.launch({
      executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
      args: CHROMIUM_ARGS,
    });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A new page of 800 × 600, its errors gathered for the test to report.
export async function openPage(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') page.errors.push(message.text());
  });
  await page.goto(url);
  await page.waitForFunction(() => window.hazama?.phase === 'idle' || window.hazama?.phase === 'ended',
    { timeout: 60000 });
  return page;
}
