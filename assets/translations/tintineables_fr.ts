<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="es">
<context>
    <name>tintineables</name>
    <message>
        <source>TABLERO</source>
        <translation>PLATEAU</translation>
    </message>
    <message>
        <source>TINTINEABLES</source>
        <translation>TINTINEABLES</translation>
    </message>
    <message>
        <source>TUTORIAL</source>
        <translation>TUTORIEL</translation>
    </message>
    <message>
        <source>CRÉDITOS</source>
        <translation>CRÉDITS</translation>
    </message>
    <message>
        <source>Sonido del centro con bola</source>
        <translation>Son du centre avec une bille</translation>
    </message>
    <message>
        <source>TINTINEABLES: pulsa Intro para jugar</source>
        <translation>TINTINEABLES : appuie sur Entrée pour jouer</translation>
    </message>
    <message>
        <source>TINTINEABLES no puede empezar: no se pudo cargar %1: %2</source>
        <translation>TINTINEABLES ne peut pas démarrer : impossible de charger %1 : %2</translation>
    </message>
    <message>
        <source>TINTINEABLES no puede sonar: el navegador no reproduce sonido. Comprueba el dispositivo de sonido y vuelve a cargar la página.</source>
        <translation>TINTINEABLES ne peut pas jouer de son : le navigateur ne joue aucun son. Vérifie le périphérique audio et recharge la page.</translation>
    </message>
</context>
</TS>
