// The page's own texts, in Spanish, the original. Qt's lupdate collects them into the same
// translation files as the game's captions, and it reads only plain, older JavaScript: this file
// keeps to it (no module, no arrow functions), and the page reads PageTexts from it.
function QT_TRANSLATE_NOOP(context, text) {
  return text;
}

var PageTexts = {
  // The name of the page's first element, which starts the game.
  start: QT_TRANSLATE_NOOP('tintineables', 'TINTINEABLES: pulsa Intro para jugar'),
  // The same on a phone, where the first touch starts the game.
  startByTouch: QT_TRANSLATE_NOOP('tintineables', 'TINTINEABLES: toca para jugar'),
  // The link to the player's manual beside it.
  manual: QT_TRANSLATE_NOOP('tintineables', 'Manual de TINTINEABLES'),
  // The setting beside it: a short vibration on the edge of the cross and on a refusal.
  vibrate: QT_TRANSLATE_NOOP('tintineables', 'Vibrar en el borde y en los errores'),
  // A file of the page that could not be had: %1 the file, %2 the reason.
  cannotLoad: QT_TRANSLATE_NOOP('tintineables', 'TINTINEABLES no puede empezar: no se pudo cargar %1: %2'),
  // The browser plays no sound at all: no sound device, or none it can reach.
  cannotSound: QT_TRANSLATE_NOOP('tintineables', 'TINTINEABLES no puede sonar: el navegador no reproduce sonido. Comprueba el dispositivo de sonido y vuelve a cargar la página.')
};
