// The game on a phone, in headless chromium with touch at a phone's size and pixel density: taps
// lead from the title into a game and press HINT; taps a third of a tile off the centres of the
// hinted pair take the pair, after a swipe over the first took nothing; held upright the page
// shows the turn-the-phone picture and the game pauses, and turned back it shows the pause until
// a tap resumes it.
// Usage: node --experimental-websocket phone_test.mjs URL
import { launch, sleep } from './browser.mjs';
import { check, finish, open, waitForTitle } from './game_page.mjs';

const [url] = process.argv.slice(2);
const WIDE = [915, 412], UPRIGHT = [412, 915], DENSITY = 2.625;
const THIRD = 21;  // a third of a tile's width, in frame pixels

// In the page (beside game_page.mjs's tvToPage): keeps the presented frame, and the boxes of the
// two places on the board that changed since (the hinted pair), split where the changed pixels
// are farthest apart.
const HELPERS = `
window.tvFrame = () => {
  const p = Module._tv_web_presented_frame();
  return Module.HEAPU32.subarray(p >> 2, (p >> 2) + 1024 * 768);
};
window.tvKeep = () => { window.tvKept = Uint32Array.from(tvFrame()); };
window.tvChanged = (box) => {
  const f = tvFrame();
  let n = 0;
  for (let y = box.top; y <= box.bottom; ++y)
    for (let x = box.left; x <= box.right; ++x) n += f[y * 1024 + x] !== tvKept[y * 1024 + x];
  return n;
};
window.tvPair = () => {
  const f = tvFrame(), xs = [];
  for (let y = 100; y < 720; ++y)
    for (let x = 0; x < 1024; ++x) if (f[y * 1024 + x] !== tvKept[y * 1024 + x]) xs.push([x, y]);
  const byX = xs.map((p) => p[0]).sort((a, b) => a - b), byY = xs.map((p) => p[1]).sort((a, b) => a - b);
  const gap = (v) => v.reduce((g, c, i) => (i && c - v[i - 1] > g[0] ? [c - v[i - 1], v[i - 1]] : g), [0, 0]);
  const [gx, atX] = gap(byX), [gy, atY] = gap(byY);
  const first = (p) => (gx >= gy ? p[0] <= atX : p[1] <= atY);
  const box = (ps) => ({ left: Math.min(...ps.map((p) => p[0])), right: Math.max(...ps.map((p) => p[0])),
                         top: Math.min(...ps.map((p) => p[1])), bottom: Math.max(...ps.map((p) => p[1])) });
  return xs.length ? [box(xs.filter(first)), box(xs.filter((p) => !first(p)))] : [];
};
true`;

// A finger down at frame position (x, y), moved by (dx, dy) in steps, and lifted.
async function touch(page, x, y, dx = 0, dy = 0) {
  const at = async (fx, fy) => {
    const [px, py] = await page.eval(`tvToPage(${fx}, ${fy})`);
    return [{ x: px, y: py, radiusX: 4, radiusY: 4, id: 1 }];
  };
  await page.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: await at(x, y) });
  for (let step = 1; step <= 4; ++step) {
    await sleep(20);
    await page.send('Input.dispatchTouchEvent',
                    { type: 'touchMove', touchPoints: await at(x + (dx * step) / 4, y + (dy * step) / 4) });
  }
  await sleep(30);
  await page.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await sleep(300);
}

// Taps at (x, y); true when the whole picture changed afterwards.
async function tapChanges(page, x, y) {
  await page.eval('tvKeep()');
  await touch(page, x, y);
  const changed = await page.eval('tvChanged({ left: 0, right: 1023, top: 0, bottom: 767 })');
  await sleep(500);  // past the next screen's click guard
  return changed > 0;
}

const centre = (b) => [Math.round((b.left + b.right) / 2), Math.round((b.top + b.bottom) / 2)];

async function playWithTaps(page) {
  const menuButton = [512, 263];
  check(await tapChanges(page, 512, 600) && await tapChanges(page, ...menuButton) &&
        await tapChanges(page, ...menuButton), 'taps lead from the title through the menus into a game');
  await sleep(800);
  await page.eval('tvKeep()');
  await touch(page, 942, 41);  // HINT
  const pair = await page.eval('tvPair()');
  if (!check(pair.length === 2, 'a tap on HINT marks the pair')) return;
  const [a, b] = pair.map(centre);
  await touch(page, a[0] - 40, a[1], 80, 0);  // a swipe across the first, which takes nothing
  await touch(page, a[0] + THIRD, a[1]);
  await touch(page, b[0] - THIRD, b[1]);
  await sleep(10500);  // the hint's marks are gone: only a taken pair still looks different
  const changed = await page.eval(`[tvChanged(${JSON.stringify(pair[0])}), tvChanged(${JSON.stringify(pair[1])})]`);
  check(changed[0] > 500 && changed[1] > 500,
        `after a swipe, taps a third of a tile off the pair's centres take it (${changed} pixels changed)`);
}

async function upright(page) {
  await page.eval('tvKeep()');
  await page.viewport(...UPRIGHT, DENSITY, true);
  await sleep(500);
  check(await page.eval('getComputedStyle(document.getElementById("turn")).display === "flex"'),
        'held upright the page shows the turn-the-phone picture');
  await page.viewport(...WIDE, DENSITY, true);
  await sleep(800);
  const plaque = '{ left: 312, right: 712, top: 280, bottom: 420 }';
  const paused = await page.eval(`tvChanged(${plaque})`);
  await sleep(1500);
  await page.eval('tvKeep()');
  await sleep(1500);
  const still = await page.eval(`tvChanged(${plaque})`);
  check(paused > 5000 && still === 0, `turned back, the game shows its pause (${paused} pixels, then ${still})`);
  check(await tapChanges(page, 512, 200) && await page.eval(`tvChanged(${plaque})`) > 5000,
        'a tap resumes the game');
}

const page = await launch({ width: WIDE[0], height: WIDE[1] });
try {
  await page.viewport(...WIDE, DENSITY, true);
  await open(page, url);
  await waitForTitle(page);
  await page.eval(HELPERS);
  await playWithTaps(page);
  await upright(page);
} catch (e) {
  check(false, e.message);
} finally {
  await page.close();
}
finish('phone');
