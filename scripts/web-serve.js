#!/usr/bin/env node
// Serves a folder over HTTP on this machine as a static host would: with each file's content
// type (application/wasm lets the browser compile the program while it downloads) and
// compressed with gzip for a browser that accepts it. Counts what it sends, for the figures
// of what a visitor downloads.
//   node scripts/web-serve.js FOLDER [PORT]    (no port, or 0: any free port)
'use strict';

const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.png': 'image/png',
  '.bmp': 'image/bmp',
};

// Serves folder on 127.0.0.1. Resolves to { url, sent, close() }; sent maps each path
// served to the bytes sent for it (the last time), and whether they were compressed.
function serve(folder, port = 0) {
  const root = path.resolve(folder);
  const sent = new Map();
  const packed = new Map(); // path -> { mtimeMs, body } compressed once per version

  function compressed(file, stat) {
    const cached = packed.get(file);
    if (cached && cached.mtimeMs === stat.mtimeMs)
      return cached.body;
    const body = zlib.gzipSync(fs.readFileSync(file), { level: 9 });
    packed.set(file, { mtimeMs: stat.mtimeMs, body });
    return body;
  }

  const server = http.createServer((request, response) => {
    let name;
    try {
      name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    } catch (e) {
      response.writeHead(400).end();
      return;
    }
    if (name.endsWith('/'))
      name += 'index.html';
    const file = path.join(root, name);
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405, { Allow: 'GET, HEAD' }).end();
      return;
    }
    if (file !== root && !file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    fs.stat(file, (error, stat) => {
      if (error || !stat.isFile()) {
        response.writeHead(404).end();
        return;
      }
      const headers = {
        'Content-Type': types[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
        Vary: 'Accept-Encoding',
      };
      const gzip = /\bgzip\b/.test(request.headers['accept-encoding'] || '');
      const body = gzip ? compressed(file, stat) : fs.readFileSync(file);
      if (gzip)
        headers['Content-Encoding'] = 'gzip';
      headers['Content-Length'] = body.length;
      response.writeHead(200, headers);
      response.end(request.method === 'HEAD' ? undefined : body);
      sent.set(name, { bytes: body.length, size: stat.size, gzip });
    });
  });

  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        sent,
        close: () => new Promise((done) => server.close(done)),
      });
    });
  });
}

module.exports = { serve };

if (require.main === module) {
  const [folder, port] = process.argv.slice(2);
  if (!folder || !fs.existsSync(path.join(folder, 'index.html'))) {
    console.error('usage: web-serve.js FOLDER [PORT]  (FOLDER holds index.html)');
    process.exit(2);
  }
  serve(folder, Number(port || 0)).then((site) => {
    console.log(`Serving ${path.resolve(folder)} at ${site.url} (Ctrl-C stops it)`);
  }, (error) => {
    console.error(`Cannot serve on port ${port}: ${error.message}`);
    process.exit(1);
  });
}
