// The page's solver, on a thread of its own: a question whose answer needs a search (a puzzle
// that no game from the full cross passes through) is worked out here, while the page goes on
// taking keys. The same C++ as the game's, built apart (solver.js, solver.wasm); the table of
// winnable positions fetched as the page fetches it (from the offline cache when there is one).
'use strict';
importScripts('solver.js');

const solver = Promise.all([
  createSolver(),
  fetch('winnable.table').then((response) => {
    if (!response.ok) throw new Error(`winnable.table: ${response.status}`);
    return response.arrayBuffer();
  }),
]).then(([module, table]) => {
  const bytes = new Uint8Array(table);
  module.HEAPU8.set(bytes, module._tintineables_solver_table_room(bytes.length));
  return module;
});

// [kind, pegs low, pegs high, near hole, start low, start high, id] -> [id, packed answer]
self.onmessage = async ({ data }) => {
  const [kind, pegsLow, pegsHigh, nearHole, startLow, startHigh, id] = data;
  const module = await solver;
  postMessage([id, module._tintineables_solver_answer(kind, pegsLow, pegsHigh, nearHole, startLow, startHigh)]);
};
