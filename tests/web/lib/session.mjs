// What every browser test file starts with and leaves behind: the site served, the browser
// launched, and a folder of its own for the runner's files.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before } from 'node:test';
import { launch } from './browsers.mjs';
import { serveSite } from './site.mjs';

// An object whose site, browser and folder are set before the file's tests and closed after.
export function session() {
  const here = {};
  before(async () => {
    here.site = await serveSite();
    here.browser = await launch();
    here.folder = mkdtempSync(join(tmpdir(), 'hazama-web-test-'));
  });
  after(async () => {
    await here.browser?.close();
    here.site?.server.close();
    if (here.folder) rmSync(here.folder, { recursive: true, force: true });
  });
  return here;
}
