// The page plays as the desktop game: a published winning game and a tour of the screens, then
// the help keys and undo on one position, give exactly the sounds the game gives for the same
// keys (the game's own C++, run natively), heard from the page's audio output.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { withPageServed, openPage, press, heardOnFromNow, playAndHear, heardInOrder, keepOutput } = require('./page_session');
const { tourAndGame, tourPauses, helpKeys, answerPauses, puzzleKeys, puzzlePauses, wrongOnThePlus } = require('./scenarios');


// Every key here is heard at once: the test waits until the page has decoded every recording,
// the tutorial and the applause too (a key that comes before is heard once its recording is
// decoded: the next test).
test('a published winning game and the screen tour sound as the game gives them', { timeout: 240000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url, { everyRecording: true });
  assert.equal(tourAndGame.filter((key) => key === 'Control').length, 31);
  const { names } = await playAndHear(tab, tourAndGame, tourPauses);
  // Enter on the page's first element started the game: the presentation.
  assert.deepEqual(names.slice(0, 2), ['presentacion.wav', 'tutorial.wav']);
  assert.ok(names.includes('aplauso.wav'), 'the game was not won');
  // Escape on the menu stops every sound and goes back to the page's first element, from which
  // Enter starts the game again.
  assert.equal(await tab.evaluate(() => document.activeElement.id), 'start');
  await press(tab, ['Enter'], 300);
  assert.equal(await tab.evaluate(() => document.activeElement.id), 'Form2');
  assert.equal(await tab.evaluate(() => window.tintineablesWaited ?? 0), 0, 'a sound waited for its recording');
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
  // The tutorial starts as it is decoded: its first 128 ms out, by the audio graph's clock (a
  // machine whose host stops it stops that clock too), before the credits cut it.
  await heardOnFromNow(tab);
  await press(tab, ['F3'], 600); // the credits cut the tutorial: the last sound
  await press(tab, ['Escape', 'F2'], 600); // the menu, then the board: each form's sound alone
  const heard = await heardInOrder(tab, ['presentacion.wav', 'creditos.wav', 'tutorial.wav', 'creditos.wav',
                                         'presentacion.wav', 'bola.wav']);
  assert.deepEqual(before.frames, [-1], 'the tutorial was heard before it was decoded');
  assert.ok(await tab.evaluate(() => window.tintineablesWaited) >= 1, 'no sound was counted waiting');
  assert.ok(heard.frames.every((frame) => frame >= 0), `heard ${heard.frames}; ${heard.diagnosis}`);
  // Heard once, from its start, after the first credits and before the second: the F1 it first
  // waited for, overtaken by F3, never sounded.
  const tutorials = await heardInOrder(tab, ['tutorial.wav', 'tutorial.wav']);
  assert.equal(tutorials.frames[0], heard.frames[2]);
  assert.equal(tutorials.frames[1], -1, 'the tutorial was heard twice');
  assert.deepEqual(problems, []);
}));

// Where the browser's Web Audio refuses the page's Opus (Safari before macOS 15.4 and iOS 18.4),
// every spoken recording comes as AAC: the same answers, word for word, at the same moments. The
// page's thread is held up just before each sound it starts, as a busy machine does now and then:
// an answer's pauses stay whole all the same.
for (const refuseOpus of [false, true]) {
test(`the help keys and undo on one position sound as the game gives them${refuseOpus ? ', the speech as AAC' : ''}`, { timeout: 120000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url, { refuseOpus, lateStarts: true });
  assert.equal(await tab.evaluate(() => document.body.dataset.speech), refuseOpus ? 'm4a' : 'opus');
  const { names, frames, lengths, rate } = await playAndHear(tab, helpKeys, answerPauses);
  // An answer's words follow one another with 70 ms between them, as a speaker pauses.
  const first = names.indexOf('voz_quedan.wav');
  const pause = (frames[first + 1] - (frames[first] + lengths[first])) / rate;
  assert.ok(Math.abs(pause - 0.070) <= 0.003, `${(pause * 1000).toFixed(1)} ms between two words, not 70`);
  assert.ok(names.includes('voz_arriba.wav') || names.some((name) => /voz_(izquierda|derecha|abajo)/.test(name)));
  assert.ok(names.includes('bolacentral.wav'), 'Command9 was not pressed');
  assert.deepEqual(problems, []);
}));
}

// The puzzles' keys: the same puzzles, names and answers as the game gives, and the browser
// neither scrolls nor leaves the game on Page Down, Page Up or F4.
test('the puzzles open by F4 and go by Page Down and Page Up as the game gives them', { timeout: 120000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url, { everyRecording: true });
  const { names } = await playAndHear(tab, puzzleKeys, puzzlePauses);
  assert.ok(names.includes('voz_cruz.wav') && names.includes('voz_reto_bolas.wav'), names.join(' '));
  assert.ok(names.includes('reiniciar.wav'), 'F2 did not start the puzzle again');
  assert.ok(names.includes('voz_mas.wav'), names.join(' '));
  // The Plus's G and A were searched by the worker, not on the page's thread.
  assert.equal(wrongOnThePlus(names), null);
  assert.equal(await tab.evaluate(() => window.tintineablesSearched), 2);
  assert.equal(await tab.evaluate(() => window.scrollY), 0);
  assert.deepEqual(problems, []);
}));

// A phone suspends the page's sound when it likes (a call, the lock screen): the next key wakes
// it and is still the game's key. Where the browser plays nothing at all, the player is told
// within two seconds, in their language, by the message a screen reader reads.
test('the next key wakes a suspended sound; a browser that plays nothing says so', { timeout: 60000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab } = await openPage(browser, url);
  await press(tab, ['Enter', 'F2'], 400);
  await tab.evaluate(() => window.tintineablesContext.suspend());
  await press(tab, ['ArrowUp'], 300);
  assert.equal(await tab.evaluate(() => window.tintineablesContext.state), 'running');
  await press(tab, ['ArrowDown'], 300);
  const heard = await heardInOrder(tab, ['presentacion.wav', 'bola.wav', 'bola.wav', 'bola.wav']);
  if (!heard.frames.every((frame) => frame >= 0)) {
    assert.fail(`after the sound was suspended, heard ${heard.frames}; ${heard.diagnosis} (${await keepOutput(tab, 'woken')})`);
  }
  assert.equal(await tab.evaluate(() => document.getElementById('message').textContent), '');

  const silent = await openPage(browser, url, { locale: 'fr-FR' });
  await silent.tab.evaluate(() => {
    Object.defineProperty(AudioContext.prototype, 'state', { get: () => 'suspended' });
    AudioContext.prototype.resume = () => new Promise(() => {});
  });
  await silent.tab.keyboard.press('Enter');
  await silent.tab.waitForFunction(() => document.getElementById('message').textContent !== '', null, { timeout: 2500 });
  assert.equal(await silent.tab.evaluate(() => document.getElementById('message').textContent),
               'TINTINEABLES ne peut pas jouer de son : le navigateur ne joue aucun son. Vérifie le périphérique audio et recharge la page.');
  assert.deepEqual(await silent.tab.evaluate(() => window.tintineablesSpoken.length), 1);
}));
