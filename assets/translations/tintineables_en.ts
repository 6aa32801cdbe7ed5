<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>tintineables</name>
    <message>
        <source>TABLERO</source>
        <translation>BOARD</translation>
    </message>
    <message>
        <source>TINTINEABLES</source>
        <translation>TINTINEABLES</translation>
    </message>
    <message>
        <source>TUTORIAL</source>
        <translation>TUTORIAL</translation>
    </message>
    <message>
        <source>CRÉDITOS</source>
        <translation>CREDITS</translation>
    </message>
    <message>
        <source>Sonido del centro con bola</source>
        <translation>Sound of the centre with a peg</translation>
    </message>
    <message>
        <source>TINTINEABLES: pulsa Intro para jugar</source>
        <translation>TINTINEABLES: press Enter to play</translation>
    </message>
    <message>
        <source>TINTINEABLES no puede empezar: no se pudo cargar %1: %2</source>
        <translation>TINTINEABLES cannot start: %1 could not be loaded: %2</translation>
    </message>
    <message>
        <source>TINTINEABLES no puede sonar: el navegador no reproduce sonido. Comprueba el dispositivo de sonido y vuelve a cargar la página.</source>
        <translation>TINTINEABLES cannot play sound: the browser plays no sound. Check the sound device and reload the page.</translation>
    </message>
    <message>
        <source>centro, bola</source>
        <translation>centre, peg</translation>
    </message>
    <message>
        <source>centro, vacío</source>
        <translation>centre, empty</translation>
    </message>
    <message>
        <source>bola, fila %1, columna %2</source>
        <translation>peg, row %1, column %2</translation>
    </message>
    <message>
        <source>vacío, fila %1, columna %2</source>
        <translation>empty, row %1, column %2</translation>
    </message>
    <message>
        <source>borde</source>
        <translation>edge</translation>
    </message>
    <message>
        <source>bola en la mano</source>
        <translation>peg in hand</translation>
    </message>
    <message>
        <source>salto</source>
        <translation>jump</translation>
    </message>
    <message>
        <source>¡has ganado!</source>
        <translation>you have won!</translation>
    </message>
    <message>
        <source>error: vacío</source>
        <translation>error: empty</translation>
    </message>
    <message>
        <source>error: ya tienes una bola</source>
        <translation>error: you already hold a peg</translation>
    </message>
    <message>
        <source>error: no tienes ninguna bola</source>
        <translation>error: no peg in hand</translation>
    </message>
    <message>
        <source>error: no es un salto, la bola vuelve a su sitio</source>
        <translation>error: not a jump, the peg goes back to its place</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>salto deshecho</source>
        <translation>jump taken back</translation>
    </message>
    <message>
        <source>error: nada que deshacer</source>
        <translation>error: nothing to take back</translation>
    </message>
    <message>
        <source>bola devuelta a su sitio</source>
        <translation>peg put back in its place</translation>
    </message>
    <message>
        <source>queda %1 bola</source>
        <translation>there is %1 peg left</translation>
    </message>
    <message>
        <source>quedan %1 bolas</source>
        <translation>there are %1 pegs left</translation>
    </message>
    <message>
        <source>fila %1, columna %2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>todavía puedes ganar</source>
        <translation>you can still win</translation>
    </message>
    <message>
        <source>ya has ganado</source>
        <translation>you have won</translation>
    </message>
    <message>
        <source>ya no puedes ganar</source>
        <translation>you can no longer win</translation>
    </message>
    <message>
        <source>salta hacia la izquierda</source>
        <translation>jump left</translation>
    </message>
    <message>
        <source>salta hacia arriba</source>
        <translation>jump up</translation>
    </message>
    <message>
        <source>salta hacia la derecha</source>
        <translation>jump right</translation>
    </message>
    <message>
        <source>salta hacia abajo</source>
        <translation>jump down</translation>
    </message>
    <message>
        <source>juego nuevo</source>
        <translation>new game</translation>
    </message>
    <message>
        <source>%1 bolas</source>
        <translation>%1 pegs</translation>
    </message>
    <message>
        <source>Cruz</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Más</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Chimenea</source>
        <translation>Fireplace</translation>
    </message>
    <message>
        <source>Pirámide</source>
        <translation>Pyramid</translation>
    </message>
    <message>
        <source>Flecha</source>
        <translation>Up arrow</translation>
    </message>
    <message>
        <source>Diamante</source>
        <translation>Diamond</translation>
    </message>
    <message>
        <source>error: no hay más retos</source>
        <translation>error: no more puzzles</translation>
    </message>
    <message>
        <source>modo texto activado</source>
        <translation>text mode on</translation>
    </message>
    <message>
        <source>modo texto desactivado</source>
        <translation>text mode off</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Jugar</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Créditos</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Retos</source>
        <translation>Puzzles</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Repetir el tutorial</source>
        <translation>Hear the tutorial again</translation>
    </message>
    <message>
        <source>Volver al menú</source>
        <translation>Back to the menu</translation>
    </message>
    <message>
        <source>Repetir los créditos</source>
        <translation>Hear the credits again</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>Bolas que quedan</source>
        <translation>Pegs left</translation>
    </message>
    <message>
        <source>Dónde estoy</source>
        <translation>Where am I</translation>
    </message>
    <message>
        <source>¿Puedo ganar?</source>
        <translation>Can I still win?</translation>
    </message>
    <message>
        <source>Pista</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Juego nuevo</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Modo texto</source>
        <translation>Text mode</translation>
    </message>
    <message>
        <source>Reto anterior</source>
        <translation>Previous puzzle</translation>
    </message>
    <message>
        <source>Reto siguiente</source>
        <translation>Next puzzle</translation>
    </message>
    <message>
        <source>Vibrar en el borde y en los errores</source>
        <translation>Vibrate at the edge and on errors</translation>
    </message>
    <message>
        <source>TINTINEABLES: toca para jugar</source>
        <translation>TINTINEABLES: tap to play</translation>
    </message>
    <message>
        <source>Manual de TINTINEABLES</source>
        <translation>TINTINEABLES manual</translation>
    </message>
    <message>
        <source>TINTINEABLES, el solitario que se juega con el oído y el teclado, se instalará solo para ti, en $INSTDIR. Lo encontrarás en el menú Inicio.</source>
        <translation>TINTINEABLES, the solitaire played by ear and keyboard, will be installed for you alone, in $INSTDIR. You will find it in the Start menu.</translation>
    </message>
    <message>
        <source>Poner también un acceso directo en el escritorio</source>
        <translation>Also put a shortcut on the desktop</translation>
    </message>
    <message>
        <source>Abrir TINTINEABLES al terminar</source>
        <translation>Open TINTINEABLES when done</translation>
    </message>
    <message>
        <source>Se quitará TINTINEABLES de este equipo, con su entrada del menú Inicio y su acceso directo del escritorio.</source>
        <translation>TINTINEABLES will be removed from this computer, with its Start menu entry and its desktop shortcut.</translation>
    </message>
    <message>
        <source>velocidad normal</source>
        <translation>normal speed</translation>
    </message>
    <message>
        <source>velocidad %1 %</source>
        <translation>speed %1 %</translation>
    </message>
    <message>
        <source>volumen de la voz: %1 dB</source>
        <translation>voice volume: %1 dB</translation>
    </message>
    <message>
        <source>volumen de los sonidos: %1 dB</source>
        <translation>sound volume: %1 dB</translation>
    </message>
    <message>
        <source>error: ya está al máximo</source>
        <translation>error: already at the highest</translation>
    </message>
    <message>
        <source>error: ya está al mínimo</source>
        <translation>error: already at the lowest</translation>
    </message>
    <message>
        <source>error: nada que repetir</source>
        <translation>error: nothing to repeat</translation>
    </message>
    <message>
        <source>Repetir</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Más despacio</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Más deprisa</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Voz más baja</source>
        <translation>Quieter voice</translation>
    </message>
    <message>
        <source>Voz más alta</source>
        <translation>Louder voice</translation>
    </message>
    <message>
        <source>Sonidos más bajos</source>
        <translation>Quieter sounds</translation>
    </message>
    <message>
        <source>Sonidos más altos</source>
        <translation>Louder sounds</translation>
    </message>
    <message>
        <source>Apagar la pantalla</source>
        <translation>Screen off</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>º</source>
        <translation>`</translation>
    </message>
    <message>
        <source>pantalla apagada</source>
        <translation>screen off</translation>
    </message>
    <message>
        <source>pantalla encendida</source>
        <translation>screen on</translation>
    </message>
    <message>
        <source>1 bola</source>
        <translation>1 peg</translation>
    </message>
    <message>
        <source>vacío</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>%1 vacíos</source>
        <translation>%1 empty</translation>
    </message>
    <message>
        <source>fila %1:</source>
        <translation>row %1:</translation>
    </message>
    <message>
        <source>columna %1:</source>
        <translation>column %1:</translation>
    </message>
    <message>
        <source>ningún salto</source>
        <translation>no jump</translation>
    </message>
    <message>
        <source>puede caer en</source>
        <translation>can land on</translation>
    </message>
    <message>
        <source>queda %1 salto posible</source>
        <translation>%1 possible jump left</translation>
    </message>
    <message>
        <source>quedan %1 saltos posibles</source>
        <translation>%1 possible jumps left</translation>
    </message>
    <message>
        <source>sonidos en estéreo</source>
        <translation>sounds in stereo</translation>
    </message>
    <message>
        <source>sonidos en el centro</source>
        <translation>sounds in the centre</translation>
    </message>
    <message>
        <source>subtítulos a la vista</source>
        <translation>captions shown</translation>
    </message>
    <message>
        <source>subtítulos ocultos</source>
        <translation>captions hidden</translation>
    </message>
    <message>
        <source>bolas: %1 · saltos: %2</source>
        <translation>pegs: %1 · jumps: %2</translation>
    </message>
    <message>
        <source>Oír la fila</source>
        <translation>Hear the row</translation>
    </message>
    <message>
        <source>Oír la columna</source>
        <translation>Hear the column</translation>
    </message>
    <message>
        <source>Oír todo el tablero</source>
        <translation>Hear the whole board</translation>
    </message>
    <message>
        <source>Saltos desde aquí</source>
        <translation>Jumps from here</translation>
    </message>
    <message>
        <source>Sonidos en estéreo</source>
        <translation>Sounds in stereo</translation>
    </message>
    <message>
        <source>Saltos en el tablero</source>
        <translation>Jumps on the board</translation>
    </message>
</context>
</TS>
