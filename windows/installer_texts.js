// The Windows installer's own texts, in Spanish, the original. Qt's lupdate collects them into
// the same translation files as the game's captions (it reads only plain, older JavaScript, as
// for page_texts.js), and the build makes them the installer's strings in each language
// (tools/texts_from_ts.py). The names are the installer's own (windows/installer.nsi).
function QT_TRANSLATE_NOOP(context, text) {
  return text;
}

var InstallerTexts = {
  // The one page of choices: what is installed, and where ($INSTDIR, the user's own programs
  // folder; no administrator is asked).
  introText: QT_TRANSLATE_NOOP('tintineables', 'TINTINEABLES, el solitario que se juega con el oído y el teclado, se instalará solo para ti, en $INSTDIR. Lo encontrarás en el menú Inicio.'),
  desktopText: QT_TRANSLATE_NOOP('tintineables', 'Poner también un acceso directo en el escritorio'),
  startText: QT_TRANSLATE_NOOP('tintineables', 'Abrir TINTINEABLES al terminar'),
  // The Start menu's entry for the player's manual, beside the game's.
  manualName: QT_TRANSLATE_NOOP('tintineables', 'Manual de TINTINEABLES'),
  // The uninstaller's page.
  uninstallText: QT_TRANSLATE_NOOP('tintineables', 'Se quitará TINTINEABLES de este equipo, con su entrada del menú Inicio y su acceso directo del escritorio.')
};
