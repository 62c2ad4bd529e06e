<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BoardWindow</name>
    <message>
        <location filename="../board/BoardLayout.h" line="+43"/>
        <source>Throw Dice</source>
        <translation>Tira i dadi</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../board/BoardLook.h" line="+23"/>
        <source>Blue to Play</source>
        <translation>Tocca al Blu</translation>
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
        <translation>Tabelline</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Seconds Remaining</source>
        <translation>Secondi rimasti</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Mossa non valida. Hai perso il turno.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>New Game</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <location filename="../board/BoardLook.h" line="-44"/>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BLUE HAS WON!</source>
        <translation>BLU HA VINTO!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red to Play</source>
        <translation>Tocca al Rosso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RED HAS WON!</source>
        <translation>ROSSO HA VINTO!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Green to Play</source>
        <translation>Tocca al Verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GREEN HAS WON!</source>
        <translation>VERDE HA VINTO!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow to Play</source>
        <translation>Tocca al Giallo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>YELLOW HAS WON!</source>
        <translation>GIALLO HA VINTO!</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n points scored</source>
        <translation>
            <numerusform>%n punto ottenuto</numerusform>
            <numerusform>%n punti ottenuti</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GAME OVER!!!</source>
        <translation>FINE PARTITA!!!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OUT OF TIME!</source>
        <translation>TEMPO SCADUTO!</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n points to %1</source>
        <translation>
            <numerusform>%n punto al %1</numerusform>
            <numerusform>%n punti al %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DOUBLE</source>
        <translation>DOPPIO</translation>
    </message>
    <message>
        <location filename="../board/WorkingLine.cpp" line="+23"/>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 cannot be made from %2.</source>
        <translation>%1 non si può formare con %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No free number could be made with these dice.</source>
        <translation>Con questi dadi non si poteva formare nessun numero libero.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You could have made %1 for %2 points.</source>
        <translation>Potevi formare %1 per %2 punti.</translation>
    </message>
    <message>
        <location filename="../board/Marks.cpp" line="+25"/>
        <source>Blue counters: square</source>
        <translation>Pedine blu: quadrato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red counters: triangle</source>
        <translation>Pedine rosse: triangolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green counters: cross</source>
        <translation>Pedine verdi: croce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow counters: star</source>
        <translation>Pedine gialle: stella</translation>
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
        <translation>Non si può creare la cartella %1: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was saved, but it may be lost if the computer stops now: %2.</source>
        <translation>%1 è stato salvato, ma può andare perso se il computer si spegne ora: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>creating a temporary file in %1</source>
        <translation>creando un file temporaneo in %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing %1</source>
        <translation>scrivendo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>putting %1 on the disk</source>
        <translation>registrando %1 sul disco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closing %1</source>
        <translation>chiudendo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>renaming %1 to it</source>
        <translation>rinominando %1 con quel nome</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot save %1: %2 (while %3). The previous file is unchanged.</source>
        <translation>Non si può salvare %1: %2 (%3). Il file precedente non è cambiato.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a file</source>
        <translation>un file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a named pipe</source>
        <translation>una pipe con nome</translation>
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
        <translation>qualcosa che non è un file</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> (after %1 of 600 numbers)</source>
        <translation> (dopo %1 numeri su 600)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board adjacency file was read in full.</source>
        <translation>Il file dei vicini sul tabellone è stato letto per intero.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board adjacency file connarray.dat cannot be opened.</source>
        <translation>Il file dei vicini sul tabellone, connarray.dat, non si può aprire.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board adjacency file connarray.dat ends too soon%1.</source>
        <translation>Il file dei vicini sul tabellone, connarray.dat, finisce troppo presto%1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board adjacency file connarray.dat holds something that is not a number%1.</source>
        <translation>Il file dei vicini sul tabellone, connarray.dat, contiene qualcosa che non è un numero%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board adjacency file connarray.dat holds a number that is far too large%1.</source>
        <translation>Il file dei vicini sul tabellone, connarray.dat, contiene un numero troppo grande%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board adjacency file connarray.dat names a hexagon that is not on the board%1.</source>
        <translation>Il file dei vicini sul tabellone, connarray.dat, nomina un esagono che non è sul tabellone%1.</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <location filename="../frontend/HighScoreWindow.cpp" line="+34"/>
        <source>Playing alone</source>
        <translation>Da solo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Against the computer</source>
        <translation>Contro il computer</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OnePlayerWindow</name>
    <message>
        <location filename="../frontend/OnePlayerWindow.cpp" line="+35"/>
        <source> Set Level for the computer</source>
        <translation> Scegli il livello del computer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Play solo</source>
        <translation>Gioca da solo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Play against the computer</source>
        <translation>Gioca contro il computer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Level 1 - Easy</source>
        <translation>Livello 1 - Facile</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level 2</source>
        <translation>Livello 2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level 3 - Hard</source>
        <translation>Livello 3 - Difficile</translation>
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
  --players N   inizia subito una partita con N giocatori (da 1 a 4)
  --computer L  un giocatore contro il computer, che è il Rosso, al livello L (da 1 a 3)
  --clock S     S secondi sul timer di ogni giocatore (0 = nessun timer, o da 5 a 9999)
  --no-sound    nessun suono
  -h, --help    mostra questo testo ed esce
  --version     mostra la versione del gioco ed esce
Il valore di un&apos;opzione può anche seguire un segno uguale: --players=3.
Senza opzioni il gioco si apre sulla finestra del titolo.
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
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>bad value %1 for --%2</source>
        <translation>valore %1 non valido per --%2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a game against the computer has one human player</source>
        <translation>una partita contro il computer ha un solo giocatore umano</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <location filename="../help/RulesPageData.h" line="+67"/>
        <source>The Rules of Tezzle!</source>
        <translation>Le regole di Tezzle!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Avanti</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Indietro</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Throw Dice</source>
        <translation>Tira i dadi</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+117"/>
        <source>Cheat Chart</source>
        <translation>Tabelline</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Summary of the rules</source>
        <translation>Riassunto delle regole</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>A turno, i giocatori tirano quattro dadi e combinano i valori per ottenere un numero intero da 1 a 100. Per esempio: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Having chosen a number, whose hexagon is not already covered by a counter, the player clicks the number on the Tezzle! playing board with the mouse. The number is then covered by a counter. The player scores points depending on which number they have chosen. The highest numbers score the most points.</source>
        <translation>Scelto un numero il cui esagono non è ancora coperto da una pedina, il giocatore lo clicca sul tabellone di Tezzle! con il mouse. Il numero viene coperto da una pedina. Il giocatore fa punti secondo il numero scelto. I numeri più alti valgono più punti.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Players can also score bonus points by making a Tezzle! move. This is when a player clicks a number that will create a triangle of three adjacent counters on the board.</source>
        <translation>Con una mossa Tezzle! si fanno anche punti bonus: il giocatore clicca un numero che forma un triangolo di tre pedine vicine sul tabellone.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Double bonus points are scored by making a Tezzle! move on a prime number – this is a double Tezzle! move.</source>
        <translation>Una mossa Tezzle! su un numero primo dà punti bonus doppi – è una mossa doppio Tezzle!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game ends when there is a continuous path of counters from hexagon 1 to hexagon 100. The winner is the player with the highest score at the end of the game.</source>
        <translation>La partita finisce quando un percorso continuo di pedine unisce l&apos;esagono 1 all&apos;esagono 100. Vince il giocatore con il punteggio più alto alla fine della partita.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Getting ready to play</source>
        <translation>Prepararsi a giocare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Prima di iniziare, i giocatori possono scegliere le impostazioni della partita.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tezzle! can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 600 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>Si può giocare a Tezzle! con il timer. Per giocare con il timer, spunta la casella &apos;Timer attivi&apos;. Di base ogni giocatore ha in tutto 600 secondi per fare tutte le sue mosse. Questo tempo si può cambiare nella casella &apos;Imposta il tempo totale&apos;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tezzle! can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>A Tezzle! giocano da uno a quattro giocatori. Per iniziare, clicca il pulsante con il numero dei giocatori. Poi si gioca a turno in quest&apos;ordine: Blu, Rosso, Verde, Giallo. Prima di cominciare, ogni giocatore sceglie il suo colore. Se si giocano più partite di fila, prima di ogni partita i giocatori cambiano colore.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Se c&apos;è un solo giocatore, scegli il pulsante &apos;1&apos;. Il giocatore può poi giocare da solo o contro il computer. Il computer è sempre il secondo giocatore - il Rosso. Il giocatore può scegliere il livello del computer. </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Counters on the board at the start of a game</source>
        <translation>Pedine sul tabellone all&apos;inizio di una partita</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Generating a number</source>
        <translation>Ottenere un numero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>Il giocatore clicca il pulsante &apos;Tira i dadi&apos;. Escono a caso quattro numeri, come in un tiro di dadi. Usando tutti e quattro i numeri una volta, il giocatore deve ottenere un numero intero da 1 a 100. Può moltiplicare, dividere, sommare o sottrarre i numeri in qualsiasi combinazione.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Clicca il pulsante a destra per provare a tirare i dadi.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Nota: non si può formare un numero mettendo due cifre una accanto all&apos;altra.                                  Per esempio, se escono 6, 4, 3 e 1, non si possono unire il 6 e il 4 per fare 64 o 46.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Per fare i calcoli si possono usare carta e matita, ma non la calcolatrice.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Alcuni numeri che si possono ottenere da un tiro:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Per un aiuto con i calcoli, clicca il pulsante qui sotto: si apre la finestra Tabelline. Le Tabelline sono una tabella delle moltiplicazioni. In ogni casella c&apos;è il numero all&apos;inizio della sua riga moltiplicato per il numero in cima alla sua colonna.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Selecting the number on the board</source>
        <translation>Scegliere il numero sul tabellone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Having generated a number, whose hexagon is not already covered by a counter, the player clicks the corresponding number on the board. If the number has been calculated correctly it will be covered with a counter. </source>
        <translation>Ottenuto un numero il cui esagono non è ancora coperto da una pedina, il giocatore clicca quel numero sul tabellone. Se il calcolo è giusto, il numero viene coperto da una pedina. </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Se il giocatore sbaglia e sceglie un numero che non si può ottenere dal tiro dei dadi, non fa punti e il turno passa al giocatore successivo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gaining points</source>
        <translation>Fare punti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If the number has been calculated correctly, the player scores reward points based on the colour zone of the number that has been selected. The amount of points for each colour zone is shown on the coloured balls to the left of the playing board, and in the table below.</source>
        <translation>Se il calcolo è giusto, il giocatore vince punti premio secondo la zona di colore del numero scelto. I punti di ogni zona di colore sono scritti sulle palline colorate a sinistra del tabellone e nella tabella qui sotto.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Number generated               Colour Zone               Reward</source>
        <translation>Numero ottenuto                  Zona di colore            Premio</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turquoise</source>
        <translation>Turchese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The playing board with its colour zones</source>
        <translation>Il tabellone con le sue zone di colore</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Tezzle! bonus</source>
        <translation>Il bonus Tezzle!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>As soon as any two counters have been placed next to each other on the board, there is an opportunity for a player to make a Tezzle! move. This is done by clicking a number on the board that completes a triangle of counters.</source>
        <translation>Appena due pedine sono una accanto all&apos;altra sul tabellone, si può fare una mossa Tezzle!: basta cliccare un numero del tabellone che completa un triangolo di pedine.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The player that completes any triangle with a Tezzle! move gains a bonus of 100. This is in addition to the amount rewarded for that colour zone.</source>
        <translation>Chi completa un triangolo con una mossa Tezzle! vince un bonus di 100, in più del premio per la zona di colore.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For example, if Blue generates the number 33, completing a triangle of counters with 25 and 32, then Blue gains a yellow-zone reward of 50, plus a Tezzle! bonus of 100, making a total of 150.</source>
        <translation>Per esempio, se il Blu ottiene il numero 33 e completa un triangolo di pedine con il 25 e il 32, vince il premio di 50 della zona gialla più un bonus Tezzle! di 100: in totale 150.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A player will only receive one Tezzle! bonus in any turn, even if more than one triangle of counters is formed.</source>
        <translation>In ogni turno si riceve un solo bonus Tezzle!, anche se si forma più di un triangolo di pedine.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The double Tezzle! bonus</source>
        <translation>Il bonus doppio Tezzle!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The prime numbers on the board are shown in black, their hexagons have grey borders. (A prime number is a number that has no factors other than itself and 1.)</source>
        <translation>Sul tabellone i numeri primi sono scritti in nero e i loro esagoni hanno il bordo grigio. (Un numero primo non ha divisori oltre a se stesso e a 1.)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If a player clicks a prime number to complete a triangle of counters, the player scores a double Tezzle! bonus of 200. This is in addition to the amount rewarded for that colour zone.</source>
        <translation>Se un giocatore clicca un numero primo che completa un triangolo di pedine, vince un bonus doppio Tezzle! di 200, in più del premio per la zona di colore.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For example, if Blue generates the prime number 17, completing a triangle of counters with 12 and 18, then Blue scores a turquoise-zone reward of 20, plus a double Tezzle! bonus of 200, making a total of 220.</source>
        <translation>Per esempio, se il Blu ottiene il numero primo 17 e completa un triangolo di pedine con il 12 e il 18, vince il premio di 20 della zona turchese più un bonus doppio Tezzle! di 200: in totale 220.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A player will only receive one double Tezzle! bonus in any turn, even if more than one triangle of counters is formed.</source>
        <translation>In ogni turno si riceve un solo bonus doppio Tezzle!, anche se si forma più di un triangolo di pedine.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A Tezzle! move completing a triangle of counters</source>
        <translation>Una mossa Tezzle! che completa un triangolo di pedine</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A double Tezzle! move on a prime number</source>
        <translation>Una mossa doppio Tezzle! su un numero primo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Further moves</source>
        <translation>Altre mosse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play continues with each player taking their turn in sequence.</source>
        <translation>Il gioco continua e ogni giocatore gioca al suo turno.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The numbers on the Tezzle! board can be covered in any order. Each number can, however, only be covered once during a game.</source>
        <translation>I numeri del tabellone di Tezzle! si possono coprire in qualsiasi ordine. Però ogni numero si può coprire una sola volta per partita.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Playing with a timer</source>
        <translation>Giocare con il timer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 600 seconds, but this can be changed before starting each game. Any player who runs out of time loses. If all the players except one run out of time, the last surviving player wins.</source>
        <translation>Se prima di iniziare si spunta &apos;Timer attivi&apos;, ogni giocatore ha un timer che fa il conto alla rovescia durante il suo turno. Di base il tempo totale è di 600 secondi, ma si può cambiare prima di ogni partita. Chi finisce il tempo perde. Se tutti i giocatori tranne uno finiscono il tempo, vince l&apos;ultimo rimasto.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The End</source>
        <translation>La fine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game is over when there is a continuous path of counters connecting hexagon 1 to hexagon 100. The player who plays the final counter to complete this path gains a bonus score of 500. The player with the highest score at the end of the game is the winner.</source>
        <translation>La partita finisce quando un percorso continuo di pedine unisce l&apos;esagono 1 all&apos;esagono 100. Chi mette l&apos;ultima pedina del percorso vince un bonus di 500 punti. Vince il giocatore con il punteggio più alto alla fine della partita.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Playing tips</source>
        <translation>Consigli</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throwing low numbers on the dice does not necessarily mean that your reward will be small. Look for Tezzle! and double Tezzle! opportunities to raise your reward.</source>
        <translation>Se tiri numeri bassi con i dadi, il tuo premio non sarà per forza piccolo. Cerca le occasioni di Tezzle! e di doppio Tezzle! per alzare il tuo premio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creating a number in the centre of the board may, for example, yield a 100 reward (in the blue zone) but you may be able to Tezzle! or double Tezzle! on a smaller number to gain a higher reward.</source>
        <translation>Un numero al centro del tabellone può dare, per esempio, un premio di 100 (nella zona blu), ma forse con un Tezzle! o un doppio Tezzle! su un numero più piccolo vinci un premio più alto.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tezzle! — free software under the GNU General Public License, version 3 or later.</source>
        <translation>Tezzle! — software libero sotto la GNU General Public License, versione 3 o successiva.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copyright © 2026 the Tezzle! developers. No warranty.</source>
        <translation>Copyright © 2026 gli sviluppatori di Tezzle! Nessuna garanzia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every picture and sound is made by the program itself.</source>
        <translation>Ogni immagine e ogni suono sono creati dal programma stesso.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A finished game with a path of counters from 1 to 100</source>
        <translation>Una partita finita con un percorso di pedine da 1 a 100</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page 1 of 5</source>
        <translation>Pagina 1 di 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 2 of 5</source>
        <translation>Pagina 2 di 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 3 of 5</source>
        <translation>Pagina 3 di 5</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Page 4 of 5</source>
        <translation>Pagina 4 di 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 5 of 5</source>
        <translation>Pagina 5 di 5</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <location filename="../frontend/SetupWindow.cpp" line="+59"/>
        <source>The Rules</source>
        <translation>Le regole</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set Total Time Allowed</source>
        <translation>Imposta il tempo totale</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Select Number of Players</source>
        <translation>Scegli quanti giocatori</translation>
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
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>SmallWindow</name>
    <message>
        <location filename="../frontend/SmallWindow.cpp" line="+53"/>
        <source>Tezzle! logo</source>
        <translation>logo di Tezzle!</translation>
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
        <translation>Riprendi l&apos;ultima partita</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../frontend/main.cpp" line="+42"/>
        <source>tezzle: no display to open a window on (DISPLAY or WAYLAND_DISPLAY is not set, or does not answer)
</source>
        <translation>tezzle: nessuno schermo su cui aprire una finestra (DISPLAY o WAYLAND_DISPLAY non è impostato, o non risponde)
</translation>
    </message>
</context>
<context>
    <name>tezzle::board::BoardWindow</name>
    <message>
        <location filename="../board/BoardWindow.cpp" line="+98"/>
        <source>hexagon %1</source>
        <translation>esagono %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>new counter</source>
        <translation>nuova pedina</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 points zone</source>
        <translation>zona da %1 punti</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Computer (level %1)</source>
        <translation>Computer (livello %1)</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>die %1 %2</source>
        <translation>dado %1 %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your number: %1</source>
        <translation>Il tuo numero: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 score %2</source>
        <translation>%1, punteggio %2</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%1 seconds remaining %n</source>
        <translation>
            <numerusform>%1, secondo rimasto %n</numerusform>
            <numerusform>%1, secondi rimasti %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+17"/>
        <source>Throw the dice first</source>
        <translation>Prima tira i dadi</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Choose a number from 1 to 100</source>
        <translation>Scegli un numero da 1 a 100</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::HighScoreWindow</name>
    <message>
        <location filename="../frontend/HighScoreWindow.cpp" line="+30"/>
        <source>Tezzle! High Scores</source>
        <translation>Tezzle! Classifica</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Type your name, then press Enter</source>
        <translation>Scrivi il tuo nome e premi Invio</translation>
    </message>
    <message numerus="yes">
        <location line="+25"/>
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Not saved: %1</source>
        <translation>Non salvato: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not stored: higher scores were stored meanwhile.</source>
        <translation>Non registrato: intanto sono stati registrati punteggi più alti.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not stored: %1 No copy of it could be kept.</source>
        <translation>Non registrato: %1 Non è stato possibile tenerne una copia.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The high score file cannot be read.</source>
        <translation>Il file della classifica non si può leggere.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In place of the high score file is %1.</source>
        <translation>Al posto del file della classifica c&apos;è %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The high score file is far too large to be one.</source>
        <translation>Il file della classifica è troppo grande per essere valido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The high score file is damaged from row %1 on.</source>
        <translation>Il file della classifica è danneggiato dalla riga %1 in poi.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The high score file was damaged; a copy is at %1</source>
        <translation>Il file della classifica era danneggiato; una copia è in %1</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::Program</name>
    <message>
        <location filename="../frontend/Program.cpp" line="+82"/>
        <source>The game could not be saved: %1</source>
        <translation>Impossibile salvare la partita: %1</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::SetupWindow</name>
    <message>
        <location filename="../frontend/SetupWindow.cpp" line="-84"/>
        <source>Play Sound</source>
        <translation>Suoni attivi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timers On</source>
        <translation>Timer attivi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show Working</source>
        <translation>Mostra il calcolo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Colour Marks</source>
        <translation>Segni dei colori</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Total time allowed in seconds</source>
        <translation>Tempo totale concesso in secondi</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n giocatore</numerusform>
            <numerusform>%n giocatori</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::TitleWindow</name>
    <message>
        <location filename="../frontend/TitleWindow.cpp" line="+24"/>
        <source>Tezzle! title picture</source>
        <translation>immagine del titolo di Tezzle!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 No game can be played.</source>
        <translation>%1 Non si può giocare nessuna partita.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There is no saved game.</source>
        <translation>Non c&apos;è nessuna partita salvata.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The saved game is damaged and cannot be restored.</source>
        <translation>La partita salvata è danneggiata e non si può riprendere.</translation>
    </message>
</context>
<context>
    <name>tezzle::help::CheatChartWindow</name>
    <message>
        <location filename="../help/CheatChartWindow.cpp" line="+72"/>
        <source>Tezzle! Cheat Chart</source>
        <translation>Tezzle! Tabelline</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slide the table</source>
        <translation>Fai scorrere la tabella</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Multiplication table</source>
        <translation>Tabella delle moltiplicazioni</translation>
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
        <translation>per</translation>
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
        <translation>Il percorso di pedine dall&apos;esagono 1 all&apos;esagono 100</translation>
    </message>
</context>
</TS>
