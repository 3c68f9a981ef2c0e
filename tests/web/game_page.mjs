// The game's page seen from a test: waiting across the page's own reloads, a fingerprint of the
// presented frame, presses at frame positions that lead from the title into a game, and the
// tally of a test's checks.
import { sleep } from './browser.mjs';

const FRAME_W = 1024, FRAME_H = 768;

// In the page: the presented frame's fingerprint (0 before the first), and a frame position on
// the page.
const HELPERS = `
window.tvPrint = () => {
  const p = Module._tv_web_presented_frame(); if (!p) return 0;
  const f = Module.HEAPU32.subarray(p >> 2, (p >> 2) + ${FRAME_W * FRAME_H});
  let h = 2166136261;
  for (let i = 0; i < f.length; i += 7) h = Math.imul(h ^ f[i], 16777619) >>> 0;
  return h;
};
window.tvToPage = (x, y) => {
  const r = Module.canvas.getBoundingClientRect();
  const s = Math.min(r.width / ${FRAME_W}, r.height / ${FRAME_H});
  return [r.left + (r.width - ${FRAME_W} * s) / 2 + x * s, r.top + (r.height - ${FRAME_H} * s) / 2 + y * s];
};
true`;

// Like page.until, but a page that reloads meanwhile only makes it ask again.
export async function waitFor(page, expression, timeoutMs, what = expression) {
  const end = Date.now() + timeoutMs;
  while (Date.now() < end) {
    try {
      if (await page.eval(expression)) return;
    } catch { /* the page is between documents */ }
    await sleep(100);
  }
  throw new Error(`timed out waiting for ${what}`);
}

// Goes to the address and waits for the document to load, whatever it does next.
export async function open(page, url) {
  await page.send('Page.navigate', { url });
  await waitFor(page, 'document.readyState === "complete"', 20000, `${url} to load`);
}

// Waits for the title's first frame of whatever document the page ends up on.
export async function waitForTitle(page, timeoutMs = 60000) {
  await waitFor(page, 'window.tavimoraFirstFrame !== undefined', timeoutMs, 'the title frame');
  await page.eval(HELPERS);
  await sleep(800);  // past the title's click guard
}

// Presses the title, NEW GAME and the first difficulty; true when each changed the picture.
export async function pressIntoGame(page) {
  const menuButton = [152 + 178 + 182, 184 + 45 + 34];  // the menu panel's first button
  for (const [x, y] of [[512, 600], menuButton, menuButton]) {
    const before = await page.eval('tvPrint()');
    const [px, py] = await page.eval(`tvToPage(${x}, ${y})`);
    await page.click(px, py);
    try {
      await page.until(`tvPrint() !== ${before}`, 10000);
    } catch {
      return false;
    }
    await sleep(600);  // past the next screen's click guard
  }
  return true;
}

let failures = 0;

// One check of the test, told as PASS or FAIL; gives `ok` back.
export function check(ok, what) {
  console.log(`${ok ? 'PASS' : 'FAIL'}: ${what}`);
  if (!ok) failures += 1;
  return ok;
}

// Ends the test with the count of failed checks under its name.
export function finish(name) {
  console.log(failures === 0 ? `${name}: all passed` : `${name}: ${failures} failed`);
  process.exit(failures === 0 ? 0 : 1);
}
