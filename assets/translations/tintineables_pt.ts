<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="es">
<context>
    <name>tintineables</name>
    <message>
        <source>TABLERO</source>
        <translation>TABULEIRO</translation>
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
        <translation>CRÉDITOS</translation>
    </message>
    <message>
        <source>Sonido del centro con bola</source>
        <translation>Som do centro com bola</translation>
    </message>
    <message>
        <source>TINTINEABLES: pulsa Intro para jugar</source>
        <translation>TINTINEABLES: pressione Enter para jogar</translation>
    </message>
    <message>
        <source>TINTINEABLES no puede empezar: no se pudo cargar %1: %2</source>
        <translation>TINTINEABLES não pode começar: não foi possível carregar %1: %2</translation>
    </message>
    <message>
        <source>TINTINEABLES no puede sonar: el navegador no reproduce sonido. Comprueba el dispositivo de sonido y vuelve a cargar la página.</source>
        <translation>TINTINEABLES não consegue tocar som: o navegador não reproduz som. Verifique o dispositivo de som e recarregue a página.</translation>
    </message>
</context>
</TS>
