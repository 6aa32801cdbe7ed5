// The board as a sighted player sees it on the page, in Chromium: screenshots of the cross read
// back pixel by pixel (board_seen.py, as for the desktop and Windows) against the board written
// out after a few jumps, on a desktop's screen, with the system's colours forced, and on a phone
// upright and on its side; at 400% zoom the cursor's hole is kept in view as it moves; the curtain
// blanks the screen and gives it back.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { withPageServed, openPage, press, heardOnFromNow } = require('./page_session');
const { Fingers, gestureOfKey } = require('./fingers');

const boardSeen = path.join(__dirname, '..', 'board_seen.py');

// From the bottom left hole: to (4,2) and up by a jump into the centre; then to (3,4), its peg
// lifted, and the cursor onto the centre. Written out, top row first (upper case: the cursor).
const keys = ['ArrowRight', 'ArrowUp', 'Space', 'ArrowUp', 'ArrowUp', 'Control', 'ArrowDown', 'ArrowDown',
              'ArrowLeft', 'ArrowUp', 'ArrowUp', 'Space', 'ArrowRight'];
const boardAfterKeys = '..ppp../..ppp../ppppppp/pplPppp/pppeppp/..pep../..ppp..';
const gameColours = 'board=#000000,peg=#ffffff,hole=#ffffff,lifted=#00e5ff,cursor=#ffd000,mark=#b0b0b0';

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tintineables-seen-'));

// A screenshot of the open form's cross (or, `whole`, of the whole view) checked by board_seen.py.
async function check(tab, label, picture, colours, { curtain = false } = {}) {
  const area = await tab.evaluate(() => {
    const box = document.querySelector('.form:not([hidden]) .client').getBoundingClientRect();
    return { x: box.x, y: box.y, width: box.width, height: box.height };
  });
  const shot = path.join(work, `${label}.png`);
  await tab.screenshot({ path: shot, clip: area });
  const geometry = path.join(work, `${label}.geometry`);
  fs.writeFileSync(geometry, `X=0\nY=0\nWIDTH=${Math.floor(area.width)}\nHEIGHT=${Math.floor(area.height)}\n`);
  const args = [boardSeen, shot, geometry, picture, colours, ...(curtain ? ['curtain'] : [])];
  try {
    return execFileSync('python3', args, { encoding: 'utf8' });
  } catch (failed) {
    assert.fail(`${label} (${shot}):\n${failed.stdout}`);
  }
}

// The whole view as a PNG in TINTINEABLES_SCREENSHOTS, when set (README's pictures).
async function keepTheView(tab, name) {
  const folder = process.env.TINTINEABLES_SCREENSHOTS;
  if (folder) {
    fs.mkdirSync(folder, { recursive: true });
    await tab.screenshot({ path: path.join(folder, `${name}.png`) });
  }
}

// The system's colours as this browser paints them when it forces them: three squares painted in
// its CSS system colours, screenshot and read back.
async function systemColours(tab) {
  await tab.evaluate(() => {
    for (const [at, name] of ['Canvas', 'CanvasText', 'Highlight'].entries()) {
      const probe = document.createElement('div');
      probe.className = 'probe';
      probe.style.cssText = `position: fixed; top: 0; left: ${at * 10}px; width: 10px; height: 10px;
                             forced-color-adjust: none; background: ${name}; z-index: 9`;
      document.body.append(probe);
    }
  });
  const shot = path.join(work, 'system-colours.png');
  await tab.screenshot({ path: shot, clip: { x: 0, y: 0, width: 30, height: 10 } });
  await tab.evaluate(() => document.querySelectorAll('.probe').forEach((probe) => probe.remove()));
  const read = `import sys; sys.path.insert(0, ${JSON.stringify(path.dirname(boardSeen))}); import screenshot
w, h, pixel = screenshot.read(${JSON.stringify(shot)})
print(" ".join("#%02x%02x%02x" % pixel(5 + 10 * i, 5) for i in range(3)))`;
  const [canvas, text, highlight] = execFileSync('python3', ['-c', read], { encoding: 'utf8' }).trim().split(' ');
  return `board=${canvas},peg=${text},hole=${text},lifted=${highlight},cursor=${highlight},mark=${text}`;
}

async function onTheBoard(tab) {
  await press(tab, ['Enter'], 300);
  await press(tab, ['F2'], 300);
  await press(tab, keys, 60);
}

test('the board as seen: a desktop, forced colours, a phone both ways, the curtain', { timeout: 180000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url, { viewport: { width: 1280, height: 800 } });
  await onTheBoard(tab);
  const seen = await check(tab, 'desktop', boardAfterKeys, gameColours);
  await keepTheView(tab, 'page-board');
  // Large: cells of at least 48 pixels on a laptop's screen.
  const cell = await tab.evaluate(() => document.querySelector('.form:not([hidden]) .hole').getBoundingClientRect().width);
  assert.ok(cell >= 48, `holes of ${cell} pixels`);
  assert.match(seen, /pegs at least/);
  // The curtain: the key left of 1 blanks it, again shows it.
  await press(tab, ['Backquote'], 300);
  await check(tab, 'curtain', '', '', { curtain: true });
  await press(tab, ['Backquote'], 300);
  // More contrast asked for: the centre's grey square as white as the rest.
  await tab.emulateMedia({ contrast: 'more' });
  await check(tab, 'more-contrast', boardAfterKeys, gameColours.replace('mark=#b0b0b0', 'mark=#ffffff'));
  // The player's forced colours (Windows' contrast themes): the board in the system's.
  await tab.emulateMedia({ contrast: 'no-preference', forcedColors: 'active' });
  await check(tab, 'forced', boardAfterKeys, await systemColours(tab));
  assert.deepEqual(problems, []);

  for (const viewport of [{ width: 390, height: 844 }, { width: 844, height: 390 }]) {
    const phone = await openPage(browser, url, { viewport, hasTouch: true, isMobile: true });
    await onTheBoard(phone.tab);
    await check(phone.tab, `phone-${viewport.width}x${viewport.height}`, boardAfterKeys, gameColours);
    await keepTheView(phone.tab, `phone-board-${viewport.width}x${viewport.height}`);
    assert.deepEqual(phone.problems, []);
  }
}));

// A phone's player starts by a tap, and the page lays itself out for touch: the holes are buttons
// in the cross, and the screen's named buttons under it. Played by gestures as a player without a
// screen reader plays (the board opened by a tap in the middle band), the cross drawn must be the
// board's, upright and on its side, with holes of at least 44 pixels and the buttons clear of it.
test('the board as seen on a phone started by a tap, both ways', { timeout: 180000 }, async () => withPageServed(async ({ url, browser }) => {
  let forced = null; // the system's colours, read once upright (on its side the page covers the probe)
  for (const viewport of [{ width: 390, height: 844 }, { width: 844, height: 390 }]) {
    const { tab, problems } = await openPage(browser, url, { viewport, hasTouch: true, isMobile: true });
    const fingers = await Fingers.on(tab);
    const start = await tab.locator('#start').boundingBox();
    await fingers.tap(start.x + start.width / 2, start.y + start.height / 2);
    await heardOnFromNow(tab, 400);
    await fingers.tapBand(1);
    await heardOnFromNow(tab, 600);
    assert.equal(await tab.evaluate(() => document.body.classList.contains('touch')), true);
    for (const key of keys) {
      await gestureOfKey(fingers, key);
      await heardOnFromNow(tab, 120);
    }
    const label = `phone-tapped-${viewport.width}x${viewport.height}`;
    await keepTheView(tab, label);
    await check(tab, label, boardAfterKeys, gameColours);
    await tab.emulateMedia({ forcedColors: 'active' });
    forced ??= await systemColours(tab);
    await check(tab, `${label}-forced`, boardAfterKeys, forced);
    await tab.emulateMedia({ forcedColors: 'none' });
    const { cell, overlap, outside } = await tab.evaluate(() => {
      const form = document.querySelector('.form:not([hidden])');
      const cross = form.querySelector('.client').getBoundingClientRect();
      const apart = (a, b) => a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
      const shown = [...form.querySelectorAll('.choices button')].filter((b) => b.checkVisibility());
      return {
        cell: form.querySelector('.hole').getBoundingClientRect().width,
        overlap: shown.filter((b) => !apart(b.getBoundingClientRect(), cross)).map((b) => b.textContent),
        outside: [...shown, form.querySelector('.captions')].filter((b) => {
          const box = b.getBoundingClientRect();
          return box.bottom > innerHeight + 0.5 || box.right > innerWidth + 0.5 || box.height < 1;
        }).map((b) => b.textContent),
      };
    });
    assert.ok(cell >= 44, `holes of ${cell} pixels`);
    assert.deepEqual(overlap, [], 'buttons over the cross');
    assert.deepEqual(outside, [], 'off the screen, or not shown');
    assert.deepEqual(problems, []);
  }
}));

// At 400% zoom a laptop's 1280 by 800 pixels are a view of 320 by 200: the cross no longer fits,
// and a magnifier's user follows the cursor as the page scrolls its hole into view.
test('at 400% zoom the cursor stays in view', { timeout: 120000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url, { viewport: { width: 320, height: 200 } });
  await press(tab, ['Enter'], 300);
  await press(tab, ['F2'], 300);
  const walk = ['ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowRight', 'ArrowRight',
                'ArrowDown', 'ArrowDown', 'ArrowRight', 'ArrowRight', 'ArrowDown', 'ArrowDown', 'ArrowDown'];
  let scrolled = false;
  for (const key of walk) {
    await press(tab, [key], 80);
    const { box, at } = await tab.evaluate(() => {
      const rect = document.querySelector('.form:not([hidden]) .hole.cursor').getBoundingClientRect();
      return { box: { top: rect.top, bottom: rect.bottom, left: rect.left, right: rect.right }, at: window.scrollY };
    });
    scrolled ||= at > 0;
    // (less than a pixel over: the page's scroll is in whole pixels, the cells' edges not)
    assert.ok(box.top > -1 && box.bottom < 201 && box.left > -1 && box.right < 321,
              `after ${key} the cursor's hole at ${JSON.stringify(box)}`);
  }
  assert.ok(scrolled, 'the page never scrolled: the walk proved nothing');
  assert.deepEqual(problems, []);
}));
