#!/usr/bin/env node
// The page's figures, measured in headless Chromium (software WebGL), by hand:
//   - what a visitor downloads, file by file, as sent (gzip where the browser accepts it) and
//     as stored;
//   - the time from the start of the page's navigation to the first frame of both windows;
//   - the work of a frame at the start and during a full plume, with the frame rate uncapped
//     (the page's ?uncapped mode: the browser has its turn without waiting for the display),
//     as the program's work per turn and as the period from one turn to the next.
//   node bench/web_figures.js SITE-FOLDER      (build-web/site, after scripts/web.sh --build-only)
'use strict';

const { open } = require('../tests/web/lib/browser');
const { plumePixels } = require('../tests/web/lib/pictures');

const site = process.argv[2];
if (!site) {
  console.error('usage: web_figures.js SITE-FOLDER');
  process.exit(2);
}

const view = 'Tavrilo : Vesk View - Pellimar';
const startFrames = 300;
// The plume is at its fullest from about 20 to 40 frames after the launch (a climb at power 25).
const plumeFrom = 20, plumeTo = 40;

function mean(list) {
  return list.reduce((a, b) => a + b, 0) / list.length;
}

async function bothDrawn(s) {
  await s.waitFor('both windows\' first frames', 120, () =>
    Object.keys(window.moonhopPage.stats.firstDrawn).length >= 2);
  return s.page.evaluate(() => window.moonhopPage.stats.firstDrawn);
}

async function frames(s) {
  return s.page.evaluate(() => window.moonhopPage.stats.frames);
}

async function untilFrame(s, n) {
  await s.waitFor(`frame ${n}`, 300, (m) => window.moonhopPage.stats.frames >= m, n);
}

// The work and period of turns from (inclusive) to to (exclusive), counted as stats.frames.
async function turns(s, from, to) {
  return s.page.evaluate((a, b) => {
    const st = window.moonhopPage.stats;
    // The last entry of each list belongs to the latest complete turn.
    const pick = (list, last) => list.slice(list.length - (last - a), list.length - (last - b));
    return { work: pick(st.work, st.frames), period: pick(st.period, st.frames) };
  }, from, to);
}

(async () => {
  // Downloads and the first frames, as a visitor sees them.
  const visit = await open(site, { width: 1280, height: 900 });
  let drawn;
  try {
    drawn = await bothDrawn(visit);
  } finally {
    await visit.close();
  }
  console.log('Downloaded (as sent / as stored, bytes):');
  let sent = 0, stored = 0;
  for (const [name, f] of visit.site.sent) {
    console.log(`  ${name.padEnd(16)} ${String(f.bytes).padStart(9)} / ${String(f.size)
      .padStart(9)}${f.gzip ? ' gzip' : ''}`);
    sent += f.bytes;
    stored += f.size;
  }
  console.log(`  ${'total'.padEnd(16)} ${String(sent).padStart(9)} / ${String(stored).padStart(9)}`);
  console.log('First frame of both windows: ' +
    `${Math.max(...Object.values(drawn)).toFixed(0)} ms after navigation began`);

  // Frames, uncapped.
  const s = await open(site, { width: 1280, height: 900, query: '?uncapped' });
  try {
    await bothDrawn(s);
    const warm = (await frames(s)) + 60;
    await untilFrame(s, warm + startFrames);
    const start = await turns(s, warm, warm + startFrames);

    const w = await s.window(view);
    await s.focus(w.id);
    for (let i = 0; i < 20; i++)
      await s.page.keyboard.press('KeyP');
    await s.page.keyboard.press('KeyX');
    const launched = await frames(s);
    await untilFrame(s, launched + plumeTo);
    const plume = await turns(s, launched + plumeFrom, launched + plumeTo);
    const seen = plumePixels(await s.picture(w.id));

    const line = (what, t) => console.log(`  ${what.padEnd(34)} work ${mean(t.work).toFixed(2)
    } ms   period ${mean(t.period).toFixed(2)} ms   (${t.work.length} frames)`);
    console.log('Frames, uncapped (both windows per frame):');
    line('start', start);
    line(`full plume (frames ${plumeFrom}-${plumeTo} after X)`, plume);
    console.log(`  plume / start: work ${(mean(plume.work) / mean(start.work)).toFixed(2)}, ` +
      `period ${(mean(plume.period) / mean(start.period)).toFixed(2)}` +
      `   (plume pixels in a picture taken after: ${seen})`);
    if (s.errors.length)
      console.log('errors: ' + s.errors.join('; '));
  } finally {
    await s.close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
