// Static hosts that serve the site in their own ways: the module under a type other than
// application/wasm still starts the game; the module missing is told in plain words, not a blank
// page. The page asks for every text the game reads itself along with the index.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { request as get, createServer } from 'node:http';
import { join } from 'node:path';
import { test } from 'node:test';
import { browserName } from './lib/browsers.mjs';
import { assertFirstScenePlays } from './lib/driver.mjs';
import { session } from './lib/session.mjs';
import { siteFolder } from './lib/site.mjs';

const here = session();

// A host in front of the site's server that answers hazama.wasm with `wasm(response)` and
// hands every other request on.
async function host(wasm) {
  const server = createServer((request, response) => {
    if (new URL(request.url, 'http://localhost').pathname === '/hazama.wasm') {
      wasm(response);
      return;
    }
    get(new URL(request.url, here.site.url), (inner) => {
      response.writeHead(inner.statusCode, inner.headers);
      inner.pipe(response);
    }).end();
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { server, url: `http://localhost:${server.address().port}/` };
}

test(`a host that serves the module as plain bytes starts the game in ${browserName}`, async () => {
  const bytes = readFileSync(join(siteFolder, 'hazama.wasm'));
  const { server, url } = await host((response) => {
    response.writeHead(200, { 'Content-Type': 'application/octet-stream' });
    response.end(bytes);
  });
  try {
    const page = await here.browser.newPage();
    await page.goto(`${url}?clock=virtual`);
    await assertFirstScenePlays(page);
    await page.close();
  } finally {
    server.close();
  }
});

test(`the module missing is told in ${browserName}`, async () => {
  const { server, url } = await host((response) => {
    response.writeHead(404, { 'Content-Type': 'text/plain' });
    response.end('not found\n');
  });
  try {
    const page = await here.browser.newPage();
    await page.goto(url);
    const notice = await page.waitForFunction(() => {
      const box = document.getElementById('notice');
      return !box.hidden && box.textContent;
    }, { timeout: 60000 });
    const text = await notice.jsonValue();
    assert.match(text, /ゲームを始められません/);
    assert.match(text, /hazama\.wasm: 404/);
    await page.close();
  } finally {
    server.close();
  }
});

test('the page asks for the texts the game reads along with the index', () => {
  const { texts } = JSON.parse(readFileSync(join(siteFolder, 'files.json'), 'utf8'));
  const page = readFileSync(join(siteFolder, 'index.html'), 'utf8');
  const preloaded = [...page.matchAll(/<link rel="preload" href="([^"]*)" as="fetch"/g)]
    .map((m) => m[1]).filter((name) => name !== 'hazama.wasm' && name !== 'files.json');
  assert.ok(texts.length > 0);
  assert.deepEqual(preloaded, texts);
});
