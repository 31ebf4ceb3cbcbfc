// Where the tests find the web site and the native build, and a server for the site.
import { existsSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../../tools/web/serve.mjs';

const source = resolve(dirname(fileURLToPath(import.meta.url)), '../../..');
export const siteFolder = process.env.HAZAMA_SITE ?? join(source, 'build-web', 'site');
export const nativeBuild = process.env.HAZAMA_NATIVE_BUILD ?? join(source, 'build');
export const sourceFolder = source;

// Serves the site on a free port; the caller closes the server.
export async function serveSite() {
  if (!existsSync(join(siteFolder, 'index.html')) || !existsSync(join(siteFolder, 'hazama.wasm'))) {
    throw new Error(`no web site in ${siteFolder}: build it (cmake --build build-web)`);
  }
  return serve(siteFolder, 0);
}
