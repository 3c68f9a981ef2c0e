// The web game in a real browser (headless chromium): the page served without the isolation
// headers says why it cannot run; served with them, the title appears, presses lead from the
// title through the menu and the difficulty into a game, HINT marks a pair, and the player's
// files survive a reload. No saved setting stops the page: with the music turned off by M, then
// the effects off and the volume at its lowest, then a settings file of junk, each reloaded page
// plays again by presses into a game.
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
  return ok;
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

// From the title by presses into a game, where HINT marks two places on the board; stops at the
// first step that fails.
async function playToHint(page, label = '') {
  const menuButton = [152 + 178 + 182, 184 + 45 + 34];  // the menu panel's first button
  if (!check(await press(page, 512, 600, 'the title press'), `${label}a press on the title shows the menu`) ||
      !check(await press(page, ...menuButton, 'NEW GAME'), `${label}NEW GAME shows the difficulties`) ||
      !check(await press(page, ...menuButton, 'a difficulty'), `${label}a difficulty starts a game`)) {
    return;
  }
  await sleep(1500);
  await page.eval('tvKeep()');
  const [hx, hy] = await page.eval('tvToPage(942, 41)');
  await page.click(hx, hy);
  await sleep(800);
  const cells = await page.eval('tvChangedCells()');
  const onBoard = cells.filter(([x, y]) => y >= 96 && x < 900);
  const apart = onBoard.some(([x, y]) => Math.abs(x - onBoard[0][0]) > 64 || Math.abs(y - onBoard[0][1]) > 64);
  check(onBoard.length >= 2 && apart, `${label}HINT marks two places on the board (${onBoard.length} cells changed)`);
}

// Each row changes the saved settings on the running page (by keys, or by writing the file), which
// are then stored, and must be what the reloaded page reads (or, from junk, writes again). The rows
// follow one another: the first keeps the full screen that F11 above chose, the second leaves it.
const KEY = { m: ['m', 'KeyM', 77], s: ['s', 'KeyS', 83], minus: ['-', 'Minus', 189], f11: ['F11', 'F11', 122] };
const SETTINGS_ROWS = [
  { what: 'music off by M', keys: [KEY.m], kept: /music=off\neffects=on\nvolume=8\npauseaway=on\n$/ },
  { what: 'effects off by S, volume at its lowest, full screen left by F11', kept: /music=off\neffects=off\nvolume=1\npauseaway=on\n$/,
    keys: [KEY.s, ...Array(8).fill(KEY.minus), KEY.f11] },
  { what: 'a settings file of junk', kept: /^fullscreen=0\n(window=\d+x\d+\n)?music=on\neffects=on\nvolume=8\npauseaway=on\n$/,
    junk: 'Uint8Array.from({ length: 6000 }, (_, i) => i * 167 % 256)' },
];

async function settingsRow(page, row, consoleLines) {
  for (const key of row.keys ?? []) await page.key(...key);
  if (row.junk) await page.eval(`Module.FS.writeFile('${PLAYER}settings.txt', ${row.junk}), true`);
  else await page.until(`${row.kept}.test(tvRead("settings.txt"))`, 5000, `${row.what} stored`);
  check(await page.eval('new Promise((done) => Module.FS.syncfs(false, (e) => done(!e)))'),
        `${row.what}: kept in the browser's storage`);
  consoleLines.length = 0;
  await startPage(page);
  check(row.kept.test(await page.eval('tvRead("settings.txt")')), `${row.what}: the reloaded page reads it`);
  await playToHint(page, `${row.what}, reloaded: `);
  if (consoleLines.length > 0) console.log(`  the page said: ${consoleLines.join(' | ')}`);
}

const page = await launch();
const consoleLines = [];
page.on((m) => {
  if (m.method === 'Runtime.consoleAPICalled' && /warn|error/.test(m.params.type)) {
    consoleLines.push(m.params.args.map((a) => a.value ?? a.description).join(' '));
  } else if (m.method === 'Runtime.exceptionThrown') {
    consoleLines.push(m.params.exceptionDetails.exception?.description ?? m.params.exceptionDetails.text);
  }
});
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
  await playToHint(page);

  await page.key('F11', 'F11', 122);
  await sleep(800);
  await page.until('tvRead("settings.txt") !== null', 5000, 'settings.txt').catch(() => {});
  const settings = await page.eval('tvRead("settings.txt")');
  const best = await page.eval('tvRead("scr.dat")');
  check(settings !== null && best !== null, 'the settings and the best score are written');
  await startPage(page);
  check(await page.eval('tvRead("settings.txt")') === settings &&
        await page.eval('tvRead("scr.dat")') === best, 'a reload keeps the settings and the best score');
  const started = Date.now();
  for (const row of SETTINGS_ROWS) await settingsRow(page, row, consoleLines);
  console.log(`web: the saved settings took ${((Date.now() - started) / 1000).toFixed(1)} s`);
} catch (e) {
  check(false, e.message);
} finally {
  await page.close();
}
console.log(failures === 0 ? 'web: all passed' : `web: ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
