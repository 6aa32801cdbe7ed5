// The page served as a player's browser gets it, on a free port of localhost, by a plain static
// server of the tests' own. For a browser driven without a way of its own to run a script before
// the page's (WebDriver in WebKit and Firefox), the server puts the tests' script first in the
// page (`inject`); it can refuse the page's Opus trial (`refuseOpus`), as a browser whose Web Audio
// takes no Opus; and it can go away (`stop`), as the network does.
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');

const Types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.css': 'text/css', '.webmanifest': 'application/manifest+json', '.json': 'application/json',
  '.wav': 'audio/wav', '.opus': 'audio/ogg', '.m4a': 'audio/mp4', '.png': 'image/png',
  '.svg': 'image/svg+xml',
};

// `extra`: files of the tests' own, by path ("/__tintineables_recorder.js": its text), kept by the
// browser's cache for a day so that a reload with the network gone still has them.
async function serve(folder, { inject = null, refuseOpus = false, extra = {} } = {}) {
  const root = path.resolve(folder);
  const sockets = new Set();
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://localhost');
    let file = decodeURIComponent(url.pathname);
    if (file in extra) {
      response.writeHead(200, { 'Content-Type': Types['.js'], 'Cache-Control': 'max-age=86400' });
      response.end(extra[file]);
      return;
    }
    if (refuseOpus && file === '/sounds/trial.opus') {
      response.writeHead(200, { 'Content-Type': Types['.opus'] });
      response.end('no Opus here');
      return;
    }
    if (file.endsWith('/')) file += 'index.html';
    const full = path.join(root, path.normalize(file));
    if (!full.startsWith(root + path.sep) || !fs.existsSync(full) || !fs.statSync(full).isFile()) {
      response.writeHead(404);
      response.end('not found');
      return;
    }
    let body = fs.readFileSync(full);
    if (inject && path.basename(full) === 'index.html') {
      body = Buffer.from(body.toString('utf8').replace('<head>', `<head><script src="${inject}"></script>`));
    }
    response.writeHead(200, { 'Content-Type': Types[path.extname(full)] ?? 'application/octet-stream',
                              'Cache-Control': 'no-cache' });
    response.end(body);
  });
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  const listen = (port) => new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server.address().port)));
  const port = await listen(0);
  return {
    url: `http://127.0.0.1:${port}/`,
    // The network gone: nothing answers on the port any more.
    stop: () => new Promise((resolve) => {
      server.close(resolve);
      for (const socket of sockets) socket.destroy();
    }),
    close: () => { server.close(); for (const socket of sockets) socket.destroy(); },
  };
}

module.exports = { serve };
