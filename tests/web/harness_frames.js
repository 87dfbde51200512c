#!/usr/bin/env node
// Plays one flight of the frame-scripted harness in headless Chromium and writes the pictures
// it saved (main-NNNN.ppm, cam-NNNN.ppm) into OUTPUT-FOLDER, for comparing with the desktop's.
//   node harness_frames.js HARNESS-SITE SCRIPT-NAME OUTPUT-FOLDER
// SCRIPT-NAME is one of the flights the site preloads (plume.txt). Exit status 0 when the
// harness ran its script to the end with status 0, 1 otherwise (with what the page showed).
'use strict';

const fs = require('fs');
const path = require('path');
const { open } = require('./lib/browser');

const [site, script, output] = process.argv.slice(2);
if (!site || !script || !output) {
  console.error('usage: harness_frames.js HARNESS-SITE SCRIPT-NAME OUTPUT-FOLDER');
  process.exit(2);
}

(async () => {
  const folder = 'frames';
  const query = '?arg=' + encodeURIComponent(script) + '&arg=' + folder;
  const session = await open(site, { query });
  try {
    await session.waitFor('the end of the flight', 300, () =>
      ['ended', 'failed'].includes(document.body.dataset.state));
    const state = await session.state();
    if (state.exitStatus !== '0' || session.errors.length)
      throw new Error(`the harness ended "${state.status}"\n${await session.describe()}`);
    const files = await session.page.evaluate((dir) => Module.FS.readdir(dir)
      .filter((name) => name.endsWith('.ppm'))
      .map((name) => {
        const bytes = Module.FS.readFile(dir + '/' + name);
        let text = '';
        for (let i = 0; i < bytes.length; i += 0x8000)
          text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
        return { name, data: btoa(text) };
      }), folder);
    if (!files.length)
      throw new Error('the harness saved no pictures\n' + await session.describe());
    fs.mkdirSync(output, { recursive: true });
    for (const f of files)
      fs.writeFileSync(path.join(output, f.name), Buffer.from(f.data, 'base64'));
    console.log((await session.log()).join('\n'));
  } finally {
    await session.close();
  }
})().catch((e) => {
  console.error(e.message || e);
  process.exit(1);
});
