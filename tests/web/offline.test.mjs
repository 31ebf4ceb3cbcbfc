// Offline and installable: after a first visit the service worker keeps every file of the
// site; with the server gone, a reload starts the game and a new game plays its first scene.
// The manifest names the game and an icon the site holds; no URL of the page is absolute.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { browserName, launch, openPage } from './lib/browsers.mjs';
import { assertFirstScenePlays } from './lib/driver.mjs';
import { serveSite, siteFolder } from './lib/site.mjs';

let site;
let browser;
before(async () => {
  site = await serveSite();
  browser = await launch();
});
after(async () => {
  await browser?.close();
  if (site.server.listening) site.server.close();
});

test(`the game starts with no network after a first visit in ${browserName}`, async () => {
  const page = await openPage(browser, `${site.url}?trace`);
  // The worker has kept every file once it controls the page.
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null,
    { timeout: 60000, polling: 200 });
  const kept = await page.evaluate(async () => {
    const { files } = await (await fetch('offline.json')).json();
    const names = (await caches.keys()).filter((name) => name.startsWith('hazama-'));
    const cache = await caches.open(names[0]);
    const missing = [];
    for (const name of files) if (!(await cache.match(name))) missing.push(name);
    return { caches: names.length, files: files.length, missing };
  });
  assert.equal(kept.caches, 1);
  assert.deepEqual(kept.missing, []);
  assert.ok(kept.files > 100, `only ${kept.files} files listed`);

  site.server.closeAllConnections();
  await new Promise((resolve) => site.server.close(resolve));
  await page.reload();
  await assertFirstScenePlays(page);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the manifest and the page name only files of the site, relatively', () => {
  const manifest = JSON.parse(readFileSync(join(siteFolder, 'manifest.webmanifest'), 'utf8'));
  assert.equal(manifest.display, 'fullscreen');
  assert.equal(manifest.orientation, 'landscape');
  assert.ok(manifest.name && manifest.short_name);
  for (const icon of manifest.icons) {
    assert.ok(readFileSync(join(siteFolder, icon.src)).length > 0, icon.src);
  }
  const page = readFileSync(join(siteFolder, 'index.html'), 'utf8');
  const urls = [...page.matchAll(/(?:src|href)="([^"]*)"/g)].map((m) => m[1]);
  const absolute = [manifest.start_url, manifest.scope, ...urls]
    .filter((url) => url.startsWith('/') || /^[a-z]+:/i.test(url));
  assert.deepEqual(absolute, []);
});
