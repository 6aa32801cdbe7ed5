// TINTINEABLES in a browser. The game itself, every rule and every decision of its four screens,
// is the same C++ as on the desktop, built to WebAssembly (tintineables.js); this page is its
// host: it loads the game, its recordings and its table of winnable positions, then turns the
// browser's keys and focus into the game's calls, and the game's requests into sound and focus.
import createGame from './tintineables.js';
import { texts } from './texts.js';
import { Forms } from './forms.js';
import { GestureReader } from './gestures.js';
import { PhoneAids } from './phone_aids.js';
import { Players, Recordings } from './players.js';
import { fetchAndKeep, openPageCache, registerServiceWorker } from './offline.js';

const startButton = document.getElementById('start');
const formsRoot = document.getElementById('forms');
const message = document.getElementById('message');
const announcer = document.getElementById('title');
const manual = document.getElementById('manual');

let language = 'es';
// A text in the page's language, from the same translation files as the desktop's (texts.js is
// made from them); the Spanish original where a language has none. The page's own texts are in
// page_texts.js.
function translate(text) {
  return texts[language]?.[text] ?? text;
}
const StartText = () => translate(globalThis.PageTexts.start);
const TouchStartText = () => translate(globalThis.PageTexts.startByTouch);
const VibrateText = () => translate(globalThis.PageTexts.vibrate);
const CannotLoad = () => translate(globalThis.PageTexts.cannotLoad);
const CannotSound = () => translate(globalThis.PageTexts.cannotSound);
// How long the sound may take to start after the key that starts the game, before the page says
// that it cannot.
const SoundStartMilliseconds = 2000;
const LanguageTags = { es: 'es', en: 'en', pt: 'pt-BR', fr: 'fr' };
// A recording of more bytes than this (some minutes of speech) is decoded after the page is ready.
const LongRecording = 200 * 1024;
// The game's clock, for the spoken screens' captions to follow their recordings.
const TickMilliseconds = 100;
let clock = null;
// Where the browser keeps the player's own sound (the speech's pace and loudness, the earcons').
const SoundSetting = 'tintineables-sound';

// Said aloud where the browser can speak, and shown where a screen reader reads it.
function tell(text) {
  message.textContent = text;
  if ('speechSynthesis' in self) {
    const utterance = new SpeechSynthesisUtterance(text);
    utterance.lang = LanguageTags[language] ?? language;
    speechSynthesis.cancel();
    speechSynthesis.speak(utterance);
  }
}

class LoadError extends Error {
  constructor(file, reason) {
    super(CannotLoad().replace('%1', file).replace('%2', reason));
  }
}

async function load(file, decode = (bytes) => bytes) {
  try {
    return await decode(await fetchAndKeep(file));
  } catch (error) {
    throw new LoadError(file, error?.message ?? String(error));
  }
}

// Whether this browser's Web Audio decodes the page's Opus, found by trial on a tiny file of the
// page's own (canPlayType answers for <audio> only, and Safari's Web Audio refused Ogg Opus for
// most of its life). Where it does not, the spoken recordings come as AAC in MP4, made from the
// same recordings, which every engine's Web Audio decodes.
async function decodesOpus(context) {
  const trial = await load('sounds/trial.opus');
  try {
    await context.decodeAudioData(trial);
    return true;
  } catch {
    return false;
  }
}

// The browser may hold the page's sound suspended (before a key, or when a phone takes it for a
// call or the lock screen, "interrupted" in Safari): a key or a tap wakes it, and the key goes on
// to the game all the same.
function wake(context) {
  if (context.state !== 'running' && context.state !== 'closed') {
    context.resume().catch(() => {});
  }
}

// What the game's C++ asks of the page (web/page_calls.h, through host_library.js).
class Page {
  constructor() {
    this.players = null;
    this.forms = null;
    this.solver = null; // the worker that searches, made at the first question that needs it
    this.answered = null;
    this.gestures = null;
    this.aids = null;
  }
  loadForm(screen, formName, title) { this.forms.load(screen, formName, title); }
  addControl(screen, control) { this.forms.addControl(screen, control); }
  showForm(screen, focus) { this.forms.show(screen, focus); }
  unloadForm(screen) { this.forms.unload(screen); }
  setFocus(screen, control) { this.forms.focus(screen, control); }
  tell(screen, control, text, now) { this.forms.tell(screen, control, text, now); }
  look(screen, look) { this.forms.look(screen, look); }
  newPlayer() { return this.players.create(); }
  play(player, files, from) {
    this.players.play(player, files, from);
    this.aids.played(files);
  }
  stop(player) { return this.players.stop(player); }
  position(player) { return this.players?.position(player) ?? -1; }
  // The player's own sound, from the game: carried out, and kept for the next visit.
  sound(settings) {
    this.players?.setSound(settings);
    try {
      localStorage.setItem(SoundSetting, JSON.stringify(settings));
    } catch {
      // a browser that keeps nothing: the settings last as long as the page
    }
  }
  freePlayer(player) { this.players.free(player); }
  translate(text) { return translate(text); }
  askSolver(question) {
    if (!this.solver) {
      this.solver = new Worker('solver_worker.js');
      this.solver.onmessage = ({ data: [id, packed] }) => {
        window.tintineablesSearched = (window.tintineablesSearched ?? 0) + 1;
        this.answered(id, packed);
      };
      this.solver.onerror = (event) => this.reportError(`solver: ${event.message ?? 'failed'}`);
    }
    this.solver.postMessage(question);
  }
  reportError(text) { tell(`TINTINEABLES: ${text}`); }
  // The game has ended (Escape on the menu, or an error): every sound stops, and the page is
  // back at its first element, from which Enter starts the game again.
  end() {
    this.players.stopAll();
    this.forms.detach();
    this.gestures.detach();
    this.aids.gameEnded();
    document.body.classList.remove('playing');
    showStart();
  }
}

const page = new Page();

function showStart() {
  startButton.hidden = false;
  manual.hidden = false;
  startButton.focus();
  page.aids?.showSetting();
}

async function main() {
  registerServiceWorker();
  openPageCache();
  const wasm = load('tintineables.wasm');
  const table = load('winnable.table');
  const game = await createGame({ wasmBinary: await wasm, page });
  language = game.ccall('tintineables_choose_language', 'string', ['string'], [navigator.languages.join('\n')]);
  document.documentElement.lang = LanguageTags[language] ?? language;
  const folder = game.ccall('tintineables_language_folder', 'string', ['string'], [language]);

  // Every recording decoded once, into the context that plays them, at the rate the browser
  // plays at: a context at another rate would put a resampler, and its delay, between every cue
  // and the speakers. The page is ready once the first screen's recording is in and decoded: it is
  // fetched first, alone, since a browser fetches few files at once from one server and the
  // recordings are many. The rest follow: the short ones (the earcons and the words the board
  // plays on every key) decoded before the long ones (the tutorial's two minutes take a second to
  // decode). A sound that needs one not decoded yet waits for it, and is counted.
  const context = new AudioContext({ latencyHint: 'interactive' });
  const recordings = new Recordings(context);
  const speech = (await decodesOpus(context)) ? '.opus' : '.m4a';
  document.body.dataset.speech = speech.slice(1);
  const felt = new Set();
  const files = game.ccall('tintineables_recordings', 'string', [], []).trim().split('\n').map((line) => {
    const [name, kind, ...tags] = line.split(' ');
    if (tags.includes('felt')) {
      felt.add(name);
    }
    const startedBy = tags.find((tag) => tag === 'touch' || tag === 'keys');
    const spoken = kind === 'spoken';
    return { name, startedBy, spoken, url: `sounds/${spoken && folder ? `${folder}/` : ''}${spoken ? name.replace(/\.wav$/, speech) : name}` };
  });
  // The spoken screens come twice, naming keys and naming gestures: only the set the game is
  // started for is decoded (some minutes of speech each), the one a phone is likely to start
  // with first.
  const coarse = matchMedia('(pointer: coarse)').matches;
  const wanted = {};
  for (const startedBy of ['keys', 'touch']) {
    wanted[startedBy] = {};
    wanted[startedBy].promise = new Promise((resolve) => { wanted[startedBy].resolve = resolve; });
  }
  const likely = coarse ? 'touch' : 'keys';
  wanted[likely].resolve();
  const firstName = game.ccall('tintineables_first_screen', 'string', ['number'], [coarse ? 1 : 0]);
  const first = files.find((file) => file.name === firstName);
  const firstBytes = load(first.url);
  const now = files.filter((file) => !file.startedBy || file.startedBy === likely);
  let shortOnesLeft = now.length - 1;
  let shortOnesDone;
  const shortOnesDecoded = new Promise((resolve) => { shortOnesDone = resolve; });
  const shortOneDone = () => {
    if (--shortOnesLeft === 0) {
      shortOnesDone();
    }
  };
  // Every file is fetched (and kept for playing offline), the other set of spoken screens too;
  // any that cannot be had stops the page.
  const fetched = new Map(files.map((file) => [file, file === first ? firstBytes : firstBytes.then(() => load(file.url))]));
  Promise.all(fetched.values()).catch(stop);
  const decodings = files.map((file) => {
    if (file === first) {
      return recordings.add(file.name, firstBytes, file.spoken);
    }
    const isNow = now.includes(file);
    let long = false;
    const bytes = Promise.all([fetched.get(file), file.startedBy ? wanted[file.startedBy].promise : null])
      .then(async ([loaded]) => {
        long = loaded.byteLength > LongRecording;
        if (isNow && long) {
          shortOneDone();
          await shortOnesDecoded;
        }
        return loaded;
      });
    return recordings.add(file.name, bytes, file.spoken)
      .then((buffer) => {
        if (isNow && !long) {
          shortOneDone();
        }
        return buffer;
      })
      .catch((error) => {
        throw error instanceof LoadError ? error : new LoadError(file.url, error?.message ?? String(error));
      });
  });
  // The other set's, decoded only if the game is started that way, stops the page too.
  for (const file of files.filter((other) => !now.includes(other))) {
    decodings[files.indexOf(file)].catch(stop);
  }
  await decodings[files.indexOf(first)];
  const tableBytes = new Uint8Array(await table);
  if (stopped) {
    return; // a recording failed meanwhile: no way into a game that cannot be played
  }
  game.HEAPU8.set(tableBytes, game._tintineables_table_room(tableBytes.length));

  page.players = new Players(recordings);
  // The player's own sound as this browser kept it, if it did: the game carries it on.
  try {
    const kept = JSON.parse(localStorage.getItem(SoundSetting) ?? 'null');
    if (kept) {
      game._tintineables_set_sound(kept.rate | 0, kept.speechDb | 0, kept.cueDb | 0, kept.stereoArrivals ? 1 : 0);
    }
  } catch {
    // nothing kept, or something that is no setting: the recordings as made
  }
  page.forms = new Forms(formsRoot, announcer, {
    keyDown: (screen, keyCode, shift, control) => game._tintineables_key_down(screen, keyCode, shift, control),
    gotFocus: (screen, control) => game._tintineables_got_focus(screen, control),
    click: (screen, control) => game._tintineables_click(screen, control),
    activate: (screen, control, focused) => game._tintineables_activate(screen, control, focused),
    mouseDown: (screen, control, right, focused) => game._tintineables_mouse_down(screen, control, right ? 1 : 0, focused),
    choices: (screen) => game.ccall('tintineables_choices', 'string', ['number'], [screen]).trim().split('\n')
      .map((line) => {
        const [key, band, ...name] = line.split(' ');
        return { key: Number(key), band: Number(band), name: name.join(' ') };
      }),
    holePlace: (control) => game._tintineables_hole_place(control),
  });
  // The game's colours, as the style's (page.css takes the system's instead where the player
  // forces colours).
  const colours = game.ccall('tintineables_palette', 'string', [], []).trim().split(' ');
  ['board', 'peg', 'hole', 'lifted', 'cursor', 'mark', 'text', 'key'].forEach((name, i) => {
    document.documentElement.style.setProperty(`--game-${name}`, colours[i]);
  });
  // A gesture is the key it stands for, on the form shown, with its focused control.
  page.gestures = new GestureReader(({ kind, fingers, taps, way, band }) => {
    const screen = page.forms.shown;
    if (screen !== null) {
      wake(context);
      const focused = page.forms.forms.get(screen)?.focused ?? -1;
      if (game._tintineables_gesture(screen, kind, fingers, taps, way, band, focused)) {
        page.gestures.forgetTaps(); // a double tap's taps are spent: the next tap is a first
      }
    }
  });
  page.aids = new PhoneAids(felt, document.getElementById('vibrate'), VibrateText(), coarse);
  page.answered = (id, packed) => game._tintineables_solver_answered(id, packed);
  startButton.textContent = coarse ? TouchStartText() : StartText();
  const manualLink = manual.querySelector('a');
  manualLink.href = `manual/${language}.html`;
  manualLink.textContent = translate(globalThis.PageTexts.manual);
  // The last pointer that went down: a finger's tap on the first element starts the game by
  // touch, its screens naming gestures and laid out for a phone.
  let lastPointer = '';
  document.addEventListener('pointerdown', (event) => { lastPointer = event.pointerType; }, true);
  document.addEventListener('keydown', () => { lastPointer = ''; }, true);
  // Enter, Space or a tap on the first element starts the game, and the sound with it. A click
  // that no key made is a touch on a phone, its screen reader's double tap too (which may come as
  // a mouse's events), and on a touch screen with a mouse beside it, unless the mouse made it.
  const phone = coarse && !matchMedia('(any-pointer: fine)').matches;
  startButton.addEventListener('click', (event) => {
    const touch = lastPointer === 'touch' ||
      (event.detail > 0 && (phone || (coarse && lastPointer !== 'mouse')));
    wake(context);
    message.textContent = '';
    startButton.hidden = true;
    manual.hidden = true;
    page.forms.touch = touch;
    document.body.classList.toggle('touch', touch);
    document.body.classList.add('playing');
    page.forms.attach();
    page.gestures.attach();
    page.aids.gameStarted();
    wanted[touch ? 'touch' : 'keys'].resolve();
    game._tintineables_start(touch ? 1 : 0);
    clock ??= setInterval(() => game._tintineables_tick(), TickMilliseconds);
    // Where the browser will not play at all (no sound device, a sound server it cannot reach),
    // the player is told, by the message a screen reader reads, which needs no sound of the page.
    setTimeout(() => {
      if (context.state !== 'running' && startButton.hidden) {
        tell(CannotSound());
      }
    }, SoundStartMilliseconds);
  });
  document.addEventListener('keydown', () => wake(context), true);
  document.addEventListener('pointerdown', () => wake(context), true);
  performance.mark('tintineables-ready'); // the first key's sound is ready
  document.body.dataset.ready = 'true';
  showStart();
  await Promise.all(now.map((file) => decodings[files.indexOf(file)]));
  performance.mark('tintineables-decoded'); // every recording decoded: no key waits any more
  document.body.dataset.decoded = 'true';
}

// A recording that cannot be had stops the page, the game with it, and says so once.
let stopped = false;
function stop(error) {
  if (stopped) {
    return;
  }
  stopped = true;
  clearInterval(clock);
  page.players?.stopAll();
  page.forms?.detach();
  page.gestures?.detach();
  page.aids?.gameEnded();
  startButton.hidden = true;
  manual.hidden = true;
  tell(error instanceof LoadError ? error.message : `TINTINEABLES: ${error?.message ?? error}`);
}

main().catch(stop);
