<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BoardWindow</name>
    <message>
        <location filename="../board/BoardLayout.h" line="+43"/>
        <source>Throw Dice</source>
        <translation>Dobbelen</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../board/BoardLook.h" line="+23"/>
        <source>Blue to Play</source>
        <translation>Blauw aan zet</translation>
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
        <translation>Spiekkaart</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Seconds Remaining</source>
        <translation>Seconden over</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Die zet mag niet. Je beurt is voorbij.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <location filename="../board/BoardLook.h" line="-44"/>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BLUE HAS WON!</source>
        <translation>BLAUW WINT!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red to Play</source>
        <translation>Rood aan zet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RED HAS WON!</source>
        <translation>ROOD WINT!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Green to Play</source>
        <translation>Groen aan zet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GREEN HAS WON!</source>
        <translation>GROEN WINT!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow to Play</source>
        <translation>Geel aan zet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>YELLOW HAS WON!</source>
        <translation>GEEL WINT!</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n points scored</source>
        <translation>
            <numerusform>%n punt gescoord</numerusform>
            <numerusform>%n punten gescoord</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GAME OVER!!!</source>
        <translation>EINDE SPEL!!!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OUT OF TIME!</source>
        <translation>TIJD OM!</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n points to %1</source>
        <translation>
            <numerusform>%n punt: %1</numerusform>
            <numerusform>%n punten: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DOUBLE</source>
        <translation>DUBBEL</translation>
    </message>
    <message>
        <location filename="../board/WorkingLine.cpp" line="+23"/>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 cannot be made from %2.</source>
        <translation>%1 kun je niet maken met %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No free number could be made with these dice.</source>
        <translation>Met deze dobbelstenen kon je geen vrij getal maken.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You could have made %1 for %2 points.</source>
        <translation>Je had %1 kunnen maken voor %2 punten.</translation>
    </message>
    <message>
        <location filename="../board/Marks.cpp" line="+25"/>
        <source>Blue counters: square</source>
        <translation>Blauwe fiches: vierkant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red counters: triangle</source>
        <translation>Rode fiches: driehoek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green counters: cross</source>
        <translation>Groene fiches: kruis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow counters: star</source>
        <translation>Gele fiches: ster</translation>
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
        <translation>De map %1 kan niet worden gemaakt: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was saved, but it may be lost if the computer stops now: %2.</source>
        <translation>%1 is opgeslagen, maar kan verloren gaan als de computer nu uitvalt: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>creating a temporary file in %1</source>
        <translation>het aanmaken van een tijdelijk bestand in %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing %1</source>
        <translation>het schrijven van %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>putting %1 on the disk</source>
        <translation>het wegschrijven van %1 naar de schijf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closing %1</source>
        <translation>het sluiten van %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>renaming %1 to it</source>
        <translation>het hernoemen van %1 naar deze naam</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot save %1: %2 (while %3). The previous file is unchanged.</source>
        <translation>%1 kan niet worden opgeslagen: %2 (tijdens %3). Het vorige bestand is niet veranderd.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a file</source>
        <translation>een bestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a named pipe</source>
        <translation>een named pipe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a device</source>
        <translation>een apparaat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>something that is not a file</source>
        <translation>iets wat geen bestand is</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> (after %1 of 600 numbers)</source>
        <translation> (na %1 van de 600 getallen)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board adjacency file was read in full.</source>
        <translation>Het bestand met de buren op het bord is helemaal gelezen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board adjacency file connarray.dat cannot be opened.</source>
        <translation>Het bestand met de buren op het bord, connarray.dat, kan niet worden geopend.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board adjacency file connarray.dat ends too soon%1.</source>
        <translation>Het bestand met de buren op het bord, connarray.dat, houdt te vroeg op%1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board adjacency file connarray.dat holds something that is not a number%1.</source>
        <translation>Het bestand met de buren op het bord, connarray.dat, bevat iets wat geen getal is%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board adjacency file connarray.dat holds a number that is far too large%1.</source>
        <translation>Het bestand met de buren op het bord, connarray.dat, bevat een veel te groot getal%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board adjacency file connarray.dat names a hexagon that is not on the board%1.</source>
        <translation>Het bestand met de buren op het bord, connarray.dat, noemt een zeshoek die niet op het bord staat%1.</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <location filename="../frontend/HighScoreWindow.cpp" line="+34"/>
        <source>Playing alone</source>
        <translation>Alleen gespeeld</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Against the computer</source>
        <translation>Tegen de computer</translation>
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
        <translation> Niveau van de computer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Play solo</source>
        <translation>Alleen spelen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Play against the computer</source>
        <translation>Tegen de computer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Level 1 - Easy</source>
        <translation>Niveau 1 - Simpel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level 2</source>
        <translation>Niveau 2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level 3 - Hard</source>
        <translation>Niveau 3 - Moeilijk</translation>
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
        <translation>gebruik: tezzle [--players N] [--computer L] [--clock S] [--no-sound]
         tezzle --help | --version
  --players N   begin meteen een spel met N spelers (1 t/m 4)
  --computer L  één speler tegen de computer, die Rood speelt, op niveau L (1 t/m 3)
  --clock S     S seconden op de klok van elke speler (0 = geen klokken, anders 5 t/m 9999)
  --no-sound    geen geluiden
  -h, --help    toon deze tekst en stop
  --version     toon de versie van het spel en stop
De waarde van een optie mag ook na een isgelijkteken staan: --players=3.
Zonder opties opent het spel met het titelvenster.
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
        <translation>onverwacht argument %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>bad value %1 for --%2</source>
        <translation>ongeldige waarde %1 voor --%2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a game against the computer has one human player</source>
        <translation>een spel tegen de computer heeft één menselijke speler</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <location filename="../help/RulesPageData.h" line="+67"/>
        <source>The Rules of Tezzle!</source>
        <translation>De regels van Tezzle!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Volgende</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Vorige</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Throw Dice</source>
        <translation>Dobbelen</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+117"/>
        <source>Cheat Chart</source>
        <translation>Spiekkaart</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Summary of the rules</source>
        <translation>De regels in het kort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>De spelers gooien om de beurt met vier dobbelstenen en maken van de ogen een heel getal tussen 1 en 100. Bijvoorbeeld: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Having chosen a number, whose hexagon is not already covered by a counter, the player clicks the number on the Tezzle! playing board with the mouse. The number is then covered by a counter. The player scores points depending on which number they have chosen. The highest numbers score the most points.</source>
        <translation>De speler kiest een getal waarvan de zeshoek nog niet met een fiche bedekt is, en klikt met de muis op dat getal op het Tezzle!-speelbord. Het getal wordt dan met een fiche bedekt. Hoeveel punten de speler krijgt, hangt af van het gekozen getal. De hoogste getallen leveren de meeste punten op.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Players can also score bonus points by making a Tezzle! move. This is when a player clicks a number that will create a triangle of three adjacent counters on the board.</source>
        <translation>Spelers kunnen ook bonuspunten scoren met een Tezzle!-zet. Dat is als een speler op een getal klikt waardoor er een driehoek van drie fiches naast elkaar op het bord ontstaat.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Double bonus points are scored by making a Tezzle! move on a prime number – this is a double Tezzle! move.</source>
        <translation>Een Tezzle!-zet op een priemgetal levert dubbele bonuspunten op – dat is een dubbele Tezzle!-zet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game ends when there is a continuous path of counters from hexagon 1 to hexagon 100. The winner is the player with the highest score at the end of the game.</source>
        <translation>Het spel is afgelopen als er een doorlopend pad van fiches is van zeshoek 1 naar zeshoek 100. De winnaar is de speler met de hoogste score aan het einde van het spel.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Getting ready to play</source>
        <translation>Het spel voorbereiden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Voordat het spel begint, kunnen de spelers de instellingen van het spel kiezen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tezzle! can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 600 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>Tezzle! kun je ook tegen de klok spelen. Zet daarvoor een vinkje bij &apos;Klok aan&apos;. Standaard krijgt elke speler in totaal 600 seconden voor al zijn zetten. Dat kun je veranderen met het getal in het vak &apos;Totale tijd instellen&apos;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tezzle! can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>Tezzle! kan met één tot vier spelers gespeeld worden. Klik om te beginnen op de knop met het aantal spelers. De spelers zijn dan om de beurt aan zet in deze volgorde: Blauw, Rood, Groen, Geel. Voordat het spel verdergaat, kiest elke speler een kleur. Spelen jullie meer spellen na elkaar, wissel dan voor elk spel van kleur.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Is er maar één speler, kies dan knop &apos;1&apos;. De speler kan dan alleen spelen of tegen de computer spelen. De computer speelt altijd als tweede speler - Rood. De speler kan kiezen op welk niveau de computer speelt. </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Counters on the board at the start of a game</source>
        <translation>Fiches op het bord aan het begin van een spel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Generating a number</source>
        <translation>Een getal maken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>De speler klikt op de knop &apos;Dobbelen&apos;. Er verschijnen dan vier willekeurige getallen, net als bij een worp met dobbelstenen. De speler moet met alle vier getallen, elk één keer, een heel getal tussen 1 en 100 maken. De speler mag de getallen vermenigvuldigen, delen, optellen of aftrekken, in elke combinatie.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Klik op de knop rechts om het dobbelen uit te proberen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Let op: een speler mag geen getal maken door twee cijfers naast elkaar te zetten.                     Na een worp van 6, 4, 3 en 1 mag een speler bijvoorbeeld niet 6 en 4 samenvoegen tot 64 of 46.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Spelers mogen potlood en papier gebruiken bij het rekenen, maar geen rekenmachine.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Een paar voorbeelden van getallen die je uit één worp kunt maken:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Hulp bij het rekenen krijg je met de knop hieronder: die opent het venster Spiekkaart. De Spiekkaart is een tafel van vermenigvuldiging. Het getal in elk vakje is het getal aan het begin van de rij keer het getal boven aan de kolom.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Selecting the number on the board</source>
        <translation>Het getal op het bord kiezen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Having generated a number, whose hexagon is not already covered by a counter, the player clicks the corresponding number on the board. If the number has been calculated correctly it will be covered with a counter. </source>
        <translation>Na het maken van een getal waarvan de zeshoek nog niet met een fiche bedekt is, klikt de speler op dat getal op het bord. Is het getal goed uitgerekend, dan wordt het met een fiche bedekt. </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Heeft de speler zich vergist en een getal gekozen dat niet uit de worp te maken is, dan scoort de speler geen punten en gaat de beurt naar de volgende speler.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gaining points</source>
        <translation>Punten verdienen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If the number has been calculated correctly, the player scores reward points based on the colour zone of the number that has been selected. The amount of points for each colour zone is shown on the coloured balls to the left of the playing board, and in the table below.</source>
        <translation>Is het getal goed uitgerekend, dan krijgt de speler beloningspunten volgens de kleurzone van het gekozen getal. Het aantal punten per kleurzone staat op de gekleurde ballen links van het speelbord en in de tabel hieronder.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Number generated               Colour Zone               Reward</source>
        <translation>Gemaakt getal                       Kleurzone                    Beloning</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turquoise</source>
        <translation>Turkoois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to %2</source>
        <translation>%1 t/m %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The playing board with its colour zones</source>
        <translation>Het speelbord met zijn kleurzones</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Tezzle! bonus</source>
        <translation>De Tezzle!-bonus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>As soon as any two counters have been placed next to each other on the board, there is an opportunity for a player to make a Tezzle! move. This is done by clicking a number on the board that completes a triangle of counters.</source>
        <translation>Zodra er twee fiches naast elkaar op het bord liggen, kan een speler een Tezzle!-zet doen. Dat gaat door op een getal op het bord te klikken dat een driehoek van fiches afmaakt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The player that completes any triangle with a Tezzle! move gains a bonus of 100. This is in addition to the amount rewarded for that colour zone.</source>
        <translation>De speler die met een Tezzle!-zet een driehoek afmaakt, krijgt een bonus van 100. Die komt bovenop de beloning voor die kleurzone.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For example, if Blue generates the number 33, completing a triangle of counters with 25 and 32, then Blue gains a yellow-zone reward of 50, plus a Tezzle! bonus of 100, making a total of 150.</source>
        <translation>Bijvoorbeeld: maakt Blauw het getal 33 en vormt dat met 25 en 32 een driehoek van fiches, dan krijgt Blauw een beloning van 50 voor de zone Geel, plus een Tezzle!-bonus van 100, samen 150.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A player will only receive one Tezzle! bonus in any turn, even if more than one triangle of counters is formed.</source>
        <translation>Een speler krijgt per beurt maar één Tezzle!-bonus, ook als er meer dan één driehoek van fiches ontstaat.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The double Tezzle! bonus</source>
        <translation>De dubbele Tezzle!-bonus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The prime numbers on the board are shown in black, their hexagons have grey borders. (A prime number is a number that has no factors other than itself and 1.)</source>
        <translation>De priemgetallen op het bord zijn zwart, hun zeshoeken hebben een grijze rand. (Een priemgetal is een getal dat alleen deelbaar is door zichzelf en door 1.)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If a player clicks a prime number to complete a triangle of counters, the player scores a double Tezzle! bonus of 200. This is in addition to the amount rewarded for that colour zone.</source>
        <translation>Klikt een speler op een priemgetal dat een driehoek van fiches afmaakt, dan krijgt de speler een dubbele Tezzle!-bonus van 200. Die komt bovenop de beloning voor die kleurzone.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For example, if Blue generates the prime number 17, completing a triangle of counters with 12 and 18, then Blue scores a turquoise-zone reward of 20, plus a double Tezzle! bonus of 200, making a total of 220.</source>
        <translation>Bijvoorbeeld: maakt Blauw het priemgetal 17 en vormt dat met 12 en 18 een driehoek van fiches, dan krijgt Blauw een beloning van 20 voor de zone Turkoois, plus een dubbele Tezzle!-bonus van 200, samen 220.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A player will only receive one double Tezzle! bonus in any turn, even if more than one triangle of counters is formed.</source>
        <translation>Een speler krijgt per beurt maar één dubbele Tezzle!-bonus, ook als er meer dan één driehoek van fiches ontstaat.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A Tezzle! move completing a triangle of counters</source>
        <translation>Een Tezzle!-zet die een driehoek van fiches afmaakt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A double Tezzle! move on a prime number</source>
        <translation>Een dubbele Tezzle!-zet op een priemgetal</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Further moves</source>
        <translation>Verdere zetten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play continues with each player taking their turn in sequence.</source>
        <translation>Het spel gaat verder en de spelers zijn om de beurt aan zet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The numbers on the Tezzle! board can be covered in any order. Each number can, however, only be covered once during a game.</source>
        <translation>De getallen op het Tezzle!-bord mogen in elke volgorde bedekt worden. Elk getal kan wel maar één keer per spel bedekt worden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Playing with a timer</source>
        <translation>Spelen met de klok</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 600 seconds, but this can be changed before starting each game. Any player who runs out of time loses. If all the players except one run out of time, the last surviving player wins.</source>
        <translation>Is &apos;Klok aan&apos; aangevinkt voordat het spel begint, dan heeft elke speler een klok die aftelt zolang die speler aan de beurt is. Standaard is de totale tijd 600 seconden, maar dat kun je voor elk spel veranderen. Wie geen tijd meer heeft, verliest. Hebben alle spelers op één na geen tijd meer, dan wint de laatste speler die over is.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The End</source>
        <translation>Het einde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game is over when there is a continuous path of counters connecting hexagon 1 to hexagon 100. The player who plays the final counter to complete this path gains a bonus score of 500. The player with the highest score at the end of the game is the winner.</source>
        <translation>Het spel is afgelopen als een doorlopend pad van fiches zeshoek 1 met zeshoek 100 verbindt. De speler die met de laatste fiche dit pad afmaakt, krijgt een bonus van 500. De speler met de hoogste score aan het einde van het spel is de winnaar.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Playing tips</source>
        <translation>Speltips</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throwing low numbers on the dice does not necessarily mean that your reward will be small. Look for Tezzle! and double Tezzle! opportunities to raise your reward.</source>
        <translation>Lage getallen gooien betekent niet altijd dat je beloning klein is. Zoek kansen voor een Tezzle!- of dubbele Tezzle!-zet om je beloning te verhogen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creating a number in the centre of the board may, for example, yield a 100 reward (in the blue zone) but you may be able to Tezzle! or double Tezzle! on a smaller number to gain a higher reward.</source>
        <translation>Een getal in het midden van het bord geeft bijvoorbeeld een beloning van 100 (in de zone Blauw), maar met een Tezzle! of dubbele Tezzle! op een kleiner getal krijg je soms een hogere beloning.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tezzle! — free software under the GNU General Public License, version 3 or later.</source>
        <translation>Tezzle! — vrije software onder de GNU General Public License, versie 3 of later.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copyright © 2026 the Tezzle! developers. No warranty.</source>
        <translation>Copyright © 2026 de Tezzle!-ontwikkelaars. Geen garantie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every picture and sound is made by the program itself.</source>
        <translation>Alle plaatjes en geluiden maakt het programma zelf.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A finished game with a path of counters from 1 to 100</source>
        <translation>Een afgelopen spel met een pad van fiches van 1 naar 100</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page 1 of 5</source>
        <translation>Pagina 1 van 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 2 of 5</source>
        <translation>Pagina 2 van 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 3 of 5</source>
        <translation>Pagina 3 van 5</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Page 4 of 5</source>
        <translation>Pagina 4 van 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 5 of 5</source>
        <translation>Pagina 5 van 5</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <location filename="../frontend/SetupWindow.cpp" line="+59"/>
        <source>The Rules</source>
        <translation>De regels</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set Total Time Allowed</source>
        <translation>Totale tijd instellen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Select Number of Players</source>
        <translation>Kies het aantal spelers</translation>
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
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>SmallWindow</name>
    <message>
        <location filename="../frontend/SmallWindow.cpp" line="+53"/>
        <source>Tezzle! logo</source>
        <translation>Tezzle!-logo</translation>
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
        <translation>Vorig spel hervatten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../frontend/main.cpp" line="+42"/>
        <source>tezzle: no display to open a window on (DISPLAY or WAYLAND_DISPLAY is not set, or does not answer)
</source>
        <translation>tezzle: geen beeldscherm om een venster op te openen (DISPLAY of WAYLAND_DISPLAY is niet ingesteld of antwoordt niet)
</translation>
    </message>
</context>
<context>
    <name>tezzle::board::BoardWindow</name>
    <message>
        <location filename="../board/BoardWindow.cpp" line="+98"/>
        <source>hexagon %1</source>
        <translation>zeshoek %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>new counter</source>
        <translation>nieuwe fiche</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 points zone</source>
        <translation>zone van %1 punten</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Computer (level %1)</source>
        <translation>Computer (niveau %1)</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>die %1 %2</source>
        <translation>dobbelsteen %1 %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your number: %1</source>
        <translation>Jouw getal: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 score %2</source>
        <translation>%1 score %2</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%1 seconds remaining %n</source>
        <translation>
            <numerusform>%1 nog %n seconde</numerusform>
            <numerusform>%1 nog %n seconden</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+17"/>
        <source>Throw the dice first</source>
        <translation>Eerst dobbelen</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Choose a number from 1 to 100</source>
        <translation>Kies een getal van 1 tot en met 100</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::HighScoreWindow</name>
    <message>
        <location filename="../frontend/HighScoreWindow.cpp" line="+30"/>
        <source>Tezzle! High Scores</source>
        <translation>Tezzle! Topscores</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Your name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Type your name, then press Enter</source>
        <translation>Typ je naam en druk dan op Enter</translation>
    </message>
    <message numerus="yes">
        <location line="+25"/>
        <source>%n points</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Not saved: %1</source>
        <translation>Niet opgeslagen: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not stored: higher scores were stored meanwhile.</source>
        <translation>Niet bewaard: intussen zijn er hogere scores bewaard.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not stored: %1 No copy of it could be kept.</source>
        <translation>Niet bewaard: %1 Er kon geen kopie van worden bewaard.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The high score file cannot be read.</source>
        <translation>Het topscorebestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In place of the high score file is %1.</source>
        <translation>Op de plaats van het topscorebestand staat %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The high score file is far too large to be one.</source>
        <translation>Het topscorebestand is veel te groot om er een te zijn.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The high score file is damaged from row %1 on.</source>
        <translation>Het topscorebestand is beschadigd vanaf regel %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The high score file was damaged; a copy is at %1</source>
        <translation>Het topscorebestand was beschadigd; een kopie staat op %1</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::Program</name>
    <message>
        <location filename="../frontend/Program.cpp" line="+82"/>
        <source>The game could not be saved: %1</source>
        <translation>Het spel kon niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::SetupWindow</name>
    <message>
        <location filename="../frontend/SetupWindow.cpp" line="-84"/>
        <source>Play Sound</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timers On</source>
        <translation>Klok aan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show Working</source>
        <translation>Toon de berekening</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Colour Marks</source>
        <translation>Kleurtekens</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Total time allowed in seconds</source>
        <translation>Totale tijd in seconden</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n speler</numerusform>
            <numerusform>%n spelers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::TitleWindow</name>
    <message>
        <location filename="../frontend/TitleWindow.cpp" line="+24"/>
        <source>Tezzle! title picture</source>
        <translation>Titelplaatje van Tezzle!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 No game can be played.</source>
        <translation>%1 Er kan niet gespeeld worden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There is no saved game.</source>
        <translation>Er is geen opgeslagen spel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The saved game is damaged and cannot be restored.</source>
        <translation>Het opgeslagen spel is beschadigd en kan niet worden hervat.</translation>
    </message>
</context>
<context>
    <name>tezzle::help::CheatChartWindow</name>
    <message>
        <location filename="../help/CheatChartWindow.cpp" line="+72"/>
        <source>Tezzle! Cheat Chart</source>
        <translation>Tezzle! Spiekkaart</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slide the table</source>
        <translation>Schuif de tabel</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Multiplication table</source>
        <translation>Tafel van vermenigvuldiging</translation>
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
        <translation>keer</translation>
    </message>
</context>
<context>
    <name>tezzle::help::DiceDemoPanel</name>
    <message>
        <location filename="../help/DiceDemoPanel.cpp" line="+54"/>
        <source>die %1 %2</source>
        <translation>dobbelsteen %1 %2</translation>
    </message>
</context>
<context>
    <name>tezzle::help::RulesPage</name>
    <message>
        <location filename="../help/RulesPage.cpp" line="+74"/>
        <source>The path of counters from hexagon 1 to hexagon 100</source>
        <translation>Het pad van fiches van zeshoek 1 naar zeshoek 100</translation>
    </message>
</context>
</TS>
