<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardWindow</name>
    <message>
        <location filename="../board/BoardLayout.h" line="+43"/>
        <source>Throw Dice</source>
        <translation>Tirar dados</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../board/BoardLook.h" line="+23"/>
        <source>Blue to Play</source>
        <translation>Juega Azul</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../board/BoardLook.h" line="+44"/>
        <source>TEZZLE!</source>
        <translation>TEZZLE!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cheat Chart</source>
        <translation>Chuleta</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Seconds Remaining</source>
        <translation>Segundos restantes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Jugada no válida. Has perdido el turno.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>New Game</source>
        <translation>Otra partida</translation>
    </message>
    <message>
        <location filename="../board/BoardLook.h" line="-44"/>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BLUE HAS WON!</source>
        <translation>¡GANA AZUL!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red to Play</source>
        <translation>Juega Rojo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RED HAS WON!</source>
        <translation>¡GANA ROJO!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Green to Play</source>
        <translation>Juega Verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GREEN HAS WON!</source>
        <translation>¡GANA VERDE!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow to Play</source>
        <translation>Juega Amarillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>YELLOW HAS WON!</source>
        <translation>¡GANA AMARILLO!</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n points scored</source>
        <translation>
            <numerusform>%n punto ganado</numerusform>
            <numerusform>%n puntos ganados</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GAME OVER!!!</source>
        <translation>¡FIN DEL JUEGO!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OUT OF TIME!</source>
        <translation>¡SIN TIEMPO!</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n points to %1</source>
        <translation>
            <numerusform>%n punto a %1</numerusform>
            <numerusform>%n puntos a %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DOUBLE</source>
        <translation>DOBLE</translation>
    </message>
    <message>
        <location filename="../board/WorkingLine.cpp" line="+23"/>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 cannot be made from %2.</source>
        <translation>%1 no se puede formar con %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No free number could be made with these dice.</source>
        <translation>Con estos dados no se podía formar ningún número libre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You could have made %1 for %2 points.</source>
        <translation>Podrías haber formado %1 por %2 puntos.</translation>
    </message>
    <message>
        <location filename="../board/Marks.cpp" line="+25"/>
        <source>Blue counters: square</source>
        <translation>Fichas azules: cuadrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red counters: triangle</source>
        <translation>Fichas rojas: triángulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green counters: cross</source>
        <translation>Fichas verdes: cruz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow counters: star</source>
        <translation>Fichas amarillas: estrella</translation>
    </message>
</context>
<context>
    <name>Centre</name>
    <message>
        <location filename="../ui/Centre.cpp" line="+67"/>
        <source>Tezzle!</source>
        <translation>Tezzle!</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <location filename="../frontend/FileWords.cpp" line="+30"/>
        <source>Cannot create the folder %1: %2.</source>
        <translation>No se puede crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was saved, but it may be lost if the computer stops now: %2.</source>
        <translation>%1 se guardó, pero puede perderse si el ordenador se apaga ahora: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>creating a temporary file in %1</source>
        <translation>creando un archivo temporal en %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing %1</source>
        <translation>escribiendo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>putting %1 on the disk</source>
        <translation>grabando %1 en el disco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closing %1</source>
        <translation>cerrando %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>renaming %1 to it</source>
        <translation>renombrando %1 con ese nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot save %1: %2 (while %3). The previous file is unchanged.</source>
        <translation>No se puede guardar %1: %2 (%3). El archivo anterior no ha cambiado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a file</source>
        <translation>un archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>something that is not a file</source>
        <translation>algo que no es un archivo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> (after %1 of 600 numbers)</source>
        <translation> (tras %1 de 600 números)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board adjacency file was read in full.</source>
        <translation>El archivo de vecinos del tablero se leyó entero.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board adjacency file connarray.dat cannot be opened.</source>
        <translation>No se puede abrir el archivo de vecinos del tablero, connarray.dat.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board adjacency file connarray.dat ends too soon%1.</source>
        <translation>El archivo de vecinos del tablero, connarray.dat, termina demasiado pronto%1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board adjacency file connarray.dat holds something that is not a number%1.</source>
        <translation>El archivo de vecinos del tablero, connarray.dat, tiene algo que no es un número%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board adjacency file connarray.dat holds a number that is far too large%1.</source>
        <translation>El archivo de vecinos del tablero, connarray.dat, tiene un número demasiado grande%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board adjacency file connarray.dat names a hexagon that is not on the board%1.</source>
        <translation>El archivo de vecinos del tablero, connarray.dat, nombra un hexágono que no está en el tablero%1.</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <location filename="../frontend/HighScoreWindow.cpp" line="+34"/>
        <source>Playing alone</source>
        <translation>Jugando solo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Against the computer</source>
        <translation>Contra el ordenador</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>OnePlayerWindow</name>
    <message>
        <location filename="../frontend/OnePlayerWindow.cpp" line="+35"/>
        <source> Set Level for the computer</source>
        <translation> Elige el nivel del ordenador</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Play solo</source>
        <translation>Jugar solo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Play against the computer</source>
        <translation>Jugar contra el ordenador</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Level 1 - Easy</source>
        <translation>Nivel 1 - Fácil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level 2</source>
        <translation>Nivel 2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level 3 - Hard</source>
        <translation>Nivel 3 - Difícil</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../frontend/Options.cpp" line="+22"/>
        <source>usage: tezzle [--players N] [--computer L] [--clock S] [--no-sound]
       tezzle --help | --version
  --players N   start a game of N players (1 to 4) at once
  --computer L  one player against the computer, which plays Red, at level L (1 to 3)
  --clock S     S seconds on each player&apos;s clock (0 = no clocks, else 5 to 9999)
  --no-sound    no sound cues
  -h, --help    print this and end
  --version     print the game&apos;s version and end
An option&apos;s value may also follow an equals sign: --players=3.
Without options the game opens on its title window.
</source>
        <translation>uso: tezzle [--players N] [--computer L] [--clock S] [--no-sound]
     tezzle --help | --version
  --players N   empieza ya una partida de N jugadores (1 a 4)
  --computer L  un jugador contra el ordenador, que juega con Rojo, en el nivel L (1 a 3)
  --clock S     S segundos en el reloj de cada jugador (0 = sin relojes, si no, de 5 a 9999)
  --no-sound    sin avisos sonoros
  -h, --help    muestra esta ayuda y termina
  --version     muestra la versión del juego y termina
El valor de una opción también puede ir tras un signo igual: --players=3.
Sin opciones, el juego se abre en su ventana de título.
</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Tezzle! %1</source>
        <translation>Tezzle! %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>bad value %1 for --%2</source>
        <translation>valor %1 no válido para --%2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a game against the computer has one human player</source>
        <translation>una partida contra el ordenador tiene un solo jugador humano</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <location filename="../help/RulesPageData.h" line="+67"/>
        <source>The Rules of Tezzle!</source>
        <translation>Las reglas de Tezzle!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Siguiente</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Anterior</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Throw Dice</source>
        <translation>Tirar dados</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+117"/>
        <source>Cheat Chart</source>
        <translation>Chuleta</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Summary of the rules</source>
        <translation>Resumen de reglas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>Por turnos, cada jugador tira cuatro dados y combina sus valores para obtener un número entero entre 1 y 100. Por ejemplo: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Having chosen a number, whose hexagon is not already covered by a counter, the player clicks the number on the Tezzle! playing board with the mouse. The number is then covered by a counter. The player scores points depending on which number they have chosen. The highest numbers score the most points.</source>
        <translation>Tras elegir un número cuyo hexágono aún no tenga ficha, el jugador hace clic en ese número del tablero de Tezzle! con el ratón. El número queda cubierto por una ficha. El jugador gana puntos según el número elegido. Los números más altos dan más puntos.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Players can also score bonus points by making a Tezzle! move. This is when a player clicks a number that will create a triangle of three adjacent counters on the board.</source>
        <translation>También se ganan puntos de premio con una jugada Tezzle! Consiste en hacer clic en un número que forme un triángulo de tres fichas vecinas en el tablero.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Double bonus points are scored by making a Tezzle! move on a prime number – this is a double Tezzle! move.</source>
        <translation>Una jugada Tezzle! en un número primo da el doble de puntos de premio – es una jugada Tezzle! doble.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game ends when there is a continuous path of counters from hexagon 1 to hexagon 100. The winner is the player with the highest score at the end of the game.</source>
        <translation>La partida termina cuando hay un camino continuo de fichas del hexágono 1 al hexágono 100. Gana el jugador que tenga más puntos al final de la partida.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Getting ready to play</source>
        <translation>Preparar la partida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Antes de empezar, los jugadores pueden elegir las opciones de la partida.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tezzle! can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 600 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>Se puede jugar a Tezzle! contra reloj. Para ello, marca la casilla &apos;Con reloj&apos;. De entrada, cada jugador tiene en total 600 segundos para hacer todas sus jugadas. Este tiempo se puede cambiar en la casilla &apos;Tiempo total permitido&apos;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tezzle! can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>A Tezzle! pueden jugar de uno a cuatro jugadores. Para empezar, haz clic en el botón con el número de jugadores. Luego juegan por turnos en este orden: Azul, Rojo, Verde, Amarillo. Antes de seguir, cada jugador debe elegir su color. Si se juegan varias partidas seguidas, los jugadores deben cambiar de color antes de cada una.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Si hay un solo jugador, elige el botón &apos;1&apos;. El jugador puede entonces jugar solo o contra el ordenador. El ordenador siempre juega como segundo jugador - Rojo. El jugador puede elegir el nivel de juego del ordenador. </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Counters on the board at the start of a game</source>
        <translation>Fichas en el tablero al empezar una partida</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Generating a number</source>
        <translation>Obtener un número</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>El jugador hace clic en el botón &apos;Tirar dados&apos;. Salen cuatro números al azar, como en una tirada de dados. El jugador debe obtener un número entero entre 1 y 100 usando los cuatro números una vez cada uno. Puede multiplicar, dividir, sumar o restar los números en cualquier combinación.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Pulsa el botón de la derecha para probar a tirar los dados.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Nota: no se puede formar un número poniendo dos cifras una al lado de la otra.                     Por ejemplo, si salen 6, 4, 3 y 1, no se pueden juntar el 6 y el 4 para formar 64 o 46.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Los jugadores pueden usar lápiz y papel para hacer las cuentas, pero no una calculadora.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Algunos números que se pueden obtener con una tirada:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Para que te ayude con las cuentas, haz clic en el botón de abajo, que abre la ventana de la Chuleta. La Chuleta es una tabla de multiplicar. El número de cada casilla es el resultado de multiplicar el número al principio de su fila por el número en lo alto de su columna.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Selecting the number on the board</source>
        <translation>Elegir el número en el tablero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Having generated a number, whose hexagon is not already covered by a counter, the player clicks the corresponding number on the board. If the number has been calculated correctly it will be covered with a counter. </source>
        <translation>Tras obtener un número cuyo hexágono aún no tenga ficha, el jugador hace clic en ese número del tablero. Si el cálculo es correcto, el número queda cubierto por una ficha. </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Si el jugador se equivoca y elige un número que no se puede obtener con la tirada de dados, no gana puntos y el turno pasa al siguiente jugador.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gaining points</source>
        <translation>Ganar puntos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If the number has been calculated correctly, the player scores reward points based on the colour zone of the number that has been selected. The amount of points for each colour zone is shown on the coloured balls to the left of the playing board, and in the table below.</source>
        <translation>Si el cálculo es correcto, el jugador gana puntos según la zona de color del número elegido. Los puntos de cada zona de color aparecen en las bolas de colores a la izquierda del tablero y en la tabla de abajo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Number generated               Colour Zone               Reward</source>
        <translation>Número obtenido                 Zona de color             Puntos</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The playing board with its colour zones</source>
        <translation>El tablero con sus zonas de color</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Tezzle! bonus</source>
        <translation>El premio Tezzle!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>As soon as any two counters have been placed next to each other on the board, there is an opportunity for a player to make a Tezzle! move. This is done by clicking a number on the board that completes a triangle of counters.</source>
        <translation>En cuanto haya dos fichas juntas en el tablero, un jugador puede hacer una jugada Tezzle! Para ello, hace clic en un número del tablero que complete un triángulo de fichas.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The player that completes any triangle with a Tezzle! move gains a bonus of 100. This is in addition to the amount rewarded for that colour zone.</source>
        <translation>El jugador que completa un triángulo con una jugada Tezzle! gana un premio de 100. Se suma a los puntos de esa zona de color.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For example, if Blue generates the number 33, completing a triangle of counters with 25 and 32, then Blue gains a yellow-zone reward of 50, plus a Tezzle! bonus of 100, making a total of 150.</source>
        <translation>Por ejemplo, si Azul obtiene el número 33 y completa un triángulo de fichas con 25 y 32, gana 50 puntos de la zona amarilla más un premio Tezzle! de 100: en total, 150.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A player will only receive one Tezzle! bonus in any turn, even if more than one triangle of counters is formed.</source>
        <translation>En cada turno, un jugador solo recibe un premio Tezzle!, aunque forme más de un triángulo de fichas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The double Tezzle! bonus</source>
        <translation>El premio Tezzle! doble</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The prime numbers on the board are shown in black, their hexagons have grey borders. (A prime number is a number that has no factors other than itself and 1.)</source>
        <translation>Los números primos del tablero están en negro y sus hexágonos tienen el borde gris. (Un número primo es un número que no tiene más divisores que él mismo y el 1.)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If a player clicks a prime number to complete a triangle of counters, the player scores a double Tezzle! bonus of 200. This is in addition to the amount rewarded for that colour zone.</source>
        <translation>Si un jugador hace clic en un número primo que completa un triángulo de fichas, gana un premio Tezzle! doble de 200. Se suma a los puntos de esa zona de color.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For example, if Blue generates the prime number 17, completing a triangle of counters with 12 and 18, then Blue scores a turquoise-zone reward of 20, plus a double Tezzle! bonus of 200, making a total of 220.</source>
        <translation>Por ejemplo, si Azul obtiene el número primo 17 y completa un triángulo de fichas con 12 y 18, gana 20 puntos de la zona turquesa más un premio Tezzle! doble de 200: en total, 220.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A player will only receive one double Tezzle! bonus in any turn, even if more than one triangle of counters is formed.</source>
        <translation>En cada turno, un jugador solo recibe un premio Tezzle! doble, aunque forme más de un triángulo de fichas.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A Tezzle! move completing a triangle of counters</source>
        <translation>Una jugada Tezzle! que completa un triángulo de fichas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A double Tezzle! move on a prime number</source>
        <translation>Una jugada Tezzle! doble en un número primo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Further moves</source>
        <translation>Más jugadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play continues with each player taking their turn in sequence.</source>
        <translation>El juego sigue y cada jugador juega en su turno, por orden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The numbers on the Tezzle! board can be covered in any order. Each number can, however, only be covered once during a game.</source>
        <translation>Los números del tablero de Tezzle! se pueden cubrir en cualquier orden. Pero cada número solo se puede cubrir una vez en cada partida.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Playing with a timer</source>
        <translation>Jugar con reloj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 600 seconds, but this can be changed before starting each game. Any player who runs out of time loses. If all the players except one run out of time, the last surviving player wins.</source>
        <translation>Si se marca la opción &apos;Con reloj&apos; antes de empezar, cada jugador tiene un reloj que cuenta hacia atrás mientras es su turno. De entrada, el tiempo total permitido es de 600 segundos, pero se puede cambiar antes de cada partida. El jugador que se queda sin tiempo pierde. Si todos menos uno se quedan sin tiempo, gana el último que queda.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The End</source>
        <translation>El final</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game is over when there is a continuous path of counters connecting hexagon 1 to hexagon 100. The player who plays the final counter to complete this path gains a bonus score of 500. The player with the highest score at the end of the game is the winner.</source>
        <translation>La partida termina cuando hay un camino continuo de fichas que une el hexágono 1 con el hexágono 100. El jugador que pone la última ficha de ese camino gana un premio de 500 puntos. Gana el jugador que tenga más puntos al final de la partida.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Playing tips</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throwing low numbers on the dice does not necessarily mean that your reward will be small. Look for Tezzle! and double Tezzle! opportunities to raise your reward.</source>
        <translation>Sacar números bajos en los dados no quiere decir que vayas a ganar pocos puntos. Busca jugadas Tezzle! y Tezzle! doble para ganar más.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creating a number in the centre of the board may, for example, yield a 100 reward (in the blue zone) but you may be able to Tezzle! or double Tezzle! on a smaller number to gain a higher reward.</source>
        <translation>Por ejemplo, un número del centro del tablero puede darte 100 puntos (en la zona azul), pero quizá puedas hacer un Tezzle! o un Tezzle! doble en un número más pequeño y ganar más.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tezzle! — free software under the GNU General Public License, version 3 or later.</source>
        <translation>Tezzle! — software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copyright © 2026 the Tezzle! developers. No warranty.</source>
        <translation>Copyright © 2026 los desarrolladores de Tezzle! Sin garantía.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every picture and sound is made by the program itself.</source>
        <translation>Todas las imágenes y sonidos los crea el propio programa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A finished game with a path of counters from 1 to 100</source>
        <translation>Una partida terminada con un camino de fichas del 1 al 100</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page 1 of 5</source>
        <translation>Página 1 de 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 2 of 5</source>
        <translation>Página 2 de 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 3 of 5</source>
        <translation>Página 3 de 5</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Page 4 of 5</source>
        <translation>Página 4 de 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 5 of 5</source>
        <translation>Página 5 de 5</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <location filename="../frontend/SetupWindow.cpp" line="+59"/>
        <source>The Rules</source>
        <translation>Las reglas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set Total Time Allowed</source>
        <translation>Tiempo total permitido</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Select Number of Players</source>
        <translation>Elige cuántos jugadores</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>SmallWindow</name>
    <message>
        <location filename="../frontend/SmallWindow.cpp" line="+53"/>
        <source>Tezzle! logo</source>
        <translation>logotipo de Tezzle!</translation>
    </message>
    <message>
        <location filename="../frontend/SmallWindow.h" line="+35"/>
        <source>TEZZLE!</source>
        <translation>TEZZLE!</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <location filename="../frontend/TitleWindow.cpp" line="+35"/>
        <source>TEZZLE!</source>
        <translation>TEZZLE!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Restart Previous Game</source>
        <translation>Seguir partida anterior</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../frontend/main.cpp" line="+42"/>
        <source>tezzle: no display to open a window on (DISPLAY or WAYLAND_DISPLAY is not set, or does not answer)
</source>
        <translation>tezzle: no hay pantalla donde abrir una ventana (DISPLAY o WAYLAND_DISPLAY no está definida o no responde)
</translation>
    </message>
</context>
<context>
    <name>tezzle::board::BoardWindow</name>
    <message>
        <location filename="../board/BoardWindow.cpp" line="+98"/>
        <source>hexagon %1</source>
        <translation>hexágono %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>new counter</source>
        <translation>ficha nueva</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 points zone</source>
        <translation>zona de %1 puntos</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Computer (level %1)</source>
        <translation>Ordenador (nivel %1)</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>die %1 %2</source>
        <translation>dado %1 %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your number: %1</source>
        <translation>Tu número: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 score %2</source>
        <translation>%1, puntuación %2</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%1 seconds remaining %n</source>
        <translation>
            <numerusform>%1, queda %n segundo</numerusform>
            <numerusform>%1, quedan %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+17"/>
        <source>Throw the dice first</source>
        <translation>Primero tira los dados</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Choose a number from 1 to 100</source>
        <translation>Elige un número del 1 al 100</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::HighScoreWindow</name>
    <message>
        <location filename="../frontend/HighScoreWindow.cpp" line="+30"/>
        <source>Tezzle! High Scores</source>
        <translation>Récords de Tezzle!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Type your name, then press Enter</source>
        <translation>Escribe tu nombre y pulsa Intro</translation>
    </message>
    <message numerus="yes">
        <location line="+25"/>
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not stored: higher scores were stored meanwhile.</source>
        <translation>No guardado: mientras tanto se guardaron puntuaciones más altas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not stored: %1 No copy of it could be kept.</source>
        <translation>No guardado: %1 No se pudo guardar una copia del archivo.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The high score file cannot be read.</source>
        <translation>No se puede leer el archivo de récords.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In place of the high score file is %1.</source>
        <translation>En lugar del archivo de récords hay %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The high score file is far too large to be one.</source>
        <translation>El archivo de récords es demasiado grande para serlo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The high score file is damaged from row %1 on.</source>
        <translation>El archivo de récords está dañado a partir de la fila %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The high score file was damaged; a copy is at %1</source>
        <translation>El archivo de récords estaba dañado; hay una copia en %1</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::Program</name>
    <message>
        <location filename="../frontend/Program.cpp" line="+82"/>
        <source>The game could not be saved: %1</source>
        <translation>No se pudo guardar la partida: %1</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::SetupWindow</name>
    <message>
        <location filename="../frontend/SetupWindow.cpp" line="-84"/>
        <source>Play Sound</source>
        <translation>Con sonido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timers On</source>
        <translation>Con reloj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show Working</source>
        <translation>Mostrar el cálculo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Colour Marks</source>
        <translation>Marcas de color</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Total time allowed in seconds</source>
        <translation>Tiempo total permitido en segundos</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n jugador</numerusform>
            <numerusform>%n jugadores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::TitleWindow</name>
    <message>
        <location filename="../frontend/TitleWindow.cpp" line="+24"/>
        <source>Tezzle! title picture</source>
        <translation>Imagen del título de Tezzle!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 No game can be played.</source>
        <translation>%1 No se puede jugar ninguna partida.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Volver</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There is no saved game.</source>
        <translation>No hay ninguna partida guardada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The saved game is damaged and cannot be restored.</source>
        <translation>La partida guardada está dañada y no se puede recuperar.</translation>
    </message>
</context>
<context>
    <name>tezzle::help::CheatChartWindow</name>
    <message>
        <location filename="../help/CheatChartWindow.cpp" line="+72"/>
        <source>Tezzle! Cheat Chart</source>
        <translation>Chuleta de Tezzle!</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slide the table</source>
        <translation>Desliza la tabla</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Multiplication table</source>
        <translation>Tabla de multiplicar</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>x</source>
        <comment>the multiplication sign</comment>
        <translation>x</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>times</source>
        <translation>por</translation>
    </message>
</context>
<context>
    <name>tezzle::help::DiceDemoPanel</name>
    <message>
        <location filename="../help/DiceDemoPanel.cpp" line="+54"/>
        <source>die %1 %2</source>
        <translation>dado %1 %2</translation>
    </message>
</context>
<context>
    <name>tezzle::help::RulesPage</name>
    <message>
        <location filename="../help/RulesPage.cpp" line="+74"/>
        <source>The path of counters from hexagon 1 to hexagon 100</source>
        <translation>El camino de fichas del hexágono 1 al hexágono 100</translation>
    </message>
</context>
</TS>
