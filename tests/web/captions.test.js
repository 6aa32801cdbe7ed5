// The board's captions and play by mouse on the page, in Chromium: a short game by mouse clicks
// alone (Playwright's mouse), the captions read from screenshots by tesseract (captions_read.py,
// as for the desktop) against the words the text mode gives for the same moves, written out
// below; every click heard as the same move by keys sounds; Chromium's accessibility tree holds
// no caption text out of the text mode; L hides them. The menu's presentation shows the
// sentence being heard, read the same way at two moments of the page's own output.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { withPageServed, openPage, press, heardOnFromNow, heardInOrder, keepOutput } = require('./page_session');

const captionsRead = path.join(__dirname, '..', 'captions_read.py');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tintineables-captions-'));

// A screenshot of the shown form's captions, with the geometry captions_read.py takes.
async function shoot(tab, label, selector = '.captions') {
  const box = await tab.evaluate((within) => {
    const rect = document.querySelector(`.form:not([hidden]) ${within}`).getBoundingClientRect();
    return { x: rect.x, y: rect.y, width: rect.width, height: rect.height };
  }, selector);
  const shot = path.join(work, `${label}.png`);
  await tab.screenshot({ path: shot, clip: box });
  const geometry = path.join(work, `${label}.geometry`);
  fs.writeFileSync(geometry, `X=0\nY=0\nWIDTH=${Math.floor(box.width)}\nHEIGHT=${Math.floor(box.height)}\nTOP=0\n`);
  return { shot, geometry };
}

// Whether tesseract reads these lines in the shot; what it read.
function reads({ shot, geometry }, first, second) {
  try {
    execFileSync('python3', [captionsRead, shot, geometry, 'spa', first, second], { encoding: 'utf8', timeout: 60000 });
    return { ok: true };
  } catch (failed) {
    return { ok: false, read: `${shot}:\n${failed.stdout}` };
  }
}

// The captions as a reader sees them: a screenshot of the band, read by tesseract.
async function read(tab, label, status, caption) {
  const { ok, read: seen } = reads(await shoot(tab, label), status, caption);
  assert.ok(ok, `${label} (${seen})`);
}

// The presentation's sentences and where each starts in its recording, as it is heard.
const Presentation = [[0, 'Tintineables.'], [1.28, 'Solitario de treinta y dos bolas para jugar con el oído.'],
  [4.51, 'F1, tutorial.'], [6.88, 'F2, jugar.'], [8.70, 'F3, créditos.'], [10.72, 'F4, retos.'],
  [12.66, 'Escape, salir.']];

async function click(tab, hole, button = 'left') {
  await tab.click(`.form:not([hidden]) #Picture${hole}`, { button });
  await heardOnFromNow(tab, 400);
}

// Every text Chromium's accessibility tree gives a screen reader.
async function accessibleTexts(tab) {
  const session = await tab.context().newCDPSession(tab);
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  return nodes.flatMap((node) => [node.name?.value, node.description?.value, node.value?.value])
    .filter((text) => typeof text === 'string').join('\n');
}

test('captions read back after a game by mouse, heard as by keys, never in the accessibility tree', { timeout: 180000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url, { viewport: { width: 1280, height: 800 } });
  await press(tab, ['Enter'], 400);
  await press(tab, ['F2'], 600);
  // Picture5 at (4,2) picked up, dropped over (4,3) into the empty centre (Picture17); B.
  await click(tab, 5);
  await click(tab, 5);
  await click(tab, 17);
  await click(tab, 17);
  await press(tab, ['KeyB'], 2400);
  await read(tab, 'jumped', 'bolas: 31 · saltos: 1', 'quedan 31 bolas');
  // The emptied (4,3), Picture10, twice: Space refused on an empty hole.
  await click(tab, 10);
  await click(tab, 10);
  await read(tab, 'refused', 'bolas: 31 · saltos: 1', 'error: vacío');
  const texts = await accessibleTexts(tab);
  assert.doesNotMatch(texts, /error: vacío|bolas: 31|quedan 31 bolas/, 'a caption in the accessibility tree');
  // The right button, anywhere on the board: the jump taken back, without the browser's menu.
  await click(tab, 1, 'right');
  await read(tab, 'taken-back', 'bolas: 32 · saltos: 0', 'bola, fila 2, columna 4. salto deshecho');
  assert.equal(await tab.evaluate(() => document.querySelector('.form:not([hidden]) .cursor').id), 'Picture5');

  // Each click's sound as the same move by keys gives it.
  const names = ['presentacion.wav', 'bola.wav', 'bola.wav', 'seleccion.wav', 'central.wav', 'poner1.wav',
                 'voz_quedan.wav', 'voz_31.wav', 'voz_bolas.wav', 'vacio.wav', 'error.wav', 'bola.wav'];
  const heard = await heardInOrder(tab, names);
  const missing = names.findIndex((name, i) => heard.frames[i] < 0);
  if (missing >= 0) {
    assert.fail(`not heard: ${names[missing]}; ${heard.diagnosis} (the page's output: ${await keepOutput(tab, 'mouse')})`);
  }

  // L hides them; the cross takes their room.
  const before = await tab.evaluate(() => document.querySelector('.form:not([hidden]) .hole').getBoundingClientRect().width);
  await press(tab, ['KeyL'], 300);
  const after = await tab.evaluate(() => ({
    shown: document.querySelector('.form:not([hidden]) .captions').checkVisibility(),
    cell: document.querySelector('.form:not([hidden]) .hole').getBoundingClientRect().width,
  }));
  assert.equal(after.shown, false);
  assert.ok(after.cell > before, `cells of ${before} then ${after.cell} pixels`);
  assert.deepEqual(problems, []);
}));

test('the menu shows the sentence of its presentation being heard, and the next one', { timeout: 120000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url, { viewport: { width: 1280, height: 800 } });
  await press(tab, ['Enter'], 0);
  // Each screenshot with the audio graph's frame just before it, and the recorder's first frame
  // (its blocks come one after another from there).
  const moments = [];
  for (const [label, wait] of [['spoken-early', 2600], ['spoken-later', 3600]]) {
    await tab.waitForTimeout(wait);
    const { now, first } = await tab.evaluate(() => {
      const context = window.tintineablesContext;
      const recorded = window.tintineablesHeard.reduce((sum, block) => sum + block.length, 0);
      return { now: context.currentTime * context.sampleRate, first: window.tintineablesHeardUpTo - recorded };
    });
    moments.push({ label, now, first, shot: await shoot(tab, label, '.sentences') });
  }
  const heard = await heardInOrder(tab, ['presentacion.wav']);
  assert.ok(heard.frames[0] >= 0, `the presentation not heard: ${heard.diagnosis}`);
  const rate = await tab.evaluate(() => window.tintineablesContext.sampleRate);
  for (const { label, now, first, shot } of moments) {
    const at = (now - (first + heard.frames[0])) / rate;
    const said = Presentation.findLastIndex(([begins]) => begins <= at);
    // Within a third of a second of a start the clock's tenth and the screen's frame may show
    // either side of it.
    const candidates = [said, said - 1, said + 1].filter((i) => i >= 0 && i + 1 < Presentation.length &&
      (i === said || Math.min(Math.abs(at - Presentation[i][0]), Math.abs(at - Presentation[i + 1][0])) < 0.33));
    const tried = candidates.map((i) => reads(shot, Presentation[i][1], Presentation[i + 1][1]));
    assert.ok(tried.some(({ ok }) => ok), `${label}, ${at.toFixed(2)} s into the presentation: ${tried.map(({ read: seen }) => seen).join('\n')}`);
  }
  const texts = await accessibleTexts(tab);
  assert.doesNotMatch(texts, /Solitario de treinta/, 'a sentence in the accessibility tree');
  assert.deepEqual(problems, []);
}));
