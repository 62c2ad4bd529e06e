<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardWindow</name>
    <message>
        <location filename="../board/BoardLayout.h" line="+43"/>
        <source>Throw Dice</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../board/BoardLook.h" line="+23"/>
        <source>Blue to Play</source>
        <translation>À Bleu de jouer</translation>
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
        <translation>Antisèche</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Seconds Remaining</source>
        <translation>Secondes restantes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Coup interdit&#xa0;! Tu as perdu ton tour.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>New Game</source>
        <translation>Autre partie</translation>
    </message>
    <message>
        <location filename="../board/BoardLook.h" line="-44"/>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BLUE HAS WON!</source>
        <translation>BLEU A GAGNÉ&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red to Play</source>
        <translation>À Rouge de jouer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RED HAS WON!</source>
        <translation>ROUGE A GAGNÉ&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Green to Play</source>
        <translation>À Vert de jouer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GREEN HAS WON!</source>
        <translation>VERT A GAGNÉ&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow to Play</source>
        <translation>À Jaune de jouer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>YELLOW HAS WON!</source>
        <translation>JAUNE A GAGNÉ&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n points scored</source>
        <translation>
            <numerusform>%n point marqué</numerusform>
            <numerusform>%n points marqués</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GAME OVER!!!</source>
        <translation>C&apos;EST FINI&#xa0;!!!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OUT OF TIME!</source>
        <translation>TEMPS ÉCOULÉ&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n points to %1</source>
        <translation>
            <numerusform>%n point à %1</numerusform>
            <numerusform>%n points à %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DOUBLE</source>
        <translation>DOUBLE</translation>
    </message>
    <message>
        <location filename="../board/WorkingLine.cpp" line="+23"/>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 cannot be made from %2.</source>
        <translation>On ne peut pas faire %1 avec %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No free number could be made with these dice.</source>
        <translation>Avec ces dés, aucun nombre libre n&apos;était possible.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You could have made %1 for %2 points.</source>
        <translation>Tu aurais pu faire %1 pour %2 points.</translation>
    </message>
    <message>
        <location filename="../board/Marks.cpp" line="+25"/>
        <source>Blue counters: square</source>
        <translation>Jetons bleus : carré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red counters: triangle</source>
        <translation>Jetons rouges : triangle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green counters: cross</source>
        <translation>Jetons verts : croix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow counters: star</source>
        <translation>Jetons jaunes : étoile</translation>
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
        <translation>Impossible de créer le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was saved, but it may be lost if the computer stops now: %2.</source>
        <translation>%1 a été enregistré, mais peut être perdu si l&apos;ordinateur s&apos;arrête maintenant&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>creating a temporary file in %1</source>
        <translation>création d&apos;un fichier temporaire dans %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing %1</source>
        <translation>écriture de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>putting %1 on the disk</source>
        <translation>enregistrement de %1 sur le disque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closing %1</source>
        <translation>fermeture de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>renaming %1 to it</source>
        <translation>renommage de %1 à sa place</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot save %1: %2 (while %3). The previous file is unchanged.</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2 (pendant&#xa0;: %3). Le fichier précédent n&apos;a pas changé.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a file</source>
        <translation>un fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>something that is not a file</source>
        <translation>quelque chose qui n&apos;est pas un fichier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> (after %1 of 600 numbers)</source>
        <translation> (après %1 nombres sur 600)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board adjacency file was read in full.</source>
        <translation>Le fichier des voisins du plateau a été lu en entier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board adjacency file connarray.dat cannot be opened.</source>
        <translation>Le fichier des voisins du plateau, connarray.dat, ne peut pas être ouvert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board adjacency file connarray.dat ends too soon%1.</source>
        <translation>Le fichier des voisins du plateau, connarray.dat, s&apos;arrête trop tôt%1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board adjacency file connarray.dat holds something that is not a number%1.</source>
        <translation>Le fichier des voisins du plateau, connarray.dat, contient autre chose qu&apos;un nombre%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board adjacency file connarray.dat holds a number that is far too large%1.</source>
        <translation>Le fichier des voisins du plateau, connarray.dat, contient un nombre bien trop grand%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board adjacency file connarray.dat names a hexagon that is not on the board%1.</source>
        <translation>Le fichier des voisins du plateau, connarray.dat, nomme un hexagone qui n&apos;est pas sur le plateau%1.</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <location filename="../frontend/HighScoreWindow.cpp" line="+34"/>
        <source>Playing alone</source>
        <translation>En solo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Against the computer</source>
        <translation>Contre l&apos;ordinateur</translation>
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
        <translation> Niveau de l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Play solo</source>
        <translation>Jouer seul</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Play against the computer</source>
        <translation>Jouer contre l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exit</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Level 1 - Easy</source>
        <translation>Niveau 1 - Facile</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level 2</source>
        <translation>Niveau 2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level 3 - Hard</source>
        <translation>Niveau 3 - Difficile</translation>
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
        <translation>usage : tezzle [--players N] [--computer L] [--clock S] [--no-sound]
        tezzle --help | --version
  --players N   lance tout de suite une partie de N joueurs (1 à 4)
  --computer L  un joueur contre l&apos;ordinateur, qui joue Rouge, au niveau L (1 à 3)
  --clock S     S secondes au chrono de chaque joueur (0 = sans chrono, sinon 5 à 9999)
  --no-sound    sans signaux sonores
  -h, --help    affiche ce texte et s&apos;arrête
  --version     affiche la version du jeu et s&apos;arrête
La valeur d&apos;une option peut aussi suivre un signe égal : --players=3.
Sans option, le jeu s&apos;ouvre sur sa fenêtre de titre.
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
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>bad value %1 for --%2</source>
        <translation>valeur %1 incorrecte pour --%2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a game against the computer has one human player</source>
        <translation>une partie contre l&apos;ordinateur n&apos;a qu&apos;un joueur humain</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <location filename="../help/RulesPageData.h" line="+67"/>
        <source>The Rules of Tezzle!</source>
        <translation>Les règles de Tezzle!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exit</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Suivante</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Précédente</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Throw Dice</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+117"/>
        <source>Cheat Chart</source>
        <translation>Antisèche</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Summary of the rules</source>
        <translation>Résumé des règles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>Chacun son tour, les joueurs lancent quatre dés et combinent leurs valeurs pour obtenir un nombre entier entre 1 et 100. Par exemple&#xa0;: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Having chosen a number, whose hexagon is not already covered by a counter, the player clicks the number on the Tezzle! playing board with the mouse. The number is then covered by a counter. The player scores points depending on which number they have chosen. The highest numbers score the most points.</source>
        <translation>Après avoir choisi un nombre dont l&apos;hexagone n&apos;est pas déjà couvert par un jeton, le joueur clique sur ce nombre sur le plateau de Tezzle! avec la souris. Le nombre est alors couvert par un jeton. Le joueur marque des points selon le nombre choisi. Les plus grands nombres rapportent le plus de points.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Players can also score bonus points by making a Tezzle! move. This is when a player clicks a number that will create a triangle of three adjacent counters on the board.</source>
        <translation>Les joueurs peuvent aussi gagner un bonus en faisant un coup Tezzle!&#xa0;: le joueur clique sur un nombre qui forme un triangle de trois jetons voisins sur le plateau.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Double bonus points are scored by making a Tezzle! move on a prime number – this is a double Tezzle! move.</source>
        <translation>On gagne un double bonus en faisant un coup Tezzle! sur un nombre premier&#xa0;– c&apos;est un coup double Tezzle!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game ends when there is a continuous path of counters from hexagon 1 to hexagon 100. The winner is the player with the highest score at the end of the game.</source>
        <translation>La partie se termine quand un chemin continu de jetons relie l&apos;hexagone 1 à l&apos;hexagone 100. Le gagnant est le joueur qui a le plus de points à la fin de la partie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Getting ready to play</source>
        <translation>Se préparer à jouer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Avant le début de la partie, les joueurs peuvent choisir les réglages du jeu.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tezzle! can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 600 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>On peut jouer à Tezzle! avec un chrono. Pour cela, coche la case «&#xa0;Avec chrono&#xa0;». Par défaut, chaque joueur a 600 secondes en tout pour jouer tous ses coups. On peut changer ce temps dans la case «&#xa0;Régler le temps total&#xa0;».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tezzle! can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>Tezzle! se joue de un à quatre joueurs. Pour commencer, clique sur le bouton qui correspond au nombre de joueurs. Les joueurs jouent ensuite dans cet ordre&#xa0;: Bleu, Rouge, Vert, Jaune. Avant de commencer, chaque joueur choisit sa couleur. Si on fait plusieurs parties, les joueurs changent de couleur avant chaque partie.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>S&apos;il n&apos;y a qu&apos;un joueur, choisis le bouton «&#xa0;1&#xa0;». Le joueur peut alors jouer seul ou contre l&apos;ordinateur. L&apos;ordinateur est toujours le deuxième joueur - Rouge. Le joueur peut choisir le niveau de l&apos;ordinateur. </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Counters on the board at the start of a game</source>
        <translation>Les jetons sur le plateau au début d&apos;une partie</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Generating a number</source>
        <translation>Obtenir un nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>Le joueur clique sur le bouton «&#xa0;Lancer&#xa0;». Quatre nombres sont alors tirés au hasard, comme pour un lancer de dés. Le joueur doit obtenir un nombre entier entre 1 et 100 en utilisant une fois chacun des quatre nombres. Il peut multiplier, diviser, additionner ou soustraire les nombres comme il veut.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Clique sur le bouton à droite pour essayer un lancer de dés.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Attention&#xa0;: un joueur ne peut pas former un nombre en mettant deux chiffres côte à côte.                  Par exemple, avec 6, 4, 3 et 1, un joueur ne peut pas coller 6 et 4 pour faire 64 ou 46.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Les joueurs peuvent s&apos;aider d&apos;un crayon et d&apos;une feuille pour calculer, mais pas d&apos;une calculatrice.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Quelques exemples de nombres qu&apos;on peut obtenir avec un seul lancer&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Pour t&apos;aider à calculer, clique sur le bouton ci-dessous&#xa0;: il ouvre la fenêtre Antisèche. L&apos;Antisèche est une table de multiplication. Le nombre de chaque case s&apos;obtient en multipliant le nombre au début de sa ligne par le nombre en haut de sa colonne.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Selecting the number on the board</source>
        <translation>Choisir le nombre sur le plateau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Having generated a number, whose hexagon is not already covered by a counter, the player clicks the corresponding number on the board. If the number has been calculated correctly it will be covered with a counter. </source>
        <translation>Après avoir obtenu un nombre dont l&apos;hexagone n&apos;est pas déjà couvert par un jeton, le joueur clique sur ce nombre sur le plateau. Si le calcul est juste, le nombre est couvert par un jeton. </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Si le joueur s&apos;est trompé et a choisi un nombre qu&apos;on ne peut pas obtenir avec ce lancer de dés, il ne marque aucun point et c&apos;est au joueur suivant de jouer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gaining points</source>
        <translation>Gagner des points</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If the number has been calculated correctly, the player scores reward points based on the colour zone of the number that has been selected. The amount of points for each colour zone is shown on the coloured balls to the left of the playing board, and in the table below.</source>
        <translation>Si le calcul est juste, le joueur gagne des points selon la zone de couleur du nombre choisi. Les points de chaque zone de couleur sont écrits sur les boules de couleur à gauche du plateau, et dans le tableau ci-dessous.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Number generated               Colour Zone               Reward</source>
        <translation>Nombre obtenu                     Zone de couleur        Points</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The playing board with its colour zones</source>
        <translation>Le plateau de jeu et ses zones de couleur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Tezzle! bonus</source>
        <translation>Le bonus Tezzle!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>As soon as any two counters have been placed next to each other on the board, there is an opportunity for a player to make a Tezzle! move. This is done by clicking a number on the board that completes a triangle of counters.</source>
        <translation>Dès que deux jetons sont posés côte à côte sur le plateau, un joueur peut faire un coup Tezzle!&#xa0;: il lui suffit de cliquer sur un nombre du plateau qui complète un triangle de jetons.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The player that completes any triangle with a Tezzle! move gains a bonus of 100. This is in addition to the amount rewarded for that colour zone.</source>
        <translation>Le joueur qui complète un triangle avec un coup Tezzle! gagne un bonus de 100. Ce bonus s&apos;ajoute aux points de la zone de couleur du nombre.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For example, if Blue generates the number 33, completing a triangle of counters with 25 and 32, then Blue gains a yellow-zone reward of 50, plus a Tezzle! bonus of 100, making a total of 150.</source>
        <translation>Par exemple, si Bleu obtient le nombre 33 et complète un triangle de jetons avec 25 et 32, Bleu gagne 50 points de la zone jaune, plus un bonus Tezzle! de 100, soit 150 en tout.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A player will only receive one Tezzle! bonus in any turn, even if more than one triangle of counters is formed.</source>
        <translation>Un joueur ne reçoit qu&apos;un seul bonus Tezzle! par tour, même s&apos;il forme plusieurs triangles de jetons.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The double Tezzle! bonus</source>
        <translation>Le double bonus Tezzle!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The prime numbers on the board are shown in black, their hexagons have grey borders. (A prime number is a number that has no factors other than itself and 1.)</source>
        <translation>Les nombres premiers du plateau sont écrits en noir, et leurs hexagones ont un bord gris. (Un nombre premier n&apos;a pas d&apos;autres diviseurs que lui-même et 1.)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If a player clicks a prime number to complete a triangle of counters, the player scores a double Tezzle! bonus of 200. This is in addition to the amount rewarded for that colour zone.</source>
        <translation>Si un joueur clique sur un nombre premier qui complète un triangle de jetons, il gagne un double bonus Tezzle! de 200. Ce bonus s&apos;ajoute aux points de la zone de couleur du nombre.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For example, if Blue generates the prime number 17, completing a triangle of counters with 12 and 18, then Blue scores a turquoise-zone reward of 20, plus a double Tezzle! bonus of 200, making a total of 220.</source>
        <translation>Par exemple, si Bleu obtient le nombre premier 17 et complète un triangle de jetons avec 12 et 18, Bleu gagne 20 points de la zone turquoise, plus un double bonus Tezzle! de 200, soit 220 en tout.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A player will only receive one double Tezzle! bonus in any turn, even if more than one triangle of counters is formed.</source>
        <translation>Un joueur ne reçoit qu&apos;un seul double bonus Tezzle! par tour, même s&apos;il forme plusieurs triangles de jetons.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A Tezzle! move completing a triangle of counters</source>
        <translation>Un coup Tezzle! qui complète un triangle de jetons</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A double Tezzle! move on a prime number</source>
        <translation>Un coup double Tezzle! sur un nombre premier</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Further moves</source>
        <translation>Coups suivants</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play continues with each player taking their turn in sequence.</source>
        <translation>La partie continue, et chaque joueur joue à son tour.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The numbers on the Tezzle! board can be covered in any order. Each number can, however, only be covered once during a game.</source>
        <translation>Les nombres du plateau de Tezzle! peuvent être couverts dans n&apos;importe quel ordre, mais une seule fois par partie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Playing with a timer</source>
        <translation>Jouer avec un chrono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 600 seconds, but this can be changed before starting each game. Any player who runs out of time loses. If all the players except one run out of time, the last surviving player wins.</source>
        <translation>Si la case «&#xa0;Avec chrono&#xa0;» est cochée avant le début de la partie, chaque joueur a un chrono qui décompte pendant son tour. Par défaut, le temps total est de 600 secondes, mais on peut le changer avant chaque partie. Un joueur qui n&apos;a plus de temps a perdu. Si tous les joueurs sauf un n&apos;ont plus de temps, le dernier joueur restant gagne.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The End</source>
        <translation>La fin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game is over when there is a continuous path of counters connecting hexagon 1 to hexagon 100. The player who plays the final counter to complete this path gains a bonus score of 500. The player with the highest score at the end of the game is the winner.</source>
        <translation>La partie est finie quand un chemin continu de jetons relie l&apos;hexagone 1 à l&apos;hexagone 100. Le joueur qui pose le dernier jeton de ce chemin gagne un bonus de 500. Le joueur qui a le plus de points à la fin de la partie gagne.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Playing tips</source>
        <translation>Astuces</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throwing low numbers on the dice does not necessarily mean that your reward will be small. Look for Tezzle! and double Tezzle! opportunities to raise your reward.</source>
        <translation>Faire de petits nombres aux dés ne veut pas forcément dire gagner peu de points. Cherche les occasions de coup Tezzle! et de coup double Tezzle! pour gagner plus.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creating a number in the centre of the board may, for example, yield a 100 reward (in the blue zone) but you may be able to Tezzle! or double Tezzle! on a smaller number to gain a higher reward.</source>
        <translation>Un nombre au centre du plateau peut, par exemple, rapporter 100 points (dans la zone bleue), mais un coup Tezzle! ou un coup double Tezzle! sur un nombre plus petit peut rapporter plus.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tezzle! — free software under the GNU General Public License, version 3 or later.</source>
        <translation>Tezzle! — logiciel libre sous Licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copyright © 2026 the Tezzle! developers. No warranty.</source>
        <translation>Copyright © 2026 les développeurs de Tezzle! Aucune garantie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every picture and sound is made by the program itself.</source>
        <translation>Le programme crée lui-même toutes ses images et tous ses sons.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A finished game with a path of counters from 1 to 100</source>
        <translation>Une partie finie, avec un chemin de jetons de 1 à 100</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page 1 of 5</source>
        <translation>Page 1 sur 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 2 of 5</source>
        <translation>Page 2 sur 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 3 of 5</source>
        <translation>Page 3 sur 5</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Page 4 of 5</source>
        <translation>Page 4 sur 5</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page 5 of 5</source>
        <translation>Page 5 sur 5</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <location filename="../frontend/SetupWindow.cpp" line="+59"/>
        <source>The Rules</source>
        <translation>Les règles</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set Total Time Allowed</source>
        <translation>Régler le temps total</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>High Scores</source>
        <translation>Records</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Select Number of Players</source>
        <translation>Nombre de joueurs</translation>
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
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>SmallWindow</name>
    <message>
        <location filename="../frontend/SmallWindow.cpp" line="+53"/>
        <source>Tezzle! logo</source>
        <translation>Logo de Tezzle!</translation>
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
        <translation>Reprendre la partie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../frontend/main.cpp" line="+42"/>
        <source>tezzle: no display to open a window on (DISPLAY or WAYLAND_DISPLAY is not set, or does not answer)
</source>
        <translation>tezzle : aucun écran où ouvrir une fenêtre (DISPLAY ou WAYLAND_DISPLAY n&apos;est pas défini, ou ne répond pas)
</translation>
    </message>
</context>
<context>
    <name>tezzle::board::BoardWindow</name>
    <message>
        <location filename="../board/BoardWindow.cpp" line="+98"/>
        <source>hexagon %1</source>
        <translation>hexagone %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>new counter</source>
        <translation>nouveau jeton</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 points zone</source>
        <translation>zone à %1 points</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Computer (level %1)</source>
        <translation>Ordinateur (niveau %1)</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>die %1 %2</source>
        <translation>dé %1 %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your number: %1</source>
        <translation>Ton nombre&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 score %2</source>
        <translation>score de %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%1 seconds remaining %n</source>
        <translation>
            <numerusform>%1&#xa0;: %n seconde restante</numerusform>
            <numerusform>%1&#xa0;: %n secondes restantes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+17"/>
        <source>Throw the dice first</source>
        <translation>Lance d&apos;abord les dés</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Choose a number from 1 to 100</source>
        <translation>Choisis un nombre de 1 à 100</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::HighScoreWindow</name>
    <message>
        <location filename="../frontend/HighScoreWindow.cpp" line="+30"/>
        <source>Tezzle! High Scores</source>
        <translation>Tezzle! – Records</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Your name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Type your name, then press Enter</source>
        <translation>Tape ton nom, puis appuie sur Entrée</translation>
    </message>
    <message numerus="yes">
        <location line="+25"/>
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Not saved: %1</source>
        <translation>Non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not stored: higher scores were stored meanwhile.</source>
        <translation>Pas inscrit&#xa0;: de meilleurs scores ont été inscrits entre-temps.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not stored: %1 No copy of it could be kept.</source>
        <translation>Pas inscrit&#xa0;: %1 Impossible d&apos;en garder une copie.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The high score file cannot be read.</source>
        <translation>Le fichier des records est illisible.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In place of the high score file is %1.</source>
        <translation>À la place du fichier des records se trouve %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The high score file is far too large to be one.</source>
        <translation>Le fichier des records est bien trop gros pour en être un.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The high score file is damaged from row %1 on.</source>
        <translation>Le fichier des records est abîmé à partir de la ligne %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The high score file was damaged; a copy is at %1</source>
        <translation>Le fichier des records était abîmé&#xa0;; une copie est ici&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::Program</name>
    <message>
        <location filename="../frontend/Program.cpp" line="+82"/>
        <source>The game could not be saved: %1</source>
        <translation>Partie non enregistrée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::SetupWindow</name>
    <message>
        <location filename="../frontend/SetupWindow.cpp" line="-84"/>
        <source>Play Sound</source>
        <translation>Avec son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timers On</source>
        <translation>Avec chrono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show Working</source>
        <translation>Montrer le calcul</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Colour Marks</source>
        <translation>Repères de couleur</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Total time allowed in seconds</source>
        <translation>Temps total en secondes</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n joueur</numerusform>
            <numerusform>%n joueurs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tezzle::frontend::TitleWindow</name>
    <message>
        <location filename="../frontend/TitleWindow.cpp" line="+24"/>
        <source>Tezzle! title picture</source>
        <translation>Image titre de Tezzle!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 No game can be played.</source>
        <translation>%1 Impossible de jouer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There is no saved game.</source>
        <translation>Aucune partie enregistrée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The saved game is damaged and cannot be restored.</source>
        <translation>La partie enregistrée est abîmée et ne peut pas être reprise.</translation>
    </message>
</context>
<context>
    <name>tezzle::help::CheatChartWindow</name>
    <message>
        <location filename="../help/CheatChartWindow.cpp" line="+72"/>
        <source>Tezzle! Cheat Chart</source>
        <translation>Tezzle! – Antisèche</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slide the table</source>
        <translation>Faire glisser la table</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Multiplication table</source>
        <translation>Table de multiplication</translation>
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
        <translation>fois</translation>
    </message>
</context>
<context>
    <name>tezzle::help::DiceDemoPanel</name>
    <message>
        <location filename="../help/DiceDemoPanel.cpp" line="+54"/>
        <source>die %1 %2</source>
        <translation>dé %1 %2</translation>
    </message>
</context>
<context>
    <name>tezzle::help::RulesPage</name>
    <message>
        <location filename="../help/RulesPage.cpp" line="+74"/>
        <source>The path of counters from hexagon 1 to hexagon 100</source>
        <translation>Le chemin de jetons de l&apos;hexagone 1 à l&apos;hexagone 100</translation>
    </message>
</context>
</TS>
