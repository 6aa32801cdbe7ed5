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
</context>
</TS>
