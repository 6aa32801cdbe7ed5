// The page plays as the desktop game: a published winning game and a tour of the screens, then
// the help keys and undo on one position, give exactly the sounds the game gives for the same
// keys (the game's own C++, run natively), heard from the page's audio output.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { withPageServed, openPage, press, gameSounds, heardInOrder, keepOutput } = require('./page_session');

// Ernest Bergholt's winning game of 1912, as John Beasley publishes it ("The Ins and Outs of Peg
// Solitaire", 1985): a square is its column, then its row counted from the top; each move names
// every square its peg lands on in turn.
const Bergholt = '46*44 65*45 57*55 54*56 52*54 73*53 43*63 75*73*53 35*55 15*35 23*43*63*65*45*25 ' +
                 '37*57*55*53 31*33 34*32 51*31*33 13*15*35 36*34*32*52*54*34 24*44';

// The holes of the cross, by column and row from the bottom.
const isHole = (x, y) => x >= 1 && x <= 7 && y >= 1 && y <= 7 && ((x >= 3 && x <= 5) || (y >= 3 && y <= 5));

// The arrows from one hole to another, never off the cross: into the middle columns, along the
// column to the row, then along the row.
function walk(from, to) {
  const keys = [];
  let [x, y] = from;
  const step = (dx, dy) => {
    x += dx; y += dy;
    assert.ok(isHole(x, y), `walked off the cross at ${x},${y}`);
    keys.push(dx > 0 ? 'ArrowRight' : dx < 0 ? 'ArrowLeft' : dy > 0 ? 'ArrowUp' : 'ArrowDown');
  };
  while (x < 3 && x !== to[0]) step(1, 0);
  while (x > 5 && x !== to[0]) step(-1, 0);
  while (y !== to[1]) step(0, Math.sign(to[1] - y));
  while (x !== to[0]) step(Math.sign(to[0] - x), 0);
  return keys;
}

// Every key of a whole game in the published notation, from the first hole the board announces.
function keysOfGame(moves) {
  const square = (text) => [Number(text[0]), 8 - Number(text[1])];
  const keys = [];
  let cursor = [3, 1];
  for (const move of moves.split(' ')) {
    const squares = move.split('*').map(square);
    for (let i = 0; i + 1 < squares.length; i++) {
      const [from, to] = [squares[i], squares[i + 1]];
      keys.push(...walk(cursor, from), 'Space', ...walk(from, to).slice(0, 2), 'Control');
      cursor = to;
    }
  }
  return keys;
}

// Starts the game from the page's first element (Enter), plays keys, each given time to sound,
// and checks that the page was heard playing, in order, every recording the game plays from its
// start for those keys.
async function playAndHear(tab, keys, pauses = {}) {
  const expected = gameSounds(keys);
  await press(tab, ['Enter'], 400);
  for (const key of keys) {
    await press(tab, [key], pauses[key] ?? 110);
  }
  await tab.waitForTimeout(200);
  const names = expected.flat();
  const heard = await heardInOrder(tab, names);
  const missing = names.findIndex((name, i) => heard.frames[i] < 0);
  if (missing >= 0) {
    const kept = await keepOutput(tab, 'game');
    assert.fail(`not heard: ${names[missing]}, the ${missing + 1}th of ${names.length} sounds; ${heard.diagnosis} (the page's output: ${kept})`);
  }
  return { names, ...heard };
}

// Every key here is heard at once: the test waits until the page has decoded every recording,
// the tutorial and the applause too (a key that comes before is heard once its recording is
// decoded: the next test).
test('a published winning game and the screen tour sound as the game gives them', { timeout: 240000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url, { everyRecording: true });
  const tour = ['F1', 'F1', 'F3', 'F3', 'F1', 'Escape', 'F3', 'Escape', 'F2'];
  const game = keysOfGame(Bergholt);
  assert.equal(game.filter((key) => key === 'Control').length, 31);
  const { names } = await playAndHear(tab, [...tour, ...game, 'Escape', 'Escape'], { F1: 400, F3: 400, Escape: 400 });
  // Enter on the page's first element started the game: the presentation.
  assert.deepEqual(names.slice(0, 2), ['presentacion.wav', 'tutorial.wav']);
  assert.ok(names.includes('aplauso.wav'), 'the game was not won');
  // Escape on the menu stops every sound and goes back to the page's first element, from which
  // Enter starts the game again.
  assert.equal(await tab.evaluate(() => document.activeElement.id), 'start');
  await press(tab, ['Enter'], 300);
  assert.equal(await tab.evaluate(() => document.activeElement.id), 'Form2');
  assert.deepEqual(problems, []);
}));

// A busy machine: the tutorial still decoding when its keys come, and the page's thread slow
// between the calls of one key while the audio thread goes on.
test('on a busy machine each key is heard alone, from its start, once its recording is decoded', { timeout: 60000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url, { busy: true });
  // The tutorial is still decoding: F1 cuts the presentation and waits; F3 overtakes it (the
  // credits, at once); F1 again waits, until the tutorial is decoded, and is heard then.
  await press(tab, ['Enter', 'F1', 'F3'], 400);
  await press(tab, ['F1'], 400);
  const before = await heardInOrder(tab, ['tutorial.wav']);
  await tab.evaluate(() => window.tintineablesLetDecode());
  await tab.waitForSelector('body[data-decoded="true"]', { timeout: 20000 });
  await press(tab, ['F3'], 600); // the credits cut the tutorial: the last sound
  await press(tab, ['Escape', 'F2'], 600); // the menu, then the board: each form's sound alone
  const heard = await heardInOrder(tab, ['presentacion.wav', 'creditos.wav', 'tutorial.wav', 'creditos.wav',
                                         'presentacion.wav', 'bola.wav']);
  assert.deepEqual(before.frames, [-1], 'the tutorial was heard before it was decoded');
  assert.ok(heard.frames.every((frame) => frame >= 0), `heard ${heard.frames}; ${heard.diagnosis}`);
  // Heard once, from its start, after the first credits and before the second: the F1 it first
  // waited for, overtaken by F3, never sounded.
  const tutorials = await heardInOrder(tab, ['tutorial.wav', 'tutorial.wav']);
  assert.equal(tutorials.frames[0], heard.frames[2]);
  assert.equal(tutorials.frames[1], -1, 'the tutorial was heard twice');
  assert.deepEqual(problems, []);
}));

test('the help keys and undo on one position sound as the game gives them', { timeout: 120000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url);
  // Onto the board, four jumps of Bergholt's game, then every question, a hint, the hint's
  // jump taken back, a peg in hand put back, and Command9's name and sound.
  const position = ['F2', ...keysOfGame('46*44 65*45 57*55 54*56')];
  const questions = ['KeyB', 'KeyP', 'KeyG', 'KeyA', 'Space', 'Backspace', 'Backspace', 'Space',
                     'Backspace', 'Shift+Tab', 'KeyP', 'Space', 'Tab', 'KeyX', 'Home', 'KeyG'];
  const answers = { KeyB: 2600, KeyP: 2600, KeyG: 1600, KeyA: 1600 };
  const { names, frames, lengths, rate } = await playAndHear(tab, [...position, ...questions], answers);
  // An answer's words follow one another with 70 ms between them, as a speaker pauses.
  const first = names.indexOf('voz_quedan.wav');
  const pause = (frames[first + 1] - (frames[first] + lengths[first])) / rate;
  assert.ok(Math.abs(pause - 0.070) <= 0.003, `${(pause * 1000).toFixed(1)} ms between two words, not 70`);
  assert.ok(names.includes('voz_arriba.wav') || names.some((name) => /voz_(izquierda|derecha|abajo)/.test(name)));
  assert.ok(names.includes('bolacentral.wav'), 'Command9 was not pressed');
  assert.deepEqual(problems, []);
}));
