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
    <message>
        <source>centro, bola</source>
        <translation>centre, bille</translation>
    </message>
    <message>
        <source>centro, vacío</source>
        <translation>centre, vide</translation>
    </message>
    <message>
        <source>bola, fila %1, columna %2</source>
        <translation>bille, ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>vacío, fila %1, columna %2</source>
        <translation>vide, ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>borde</source>
        <translation>bord</translation>
    </message>
    <message>
        <source>bola en la mano</source>
        <translation>bille en main</translation>
    </message>
    <message>
        <source>salto</source>
        <translation>saut</translation>
    </message>
    <message>
        <source>¡has ganado!</source>
        <translation>tu as gagné !</translation>
    </message>
    <message>
        <source>error: vacío</source>
        <translation>erreur : vide</translation>
    </message>
    <message>
        <source>error: ya tienes una bola</source>
        <translation>erreur : tu as déjà une bille</translation>
    </message>
    <message>
        <source>error: no tienes ninguna bola</source>
        <translation>erreur : aucune bille en main</translation>
    </message>
    <message>
        <source>error: no es un salto, la bola vuelve a su sitio</source>
        <translation>erreur : ce n'est pas un saut, la bille revient à sa place</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>salto deshecho</source>
        <translation>saut annulé</translation>
    </message>
    <message>
        <source>error: nada que deshacer</source>
        <translation>erreur : rien à annuler</translation>
    </message>
    <message>
        <source>bola devuelta a su sitio</source>
        <translation>bille remise à sa place</translation>
    </message>
    <message>
        <source>queda %1 bola</source>
        <translation>il reste %1 bille</translation>
    </message>
    <message>
        <source>quedan %1 bolas</source>
        <translation>il reste %1 billes</translation>
    </message>
    <message>
        <source>fila %1, columna %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>todavía puedes ganar</source>
        <translation>tu peux encore gagner</translation>
    </message>
    <message>
        <source>ya has ganado</source>
        <translation>tu as gagné</translation>
    </message>
    <message>
        <source>ya no puedes ganar</source>
        <translation>tu ne peux plus gagner</translation>
    </message>
    <message>
        <source>salta hacia la izquierda</source>
        <translation>saute vers la gauche</translation>
    </message>
    <message>
        <source>salta hacia arriba</source>
        <translation>saute vers le haut</translation>
    </message>
    <message>
        <source>salta hacia la derecha</source>
        <translation>saute vers la droite</translation>
    </message>
    <message>
        <source>salta hacia abajo</source>
        <translation>saute vers le bas</translation>
    </message>
    <message>
        <source>juego nuevo</source>
        <translation>nouvelle partie</translation>
    </message>
    <message>
        <source>%1 bolas</source>
        <translation>%1 billes</translation>
    </message>
    <message>
        <source>Cruz</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Más</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Chimenea</source>
        <translation>Cheminée</translation>
    </message>
    <message>
        <source>Pirámide</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Flecha</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Diamante</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>error: no hay más retos</source>
        <translation>erreur : plus de défis</translation>
    </message>
    <message>
        <source>modo texto activado</source>
        <translation>mode texte activé</translation>
    </message>
    <message>
        <source>modo texto desactivado</source>
        <translation>mode texte désactivé</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
    </message>
    <message>
        <source>Jugar</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Créditos</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Retos</source>
        <translation>Défis</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Repetir el tutorial</source>
        <translation>Réécouter le tutoriel</translation>
    </message>
    <message>
        <source>Volver al menú</source>
        <translation>Revenir au menu</translation>
    </message>
    <message>
        <source>Repetir los créditos</source>
        <translation>Réécouter les crédits</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bolas que quedan</source>
        <translation>Billes restantes</translation>
    </message>
    <message>
        <source>Dónde estoy</source>
        <translation>Où suis-je</translation>
    </message>
    <message>
        <source>¿Puedo ganar?</source>
        <translation>Puis-je encore gagner ?</translation>
    </message>
    <message>
        <source>Pista</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Juego nuevo</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Modo texto</source>
        <translation>Mode texte</translation>
    </message>
    <message>
        <source>Reto anterior</source>
        <translation>Défi précédent</translation>
    </message>
    <message>
        <source>Reto siguiente</source>
        <translation>Défi suivant</translation>
    </message>
    <message>
        <source>Vibrar en el borde y en los errores</source>
        <translation>Vibrer au bord et aux erreurs</translation>
    </message>
    <message>
        <source>TINTINEABLES: toca para jugar</source>
        <translation>TINTINEABLES : touche pour jouer</translation>
    </message>
    <message>
        <source>Manual de TINTINEABLES</source>
        <translation>Manuel de TINTINEABLES</translation>
    </message>
    <message>
        <source>TINTINEABLES, el solitario que se juega con el oído y el teclado, se instalará solo para ti, en $INSTDIR. Lo encontrarás en el menú Inicio.</source>
        <translation>TINTINEABLES, le solitaire qui se joue à l'oreille et au clavier, sera installé pour toi seul, dans $INSTDIR. Tu le trouveras dans le menu Démarrer.</translation>
    </message>
    <message>
        <source>Poner también un acceso directo en el escritorio</source>
        <translation>Mettre aussi un raccourci sur le bureau</translation>
    </message>
    <message>
        <source>Abrir TINTINEABLES al terminar</source>
        <translation>Ouvrir TINTINEABLES à la fin</translation>
    </message>
    <message>
        <source>Se quitará TINTINEABLES de este equipo, con su entrada del menú Inicio y su acceso directo del escritorio.</source>
        <translation>TINTINEABLES sera retiré de cet ordinateur, avec son entrée du menu Démarrer et son raccourci du bureau.</translation>
    </message>
    <message>
        <source>velocidad normal</source>
        <translation>vitesse normale</translation>
    </message>
    <message>
        <source>velocidad %1 %</source>
        <translation>vitesse %1 %</translation>
    </message>
    <message>
        <source>volumen de la voz: %1 dB</source>
        <translation>volume de la voix : %1 dB</translation>
    </message>
    <message>
        <source>volumen de los sonidos: %1 dB</source>
        <translation>volume des sons : %1 dB</translation>
    </message>
    <message>
        <source>error: ya está al máximo</source>
        <translation>erreur : déjà au maximum</translation>
    </message>
    <message>
        <source>error: ya está al mínimo</source>
        <translation>erreur : déjà au minimum</translation>
    </message>
    <message>
        <source>error: nada que repetir</source>
        <translation>erreur : rien à répéter</translation>
    </message>
    <message>
        <source>Repetir</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Más despacio</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Más deprisa</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>Voz más baja</source>
        <translation>Voix moins forte</translation>
    </message>
    <message>
        <source>Voz más alta</source>
        <translation>Voix plus forte</translation>
    </message>
    <message>
        <source>Sonidos más bajos</source>
        <translation>Sons moins forts</translation>
    </message>
    <message>
        <source>Sonidos más altos</source>
        <translation>Sons plus forts</translation>
    </message>
    <message>
        <source>Apagar la pantalla</source>
        <translation>Éteindre l'écran</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>º</source>
        <translation>²</translation>
    </message>
    <message>
        <source>pantalla apagada</source>
        <translation>écran éteint</translation>
    </message>
    <message>
        <source>pantalla encendida</source>
        <translation>écran allumé</translation>
    </message>
    <message>
        <source>1 bola</source>
        <translation>1 bille</translation>
    </message>
    <message>
        <source>vacío</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1 vacíos</source>
        <translation>%1 vides</translation>
    </message>
    <message>
        <source>fila %1:</source>
        <translation>ligne %1 :</translation>
    </message>
    <message>
        <source>columna %1:</source>
        <translation>colonne %1 :</translation>
    </message>
    <message>
        <source>ningún salto</source>
        <translation>aucun saut</translation>
    </message>
    <message>
        <source>puede caer en</source>
        <translation>peut tomber sur</translation>
    </message>
    <message>
        <source>queda %1 salto posible</source>
        <translation>il reste %1 saut possible</translation>
    </message>
    <message>
        <source>quedan %1 saltos posibles</source>
        <translation>il reste %1 sauts possibles</translation>
    </message>
    <message>
        <source>sonidos en estéreo</source>
        <translation>sons en stéréo</translation>
    </message>
    <message>
        <source>sonidos en el centro</source>
        <translation>sons au centre</translation>
    </message>
    <message>
        <source>subtítulos a la vista</source>
        <translation>sous-titres affichés</translation>
    </message>
    <message>
        <source>subtítulos ocultos</source>
        <translation>sous-titres masqués</translation>
    </message>
    <message>
        <source>bolas: %1 · saltos: %2</source>
        <translation>billes : %1 · sauts : %2</translation>
    </message>
    <message>
        <source>Oír la fila</source>
        <translation>Écouter la ligne</translation>
    </message>
    <message>
        <source>Oír la columna</source>
        <translation>Écouter la colonne</translation>
    </message>
    <message>
        <source>Oír todo el tablero</source>
        <translation>Écouter tout le plateau</translation>
    </message>
    <message>
        <source>Saltos desde aquí</source>
        <translation>Sauts d'ici</translation>
    </message>
    <message>
        <source>Sonidos en estéreo</source>
        <translation>Sons en stéréo</translation>
    </message>
    <message>
        <source>Saltos en el tablero</source>
        <translation>Sauts sur le plateau</translation>
    </message>
</context>
</TS>
