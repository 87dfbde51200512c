#!/usr/bin/env node
// Plays the game's page in headless Chromium as the desktop's end-to-end test plays the
// program: both windows where the game puts them, both drawing a scene, a launch with its
// plume, a landing and a second launch, the top view, closing the camera window and then the
// main view, the status the page reports, and a console without errors. Every step waits for
// the state it expects, never for a fixed time.
//   node game_test.js SITE-FOLDER
'use strict';

const { open } = require('./lib/browser');
const { expect, expectEqual, run } = require('./lib/check');
const { colours, plumePixels, changedPixels } = require('./lib/pictures');

const site = process.argv[2];
if (!site) {
  console.error('usage: game_test.js SITE-FOLDER');
  process.exit(2);
}

const viewTitle = 'Tavrilo : Vesk View - Pellimar';
const camTitle = 'Tavrilo : Vesk Cam - Pellimar';
const topTitle = 'Tavrilo : Vesk Top View - Pellimar';

// The frame ids, by title, once both windows are there.
const ids = {};

async function placeOf(s, title) {
  const w = await s.window(title);
  return w ? [w.x, w.y, w.width, w.height, w.visible] : null;
}

// Waits for a picture of a window that passes test(picture) -> { ok, seen }.
function untilPicture(s, seconds, id, test) {
  return s.until(seconds, async () => test(await s.picture(id)));
}

const checks = [
  ['both windows appear with their titles, sizes and places', async (s) => {
    await s.waitFor('both windows shown', 60, (titles) => {
      const shown = Array.from(document.querySelectorAll('#desk .frame:not([hidden]) .title'),
        (t) => t.textContent);
      return titles.every((t) => shown.includes(t));
    }, [viewTitle, camTitle]);
    for (const w of await s.windows())
      ids[w.title] = w.id;
    expectEqual(await placeOf(s, viewTitle), [10, 10, 670, 400, true], 'main view x, y, w, h');
    expectEqual(await placeOf(s, camTitle), [600, 380, 580, 300, true], 'camera x, y, w, h');
  }],

  ['both canvases draw a scene (more than 1000 colours)', async (s) => {
    for (const title of [viewTitle, camTitle]) {
      const r = await untilPicture(s, 30, ids[title], (p) => ({ ok: colours(p) > 1000,
        seen: colours(p) }));
      expect(r.ok, `${title}: ${r.seen} colours`);
    }
    const plume = plumePixels(await s.picture(ids[viewTitle]));
    expectEqual(plume, 0, 'plume pixels before the launch');
  }],

  ['P twenty times and X in the main view launch the lander: the plume shows', async (s) => {
    await s.focus(ids[viewTitle]);
    for (let i = 0; i < 20; i++)
      await s.page.keyboard.press('KeyP');
    await s.page.keyboard.press('KeyX');
    const r = await untilPicture(s, 60, ids[viewTitle], (p) => ({ ok: plumePixels(p) > 50,
      seen: plumePixels(p), picture: p }));
    expect(r.ok, `plume pixels: ${r.seen}`);
    const later = await untilPicture(s, 20, ids[viewTitle], (p) => {
      const changed = changedPixels(r.picture, p, 0.05);
      return { ok: changed > 1000, seen: changed };
    });
    expect(later.ok, `pixels changed between two pictures in flight: ${later.seen}`);
  }],

  ['the plume dies away and the lander lands: X launches it again', async (s) => {
    const calm = await untilPicture(s, 120, ids[viewTitle], (p) => ({ ok: plumePixels(p) === 0,
      seen: plumePixels(p) }));
    expect(calm.ok, `plume pixels as the lander comes down: ${calm.seen}`);
    // Only a lander that has landed takes off again: X now and then until a plume shows.
    const again = await s.until(120, async () => {
      await s.page.keyboard.press('KeyX');
      return untilPicture(s, 3, ids[viewTitle], (p) => ({ ok: plumePixels(p) > 50,
        seen: plumePixels(p) }));
    });
    expect(again.ok, `plume pixels after X: ${again.seen}`);
  }],

  ['Space in the camera window gives the top view, retitled and 400 x 400', async (s) => {
    await s.focus(ids[camTitle]);
    await s.page.keyboard.press('Space');
    await s.waitFor('the top view\'s title', 20, (title) =>
      Array.from(document.querySelectorAll('#desk .title')).some((t) => t.textContent === title),
    topTitle);
    const r = await s.until(20, async () => {
      const place = await placeOf(s, topTitle);
      return { ok: JSON.stringify(place) === JSON.stringify([600, 380, 400, 400, true]),
        seen: place };
    });
    expect(r.ok, `top view x, y, w, h: ${JSON.stringify(r.seen)}`);
    const drawn = await untilPicture(s, 30, ids[camTitle], (p) => ({ ok: colours(p) > 1000,
      seen: colours(p) }));
    expect(drawn.ok, `top view: ${drawn.seen} colours`);
  }],

  ['closing the camera window hides it and the main view keeps drawing', async (s) => {
    await s.clickClose(ids[camTitle]);
    await s.waitFor('the camera window hidden', 20, (id) =>
      document.getElementById('window-' + id).hidden, ids[camTitle]);
    expectEqual((await s.state()).state, 'running', 'the program');
    const before = await s.picture(ids[viewTitle]);
    const r = await untilPicture(s, 20, ids[viewTitle], (p) => {
      const changed = changedPixels(before, p, 0.02);
      return { ok: changed > 0, seen: changed };
    });
    expect(r.ok, `pixels changed in the main view: ${r.seen}`);
  }],

  ['closing the main view ends the program with status 0', async (s) => {
    await s.clickClose(ids[viewTitle]);
    await s.waitFor('the end of the program', 60, () => document.body.dataset.state === 'ended');
    const state = await s.state();
    expectEqual(state.exitStatus, '0', 'exit status');
    expect(/ended with status 0/.test(state.status), `status line "${state.status}"`);
    expectEqual(await s.log(), [], 'standard output');
  }],

  ['no error in the browser\'s console', async (s) => {
    expectEqual(s.errors, [], 'errors');
  }],
];

(async () => {
  // A view large enough for both windows.
  const session = await open(site, { width: 1280, height: 900 });
  let status;
  try {
    status = await run(session, checks);
  } finally {
    await session.close();
  }
  process.exit(status);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
