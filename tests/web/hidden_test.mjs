// The player's time on the web, in headless chromium: a page hidden behind another tab pauses the
// game, whose time bar stands still while hidden and after, until P resumes it; closing the page
// during a game asks first.
// Usage: node --experimental-websocket hidden_test.mjs ISOLATED_URL
import { launch, sleep } from './browser.mjs';
import { open, pressIntoGame, waitForTitle } from './game_page.mjs';

const [url] = process.argv.slice(2);
let failures = 0;

function check(ok, what) {
  console.log(`${ok ? 'PASS' : 'FAIL'}: ${what}`);
  if (!ok) failures += 1;
}

// The lit pixels of the time bar's column (68 px wide) in the presented frame: fewer as it drains.
const BAR = `(() => {
  const p = Module._tv_web_presented_frame();
  const f = Module.HEAPU32.subarray(p >> 2, (p >> 2) + 1024 * 768);
  let n = 0;
  for (let y = 0; y < 768; ++y) {
    for (let x = 0; x < 68; ++x) n += ((f[y * 1024 + x] >> 8) & 255) > 120 || ((f[y * 1024 + x] >> 16) & 255) > 150;
  }
  return n;
})()`;

async function barAfter(page, ms) {
  await sleep(ms);
  return page.eval(BAR);
}

const page = await launch();
try {
  await open(page, url);
  await waitForTitle(page);
  if (!(await pressIntoGame(page))) throw new Error('the presses did not lead into a game');
  const running = [await barAfter(page, 500), await barAfter(page, 1500)];
  check(running[1] < running[0], `the bar drains in a shown page (${running.join(' -> ')})`);

  const other = await page.send('Target.createTarget', { url: 'about:blank' });
  const hidden = [await barAfter(page, 300), await barAfter(page, 3000)];
  check(await page.eval('document.hidden'), 'another tab hides the page');
  check(hidden[0] === hidden[1], `the bar stands still while the page is hidden (${hidden.join(' -> ')})`);

  const { targetInfos } = await page.send('Target.getTargets');
  const mine = targetInfos.find((t) => t.type === 'page' && t.url.startsWith(url));
  await page.send('Target.activateTarget', { targetId: mine.targetId });
  await page.send('Target.closeTarget', { targetId: other.targetId });
  const back = await barAfter(page, 1500);
  check(back === hidden[1], `shown again, the game stays paused (${back})`);
  await page.key('p', 'KeyP', 80);
  const resumed = await barAfter(page, 1500);
  check(resumed < back, `P resumes it and the bar drains again (${back} -> ${resumed})`);

  page.keepLeavePrompts = true;
  const asked = new Promise((done) => page.on((m) => {
    if (m.method === 'Page.javascriptDialogOpening') done(m.params.type);
  }));
  await page.send('Page.reload');
  const type = await Promise.race([asked, sleep(5000).then(() => 'none')]);
  check(type === 'beforeunload', `reloading during a game asks first (${type})`);
  if (type !== 'none') await page.send('Page.handleJavaScriptDialog', { accept: false });
} catch (e) {
  check(false, e.message);
} finally {
  await page.close();
}
console.log(failures === 0 ? 'web: hidden page: all passed' : `web: hidden page: ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
