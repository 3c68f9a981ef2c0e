// The web game in a real browser (headless chromium): the page served without the isolation
// headers says why it cannot run; served with them, the title appears, presses lead from the
// title through the menu and the difficulty into a game, HINT marks a pair, and the player's
// files survive a reload.
// The frameshot tool's staged playing screen (a fixed deal), presented by the web build, equals the
// desktop tool's picture of it pixel for pixel.
// Usage: node --experimental-websocket web_test.mjs ISOLATED_URL BARE_URL DESKTOP_FRAME.rgb
import { readFileSync } from 'node:fs';
import { launch, sleep } from './browser.mjs';

const [isolatedUrl, bareUrl, desktopFrame] = process.argv.slice(2);
const FRAME_W = 1024, FRAME_H = 768;
const PLAYER = '/libsdl/tavimora/';
let failures = 0;

function check(ok, what) {
  console.log(`${ok ? 'PASS' : 'FAIL'}: ${what}`);
  if (!ok) failures += 1;
}

// In the page: the presented frame's fingerprint, and which 32 x 32 cells changed since `keep`.
const PAGE_HELPERS = `
window.tvFrame = () => {
  const p = Module._tv_web_presented_frame();
  return p ? Module.HEAPU32.subarray(p >> 2, (p >> 2) + ${FRAME_W * FRAME_H}) : null;
};
window.tvPrint = () => {
  const f = tvFrame(); if (!f) return 0;
  let h = 2166136261;
  for (let i = 0; i < f.length; i += 7) h = Math.imul(h ^ f[i], 16777619) >>> 0;
  return h;
};
window.tvKeep = () => { window.tvKept = Uint32Array.from(tvFrame()); };
window.tvChangedCells = () => {
  const f = tvFrame(), cells = new Set();
  for (let i = 0; i < f.length; ++i) {
    if (f[i] !== tvKept[i]) cells.add(((i / ${FRAME_W} | 0) >> 5) * 100 + ((i % ${FRAME_W}) >> 5));
  }
  return [...cells].map((c) => [(c % 100) * 32, (c / 100 | 0) * 32]);
};
window.tvToPage = (x, y) => {
  const r = Module.canvas.getBoundingClientRect();
  const s = Math.min(r.width / ${FRAME_W}, r.height / ${FRAME_H});
  return [r.left + (r.width - ${FRAME_W} * s) / 2 + x * s, r.top + (r.height - ${FRAME_H} * s) / 2 + y * s];
};
window.tvRead = (name) => {
  try { return Module.FS.readFile('${PLAYER}' + name, { encoding: 'utf8' }); } catch (e) { return null; }
};
true`;

// Presses frame position (x, y) and waits until the picture changed and then settled.
async function press(page, x, y, what) {
  const before = await page.eval('tvPrint()');
  const [px, py] = await page.eval(`tvToPage(${x}, ${y})`);
  await page.click(px, py);
  try {
    await page.until(`tvPrint() !== ${before}`, 10000, `the picture to change after ${what}`);
  } catch (e) {
    check(false, e.message);
    return false;
  }
  await sleep(600);  // past the next screen's click guard
  return true;
}

async function startPage(page) {
  await page.go(isolatedUrl);
  await page.until('window.tavimoraFirstFrame !== undefined', 30000, 'the title frame');
  await page.eval(PAGE_HELPERS);
  await sleep(800);  // past the title's click guard
}

// The presented frame of the web frameshot page against the desktop tool's (R, G, B bytes).
async function compareStagedFrame(page) {
  await page.go(new URL('frameshot.html', isolatedUrl).href);
  await page.until('window.frameShot !== undefined', 30000, 'the staged frame');
  check(await page.eval('window.frameShot') >= 0, 'the web frameshot stages a board');
  const web = Buffer.from(await page.eval(`(() => {
    const p = Module._tv_web_presented_frame();
    const f = Module.HEAPU32.subarray(p >> 2, (p >> 2) + ${FRAME_W * FRAME_H});
    const out = new Uint8Array(f.length * 3);
    for (let i = 0; i < f.length; ++i) {
      out[3 * i] = f[i] >> 16; out[3 * i + 1] = f[i] >> 8; out[3 * i + 2] = f[i];
    }
    let s = '';
    for (let i = 0; i < out.length; i += 0x8000) s += String.fromCharCode.apply(null, out.subarray(i, i + 0x8000));
    return btoa(s);
  })()`), 'base64');
  const desktop = readFileSync(desktopFrame);
  let differing = 0;
  for (let i = 0; i < desktop.length; i += 3) {
    if (desktop[i] !== web[i] || desktop[i + 1] !== web[i + 1] || desktop[i + 2] !== web[i + 2]) ++differing;
  }
  check(web.length === desktop.length && differing === 0,
        `the staged playing screen presented on the web equals the desktop frame (${differing} pixels differ)`);
}

const page = await launch();
try {
  await compareStagedFrame(page);
  // Without service workers (a private window in some browsers) the page cannot isolate itself.
  const noWorkers = await page.send('Page.addScriptToEvaluateOnNewDocument',
                                    { source: 'delete Navigator.prototype.serviceWorker' });
  await page.go(bareUrl);
  await page.until('!document.getElementById("message").hidden', 10000, 'the message');
  const said = await page.eval('document.getElementById("message-text").textContent');
  check(/cross-origin isolated/.test(said), 'a page served without the headers or service workers says so');
  await page.send('Page.removeScriptToEvaluateOnNewDocument', noWorkers);

  await startPage(page);
  check(await page.eval('tvPrint() !== 0'), 'the title appears');
  const menuButton = [152 + 178 + 182, 184 + 45 + 34];  // the menu panel's first button
  check(await press(page, 512, 600, 'the title press'), 'a press on the title shows the menu');
  check(await press(page, ...menuButton, 'NEW GAME'), 'NEW GAME shows the difficulties');
  check(await press(page, ...menuButton, 'a difficulty'), 'a difficulty starts a game');
  await sleep(1500);
  await page.eval('tvKeep()');
  const [hx, hy] = await page.eval('tvToPage(942, 41)');
  await page.click(hx, hy);
  await sleep(800);
  const cells = await page.eval('tvChangedCells()');
  const onBoard = cells.filter(([x, y]) => y >= 96 && x < 900);
  const apart = onBoard.some(([x, y]) => Math.abs(x - onBoard[0][0]) > 64 || Math.abs(y - onBoard[0][1]) > 64);
  check(onBoard.length >= 2 && apart, `HINT marks two places on the board (${onBoard.length} cells changed)`);

  await page.key('F11', 'F11', 122);
  await sleep(800);
  await page.until('tvRead("settings.txt") !== null', 5000, 'settings.txt').catch(() => {});
  const settings = await page.eval('tvRead("settings.txt")');
  const best = await page.eval('tvRead("scr.dat")');
  check(settings !== null && best !== null, 'the settings and the best score are written');
  await startPage(page);
  check(await page.eval('tvRead("settings.txt")') === settings &&
        await page.eval('tvRead("scr.dat")') === best, 'a reload keeps the settings and the best score');
} catch (e) {
  check(false, e.message);
} finally {
  await page.close();
}
console.log(failures === 0 ? 'web: all passed' : `web: ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
