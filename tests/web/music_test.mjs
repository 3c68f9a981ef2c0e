// The music on the web, in headless chromium with sound allowed from the start: it sounds at the
// title through its own audio context, which stands suspended while no music plays (M turns it
// off) and runs again when the music comes back. The page fetches only the track it plays, after
// the first frame; a track that cannot come leaves the game silent until the network is back.
// Usage: node --experimental-websocket music_test.mjs ISOLATED_URL
import { launch, sleep } from './browser.mjs';
import { check, finish, open, waitFor, waitForTitle } from './game_page.mjs';

const [url] = process.argv.slice(2);
const SOUNDING = `!!(tvMusic.source && tvMusic.source.buffer.duration > 0 && tvMusic.context.state === 'running')`;
const CLOCK = 'tvMusic.context.currentTime';

async function clockOver(page, ms) {
  const before = await page.eval(CLOCK);
  await sleep(ms);
  return (await page.eval(CLOCK)) - before;
}

const page = await launch({ args: ['--autoplay-policy=no-user-gesture-required'] });
try {
  await open(page, url);
  await waitForTitle(page);
  await waitFor(page, SOUNDING, 10000, 'a track sounding at the title');
  const fetched = await page.eval(`(() => {
    const entries = performance.getEntriesByType('resource');
    const data = entries.find((e) => e.name.endsWith('/tavimora.data'));
    return entries.filter((e) => /backmusic\\d\\.mp3$/.test(e.name)).map((e) => e.startTime >= data.responseEnd);
  })()`);
  check(fetched.length === 1 && fetched[0],
        `only the track played is fetched, once the game's own files have come (${fetched})`);
  const played = await clockOver(page, 1000);
  check(played > 0.5, `the music's clock runs at the title (${played.toFixed(2)} s in 1 s)`);
  check(await page.eval('tvMusic.context.baseLatency') > 0.05, 'the music asks for long buffers');

  await page.key('m', 'KeyM', 77);
  await waitFor(page, `tvMusic.context.state === 'suspended' && !tvMusic.source`, 5000, 'the music off');
  check(await clockOver(page, 1000) === 0, 'with the music off, its context stands still');
  await page.key('m', 'KeyM', 77);
  await waitFor(page, SOUNDING, 10000, 'a track sounding once the music is on again');
  check(true, 'M brings the music back');
} catch (e) {
  check(false, e.message);
} finally {
  await page.close();
}

// With the tracks' addresses blocked the game plays on silently; once they are free again, the
// game's next try brings the music.
const offline = await launch({ args: ['--autoplay-policy=no-user-gesture-required'] });
try {
  await offline.send('Network.enable');
  await offline.send('Network.setBypassServiceWorker', { bypass: true });
  await offline.send('Network.setBlockedURLs', { urls: ['*backmusic*'] });
  await open(offline, url);
  await waitForTitle(offline);
  await sleep(3000);
  check(!(await offline.eval('!!tvMusic.source')), 'a track that cannot come does not sound');
  const before = await offline.eval('tvPrint()');
  await offline.key('F1', 'F1', 112);
  await offline.until(`tvPrint() !== ${before}`, 10000, 'the help after F1');
  check(true, 'the game answers while its music cannot come');
  await offline.key('Escape', 'Escape', 27);
  await offline.send('Network.setBlockedURLs', { urls: [] });
  await waitFor(offline, SOUNDING, 20000, 'a track sounding once it can come');
  check(true, 'the music sounds once its track can come');
} catch (e) {
  check(false, e.message);
} finally {
  await offline.close();
}
finish('web: music');
