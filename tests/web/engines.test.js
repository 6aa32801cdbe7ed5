// The page in Firefox (Gecko) or WebKitGTK (WebKit), as TINTINEABLES_ENGINE names it, with the
// scenarios it has in Chromium: the screen tour and a published winning game, the help keys and
// undo (the speech as Opus, and as AAC where the Opus trial fails), the puzzles, heard from the page's own
// output against the game's own sounds for the same keys; axe-core on every screen, the titles,
// the holes and Command9; the browser's meaning of the game's keys kept from them; the language
// from the browser; the reload with the network gone.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { press, playAndHear, heardInOrder, keepOutput, violations, presented } = require('./page_session');
const { openEngine } = require('./engines');
const { serve } = require('./test_server');
const { RecorderPath, Recorder, InjectedPath, Injected, keptForOffline } = require('./in_page');
const { tourAndGame, tourPauses, helpKeys, answerPauses, puzzleKeys, puzzlePauses, wrongOnThePlus } = require('./scenarios');

const engine = process.env.TINTINEABLES_ENGINE;
const page = process.env.TINTINEABLES_PAGE;

// Runs `use({ tab, server })` in a fresh browser of the engine at the page, served with the
// tests' script first in it; closes both after.
async function withEngine(options, use) {
  const server = await serve(page, { inject: InjectedPath, refuseOpus: options.refuseOpus,
                                     extra: { [RecorderPath]: Recorder, [InjectedPath]: Injected } });
  let opened;
  try {
    opened = await openEngine(engine, server.url, options);
    const result = await use({ tab: opened.tab, server });
    assert.deepEqual(opened.problems, []);
    return result;
  } finally {
    await opened?.close();
    server.close();
  }
}

// Fails naming what was not heard, and keeps the page's output for it.
async function assertHeard(tab, names, label, folder = '') {
  const heard = await heardInOrder(tab, names, folder);
  if (!heard.frames.every((frame) => frame >= 0)) {
    assert.fail(`${engine}, ${label}: heard ${heard.frames}; ${heard.diagnosis} (the page's output: ${await keepOutput(tab, `${engine}-${label}`)})`);
  }
}

// Each scenario of sound twice: the speech as Opus, and as AAC where the browser's Web Audio
// refuses the page's Opus trial (as Safari's did before macOS 15.4 and iOS 18.4).
for (const refuseOpus of [false, true]) {
  test(`${engine}: a published winning game and the screen tour sound as the game gives them${refuseOpus ? ', the speech as AAC' : ''}`, { timeout: 300000 }, async () => withEngine({ everyRecording: true, refuseOpus }, async ({ tab }) => {
    assert.equal(await tab.evaluate(() => document.body.dataset.speech), refuseOpus ? 'm4a' : 'opus');
    const { names } = await playAndHear(tab, tourAndGame, tourPauses);
    assert.deepEqual(names.slice(0, 2), ['presentacion.wav', 'tutorial.wav']);
    assert.ok(names.includes('aplauso.wav'), 'the game was not won');
    assert.equal(await tab.evaluate(() => document.activeElement.id), 'start');
  }));

  test(`${engine}: the help keys and undo sound as the game gives them${refuseOpus ? ', the speech as AAC' : ''}`, { timeout: 180000 }, async () => withEngine({ refuseOpus }, async ({ tab }) => {
    assert.equal(await tab.evaluate(() => document.body.dataset.speech), refuseOpus ? 'm4a' : 'opus');
    const { names } = await playAndHear(tab, helpKeys, answerPauses);
    assert.ok(names.includes('bolacentral.wav'), 'Command9 was not pressed');
  }));
}

// The puzzles' keys, and the answers the page's worker searches: the worker and its WebAssembly
// in this engine too.
test(`${engine}: the puzzles by F4, Page Down and Page Up sound as the game gives them`, { timeout: 180000 }, async () => withEngine({}, async ({ tab }) => {
  const { names } = await playAndHear(tab, puzzleKeys, puzzlePauses);
  assert.ok(names.includes('voz_cruz.wav') && names.includes('voz_mas.wav'), names.join(' '));
  assert.equal(wrongOnThePlus(names), null);
  assert.equal(await tab.evaluate(() => window.tintineablesSearched), 2);
}));

test(`${engine}: every screen passes axe-core and speaks its title; holes say nothing, Command9 its name; the game's keys have no other meaning`, { timeout: 120000 }, async () => withEngine({}, async ({ tab }) => {
  assert.deepEqual(await violations(tab), [], 'the first element');
  assert.equal(await tab.evaluate(() => document.activeElement.textContent), 'TINTINEABLES: pulsa Intro para jugar');
  for (const [key, title] of [['Enter', 'TINTINEABLES'], ['F1', 'TUTORIAL'], ['F3', 'CRÉDITOS'], ['F2', 'TABLERO']]) {
    await press(tab, [key], 300);
    assert.deepEqual(await presented(tab), { title, role: 'application', named: null, documentTitle: title }, key);
    assert.deepEqual(await violations(tab), [], title);
  }
  // Every key as it comes, and whether the page kept the browser's meaning from it, once the
  // page has handled it (a key that changes the screen goes no further than the page).
  await tab.evaluate(() => {
    window.prevented = [];
    window.addEventListener('keydown', (event) => {
      setTimeout(() => window.prevented.push([event.key, event.defaultPrevented]));
    }, true);
  });
  await press(tab, ['ArrowUp', 'ArrowDown']);
  assert.equal((await presented(tab)).named, null, 'a hole gave the screen reader something to say');
  await press(tab, ['Shift+Tab']);
  assert.equal((await presented(tab)).named, 'Sonido del centro con bola');
  await press(tab, ['Tab', 'Space', 'Control', 'Backspace', 'KeyB', 'F4', 'PageDown', 'KeyX', 'Home', 'End'], 50);
  const kept = (await tab.evaluate(() => window.prevented)).filter(([, prevented]) => !prevented).map(([key]) => key);
  assert.deepEqual(kept, ['Shift', 'x', 'Home', 'End']);
  assert.equal(await tab.evaluate(() => document.title), 'TABLERO');
  // F1 and F3 are the game's, not the browser's (Firefox's help, find again), on the board too.
  await press(tab, ['F1', 'F3'], 300);
  assert.deepEqual((await tab.evaluate(() => window.prevented)).slice(-2), [['F1', true], ['F3', true]]);
}));

test(`${engine}: the browser's first language that the game has: French, captions and voice`, { timeout: 120000 }, async () => withEngine({ locale: 'fr-FR' }, async ({ tab }) => {
  assert.equal(await tab.evaluate(() => document.activeElement.textContent), 'TINTINEABLES : appuie sur Entrée pour jouer');
  await press(tab, ['Enter', 'F2'], 600);
  await press(tab, ['KeyB'], 2500);
  assert.equal(await tab.evaluate(() => document.title), 'PLATEAU');
  await assertHeard(tab, ['presentacion.wav', 'bola.wav', 'voz_quedan.wav', 'voz_32.wav', 'voz_bolas.wav'], 'French', 'fr');
}));

test(`${engine}: after the first visit the page reloads and plays with the network gone`, { timeout: 120000 }, async () => withEngine({}, async ({ tab, server }) => {
  await tab.waitForFunction(keptForOffline, null, { timeout: 30000, polling: 200 });
  // The tests' own scripts kept with the page's files: WebKit comes back to a page without
  // asking its HTTP cache for them.
  await tab.evaluate(async (files) => {
    const names = await caches.keys();
    await (await caches.open(names[0])).addAll(files);
  }, [InjectedPath, RecorderPath]);
  await server.stop();
  await tab.reload();
  await tab.waitForSelector('body[data-ready="true"]', { timeout: 30000 });
  await press(tab, ['Enter'], 600);
  await press(tab, ['F2'], 300);
  await assertHeard(tab, ['presentacion.wav', 'bola.wav'], 'offline');
}));
