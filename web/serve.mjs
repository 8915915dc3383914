// A static file server for the page, on 127.0.0.1 only: `node web/serve.mjs [DIR] [PORT]` serves
// DIR (build-web/site) on PORT, or on a free port the system picks, and prints its address.
// Imported, serveSite(dir) does the same for the browser tests and resolves to the server.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json',
  '.svg': 'image/svg+xml',
  '.str': 'text/plain; charset=utf-8',
  '.png': 'image/png',
  '.wasm': 'application/wasm',
};

export function serveSite(dir, port = 0) {
  const root = resolve(dir);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
    if (!file.startsWith(root + sep)) return response.writeHead(403).end();
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('Not found');
    }
  });
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () => done(server));
  });
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const dir = process.argv[2] ?? join(fileURLToPath(new URL('..', import.meta.url)), 'build-web', 'site');
  const server = await serveSite(dir, Number(process.argv[3] ?? 0));
  console.log(`http://127.0.0.1:${server.address().port}/`);
}
