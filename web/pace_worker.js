// The speech at the player's pace, made on a thread of its own, one recording at a time, while
// the page goes on taking keys: the game's own time-stretch, built apart (pace.js, pace.wasm).
'use strict';
importScripts('pace.js');

const pacer = createPace();

// [name, samples (a Float32Array, given over), rate, factor] -> [name, the samples at that pace]
self.onmessage = async ({ data }) => {
  const [name, samples, rate, factor] = data;
  const module = await pacer;
  // The room first: making it may grow the module's memory, and with it replace HEAPF32.
  const room = module._tintineables_pace_room(samples.length) / 4;
  module.HEAPF32.set(samples, room);
  const length = module._tintineables_pace(rate, factor);
  const at = module._tintineables_paced() / 4;
  const paced = module.HEAPF32.slice(at, at + length);
  postMessage([name, paced], [paced.buffer]);
};
