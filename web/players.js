// The sound of the page: one Web Audio player for each form, each playing the recordings the
// page decoded once when it loaded. A sound on a player cuts what that player sounded, and
// never another player's; recordings joined in one name ("voz_quedan.wav+voz_32.wav") play
// back to back with a pause between them, as a speaker pauses between words.

const JoinedPause = 0.070; // seconds, as the desktop's players pause
const Separator = '+';

// The recordings, each decoded once into the context that plays them. A long one may still be
// decoding when the page is ready (the tutorial takes a second): a sound that needs it waits
// for it, and only it.
export class Recordings {
  constructor(context) {
    this.context = context;
    this.buffers = new Map(); // name -> AudioBuffer
    this.decoding = new Map(); // name -> Promise of the AudioBuffer
  }

  // Decodes a recording's bytes (a promise of them); the promise settles once it is decoded.
  add(name, bytes, decode = (data) => this.context.decodeAudioData(data)) {
    const decoded = Promise.resolve(bytes).then(decode).then((buffer) => {
      this.buffers.set(name, buffer);
      this.decoding.delete(name);
      return buffer;
    });
    this.decoding.set(name, decoded);
    return decoded;
  }

  has(name) {
    return this.buffers.has(name) || this.decoding.has(name);
  }
}

// What one call of the game asks of the players is done together, when the call returns: first
// every sound that stops, then every sound that starts. The browser's audio thread takes each
// change as it comes, and on a busy machine renders many blocks in one go: a sound started
// before another was stopped (a form shown, then the form it replaced unloaded) would sound over
// the old one for that long, tens of milliseconds.
export class Players {
  constructor(recordings) {
    this.recordings = recordings;
    this.context = recordings.context;
    this.players = new Map(); // id -> { sources, sound: a number for each play, to know it by }
    this.nextId = 1;
    this.starting = []; // [player, sound, names] to start once the game's call returns
    this.waited = 0;
  }

  create() {
    const id = this.nextId++;
    this.players.set(id, { sources: [], sound: 0 });
    return id;
  }

  free(id) {
    this.stop(id);
    this.players.delete(id);
  }

  // Starts at once, from the beginning; what this player sounded stops.
  play(id, files) {
    const names = files.split(Separator);
    for (const name of names) {
      if (!this.recordings.has(name)) {
        throw new Error(`no recording ${name}`);
      }
    }
    this.stop(id);
    const player = this.players.get(id);
    const sound = ++player.sound;
    if (names.every((name) => this.recordings.buffers.has(name))) {
      if (this.starting.length === 0) {
        queueMicrotask(() => this.startWhatWasPlayed());
      }
      this.starting.push([player, sound, names]);
      return;
    }
    // A sound that waits for its recording: counted, for the tests (window.tintineablesWaited).
    globalThis.tintineablesWaited = ++this.waited;
    Promise.all(names.map((name) => this.recordings.decoding.get(name))).then(() => {
      if (player.sound === sound && this.players.get(id) === player) {
        this.start(player, names); // unless another sound, or the form's end, came first
      }
    }, () => {});
  }

  startWhatWasPlayed() {
    const starting = this.starting;
    this.starting = [];
    for (const [player, sound, names] of starting) {
      if (player.sound === sound) {
        this.start(player, names); // unless the player was stopped or played again since
      }
    }
  }

  // The first recording at once, from its beginning; each after it where the one before ends,
  // and a pause.
  start(player, names) {
    let at = this.context.currentTime;
    player.sources = names.map((name, index) => {
      const buffer = this.recordings.buffers.get(name);
      const source = this.context.createBufferSource();
      source.buffer = buffer;
      source.connect(this.context.destination);
      if (index === 0) {
        source.start();
      } else {
        source.start(at);
      }
      at += buffer.duration + JoinedPause;
      return source;
    });
  }

  stop(id) {
    const player = this.players.get(id);
    if (!player) {
      return;
    }
    ++player.sound;
    for (const source of player.sources) {
      source.stop();
      source.disconnect();
    }
    player.sources = [];
  }

  stopAll() {
    for (const id of this.players.keys()) {
      this.stop(id);
    }
  }
}
