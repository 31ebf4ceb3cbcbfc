// What every browser test file starts with and leaves behind: the site served, the browser
// launched, and a folder of its own for the runner's files.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before } from 'node:test';
import { browserName, launch } from './browsers.mjs';
import { serveSite } from './site.mjs';
import { startSoundServer } from './sound.mjs';

// An object whose site, browser and folder are set before the file's tests and closed after.
// `sound`: Firefox plays into a sound server of the session's own; `here.silence` says why
// when it could not start (the browser then runs without one). Chromium needs none.
export function session({ sound = false } = {}) {
  const here = { silence: null };
  before(async () => {
    here.site = await serveSite();
    if (sound && browserName === 'firefox') {
      here.sound = await startSoundServer();
      here.silence = here.sound.failure ?? null;
    }
    here.browser = await launch(browserName, { sound: here.sound?.env });
    here.folder = mkdtempSync(join(tmpdir(), 'hazama-web-test-'));
  });
  after(async () => {
    try {
      await here.browser?.close();
    } finally {
      await here.sound?.stop?.();
    }
    here.site?.server.close();
    if (here.folder) rmSync(here.folder, { recursive: true, force: true });
  });
  return here;
}
