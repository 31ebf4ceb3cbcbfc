// A small static web server for the web edition's site: serves one folder on localhost.
//   node tools/web/serve.mjs SITE_FOLDER [PORT]    (port 0: any free one; it prints the URL)
import { createServer } from 'node:http';
import { createReadStream } from 'node:fs';
import { stat } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.json': 'application/json; charset=utf-8', '.wasm': 'application/wasm',
  '.woff2': 'font/woff2', '.jpg': 'image/jpeg', '.gif': 'image/gif', '.png': 'image/png',
  '.mid': 'audio/midi', '.txt': 'text/plain; charset=utf-8', '.mo': 'application/octet-stream',
  '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json',
};

// Serves `folder` on 127.0.0.1:`port`; resolves to the server and its URL once listening.
export function serve(folder, port = 0) {
  const root = resolve(folder);
  const server = createServer(async (request, response) => {
    try {
      const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
      let file = normalize(join(root, path));
      if (file !== root && !file.startsWith(root + sep)) throw Object.assign(new Error(), { code: 'ENOENT' });
      if ((await stat(file)).isDirectory()) file = join(file, 'index.html');
      const info = await stat(file);
      response.writeHead(200, {
        'Content-Type': TYPES[extname(file).toLowerCase()] ?? 'application/octet-stream',
        'Content-Length': info.size,
        'Cache-Control': 'no-cache',
      });
      if (request.method === 'HEAD') response.end();
      else createReadStream(file).pipe(response);
    } catch (error) {
      const missing = error.code === 'ENOENT' || error.code === 'ENOTDIR' || error instanceof URIError;
      response.writeHead(missing ? 404 : 500, { 'Content-Type': 'text/plain; charset=utf-8' });
      response.end(missing ? 'not found\n' : 'server error\n');
    }
  });
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () =>
      done({ server, url: `http://localhost:${server.address().port}/` }));
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, port] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node serve.mjs SITE_FOLDER [PORT]');
    process.exit(2);
  }
  const { url } = await serve(folder, Number(port ?? 8080));
  console.log(`ハザマ: ${url}`);
}
