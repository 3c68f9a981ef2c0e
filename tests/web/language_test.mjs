// The page in the browser's language, in headless chromium: a Japanese browser gets the English
// title first, then the Japanese one once the Japanese files came, which the test holds back until
// the first frame is up (a page that waited for them would never show one), as does the menu if the
// player pressed on meanwhile; and what came before the first frame weighs no more than for an
// English browser.
// Usage: node --experimental-websocket language_test.mjs ISOLATED_URL
import { launch, sleep } from './browser.mjs';
import { check, finish, open, waitFor, waitForTitle } from './game_page.mjs';

const [url] = process.argv.slice(2);

// The bytes of the page's files that had come when the first frame showed.
const BYTES_BEFORE_FIRST_FRAME = `performance.getEntries()
  .filter((e) => e.entryType === 'navigation' || (e.entryType === 'resource' && e.responseEnd <= tavimoraFirstFrame))
  .reduce((sum, e) => sum + e.encodedBodySize, 0)`;

// Opens the page with the browser's languages `accept` and tells what it showed; `toMenu` presses
// the title before the held files go on.
async function visit(accept, holdLanguages, toMenu = false) {
  const page = await launch({ args: [`--lang=${accept.split(',')[0]}`, `--accept-lang=${accept}`] });
  try {
    await page.send('Network.setUserAgentOverride', { userAgent: 'Mozilla/5.0 (X11; Linux x86_64)', acceptLanguage: accept });
    const held = [];
    if (holdLanguages) {
      // The service worker would fetch them out of the test's reach.
      await page.send('Network.enable');
      await page.send('Network.setBypassServiceWorker', { bypass: true });
      await page.send('Fetch.enable', { patterns: [{ urlPattern: '*/content/art/*' }] });
      page.on((m) => { if (m.method === 'Fetch.requestPaused') held.push(m.params); });
    }
    await open(page, url);
    await waitForTitle(page);
    const seen = {
      languages: await page.eval('navigator.languages.join()'),
      english: await page.eval('tvPrint()'),
      bytes: await page.eval(BYTES_BEFORE_FIRST_FRAME),
      held: held.length,
    };
    if (toMenu) {
      const [x, y] = await page.eval('tvToPage(512, 600)');
      await page.click(x, y);
      await waitFor(page, `tvPrint() !== ${seen.english}`, 10000, 'the menu');
      await sleep(1000);
      seen.english = await page.eval('tvPrint()');
    }
    for (const { requestId } of held) await page.send('Fetch.continueRequest', { requestId });
    // The files fetched are the ones the service worker keeps once fetched (its LATER list).
    const later = await page.eval(`fetch('sw.js').then((r) => r.text())`);
    seen.unkept = held.map((p) => new URL(p.request.url).pathname.slice(1)).filter((f) => !later.includes(`["${f}",`));
    if (holdLanguages) {
      await waitFor(page, 'Module.tvFilesArrived !== undefined', 20000, 'the language files');
      await waitFor(page, `tvPrint() !== ${seen.english}`, 10000, 'the title to change').catch(() => {});
      seen.shown = await page.eval('tvPrint()');
      seen.order = await page.eval('[tavimoraFirstFrame, Module.tvFilesArrived]');
    }
    return seen;
  } finally {
    await page.close();
  }
}

try {
  const english = await visit('en-US,en', false);
  const japanese = await visit('ja,en', true);
  const menu = await visit('ja,en', true, true);
  check(japanese.languages.startsWith('ja'), `the browser's languages are Japanese first (${japanese.languages})`);
  check(english.english === japanese.english, 'the first frame is the English title in either browser');
  check(japanese.held > 0 && japanese.order[0] < japanese.order[1],
        `the first frame came before the Japanese files (${japanese.held} held back until it)`);
  check(japanese.unkept.length === 0, `the service worker keeps them (not: ${japanese.unkept.join(', ') || 'none'})`);
  check(japanese.shown !== japanese.english, 'the title changes to Japanese once they came, untouched');
  check(menu.shown !== menu.english, 'so does the menu when the player pressed on before they came');
  check(japanese.bytes <= english.bytes,
        `before the first frame the Japanese browser loads no more than the English one (${japanese.bytes} <= ${english.bytes} bytes)`);
} catch (e) {
  check(false, e.message);
}
finish('language');
