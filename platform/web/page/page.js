// The page around moonhop: the windows' frames on the desk, the output log, what the page says
// about the program (loading, running, ended with a status, or why it cannot run), and the
// DOM events of the frames, handed to the program between its frames.
(function () {
  'use strict';

  const body = document.body;
  const desk = document.getElementById('desk');
  const statusLine = document.getElementById('status');
  const log = document.getElementById('log');

  const titleBarHeight = 24;
  const border = 1;
  const logLines = 1000;
  const keyTextSize = 64; // platform/web/PageInput.cpp

  // Keys that scroll a page; the page never scrolls on them.
  const scrollKeys = new Set(['Space', 'PageUp', 'PageDown', 'ArrowUp', 'ArrowDown', 'ArrowLeft',
    'ArrowRight', 'Home', 'End']);

  const frames = new Map(); // id -> { element, title, canvas }
  let running = false;      // the program takes events
  const uncapped = new URLSearchParams(location.search).has('uncapped');

  // Frame timing, read by the tests and the figures (bench/web_figures.js): when each window
  // first presented a frame (milliseconds since the page's navigation began), the browser's
  // turns, and for each turn the program's work before it (from its resumption to its next
  // turn) and the period (from one resumption to the next).
  const stats = { firstDrawn: {}, frames: 0, resumedAt: null, work: [], period: [] };
  const kept = 3600;

  function keep(list, value) {
    list.push(value);
    if (list.length > kept)
      list.shift();
  }

  function setState(state, text) {
    body.dataset.state = state;
    statusLine.textContent = text;
  }

  function appendLog(line, error) {
    const entry = document.createElement('div');
    entry.textContent = line;
    if (error)
      entry.className = 'error';
    log.appendChild(entry);
    while (log.childElementCount > logLines)
      log.firstElementChild.remove();
    log.scrollTop = log.scrollHeight;
  }

  function modifiers(e) {
    return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
  }

  // Straight into the program's exports: ccall would mistake the suspended main for the
  // call's own and hand main's end to the event instead.
  function call(name, ...args) {
    if (running)
      Module['_' + name](...args);
  }

  // The desk holds every frame ever placed; it grows and never shrinks, so the log below
  // stays where it is.
  function fitDesk() {
    let width = desk.clientWidth, height = desk.clientHeight;
    for (const f of frames.values()) {
      width = Math.max(width, f.element.offsetLeft + f.element.offsetWidth + 10);
      height = Math.max(height, f.element.offsetTop + f.element.offsetHeight + 10);
    }
    desk.style.width = width + 'px';
    desk.style.height = height + 'px';
  }

  // The program decides which frame a mouse event belongs to when it reads it (the one holding
  // the mouse, else the one under the pointer), so it gets the pointer's place on the desk, the
  // program's screen, and the frame under it, if any.
  function sendMouse(kind, e) {
    const canvas = e.target instanceof Element ? e.target.closest('.frame canvas') : null;
    const frame = canvas ? Number(canvas.parentElement.dataset.window) : 0;
    const d = desk.getBoundingClientRect();
    call('moonhop_page_mouse', frame, kind, e.button, Math.floor(e.clientX - d.left),
      Math.floor(e.clientY - d.top), e.buttons, modifiers(e));
  }

  function sendKey(id, e, down) {
    // Browser shortcuts (Ctrl, Cmd) keep working; everything else belongs to the program.
    if (!e.ctrlKey && !e.metaKey)
      e.preventDefault();
    if (!running)
      return;
    const text = Module._moonhop_page_key_text();
    Module.stringToUTF8(e.code, text, keyTextSize);
    Module.stringToUTF8(e.key, text + keyTextSize, keyTextSize);
    call('moonhop_page_key', id, down ? 1 : 0, e.repeat ? 1 : 0, modifiers(e));
  }

  function makeFrame(id, title) {
    const element = document.createElement('div');
    element.className = 'frame';
    element.id = 'window-' + id;
    element.dataset.window = String(id);
    element.tabIndex = 0;
    element.hidden = true;

    const bar = document.createElement('div');
    bar.className = 'title-bar';
    const text = document.createElement('span');
    text.className = 'title';
    text.textContent = title;
    const close = document.createElement('button');
    close.className = 'close';
    close.type = 'button';
    close.tabIndex = -1;
    close.title = 'Close';
    close.setAttribute('aria-label', 'Close');
    close.textContent = '\u2715';
    bar.append(text, close);

    const canvas = document.createElement('canvas');
    canvas.id = 'moonhop-canvas-' + id;
    element.append(bar, canvas);

    element.addEventListener('keydown', (e) => sendKey(id, e, true));
    element.addEventListener('keyup', (e) => sendKey(id, e, false));
    element.addEventListener('focus', () => element.classList.add('focused'));
    element.addEventListener('blur', () => element.classList.remove('focused'));
    element.addEventListener('contextmenu', (e) => e.preventDefault());
    // A click anywhere on the frame brings its keys to it.
    element.addEventListener('mousedown', (e) => {
      e.preventDefault();
      element.focus({ preventScroll: true });
    });
    close.addEventListener('click', () => call('moonhop_page_close', id));

    desk.appendChild(element);
    return { element, title: text, canvas };
  }

  document.addEventListener('mousemove', (e) => sendMouse(0, e));
  document.addEventListener('mousedown', (e) => sendMouse(1, e));
  document.addEventListener('mouseup', (e) => sendMouse(2, e));
  window.addEventListener('keydown', (e) => {
    if (scrollKeys.has(e.code))
      e.preventDefault();
  });

  function afterTurn(resume) {
    if (!uncapped) {
      requestAnimationFrame(() => resume());
      return;
    }
    // Uncapped (benchmarks): the browser gets its turn, input included, without waiting for
    // the display.
    const channel = new MessageChannel();
    channel.port1.onmessage = () => resume();
    channel.port2.postMessage(0);
  }

  // What the program calls (platform/web/Page.cpp).
  const page = {
    stats,
    started() {
      running = true;
      setState('running', 'Running.');
    },
    createFrame(id, title, x, y, width, height) {
      frames.set(id, makeFrame(id, title));
      page.place(id, x, y, width, height);
    },
    setTitle(id, title) {
      const f = frames.get(id);
      if (f)
        f.title.textContent = title;
    },
    place(id, x, y, width, height) {
      const f = frames.get(id);
      if (!f)
        return;
      f.element.style.left = x + 'px';
      f.element.style.top = y + 'px';
      f.canvas.width = width;
      f.canvas.height = height;
      f.canvas.style.width = width + 'px';
      f.canvas.style.height = height + 'px';
      fitDesk();
    },
    show(id, visible) {
      const f = frames.get(id);
      if (!f)
        return;
      f.element.hidden = !visible;
      fitDesk();
    },
    destroy(id) {
      const f = frames.get(id);
      if (!f)
        return;
      f.element.remove();
      frames.delete(id);
    },
    focus(id) {
      const f = frames.get(id);
      if (f)
        f.element.focus({ preventScroll: true });
    },
    canvasOrigin(id) {
      const f = frames.get(id);
      if (!f || f.element.hidden)
        return null;
      const r = f.canvas.getBoundingClientRect(), d = desk.getBoundingClientRect();
      return [Math.round(r.left - d.left), Math.round(r.top - d.top)];
    },
    showCursor(shown) {
      desk.classList.toggle('no-cursor', !shown);
    },
    presented(id) {
      if (!(id in stats.firstDrawn))
        stats.firstDrawn[id] = performance.now();
    },
    nextFrame() {
      const now = performance.now();
      if (stats.resumedAt !== null)
        keep(stats.work, now - stats.resumedAt);
      return new Promise((resolve) => afterTurn(() => {
        const resumed = performance.now();
        if (stats.resumedAt !== null)
          keep(stats.period, resumed - stats.resumedAt);
        stats.resumedAt = resumed;
        stats.frames++;
        resolve();
      }));
    },
  };

  function ended(status) {
    running = false;
    body.dataset.exitStatus = String(status);
    setState('ended', 'moonhop has ended with status ' + status + '.');
  }

  function failed(what) {
    running = false;
    setState('failed', 'moonhop has stopped: ' + what);
  }

  function hasWebGl2() {
    try {
      const gl = document.createElement('canvas').getContext('webgl2');
      if (!gl)
        return false;
      const lose = gl.getExtension('WEBGL_lose_context');
      if (lose)
        lose.loseContext();
      return true;
    } catch (e) {
      return false;
    }
  }

  window.moonhopPage = page;

  if (!hasWebGl2()) {
    setState('no-webgl2', 'moonhop draws with WebGL 2, which this browser does not offer or has ' +
      'turned off, so it cannot run here.');
    return;
  }

  window.Module = {
    page,
    // The program's arguments: each arg=... of the page's address, in order.
    arguments: new URLSearchParams(location.search).getAll('arg'),
    print(line) {
      console.log(line);
      appendLog(line, false);
    },
    printErr(line) {
      console.warn(line);
      appendLog(line, true);
    },
    setStatus(text) {
      if (body.dataset.state === 'loading' && text)
        statusLine.textContent = text;
    },
    onExit: ended,
    onAbort: (what) => failed(String(what)),
  };

  const script = document.createElement('script');
  script.src = body.dataset.program;
  script.onerror = () => failed('its script ' + body.dataset.program + ' could not be loaded.');
  document.body.appendChild(script);
})();
