// The browser's storage failing, in headless chromium: with no storage to keep the player's folder
// (IndexedDB refused), and with a storage that refuses every write (its quota full), the saves the
// game makes as it starts are told as not saved on the title; with a working storage the title
// shows no note.
// Usage: node --experimental-websocket storage_test.mjs ISOLATED_URL
import { launch, sleep } from './browser.mjs';
import { check, finish, open, waitFor } from './game_page.mjs';

const [url] = process.argv.slice(2);

// Run in the page before its own script: how the browser's storage fails.
const FAILURES = {
  'no storage': `Object.defineProperty(window, 'indexedDB', { get: () => ({
      open() { throw new DOMException('The storage is not available.', 'SecurityError'); } }) });`,
  'every write refused': `IDBObjectStore.prototype.put = function () {
      throw new DOMException('The quota has been exceeded.', 'QuotaExceededError'); };`,
  'working storage': '',
};

// The fingerprint of the note's rows (y 728 to 763) in the presented frame.
const STRIP = `(() => {
  const p = Module._tv_web_presented_frame();
  const f = Module.HEAPU32.subarray(p >> 2, (p >> 2) + 1024 * 768);
  let h = 2166136261;
  for (let i = 728 * 1024; i < 764 * 1024; ++i) h = Math.imul(h ^ f[i], 16777619) >>> 0;
  return h;
})()`;

// How many times the strip changed from the title's first frame on, over 8 s (a note lasts 3 s;
// the title waits 10 s), looked at every 200 ms.
async function stripChanges(page) {
  await waitFor(page, 'window.tavimoraFirstFrame !== undefined', 60000, 'the title frame');
  const seen = [];
  for (let i = 0; i < 40; ++i, await sleep(200)) seen.push(await page.eval(STRIP));
  return seen.filter((v, i) => i > 0 && v !== seen[i - 1]).length;
}

for (const [what, failure] of Object.entries(FAILURES)) {
  const page = await launch();
  try {
    if (failure) await page.send('Page.addScriptToEvaluateOnNewDocument', { source: failure });
    await open(page, url);
    const changes = await stripChanges(page);
    if (failure) check(changes >= 1, `${what}: the title tells a save as failed (${changes} changes)`);
    else check(changes === 0, `${what}: the title shows no note (${changes} changes)`);
  } catch (e) {
    check(false, `${what}: ${e.message}`);
  } finally {
    await page.close();
  }
}
finish('web: storage');
