<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardWindow</name>
    <message>
        <location filename="../board/BoardLayout.h" line="+43"/>
        <source>Throw Dice</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../board/BoardLook.h" line="+23"/>
        <source>Blue to Play</source>
        <translation>Blau ist dran</translation>
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
        <translation>Spickzettel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Seconds Remaining</source>
        <translation>Sekunden übrig</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Ungültiger Zug. Du bist nicht mehr an der Reihe.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location filename="../board/BoardLook.h" line="-44"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BLUE HAS WON!</source>
        <translation>BLAU GEWINNT!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red to Play</source>
        <translation>Rot ist dran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RED HAS WON!</source>
        <translation>ROT GEWINNT!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Green to Play</source>
        <translation>Grün ist dran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GREEN HAS WON!</source>
        <translation>GRÜN GEWINNT!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow to Play</source>
        <translation>Gelb ist dran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>YELLOW HAS WON!</source>
        <translation>GELB GEWINNT!</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n points scored</source>
        <translation>
            <numerusform>%n Punkt erzielt</numerusform>
            <numerusform>%n Punkte erzielt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GAME OVER!!!</source>
        <translation>SPIEL AUS!!!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OUT OF TIME!</source>
        <translation>ZEIT UM!</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n points to %1</source>
        <translation>
            <numerusform>%n Punkt für %1</numerusform>
            <numerusform>%n Punkte für %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DOUBLE</source>
        <translation>DOPPELT</translation>
    </message>
    <message>
        <location filename="../board/WorkingLine.cpp" line="+23"/>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 cannot be made from %2.</source>
        <translation>%1 lässt sich nicht aus %2 bilden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No free number could be made with these dice.</source>
        <translation>Mit diesen Würfeln ließ sich keine freie Zahl bilden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You could have made %1 for %2 points.</source>
        <translation>Du hättest %1 für %2 Punkte bilden können.</translation>
    </message>
    <message>
        <location filename="../board/Marks.cpp" line="+25"/>
        <source>Blue counters: square</source>
        <translation>Blaue Spielsteine: Quadrat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red counters: triangle</source>
        <translation>Rote Spielsteine: Dreieck</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green counters: cross</source>
        <translation>Grüne Spielsteine: Kreuz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow counters: star</source>
        <translation>Gelbe Spielsteine: Stern</translation>
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
        <translation>Der Ordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was saved, but it may be lost if the computer stops now: %2.</source>
        <translation>%1 wurde gespeichert, kann aber verloren gehen, wenn der Computer jetzt ausgeht: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>creating a temporary file in %1</source>
        <translation>Anlegen einer Hilfsdatei in %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing %1</source>
        <translation>Schreiben von %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>putting %1 on the disk</source>
        <translation>Ablegen von %1 auf dem Datenträger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closing %1</source>
        <translation>Schließen von %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>renaming %1 to it</source>
        <translation>Umbenennen von %1 auf diesen Namen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot save %1: %2 (while %3). The previous file is unchanged.</source>
        <translation>%1 kann nicht gespeichert werden: %2 (beim %3). Die bisherige Datei ist unverändert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>something that is not a file</source>
        <translation>etwas, das keine Datei ist</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> (after %1 of 600 numbers)</source>
        <translation> (nach %1 von 600 Zahlen)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board adjacency file was read in full.</source>
        <translation>Die Datei mit den Nachbarn auf dem Brett wurde ganz gelesen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board adjacency file connarray.dat cannot be opened.</source>
        <translation>Die Datei connarray.dat mit den Nachbarn auf dem Brett lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board adjacency file connarray.dat ends too soon%1.</source>
        <translation>Die Datei connarray.dat mit den Nachbarn auf dem Brett endet zu früh%1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board adjacency file connarray.dat holds something that is not a number%1.</source>
        <translation>Die Datei connarray.dat mit den Nachbarn auf dem Brett enthält etwas, das keine Zahl ist%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board adjacency file connarray.dat holds a number that is far too large%1.</source>
        <translation>Die Datei connarray.dat mit den Nachbarn auf dem Brett enthält eine viel zu große Zahl%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board adjacency file connarray.dat names a hexagon that is not on the board%1.</source>
        <translation>Die Datei connarray.dat mit den Nachbarn auf dem Brett nennt ein Sechseck, das es auf dem Brett nicht gibt%1.</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <location filename="../frontend/HighScoreWindow.cpp" line="+34"/>
        <source>Playing alone</source>
        <translation>Allein gespielt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Against the computer</source>
        <translation>Gegen den Computer</translation>
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
        <translation> Computerstufe wählen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Play solo</source>
        <translation>Solo spielen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Play against the computer</source>
        <translation>Gegen den Computer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Level 1 - Easy</source>
        <translation>Stufe 1 - Leicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level 2</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level 3 - Hard</source>
        <translation>Stufe 3 - Schwer</translation>
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
        <translation>Aufruf: tezzle [--players N] [--computer L] [--clock S] [--no-sound]
        tezzle --help | --version
  --players N   sofort ein Spiel mit N Spielern (1 bis 4) beginnen
  --computer L  ein Spieler gegen den Computer, der Rot spielt, auf Stufe L (1 bis 3)
  --clock S     S Sekunden auf der Uhr jedes Spielers (0 = keine Uhren, sonst 5 bis 9999)
  --no-sound    keine Töne
  -h, --help    diese Hilfe zeigen und beenden
  --version     die Version des Spiels zeigen und beenden
Der Wert einer Option kann auch nach einem Gleichheitszeichen stehen: --players=3.
Ohne Optionen öffnet das Spiel sein Titelfenster.
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
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>bad value %1 for --%2</source>
        <translation>ungültiger Wert %1 für --%2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a game against the computer has one human player</source>
        <translation>bei einem Spiel gegen den Computer spielt nur ein Mensch</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <location filename="../help/RulesPageData.h" line="+67"/>
        <source>The Rules of Tezzle!</source>
        <translation>Die Regeln von Tezzle!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Weiter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Zurück</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Throw Dice</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+117"/>
        <source>Cheat Chart</source>
        <translation>Spickzettel</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Summary of the rules</source>
        <translation>Die Regeln in Kürze</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>Die Spieler werfen reihum vier Würfel und bilden aus den Augenzahlen eine ganze Zahl zwischen 1 und 100. Zum Beispiel: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Having chosen a number, whose hexagon is not already covered by a counter, the player clicks the number on the Tezzle! playing board with the mouse. The number is then covered by a counter. The player scores points depending on which number they have chosen. The highest numbers score the most points.</source>
        <translation>Hat der Spieler eine Zahl gewählt, deren Sechseck noch frei von Spielsteinen ist, klickt er sie mit der Maus auf dem Tezzle!-Spielbrett an. Dann wird die Zahl mit einem Spielstein bedeckt. Wie viele Punkte der Spieler bekommt, hängt von der Zahl ab. Die höchsten Zahlen bringen die meisten Punkte.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Players can also score bonus points by making a Tezzle! move. This is when a player clicks a number that will create a triangle of three adjacent counters on the board.</source>
        <translation>Bonuspunkte gibt es außerdem für einen Tezzle!-Zug. Dabei klickt ein Spieler eine Zahl an, durch die auf dem Brett ein Dreieck aus drei benachbarten Spielsteinen entsteht.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Double bonus points are scored by making a Tezzle! move on a prime number – this is a double Tezzle! move.</source>
        <translation>Doppelte Bonuspunkte gibt es für einen Tezzle!-Zug auf eine Primzahl – das ist ein doppelter Tezzle!-Zug.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game ends when there is a continuous path of counters from hexagon 1 to hexagon 100. The winner is the player with the highest score at the end of the game.</source>
        <translation>Das Spiel endet, sobald ein durchgehender Weg aus Spielsteinen von Sechseck 1 bis Sechseck 100 reicht. Gewonnen hat, wer am Ende die meisten Punkte hat.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Getting ready to play</source>
        <translation>Vor dem Spiel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Bevor das Spiel beginnt, können die Spieler das Spiel einstellen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tezzle! can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 600 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>Tezzle! kann man auch gegen die Uhr spielen. Dazu kreuzt man das Kästchen &apos;Uhren an&apos; an. Normalerweise hat jeder Spieler für alle seine Züge zusammen 600 Sekunden Zeit. Diese Zeit lässt sich im Feld &apos;Gesamtzeit einstellen&apos; ändern.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tezzle! can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>Tezzle! spielen ein bis vier Spieler. Zum Start klickt man auf den Knopf mit der Zahl der Spieler. Die Spieler sind dann in dieser Reihenfolge dran: Blau, Rot, Grün, Gelb. Bevor es losgeht, sucht sich jeder Spieler seine Farbe aus. Bei mehreren Spielen nacheinander sollten die Spieler vor jedem Spiel die Farben tauschen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Gibt es nur einen Spieler, wählt er den Knopf &apos;1&apos;. Dann kann er allein spielen oder gegen den Computer. Der Computer spielt immer als zweiter Spieler - Rot. Der Spieler kann die Stufe wählen, auf der der Computer spielt. </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Counters on the board at the start of a game</source>
        <translation>Spielsteine auf dem Brett zu Beginn eines Spiels</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Generating a number</source>
        <translation>Eine Zahl bilden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>Der Spieler klickt auf den Knopf &apos;Würfeln&apos;. Dann entstehen zufällig vier Zahlen, wie bei einem Wurf mit vier Würfeln. Der Spieler muss daraus eine ganze Zahl zwischen 1 und 100 bilden und dabei jede der vier Zahlen genau einmal benutzen. Er darf die Zahlen beliebig malnehmen, teilen, addieren oder abziehen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Klicke auf den Knopf rechts, um das Würfeln auszuprobieren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Hinweis: Man darf keine Zahl bilden, indem man zwei Ziffern nebeneinanderstellt.                     Bei einem Wurf von 6, 4, 3 und 1 darf man also nicht 6 und 4 zu 64 oder 46 zusammensetzen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Zum Rechnen dürfen die Spieler Stift und Papier benutzen, aber keinen Taschenrechner.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Einige Beispiele für Zahlen, die sich aus einem Wurf bilden lassen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Hilfe beim Rechnen gibt der Knopf unten: Er öffnet das Fenster Spickzettel. Der Spickzettel ist eine Einmaleins-Tabelle. Die Zahl in jedem Feld ist die Zahl am Anfang seiner Zeile mal die Zahl oben in seiner Spalte.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Selecting the number on the board</source>
        <translation>Die Zahl auf dem Brett wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Having generated a number, whose hexagon is not already covered by a counter, the player clicks the corresponding number on the board. If the number has been calculated correctly it will be covered with a counter. </source>
        <translation>Hat der Spieler eine Zahl gebildet, deren Sechseck noch frei von Spielsteinen ist, klickt er diese Zahl auf dem Brett an. Ist die Zahl richtig berechnet, wird sie mit einem Spielstein bedeckt. </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Hat sich der Spieler geirrt und eine Zahl gewählt, die sich aus dem Wurf nicht bilden lässt, bekommt er keine Punkte und der nächste Spieler ist dran.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gaining points</source>
        <translation>Punkte sammeln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If the number has been calculated correctly, the player scores reward points based on the colour zone of the number that has been selected. The amount of points for each colour zone is shown on the coloured balls to the left of the playing board, and in the table below.</source>
        <translation>Ist die Zahl richtig berechnet, bekommt der Spieler Punkte je nach der Farbzone der gewählten Zahl. Wie viele Punkte jede Farbzone bringt, steht auf den bunten Kugeln links neben dem Spielbrett und in der Tabelle unten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Number generated               Colour Zone               Reward</source>
        <translation>Gebildete Zahl                       Farbzone                     Punkte</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The playing board with its colour zones</source>
        <translation>Das Spielbrett mit seinen Farbzonen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Tezzle! bonus</source>
        <translation>Der Tezzle!-Bonus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>As soon as any two counters have been placed next to each other on the board, there is an opportunity for a player to make a Tezzle! move. This is done by clicking a number on the board that completes a triangle of counters.</source>
        <translation>Sobald zwei Spielsteine auf dem Brett nebeneinander liegen, kann ein Spieler einen Tezzle!-Zug machen. Dazu klickt er auf dem Brett eine Zahl an, die ein Dreieck aus Spielsteinen schließt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The player that completes any triangle with a Tezzle! move gains a bonus of 100. This is in addition to the amount rewarded for that colour zone.</source>
        <translation>Wer mit einem Tezzle!-Zug ein Dreieck schließt, bekommt einen Bonus von 100. Er kommt zu den Punkten für die Farbzone hinzu.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For example, if Blue generates the number 33, completing a triangle of counters with 25 and 32, then Blue gains a yellow-zone reward of 50, plus a Tezzle! bonus of 100, making a total of 150.</source>
        <translation>Bildet Blau zum Beispiel die Zahl 33 und schließt damit ein Dreieck aus Spielsteinen mit 25 und 32, bekommt Blau 50 Punkte für die Farbzone Gelb plus einen Tezzle!-Bonus von 100, zusammen 150.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A player will only receive one Tezzle! bonus in any turn, even if more than one triangle of counters is formed.</source>
        <translation>Ein Spieler bekommt pro Zug nur einen Tezzle!-Bonus, auch wenn mehr als ein Dreieck aus Spielsteinen entsteht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The double Tezzle! bonus</source>
        <translation>Der doppelte Tezzle!-Bonus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The prime numbers on the board are shown in black, their hexagons have grey borders. (A prime number is a number that has no factors other than itself and 1.)</source>
        <translation>Die Primzahlen auf dem Brett sind schwarz, ihre Sechsecke haben graue Ränder. (Eine Primzahl ist eine Zahl, die nur durch sich selbst und durch 1 teilbar ist.)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If a player clicks a prime number to complete a triangle of counters, the player scores a double Tezzle! bonus of 200. This is in addition to the amount rewarded for that colour zone.</source>
        <translation>Schließt ein Spieler mit einer Primzahl ein Dreieck aus Spielsteinen, bekommt er einen doppelten Tezzle!-Bonus von 200. Er kommt zu den Punkten für die Farbzone hinzu.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For example, if Blue generates the prime number 17, completing a triangle of counters with 12 and 18, then Blue scores a turquoise-zone reward of 20, plus a double Tezzle! bonus of 200, making a total of 220.</source>
        <translation>Bildet Blau zum Beispiel die Primzahl 17 und schließt damit ein Dreieck aus Spielsteinen mit 12 und 18, bekommt Blau 20 Punkte für die Farbzone Türkis plus einen doppelten Tezzle!-Bonus von 200, zusammen 220.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A player will only receive one double Tezzle! bonus in any turn, even if more than one triangle of counters is formed.</source>
        <translation>Ein Spieler bekommt pro Zug nur einen doppelten Tezzle!-Bonus, auch wenn mehr als ein Dreieck aus Spielsteinen entsteht.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A Tezzle! move completing a triangle of counters</source>
        <translation>Ein Tezzle!-Zug schließt ein Dreieck aus Spielsteinen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A double Tezzle! move on a prime number</source>
        <translation>Ein doppelter Tezzle!-Zug auf eine Primzahl</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Further moves</source>
        <translation>Die weiteren Züge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play continues with each player taking their turn in sequence.</source>
        <translation>Das Spiel geht weiter, und die Spieler sind der Reihe nach dran.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The numbers on the Tezzle! board can be covered in any order. Each number can, however, only be covered once during a game.</source>
        <translation>Die Zahlen auf dem Tezzle!-Brett können in jeder Reihenfolge bedeckt werden. Jede Zahl kann aber nur einmal im Spiel bedeckt werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Playing with a timer</source>
        <translation>Spielen mit Uhr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 600 seconds, but this can be changed before starting each game. Any player who runs out of time loses. If all the players except one run out of time, the last surviving player wins.</source>
        <translation>Ist vor dem Spiel &apos;Uhren an&apos; gewählt, hat jeder Spieler eine Uhr, die herunterzählt, solange er dran ist. Normalerweise beträgt die Gesamtzeit 600 Sekunden, sie kann aber vor jedem Spiel geändert werden. Wessen Zeit abläuft, der verliert. Läuft die Zeit aller Spieler außer einem ab, gewinnt der letzte übrige Spieler.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The End</source>
        <translation>Das Ende</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game is over when there is a continuous path of counters connecting hexagon 1 to hexagon 100. The player who plays the final counter to complete this path gains a bonus score of 500. The player with the highest score at the end of the game is the winner.</source>
        <translation>Das Spiel ist aus, sobald ein durchgehender Weg aus Spielsteinen Sechseck 1 mit Sechseck 100 verbindet. Wer den letzten Spielstein dieses Wegs setzt, bekommt einen Bonus von 500. Gewonnen hat, wer am Ende die meisten Punkte hat.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Playing tips</source>
        <translation>Tipps zum Spiel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throwing low numbers on the dice does not necessarily mean that your reward will be small. Look for Tezzle! and double Tezzle! opportunities to raise your reward.</source>
        <translation>Niedrige Zahlen beim Würfeln bedeuten nicht unbedingt wenige Punkte. Achte auf Chancen für Tezzle!- und doppelte Tezzle!-Züge, um mehr Punkte zu bekommen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creating a number in the centre of the board may, for example, yield a 100 reward (in the blue zone) but you may be able to Tezzle! or double Tezzle! on a smaller number to gain a higher reward.</source>
        <translation>Eine Zahl in der Mitte des Bretts bringt zum Beispiel 100 Punkte (in der Farbzone Blau), aber vielleicht schaffst du mit einer kleineren Zahl einen Tezzle!- oder doppelten Tezzle!-Zug und bekommst mehr.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tezzle! — free software under the GNU General Public License, version 3 or later.</source>
        <translation>Tezzle! — freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copyright © 2026 the Tezzle! developers. No warranty.</source>
        <translation>Copyright © 2026 die Entwickler von Tezzle! Ohne Gewährleistung.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every picture and sound is made by the program itself.</source>
        <translation>Alle Bilder und Töne macht das Programm selbst.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A finished game with a path of counters from 1 to 100</source>
        <translation>Ein fertiges Spiel mit einem Weg aus Spielsteinen von 1 bis 100</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page 1 of 5</source>
        <translation>Seite 1 von 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 2 of 5</source>
        <translation>Seite 2 von 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 3 of 5</source>
        <translation>Seite 3 von 5</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Page 4 of 5</source>
        <translation>Seite 4 von 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 5 of 5</source>
        <translation>Seite 5 von 5</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <location filename="../frontend/SetupWindow.cpp" line="+59"/>
        <source>The Rules</source>
        <translation>Die Regeln</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set Total Time Allowed</source>
        <translation>Gesamtzeit einstellen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>seconds</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Select Number of Players</source>
        <translation>Wie viele Spieler?</translation>
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
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>SmallWindow</name>
    <message>
        <location filename="../frontend/SmallWindow.cpp" line="+53"/>
        <source>Tezzle! logo</source>
        <translation>Tezzle!-Logo</translation>
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
        <translation>Letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../frontend/main.cpp" line="+42"/>
        <source>tezzle: no display to open a window on (DISPLAY or WAYLAND_DISPLAY is not set, or does not answer)
</source>
        <translation>tezzle: kein Bildschirm, auf dem sich ein Fenster öffnen lässt (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt oder antwortet nicht)
</translation>
    </message>
</context>
<context>
    <name>tezzle::board::BoardWindow</name>
    <message>
        <location filename="../board/BoardWindow.cpp" line="+98"/>
        <source>hexagon %1</source>
        <translation>Sechseck %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>new counter</source>
        <translation>neuer Spielstein</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 points zone</source>
        <translation>%1-Punkte-Zone</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Computer (level %1)</source>
        <translation>Computer (Stufe %1)</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>die %1 %2</source>
        <translation>Würfel %1 %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your number: %1</source>
        <translation>Deine Zahl: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 score %2</source>
        <translation>%1 Punktestand %2</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%1 seconds remaining %n</source>
        <translation>
            <numerusform>%1 Sekunde übrig %n</numerusform>
            <numerusform>%1 Sekunden übrig %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+17"/>
        <source>Throw the dice first</source>
        <translation>Erst würfeln</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Choose a number from 1 to 100</source>
        <translation>Wähle eine Zahl von 1 bis 100</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::HighScoreWindow</name>
    <message>
        <location filename="../frontend/HighScoreWindow.cpp" line="+30"/>
        <source>Tezzle! High Scores</source>
        <translation>Tezzle! Bestenliste</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Type your name, then press Enter</source>
        <translation>Gib deinen Namen ein, dann Enter</translation>
    </message>
    <message numerus="yes">
        <location line="+25"/>
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not stored: higher scores were stored meanwhile.</source>
        <translation>Nicht eingetragen: Inzwischen gibt es höhere Punktzahlen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not stored: %1 No copy of it could be kept.</source>
        <translation>Nicht eingetragen: %1 Es ließ sich keine Kopie davon aufheben.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The high score file cannot be read.</source>
        <translation>Die Datei der Bestenliste kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In place of the high score file is %1.</source>
        <translation>Wo die Datei der Bestenliste sein sollte, ist %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The high score file is far too large to be one.</source>
        <translation>Die Datei der Bestenliste ist viel zu groß, um echt zu sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The high score file is damaged from row %1 on.</source>
        <translation>Die Datei der Bestenliste ist ab Zeile %1 beschädigt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The high score file was damaged; a copy is at %1</source>
        <translation>Die Datei der Bestenliste war beschädigt; eine Kopie liegt unter %1</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::Program</name>
    <message>
        <location filename="../frontend/Program.cpp" line="+82"/>
        <source>The game could not be saved: %1</source>
        <translation>Das Spiel konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::SetupWindow</name>
    <message>
        <location filename="../frontend/SetupWindow.cpp" line="-84"/>
        <source>Play Sound</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timers On</source>
        <translation>Uhren an</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show Working</source>
        <translation>Rechenweg zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Colour Marks</source>
        <translation>Farbzeichen</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Total time allowed in seconds</source>
        <translation>Erlaubte Gesamtzeit in Sekunden</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n Spieler</numerusform>
            <numerusform>%n Spieler</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::TitleWindow</name>
    <message>
        <location filename="../frontend/TitleWindow.cpp" line="+24"/>
        <source>Tezzle! title picture</source>
        <translation>Tezzle!-Titelbild</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 No game can be played.</source>
        <translation>%1 Es kann kein Spiel gespielt werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There is no saved game.</source>
        <translation>Es gibt kein gespeichertes Spiel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The saved game is damaged and cannot be restored.</source>
        <translation>Das gespeicherte Spiel ist beschädigt und kann nicht fortgesetzt werden.</translation>
    </message>
</context>
<context>
    <name>tezzle::help::CheatChartWindow</name>
    <message>
        <location filename="../help/CheatChartWindow.cpp" line="+72"/>
        <source>Tezzle! Cheat Chart</source>
        <translation>Tezzle! Spickzettel</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slide the table</source>
        <translation>Tabelle verschieben</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Multiplication table</source>
        <translation>Einmaleins-Tabelle</translation>
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
        <translation>mal</translation>
    </message>
</context>
<context>
    <name>tezzle::help::DiceDemoPanel</name>
    <message>
        <location filename="../help/DiceDemoPanel.cpp" line="+54"/>
        <source>die %1 %2</source>
        <translation>Würfel %1 %2</translation>
    </message>
</context>
<context>
    <name>tezzle::help::RulesPage</name>
    <message>
        <location filename="../help/RulesPage.cpp" line="+74"/>
        <source>The path of counters from hexagon 1 to hexagon 100</source>
        <translation>Der Weg aus Spielsteinen von Sechseck 1 bis Sechseck 100</translation>
    </message>
</context>
</TS>
