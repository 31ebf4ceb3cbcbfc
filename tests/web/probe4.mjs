import puppeteer from 'puppeteer-core';
for (const [label, prefs, env] of [
  ['alsa-null', { 'media.cubeb.backend': 'alsa', 'media.autoplay.default': 0, 'media.autoplay.blocking_policy': 0 }, { ALSA_CONFIG_PATH: '/tmp/asound-null.conf' }],
  ['default', { 'media.autoplay.default': 0, 'media.autoplay.blocking_policy': 0 }, {}],
]) {
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
    extraPrefsFirefox: prefs, env: { ...process.env, ...env } });
  const page = await browser.newPage();
  await page.goto('data:text/html,<p>x</p>');
  const state = await page.evaluate(async () => {
    const c = new AudioContext(); await c.resume().catch(() => {});
    await new Promise((r) => setTimeout(r, 1500)); return [c.state, c.currentTime];
  });
  console.log(label, state);
  await browser.close();
}
