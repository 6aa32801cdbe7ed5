// The page's rows of the benchmark, in Debian's Chromium, the page served on localhost by
// Python's static server as tools/dev web serves it:
// - from opening the address to the first key's sound ready (the start element focused, the
//   presentation decoded), on a first visit and on a later one, median of five each;
// - the bytes a first visit takes from the server, everything the page keeps to play offline
//   included, as the server sends them;
// - the page's own part of a key's way to the speakers: from the key event to its cue's start in
//   Web Audio, over 400 arrows on the board (what follows is the browser's own output path, which
//   bench/sound_servers.sh measures whole, to the sink);
// - the memory of the page's process after every screen and answer has been heard: its own
//   (private) memory, as Chrome's task manager counts a tab's footprint, and beside it its share
//   of the memory it shares with Chromium's other processes (proportional) and all it touches
//   (resident).
//   NODE_PATH=build-web/node/node_modules node bench/page_bench.js build-web/page
'use strict';
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { chromium } = require('playwright-core');

const folder = path.resolve(process.argv[2] ?? 'build-web/page');

function serve() {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', folder],
                       { stdio: ['ignore', 'pipe', 'pipe'] });
  const requests = [];
  server.stderr.on('data', (data) => {
    for (const match of String(data).matchAll(/"GET (\S+) HTTP\/[\d.]+" (\d+)/g)) requests.push([match[1], match[2]]);
  });
  return new Promise((resolve) => server.stdout.on('data', (data) => {
    const port = String(data).match(/port (\d+)/);
    if (port) resolve({ url: `http://127.0.0.1:${port[1]}/`, requests, close: () => server.kill() });
  }));
}

// An argument Chromium ignores, to find its browser process by.
const Marker = `--tintineables-bench=${process.pid}`;

function launch() {
  return chromium.launch({
    executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--disable-features=Translate', Marker],
  });
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function readyAfter(tab) {
  await tab.waitForSelector('body[data-ready="true"]', { timeout: 20000 });
  return tab.evaluate(() => performance.getEntriesByName('tintineables-ready')[0].startTime);
}

// Waits until the service worker runs and the page has kept what it loaded.
async function keptForOffline(tab) {
  await tab.waitForFunction(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    const names = await caches.keys();
    if (!registration?.active || names.length !== 1) return false;
    const kept = (await (await caches.open(names[0])).keys()).map((request) => new URL(request.url).pathname);
    return kept.includes('/sounds/tutorial.opus') && kept.includes('/winnable.table');
  }, null, { timeout: 30000, polling: 200 });
}

// The private, proportional and resident memory of the renderer that holds the page, in MB.
function rendererMemory() {
  const processes = fs.readdirSync('/proc').filter((entry) => /^\d+$/.test(entry));
  const read = (pid, file) => { try { return fs.readFileSync(`/proc/${pid}/${file}`, 'utf8'); } catch { return ''; } };
  const parentOf = (pid) => read(pid, 'stat').split(') ')[1]?.split(' ')[1];
  const browser = processes.find((pid) => read(pid, 'cmdline').split('\0').includes(Marker));
  const all = [];
  const walk = (pid) => {
    for (const child of processes.filter((entry) => parentOf(entry) === pid)) { all.push(child); walk(child); }
  };
  walk(browser);
  let page = { private: 0, pss: 0, rss: 0 };
  for (const pid of all) {
    const rollup = read(pid, 'smaps_rollup');
    if (!read(pid, 'cmdline').includes('--type=renderer') || !rollup) continue;
    const field = (name) => Number(rollup.match(new RegExp(`^${name}:\\s+(\\d+) kB`, 'm'))[1]) / 1024;
    const own = field('Private_Clean') + field('Private_Dirty');
    if (own > page.private) page = { private: own, pss: field('Pss'), rss: field('Rss') };
  }
  return page;
}

async function main() {
  const server = await serve();
  const browser = await launch();
  const firsts = [];
  const laters = [];
  let bytes = 0;
  let files = 0;
  for (let run = 0; run < 5; run++) {
    const context = await browser.newContext({ locale: 'es-ES' });
    const tab = await context.newPage();
    server.requests.length = 0;
    await tab.goto(server.url);
    firsts.push(await readyAfter(tab));
    await keptForOffline(tab);
    await tab.waitForTimeout(500);
    if (run === 0) {
      for (const [url, status] of server.requests) {
        if (status !== '200') continue;
        const file = path.join(folder, decodeURIComponent(new URL(url, server.url).pathname).replace(/\/$/, '/index.html'));
        bytes += fs.statSync(file).size;
        files += 1;
      }
    }
    await tab.reload();
    laters.push(await readyAfter(tab));
    await context.close();
  }
  // The key path in the page: the key event's time against the start of the sound it makes.
  const timed = await browser.newContext({ locale: 'es-ES' });
  await timed.addInitScript(() => {
    window.keyTimes = [];
    window.startTimes = [];
    document.addEventListener('keydown', (event) => window.keyTimes.push(event.timeStamp), true);
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
      window.startTimes.push(performance.now());
      return start.apply(this, args);
    };
  });
  const keyTab = await timed.newPage();
  await keyTab.goto(server.url);
  await readyAfter(keyTab);
  await keyTab.keyboard.press('Enter');
  await keyTab.waitForTimeout(500);
  await keyTab.keyboard.press('F2');
  await keyTab.waitForTimeout(300);
  for (const key of ['ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowLeft', 'ArrowLeft', 'ArrowLeft']) await keyTab.keyboard.press(key);
  await keyTab.waitForTimeout(300);
  await keyTab.evaluate(() => {
    window.keyTimes.length = 0;
    window.startTimes.length = 0;
  });
  for (let press = 0; press < 400; press++) {
    await keyTab.keyboard.press((press / 6) % 2 < 1 ? 'ArrowRight' : 'ArrowLeft');
    await keyTab.waitForTimeout(15);
  }
  const [keyTimes, startTimes] = await keyTab.evaluate(() => [window.keyTimes, window.startTimes]);
  const keyToStart = keyTimes.map((time, i) => (startTimes[i] - time) * 1000);
  await timed.close();

  // Memory: every screen, the board's answers, Command9, back to the menu.
  const context = await browser.newContext({ locale: 'es-ES' });
  const tab = await context.newPage();
  await tab.goto(server.url);
  await readyAfter(tab);
  for (const [key, wait] of [['Enter', 500], ['F1', 1500], ['F3', 800], ['F2', 500], ['KeyB', 2500], ['KeyP', 2500],
                             ['KeyG', 1500], ['KeyA', 1500], ['Shift+Tab', 300], ['Escape', 800]]) {
    await tab.keyboard.press(key);
    await tab.waitForTimeout(wait);
  }
  const memory = rendererMemory();
  await browser.close();
  server.close();

  const row = (measure, result, target, ok) =>
    console.log(`| ${measure.padEnd(50)} | ${result.padEnd(40)} | ${target.padEnd(24)} | ${ok ? 'ok' : 'MISSED'} |`);
  console.log(`| ${'measure'.padEnd(50)} | ${'result'.padEnd(40)} | ${'target'.padEnd(24)} |      |`);
  console.log(`|${'-'.repeat(52)}|${'-'.repeat(42)}|${'-'.repeat(26)}|------|`);
  row('page: address to first sound ready, first visit (ms)', `median ${median(firsts).toFixed(0)}  max ${Math.max(...firsts).toFixed(0)}`, '<= 1000 ms', median(firsts) <= 1000);
  row('page: the same, a later visit (ms)', `median ${median(laters).toFixed(0)}  max ${Math.max(...laters).toFixed(0)}`, '<= 1000 ms', median(laters) <= 1000);
  row('page: bytes of a first visit, offline included', `${(bytes / 1e6).toFixed(2)} MB in ${files} files`, '<= 8 MB', bytes <= 8e6);
  const sorted = [...keyToStart].sort((a, b) => a - b);
  const quantile = (q) => sorted[Math.min(sorted.length - 1, Math.round(q * (sorted.length - 1)))];
  row(`page: key event to its cue's start, ${keyToStart.length} arrows (us)`, `p50 ${quantile(0.5).toFixed(0)}  p99 ${quantile(0.99).toFixed(0)}  max ${sorted.at(-1).toFixed(0)}`, '(the page\'s own part)', keyTimes.length === startTimes.length);
  row("page: the page's memory, every screen heard (MB)", `own ${memory.private.toFixed(0)} (shared in: ${memory.pss.toFixed(0)}, touched: ${memory.rss.toFixed(0)})`, '<= 100 MB own', memory.private <= 100);
}

main().catch((error) => { console.error(error); process.exit(1); });
