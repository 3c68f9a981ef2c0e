// The music on the web, in headless chromium with sound allowed from the start: it sounds at the
// title through its own audio context, which stands suspended while no music plays (M turns it
// off) and runs again when the music comes back.
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
finish('web: music');
