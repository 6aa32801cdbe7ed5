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
    <message>
        <source>centro, bola</source>
        <translation>centro, bola</translation>
    </message>
    <message>
        <source>centro, vacío</source>
        <translation>centro, vazio</translation>
    </message>
    <message>
        <source>bola, fila %1, columna %2</source>
        <translation>bola, linha %1, coluna %2</translation>
    </message>
    <message>
        <source>vacío, fila %1, columna %2</source>
        <translation>vazio, linha %1, coluna %2</translation>
    </message>
    <message>
        <source>borde</source>
        <translation>borda</translation>
    </message>
    <message>
        <source>bola en la mano</source>
        <translation>bola na mão</translation>
    </message>
    <message>
        <source>salto</source>
        <translation>salto</translation>
    </message>
    <message>
        <source>¡has ganado!</source>
        <translation>você ganhou!</translation>
    </message>
    <message>
        <source>error: vacío</source>
        <translation>erro: vazio</translation>
    </message>
    <message>
        <source>error: ya tienes una bola</source>
        <translation>erro: você já tem uma bola</translation>
    </message>
    <message>
        <source>error: no tienes ninguna bola</source>
        <translation>erro: você não tem nenhuma bola</translation>
    </message>
    <message>
        <source>error: no es un salto, la bola vuelve a su sitio</source>
        <translation>erro: não é um salto, a bola volta ao seu lugar</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erro</translation>
    </message>
    <message>
        <source>salto deshecho</source>
        <translation>salto desfeito</translation>
    </message>
    <message>
        <source>error: nada que deshacer</source>
        <translation>erro: nada para desfazer</translation>
    </message>
    <message>
        <source>bola devuelta a su sitio</source>
        <translation>bola devolvida ao seu lugar</translation>
    </message>
    <message>
        <source>queda %1 bola</source>
        <translation>resta %1 bola</translation>
    </message>
    <message>
        <source>quedan %1 bolas</source>
        <translation>restam %1 bolas</translation>
    </message>
    <message>
        <source>fila %1, columna %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>todavía puedes ganar</source>
        <translation>você ainda pode ganhar</translation>
    </message>
    <message>
        <source>ya has ganado</source>
        <translation>você já ganhou</translation>
    </message>
    <message>
        <source>ya no puedes ganar</source>
        <translation>você já não pode ganhar</translation>
    </message>
    <message>
        <source>salta hacia la izquierda</source>
        <translation>salte para a esquerda</translation>
    </message>
    <message>
        <source>salta hacia arriba</source>
        <translation>salte para cima</translation>
    </message>
    <message>
        <source>salta hacia la derecha</source>
        <translation>salte para a direita</translation>
    </message>
    <message>
        <source>salta hacia abajo</source>
        <translation>salte para baixo</translation>
    </message>
    <message>
        <source>juego nuevo</source>
        <translation>novo jogo</translation>
    </message>
    <message>
        <source>%1 bolas</source>
        <translation>%1 bolas</translation>
    </message>
    <message>
        <source>Cruz</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Más</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Chimenea</source>
        <translation>Lareira</translation>
    </message>
    <message>
        <source>Pirámide</source>
        <translation>Pirâmide</translation>
    </message>
    <message>
        <source>Flecha</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>Diamante</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>error: no hay más retos</source>
        <translation>erro: não há mais desafios</translation>
    </message>
    <message>
        <source>modo texto activado</source>
        <translation>modo texto ligado</translation>
    </message>
    <message>
        <source>modo texto desactivado</source>
        <translation>modo texto desligado</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Jugar</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Créditos</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Retos</source>
        <translation>Desafios</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Repetir el tutorial</source>
        <translation>Repetir o tutorial</translation>
    </message>
    <message>
        <source>Volver al menú</source>
        <translation>Voltar ao menu</translation>
    </message>
    <message>
        <source>Repetir los créditos</source>
        <translation>Ouvir os créditos de novo</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Bolas que quedan</source>
        <translation>Bolas que restam</translation>
    </message>
    <message>
        <source>Dónde estoy</source>
        <translation>Onde estou</translation>
    </message>
    <message>
        <source>¿Puedo ganar?</source>
        <translation>Ainda posso ganhar?</translation>
    </message>
    <message>
        <source>Pista</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Juego nuevo</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Modo texto</source>
        <translation>Modo texto</translation>
    </message>
    <message>
        <source>Reto anterior</source>
        <translation>Desafio anterior</translation>
    </message>
    <message>
        <source>Reto siguiente</source>
        <translation>Próximo desafio</translation>
    </message>
    <message>
        <source>Vibrar en el borde y en los errores</source>
        <translation>Vibrar na borda e nos erros</translation>
    </message>
    <message>
        <source>TINTINEABLES: toca para jugar</source>
        <translation>TINTINEABLES: toque para jogar</translation>
    </message>
    <message>
        <source>Manual de TINTINEABLES</source>
        <translation>Manual do TINTINEABLES</translation>
    </message>
    <message>
        <source>TINTINEABLES, el solitario que se juega con el oído y el teclado, se instalará solo para ti, en $INSTDIR. Lo encontrarás en el menú Inicio.</source>
        <translation>TINTINEABLES, o resta um que se joga com o ouvido e o teclado, será instalado só para você, em $INSTDIR. Você o encontrará no menu Iniciar.</translation>
    </message>
    <message>
        <source>Poner también un acceso directo en el escritorio</source>
        <translation>Colocar também um atalho na área de trabalho</translation>
    </message>
    <message>
        <source>Abrir TINTINEABLES al terminar</source>
        <translation>Abrir o TINTINEABLES ao terminar</translation>
    </message>
    <message>
        <source>Se quitará TINTINEABLES de este equipo, con su entrada del menú Inicio y su acceso directo del escritorio.</source>
        <translation>O TINTINEABLES será removido deste computador, com sua entrada no menu Iniciar e seu atalho na área de trabalho.</translation>
    </message>
    <message>
        <source>velocidad normal</source>
        <translation>velocidade normal</translation>
    </message>
    <message>
        <source>velocidad %1 %</source>
        <translation>velocidade %1 %</translation>
    </message>
    <message>
        <source>volumen de la voz: %1 dB</source>
        <translation>volume da voz: %1 dB</translation>
    </message>
    <message>
        <source>volumen de los sonidos: %1 dB</source>
        <translation>volume dos sons: %1 dB</translation>
    </message>
    <message>
        <source>error: ya está al máximo</source>
        <translation>erro: já está no máximo</translation>
    </message>
    <message>
        <source>error: ya está al mínimo</source>
        <translation>erro: já está no mínimo</translation>
    </message>
    <message>
        <source>error: nada que repetir</source>
        <translation>erro: nada a repetir</translation>
    </message>
    <message>
        <source>Repetir</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Más despacio</source>
        <translation>Mais devagar</translation>
    </message>
    <message>
        <source>Más deprisa</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Voz más baja</source>
        <translation>Voz mais baixa</translation>
    </message>
    <message>
        <source>Voz más alta</source>
        <translation>Voz mais alta</translation>
    </message>
    <message>
        <source>Sonidos más bajos</source>
        <translation>Sons mais baixos</translation>
    </message>
    <message>
        <source>Sonidos más altos</source>
        <translation>Sons mais altos</translation>
    </message>
    <message>
        <source>Apagar la pantalla</source>
        <translation>Apagar a tela</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>º</source>
        <translation>'</translation>
    </message>
    <message>
        <source>pantalla apagada</source>
        <translation>tela apagada</translation>
    </message>
    <message>
        <source>pantalla encendida</source>
        <translation>tela acesa</translation>
    </message>
    <message>
        <source>1 bola</source>
        <translation>1 bola</translation>
    </message>
    <message>
        <source>vacío</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>%1 vacíos</source>
        <translation>%1 vazios</translation>
    </message>
    <message>
        <source>fila %1:</source>
        <translation>linha %1:</translation>
    </message>
    <message>
        <source>columna %1:</source>
        <translation>coluna %1:</translation>
    </message>
    <message>
        <source>ningún salto</source>
        <translation>nenhum salto</translation>
    </message>
    <message>
        <source>puede caer en</source>
        <translation>pode cair em</translation>
    </message>
    <message>
        <source>queda %1 salto posible</source>
        <translation>resta %1 salto possível</translation>
    </message>
    <message>
        <source>quedan %1 saltos posibles</source>
        <translation>restam %1 saltos possíveis</translation>
    </message>
    <message>
        <source>sonidos en estéreo</source>
        <translation>sons em estéreo</translation>
    </message>
    <message>
        <source>sonidos en el centro</source>
        <translation>sons no centro</translation>
    </message>
    <message>
        <source>subtítulos a la vista</source>
        <translation>legendas visíveis</translation>
    </message>
    <message>
        <source>subtítulos ocultos</source>
        <translation>legendas ocultas</translation>
    </message>
    <message>
        <source>bolas: %1 · saltos: %2</source>
        <translation>bolas: %1 · saltos: %2</translation>
    </message>
    <message>
        <source>Oír la fila</source>
        <translation>Ouvir a linha</translation>
    </message>
    <message>
        <source>Oír la columna</source>
        <translation>Ouvir a coluna</translation>
    </message>
    <message>
        <source>Oír todo el tablero</source>
        <translation>Ouvir o tabuleiro inteiro</translation>
    </message>
    <message>
        <source>Saltos desde aquí</source>
        <translation>Saltos daqui</translation>
    </message>
    <message>
        <source>Sonidos en estéreo</source>
        <translation>Sons em estéreo</translation>
    </message>
    <message>
        <source>Saltos en el tablero</source>
        <translation>Saltos no tabuleiro</translation>
    </message>
</context>
</TS>
