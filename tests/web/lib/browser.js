// The page in the system's Chromium, headless, driven through puppeteer-core: serving the
// site, waiting for states, reading the frames, their pictures and the page's status, keys,
// clicks, and everything the console said.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { serve } = require('../../../scripts/web-serve.js');

const chromium = process.env.MOONHOP_CHROMIUM || '/usr/bin/chromium';

// Every deadline is its base in seconds times this factor, as in the desktop's end-to-end
// tests. Waits end as soon as their state is seen.
const patience = Number(process.env.MOONHOP_E2E_PATIENCE || 1);

// WebGL 2 in software (SwiftShader through ANGLE), and a browser that does nothing on its own.
const baseFlags = ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--no-first-run', '--no-default-browser-check', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--disable-extensions',
  '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
  '--disable-backgrounding-occluded-windows'];

class Session {
  constructor(site, browser, page, profile) {
    this.site = site;
    this.browser = browser;
    this.page = page;
    this.profile = profile;
    this.console = []; // every message: { type, text }
    this.errors = [];  // console errors, uncaught exceptions, failed requests
    this.requests = [];
    page.on('console', (m) => {
      this.console.push({ type: m.type(), text: m.text() });
      if (m.type() === 'error')
        this.errors.push('console: ' + m.text());
    });
    page.on('pageerror', (e) => this.errors.push('uncaught: ' + e.message));
    page.on('requestfailed', (r) => this.errors.push('request failed: ' + r.url()));
    page.on('request', (r) => this.requests.push(new URL(r.url()).pathname));
    page.on('response', (r) => {
      if (r.status() >= 400)
        this.errors.push(`HTTP ${r.status()}: ${r.url()}`);
    });
  }

  // Waits until fn (run in the page with arg) returns something true, and returns it. On
  // timeout, throws an error that tells what was expected and what the page showed.
  async waitFor(what, seconds, fn, arg) {
    try {
      const handle = await this.page.waitForFunction(fn, { timeout: seconds * patience * 1000,
        polling: 100 }, arg);
      return await handle.jsonValue();
    } catch (e) {
      throw new Error(`waiting for ${what}: ${e.message}\n${await this.describe()}`);
    }
  }

  // Runs probe (async, in this process) every tenth of a second until it says ok or the
  // deadline passes; returns what it saw last. probe returns { ok, seen }.
  async until(seconds, probe) {
    const deadline = Date.now() + seconds * patience * 1000;
    for (;;) {
      const result = await probe();
      if (result.ok || Date.now() > deadline)
        return result;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  }

  async state() {
    return this.page.evaluate(() => ({
      state: document.body.dataset.state,
      status: document.getElementById('status').textContent,
      exitStatus: document.body.dataset.exitStatus,
      frames: window.moonhopPage ? window.moonhopPage.stats.frames : 0,
    }));
  }

  async log() {
    return this.page.evaluate(() =>
      Array.from(document.querySelectorAll('#log > div'), (d) => d.textContent));
  }

  // The frames on the desk: position of the frame, size of its canvas, title, visibility.
  async windows() {
    return this.page.evaluate(() => Array.from(document.querySelectorAll('#desk .frame'), (f) => {
      const canvas = f.querySelector('canvas');
      return {
        id: Number(f.dataset.window),
        title: f.querySelector('.title').textContent,
        x: f.offsetLeft,
        y: f.offsetTop,
        width: canvas.clientWidth,
        height: canvas.clientHeight,
        visible: !f.hidden,
        focused: document.activeElement === f,
      };
    }));
  }

  async window(title) {
    return (await this.windows()).find((w) => w.title === title);
  }

  // What a frame's canvas shows on the screen: { width, height, data } with RGBA rows.
  async picture(id) {
    const box = await this.page.$eval(`#moonhop-canvas-${id}`, (c) => {
      const r = c.getBoundingClientRect();
      return { x: r.left + window.scrollX, y: r.top + window.scrollY, width: r.width,
        height: r.height };
    });
    const png = await this.page.screenshot({ clip: box, encoding: 'base64',
      captureBeyondViewport: true });
    const rgba = await this.page.evaluate(async (data) => {
      const image = await createImageBitmap(await (await fetch('data:image/png;base64,' + data))
        .blob());
      const canvas = new OffscreenCanvas(image.width, image.height);
      const context = canvas.getContext('2d');
      context.drawImage(image, 0, 0);
      const pixels = context.getImageData(0, 0, image.width, image.height).data;
      let text = '';
      for (let i = 0; i < pixels.length; i += 0x8000)
        text += String.fromCharCode.apply(null, pixels.subarray(i, i + 0x8000));
      return { width: image.width, height: image.height, data: btoa(text) };
    }, png);
    return { width: rgba.width, height: rgba.height, data: Buffer.from(rgba.data, 'base64') };
  }

  // Clicks a frame's title bar, which gives it the keys as a click on a desktop window does.
  async focus(id) {
    await this.page.click(`#window-${id} .title`);
  }

  async clickClose(id) {
    await this.page.click(`#window-${id} .close`);
  }

  // A summary of what the page showed, for failures.
  async describe() {
    try {
      const s = await this.state();
      const lines = (await this.log()).slice(-20);
      return [`page: ${s.state}, "${s.status}", ${s.frames} frames`,
        'windows: ' + JSON.stringify(await this.windows()),
        'last output:', ...lines.map((l) => '  ' + l),
        'console:', ...this.console.slice(-20).map((m) => `  ${m.type}: ${m.text}`),
        'errors:', ...this.errors.map((e) => '  ' + e)].join('\n');
    } catch (e) {
      return `(the page could not be read: ${e.message})`;
    }
  }

  async close() {
    await this.browser.close();
    await this.site.close();
    fs.rmSync(this.profile, { recursive: true, force: true });
  }
}

// Serves folder and opens its page in a fresh headless Chromium of its own.
async function open(folder, { width = 1280, height = 900, flags = [], query = '' } = {}) {
  if (!fs.existsSync(chromium))
    throw new Error(`no Chromium at ${chromium} (set MOONHOP_CHROMIUM)`);
  const site = await serve(folder);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'moonhop-chromium-'));
  const browser = await puppeteer.launch({ executablePath: chromium, headless: true,
    userDataDir: profile, args: [...baseFlags, ...flags],
    defaultViewport: { width, height } });
  const page = (await browser.pages())[0] || await browser.newPage();
  const session = new Session(site, browser, page, profile);
  await page.goto(site.url + 'index.html' + query);
  return session;
}

module.exports = { open, patience };
