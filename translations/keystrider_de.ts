<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BattleDisk</name>
    <message>
        <source>%1 was not written: %2.</source>
        <translation>%1 wurde nicht geschrieben: %2.</translation>
    </message>
    <message>
        <source>Your best races are not on it: %1</source>
        <translation>Deine besten Rennen sind nicht darauf: %1</translation>
    </message>
</context>
<context>
    <name>CalendarTab</name>
    <message>
        <source>Shades from nothing typed to the goal met, then a frozen day</source>
        <translation>Abstufungen von „nichts getippt“ bis „Ziel erreicht“, dann ein per Serien-Joker geretteter Tag</translation>
    </message>
    <message>
        <source>Practice goal:</source>
        <translation>Übungsziel:</translation>
    </message>
    <message>
        <source> min a day</source>
        <translation> Min. am Tag</translation>
    </message>
    <message>
        <source>Practice streak:</source>
        <translation>Übungsserie:</translation>
    </message>
    <message>
        <source>Less of the goal met, then more; outlined: today; crossed: a day a streak freeze kept.</source>
        <translation>Erst weniger vom Ziel erreicht, dann mehr; umrandet: heute; durchgestrichen: ein Tag, den ein Serien-Joker gerettet hat.</translation>
    </message>
</context>
<context>
    <name>CalendarView</name>
    <message>
        <source>Week of %1</source>
        <translation>Woche vom %1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
</context>
<context>
    <name>CapsLockNotice</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>Feststelltaste aktiv</translation>
    </message>
</context>
<context>
    <name>Career</name>
    <message>
        <source>You have been promoted to rank %1.</source>
        <translation>Du wurdest auf Rang %1 befördert.</translation>
    </message>
    <message>
        <source>Objectives: To raise to Typist Rank 8 so that</source>
        <translation>Ziel: Steige bis Rang 8 als Schreibkraft auf, damit</translation>
    </message>
    <message>
        <source>you will be hired by QuendleSoft as a typist or</source>
        <translation>QuendleSoft dich als Schreibkraft einstellt, oder</translation>
    </message>
    <message>
        <source>get $25000 cash to bribe QuendleSoft to give you</source>
        <translation>verdiene $25000, um QuendleSoft zu bestechen, dir</translation>
    </message>
    <message>
        <source>the job!</source>
        <translation>den Job zu geben!</translation>
    </message>
    <message>
        <source>Each rank promotion gives you extra days of game!</source>
        <translation>Jede Beförderung bringt dir zusätzliche Spieltage!</translation>
    </message>
    <message>
        <source>You travelled back to Singapore!</source>
        <translation>Du bist nach Singapur zurückgereist!</translation>
    </message>
    <message>
        <source>Your game will end tommorrow.</source>
        <translation>Dein Spiel endet morgen.</translation>
    </message>
    <message>
        <source>Your game has ended...</source>
        <translation>Dein Spiel ist zu Ende ...</translation>
    </message>
    <message>
        <source>with a score of %1!</source>
        <translation>mit %1 Punkten!</translation>
    </message>
</context>
<context>
    <name>CoachPlan</name>
    <message>
        <source>what the coach teaches and the text and target chosen are not kept</source>
        <translation>was der Trainer dir beibringt, der gewählte Text und das Zieltempo werden nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>CoachPlanner</name>
    <message>
        <source>%1 could not be written: what the coach teaches and the text and target chosen are not kept.</source>
        <translation>%1 konnte nicht geschrieben werden: Was der Trainer dir beibringt, der gewählte Text und das Zieltempo werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 could not be written: the keyboard chosen is not kept.</source>
        <translation>%1 konnte nicht geschrieben werden: Die gewählte Tastatur wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The typing statistics are still being read.</source>
        <translation>Die Tippstatistik wird noch gelesen.</translation>
    </message>
    <message>
        <source>Skipped %1: not on this keyboard.</source>
        <translation>%1 übersprungen: nicht auf dieser Tastatur.</translation>
    </message>
    <message>
        <source>Reading the typing statistics...</source>
        <translation>Tippstatistik wird gelesen ...</translation>
    </message>
    <message>
        <source>The keyboard layout changed: the drills are in %1 words now, with %2 keys in play; what you learned in %3 is kept for %3 words.</source>
        <translation>Die Tastaturbelegung hat sich geändert: Die Drills nutzen jetzt Wörter auf %1, mit %2 aktiven Tasten; was du mit Wörtern auf %3 gelernt hast, bleibt für Wörter auf %3 erhalten.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen ...</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>No word to type holds %1.</source>
        <translation>Kein Wort zum Tippen enthält %1.</translation>
    </message>
    <message>
        <source>%1 joins the keys in play.</source>
        <translation>%1 kommt zu den aktiven Tasten hinzu.</translation>
    </message>
    <message numerus="yes">
        <source>%1 join the keys in play.</source>
        <translation>
            <numerusform>%1 kommt zu den aktiven Tasten hinzu.</numerusform>
            <numerusform>%1 kommen zu den aktiven Tasten hinzu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Most keys in play are slower than %1 WPM</source>
        <translation>Die meisten aktiven Tasten sind langsamer als %1 WPM</translation>
    </message>
    <message>
        <source>Most keys in play have sat at %1 WPM or below for %2 drills</source>
        <translation>Die meisten aktiven Tasten liegen seit %2 Drills bei %1 WPM oder darunter</translation>
    </message>
    <message>
        <source>%1: %2 WPM fits your typing now, and &quot;Use %2 WPM&quot; makes it the target.</source>
        <translation>%1: %2 WPM passen jetzt zu deinem Tippen, und „Auf %2 WPM setzen“ macht das zum Zieltempo.</translation>
    </message>
    <message>
        <source>The coach brings in the letters of your words one by one, the most frequent first: a new one joins when every key in play reaches the target speed. Each drill trains the weakest key in play; press Start.</source>
        <translation>Der Trainer führt die Buchstaben deiner Wörter einzeln ein, die häufigsten zuerst: Ein neuer kommt hinzu, sobald jede aktive Taste das Zieltempo erreicht. Jeder Drill trainiert die schwächste aktive Taste; drück auf Start.</translation>
    </message>
    <message>
        <source>%1: confidence %2 % before, %3 % after. Keys in play: %4 of %5.</source>
        <translation>%1: Sicherheit vorher %2 %, nachher %3 %. Aktive Tasten: %4 von %5.</translation>
    </message>
    <message>
        <source> %1 has reached the target.</source>
        <translation> %1 hat das Zieltempo erreicht.</translation>
    </message>
    <message>
        <source>%1 WPM, %2 % accurate. </source>
        <translation>%1 WPM, %2 % Genauigkeit. </translation>
    </message>
    <message>
        <source>You learn %1: each key types what it types there, by its place on your keyboard, and the keys in play, target and history are its own.</source>
        <translation>Du lernst %1: Jede Taste tippt je nach ihrer Stelle auf deiner Tastatur, was sie in dieser Belegung tippt, und aktive Tasten, Zieltempo und Verlauf gelten nur für sie.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be typed on this keyboard, so the Symbols stage leaves it out.</source>
        <translation>%1 kann auf dieser Tastatur nicht getippt werden und entfällt daher in der Stufe „Sonderzeichen“.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be typed on this keyboard, so the Symbols stage leaves them out.</source>
        <translation>%1 können auf dieser Tastatur nicht getippt werden und entfallen daher in der Stufe „Sonderzeichen“.</translation>
    </message>
</context>
<context>
    <name>ConfidenceBars</name>
    <message>
        <source>Confidence</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Confidence: %1</source>
        <translation>Sicherheit: %1</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Typing box</source>
        <translation>Eingabefeld</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>Singapore [$500]</source>
        <translation>Singapur [$500]</translation>
    </message>
    <message>
        <source>You arrived in Singapore!</source>
        <translation>Du bist in Singapur angekommen!</translation>
    </message>
    <message>
        <source>Malaysia [$200]</source>
        <translation>Malaysia [$200]</translation>
    </message>
    <message>
        <source>You arrived in malaysia!</source>
        <translation>Du bist in Malaysia angekommen!</translation>
    </message>
    <message>
        <source>China [$560]</source>
        <translation>China [$560]</translation>
    </message>
    <message>
        <source>You arrived in china!</source>
        <translation>Du bist in China angekommen!</translation>
    </message>
    <message>
        <source>Japan [$700]</source>
        <translation>Japan [$700]</translation>
    </message>
    <message>
        <source>You arrived in japan!</source>
        <translation>Du bist in Japan angekommen!</translation>
    </message>
    <message>
        <source>America [$800]</source>
        <translation>Amerika [$800]</translation>
    </message>
    <message>
        <source>You arrived in america!</source>
        <translation>Du bist in Amerika angekommen!</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>America</source>
        <translation>Amerika</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
</context>
<context>
    <name>DailyPractice</name>
    <message>
        <source>%1 could not be written: the practice goal is not kept.</source>
        <translation>%1 konnte nicht geschrieben werden: Das Übungsziel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Today: %1 of %2 min</source>
        <translation>Heute: %1 von %2 Min.</translation>
    </message>
</context>
<context>
    <name>DayEvents</name>
    <message>
        <source>Another day past...</source>
        <translation>Wieder ein Tag vorbei ...</translation>
    </message>
    <message>
        <source>A peaceful and boring day...</source>
        <translation>Ein friedlicher und langweiliger Tag ...</translation>
    </message>
    <message>
        <source>Someone bumped into you on the street!</source>
        <translation>Jemand hat dich auf der Straße angerempelt!</translation>
    </message>
    <message>
        <source>You discovered that $%1 is stolen!</source>
        <translation>Du hast bemerkt, dass dir $%1 gestohlen wurden!</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Singapore...</source>
        <translation>Gerüchten zufolge gibt es bald einen Wettkampf in Singapur ...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Malaysia...</source>
        <translation>Gerüchten zufolge gibt es bald einen Wettkampf in Malaysia ...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in China...</source>
        <translation>Gerüchten zufolge gibt es bald einen Wettkampf in China ...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in America...</source>
        <translation>Gerüchten zufolge gibt es bald einen Wettkampf in Amerika ...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Japan...</source>
        <translation>Gerüchten zufolge gibt es bald einen Wettkampf in Japan ...</translation>
    </message>
    <message>
        <source>A nice but wonderful boring day...</source>
        <translation>Ein schöner, aber herrlich langweiliger Tag ...</translation>
    </message>
    <message>
        <source>You found a pizza on the ground and stupidly ate it.</source>
        <translation>Du hast eine Pizza auf dem Boden gefunden und dummerweise gegessen.</translation>
    </message>
    <message>
        <source>Therefore, you suffered from food poisoning and pays the</source>
        <translation>Prompt hast du eine Lebensmittelvergiftung und musst dem</translation>
    </message>
    <message>
        <source>doctor $%1!</source>
        <translation>Arzt $%1 zahlen!</translation>
    </message>
    <message>
        <source>While walking along the street kicking pebbles, you found</source>
        <translation>Beim Kieselkicken auf der Straße hast du</translation>
    </message>
    <message>
        <source>$%1 under one of it!</source>
        <translation>$%1 unter einem der Steine gefunden!</translation>
    </message>
    <message>
        <source>A boring an lame day...</source>
        <translation>Ein öder, lahmer Tag ...</translation>
    </message>
    <message>
        <source>You found $%1 while siting on a bus.</source>
        <translation>Du hast im Bus $%1 gefunden.</translation>
    </message>
    <message>
        <source>A man on the bus burnt your $%1 T-shirt with his cigratte.</source>
        <translation>Ein Mann im Bus hat mit seiner Zigarette dein T-Shirt für $%1 verbrannt.</translation>
    </message>
    <message>
        <source>You have no choice but to buy a new one...</source>
        <translation>Dir bleibt nichts anderes übrig, als ein neues zu kaufen ...</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Weak keys</source>
        <translation>Schwache Tasten</translation>
    </message>
    <message>
        <source>Weak pairs</source>
        <translation>Schwache Paare</translation>
    </message>
    <message>
        <source>Mistyped entries</source>
        <translation>Vertippte Wörter</translation>
    </message>
    <message>
        <source>Own text</source>
        <translation>Eigener Text</translation>
    </message>
    <message>
        <source>No mistyped entries left: every one you mistyped has since been typed clean.</source>
        <translation>Keine vertippten Wörter mehr: Jedes Wort, bei dem du dich vertippt hast, hast du inzwischen fehlerfrei getippt.</translation>
    </message>
    <message>
        <source>No mistyped entries yet: practise or race first.</source>
        <translation>Noch keine vertippten Wörter: Übe oder fahr zuerst ein Rennen.</translation>
    </message>
    <message>
        <source>The text is still being read.</source>
        <translation>Der Text wird noch gelesen.</translation>
    </message>
    <message>
        <source>Choose a text to type first.</source>
        <translation>Wähle zuerst einen Text zum Tippen.</translation>
    </message>
    <message>
        <source>No key is in play to build a drill from.</source>
        <translation>Keine aktive Taste, aus der sich ein Drill bauen lässt.</translation>
    </message>
    <message>
        <source>%1 reached %2 WPM</source>
        <translation>%1 hat %2 WPM erreicht</translation>
    </message>
    <message>
        <source>No letter pair of the keys in play has been typed %1 times yet: practise or drill a while first.</source>
        <translation>Noch kein Buchstabenpaar der aktiven Tasten wurde %1-mal getippt: Übe oder mach erst eine Weile Drills.</translation>
    </message>
    <message>
        <source>%1 %2 ms → %3 ms</source>
        <translation>%1 %2 ms → %3 ms</translation>
    </message>
    <message>
        <source>Pairs: %1.</source>
        <translation>Paare: %1.</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>Names can use the letters of Western European languages only, as the game&apos;s files cannot keep other letters. Please type another name.</source>
        <translation>Namen dürfen nur Buchstaben westeuropäischer Sprachen enthalten, da die Dateien des Spiels keine anderen speichern können. Bitte gib einen anderen Namen ein.</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>it is not there</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>it is a folder, a device or a pipe, not a file</source>
        <translation>ein Ordner, ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link, which the game never follows on a battle disk</source>
        <translation>ein symbolischer Link, dem das Spiel auf einer Kampfdiskette nie folgt</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the game reads of it</source>
        <translation>größer als %1, mehr liest das Spiel davon nicht</translation>
    </message>
    <message>
        <source>the system refused it</source>
        <translation>vom System verweigert</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>FolderPrompt</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen ...</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Name</source>
        <translation>Name eingeben</translation>
    </message>
    <message>
        <source>Enter name you want:</source>
        <translation>Gib deinen Wunschnamen ein:</translation>
    </message>
    <message>
        <source>Abandon %1&apos;s career? It has not been saved since it changed.</source>
        <translation>Die Karriere von %1 aufgeben? Sie wurde seit der letzten Änderung nicht gespeichert.</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Wettkampf</translation>
    </message>
    <message>
        <source>Fly away</source>
        <translation>Wegfliegen</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>My Status</source>
        <translation>Mein Status</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Rank:</source>
        <translation>Rang:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Geld:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Tage:</translation>
    </message>
    <message>
        <source>Days left:</source>
        <translation>Resttage:</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <source>Cheat Input</source>
        <translation>Cheat eingeben</translation>
    </message>
    <message>
        <source>Two Playes</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>&amp;Create KVR Competition Disk</source>
        <translation>KVR-Wettkampfdiskette &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Update Status from KVR Competition Disk</source>
        <translation>Status von KVR-Wettkampfdiskette &amp;übernehmen</translation>
    </message>
    <message>
        <source>Competition With Typist in KVR Battle Disk</source>
        <translation>Wettkampf gegen den Gegner auf der KVR-Kampfdiskette</translation>
    </message>
    <message>
        <source>Race the Disk Typist&apos;s Best...</source>
        <translation>Gegen die Bestzeit des Diskettengegners fahren ...</translation>
    </message>
    <message>
        <source>&amp;Others</source>
        <translation>&amp;Sonstiges</translation>
    </message>
    <message>
        <source>Check Competition</source>
        <translation>Wettkämpfe ansehen</translation>
    </message>
    <message>
        <source>Typing &amp;Statistics</source>
        <translation>Tipp&amp;statistik</translation>
    </message>
    <message>
        <source>Typing &amp;Coach</source>
        <translation>Tipp&amp;trainer</translation>
    </message>
    <message>
        <source>&amp;Time machine</source>
        <translation>&amp;Zeitmaschine</translation>
    </message>
    <message>
        <source>&amp;Mysterious Reward Bag</source>
        <translation>&amp;Mysteriöser Glücksbeutel</translation>
    </message>
    <message>
        <source>&amp;Double or Nothing</source>
        <translation>&amp;Doppelt oder nichts</translation>
    </message>
    <message>
        <source>Enter diskette drive letter (eg. a:\) :</source>
        <translation>Laufwerksbuchstaben der Diskette eingeben (z. B. a:\) :</translation>
    </message>
    <message>
        <source>Create KVR Competition Disk</source>
        <translation>KVR-Wettkampfdiskette erstellen</translation>
    </message>
    <message>
        <source>Diskette not found!</source>
        <translation>Diskette nicht gefunden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Wrong KVR Battle Disk!</source>
        <translation>Falsche KVR-Kampfdiskette!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>KVR Battle Disk Created!</source>
        <translation>KVR-Kampfdiskette erstellt!</translation>
    </message>
    <message>
        <source>Status Updated!</source>
        <translation>Status aktualisiert!</translation>
    </message>
    <message>
        <source>The typist on this disk has no race to race: the disk was made before they finished one, or by an older copy of the game.</source>
        <translation>Auf dieser Diskette gibt es kein Rennen zum Nachfahren: Sie wurde erstellt, bevor dort ein Rennen beendet war, oder mit einer älteren Version des Spiels.</translation>
    </message>
    <message>
        <source>Friendly Race</source>
        <translation>Freundschaftsrennen</translation>
    </message>
    <message>
        <source>You have completed your objective by reaching rank 8 so that your boss will hire you!</source>
        <translation>Du hast dein Ziel erreicht: Mit Rang 8 stellt dich dein Chef ein!</translation>
    </message>
    <message>
        <source>You have completed your objective by earning $25000 to bribe your boss to hire you!</source>
        <translation>Du hast dein Ziel erreicht: Mit $25000 bestichst du deinen Chef, damit er dich einstellt!</translation>
    </message>
    <message>
        <source>Your score could not be written to %1.</source>
        <translation>Deine Punktzahl konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Game Over! Time&apos;s Up!</source>
        <translation>Game Over! Die Zeit ist um!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Game Over</translation>
    </message>
    <message>
        <source>You failed your objectives! You are a loser!</source>
        <translation>Du hast deine Ziele verfehlt! Du bist ein Verlierer!</translation>
    </message>
    <message>
        <source>Loser!</source>
        <translation>Verloren!</translation>
    </message>
    <message>
        <source>Time Machine</source>
        <translation>Zeitmaschine</translation>
    </message>
    <message>
        <source>How many days you want to travel back in time?</source>
        <translation>Wie viele Tage willst du in der Zeit zurückreisen?</translation>
    </message>
    <message>
        <source>You do not have enough money!</source>
        <translation>Du hast nicht genug Geld!</translation>
    </message>
    <message>
        <source>The time machine cannot take you that far!</source>
        <translation>So weit kann dich die Zeitmaschine nicht bringen!</translation>
    </message>
    <message>
        <source>Mysterious Reward Bag</source>
        <translation>Mysteriöser Glücksbeutel</translation>
    </message>
    <message>
        <source>Drawing Mysterious Reward bag...</source>
        <translation>Du greifst in den mysteriösen Glücksbeutel ...</translation>
    </message>
    <message>
        <source>Enter cheat:</source>
        <translation>Cheat eingeben:</translation>
    </message>
    <message>
        <source>Cheat?</source>
        <translation>Cheat?</translation>
    </message>
    <message>
        <source>No such cheat!</source>
        <translation>Diesen Cheat gibt es nicht!</translation>
    </message>
    <message>
        <source>Not enough money!</source>
        <translation>Nicht genug Geld!</translation>
    </message>
    <message>
        <source>Pok Kia!</source>
        <translation>Pleite!</translation>
    </message>
    <message>
        <source>Are you sure you want to fly there?</source>
        <translation>Willst du wirklich dorthin fliegen?</translation>
    </message>
    <message>
        <source>Fly!</source>
        <translation>Abflug!</translation>
    </message>
</context>
<context>
    <name>GhostWords</name>
    <message>
        <source>1 entry</source>
        <translation>1 Wort</translation>
    </message>
    <message>
        <source>%1 short</source>
        <translation>%1</translation>
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
        <translation>vor</translation>
    </message>
    <message>
        <source>behind</source>
        <translation>hinter</translation>
    </message>
    <message>
        <source>level with %1</source>
        <translation>gleichauf mit %1</translation>
    </message>
    <message>
        <source>To the finish in %1</source>
        <translation>Im Ziel nach %1</translation>
    </message>
    <message>
        <source>, as fast as your best</source>
        <translation>, genau deine Bestzeit</translation>
    </message>
    <message>
        <source>, %1 %2 than your best</source>
        <translation>, %1 %2 als deine Bestzeit</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>schneller</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>langsamer</translation>
    </message>
    <message>
        <source>%1 of the finish</source>
        <translation>%1 vor dem Ziel</translation>
    </message>
    <message>
        <source>, your best finished in %1</source>
        <translation>, deine Bestzeit war %1</translation>
    </message>
    <message>
        <source>, your best was %1</source>
        <translation>, deine beste Fahrt endete %1 vor dem Ziel</translation>
    </message>
    <message>
        <source>, your first race at this level.</source>
        <translation>, dein erstes Rennen auf dieser Stufe.</translation>
    </message>
    <message>
        <source> New best!</source>
        <translation> Neue Bestleistung!</translation>
    </message>
    <message>
        <source>You and %1 were as fast as each other, %2 to the finish.</source>
        <translation>Du und %1 wart gleich schnell: %2 bis ins Ziel.</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 gegen %2</translation>
    </message>
    <message>
        <source>You were faster than %1, by %2 (%3).</source>
        <translation>Du warst schneller als %1, um %2 (%3).</translation>
    </message>
    <message>
        <source>%1 was faster, by %2 (%3).</source>
        <translation>%1 war schneller, um %2 (%3).</translation>
    </message>
    <message>
        <source>You were faster than %1, who did not reach the finish: you were there in %2, %1 %3 of it.</source>
        <translation>Du warst schneller als %1, denn nur du kamst ins Ziel: Du nach %2, %1 blieb %3 davor.</translation>
    </message>
    <message>
        <source>%1 was faster, finishing in %2; you did not reach the finish, %3 of it.</source>
        <translation>%1 war schneller und nach %2 im Ziel; du bist nicht ins Ziel gekommen, sondern %3 davor geblieben.</translation>
    </message>
    <message>
        <source>Neither of you reached the finish, and you got as far as %1: %2 of it.</source>
        <translation>Keiner von euch kam ins Ziel, du kamst genauso weit wie %1: %2 davor.</translation>
    </message>
    <message>
        <source>(%1 short against %2)</source>
        <translation>(%1 gegen %2 vor dem Ziel)</translation>
    </message>
    <message>
        <source>Neither of you reached the finish; you got %1 farther than %2 %3.</source>
        <translation>Keiner von euch kam ins Ziel; du kamst %1 weiter als %2 %3.</translation>
    </message>
    <message>
        <source>Neither of you reached the finish; %1 got %2 farther %3.</source>
        <translation>Keiner von euch kam ins Ziel; %1 kam %2 weiter %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyLadder</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>%1, confidence %2 %</source>
        <translation>%1, Sicherheit %2 %</translation>
    </message>
    <message>
        <source>%1, not in play yet</source>
        <translation>%1, noch nicht aktiv</translation>
    </message>
    <message>
        <source>Focus of the drills</source>
        <translation>Fokus der Drills</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Auslassen</translation>
    </message>
    <message>
        <source>%1, the focus of the drills until you clear it</source>
        <translation>%1, Fokus der Drills, bis du ihn aufhebst</translation>
    </message>
    <message>
        <source>%1, left out of the drills</source>
        <translation>%1, in den Drills ausgelassen</translation>
    </message>
</context>
<context>
    <name>KeyTries</name>
    <message>
        <source>%1 is not getting more accurate yet.</source>
        <translation>%1 wird noch nicht genauer.</translation>
    </message>
    <message>
        <source>%1 is not getting faster yet.</source>
        <translation>%1 wird noch nicht schneller.</translation>
    </message>
    <message>
        <source>%1 is not fast enough for %2 WPM yet: %3 ms a key at best lately, %4 ms needed.</source>
        <translation>%1 ist noch nicht schnell genug für %2 WPM: zuletzt bestenfalls %3 ms pro Taste, nötig sind %4 ms.</translation>
    </message>
    <message>
        <source>%1 is missed too often to pass yet: %2 % at best lately, %3 % at most.</source>
        <translation>%1 wird noch zu oft verfehlt: zuletzt bestenfalls %2 %, höchstens %3 % sind erlaubt.</translation>
    </message>
    <message>
        <source>One more drill of %1 will show how fast it is rising.</source>
        <translation>Noch ein Drill mit %1 zeigt, wie schnell sich die Taste verbessert.</translation>
    </message>
    <message>
        <source>%1 is rising, but more than ten drills from the target at this pace.</source>
        <translation>%1 wird besser, ist bei diesem Tempo aber noch mehr als zehn Drills vom Zieltempo entfernt.</translation>
    </message>
    <message>
        <source>About one more drill of %1 to reach the target.</source>
        <translation>Etwa noch ein Drill mit %1 bis zum Zieltempo.</translation>
    </message>
    <message>
        <source>every other drill</source>
        <translation>jeden zweiten Drill</translation>
    </message>
    <message>
        <source>every third drill</source>
        <translation>jeden dritten Drill</translation>
    </message>
    <message>
        <source>every fourth drill</source>
        <translation>jeden vierten Drill</translation>
    </message>
    <message>
        <source>%1 is still %2 (%3 %): %4 joins so you go on; %1 comes back every other drill.</source>
        <translation>%1 ist noch %2 (%3 %): %4 kommt hinzu, damit es weitergeht; %1 kommt jeden zweiten Drill wieder.</translation>
    </message>
    <message>
        <source>missed too often</source>
        <translation>zu oft verfehlt</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>zu langsam</translation>
    </message>
    <message>
        <source>%1, confidence %2 %, comes back %3: %4 ms a key against %5 ms for %6 WPM, missed %7 % against %8 % at most</source>
        <translation>%1, Sicherheit %2 %, kommt %3 wieder: %4 ms pro Taste gegenüber %5 ms für %6 WPM, %7 % verfehlt gegenüber höchstens %8 %</translation>
    </message>
    <message numerus="yes">
        <source>About %n more drills of %1 to reach the target.</source>
        <translation>
            <numerusform>Etwa noch ein Drill mit %1 bis zum Zieltempo.</numerusform>
            <numerusform>Etwa noch %n Drills mit %1 bis zum Zieltempo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Backspace</source>
        <translation>Rück</translation>
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
        <translation>Feststell</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
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
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Bild↑</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translation>Bild↓</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>linker kleiner Finger</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>linker Ringfinger</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>linker Mittelfinger</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>linker Zeigefinger</translation>
    </message>
    <message>
        <source>thumb</source>
        <translation>Daumen</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>rechter Zeigefinger</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>rechter Mittelfinger</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>rechter Ringfinger</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>rechter kleiner Finger</translation>
    </message>
</context>
<context>
    <name>KeyboardChooser</name>
    <message>
        <source>System keyboard</source>
        <translation>Systemtastatur</translation>
    </message>
</context>
<context>
    <name>KeyboardView</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Next key: %1, not on this keyboard</source>
        <translation>Nächste Taste: %1, nicht auf dieser Tastatur</translation>
    </message>
    <message>
        <source>Next key: %1, type %2, %3</source>
        <translation>Nächste Taste: %1, tippe %2, %3</translation>
    </message>
    <message>
        <source>Next key: %1, %2</source>
        <translation>Nächste Taste: %1, %2</translation>
    </message>
    <message>
        <source>, with right Shift</source>
        <translation>, mit rechter Umschalttaste</translation>
    </message>
    <message>
        <source>, with left Shift</source>
        <translation>, mit linker Umschalttaste</translation>
    </message>
    <message>
        <source>, with AltGr</source>
        <translation>, mit AltGr</translation>
    </message>
    <message>
        <source>, then %1</source>
        <translation>, dann %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
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
        <translation>Am häufigsten verfehlte Tasten</translation>
    </message>
    <message>
        <source>Slowest keys</source>
        <translation>Langsamste Tasten</translation>
    </message>
    <message>
        <source>Slowest pairs</source>
        <translation>Langsamste Paare</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>A key is ranked once it has come up %1 times.</source>
        <translation>Eine Taste kommt in die Wertung, sobald sie %1-mal vorgekommen ist.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verfehlt</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation>Fehlerquote</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Mittlere Zeit</translation>
    </message>
    <message>
        <source>Times timed</source>
        <translation>Mal gemessen</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Miss rate</source>
        <translation>&amp;Fehlerquote</translation>
    </message>
    <message>
        <source>Typing t&amp;ime</source>
        <translation>T&amp;ippzeit</translation>
    </message>
    <message>
        <source>Practise &amp;These Keys</source>
        <translation>Diese Tasten &amp;üben</translation>
    </message>
    <message>
        <source>Practise These Keys</source>
        <translation>Diese Tasten üben</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Slower by</source>
        <translation>Langsamer um</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>A pair&apos;s time above its second key&apos;s own time, and how common it is in the coach&apos;s words: the slowest first.</source>
        <translation>Wie viel länger ein Paar dauert als seine zweite Taste allein und wie häufig es in den Wörtern des Trainers vorkommt: die langsamsten zuerst.</translation>
    </message>
    <message>
        <source>Mean time (ms)</source>
        <translation>Mittlere Zeit (ms)</translation>
    </message>
    <message>
        <source>Miss rate (%)</source>
        <translation>Fehlerquote (%)</translation>
    </message>
    <message>
        <source>%1 on average, %2 times timed</source>
        <translation>%1 im Schnitt, %2-mal gemessen</translation>
    </message>
    <message>
        <source>%1 missed, %2 of %3</source>
        <translation>%1 verfehlt, %2 von %3</translation>
    </message>
    <message>
        <source>Typed instead</source>
        <translation>Stattdessen getippt</translation>
    </message>
    <message>
        <source>The key typed where a run of wrong keys began, for the key due there: the most often first.</source>
        <translation>Die Taste, mit der eine Folge falscher Anschläge begann, und die Taste, die dort dran war: die häufigsten zuerst.</translation>
    </message>
    <message>
        <source>%1 for %2: once</source>
        <translation>%1 statt %2: einmal</translation>
    </message>
    <message>
        <source>%1 for %2: %3 times</source>
        <translation>%1 statt %2: %3-mal</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>From the next start, Keystrider speaks the language of your desktop.</source>
        <translation>Ab dem nächsten Start spricht Keystrider die Sprache deines Desktops.</translation>
    </message>
    <message>
        <source>From the next start, Keystrider speaks %1.</source>
        <extracomment>%1 is the language&apos;s own name: English, Deutsch, Français, …</extracomment>
        <translation>Ab dem nächsten Start spricht Keystrider %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the language of the desktop</comment>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>LanguageWords</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>The %1 word list %2: the coach makes up words instead.</source>
        <translation>Die Wortliste für %1 %2: Der Trainer erfindet stattdessen Wörter.</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>ist zu groß</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>ist beschädigt</translation>
    </message>
    <message>
        <source>holds no words</source>
        <translation>enthält keine Wörter</translation>
    </message>
    <message>
        <source>The coach has no word list for that language: it makes up words instead.</source>
        <translation>Der Trainer hat keine Wortliste für diese Sprache: Er erfindet stattdessen Wörter.</translation>
    </message>
    <message>
        <source> The coach makes up words instead.</source>
        <translation> Der Trainer erfindet stattdessen Wörter.</translation>
    </message>
    <message>
        <source>The coach has no word list in the keyboard layout&apos;s language: it drills English words. &quot;Words:&quot; chooses another language.</source>
        <translation>Der Trainer hat keine Wortliste in der Sprache der Tastaturbelegung: Die Drills nutzen englische Wörter. Unter „Wörter:“ wählst du eine andere Sprache.</translation>
    </message>
</context>
<context>
    <name>OwnText</name>
    <message>
        <source>%1 is not there: it may have been moved, renamed or deleted.</source>
        <translation>%1 ist nicht da: Die Datei wurde vielleicht verschoben, umbenannt oder gelöscht.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 ist keine Textdatei.</translation>
    </message>
    <message>
        <source>%1 holds no text to type.</source>
        <translation>%1 enthält keinen Text zum Tippen.</translation>
    </message>
    <message>
        <source>%1 is too large: the coach takes texts up to 16 MB.</source>
        <translation>%1 ist zu groß: Der Trainer nimmt Texte bis 16 MB.</translation>
    </message>
</context>
<context>
    <name>PlaceKeeper</name>
    <message>
        <source>where you stop in this text is not kept</source>
        <translation>wo du in diesem Text aufhörst, wird nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>You took %1s to type %2 words in %3 level with %4 mistakes.</source>
        <translation>Du hast %1 s gebraucht, um %2 Wörter auf Stufe „%3“ mit %4 Fehlern zu tippen.</translation>
    </message>
</context>
<context>
    <name>PracticeCalendar</name>
    <message>
        <source>nothing typed</source>
        <translation>nichts getippt</translation>
    </message>
    <message>
        <source>%1 min typed, %2 WPM, %3 accurate</source>
        <translation>%1 Min. getippt, %2 WPM, %3 Genauigkeit</translation>
    </message>
    <message>
        <source>, goal of %1 min met</source>
        <translation>, Ziel von %1 Min. erreicht</translation>
    </message>
    <message>
        <source>, a streak freeze kept the streak</source>
        <translation>, ein Serien-Joker hat die Serie gerettet</translation>
    </message>
    <message>
        <source> (today)</source>
        <translation> (heute)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PracticeGoal</name>
    <message>
        <source>the practice goal is not kept</source>
        <translation>das Übungsziel wird nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>PracticeLevel</name>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Coming along well</source>
        <translation>Gute Fortschritte</translation>
    </message>
    <message>
        <source>Coming Along Well</source>
        <translation>Gute Fortschritte</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
</context>
<context>
    <name>PracticeStreak</name>
    <message>
        <source>%1 %2, best %3; %4 of %5 streak freezes held</source>
        <translation>%1 %2, Rekord %3; %4 von %5 Serien-Jokern übrig</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days, best %1; %2 of %3 streak freezes held</source>
        <translation>
            <numerusform>%n Tag, Rekord %1; %2 von %3 Serien-Jokern übrig</numerusform>
            <numerusform>%n Tage, Rekord %1; %2 von %3 Serien-Jokern übrig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Check that you may write there, or set XDG_DATA_HOME to a folder of your own.</source>
        <translation>Prüfe, ob du dort schreiben darfst, oder setze XDG_DATA_HOME auf einen eigenen Ordner.</translation>
    </message>
    <message>
        <source>Keystrider cannot create the folder for your files:
%1</source>
        <translation>Keystrider kann den Ordner für deine Dateien nicht anlegen:
%1</translation>
    </message>
    <message>
        <source>Keystrider cannot write in the folder for your files:
%1</source>
        <translation>Keystrider kann nicht in den Ordner für deine Dateien schreiben:
%1</translation>
    </message>
    <message>
        <source>Keystrider cannot copy %1 into the folder for your files:
%2</source>
        <translation>Keystrider kann %1 nicht in den Ordner für deine Dateien kopieren:
%2</translation>
    </message>
</context>
<context>
    <name>ReplayBook</name>
    <message>
        <source>%1 could not be read: line %2 is damaged.</source>
        <translation>%1 konnte nicht gelesen werden: Zeile %2 ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>ReplaysFile</name>
    <message>
        <source>%1 could not be written: another copy of the game kept it busy.</source>
        <translation>%1 konnte nicht geschrieben werden: Eine andere laufende Kopie des Spiels hat die Datei blockiert.</translation>
    </message>
    <message>
        <source>your replays stay as they were</source>
        <translation>deine Aufzeichnungen bleiben, wie sie waren</translation>
    </message>
</context>
<context>
    <name>RewardBag</name>
    <message>
        <source>Nothing happened!</source>
        <translation>Nichts passiert!</translation>
    </message>
    <message>
        <source>You drew out $20 cash!</source>
        <translation>Du hast $20 gezogen!</translation>
    </message>
    <message>
        <source>You found that you are suddenly more experienced...</source>
        <translation>Du fühlst dich plötzlich erfahrener ...</translation>
    </message>
    <message>
        <source>You drew out $40 cash!</source>
        <translation>Du hast $40 gezogen!</translation>
    </message>
    <message>
        <source>You drew out $50 cash!</source>
        <translation>Du hast $50 gezogen!</translation>
    </message>
    <message>
        <source>A ghost snatched $50 from you!</source>
        <translation>Ein Geist hat dir $50 geklaut!</translation>
    </message>
    <message>
        <source>A ghost snatched $20 from you!</source>
        <translation>Ein Geist hat dir $20 geklaut!</translation>
    </message>
    <message>
        <source>You drew out $100 cash!</source>
        <translation>Du hast $100 gezogen!</translation>
    </message>
    <message>
        <source>A big explosion happened. You found that you have been thrown back in time by 2 days!</source>
        <translation>Eine gewaltige Explosion! Sie hat dich 2 Tage in der Zeit zurückgeworfen!</translation>
    </message>
    <message>
        <source>A big explosion happened. You found that you have been thrown forward in time by 1 days!</source>
        <translation>Eine gewaltige Explosion! Sie hat dich 1 Tag in der Zeit vorwärtsgeschleudert!</translation>
    </message>
    <message>
        <source>You found that you are suddenly less experienced...</source>
        <translation>Du fühlst dich plötzlich weniger erfahren ...</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>training</source>
        <translation>Trainingspunkte</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: the file could not be read.</source>
        <translation>%1 kann nicht geladen werden: Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: %2.</source>
        <translation>%1 kann nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: it holds fewer than the six fields of a saved game.</source>
        <translation>%1 kann nicht geladen werden: Die Datei hat weniger als die sechs Felder eines Spielstands.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: its %2 is not a whole number.</source>
        <translation>%1 kann nicht geladen werden: Der Wert für „%2“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: its %2 is beyond what the game can hold.</source>
        <translation>%1 kann nicht geladen werden: Der Wert für „%2“ ist zu groß für das Spiel.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: a quoted text in it never ends.</source>
        <translation>%1 kann nicht geladen werden: Ein Text in Anführungszeichen darin endet nie.</translation>
    </message>
</context>
<context>
    <name>SavesDialog</name>
    <message>
        <source>Saved games</source>
        <translation>Spielstände</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>No path name given.</source>
        <translation>Kein Pfad angegeben.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer copy of the game, so it is left as it is: %2.</source>
        <translation>%1 stammt von einer neueren Version des Spiels und bleibt daher unverändert: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept, so it is left as it is: %2.</source>
        <translation>%1 ist beschädigt, und es konnte keine Kopie davon angelegt werden, daher bleibt die Datei unverändert: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is kept as %2, and what could be read of it is used.</source>
        <translation>%1 war beschädigt: Die Datei wurde als %2 aufbewahrt, und was lesbar war, wird verwendet.</translation>
    </message>
    <message>
        <source>the keyboard chosen is not kept</source>
        <translation>die gewählte Tastatur wird nicht gespeichert</translation>
    </message>
    <message>
        <source>the sound settings chosen are not kept</source>
        <translation>die gewählten Toneinstellungen werden nicht gespeichert</translation>
    </message>
    <message>
        <source>the language chosen is not kept</source>
        <translation>die gewählte Sprache wird nicht behalten</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>So&amp;und</source>
        <translation>S&amp;ound</translation>
    </message>
    <message>
        <source>&amp;Game sounds</source>
        <translation>&amp;Spielgeräusche</translation>
    </message>
    <message>
        <source>&amp;Wrong-key tick</source>
        <translation>&amp;Fehlerton</translation>
    </message>
    <message>
        <source>&amp;Key clicks</source>
        <translation>&amp;Tastenklicks</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Lautstärke</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>St&amp;umm</translation>
    </message>
</context>
<context>
    <name>StatsExport</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Career</source>
        <translation>Karriere</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Speed (WPM)</source>
        <translation>Tempo (WPM)</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>StatsModule</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 fehlt.</translation>
    </message>
    <message>
        <source>The typing statistics could not be opened: %1</source>
        <translation>Die Tippstatistik konnte nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>StatsRecorder</name>
    <message>
        <source>stats.dat could not be written: this exercise or race, and the ones after it, are left out of the typing statistics.</source>
        <translation>stats.dat konnte nicht geschrieben werden: Diese Übung oder dieses Rennen und alle danach fehlen in der Tippstatistik.</translation>
    </message>
</context>
<context>
    <name>TextSize</name>
    <message>
        <source>the text size chosen is not kept</source>
        <translation>die gewählte Textgröße wird nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>That will be $%1. Are you sure?</source>
        <translation>Das kostet $%1. Bist du sicher?</translation>
    </message>
</context>
<context>
    <name>TodayBar</name>
    <message>
        <source>Today&apos;s practice</source>
        <translation>Heutige Übung</translation>
    </message>
</context>
<context>
    <name>WeakKeysDrill</name>
    <message>
        <source>%1 and %2 are often typed for each other: they come in neighbouring words.</source>
        <translation>%1 und %2 werden oft verwechselt: Sie kommen in benachbarten Wörtern vor.</translation>
    </message>
</context>
<context>
    <name>frmcars</name>
    <message>
        <source>Competition! Car Race!</source>
        <translation>Wettkampf! Autorennen!</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Your Car</source>
        <translation>Dein Auto</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Blind Mode</source>
        <translation>Blindmodus</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>You lost!!!</source>
        <translation>Verloren!!!</translation>
    </message>
    <message>
        <source>Too bad!</source>
        <translation>Schade!</translation>
    </message>
    <message>
        <source>You won! Price money is for you!</source>
        <translation>Gewonnen! Das Preisgeld gehört dir!</translation>
    </message>
    <message>
        <source>So good!</source>
        <translation>Super!</translation>
    </message>
    <message>
        <source>Your best</source>
        <translation>Deine Bestzeit</translation>
    </message>
    <message>
        <source>Race my best</source>
        <translation>Gegen meine Bestzeit</translation>
    </message>
    <message>
        <source>your best</source>
        <translation>deiner Bestzeit</translation>
    </message>
    <message>
        <source>Friendly Race</source>
        <translation>Freundschaftsrennen</translation>
    </message>
    <message>
        <source>%1&apos;s best</source>
        <translation>Bestzeit von %1</translation>
    </message>
    <message>
        <source>A friendly race against %1&apos;s best: no fee, no prize.</source>
        <translation>Ein Freundschaftsrennen gegen die Bestzeit von %1: keine Gebühr, kein Preis.</translation>
    </message>
</context>
<context>
    <name>frmcoach</name>
    <message>
        <source>Choose a Text to Type</source>
        <translation>Text zum Tippen wählen</translation>
    </message>
    <message>
        <source>Texts (*.txt);;All files (*)</source>
        <translation>Texte (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Typing Coach</source>
        <translation>Tipptrainer</translation>
    </message>
    <message>
        <source>Today&apos;s practice goal of %1 min is met.</source>
        <translation>Das heutige Übungsziel von %1 Min. ist erreicht.</translation>
    </message>
    <message>
        <source>Focus pairs:</source>
        <translation>Fokuspaare:</translation>
    </message>
    <message>
        <source>Focus key:</source>
        <translation>Fokustaste:</translation>
    </message>
    <message>
        <source>Use %1 WPM</source>
        <translation>Auf %1 WPM setzen</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 WPM</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>Choose Text...</source>
        <translation>Text wählen ...</translation>
    </message>
    <message>
        <source>Target speed:</source>
        <translation>Zieltempo:</translation>
    </message>
    <message>
        <source> WPM</source>
        <translation> WPM</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Setzen</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Practice goal:</source>
        <translation>Übungsziel:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tippe:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Genauigkeit:</translation>
    </message>
    <message>
        <source>Keyboard layout:</source>
        <translation>Tastaturbelegung:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Capitals</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Satzzeichen</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Tasten:</translation>
    </message>
    <message>
        <source>As the desktop types</source>
        <translation>Wie im Desktop eingestellt</translation>
    </message>
    <message>
        <source>Layout to learn:</source>
        <translation>Zu lernende Belegung:</translation>
    </message>
    <message>
        <source>%1 can&apos;t be compiled on this system, so it can&apos;t be learnt here.</source>
        <translation>Die Belegung %1 lässt sich auf diesem System nicht kompilieren, daher kannst du sie hier nicht lernen.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Sonderzeichen</translation>
    </message>
    <message>
        <source>Space or a click makes a key in play the focus of the drills until you clear it the same way; the context menu also leaves a key out of the drills.</source>
        <translation>Mit der Leertaste oder einem Klick wird eine aktive Taste zum Fokus der Drills, bis du ihn auf dieselbe Weise aufhebst; über das Kontextmenü kannst du eine Taste außerdem in den Drills auslassen.</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Auslassen</translation>
    </message>
    <message>
        <source>Leaves %1 out of the drills</source>
        <translation>Lässt %1 in den Drills aus</translation>
    </message>
</context>
<context>
    <name>frmcomp</name>
    <message>
        <source>Competition List</source>
        <translation>Wettkampfliste</translation>
    </message>
    <message>
        <source>List of World Competitions</source>
        <translation>Wettkämpfe weltweit</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Grand Price</source>
        <translation>Hauptpreis</translation>
    </message>
    <message>
        <source>Double click the competition you want to join.</source>
        <translation>Doppelklicke auf den Wettkampf deiner Wahl.</translation>
    </message>
    <message>
        <source>You are at the wrong country!</source>
        <translation>Du bist im falschen Land!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>You do not have enough money to join the competition!</source>
        <translation>Du hast nicht genug Geld für die Teilnahme!</translation>
    </message>
</context>
<context>
    <name>frmdisk</name>
    <message>
        <source>KVR Battle Disk Competition</source>
        <translation>KVR-Kampfdisketten-Wettkampf</translation>
    </message>
    <message>
        <source>You:</source>
        <translation>Du:</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Disk Character:</source>
        <translation>Diskettengegner:</translation>
    </message>
    <message>
        <source>Disk Character</source>
        <translation>Diskettengegner</translation>
    </message>
    <message>
        <source>I won! Thanks for the $25, disk character!</source>
        <translation>Gewonnen! Danke für die $25, Diskettengegner!</translation>
    </message>
    <message>
        <source>Disk character won! Thanks for the $25!</source>
        <translation>Der Diskettengegner hat gewonnen! Danke für die $25!</translation>
    </message>
    <message>
        <source>WOW!</source>
        <translation>WOW!</translation>
    </message>
</context>
<context>
    <name>frmgame</name>
    <message>
        <source>Double Or Nothing!</source>
        <translation>Doppelt oder nichts!</translation>
    </message>
    <message>
        <source>Double Or nothing!</source>
        <translation>Doppelt oder nichts!</translation>
    </message>
    <message>
        <source>To play, place a certain amount of sum of money as a bet to start, if you win, you will have 2 times the money. If you lost, try again. After each bet, you can claim your money or gamble again to see if you can double it! If you lost, well, too bad!</source>
        <translation>So wird gespielt: Setze zuerst einen Geldbetrag. Gewinnst du, verdoppelt sich das Geld. Verlierst du, versuch es noch mal. Nach jeder Wette kannst du dein Geld einstreichen oder weiterspielen, um es noch einmal zu verdoppeln! Und wenn du verlierst – tja, Pech gehabt!</translation>
    </message>
    <message>
        <source>Start Gamble</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Your Cash:</source>
        <translation>Dein Geld:</translation>
    </message>
    <message>
        <source>Bet Amount:</source>
        <translation>Einsatz:</translation>
    </message>
    <message>
        <source>Bet Amount</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Play!</source>
        <translation>Spielen!</translation>
    </message>
    <message>
        <source>Gambling...</source>
        <translation>Es wird gespielt ...</translation>
    </message>
    <message>
        <source>Current Sum:</source>
        <translation>Summe jetzt:</translation>
    </message>
    <message>
        <source>Claim Money</source>
        <translation>Einstreichen</translation>
    </message>
    <message>
        <source>Continue Betting</source>
        <translation>Weiterwetten</translation>
    </message>
    <message>
        <source>You do not have enough money!</source>
        <translation>Du hast nicht genug Geld!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>You cannot hold that much money! Spend some, then claim it.</source>
        <translation>So viel Geld kannst du nicht halten! Gib erst etwas aus, dann streich es ein.</translation>
    </message>
    <message>
        <source>Your sum cannot grow any bigger! Claim your money.</source>
        <translation>Deine Summe kann nicht mehr wachsen! Streich dein Geld ein.</translation>
    </message>
    <message>
        <source>You lost! All your bet money is gone!</source>
        <translation>Verloren! Dein ganzer Einsatz ist weg!</translation>
    </message>
    <message>
        <source>Too bad!</source>
        <translation>Schade!</translation>
    </message>
</context>
<context>
    <name>frmp</name>
    <message>
        <source>Practice Typing!</source>
        <translation>Tippen üben!</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Word/Phrase :</source>
        <translation>Wort/Satz:</translation>
    </message>
    <message>
        <source>Word(s)/Phrase(s) left:</source>
        <translation>Übrige Wörter/Sätze:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>frmstart</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>frmstats</name>
    <message>
        <source>exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>race</source>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>Typing Statistics</source>
        <translation>Tippstatistik</translation>
    </message>
    <message>
        <source>Only the &amp;current career</source>
        <translation>Nur die &amp;aktuelle Karriere</translation>
    </message>
    <message>
        <source>Only the current career</source>
        <translation>Nur die aktuelle Karriere</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren ...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren ...</translation>
    </message>
    <message>
        <source>Statistics pages</source>
        <translation>Statistikseiten</translation>
    </message>
    <message>
        <source>Speed (WPM)</source>
        <translation>Tempo (WPM)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Genauigkeit (%)</translation>
    </message>
    <message>
        <source>Exercise, race or drill, oldest first</source>
        <translation>Übung, Rennen oder Drill, älteste zuerst</translation>
    </message>
    <message>
        <source>Speed and accuracy over time</source>
        <translation>Tempo und Genauigkeit im Zeitverlauf</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>Entries mistyped most</source>
        <translation>Am häufigsten vertippte Wörter</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Times mistyped</source>
        <translation>Mal vertippt</translation>
    </message>
    <message>
        <source>&amp;Entries</source>
        <translation>&amp;Wörter</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <source>Export Typing Statistics</source>
        <translation>Tippstatistik exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Reading the records…</source>
        <translation>Protokoll wird gelesen …</translation>
    </message>
    <message>
        <source>No exercise or race recorded yet.</source>
        <translation>Noch keine Übung und kein Rennen erfasst.</translation>
    </message>
    <message>
        <source>%1 recorded, %2 of typing. Average speed %3 WPM, best %4 WPM; accuracy of the last ten %5.</source>
        <translation>%1 erfasst, Tippzeit %2. Tempo im Schnitt %3 WPM, bestes %4 WPM; Genauigkeit der letzten zehn %5.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>unreadable line skipped.</source>
        <translation>unlesbare Zeile übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n exercises</source>
        <translation>
            <numerusform>%n Übung</numerusform>
            <numerusform>%n Übungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n races</source>
        <translation>
            <numerusform>%n Rennen</numerusform>
            <numerusform>%n Rennen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills</source>
        <translation>
            <numerusform>%n Drill</numerusform>
            <numerusform>%n Drills</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable lines skipped.</source>
        <translation>
            <numerusform>%n unlesbare Zeile übersprungen.</numerusform>
            <numerusform>%n unlesbare Zeilen übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Belegung:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Alle Belegungen</translation>
    </message>
</context>
<context>
    <name>loa</name>
    <message>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>File loaded!</source>
        <translation>Datei geladen!</translation>
    </message>
    <message>
        <source>Loaded.</source>
        <translation>Geladen.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Keystrider %1, a typing game: build a typist&apos;s career through practice, races and duels.</source>
        <translation>Keystrider %1, ein Tippspiel: Baue eine Karriere als Schreibkraft auf – mit Übungen, Rennen und Duellen.</translation>
    </message>
    <message>
        <source>keystrider: the game takes no arguments; see keystrider --help</source>
        <translation>keystrider: Das Spiel nimmt keine Argumente an; siehe keystrider --help</translation>
    </message>
</context>
<context>
    <name>sav</name>
    <message>
        <source>Save Game...</source>
        <translation>Spiel speichern ...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>A game can&apos;t be saved as &quot;%1&quot;. Choose a name without &quot;/&quot; that is not too long.</source>
        <translation>Ein Spiel kann nicht als „%1“ gespeichert werden. Wähle einen nicht zu langen Namen ohne „/“.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>A game can&apos;t be saved as &quot;%1&quot;: a name that begins with a dot makes a hidden file, which the Load list does not show. Choose another name.</source>
        <translation>Ein Spiel kann nicht als „%1“ gespeichert werden: Ein Name, der mit einem Punkt beginnt, ergibt eine versteckte Datei, die die Liste zum Laden nicht zeigt. Wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1.kvr holds another saved game. Replace it?</source>
        <translation>%1.kvr enthält schon einen anderen Spielstand. Ersetzen?</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.kvr. Any game saved under that name before is unchanged.</source>
        <translation>Das Spiel konnte nicht als %1.kvr gespeichert werden. Ein früher unter diesem Namen gespeichertes Spiel bleibt unverändert.</translation>
    </message>
    <message>
        <source>File saved!</source>
        <translation>Datei gespeichert!</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Gespeichert.</translation>
    </message>
</context>
<context>
    <name>tictac</name>
    <message>
        <source>Quendle&apos;s Tic Tac Toe</source>
        <translation>Quendles Tic Tac Toe</translation>
    </message>
    <message>
        <source>Start / Reset</source>
        <translation>Start / Neu</translation>
    </message>
    <message>
        <source>Comp Move First</source>
        <translation>Computer beginnt</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Niederlagen</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Strategy Learned!</source>
        <translation>Strategie gelernt!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Win vivovu Dev Ezi Doz to win $25 bucks! If you lost, then he will only take $5 bucks from you.</source>
        <translation>Besiege Vivovu Dev Ezi Doz und gewinne $25! Verlierst du, nimmt er dir nur $5 ab.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Your Sign:</source>
        <translation>Dein Zeichen:</translation>
    </message>
    <message>
        <source>Comp&apos;s Sign:</source>
        <translation>Computer-Zeichen:</translation>
    </message>
    <message>
        <source>Your moves</source>
        <translation>Deine Züge</translation>
    </message>
    <message>
        <source>Computer&apos;s moves</source>
        <translation>Züge des Computers</translation>
    </message>
    <message>
        <source>Learned strategies</source>
        <translation>Gelernte Strategien</translation>
    </message>
    <message>
        <source>Thinking Process</source>
        <translation>Denkprozess</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>Cell %1: %2</source>
        <translation>Feld %1: %2</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Denkt nach</translation>
    </message>
    <message>
        <source>Trying predefined Strategy</source>
        <translation>Probiert feste Strategie</translation>
    </message>
    <message>
        <source>Looking for ways to win</source>
        <translation>Sucht einen Weg zum Sieg</translation>
    </message>
    <message>
        <source>Looking for ways to block you</source>
        <translation>Sucht einen Weg, dich zu blocken</translation>
    </message>
    <message>
        <source>Recalling your Strategy</source>
        <translation>Erinnert sich an deine Strategie</translation>
    </message>
    <message>
        <source>Random Move</source>
        <translation>Zufallszug</translation>
    </message>
    <message>
        <source>%1 Vivovu Dev Ezi Doz plays without what it learned before, and what it learns now is not kept.</source>
        <translation>%1 Vivovu Dev Ezi Doz spielt ohne das, was er zuvor gelernt hat, und was er jetzt lernt, wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>brain.dat could not be written: what Vivovu Dev Ezi Doz learns now is forgotten when this window closes.</source>
        <translation>brain.dat konnte nicht geschrieben werden: Was Vivovu Dev Ezi Doz jetzt lernt, vergisst er, sobald dieses Fenster geschlossen wird.</translation>
    </message>
    <message>
        <source>The record of %1 could not be written.</source>
        <translation>Die Bilanz von %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 It is left as it is and will not be written over. %2 plays with no wins, losses or draws.</source>
        <translation>%1 Die Datei bleibt unverändert und wird nicht überschrieben. %2 spielt ohne Siege, Niederlagen oder Remis.</translation>
    </message>
    <message>
        <source>%1 cannot be read, and could not be moved aside either: it is left as it is and will not be written over. %2 plays with no wins, losses or draws.</source>
        <translation>%1 kann nicht gelesen und auch nicht beiseitegelegt werden: Die Datei bleibt unverändert und wird nicht überschrieben. %2 spielt ohne Siege, Niederlagen oder Remis.</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was kept as %2 for you to repair or delete. %3 plays on with no wins, losses or draws.</source>
        <translation>%1 kann nicht gelesen werden und wurde deshalb als %2 aufbewahrt, damit du die Datei reparieren oder löschen kannst. %3 spielt ohne Siege, Niederlagen oder Remis weiter.</translation>
    </message>
    <message>
        <source>%1 The list starts empty, and no name is added to it.</source>
        <translation>%1 Die Liste beginnt leer, und es wird kein Name hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 cannot be kept on the list: a name must not hold &quot;/&quot; or a double quote, nor be only dots.</source>
        <translation>%1 kann nicht in die Liste aufgenommen werden: Ein Name darf weder „/“ noch ein doppeltes Anführungszeichen enthalten und nicht nur aus Punkten bestehen.</translation>
    </message>
    <message>
        <source>%1 %2 is not added to the list.</source>
        <translation>%1 %2 wird nicht in die Liste aufgenommen.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>U won $25!</source>
        <translation>Du hast $25 gewonnen!</translation>
    </message>
    <message>
        <source>Computer Won! You lost $10!</source>
        <translation>Der Computer hat gewonnen! Du hast $10 verloren!</translation>
    </message>
    <message>
        <source>Draw! How boring...</source>
        <translation>Unentschieden! Wie langweilig ...</translation>
    </message>
    <message>
        <source>Vivovu Dev Ezi Doz is tired. Play another day!</source>
        <translation>Vivovu Dev Ezi Doz ist müde. Spiel an einem anderen Tag!</translation>
    </message>
    <message>
        <source>You do not have enough money to pay if you lost!</source>
        <translation>Du hast nicht genug Geld, um zu zahlen, falls du verlierst!</translation>
    </message>
    <message>
        <source>Oh no!</source>
        <translation>Oh nein!</translation>
    </message>
    <message>
        <source>Turns: </source>
        <translation>Runden: </translation>
    </message>
    <message>
        <source>Winnings: </source>
        <translation>Siege: </translation>
    </message>
    <message>
        <source>Loses: </source>
        <translation>Niederlagen: </translation>
    </message>
    <message>
        <source>Draws: </source>
        <translation>Remis: </translation>
    </message>
</context>
</TS>
