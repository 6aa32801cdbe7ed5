// The keys of the page's scenarios, the same in every engine.
'use strict';
const { Bergholt, keysOfGame } = require('./winning_game');

// The screen tour, then Bergholt's winning game, then Escape twice; with the time each key's
// sound is given.
const tourAndGame = ['F1', 'F1', 'F3', 'F3', 'F1', 'Escape', 'F3', 'Escape', 'F2', ...keysOfGame(Bergholt), 'Escape', 'Escape'];
const tourPauses = { F1: 400, F3: 400, Escape: 400 };

// Onto the board, four jumps of Bergholt's game, then every question, a hint, the hint's jump
// taken back, a peg in hand put back, and Command9's name and sound; an answer given time to be
// spoken.
const helpKeys = ['F2', ...keysOfGame('46*44 65*45 57*55 54*56'),
                  'KeyB', 'KeyP', 'KeyG', 'KeyA', 'Space', 'Backspace', 'Backspace', 'Space',
                  'Backspace', 'Shift+Tab', 'KeyP', 'Space', 'Tab', 'KeyX', 'Home', 'KeyG'];
const answerPauses = { KeyB: 2600, KeyP: 2600, KeyG: 1600, KeyA: 1600 };

// The puzzles: F4 opens the first, Page Up before it is refused, Page Down four times to the
// Cross, its first jump, G, F2 to start it again, then back to the menu and F4 to the Cross
// again; on to the Plus, which no game from the full cross passes through, and its G and A,
// which the page's worker searches. Each puzzle's name given time to be said.
const puzzleKeys = ['F4', 'PageUp', 'PageDown', 'PageDown', 'PageDown', 'PageDown',
                    ...['ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowRight', 'Space', 'ArrowLeft', 'ArrowLeft', 'Control'],
                    'KeyG', 'F2', 'Escape', 'F4', 'PageDown', 'PageDown', 'PageDown', 'PageDown', 'KeyG', 'KeyA'];
const puzzlePauses = { F4: 1800, PageDown: 1800, KeyG: 1600, F2: 2000, Escape: 400 };

// The Plus can be won, which the table of the game from the full cross cannot tell: written out
// here, not taken from the game's own answers, its G says so and its A names a way to jump. What
// is wrong with the sounds heard after the Plus's name, or null.
function wrongOnThePlus(names) {
  const after = names.slice(names.lastIndexOf('voz_mas.wav') + 1);
  const way = after.findIndex((name) => /^voz_(izquierda|arriba|derecha|abajo)\.wav$/.test(name));
  return after[0] === 'voz_puedes_ganar.wav' && way > 0 ? null : `after the Plus's name: ${after.join(' ')}`;
}

module.exports = { tourAndGame, tourPauses, helpKeys, answerPauses, puzzleKeys, puzzlePauses, wrongOnThePlus };
