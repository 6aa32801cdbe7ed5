// The game's four forms as parts of the page, one shown at a time. The browser's focus stays on
// the shown form, a region that screen readers know as an application, so that its keys reach
// the game in a screen reader's browse mode as in its focus mode. The control that has the game's
// focus is known to the page, and to the screen reader only when it is the one visible button,
// Command9, which then holds the browser's focus and says its name. A hole says nothing when the
// focus arrives on it (its recorded cue is the answer), and each form's title is spoken, by a live
// region, when the form opens. In the board's text mode the same live region says the words of
// each arrival and each answer.
//
// The browser's keys go to the game as they come; what it asks back (show, unload, focus) is done
// here at once, and a control's arrival reaches the game inside its own call, as a desktop's
// focus event does.
//
// What a sighted player sees is drawn by the style (page.css) from what the game shows
// (look): the holes in the cross, each by its state, the cursor's ring, the curtain; on the
// spoken screens their keys as large buttons, hidden from a screen reader, which hears the
// screen's recording instead. Nothing of it changes what a screen reader is given.
//
// When the game was started by a touch, the forms are laid out for a phone and for its screen
// reader (VoiceOver, TalkBack), which finds things by touch and by swipes: the holes are buttons
// in the cross's places, each named by its state and place, which the browser's focus visits
// with the screen reader's, and a double tap on one plays it; each screen's choices (the keys of
// the screen) are buttons with names, the spoken screens' first three filling the screen in bands.

const Kind = { Hole: 0, Button: 1, MultimediaControl: 2 };
const NoControl = -1;
const Command9 = 42;
const CentreControl = 16; // Picture17
// What the game says to do with a key (tintineables_key_down).
const KeyUse = { Taken: 0, ForTheControl: 1, NotTheGames: 2 };
const Space = 32;
const Enter = 13;
// The keys the game knows by their place on the keyboard, whatever a layout prints on them (a
// French keyboard's 7 is "è", its key after 0 ")"): the row of digits' end.
const KeysByPlace = { Digit7: 55, Digit8: 56, Digit9: 57, Digit0: 48, Minus: 189, Equal: 187, Backquote: 192 };
// A hole's state as the game shows it (tintineables_page_look).
const HoleLooks = { p: 'peg', e: 'empty', l: 'lifted' };
// How long a title stays in the live region that speaks it: long enough for any screen reader to
// take it, short enough that nothing is left to read on the page.
const TitleMilliseconds = 1500;

export class Forms {
  // `game`: keyDown(screen, keyCode, shift, control) -> KeyUse, gotFocus(screen, control),
  // click(screen, control). `announcer`: the live region that speaks a form's title.
  // Also activate(screen, control, focused), choices(screen) -> [{ key, band, name }] and
  // holePlace(control) -> column + 10 * row, for the touch layout.
  constructor(root, announcer, game) {
    this.root = root;
    this.announcer = announcer;
    this.game = game;
    this.touch = false; // laid out for touch: set before the game starts
    this.moving = false; // the page itself is moving the browser's focus
    this.forms = new Map(); // screen -> { element, client, title, focused }
    this.shown = null; // the screen shown last
    this.pressing = null; // the button Space went down on, pressed when it comes up
    this.titleTimer = 0;
    this.listeners = [
      [document, 'keydown', (event) => this.keyDown(event), true],
      [document, 'keyup', (event) => this.keyUp(event), true],
      [this.root, 'click', (event) => this.click(event), false],
      [this.root, 'contextmenu', (event) => this.rightClick(event), false],
      [this.root, 'focusin', (event) => this.focusIn(event), false],
    ];
  }

  attach() {
    // Before any other listener: a key the game takes has no other meaning in the page.
    for (const [target, type, listener, capture] of this.listeners) {
      target.addEventListener(type, listener, capture);
    }
  }

  detach() {
    for (const [target, type, listener, capture] of this.listeners) {
      target.removeEventListener(type, listener, capture);
    }
    for (const screen of [...this.forms.keys()]) {
      this.unload(screen);
    }
    this.shown = null;
    this.pressing = null;
    this.announce('');
  }

  load(screen, formName, title) {
    const element = document.createElement('div');
    element.className = 'form';
    element.id = formName;
    element.hidden = true;
    element.tabIndex = -1;
    // Unnamed: the live region speaks the title, once, as every screen reader takes it. On a
    // phone the screen reader's own gestures find the buttons; there is no browse mode to leave.
    if (!this.touch) {
      element.setAttribute('role', 'application');
    }
    element.dataset.screen = screen;
    const caption = document.createElement('div');
    caption.className = 'title';
    caption.textContent = title;
    caption.setAttribute('aria-hidden', 'true'); // the live region says it, once
    const client = document.createElement('div');
    client.className = 'client';
    element.append(caption, client);
    if (this.touch) {
      element.append(this.choicesOf(screen));
    }
    this.root.append(element);
    this.forms.set(screen, { element, client, title, focused: NoControl });
  }

  // A screen's choices as buttons: each presses its key, on whatever has the game's focus.
  choicesOf(screen) {
    const choices = document.createElement('div');
    choices.className = 'choices';
    for (const { key, band, name } of this.game.choices(screen)) {
      const button = document.createElement('button');
      button.type = 'button';
      button.className = band >= 0 ? `choice band${band}` : 'choice';
      button.dataset.key = key;
      button.textContent = name;
      choices.append(button);
    }
    return choices;
  }

  addControl(screen, control) {
    const { client, element: form } = this.forms.get(screen);
    const place = control.kind === Kind.Hole ? this.game.holePlace(control.id) : 0;
    const element = document.createElement(control.kind === Kind.Button || (place && this.touch) ? 'button' : 'div');
    element.id = control.name;
    element.dataset.control = control.id;
    element.hidden = !control.visible;
    if (control.kind === Kind.Button) {
      element.type = 'button';
      element.tabIndex = -1; // the game moves the focus, Tab included
      // The caption shows ("Command9"); a screen reader says the name instead, which tells what
      // the button does, and a voice control's "click" finds it by that name.
      element.dataset.caption = control.caption;
      if (control.accessibleName) {
        element.setAttribute('aria-label', control.accessibleName);
      }
    } else if (control.kind === Kind.Hole) {
      element.className = 'hole';
      if (control.id === CentreControl) {
        element.classList.add('centre');
      }
    }
    if (this.touch) {
      // Holes in the cross's places; a button among the choices.
      if (place) {
        element.type = 'button';
        element.tabIndex = -1;
        element.style.gridColumn = place % 10;
        element.style.gridRow = Math.floor(place / 10);
        client.append(element);
      } else {
        (control.kind === Kind.Button ? form.querySelector('.choices') : client).append(element);
      }
      return;
    }
    // The holes in the cross's places, Command9 in the empty corner at its bottom right; the
    // hidden sound player nowhere.
    if (place) {
      element.style.gridColumn = place % 10;
      element.style.gridRow = Math.floor(place / 10);
    } else if (control.id === Command9) {
      element.classList.add('corner');
    }
    client.append(element);
  }

  // What the form shows a sighted player: the curtain, each hole's state and the cursor's ring;
  // on a spoken screen its keys, each a box with the key and what it does. A click on one
  // presses its key (click), for a helper with a mouse.
  look(screen, { curtain, cursor, holes, choices, captioned, status, caption, nextCaption }) {
    const form = this.forms.get(screen);
    if (!form) {
      return;
    }
    form.element.classList.toggle('curtain', curtain);
    for (const hole of form.client.querySelectorAll('.hole')) {
      const at = Number(hole.dataset.control);
      hole.dataset.look = HoleLooks[holes[at]];
      hole.classList.toggle('cursor', at + 1 === cursor);
    }
    if (form.client.querySelector('.hole')) {
      this.showCaptions(form, captioned, status, caption);
    } else {
      this.showSentences(form, captioned, caption, nextCaption);
    }
    if (!this.touch && choices.length > 0 && !form.element.querySelector('.keys')) {
      const keys = document.createElement('div');
      keys.className = 'keys';
      keys.setAttribute('aria-hidden', 'true');
      for (const { key, keyLabel, name } of choices) {
        const box = document.createElement('div');
        box.dataset.key = key;
        const cap = document.createElement('kbd');
        cap.textContent = keyLabel;
        box.append(cap, name);
        keys.append(box);
      }
      form.element.append(keys);
    }
  }

  // A block of words under the form's client area for whoever sees the screen, made on first use
  // with a line of each class in `lines`; hidden from a screen reader, which has the text mode
  // and the recordings themselves.
  wordsUnder(form, className, lines) {
    let block = form.element.querySelector(`.${className}`);
    if (!block) {
      block = document.createElement('div');
      block.className = className;
      block.setAttribute('aria-hidden', 'true');
      for (const line of lines) {
        const element = document.createElement('div');
        element.className = line;
        block.append(element);
      }
      form.client.after(block);
    }
    return block;
  }

  // The board's status line and its last words under the cross, large.
  showCaptions(form, captioned, status, caption) {
    const captions = this.wordsUnder(form, 'captions', ['status', 'caption']);
    captions.hidden = !captioned;
    // On a phone the cross, the captions and the buttons share the screen: the cross leaves
    // room for the buttons' rows, three a row upright and four on its side.
    const buttons = form.element.querySelectorAll('.choices button').length;
    form.element.style.setProperty('--upright-rows', Math.ceil(buttons / 3));
    form.element.style.setProperty('--aside-rows', Math.ceil(buttons / 4));
    captions.querySelector('.status').textContent = status;
    captions.querySelector('.caption').textContent = caption;
  }

  // A spoken screen's recording as words, in step with it: the sentence being said, large, and
  // the next one.
  showSentences(form, captioned, caption, nextCaption) {
    const sentences = this.wordsUnder(form, 'sentences', ['saying', 'coming']);
    sentences.hidden = !captioned;
    sentences.querySelector('.saying').textContent = caption;
    sentences.querySelector('.coming').textContent = nextCaption;
  }

  show(screen, focus) {
    const form = this.forms.get(screen);
    form.element.hidden = false;
    this.shown = screen;
    document.title = form.title;
    this.announce(form.title);
    form.element.focus({ preventScroll: true });
    if (focus !== NoControl) {
      this.focus(screen, focus);
    }
  }

  unload(screen) {
    const form = this.forms.get(screen);
    if (form) {
      this.forms.delete(screen);
      form.element.remove();
    }
  }

  // The control takes the game's focus, and arrives. A button takes the browser's focus too, for
  // the screen reader to name it; a hole leaves it on its form, where it has nothing to say.
  focus(screen, control) {
    const form = this.forms.get(screen);
    const target = form.element.querySelector(`[data-control="${control}"]`);
    form.focused = control;
    for (const focused of form.element.querySelectorAll('.focused')) {
      focused.classList.remove('focused');
    }
    target.classList.add('focused');
    // A page zoomed in (a magnifier, 400%) shows a part of the board: the cursor's hole is
    // brought into it, as a desktop's magnifier follows the focused control.
    target.scrollIntoView?.({ block: 'nearest', inline: 'nearest' });
    const holder = target.tagName === 'BUTTON' ? target : form.element;
    if (document.activeElement !== holder) {
      this.moving = true;
      try {
        holder.focus({ preventScroll: true });
      } finally {
        this.moving = false;
      }
    }
    this.game.gotFocus(screen, control);
  }

  // On a phone, the screen reader moves the browser's focus where the player's finger found a
  // control (Safari does for buttons): the control arrives, as with a key, and plays its cue.
  focusIn(event) {
    const target = event.target.closest?.('[data-control]');
    const screen = this.shown;
    if (!this.touch || this.moving || !target || screen === null) {
      return;
    }
    const control = Number(target.dataset.control);
    if (this.forms.get(screen)?.focused !== control) {
      this.focus(screen, control);
    }
  }

  // The text mode's words. A hole never holds the browser's focus, so what it says, it says in
  // the live region, as an answer is said; a button says its name itself, and so on a phone does
  // a hole, a button there, named as it stands.
  tell(screen, control, text, now) {
    const target = this.forms.get(screen)?.element.querySelector(`[data-control="${control}"]`);
    if (!target) {
      return;
    }
    if (target.tagName === 'BUTTON' && !now) {
      target.setAttribute('aria-label', text);
    } else if (text) {
      this.announce(text);
    }
  }

  announce(title) {
    clearTimeout(this.titleTimer);
    // The same words again are a change too: they alternate with a no-break space after them,
    // which no screen reader speaks.
    const again = title !== '' && this.announcer.textContent.replace(/\u00a0$/, '') === title;
    this.announcer.textContent = again && !this.announcer.textContent.endsWith('\u00a0') ? `${title}\u00a0` : title;
    if (title) {
      this.titleTimer = setTimeout(() => { this.announcer.textContent = ''; }, TitleMilliseconds);
    }
  }

  keyDown(event) {
    if (this.shown === null || event.metaKey || event.isComposing) {
      return; // the system's own shortcuts (Command on a Mac) stay the system's
    }
    const screen = this.shown;
    const control = this.forms.get(screen)?.focused ?? NoControl;
    const shift = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
    const use = this.game.keyDown(screen, KeysByPlace[event.code] ?? event.keyCode, shift, control);
    if (use === KeyUse.NotTheGames) {
      // Enter presses a focused button in a browser; in the game it presses nothing.
      if (event.keyCode === Enter && event.target.closest?.('.form button')) {
        event.preventDefault();
      }
      return;
    }
    event.preventDefault();
    event.stopPropagation();
    // Space on a button presses it when the key comes up, as a browser's buttons do.
    if (use === KeyUse.ForTheControl && !event.repeat) {
      this.pressing = { screen, control };
    }
  }

  keyUp(event) {
    if (event.keyCode === Space && this.pressing) {
      const { screen, control } = this.pressing;
      this.pressing = null;
      if (this.forms.get(screen)?.focused === control) {
        this.game.click(screen, control);
      }
    }
  }

  // A pointer on a control: a hole takes the focus, a button is pressed. On a phone a click is
  // the screen reader's double tap: a hole is played, as the board's double tap plays it, and a
  // choice presses its key.
  // The right button on the board takes back, as Backspace does, instead of the browser's menu.
  rightClick(event) {
    const form = this.shown === null ? null : this.forms.get(this.shown);
    if (this.touch || !form?.client.querySelector('.hole')) {
      return;
    }
    event.preventDefault();
    const target = event.target.closest('[data-control]');
    this.game.mouseDown(this.shown, target ? Number(target.dataset.control) : NoControl, true, form.focused);
  }

  click(event) {
    const screen = this.shown;
    const choice = event.target.closest('[data-key]');
    if (choice && screen !== null) {
      this.game.keyDown(screen, Number(choice.dataset.key), 0, this.forms.get(screen)?.focused ?? NoControl);
      return;
    }
    const target = event.target.closest('[data-control]');
    if (!target || screen === null) {
      return;
    }
    const control = Number(target.dataset.control);
    if (this.touch && target.classList.contains('hole')) {
      this.game.activate(screen, control, this.forms.get(screen)?.focused ?? NoControl);
      return;
    }
    if (target.classList.contains('hole')) {
      // The game decides: the cursor moves here, or on its own hole picks up or drops.
      this.game.mouseDown(screen, control, false, this.forms.get(screen)?.focused ?? NoControl);
      return;
    }
    if (this.forms.get(screen)?.focused !== control) {
      this.focus(screen, control);
    }
    if (target.tagName === 'BUTTON') {
      this.game.click(screen, control);
    }
  }
}
