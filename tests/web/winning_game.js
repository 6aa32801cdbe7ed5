// Ernest Bergholt's winning game of 1912, as John Beasley publishes it ("The Ins and Outs of Peg
// Solitaire", 1985), as the keys a player presses from the board's first hole. Used by the page's
// tests and, run as a program, by the Windows edition's ("node winning_game.js" prints each key
// as its virtual-key code and its X11 name).
'use strict';

// A square is its column, then its row counted from the top; each move names every square its
// peg lands on in turn.
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
    if (!isHole(x, y)) throw new Error(`walked off the cross at ${x},${y}`);
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

module.exports = { Bergholt, keysOfGame };

if (require.main === module) {
  const names = { ArrowLeft: [37, 'Left'], ArrowUp: [38, 'Up'], ArrowRight: [39, 'Right'],
                  ArrowDown: [40, 'Down'], Space: [32, 'space'], Control: [17, 'Control_L'] };
  for (const key of keysOfGame(Bergholt)) console.log(names[key].join(' '));
}
