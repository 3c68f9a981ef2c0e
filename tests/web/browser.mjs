// A headless chromium driven over the DevTools protocol with node's own WebSocket
// (node --experimental-websocket): enough to load a page, press, type and read it back.
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// Port 0: chromium takes a free port and names it in the profile, so that browsers of runs side
// by side never answer each other's tests. `args`: more of chromium's switches.
export async function launch({ width = 1280, height = 720, port = 0, args = [] } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'tavimora-chromium-'));
  const proc = spawn('chromium', [
    '--headless=new', '--no-sandbox', '--no-first-run', '--disable-gpu',
    '--mute-audio', `--remote-debugging-port=${port}`, `--user-data-dir=${profile}`,
    `--window-size=${width},${height}`, ...args, 'about:blank'], { stdio: 'ignore', detached: true });
  // The browser goes with all its helper processes (its own process group), also when the run is
  // stopped from outside (a timeout).
  const kill = () => { try { process.kill(-proc.pid); } catch { /* already gone */ } };
  const stop = () => { kill(); process.exit(1); };
  process.once('SIGTERM', stop);
  process.once('SIGINT', stop);
  let pageUrl = null;
  for (let i = 0; i < 100 && !pageUrl; ++i) {
    await sleep(100);
    try {
      const used = port || readFileSync(join(profile, 'DevToolsActivePort'), 'utf8').split('\n')[0];
      const list = await (await fetch(`http://127.0.0.1:${used}/json/list`)).json();
      pageUrl = list.find((t) => t.type === 'page')?.webSocketDebuggerUrl;
    } catch { /* not up yet */ }
  }
  if (!pageUrl) throw new Error('chromium did not start');
  const page = await connect(pageUrl);
  page.close = async () => {
    process.off('SIGTERM', stop);
    process.off('SIGINT', stop);
    page.socket.close();
    kill();
    await new Promise((r) => proc.once('exit', r));
    try {
      rmSync(profile, { recursive: true, force: true, maxRetries: 10 });
    } catch (e) {
      console.log(`(the browser's profile stays in ${profile}: ${e.code})`);  // a helper still wrote there
    }
  };
  page.pid = proc.pid;
  await page.send('Page.enable');
  await page.send('Runtime.enable');
  await page.viewport(width, height);
  return page;
}

async function connect(url) {
  const socket = new WebSocket(url);
  await new Promise((ok, fail) => { socket.onopen = ok; socket.onerror = fail; });
  const waiting = new Map();
  const listeners = [];
  let next = 1;
  socket.onmessage = (m) => {
    const msg = JSON.parse(m.data);
    if (msg.id && waiting.has(msg.id)) {
      const { ok, fail } = waiting.get(msg.id);
      waiting.delete(msg.id);
      if (msg.error) fail(new Error(msg.error.message)); else ok(msg.result);
    } else if (msg.method) {
      // Leaving a page during a game asks first; a test goes on unless it looks at the question.
      if (msg.method === 'Page.javascriptDialogOpening' && msg.params.type === 'beforeunload' && !page.keepLeavePrompts) {
        page.send('Page.handleJavaScriptDialog', { accept: true }).catch(() => {});
      }
      for (const l of listeners) l(msg);
    }
  };
  const page = {
    socket,
    // A page whose own thread is stuck never answers: that fails after half a minute.
    send(method, params = {}) {
      const id = next++;
      socket.send(JSON.stringify({ id, method, params }));
      return new Promise((ok, fail) => {
        const timer = setTimeout(() => {
          waiting.delete(id);
          fail(new Error(`the page did not answer ${method} ${(params.expression ?? '').slice(0, 40)}`));
        }, 30000);
        waiting.set(id, { ok: (r) => { clearTimeout(timer); ok(r); }, fail: (e) => { clearTimeout(timer); fail(e); } });
      });
    },
    on(listener) { listeners.push(listener); },
    async eval(expression) {
      const r = await page.send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
      if (r.exceptionDetails) throw new Error(`${expression}: ${r.exceptionDetails.exception?.description}`);
      return r.result.value;
    },
    async until(expression, timeoutMs = 20000, what = expression) {
      const end = Date.now() + timeoutMs;
      while (Date.now() < end) {
        if (await page.eval(expression)) return;
        await sleep(100);
      }
      throw new Error(`timed out waiting for ${what}`);
    },
    // The document left behind is marked, so that only the new one counts as loaded.
    async go(url) {
      await page.eval('window.tvLeft = true');
      await page.send('Page.navigate', { url });
      await page.until('document.readyState === "complete" && !window.tvLeft');
    },
    async click(x, y) {
      const base = { x, y, button: 'left', clickCount: 1 };
      await page.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
      await page.send('Input.dispatchMouseEvent', { type: 'mousePressed', ...base });
      await sleep(30);
      await page.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...base });
    },
    async key(key, code, keyCode, modifiers = 0) {
      const base = { key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode, modifiers };
      await page.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', ...base });
      await sleep(30);
      await page.send('Input.dispatchKeyEvent', { type: 'keyUp', ...base });
    },
    // The page's viewport in CSS pixels, at that many device pixels each. The screen is as large
    // as the viewport, as a page in full screen finds it (headless says 800 x 600 otherwise).
    async viewport(width, height, scale = 1, mobile = false) {
      await page.send('Emulation.setDeviceMetricsOverride',
                      { width, height, deviceScaleFactor: scale, mobile, screenWidth: width, screenHeight: height });
      if (mobile) await page.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
    },
    async screenshot() {
      const r = await page.send('Page.captureScreenshot', { format: 'png' });
      return Buffer.from(r.data, 'base64');
    },
  };
  return page;
}

export { sleep };
