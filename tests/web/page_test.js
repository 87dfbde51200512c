#!/usr/bin/env node
// The browser backend on its own, in headless Chromium, with the probe program
// (probe/WindowProbe.cpp): its arguments from the page's address, the pictures the browser
// refuses, frames where the program put them, what they draw, keys as the
// messages and virtual-key codes the desktop delivers, the mouse captured during a drag,
// closing, the program's end and status, a page that never scrolls on the game's keys, and
// what the page says where WebGL 2 is missing.
//   node page_test.js SITE-FOLDER
'use strict';

const { open } = require('./lib/browser');
const { colours, pixel } = require('./lib/pictures');
const { expect, expectEqual, run } = require('./lib/check');

const site = process.argv[2];
if (!site) {
  console.error('usage: page_test.js SITE-FOLDER');
  process.exit(2);
}

// Waits until the output holds these lines in this order (others may come between).
function waitForLines(session, lines, seconds = 10) {
  return session.waitFor('output lines ' + JSON.stringify(lines), seconds, (expected) => {
    let next = 0;
    for (const d of document.querySelectorAll('#log > div'))
      if (next < expected.length && d.textContent === expected[next])
        next++;
    return next === expected.length;
  }, lines);
}

async function canvasCentre(session, id) {
  return session.page.$eval(`#moonhop-canvas-${id}`, (c) => {
    const r = c.getBoundingClientRect();
    return { left: r.left, top: r.top };
  });
}

const checks = [
  ['the program starts with the page\'s arguments and shows its two frames where it placed them',
    async (s) => {
    await s.waitFor('the probe\'s first frame', 30, () =>
      document.body.dataset.state === 'running' &&
      Array.from(document.querySelectorAll('#log > div'))
        .some((d) => d.textContent === 'probe drew its first frame'));
    // Only the core's own decoders: GIF is read, PNG (libpng on the desktop) and plain bitmap
    // files (SDL's) are refused; the framework reads such bitmaps itself.
    expectEqual((await s.log()).slice(0, 6), ['argument 1: one', 'argument 2: two words',
      '/probe.png: picture refused, bitmap refused', '/probe.gif: picture loaded, bitmap refused',
      '/probe.bmp: picture refused, bitmap refused', 'probe drew its first frame'],
    'first lines of output');
    expectEqual(await s.windows(), [
      { id: 1, title: 'Probe One', x: 10, y: 10, width: 320, height: 200, visible: true,
        focused: false },
      { id: 2, title: 'Probe Two', x: 400, y: 120, width: 240, height: 160, visible: true,
        focused: true }], 'frames (the last shown has the keys)');
  }],

  ['both canvases show what the program drew, each in its own WebGL 2 context', async (s) => {
    const shaded = await s.picture(1);
    expectEqual([shaded.width, shaded.height], [320, 200], 'first canvas on screen');
    expect(colours(shaded) > 1000, `first canvas: ${colours(shaded)} colours, expected over 1000`);
    const flat = await s.picture(2);
    expectEqual(colours(flat), 1, 'colours of the second canvas');
    expectEqual(pixel(flat, 100, 80), [51, 102, 153], 'colour of the second canvas');
  }],

  ['keys reach the focused window as the desktop\'s messages and virtual-key codes', async (s) => {
    await s.focus(1);
    const k = s.page.keyboard;
    for (const key of ['KeyA', 'Digit7', 'Space', 'PageUp', 'PageDown', 'ArrowLeft', 'ArrowUp',
      'ArrowRight', 'ArrowDown', 'Numpad1', 'NumpadAdd', 'F1', 'F12', 'F10'])
      await k.press(key);
    // The driver's keyboard has Num Lock off: its keypad 1 is End, and gives the digit only
    // with Shift.
    await k.down('Shift');
    await k.press('KeyA');
    await k.press('Numpad1');
    await k.up('Shift');
    await k.down('Alt');
    await k.press('KeyX');
    await k.up('Alt');
    await k.down('KeyX');
    await k.down('KeyX'); // held: the browser repeats it
    await k.up('KeyX');
    const down = (code) => 'window 1 WM_KEYDOWN ' + code;
    await waitForLines(s, [down('0x41'), 'window 1 WM_KEYUP 0x41', down('0x37'), down('0x20'),
      down('0x21'), down('0x22'), down('0x25'), down('0x26'), down('0x27'), down('0x28'),
      down('0x23'), down('0x6B'), down('0x70'), down('0x7B'), 'window 1 WM_SYSKEYDOWN 0x79',
      'window 1 WM_SYSKEYUP 0x79', down('0x10'), down('0x41'), down('0x61'),
      'window 1 WM_KEYUP 0x10', 'window 1 WM_SYSKEYDOWN 0x12', 'window 1 WM_SYSKEYDOWN 0x58',
      'window 1 WM_SYSKEYUP 0x58', 'window 1 WM_SYSKEYUP 0x12', down('0x58'),
      down('0x58 repeat'), 'window 1 WM_KEYUP 0x58']);
    await s.focus(2);
    await k.press('KeyB');
    await waitForLines(s, ['window 2 WM_KEYDOWN 0x42', 'window 2 WM_KEYUP 0x42']);
  }],

  ['the page never scrolls on Space, the arrows, Page Up and Page Down', async (s) => {
    const scrollable = await s.page.evaluate(() =>
      document.documentElement.scrollHeight > window.innerHeight);
    expect(scrollable, 'the page is not taller than the view, so the check would show nothing');
    for (const focusOn of ['a frame', 'the page']) {
      if (focusOn === 'the page')
        await s.page.click('h1');
      for (const key of ['Space', 'PageDown', 'ArrowDown', 'End'])
        await s.page.keyboard.press(key);
      // The key events have all been handled once the page answers.
      expectEqual(await s.page.evaluate(() => window.scrollY), 0, `scroll with keys on ${focusOn}`);
    }
  }],

  ['a pressed button captures the mouse until a release, even outside the window', async (s) => {
    const m = s.page.mouse;
    const two = await canvasCentre(s, 2);
    const one = await canvasCentre(s, 1);
    await m.move(two.left + 10, two.top + 12);
    await m.down({ button: 'left' });
    await m.down({ button: 'right' });
    await m.move(two.left - 20, two.top + 12);
    await m.up({ button: 'left' });
    await m.up({ button: 'right' });
    await m.move(one.left + 5, one.top + 6);
    // As on Windows, any release ends the capture: the right button's release, outside every
    // window, reaches none.
    await waitForLines(s, ['window 2 WM_MOUSEMOVE 10,12 holding',
      'window 2 WM_LBUTTONDOWN 10,12 holding left',
      'window 2 WM_RBUTTONDOWN 10,12 holding left right',
      'window 2 WM_MOUSEMOVE -20,12 holding left right',
      'window 2 WM_LBUTTONUP -20,12 holding right', 'window 1 WM_MOUSEMOVE 5,6 holding']);
    const stray = (await s.log()).filter((l) => /WM_RBUTTONUP/.test(l));
    expectEqual(stray, [], 'releases delivered after the capture ended');
  }],

  ['the program retitles and resizes a frame', async (s) => {
    await s.focus(2);
    await s.page.keyboard.press('KeyT');
    await s.waitFor('the retitled frame', 10, () => {
      const f = document.getElementById('window-2');
      return f.querySelector('.title').textContent === 'Probe Two Retitled' &&
        f.querySelector('canvas').clientWidth === 200;
    });
    const w = await s.window('Probe Two Retitled');
    expectEqual([w.x, w.y, w.width, w.height], [400, 120, 200, 200], 'retitled frame');
  }],

  ['closing the second window hides it and the first keeps drawing', async (s) => {
    await s.clickClose(2);
    await s.waitFor('the second frame hidden', 10, () =>
      document.getElementById('window-2').hidden);
    const before = (await s.state()).frames;
    await s.waitFor('ten more frames', 20, (n) => window.moonhopPage.stats.frames >= n + 10,
      before);
  }],

  ['closing the first window ends the program with status 0 after its exit handlers', async (s) => {
    await s.clickClose(1);
    await s.waitFor('the end of the program', 10, () => document.body.dataset.state === 'ended');
    const state = await s.state();
    expectEqual(state.exitStatus, '0', 'exit status');
    expect(/ended with status 0/.test(state.status), `status line "${state.status}"`);
    expect((await s.log()).includes('exit handlers ran'), 'the exit handlers did not run');
    expectEqual(await s.windows(), [], 'frames left after the end');
  }],

  ['nothing went wrong in the console', async (s) => {
    expectEqual(s.errors, [], 'errors');
  }],
];

const withoutWebGl2 = [
  ['without WebGL 2 the page says so and does not load the program', async (s) => {
    await s.waitFor('the page\'s verdict', 10, () => document.body.dataset.state === 'no-webgl2');
    const state = await s.state();
    expect(/WebGL 2/.test(state.status), `status line "${state.status}"`);
    expect(!s.requests.some((r) => /\.(wasm|data)$|window_probe\.js$/.test(r)),
      'requested: ' + s.requests.join(' '));
    expectEqual(s.errors, [], 'errors');
  }],
];

(async () => {
  let status = 0;
  for (const [checksRun, options] of [[checks, { width: 1000, height: 400,
    query: '?arg=one&arg=two%20words' }],
    [withoutWebGl2, { flags: ['--disable-webgl2'] }]]) {
    const session = await open(site, options);
    try {
      status = await run(session, checksRun);
    } finally {
      await session.close();
    }
    if (status !== 0)
      break;
  }
  process.exit(status);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
