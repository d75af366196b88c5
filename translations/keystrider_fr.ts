<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BattleDisk</name>
    <message>
        <source>%1 was not written: %2.</source>
        <translation>%1 n&apos;a pas été écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Your best races are not on it: %1</source>
        <translation>Vos meilleures courses n&apos;y figurent pas&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CalendarTab</name>
    <message>
        <source>Shades from nothing typed to the goal met, then a frozen day</source>
        <translation>Nuances allant de rien de tapé à l&apos;objectif atteint, puis un jour gelé</translation>
    </message>
    <message>
        <source>Practice goal:</source>
        <translation>Objectif d&apos;entraînement&#xa0;:</translation>
    </message>
    <message>
        <source> min a day</source>
        <translation> min par jour</translation>
    </message>
    <message>
        <source>Practice streak:</source>
        <translation>Série d&apos;entraînement&#xa0;:</translation>
    </message>
    <message>
        <source>Less of the goal met, then more; outlined: today; crossed: a day a streak freeze kept.</source>
        <translation>Du moins au plus de l&apos;objectif atteint&#xa0;; encadré&#xa0;: aujourd&apos;hui&#xa0;; barré&#xa0;: un jour sauvé par un gel de série.</translation>
    </message>
</context>
<context>
    <name>CalendarView</name>
    <message>
        <source>Week of %1</source>
        <translation>Semaine du %1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
</context>
<context>
    <name>CapsLockNotice</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>Verrouillage majuscules activé</translation>
    </message>
</context>
<context>
    <name>Career</name>
    <message>
        <source>You have been promoted to rank %1.</source>
        <translation>Vous passez au rang %1.</translation>
    </message>
    <message>
        <source>Objectives: To raise to Typist Rank 8 so that</source>
        <translation>Objectifs&#xa0;: atteindre le rang 8 de dactylo pour</translation>
    </message>
    <message>
        <source>you will be hired by QuendleSoft as a typist or</source>
        <translation>être embauché chez QuendleSoft comme dactylo, ou</translation>
    </message>
    <message>
        <source>get $25000 cash to bribe QuendleSoft to give you</source>
        <translation>réunir $25000 pour soudoyer QuendleSoft afin qu&apos;on vous</translation>
    </message>
    <message>
        <source>the job!</source>
        <translation>donne le poste&#xa0;!</translation>
    </message>
    <message>
        <source>Each rank promotion gives you extra days of game!</source>
        <translation>Chaque passage de rang vous donne des jours de jeu en plus&#xa0;!</translation>
    </message>
    <message>
        <source>You travelled back to Singapore!</source>
        <translation>Vous voilà de retour à Singapour&#xa0;!</translation>
    </message>
    <message>
        <source>Your game will end tommorrow.</source>
        <translation>Votre partie se termine demain.</translation>
    </message>
    <message>
        <source>Your game has ended...</source>
        <translation>Votre partie est terminée...</translation>
    </message>
    <message>
        <source>with a score of %1!</source>
        <translation>avec un score de %1&#xa0;!</translation>
    </message>
</context>
<context>
    <name>CoachPlan</name>
    <message>
        <source>what the coach teaches and the text and target chosen are not kept</source>
        <translation>ce qu&apos;enseigne le coach, ainsi que le texte et la cible choisis, ne sont pas conservés</translation>
    </message>
</context>
<context>
    <name>CoachPlanner</name>
    <message>
        <source>%1 could not be written: what the coach teaches and the text and target chosen are not kept.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: ce qu&apos;enseigne le coach, ainsi que le texte et la cible choisis, ne sont pas conservés.</translation>
    </message>
    <message>
        <source>%1 could not be written: the keyboard chosen is not kept.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: le clavier choisi n&apos;est pas conservé.</translation>
    </message>
    <message>
        <source>The typing statistics are still being read.</source>
        <translation>Les statistiques de frappe sont encore en cours de lecture.</translation>
    </message>
    <message>
        <source>Skipped %1: not on this keyboard.</source>
        <translation>Ignoré&#xa0;: %1, absent de ce clavier.</translation>
    </message>
    <message>
        <source>Reading the typing statistics...</source>
        <translation>Lecture des statistiques de frappe...</translation>
    </message>
    <message>
        <source>The keyboard layout changed: the drills are in %1 words now, with %2 keys in play; what you learned in %3 is kept for %3 words.</source>
        <translation>La disposition du clavier a changé&#xa0;: les séances utilisent maintenant des mots en %1, avec %2 touches en jeu&#xa0;; ce que vous avez appris en %3 est conservé pour les mots en %3.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>No word to type holds %1.</source>
        <translation>Aucun mot à taper ne contient %1.</translation>
    </message>
    <message>
        <source>%1 joins the keys in play.</source>
        <translation>%1 rejoint les touches en jeu.</translation>
    </message>
    <message numerus="yes">
        <source>%1 join the keys in play.</source>
        <translation>
            <numerusform>%1 rejoint les touches en jeu.</numerusform>
            <numerusform>%1 rejoignent les touches en jeu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Most keys in play are slower than %1 WPM</source>
        <translation>La plupart des touches en jeu sont plus lentes que %1 mots/min</translation>
    </message>
    <message>
        <source>Most keys in play have sat at %1 WPM or below for %2 drills</source>
        <translation>La plupart des touches en jeu stagnent à %1 mots/min ou moins depuis %2 séances</translation>
    </message>
    <message>
        <source>%1: %2 WPM fits your typing now, and &quot;Use %2 WPM&quot; makes it the target.</source>
        <translation>%1&#xa0;: %2 mots/min correspond à votre frappe actuelle, et «&#xa0;Utiliser %2 mots/min&#xa0;» en fait la cible.</translation>
    </message>
    <message>
        <source>The coach brings in the letters of your words one by one, the most frequent first: a new one joins when every key in play reaches the target speed. Each drill trains the weakest key in play; press Start.</source>
        <translation>Le coach introduit les lettres de vos mots une à une, les plus fréquentes d&apos;abord&#xa0;: une nouvelle entre en jeu quand chaque touche en jeu atteint la vitesse cible. Chaque séance fait travailler la touche en jeu la plus faible&#xa0;; appuyez sur Démarrer.</translation>
    </message>
    <message>
        <source>%1: confidence %2 % before, %3 % after. Keys in play: %4 of %5.</source>
        <translation>%1&#xa0;: confiance %2 % avant, %3 % après. Touches en jeu&#xa0;: %4 sur %5.</translation>
    </message>
    <message>
        <source> %1 has reached the target.</source>
        <translation> %1 a atteint la cible.</translation>
    </message>
    <message>
        <source>%1 WPM, %2 % accurate. </source>
        <translation>%1 mots/min, précision %2 %. </translation>
    </message>
    <message>
        <source>You learn %1: each key types what it types there, by its place on your keyboard, and the keys in play, target and history are its own.</source>
        <translation>Vous apprenez %1&#xa0;: chaque touche tape ce qu&apos;elle taperait dans cette disposition, selon sa place sur votre clavier, et les touches en jeu, la cible et l&apos;historique sont propres à celle-ci.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be typed on this keyboard, so the Symbols stage leaves it out.</source>
        <translation>%1 ne peut pas être tapé sur ce clavier&#xa0;: l&apos;étape «&#xa0;Symboles&#xa0;» le laisse donc de côté.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be typed on this keyboard, so the Symbols stage leaves them out.</source>
        <translation>%1 ne peuvent pas être tapés sur ce clavier&#xa0;: l&apos;étape «&#xa0;Symboles&#xa0;» les laisse donc de côté.</translation>
    </message>
</context>
<context>
    <name>ConfidenceBars</name>
    <message>
        <source>Confidence</source>
        <translation>Confiance</translation>
    </message>
    <message>
        <source>Confidence: %1</source>
        <translation>Confiance&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Typing box</source>
        <translation>Zone de frappe</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>Singapore [$500]</source>
        <translation>Singapour [$500]</translation>
    </message>
    <message>
        <source>You arrived in Singapore!</source>
        <translation>Bienvenue à Singapour&#xa0;!</translation>
    </message>
    <message>
        <source>Malaysia [$200]</source>
        <translation>Malaisie [$200]</translation>
    </message>
    <message>
        <source>You arrived in malaysia!</source>
        <translation>Bienvenue en Malaisie&#xa0;!</translation>
    </message>
    <message>
        <source>China [$560]</source>
        <translation>Chine [$560]</translation>
    </message>
    <message>
        <source>You arrived in china!</source>
        <translation>Bienvenue en Chine&#xa0;!</translation>
    </message>
    <message>
        <source>Japan [$700]</source>
        <translation>Japon [$700]</translation>
    </message>
    <message>
        <source>You arrived in japan!</source>
        <translation>Bienvenue au Japon&#xa0;!</translation>
    </message>
    <message>
        <source>America [$800]</source>
        <translation>Amérique [$800]</translation>
    </message>
    <message>
        <source>You arrived in america!</source>
        <translation>Bienvenue en Amérique&#xa0;!</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapour</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaisie</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chine</translation>
    </message>
    <message>
        <source>America</source>
        <translation>Amérique</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
</context>
<context>
    <name>DailyPractice</name>
    <message>
        <source>%1 could not be written: the practice goal is not kept.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: l&apos;objectif d&apos;entraînement n&apos;est pas conservé.</translation>
    </message>
    <message>
        <source>Today: %1 of %2 min</source>
        <translation>Aujourd&apos;hui&#xa0;: %1 sur %2 min</translation>
    </message>
</context>
<context>
    <name>DayEvents</name>
    <message>
        <source>Another day past...</source>
        <translation>Encore une journée de passée...</translation>
    </message>
    <message>
        <source>A peaceful and boring day...</source>
        <translation>Une journée calme et ennuyeuse...</translation>
    </message>
    <message>
        <source>Someone bumped into you on the street!</source>
        <translation>Un passant vous bouscule dans la rue&#xa0;!</translation>
    </message>
    <message>
        <source>You discovered that $%1 is stolen!</source>
        <translation>Vous découvrez qu&apos;on vous a volé $%1&#xa0;!</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Singapore...</source>
        <translation>La rumeur dit qu&apos;une compétition aura lieu à Singapour...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Malaysia...</source>
        <translation>La rumeur dit qu&apos;une compétition aura lieu en Malaisie...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in China...</source>
        <translation>La rumeur dit qu&apos;une compétition aura lieu en Chine...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in America...</source>
        <translation>La rumeur dit qu&apos;une compétition aura lieu en Amérique...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Japan...</source>
        <translation>La rumeur dit qu&apos;une compétition aura lieu au Japon...</translation>
    </message>
    <message>
        <source>A nice but wonderful boring day...</source>
        <translation>Une belle journée, merveilleusement ennuyeuse...</translation>
    </message>
    <message>
        <source>You found a pizza on the ground and stupidly ate it.</source>
        <translation>Vous trouvez une pizza par terre et, bêtement, vous la mangez.</translation>
    </message>
    <message>
        <source>Therefore, you suffered from food poisoning and pays the</source>
        <translation>Résultat&#xa0;: une intoxication alimentaire, et une note du</translation>
    </message>
    <message>
        <source>doctor $%1!</source>
        <translation>médecin de $%1&#xa0;!</translation>
    </message>
    <message>
        <source>While walking along the street kicking pebbles, you found</source>
        <translation>En marchant dans la rue en shootant dans des cailloux, vous trouvez</translation>
    </message>
    <message>
        <source>$%1 under one of it!</source>
        <translation>$%1 sous l&apos;un d&apos;eux&#xa0;!</translation>
    </message>
    <message>
        <source>A boring an lame day...</source>
        <translation>Une journée ennuyeuse et sans intérêt...</translation>
    </message>
    <message>
        <source>You found $%1 while siting on a bus.</source>
        <translation>Vous trouvez $%1 sur un siège du bus.</translation>
    </message>
    <message>
        <source>A man on the bus burnt your $%1 T-shirt with his cigratte.</source>
        <translation>Dans le bus, un homme brûle votre T-shirt à $%1 avec sa cigarette.</translation>
    </message>
    <message>
        <source>You have no choice but to buy a new one...</source>
        <translation>Vous n&apos;avez plus qu&apos;à en racheter un...</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Weak keys</source>
        <translation>Touches faibles</translation>
    </message>
    <message>
        <source>Weak pairs</source>
        <translation>Paires faibles</translation>
    </message>
    <message>
        <source>Mistyped entries</source>
        <translation>Mots mal tapés</translation>
    </message>
    <message>
        <source>Own text</source>
        <translation>Texte perso</translation>
    </message>
    <message>
        <source>No mistyped entries left: every one you mistyped has since been typed clean.</source>
        <translation>Plus aucun mot mal tapé&#xa0;: tous ceux que vous aviez ratés ont depuis été tapés sans faute.</translation>
    </message>
    <message>
        <source>No mistyped entries yet: practise or race first.</source>
        <translation>Aucun mot mal tapé pour l&apos;instant&#xa0;: entraînez-vous ou faites une course d&apos;abord.</translation>
    </message>
    <message>
        <source>The text is still being read.</source>
        <translation>Le texte est encore en cours de lecture.</translation>
    </message>
    <message>
        <source>Choose a text to type first.</source>
        <translation>Choisissez d&apos;abord un texte à taper.</translation>
    </message>
    <message>
        <source>No key is in play to build a drill from.</source>
        <translation>Aucune touche en jeu pour construire une séance.</translation>
    </message>
    <message>
        <source>%1 reached %2 WPM</source>
        <translation>%1 a atteint %2 mots/min</translation>
    </message>
    <message>
        <source>No letter pair of the keys in play has been typed %1 times yet: practise or drill a while first.</source>
        <translation>Aucune paire de lettres des touches en jeu n&apos;a encore été tapée %1 fois&#xa0;: entraînez-vous ou faites quelques séances d&apos;abord.</translation>
    </message>
    <message>
        <source>%1 %2 ms → %3 ms</source>
        <translation>%1 %2 ms → %3 ms</translation>
    </message>
    <message>
        <source>Pairs: %1.</source>
        <translation>Paires&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>Names can use the letters of Western European languages only, as the game&apos;s files cannot keep other letters. Please type another name.</source>
        <translation>Les noms ne peuvent utiliser que les lettres des langues d&apos;Europe occidentale, car les fichiers du jeu ne peuvent pas conserver d&apos;autres lettres. Veuillez saisir un autre nom.</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>it is not there</source>
        <translation>il est introuvable</translation>
    </message>
    <message>
        <source>it is a folder, a device or a pipe, not a file</source>
        <translation>c&apos;est un dossier, un périphérique ou un tube, pas un fichier</translation>
    </message>
    <message>
        <source>it is a symbolic link, which the game never follows on a battle disk</source>
        <translation>c&apos;est un lien symbolique, que le jeu ne suit jamais sur un disque de combat</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the game reads of it</source>
        <translation>il dépasse %1, le maximum que le jeu en lit</translation>
    </message>
    <message>
        <source>the system refused it</source>
        <translation>le système l&apos;a refusé</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>FolderPrompt</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Enter name you want:</source>
        <translation>Entrez le nom de votre choix&#xa0;:</translation>
    </message>
    <message>
        <source>Abandon %1&apos;s career? It has not been saved since it changed.</source>
        <translation>Abandonner la carrière de %1&#xa0;? Elle n&apos;a pas été enregistrée depuis sa dernière modification.</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Journal des événements</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Compétition</translation>
    </message>
    <message>
        <source>Fly away</source>
        <translation>Prendre l&apos;avion</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>My Status</source>
        <translation>Ma situation</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Rank:</source>
        <translation>Rang&#xa0;:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Argent&#xa0;:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Jours&#xa0;:</translation>
    </message>
    <message>
        <source>Days left:</source>
        <translation>Reste&#xa0;:</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>&amp;Pays</translation>
    </message>
    <message>
        <source>Cheat Input</source>
        <translation>Triche</translation>
    </message>
    <message>
        <source>Two Playes</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>&amp;Create KVR Competition Disk</source>
        <translation>&amp;Créer un disque de combat KVR</translation>
    </message>
    <message>
        <source>&amp;Update Status from KVR Competition Disk</source>
        <translation>&amp;Mettre à jour la situation depuis un disque de combat KVR</translation>
    </message>
    <message>
        <source>Competition With Typist in KVR Battle Disk</source>
        <translation>Affronter le dactylo du disque de combat KVR</translation>
    </message>
    <message>
        <source>Race the Disk Typist&apos;s Best...</source>
        <translation>Course contre le record du dactylo du disque...</translation>
    </message>
    <message>
        <source>&amp;Others</source>
        <translation>&amp;Autres</translation>
    </message>
    <message>
        <source>Check Competition</source>
        <translation>Voir les compétitions</translation>
    </message>
    <message>
        <source>Typing &amp;Statistics</source>
        <translation>&amp;Statistiques de frappe</translation>
    </message>
    <message>
        <source>Typing &amp;Coach</source>
        <translation>&amp;Coach de frappe</translation>
    </message>
    <message>
        <source>&amp;Time machine</source>
        <translation>&amp;Machine à remonter le temps</translation>
    </message>
    <message>
        <source>&amp;Mysterious Reward Bag</source>
        <translation>&amp;Sac mystère</translation>
    </message>
    <message>
        <source>&amp;Double or Nothing</source>
        <translation>Quitte ou &amp;double</translation>
    </message>
    <message>
        <source>Enter diskette drive letter (eg. a:\) :</source>
        <translation>Lettre du lecteur de disquette (ex. a:\)&#xa0;:</translation>
    </message>
    <message>
        <source>Create KVR Competition Disk</source>
        <translation>Créer un disque de combat KVR</translation>
    </message>
    <message>
        <source>Diskette not found!</source>
        <translation>Disquette introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Wrong KVR Battle Disk!</source>
        <translation>Ce disque de combat KVR ne convient pas&#xa0;!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>KVR Battle Disk Created!</source>
        <translation>Disque de combat KVR créé&#xa0;!</translation>
    </message>
    <message>
        <source>Status Updated!</source>
        <translation>Situation mise à jour&#xa0;!</translation>
    </message>
    <message>
        <source>The typist on this disk has no race to race: the disk was made before they finished one, or by an older copy of the game.</source>
        <translation>Le dactylo de ce disque n&apos;a aucune course à affronter&#xa0;: le disque a été créé avant qu&apos;il en termine une, ou par une version plus ancienne du jeu.</translation>
    </message>
    <message>
        <source>Friendly Race</source>
        <translation>Course amicale</translation>
    </message>
    <message>
        <source>You have completed your objective by reaching rank 8 so that your boss will hire you!</source>
        <translation>Objectif atteint&#xa0;: vous êtes au rang 8, votre patron va vous embaucher&#xa0;!</translation>
    </message>
    <message>
        <source>You have completed your objective by earning $25000 to bribe your boss to hire you!</source>
        <translation>Objectif atteint&#xa0;: vous avez gagné $25000 pour soudoyer votre patron et vous faire embaucher&#xa0;!</translation>
    </message>
    <message>
        <source>Your score could not be written to %1.</source>
        <translation>Impossible d&apos;écrire votre score dans %1.</translation>
    </message>
    <message>
        <source>Game Over! Time&apos;s Up!</source>
        <translation>Partie terminée&#xa0;! Le temps est écoulé&#xa0;!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>You failed your objectives! You are a loser!</source>
        <translation>Vous n&apos;avez pas atteint vos objectifs&#xa0;! Quel échec&#xa0;!</translation>
    </message>
    <message>
        <source>Loser!</source>
        <translation>Perdu&#xa0;!</translation>
    </message>
    <message>
        <source>Time Machine</source>
        <translation>Machine à remonter le temps</translation>
    </message>
    <message>
        <source>How many days you want to travel back in time?</source>
        <translation>De combien de jours voulez-vous remonter le temps&#xa0;?</translation>
    </message>
    <message>
        <source>You do not have enough money!</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent&#xa0;!</translation>
    </message>
    <message>
        <source>The time machine cannot take you that far!</source>
        <translation>La machine ne peut pas vous emmener aussi loin&#xa0;!</translation>
    </message>
    <message>
        <source>Mysterious Reward Bag</source>
        <translation>Sac mystère</translation>
    </message>
    <message>
        <source>Drawing Mysterious Reward bag...</source>
        <translation>Tirage dans le sac mystère...</translation>
    </message>
    <message>
        <source>Enter cheat:</source>
        <translation>Entrez un code de triche&#xa0;:</translation>
    </message>
    <message>
        <source>Cheat?</source>
        <translation>Triche&#xa0;?</translation>
    </message>
    <message>
        <source>No such cheat!</source>
        <translation>Code inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>Not enough money!</source>
        <translation>Pas assez d&apos;argent&#xa0;!</translation>
    </message>
    <message>
        <source>Pok Kia!</source>
        <translation>Fauché&#xa0;!</translation>
    </message>
    <message>
        <source>Are you sure you want to fly there?</source>
        <translation>Voulez-vous vraiment prendre l&apos;avion pour ce pays&#xa0;?</translation>
    </message>
    <message>
        <source>Fly!</source>
        <translation>Décollage&#xa0;!</translation>
    </message>
</context>
<context>
    <name>GhostWords</name>
    <message>
        <source>1 entry</source>
        <translation>1 mot</translation>
    </message>
    <message>
        <source>%1 short</source>
        <translation>à %1</translation>
    </message>
    <message>
        <source>%1.%2 s</source>
        <translation>%1,%2 s</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>ahead of</source>
        <translation>devant</translation>
    </message>
    <message>
        <source>behind</source>
        <translation>derrière</translation>
    </message>
    <message>
        <source>level with %1</source>
        <translation>à égalité avec %1</translation>
    </message>
    <message>
        <source>To the finish in %1</source>
        <translation>Arrivée en %1</translation>
    </message>
    <message>
        <source>, as fast as your best</source>
        <translation>, aussi vite que votre record</translation>
    </message>
    <message>
        <source>, %1 %2 than your best</source>
        <translation>, %1 %2 que votre record</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>plus vite</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>moins vite</translation>
    </message>
    <message>
        <source>%1 of the finish</source>
        <translation>%1 de l&apos;arrivée</translation>
    </message>
    <message>
        <source>, your best finished in %1</source>
        <translation>, votre record&#xa0;: arrivée en %1</translation>
    </message>
    <message>
        <source>, your best was %1</source>
        <translation>, votre record s&apos;arrêtait %1 de l&apos;arrivée</translation>
    </message>
    <message>
        <source>, your first race at this level.</source>
        <translation>, votre première course à ce niveau.</translation>
    </message>
    <message>
        <source> New best!</source>
        <translation> Nouveau record&#xa0;!</translation>
    </message>
    <message>
        <source>You and %1 were as fast as each other, %2 to the finish.</source>
        <translation>Égalité parfaite avec %1&#xa0;: %2 jusqu&apos;à l&apos;arrivée.</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 contre %2</translation>
    </message>
    <message>
        <source>You were faster than %1, by %2 (%3).</source>
        <translation>Vous avez été plus rapide que %1, de %2 (%3).</translation>
    </message>
    <message>
        <source>%1 was faster, by %2 (%3).</source>
        <translation>%1 a été plus rapide, de %2 (%3).</translation>
    </message>
    <message>
        <source>You were faster than %1, who did not reach the finish: you were there in %2, %1 %3 of it.</source>
        <translation>Vous avez été plus rapide que %1, qui n&apos;a pas atteint l&apos;arrivée&#xa0;: vous l&apos;avez atteinte en %2, %1 était encore %3 de l&apos;arrivée.</translation>
    </message>
    <message>
        <source>%1 was faster, finishing in %2; you did not reach the finish, %3 of it.</source>
        <translation>%1 a été plus rapide, en %2&#xa0;; vous n&apos;avez pas fini la course, vous étiez encore %3 de l&apos;arrivée.</translation>
    </message>
    <message>
        <source>Neither of you reached the finish, and you got as far as %1: %2 of it.</source>
        <translation>Personne n&apos;a atteint l&apos;arrivée, et vous avez fait jeu égal avec %1&#xa0;: %2 de l&apos;arrivée.</translation>
    </message>
    <message>
        <source>(%1 short against %2)</source>
        <translation>(à %1 de l&apos;arrivée, contre %2)</translation>
    </message>
    <message>
        <source>Neither of you reached the finish; you got %1 farther than %2 %3.</source>
        <translation>Personne n&apos;a atteint l&apos;arrivée&#xa0;; vous avez fait %1 de plus que %2 %3.</translation>
    </message>
    <message>
        <source>Neither of you reached the finish; %1 got %2 farther %3.</source>
        <translation>Personne n&apos;a atteint l&apos;arrivée&#xa0;; %1 a fait %2 de plus %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyLadder</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>%1, confidence %2 %</source>
        <translation>%1, confiance %2 %</translation>
    </message>
    <message>
        <source>%1, not in play yet</source>
        <translation>%1, pas encore en jeu</translation>
    </message>
    <message>
        <source>Focus of the drills</source>
        <translation>Cibler dans les séances</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Exclure</translation>
    </message>
    <message>
        <source>%1, the focus of the drills until you clear it</source>
        <translation>%1, ciblée dans les séances jusqu&apos;à ce que vous l&apos;annuliez</translation>
    </message>
    <message>
        <source>%1, left out of the drills</source>
        <translation>%1, exclue des séances</translation>
    </message>
</context>
<context>
    <name>KeyTries</name>
    <message>
        <source>%1 is not getting more accurate yet.</source>
        <translation>La touche %1 ne gagne pas encore en précision.</translation>
    </message>
    <message>
        <source>%1 is not getting faster yet.</source>
        <translation>La touche %1 ne gagne pas encore en vitesse.</translation>
    </message>
    <message>
        <source>%1 is not fast enough for %2 WPM yet: %3 ms a key at best lately, %4 ms needed.</source>
        <translation>La touche %1 n&apos;est pas encore assez rapide pour %2 mots/min&#xa0;: %3 ms par frappe au mieux ces derniers temps, %4 ms nécessaires.</translation>
    </message>
    <message>
        <source>%1 is missed too often to pass yet: %2 % at best lately, %3 % at most.</source>
        <translation>La touche %1 est encore trop souvent manquée pour passer&#xa0;: %2 % au mieux ces derniers temps, %3 % au maximum.</translation>
    </message>
    <message>
        <source>One more drill of %1 will show how fast it is rising.</source>
        <translation>Une séance de plus sur %1 montrera à quelle vitesse elle progresse.</translation>
    </message>
    <message>
        <source>%1 is rising, but more than ten drills from the target at this pace.</source>
        <translation>La touche %1 progresse, mais à ce rythme elle est à plus de dix séances de la cible.</translation>
    </message>
    <message>
        <source>About one more drill of %1 to reach the target.</source>
        <translation>Environ une séance de plus sur %1 pour atteindre la cible.</translation>
    </message>
    <message>
        <source>every other drill</source>
        <translation>une séance sur deux</translation>
    </message>
    <message>
        <source>every third drill</source>
        <translation>une séance sur trois</translation>
    </message>
    <message>
        <source>every fourth drill</source>
        <translation>une séance sur quatre</translation>
    </message>
    <message>
        <source>%1 is still %2 (%3 %): %4 joins so you go on; %1 comes back every other drill.</source>
        <translation>La touche %1 est encore %2 (%3 %)&#xa0;: %4 entre en jeu pour que vous avanciez&#xa0;; %1 revient une séance sur deux.</translation>
    </message>
    <message>
        <source>missed too often</source>
        <translation>trop souvent manquée</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lente</translation>
    </message>
    <message>
        <source>%1, confidence %2 %, comes back %3: %4 ms a key against %5 ms for %6 WPM, missed %7 % against %8 % at most</source>
        <translation>%1, confiance %2 %, revient %3&#xa0;: %4 ms par frappe contre %5 ms pour %6 mots/min, manquée %7 % du temps contre %8 % au maximum</translation>
    </message>
    <message numerus="yes">
        <source>About %n more drills of %1 to reach the target.</source>
        <translation>
            <numerusform>Environ une séance de plus sur %1 pour atteindre la cible.</numerusform>
            <numerusform>Environ %n séances de plus sur %1 pour atteindre la cible.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Scroll</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translation>PgDn</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>auriculaire gauche</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>annulaire gauche</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>majeur gauche</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>index gauche</translation>
    </message>
    <message>
        <source>thumb</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>index droit</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>majeur droit</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>annulaire droit</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>auriculaire droit</translation>
    </message>
</context>
<context>
    <name>KeyboardChooser</name>
    <message>
        <source>System keyboard</source>
        <translation>Clavier du système</translation>
    </message>
</context>
<context>
    <name>KeyboardView</name>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Next key: %1, not on this keyboard</source>
        <translation>Touche suivante&#xa0;: %1, absente de ce clavier</translation>
    </message>
    <message>
        <source>Next key: %1, type %2, %3</source>
        <translation>Touche suivante&#xa0;: %1, tapez %2, %3</translation>
    </message>
    <message>
        <source>Next key: %1, %2</source>
        <translation>Touche suivante&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>, with right Shift</source>
        <translation>, avec Shift droit</translation>
    </message>
    <message>
        <source>, with left Shift</source>
        <translation>, avec Shift gauche</translation>
    </message>
    <message>
        <source>, with AltGr</source>
        <translation>, avec AltGr</translation>
    </message>
    <message>
        <source>, then %1</source>
        <translation>, puis %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>AltGr</source>
        <translation>AltGr</translation>
    </message>
</context>
<context>
    <name>KeysTab</name>
    <message>
        <source>Keys missed most</source>
        <translation>Touches les plus manquées</translation>
    </message>
    <message>
        <source>Slowest keys</source>
        <translation>Touches les plus lentes</translation>
    </message>
    <message>
        <source>Slowest pairs</source>
        <translation>Paires les plus lentes</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>A key is ranked once it has come up %1 times.</source>
        <translation>Une touche est classée dès qu&apos;elle est apparue %1 fois.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Occurrences</translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation>Taux d&apos;erreur</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Temps moyen</translation>
    </message>
    <message>
        <source>Times timed</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>&amp;Miss rate</source>
        <translation>Taux d&apos;&amp;erreur</translation>
    </message>
    <message>
        <source>Typing t&amp;ime</source>
        <translation>Temps de &amp;frappe</translation>
    </message>
    <message>
        <source>Practise &amp;These Keys</source>
        <translation>S&apos;e&amp;ntraîner sur ces touches</translation>
    </message>
    <message>
        <source>Practise These Keys</source>
        <translation>S&apos;entraîner sur ces touches</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Slower by</source>
        <translation>Plus lente de</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>A pair&apos;s time above its second key&apos;s own time, and how common it is in the coach&apos;s words: the slowest first.</source>
        <translation>Le temps d&apos;une paire au-delà du temps propre à sa seconde touche, et sa fréquence dans les mots du coach&#xa0;: les plus lentes d&apos;abord.</translation>
    </message>
    <message>
        <source>Mean time (ms)</source>
        <translation>Temps moyen (ms)</translation>
    </message>
    <message>
        <source>Miss rate (%)</source>
        <translation>Taux d&apos;erreur (%)</translation>
    </message>
    <message>
        <source>%1 on average, %2 times timed</source>
        <translation>%1 en moyenne, %2 mesures</translation>
    </message>
    <message>
        <source>%1 missed, %2 of %3</source>
        <translation>%1 d&apos;erreurs, %2 sur %3</translation>
    </message>
    <message>
        <source>Typed instead</source>
        <translation>Tapé à la place</translation>
    </message>
    <message>
        <source>The key typed where a run of wrong keys began, for the key due there: the most often first.</source>
        <translation>La touche tapée au début d&apos;une suite de fautes, à la place de la touche attendue&#xa0;: les plus fréquentes d&apos;abord.</translation>
    </message>
    <message>
        <source>%1 for %2: once</source>
        <translation>%1 au lieu de %2&#xa0;: une fois</translation>
    </message>
    <message>
        <source>%1 for %2: %3 times</source>
        <translation>%1 au lieu de %2&#xa0;: %3 fois</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>From the next start, Keystrider speaks the language of your desktop.</source>
        <translation>Au prochain démarrage, Keystrider parlera la langue de votre bureau.</translation>
    </message>
    <message>
        <source>From the next start, Keystrider speaks %1.</source>
        <extracomment>%1 is the language&apos;s own name: English, Deutsch, Français, …</extracomment>
        <translation>Au prochain démarrage, Keystrider parlera %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the language of the desktop</comment>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>LanguageWords</name>
    <message>
        <source>English</source>
        <translation>anglais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>français</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>espagnol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italien</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portugais</translation>
    </message>
    <message>
        <source>The %1 word list %2: the coach makes up words instead.</source>
        <translation>La liste de mots en %1 %2&#xa0;: le coach invente des mots à la place.</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>est trop volumineuse</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>est endommagée</translation>
    </message>
    <message>
        <source>holds no words</source>
        <translation>ne contient aucun mot</translation>
    </message>
    <message>
        <source>The coach has no word list for that language: it makes up words instead.</source>
        <translation>Le coach n&apos;a pas de liste de mots pour cette langue&#xa0;: il invente des mots à la place.</translation>
    </message>
    <message>
        <source> The coach makes up words instead.</source>
        <translation> Le coach invente des mots à la place.</translation>
    </message>
    <message>
        <source>The coach has no word list in the keyboard layout&apos;s language: it drills English words. &quot;Words:&quot; chooses another language.</source>
        <translation>Le coach n&apos;a pas de liste de mots dans la langue de la disposition du clavier&#xa0;: il fait travailler des mots anglais. «&#xa0;Mots&#xa0;:&#xa0;» permet de choisir une autre langue.</translation>
    </message>
</context>
<context>
    <name>OwnText</name>
    <message>
        <source>%1 is not there: it may have been moved, renamed or deleted.</source>
        <translation>%1 est introuvable&#xa0;: il a peut-être été déplacé, renommé ou supprimé.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 n&apos;est pas un fichier texte.</translation>
    </message>
    <message>
        <source>%1 holds no text to type.</source>
        <translation>%1 ne contient aucun texte à taper.</translation>
    </message>
    <message>
        <source>%1 is too large: the coach takes texts up to 16 MB.</source>
        <translation>%1 est trop volumineux&#xa0;: le coach accepte les textes jusqu&apos;à 16 Mo.</translation>
    </message>
</context>
<context>
    <name>PlaceKeeper</name>
    <message>
        <source>where you stop in this text is not kept</source>
        <translation>l&apos;endroit où vous vous arrêtez dans ce texte n&apos;est pas conservé</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>You took %1s to type %2 words in %3 level with %4 mistakes.</source>
        <translation>Vous avez mis %1 s pour taper %2 mots au niveau %3 (fautes&#xa0;: %4).</translation>
    </message>
</context>
<context>
    <name>PracticeCalendar</name>
    <message>
        <source>nothing typed</source>
        <translation>rien de tapé</translation>
    </message>
    <message>
        <source>%1 min typed, %2 WPM, %3 accurate</source>
        <translation>%1 min de frappe, %2 mots/min, précision %3</translation>
    </message>
    <message>
        <source>, goal of %1 min met</source>
        <translation>, objectif de %1 min atteint</translation>
    </message>
    <message>
        <source>, a streak freeze kept the streak</source>
        <translation>, un gel de série a sauvé la série</translation>
    </message>
    <message>
        <source> (today)</source>
        <translation> (aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PracticeGoal</name>
    <message>
        <source>the practice goal is not kept</source>
        <translation>l&apos;objectif d&apos;entraînement n&apos;est pas conservé</translation>
    </message>
</context>
<context>
    <name>PracticeLevel</name>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Coming along well</source>
        <translation>En progrès</translation>
    </message>
    <message>
        <source>Coming Along Well</source>
        <translation>En progrès</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Supérieur</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
</context>
<context>
    <name>PracticeStreak</name>
    <message>
        <source>%1 %2, best %3; %4 of %5 streak freezes held</source>
        <translation>%1 %2, record %3&#xa0;; gels de série en réserve&#xa0;: %4 sur %5</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message numerus="yes">
        <source>%n days, best %1; %2 of %3 streak freezes held</source>
        <translation>
            <numerusform>%n jour, record %1&#xa0;; gels de série en réserve&#xa0;: %2 sur %3</numerusform>
            <numerusform>%n jours, record %1&#xa0;; gels de série en réserve&#xa0;: %2 sur %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Check that you may write there, or set XDG_DATA_HOME to a folder of your own.</source>
        <translation>Vérifiez que vous avez le droit d&apos;y écrire, ou faites pointer XDG_DATA_HOME vers un dossier à vous.</translation>
    </message>
    <message>
        <source>Keystrider cannot create the folder for your files:
%1</source>
        <translation>Keystrider ne peut pas créer le dossier de vos fichiers&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Keystrider cannot write in the folder for your files:
%1</source>
        <translation>Keystrider ne peut pas écrire dans le dossier de vos fichiers&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Keystrider cannot copy %1 into the folder for your files:
%2</source>
        <translation>Keystrider ne peut pas copier %1 dans le dossier de vos fichiers&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>ReplayBook</name>
    <message>
        <source>%1 could not be read: line %2 is damaged.</source>
        <translation>Impossible de lire %1&#xa0;: la ligne %2 est endommagée.</translation>
    </message>
</context>
<context>
    <name>ReplaysFile</name>
    <message>
        <source>%1 could not be written: another copy of the game kept it busy.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: une autre instance du jeu l&apos;occupait.</translation>
    </message>
    <message>
        <source>your replays stay as they were</source>
        <translation>vos replays restent tels quels</translation>
    </message>
</context>
<context>
    <name>RewardBag</name>
    <message>
        <source>Nothing happened!</source>
        <translation>Il ne s&apos;est rien passé&#xa0;!</translation>
    </message>
    <message>
        <source>You drew out $20 cash!</source>
        <translation>Vous tirez $20 du sac&#xa0;!</translation>
    </message>
    <message>
        <source>You found that you are suddenly more experienced...</source>
        <translation>Vous gagnez soudain en expérience...</translation>
    </message>
    <message>
        <source>You drew out $40 cash!</source>
        <translation>Vous tirez $40 du sac&#xa0;!</translation>
    </message>
    <message>
        <source>You drew out $50 cash!</source>
        <translation>Vous tirez $50 du sac&#xa0;!</translation>
    </message>
    <message>
        <source>A ghost snatched $50 from you!</source>
        <translation>Un fantôme vous arrache $50&#xa0;!</translation>
    </message>
    <message>
        <source>A ghost snatched $20 from you!</source>
        <translation>Un fantôme vous arrache $20&#xa0;!</translation>
    </message>
    <message>
        <source>You drew out $100 cash!</source>
        <translation>Vous tirez $100 du sac&#xa0;!</translation>
    </message>
    <message>
        <source>A big explosion happened. You found that you have been thrown back in time by 2 days!</source>
        <translation>Une grosse explosion retentit. Elle vous renvoie 2 jours en arrière dans le temps&#xa0;!</translation>
    </message>
    <message>
        <source>A big explosion happened. You found that you have been thrown forward in time by 1 days!</source>
        <translation>Une grosse explosion retentit. Elle vous projette 1 jour en avant dans le temps&#xa0;!</translation>
    </message>
    <message>
        <source>You found that you are suddenly less experienced...</source>
        <translation>Vous perdez soudain de l&apos;expérience...</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>money</source>
        <translation>argent</translation>
    </message>
    <message>
        <source>rank</source>
        <translation>rang</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>training</source>
        <translation>points d&apos;entraînement</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: the file could not be read.</source>
        <translation>Impossible de charger %1&#xa0;: le fichier n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: %2.</source>
        <translation>Impossible de charger %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: it holds fewer than the six fields of a saved game.</source>
        <translation>Impossible de charger %1&#xa0;: il contient moins que les six champs d&apos;une partie enregistrée.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: its %2 is not a whole number.</source>
        <translation>Impossible de charger %1&#xa0;: le champ «&#xa0;%2&#xa0;» n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: its %2 is beyond what the game can hold.</source>
        <translation>Impossible de charger %1&#xa0;: le champ «&#xa0;%2&#xa0;» dépasse ce que le jeu peut gérer.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: a quoted text in it never ends.</source>
        <translation>Impossible de charger %1&#xa0;: un texte entre guillemets n&apos;y est jamais refermé.</translation>
    </message>
</context>
<context>
    <name>SavesDialog</name>
    <message>
        <source>Saved games</source>
        <translation>Parties enregistrées</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nom du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>No path name given.</source>
        <translation>Aucun nom de fichier indiqué.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer copy of the game, so it is left as it is: %2.</source>
        <translation>%1 a été écrit par une version plus récente du jeu&#xa0;; il est donc laissé tel quel&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept, so it is left as it is: %2.</source>
        <translation>%1 est endommagé et aucune copie n&apos;a pu en être conservée&#xa0;; il est donc laissé tel quel&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is kept as %2, and what could be read of it is used.</source>
        <translation>%1 était endommagé&#xa0;: il est conservé sous le nom %2, et ce qui a pu en être lu est utilisé.</translation>
    </message>
    <message>
        <source>the keyboard chosen is not kept</source>
        <translation>le clavier choisi n&apos;est pas conservé</translation>
    </message>
    <message>
        <source>the sound settings chosen are not kept</source>
        <translation>les réglages du son ne sont pas conservés</translation>
    </message>
    <message>
        <source>the language chosen is not kept</source>
        <translation>la langue choisie n&apos;est pas conservée</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>So&amp;und</source>
        <translation>So&amp;n</translation>
    </message>
    <message>
        <source>&amp;Game sounds</source>
        <translation>Sons du &amp;jeu</translation>
    </message>
    <message>
        <source>&amp;Wrong-key tick</source>
        <translation>Signal d&apos;&amp;erreur</translation>
    </message>
    <message>
        <source>&amp;Key clicks</source>
        <translation>&amp;Clics des touches</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Muet</translation>
    </message>
</context>
<context>
    <name>StatsExport</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Career</source>
        <translation>Carrière</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Speed (WPM)</source>
        <translation>Vitesse (mots/min)</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fautes</translation>
    </message>
</context>
<context>
    <name>StatsModule</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>The typing statistics could not be opened: %1</source>
        <translation>Impossible d&apos;ouvrir les statistiques de frappe&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StatsRecorder</name>
    <message>
        <source>stats.dat could not be written: this exercise or race, and the ones after it, are left out of the typing statistics.</source>
        <translation>Impossible d&apos;écrire stats.dat&#xa0;: cet exercice ou cette course, et les suivants, ne figurent pas dans les statistiques de frappe.</translation>
    </message>
</context>
<context>
    <name>TextSize</name>
    <message>
        <source>the text size chosen is not kept</source>
        <translation>la taille de texte choisie n&apos;est pas conservée</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>That will be $%1. Are you sure?</source>
        <translation>Cela vous coûtera $%1. Confirmer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TodayBar</name>
    <message>
        <source>Today&apos;s practice</source>
        <translation>Entraînement du jour</translation>
    </message>
</context>
<context>
    <name>WeakKeysDrill</name>
    <message>
        <source>%1 and %2 are often typed for each other: they come in neighbouring words.</source>
        <translation>%1 et %2 sont souvent confondues&#xa0;: elles apparaissent dans des mots voisins.</translation>
    </message>
</context>
<context>
    <name>frmcars</name>
    <message>
        <source>Competition! Car Race!</source>
        <translation>Compétition&#xa0;! Course de voitures&#xa0;!</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>Your Car</source>
        <translation>Votre voiture</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Blind Mode</source>
        <translation>À l&apos;aveugle</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>You lost!!!</source>
        <translation>Perdu&#xa0;!!!</translation>
    </message>
    <message>
        <source>Too bad!</source>
        <translation>Dommage&#xa0;!</translation>
    </message>
    <message>
        <source>You won! Price money is for you!</source>
        <translation>Gagné&#xa0;! Le prix est pour vous&#xa0;!</translation>
    </message>
    <message>
        <source>So good!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Your best</source>
        <translation>Votre record</translation>
    </message>
    <message>
        <source>Race my best</source>
        <translation>Contre mon record</translation>
    </message>
    <message>
        <source>your best</source>
        <translation>votre record</translation>
    </message>
    <message>
        <source>Friendly Race</source>
        <translation>Course amicale</translation>
    </message>
    <message>
        <source>%1&apos;s best</source>
        <translation>Record de %1</translation>
    </message>
    <message>
        <source>A friendly race against %1&apos;s best: no fee, no prize.</source>
        <translation>Course amicale contre le record de %1&#xa0;: pas de frais d&apos;inscription, pas de prix.</translation>
    </message>
</context>
<context>
    <name>frmcoach</name>
    <message>
        <source>Choose a Text to Type</source>
        <translation>Choisir un texte à taper</translation>
    </message>
    <message>
        <source>Texts (*.txt);;All files (*)</source>
        <translation>Textes (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Typing Coach</source>
        <translation>Coach de frappe</translation>
    </message>
    <message>
        <source>Today&apos;s practice goal of %1 min is met.</source>
        <translation>Objectif d&apos;entraînement du jour atteint&#xa0;: %1 min.</translation>
    </message>
    <message>
        <source>Focus pairs:</source>
        <translation>Paires ciblées&#xa0;:</translation>
    </message>
    <message>
        <source>Focus key:</source>
        <translation>Touche ciblée&#xa0;:</translation>
    </message>
    <message>
        <source>Use %1 WPM</source>
        <translation>Utiliser %1 mots/min</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 mots/min</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Séance</translation>
    </message>
    <message>
        <source>Choose Text...</source>
        <translation>Choisir un texte...</translation>
    </message>
    <message>
        <source>Target speed:</source>
        <translation>Vitesse cible&#xa0;:</translation>
    </message>
    <message>
        <source> WPM</source>
        <translation> mots/min</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Utiliser</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Practice goal:</source>
        <translation>Objectif d&apos;entraînement&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tapez&#xa0;:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Précision&#xa0;:</translation>
    </message>
    <message>
        <source>Keyboard layout:</source>
        <translation>Disposition du clavier&#xa0;:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Mots&#xa0;:</translation>
    </message>
    <message>
        <source>Capitals</source>
        <translation>Majuscules</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Ponctuation</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Touches&#xa0;:</translation>
    </message>
    <message>
        <source>As the desktop types</source>
        <translation>Comme sur le bureau</translation>
    </message>
    <message>
        <source>Layout to learn:</source>
        <translation>Disposition à apprendre&#xa0;:</translation>
    </message>
    <message>
        <source>%1 can&apos;t be compiled on this system, so it can&apos;t be learnt here.</source>
        <translation>La disposition %1 ne peut pas être compilée sur ce système&#xa0;: impossible de l&apos;apprendre ici.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Space or a click makes a key in play the focus of the drills until you clear it the same way; the context menu also leaves a key out of the drills.</source>
        <translation>La barre d&apos;espace ou un clic fait d&apos;une touche en jeu la touche ciblée des séances, jusqu&apos;à ce que vous l&apos;annuliez de la même façon&#xa0;; le menu contextuel permet aussi d&apos;exclure une touche des séances.</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Exclure</translation>
    </message>
    <message>
        <source>Leaves %1 out of the drills</source>
        <translation>Exclut %1 des séances</translation>
    </message>
</context>
<context>
    <name>frmcomp</name>
    <message>
        <source>Competition List</source>
        <translation>Liste des compétitions</translation>
    </message>
    <message>
        <source>List of World Competitions</source>
        <translation>Compétitions dans le monde</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Grand Price</source>
        <translation>Premier prix</translation>
    </message>
    <message>
        <source>Double click the competition you want to join.</source>
        <translation>Double-cliquez sur la compétition choisie.</translation>
    </message>
    <message>
        <source>You are at the wrong country!</source>
        <translation>Vous n&apos;êtes pas dans le bon pays&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>You do not have enough money to join the competition!</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent pour participer à cette compétition&#xa0;!</translation>
    </message>
</context>
<context>
    <name>frmdisk</name>
    <message>
        <source>KVR Battle Disk Competition</source>
        <translation>Duel sur disque de combat KVR</translation>
    </message>
    <message>
        <source>You:</source>
        <translation>Vous&#xa0;:</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Disk Character:</source>
        <translation>Dactylo du disque&#xa0;:</translation>
    </message>
    <message>
        <source>Disk Character</source>
        <translation>Dactylo du disque</translation>
    </message>
    <message>
        <source>I won! Thanks for the $25, disk character!</source>
        <translation>J&apos;ai gagné&#xa0;! Merci pour les $25, dactylo du disque&#xa0;!</translation>
    </message>
    <message>
        <source>Disk character won! Thanks for the $25!</source>
        <translation>Le dactylo du disque a gagné&#xa0;! Merci pour les $25&#xa0;!</translation>
    </message>
    <message>
        <source>WOW!</source>
        <translation>WAOUH&#xa0;!</translation>
    </message>
</context>
<context>
    <name>frmgame</name>
    <message>
        <source>Double Or Nothing!</source>
        <translation>Quitte ou double&#xa0;!</translation>
    </message>
    <message>
        <source>Double Or nothing!</source>
        <translation>Quitte ou double&#xa0;!</translation>
    </message>
    <message>
        <source>To play, place a certain amount of sum of money as a bet to start, if you win, you will have 2 times the money. If you lost, try again. After each bet, you can claim your money or gamble again to see if you can double it! If you lost, well, too bad!</source>
        <translation>Pour jouer, misez d&apos;abord une somme d&apos;argent&#xa0;: si vous gagnez, vous doublez votre mise. Si vous perdez, réessayez. Après chaque pari, vous pouvez encaisser votre argent ou rejouer pour tenter de le doubler encore&#xa0;! Et si vous perdez, eh bien, tant pis&#xa0;!</translation>
    </message>
    <message>
        <source>Start Gamble</source>
        <translation>Commencer à parier</translation>
    </message>
    <message>
        <source>Your Cash:</source>
        <translation>Argent&#xa0;:</translation>
    </message>
    <message>
        <source>Bet Amount:</source>
        <translation>Mise&#xa0;:</translation>
    </message>
    <message>
        <source>Bet Amount</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Play!</source>
        <translation>Jouer&#xa0;!</translation>
    </message>
    <message>
        <source>Gambling...</source>
        <translation>Pari en cours...</translation>
    </message>
    <message>
        <source>Current Sum:</source>
        <translation>Somme en jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Claim Money</source>
        <translation>Encaisser</translation>
    </message>
    <message>
        <source>Continue Betting</source>
        <translation>Continuer à parier</translation>
    </message>
    <message>
        <source>You do not have enough money!</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>You cannot hold that much money! Spend some, then claim it.</source>
        <translation>Vous ne pouvez pas avoir autant d&apos;argent&#xa0;! Dépensez-en un peu, puis encaissez.</translation>
    </message>
    <message>
        <source>Your sum cannot grow any bigger! Claim your money.</source>
        <translation>Votre somme ne peut plus augmenter&#xa0;! Encaissez votre argent.</translation>
    </message>
    <message>
        <source>You lost! All your bet money is gone!</source>
        <translation>Perdu&#xa0;! Toute votre mise est partie&#xa0;!</translation>
    </message>
    <message>
        <source>Too bad!</source>
        <translation>Dommage&#xa0;!</translation>
    </message>
</context>
<context>
    <name>frmp</name>
    <message>
        <source>Practice Typing!</source>
        <translation>Entraînement à la frappe&#xa0;!</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Word/Phrase :</source>
        <translation>Mot/phrase&#xa0;:</translation>
    </message>
    <message>
        <source>Word(s)/Phrase(s) left:</source>
        <translation>Mots/phrases restants&#xa0;:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>frmstart</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>frmstats</name>
    <message>
        <source>exercise</source>
        <translation>exercice</translation>
    </message>
    <message>
        <source>race</source>
        <translation>course</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 et %3</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>séance</translation>
    </message>
    <message>
        <source>Typing Statistics</source>
        <translation>Statistiques de frappe</translation>
    </message>
    <message>
        <source>Only the &amp;current career</source>
        <translation>Carrière &amp;actuelle uniquement</translation>
    </message>
    <message>
        <source>Only the current career</source>
        <translation>Carrière actuelle uniquement</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Statistics pages</source>
        <translation>Pages de statistiques</translation>
    </message>
    <message>
        <source>Speed (WPM)</source>
        <translation>Vitesse (mots/min)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Précision (%)</translation>
    </message>
    <message>
        <source>Exercise, race or drill, oldest first</source>
        <translation>Exercice, course ou séance, du plus ancien au plus récent</translation>
    </message>
    <message>
        <source>Speed and accuracy over time</source>
        <translation>Vitesse et précision au fil du temps</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progression</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>Entries mistyped most</source>
        <translation>Mots les plus mal tapés</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Times mistyped</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>&amp;Entries</source>
        <translation>&amp;Mots</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>&amp;Calendrier</translation>
    </message>
    <message>
        <source>Export Typing Statistics</source>
        <translation>Exporter les statistiques de frappe</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Reading the records…</source>
        <translation>Lecture de l&apos;historique…</translation>
    </message>
    <message>
        <source>No exercise or race recorded yet.</source>
        <translation>Rien n&apos;a encore été enregistré&#xa0;: ni exercice, ni course.</translation>
    </message>
    <message>
        <source>%1 recorded, %2 of typing. Average speed %3 WPM, best %4 WPM; accuracy of the last ten %5.</source>
        <translation>Au total&#xa0;: %1, %2 de frappe. Vitesse moyenne %3 mots/min, record %4 mots/min&#xa0;; précision des dix derniers&#xa0;: %5.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>unreadable line skipped.</source>
        <translation>ligne illisible ignorée.</translation>
    </message>
    <message numerus="yes">
        <source>%n exercises</source>
        <translation>
            <numerusform>%n exercice</numerusform>
            <numerusform>%n exercices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n races</source>
        <translation>
            <numerusform>%n course</numerusform>
            <numerusform>%n courses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills</source>
        <translation>
            <numerusform>%n séance</numerusform>
            <numerusform>%n séances</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable lines skipped.</source>
        <translation>
            <numerusform>%n ligne illisible ignorée.</numerusform>
            <numerusform>%n lignes illisibles ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Disposition&#xa0;:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Toutes les dispositions</translation>
    </message>
</context>
<context>
    <name>loa</name>
    <message>
        <source>Load Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>File loaded!</source>
        <translation>Partie chargée&#xa0;!</translation>
    </message>
    <message>
        <source>Loaded.</source>
        <translation>Chargée.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Keystrider %1, a typing game: build a typist&apos;s career through practice, races and duels.</source>
        <translation>Keystrider %1, un jeu de dactylographie&#xa0;: bâtissez une carrière de dactylo par l&apos;entraînement, les courses et les duels.</translation>
    </message>
    <message>
        <source>keystrider: the game takes no arguments; see keystrider --help</source>
        <translation>keystrider&#xa0;: le jeu ne prend aucun argument&#xa0;; voir keystrider --help</translation>
    </message>
</context>
<context>
    <name>sav</name>
    <message>
        <source>Save Game...</source>
        <translation>Enregistrer la partie...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>A game can&apos;t be saved as &quot;%1&quot;. Choose a name without &quot;/&quot; that is not too long.</source>
        <translation>Impossible d&apos;enregistrer une partie sous le nom «&#xa0;%1&#xa0;». Choisissez un nom sans «&#xa0;/&#xa0;» et pas trop long.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>A game can&apos;t be saved as &quot;%1&quot;: a name that begins with a dot makes a hidden file, which the Load list does not show. Choose another name.</source>
        <translation>Impossible d&apos;enregistrer une partie sous le nom «&#xa0;%1&#xa0;»&#xa0;: un nom qui commence par un point crée un fichier caché, que la liste «&#xa0;Charger&#xa0;» n&apos;affiche pas. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>%1.kvr holds another saved game. Replace it?</source>
        <translation>%1.kvr contient déjà une autre partie. La remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.kvr. Any game saved under that name before is unchanged.</source>
        <translation>Impossible d&apos;enregistrer la partie sous %1.kvr. Une partie enregistrée auparavant sous ce nom reste inchangée.</translation>
    </message>
    <message>
        <source>File saved!</source>
        <translation>Partie enregistrée&#xa0;!</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Enregistrée.</translation>
    </message>
</context>
<context>
    <name>tictac</name>
    <message>
        <source>Quendle&apos;s Tic Tac Toe</source>
        <translation>Morpion de Quendle</translation>
    </message>
    <message>
        <source>Start / Reset</source>
        <translation>Jouer / Recommencer</translation>
    </message>
    <message>
        <source>Comp Move First</source>
        <translation>L&apos;ordi commence</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Défaites</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Nuls</translation>
    </message>
    <message>
        <source>Strategy Learned!</source>
        <translation>Stratégie apprise&#xa0;!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Win vivovu Dev Ezi Doz to win $25 bucks! If you lost, then he will only take $5 bucks from you.</source>
        <translation>Battez Vivovu Dev Ezi Doz pour gagner $25&#xa0;! Si vous perdez, il ne vous prendra que $5.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Your Sign:</source>
        <translation>Votre symbole&#xa0;:</translation>
    </message>
    <message>
        <source>Comp&apos;s Sign:</source>
        <translation>Symbole de l&apos;ordi&#xa0;:</translation>
    </message>
    <message>
        <source>Your moves</source>
        <translation>Vos coups</translation>
    </message>
    <message>
        <source>Computer&apos;s moves</source>
        <translation>Coups de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Learned strategies</source>
        <translation>Stratégies apprises</translation>
    </message>
    <message>
        <source>Thinking Process</source>
        <translation>Réflexion</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>Cell %1: %2</source>
        <translation>Case %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Réflexion en cours</translation>
    </message>
    <message>
        <source>Trying predefined Strategy</source>
        <translation>Essai d&apos;une stratégie prédéfinie</translation>
    </message>
    <message>
        <source>Looking for ways to win</source>
        <translation>Recherche d&apos;un coup gagnant</translation>
    </message>
    <message>
        <source>Looking for ways to block you</source>
        <translation>Recherche d&apos;un moyen de vous bloquer</translation>
    </message>
    <message>
        <source>Recalling your Strategy</source>
        <translation>Rappel de votre stratégie</translation>
    </message>
    <message>
        <source>Random Move</source>
        <translation>Coup au hasard</translation>
    </message>
    <message>
        <source>%1 Vivovu Dev Ezi Doz plays without what it learned before, and what it learns now is not kept.</source>
        <translation>%1 Vivovu Dev Ezi Doz joue sans ce qu&apos;il a appris auparavant, et ce qu&apos;il apprend maintenant ne sera pas conservé.</translation>
    </message>
    <message>
        <source>brain.dat could not be written: what Vivovu Dev Ezi Doz learns now is forgotten when this window closes.</source>
        <translation>Impossible d&apos;écrire brain.dat&#xa0;: ce que Vivovu Dev Ezi Doz apprend maintenant sera oublié à la fermeture de cette fenêtre.</translation>
    </message>
    <message>
        <source>The record of %1 could not be written.</source>
        <translation>Impossible d&apos;enregistrer le bilan de %1.</translation>
    </message>
    <message>
        <source>%1 It is left as it is and will not be written over. %2 plays with no wins, losses or draws.</source>
        <translation>%1 Le fichier est laissé tel quel et ne sera pas écrasé. %2 joue sans victoire, défaite ni match nul.</translation>
    </message>
    <message>
        <source>%1 cannot be read, and could not be moved aside either: it is left as it is and will not be written over. %2 plays with no wins, losses or draws.</source>
        <translation>Impossible de lire %1, ni de le mettre de côté&#xa0;: il est laissé tel quel et ne sera pas écrasé. %2 joue sans victoire, défaite ni match nul.</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was kept as %2 for you to repair or delete. %3 plays on with no wins, losses or draws.</source>
        <translation>Impossible de lire %1&#xa0;: il a été conservé sous le nom %2 pour que vous puissiez le réparer ou le supprimer. %3 continue sans victoire, défaite ni match nul.</translation>
    </message>
    <message>
        <source>%1 The list starts empty, and no name is added to it.</source>
        <translation>%1 La liste démarre vide, et aucun nom n&apos;y est ajouté.</translation>
    </message>
    <message>
        <source>%1 cannot be kept on the list: a name must not hold &quot;/&quot; or a double quote, nor be only dots.</source>
        <translation>%1 ne peut pas figurer dans la liste&#xa0;: un nom ne doit contenir ni «&#xa0;/&#xa0;» ni guillemet droit (&quot;), ni être composé uniquement de points.</translation>
    </message>
    <message>
        <source>%1 %2 is not added to the list.</source>
        <translation>%1 %2 n&apos;est pas ajouté à la liste.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>U won $25!</source>
        <translation>Gagné&#xa0;! Vous remportez $25&#xa0;!</translation>
    </message>
    <message>
        <source>Computer Won! You lost $10!</source>
        <translation>L&apos;ordinateur a gagné&#xa0;! Vous perdez $10&#xa0;!</translation>
    </message>
    <message>
        <source>Draw! How boring...</source>
        <translation>Match nul&#xa0;! Quel ennui...</translation>
    </message>
    <message>
        <source>Vivovu Dev Ezi Doz is tired. Play another day!</source>
        <translation>Vivovu Dev Ezi Doz est fatigué. Revenez jouer un autre jour&#xa0;!</translation>
    </message>
    <message>
        <source>You do not have enough money to pay if you lost!</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent pour payer en cas de défaite&#xa0;!</translation>
    </message>
    <message>
        <source>Oh no!</source>
        <translation>Oh non&#xa0;!</translation>
    </message>
    <message>
        <source>Turns: </source>
        <translation>Parties&#xa0;: </translation>
    </message>
    <message>
        <source>Winnings: </source>
        <translation>Victoires&#xa0;: </translation>
    </message>
    <message>
        <source>Loses: </source>
        <translation>Défaites&#xa0;: </translation>
    </message>
    <message>
        <source>Draws: </source>
        <translation>Nuls&#xa0;: </translation>
    </message>
</context>
</TS>
