// The web game as an app, in headless chromium: the manifest names icons that exist; the service
// worker keeps exactly the files the page loads before the game runs; with them kept, the game plays with the network
// off; a host without the isolation headers runs it after the worker's reload; and a new build
// over an old cache is what the page runs after one reload, whole.
// The test serves the folders itself (scripts/serve-web.py), since it stops and swaps servers.
// Usage: node --experimental-websocket app_test.mjs WEB_FOLDER NEXT_BUILD_FOLDER FIRST_PORT
//   (NEXT_BUILD_FOLDER: a copy of WEB_FOLDER changed as a new build, its page.js setting
//   window.tavimoraBuild = 'next'; three ports from FIRST_PORT on are used)
import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { launch } from './browser.mjs';
import { open, pressIntoGame, waitFor, waitForTitle } from './game_page.mjs';

const [webFolder, nextFolder, firstPort] = process.argv.slice(2);
const SERVER = new URL('../../scripts/serve-web.py', import.meta.url).pathname;
let failures = 0;

function check(ok, what) {
  console.log(`${ok ? 'PASS' : 'FAIL'}: ${what}`);
  if (!ok) failures += 1;
}

async function serve(folder, port, bare = false) {
  const proc = spawn('python3', [SERVER, folder, '--port', String(port), ...(bare ? ['--bare'] : [])],
                     { stdio: ['ignore', 'pipe', 'ignore'] });
  await new Promise((ok) => proc.stdout.once('data', ok));
  return {
    url: `http://127.0.0.1:${port}/`,
    async stop() { proc.kill(); await new Promise((r) => proc.once('exit', r)); },
  };
}

// The worker's list of [address, hash] and its version, as the build wrote them.
function workerList(folder) {
  const text = readFileSync(join(folder, 'sw.js'), 'utf8');
  return { files: JSON.parse(/const FILES = (\[.*\]);/.exec(text)[1]),
           later: JSON.parse(/const LATER = (\[.*\]);/.exec(text)[1]).map(([url]) => url),
           version: /const VERSION = '(\w+)'/.exec(text)[1] };
}

// Resolves once the page's worker controls it and its cache holds the whole build.
// (The cache may also hold files the game fetched while it ran, which the list's LATER names.)
const KEPT = (list) => `(async () => {
  if (!navigator.serviceWorker.controller) return false;
  const names = await caches.keys();
  if (names.length !== 1) return false;
  const kept = (await (await caches.open(names[0])).keys()).map((r) => new URL(r.url).pathname.slice(1) || './');
  const files = ${JSON.stringify(list.files.map(([url]) => url))};
  const later = ${JSON.stringify(list.later)};
  return files.every((f) => kept.includes(f)) && kept.every((f) => files.includes(f) || later.includes(f));
})()`;

// The page's own files the browser asked for, as the worker's list names them.
function recordRequests(page, origin) {
  const seen = new Set();
  page.on((msg) => {
    if (msg.method !== 'Network.requestWillBeSent') return;
    const url = new URL(msg.params.request.url);
    if (url.origin !== origin || url.protocol === 'blob:') return;  // the music, made in the page
    const name = url.pathname.slice(1);
    seen.add(name === '' || name === 'index.html' ? './' : name);
  });
  return seen;
}

// The manifest parses, and every icon it or the page names is a PNG of its size.
async function checkManifest(page) {
  const report = await page.eval(`(async () => {
    const link = document.querySelector('link[rel=manifest]');
    const manifest = await (await fetch(link.href)).json();
    const icons = manifest.icons.map((i) => [new URL(i.src, link.href).href, i.sizes]);
    for (const l of document.querySelectorAll('link[rel~=icon], link[rel=apple-touch-icon]')) {
      icons.push([l.href, null]);
    }
    const bad = [];
    for (const [href, sizes] of icons) {
      const r = await fetch(href);
      const type = r.headers.get('Content-Type');
      const bitmap = r.ok && type === 'image/png' ? await createImageBitmap(await r.blob()) : null;
      if (!bitmap || (sizes && sizes !== bitmap.width + 'x' + bitmap.height)) bad.push(href);
    }
    return { name: manifest.name, icons: icons.map(([h]) => new URL(h).pathname.slice(1)), bad };
  })()`);
  check(report.name === 'Tavimora' && report.bad.length === 0,
        `the manifest parses and its icons exist at their sizes (${report.bad.join(', ') || 'all found'})`);
  return report.icons;
}

// First visit on a host with the headers, then the same with the server gone and the network off.
async function offline(page, list) {
  const server = await serve(webFolder, Number(firstPort));
  await page.send('Network.enable');
  const requested = recordRequests(page, new URL(server.url).origin);
  await open(page, server.url);
  await waitForTitle(page);
  await waitFor(page, KEPT(list), 30000, 'the worker to keep the build');
  const icons = await checkManifest(page);
  const expected = new Set([...requested, 'manifest.webmanifest', ...icons]);
  expected.delete('sw.js');
  list.later.forEach((f) => expected.delete(f));  // the music, fetched once the game runs
  const listed = list.files.map(([url]) => url);
  const missing = [...expected].filter((f) => !listed.includes(f));
  const extra = listed.filter((f) => !expected.has(f));
  check(missing.length === 0 && extra.length === 0 && listed.length === new Set(listed).size,
        `the worker keeps every file the page loads and nothing else (missing: ${missing.join(', ') || 'none'}; ` +
        `extra: ${extra.join(', ') || 'none'})`);

  await server.stop();
  await page.send('Network.emulateNetworkConditions',
                  { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  await open(page, server.url);
  await waitForTitle(page);
  check(await pressIntoGame(page), 'with the network off a reload plays: presses lead into a game');
  await page.send('Network.emulateNetworkConditions',
                  { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  await page.send('Network.disable');
}

// A host that cannot send the isolation headers: the worker adds them after one reload.
async function bareHost(page) {
  const server = await serve(webFolder, Number(firstPort) + 1, true);
  try {
    await open(page, server.url);
    await waitForTitle(page);
    check(await page.eval('crossOriginIsolated && performance.getEntriesByType("navigation")[0].type === "reload"'),
          'without the headers the page is isolated after the worker\'s reload');
    check(await pressIntoGame(page), 'without the headers presses lead into a game');
  } finally {
    await server.stop();
  }
}

// The old build kept, then the new one served: one reload later the page runs the new build
// from the new build's cache alone.
async function newBuild(page, list) {
  const port = Number(firstPort) + 2;
  let server = await serve(webFolder, port);
  await open(page, server.url);
  await waitForTitle(page);
  await waitFor(page, KEPT(list), 30000, 'the worker to keep the old build');
  await server.stop();
  server = await serve(nextFolder, port);
  try {
    await open(page, server.url);
    await waitFor(page, 'window.tavimoraBuild === "next"', 60000, 'the new build');
    await waitForTitle(page);
    const next = workerList(nextFolder);
    check(await page.eval(`(async () => (await caches.keys()).join()
                             === 'tavimora-${next.version}')()`) &&
          await page.eval(KEPT(next)),
          'a new build over an old cache runs after one reload, from its own cache alone');
  } finally {
    await server.stop();
  }
}

const page = await launch();
try {
  const list = workerList(webFolder);
  await offline(page, list);
  await bareHost(page);
  await newBuild(page, list);
} catch (e) {
  check(false, e.message);
} finally {
  await page.close();
}
console.log(failures === 0 ? 'app: all passed' : `app: ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
