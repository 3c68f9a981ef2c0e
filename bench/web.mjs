// Figures of the web game in headless chromium: the time from navigation to the first title
// frame (median of 5 loads), and the processor time of the browser's renderer and GPU processes
// over a stretch at the untouched title, in a game left alone and in the same with the music off,
// as % of one core, with sound allowed from the start; and the renderers' busiest threads.
// Usage: node --experimental-websocket bench/web.mjs URL [SECONDS]
import { readFileSync, readdirSync } from 'node:fs';
import { launch, sleep } from '../tests/web/browser.mjs';

const [url, secondsArg] = process.argv.slice(2);
const seconds = Number(secondsArg || 20);
const HZ = 100;

// The chromium processes below `root` by their --type, with their processor ticks so far.
function processTicks(root) {
  const byParent = new Map();
  for (const name of readdirSync('/proc').filter((n) => /^\d+$/.test(n))) {
    try {
      const stat = readFileSync(`/proc/${name}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      const cmd = readFileSync(`/proc/${name}/cmdline`, 'utf8');
      const type = (/--type=([a-z-]+)/.exec(cmd) || [, 'browser'])[1];
      const entry = { pid: Number(name), type, ticks: Number(fields[11]) + Number(fields[12]) };
      const parent = Number(fields[1]);
      if (!byParent.has(parent)) byParent.set(parent, []);
      byParent.get(parent).push(entry);
    } catch { /* gone meanwhile */ }
  }
  const found = [];
  const walk = (pid) => (byParent.get(pid) || []).forEach((c) => { found.push(c); walk(c.pid); });
  walk(root);
  return found;
}

// The renderers' threads by name, with their processor ticks so far (where the time goes).
function threadTicks(pids) {
  const ticks = new Map();
  for (const [pid, id] of pids.flatMap((p) => readdirSync(`/proc/${p}/task`).map((t) => [p, t]))) {
    try {
      const stat = readFileSync(`/proc/${pid}/task/${id}/stat`, 'utf8');
      const name = stat.slice(stat.indexOf('(') + 1, stat.lastIndexOf(')'));
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      ticks.set(name, (ticks.get(name) || 0) + Number(fields[11]) + Number(fields[12]));
    } catch { /* gone meanwhile */ }
  }
  return ticks;
}

async function cpuOver(page, label) {
  const sum = (list, type) => list.filter((p) => !type || p.type === type).reduce((a, p) => a + p.ticks, 0);
  const before = processTicks(page.pid);
  const renderers = before.filter((p) => p.type === 'renderer').map((p) => p.pid);
  const threadsBefore = threadTicks(renderers);
  await sleep(seconds * 1000);
  const after = processTicks(page.pid);
  const pct = (ticks) => (100 * ticks / HZ / seconds).toFixed(1);
  const delta = (type) => pct(sum(after, type) - sum(before, type));
  console.log(`${label}: renderer ${delta('renderer')} %, GPU process ${delta('gpu-process')} %, ` +
              `browser ${delta('browser')} %, all of chromium ${delta(null)} % of one core over ${seconds} s`);
  const threads = [...threadTicks(renderers)]
    .map(([name, t]) => [name, t - (threadsBefore.get(name) || 0)]).filter(([, t]) => t > 0)
    .sort((a, b) => b[1] - a[1]).slice(0, 5);
  console.log(`  renderer threads: ${threads.map(([n, t]) => `${n} ${pct(t)} %`).join(', ')}`);
}

// Sound allowed from the start, so the music plays as a player hears it after the first press.
const page = await launch({ args: ['--autoplay-policy=no-user-gesture-required'] });
try {
  const times = [];
  for (let i = 0; i < 5; ++i) {
    await page.send('Page.navigate', { url });
    await page.until('window.tavimoraFirstFrame !== undefined', 60000, 'the title frame');
    times.push(await page.eval('window.tavimoraFirstFrame'));
  }
  times.sort((a, b) => a - b);
  console.log(`first title frame after navigation: median ${times[2].toFixed(0)} ms ` +
              `(${times.map((t) => t.toFixed(0)).join(', ')})`);
  await sleep(2000);
  await cpuOver(page, 'untouched title');
  // Into a game: title, NEW GAME, the first difficulty, each a press at frame coordinates.
  const toPage = `((x, y) => { const r = Module.canvas.getBoundingClientRect();
    const s = Math.min(r.width / 1024, r.height / 768);
    return [r.left + (r.width - 1024 * s) / 2 + x * s, r.top + (r.height - 768 * s) / 2 + y * s]; })`;
  for (const [x, y] of [[512, 600], [512, 263], [512, 263]]) {
    const [px, py] = await page.eval(`${toPage}(${x}, ${y})`);
    await page.click(px, py);
    await sleep(1500);
  }
  await cpuOver(page, 'playing, untouched');
  await page.key('m', 'KeyM', 77);  // the music off, as the player turns it off
  await sleep(3000);
  await cpuOver(page, 'playing, music off');
} finally {
  await page.close();
}
