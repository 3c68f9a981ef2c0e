// The browser's storage failing, in headless chromium: with no storage to keep the player's folder
// (IndexedDB refused), and with a storage that refuses every write (its quota full), M's saved
// setting is told as not saved after the sound's own note; with a working storage only the
// sound's note shows.
// Usage: node --experimental-websocket storage_test.mjs ISOLATED_URL
import { launch, sleep } from './browser.mjs';
import { check, finish, open, waitForTitle } from './game_page.mjs';

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

// The strip before M, while the sound's note is up (it lasts 1 s) and 1 s after that note.
async function notesAfterM(page) {
  await sleep(4000);  // past any note of the start
  const before = await page.eval(STRIP);
  await page.key('m', 'KeyM', 77);
  await sleep(500);
  const sound = await page.eval(STRIP);
  await sleep(1500);
  return { before, sound, after: await page.eval(STRIP) };
}

for (const [what, failure] of Object.entries(FAILURES)) {
  const page = await launch();
  try {
    if (failure) await page.send('Page.addScriptToEvaluateOnNewDocument', { source: failure });
    await open(page, url);
    await waitForTitle(page);
    const { before, sound, after } = await notesAfterM(page);
    check(sound !== before, `${what}: M shows the sound's note`);
    if (failure) {
      check(after !== before && after !== sound, `${what}: then the setting is told as not saved`);
    } else {
      check(after === before, `${what}: nothing is told after the sound's note`);
    }
  } catch (e) {
    check(false, `${what}: ${e.message}`);
  } finally {
    await page.close();
  }
}
finish('web: storage');
