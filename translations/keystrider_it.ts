<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BattleDisk</name>
    <message>
        <source>%1 was not written: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>Your best races are not on it: %1</source>
        <translation>Le tue corse migliori non ci sono: %1</translation>
    </message>
</context>
<context>
    <name>CalendarTab</name>
    <message>
        <source>Shades from nothing typed to the goal met, then a frozen day</source>
        <translation>Sfumature da niente scritto al traguardo raggiunto, poi un giorno protetto</translation>
    </message>
    <message>
        <source>Practice goal:</source>
        <translation>Traguardo di allenamento:</translation>
    </message>
    <message>
        <source> min a day</source>
        <translation> min al giorno</translation>
    </message>
    <message>
        <source>Practice streak:</source>
        <translation>Serie di allenamento:</translation>
    </message>
    <message>
        <source>Less of the goal met, then more; outlined: today; crossed: a day a streak freeze kept.</source>
        <translation>Da meno a più del traguardo raggiunto; con il bordo: oggi; barrato: un giorno salvato da una protezione serie.</translation>
    </message>
</context>
<context>
    <name>CalendarView</name>
    <message>
        <source>Week of %1</source>
        <translation>Settimana del %1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mesi</translation>
    </message>
</context>
<context>
    <name>CapsLockNotice</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>Blocco maiuscole attivo</translation>
    </message>
</context>
<context>
    <name>Career</name>
    <message>
        <source>You have been promoted to rank %1.</source>
        <translation>Promozione! Ora hai il grado %1.</translation>
    </message>
    <message>
        <source>Objectives: To raise to Typist Rank 8 so that</source>
        <translation>Obiettivi: raggiungere il grado 8 di dattilografo</translation>
    </message>
    <message>
        <source>you will be hired by QuendleSoft as a typist or</source>
        <translation>per farti assumere da QuendleSoft, oppure</translation>
    </message>
    <message>
        <source>get $25000 cash to bribe QuendleSoft to give you</source>
        <translation>mettere da parte $25000 per corrompere QuendleSoft</translation>
    </message>
    <message>
        <source>the job!</source>
        <translation>e farti dare il posto!</translation>
    </message>
    <message>
        <source>Each rank promotion gives you extra days of game!</source>
        <translation>Ogni promozione di grado ti regala giorni di gioco in più!</translation>
    </message>
    <message>
        <source>You travelled back to Singapore!</source>
        <translation>Eccoti di nuovo a Singapore!</translation>
    </message>
    <message>
        <source>Your game will end tommorrow.</source>
        <translation>La tua partita finirà domani.</translation>
    </message>
    <message>
        <source>Your game has ended...</source>
        <translation>La tua partita è finita...</translation>
    </message>
    <message>
        <source>with a score of %1!</source>
        <translation>con un punteggio di %1!</translation>
    </message>
</context>
<context>
    <name>CoachPlan</name>
    <message>
        <source>what the coach teaches and the text and target chosen are not kept</source>
        <translation>ciò che insegna l&apos;allenatore, il testo e l&apos;obiettivo scelti non vengono conservati</translation>
    </message>
</context>
<context>
    <name>CoachPlanner</name>
    <message>
        <source>%1 could not be written: what the coach teaches and the text and target chosen are not kept.</source>
        <translation>Impossibile scrivere %1: ciò che insegna l&apos;allenatore, il testo e l&apos;obiettivo scelti non vengono conservati.</translation>
    </message>
    <message>
        <source>%1 could not be written: the keyboard chosen is not kept.</source>
        <translation>Impossibile scrivere %1: la tastiera scelta non viene conservata.</translation>
    </message>
    <message>
        <source>The typing statistics are still being read.</source>
        <translation>Le statistiche di battitura sono ancora in lettura.</translation>
    </message>
    <message>
        <source>Skipped %1: not on this keyboard.</source>
        <translation>%1 saltato: non c&apos;è su questa tastiera.</translation>
    </message>
    <message>
        <source>Reading the typing statistics...</source>
        <translation>Lettura delle statistiche di battitura...</translation>
    </message>
    <message>
        <source>The keyboard layout changed: the drills are in %1 words now, with %2 keys in play; what you learned in %3 is kept for %3 words.</source>
        <translation>Il layout della tastiera è cambiato: ora gli esercizi usano parole in %1, con %2 tasti in gioco; quello che hai imparato in %3 resta valido per le parole in %3.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>No word to type holds %1.</source>
        <translation>Nessuna parola da scrivere contiene %1.</translation>
    </message>
    <message>
        <source>%1 joins the keys in play.</source>
        <translation>%1 entra tra i tasti in gioco.</translation>
    </message>
    <message numerus="yes">
        <source>%1 join the keys in play.</source>
        <translation>
            <numerusform>%1 entra tra i tasti in gioco.</numerusform>
            <numerusform>%1 entrano tra i tasti in gioco.</numerusform>
        </translation>
    </message>
    <message>
        <source>Most keys in play are slower than %1 WPM</source>
        <translation>Quasi tutti i tasti in gioco sono sotto i %1 PPM</translation>
    </message>
    <message>
        <source>Most keys in play have sat at %1 WPM or below for %2 drills</source>
        <translation>Quasi tutti i tasti in gioco sono fermi a %1 PPM o meno da %2 esercizi</translation>
    </message>
    <message>
        <source>%1: %2 WPM fits your typing now, and &quot;Use %2 WPM&quot; makes it the target.</source>
        <translation>%1: %2 PPM è adatto a come scrivi ora, e &quot;Usa %2 PPM&quot; lo imposta come obiettivo.</translation>
    </message>
    <message>
        <source>The coach brings in the letters of your words one by one, the most frequent first: a new one joins when every key in play reaches the target speed. Each drill trains the weakest key in play; press Start.</source>
        <translation>L&apos;allenatore introduce le lettere delle tue parole una alla volta, dalla più frequente: ne entra una nuova quando ogni tasto in gioco raggiunge la velocità obiettivo. Ogni esercizio allena il tasto in gioco più debole; premi Avvia.</translation>
    </message>
    <message>
        <source>%1: confidence %2 % before, %3 % after. Keys in play: %4 of %5.</source>
        <translation>%1: sicurezza %2 % prima, %3 % dopo. Tasti in gioco: %4 su %5.</translation>
    </message>
    <message>
        <source> %1 has reached the target.</source>
        <translation> %1 ha raggiunto l&apos;obiettivo.</translation>
    </message>
    <message>
        <source>%1 WPM, %2 % accurate. </source>
        <translation>%1 PPM, precisione %2 %. </translation>
    </message>
    <message>
        <source>You learn %1: each key types what it types there, by its place on your keyboard, and the keys in play, target and history are its own.</source>
        <translation>Stai imparando %1: ogni tasto scrive ciò che scriverebbe in quel layout, in base alla sua posizione sulla tua tastiera, e tasti in gioco, obiettivo e cronologia sono propri di quel layout.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be typed on this keyboard, so the Symbols stage leaves it out.</source>
        <translation>%1 non si può digitare su questa tastiera, quindi la fase &quot;Simboli&quot; lo esclude.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be typed on this keyboard, so the Symbols stage leaves them out.</source>
        <translation>%1 non si possono digitare su questa tastiera, quindi la fase &quot;Simboli&quot; li esclude.</translation>
    </message>
</context>
<context>
    <name>ConfidenceBars</name>
    <message>
        <source>Confidence</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>Confidence: %1</source>
        <translation>Sicurezza: %1</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Typing box</source>
        <translation>Casella di scrittura</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>Singapore [$500]</source>
        <translation>Singapore [$500]</translation>
    </message>
    <message>
        <source>You arrived in Singapore!</source>
        <translation>Eccoti a Singapore!</translation>
    </message>
    <message>
        <source>Malaysia [$200]</source>
        <translation>Malesia [$200]</translation>
    </message>
    <message>
        <source>You arrived in malaysia!</source>
        <translation>Eccoti in Malesia!</translation>
    </message>
    <message>
        <source>China [$560]</source>
        <translation>Cina [$560]</translation>
    </message>
    <message>
        <source>You arrived in china!</source>
        <translation>Eccoti in Cina!</translation>
    </message>
    <message>
        <source>Japan [$700]</source>
        <translation>Giappone [$700]</translation>
    </message>
    <message>
        <source>You arrived in japan!</source>
        <translation>Eccoti in Giappone!</translation>
    </message>
    <message>
        <source>America [$800]</source>
        <translation>America [$800]</translation>
    </message>
    <message>
        <source>You arrived in america!</source>
        <translation>Eccoti in America!</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapore</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malesia</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Cina</translation>
    </message>
    <message>
        <source>America</source>
        <translation>America</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Giappone</translation>
    </message>
</context>
<context>
    <name>DailyPractice</name>
    <message>
        <source>%1 could not be written: the practice goal is not kept.</source>
        <translation>Impossibile scrivere %1: il traguardo di allenamento non viene conservato.</translation>
    </message>
    <message>
        <source>Today: %1 of %2 min</source>
        <translation>Oggi: %1 su %2 min</translation>
    </message>
</context>
<context>
    <name>DayEvents</name>
    <message>
        <source>Another day past...</source>
        <translation>Un altro giorno è passato...</translation>
    </message>
    <message>
        <source>A peaceful and boring day...</source>
        <translation>Una giornata tranquilla e noiosa...</translation>
    </message>
    <message>
        <source>Someone bumped into you on the street!</source>
        <translation>Qualcuno ti ha urtato per strada!</translation>
    </message>
    <message>
        <source>You discovered that $%1 is stolen!</source>
        <translation>Scopri che ti hanno rubato $%1!</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Singapore...</source>
        <translation>Si vocifera che ci sarà una gara a Singapore...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Malaysia...</source>
        <translation>Si vocifera che ci sarà una gara in Malesia...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in China...</source>
        <translation>Si vocifera che ci sarà una gara in Cina...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in America...</source>
        <translation>Si vocifera che ci sarà una gara in America...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Japan...</source>
        <translation>Si vocifera che ci sarà una gara in Giappone...</translation>
    </message>
    <message>
        <source>A nice but wonderful boring day...</source>
        <translation>Una giornata bella ma meravigliosamente noiosa...</translation>
    </message>
    <message>
        <source>You found a pizza on the ground and stupidly ate it.</source>
        <translation>Hai trovato una pizza per terra e l&apos;hai stupidamente mangiata.</translation>
    </message>
    <message>
        <source>Therefore, you suffered from food poisoning and pays the</source>
        <translation>Così ti sei preso un&apos;intossicazione alimentare e paghi il</translation>
    </message>
    <message>
        <source>doctor $%1!</source>
        <translation>medico $%1!</translation>
    </message>
    <message>
        <source>While walking along the street kicking pebbles, you found</source>
        <translation>Mentre camminavi per strada prendendo a calci i sassolini, hai trovato</translation>
    </message>
    <message>
        <source>$%1 under one of it!</source>
        <translation>$%1 sotto uno di essi!</translation>
    </message>
    <message>
        <source>A boring an lame day...</source>
        <translation>Una giornata noiosa e fiacca...</translation>
    </message>
    <message>
        <source>You found $%1 while siting on a bus.</source>
        <translation>Hai trovato $%1 su un sedile dell&apos;autobus.</translation>
    </message>
    <message>
        <source>A man on the bus burnt your $%1 T-shirt with his cigratte.</source>
        <translation>Un uomo sull&apos;autobus ti ha bruciato la maglietta da $%1 con la sigaretta.</translation>
    </message>
    <message>
        <source>You have no choice but to buy a new one...</source>
        <translation>Non hai scelta: devi comprarne una nuova...</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Weak keys</source>
        <translation>Tasti deboli</translation>
    </message>
    <message>
        <source>Weak pairs</source>
        <translation>Coppie deboli</translation>
    </message>
    <message>
        <source>Mistyped entries</source>
        <translation>Parole sbagliate</translation>
    </message>
    <message>
        <source>Own text</source>
        <translation>Testo personale</translation>
    </message>
    <message>
        <source>No mistyped entries left: every one you mistyped has since been typed clean.</source>
        <translation>Nessuna parola sbagliata rimasta: ognuna di quelle che avevi sbagliato l&apos;hai poi scritta senza errori.</translation>
    </message>
    <message>
        <source>No mistyped entries yet: practise or race first.</source>
        <translation>Ancora nessuna parola sbagliata: prima allenati o fai una corsa.</translation>
    </message>
    <message>
        <source>The text is still being read.</source>
        <translation>Il testo è ancora in lettura.</translation>
    </message>
    <message>
        <source>Choose a text to type first.</source>
        <translation>Prima scegli un testo da scrivere.</translation>
    </message>
    <message>
        <source>No key is in play to build a drill from.</source>
        <translation>Nessun tasto in gioco con cui costruire un esercizio.</translation>
    </message>
    <message>
        <source>%1 reached %2 WPM</source>
        <translation>%1 ha raggiunto %2 PPM</translation>
    </message>
    <message>
        <source>No letter pair of the keys in play has been typed %1 times yet: practise or drill a while first.</source>
        <translation>Nessuna coppia di lettere dei tasti in gioco è stata ancora scritta %1 volte: prima allenati o fai qualche esercizio.</translation>
    </message>
    <message>
        <source>%1 %2 ms → %3 ms</source>
        <translation>%1 %2 ms → %3 ms</translation>
    </message>
    <message>
        <source>Pairs: %1.</source>
        <translation>Coppie: %1.</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>Names can use the letters of Western European languages only, as the game&apos;s files cannot keep other letters. Please type another name.</source>
        <translation>I nomi possono usare solo le lettere delle lingue dell&apos;Europa occidentale, perché i file del gioco non possono conservarne altre. Scrivi un altro nome.</translation>
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
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>it is not there</source>
        <translation>non c&apos;è</translation>
    </message>
    <message>
        <source>it is a folder, a device or a pipe, not a file</source>
        <translation>è una cartella, un dispositivo o una pipe, non un file</translation>
    </message>
    <message>
        <source>it is a symbolic link, which the game never follows on a battle disk</source>
        <translation>è un collegamento simbolico, che il gioco non segue mai su un disco di battaglia</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the game reads of it</source>
        <translation>è più grande di %1, il massimo che il gioco ne legge</translation>
    </message>
    <message>
        <source>the system refused it</source>
        <translation>il sistema l&apos;ha rifiutato</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
</context>
<context>
    <name>FolderPrompt</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Name</source>
        <translation>Inserisci nome</translation>
    </message>
    <message>
        <source>Enter name you want:</source>
        <translation>Scrivi il nome che vuoi:</translation>
    </message>
    <message>
        <source>Abandon %1&apos;s career? It has not been saved since it changed.</source>
        <translation>Abbandonare la carriera di %1? Non è stata salvata dopo l&apos;ultima modifica.</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Diario degli eventi</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Allenamento</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Servizi</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Gare</translation>
    </message>
    <message>
        <source>Fly away</source>
        <translation>Prendi l&apos;aereo</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Giorno dopo</translation>
    </message>
    <message>
        <source>My Status</source>
        <translation>Il mio stato</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Rank:</source>
        <translation>Grado:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Soldi:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Giorni:</translation>
    </message>
    <message>
        <source>Days left:</source>
        <translation>Restano:</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Esci dal gioco</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>&amp;Paese</translation>
    </message>
    <message>
        <source>Cheat Input</source>
        <translation>Trucchi</translation>
    </message>
    <message>
        <source>Two Playes</source>
        <translation>Due giocatori</translation>
    </message>
    <message>
        <source>&amp;Create KVR Competition Disk</source>
        <translation>&amp;Crea disco di battaglia KVR</translation>
    </message>
    <message>
        <source>&amp;Update Status from KVR Competition Disk</source>
        <translation>&amp;Aggiorna stato dal disco di battaglia KVR</translation>
    </message>
    <message>
        <source>Competition With Typist in KVR Battle Disk</source>
        <translation>Gara con il dattilografo del disco di battaglia KVR</translation>
    </message>
    <message>
        <source>Race the Disk Typist&apos;s Best...</source>
        <translation>Sfida il record del dattilografo del disco...</translation>
    </message>
    <message>
        <source>&amp;Others</source>
        <translation>&amp;Altro</translation>
    </message>
    <message>
        <source>Check Competition</source>
        <translation>Controlla gare</translation>
    </message>
    <message>
        <source>Typing &amp;Statistics</source>
        <translation>&amp;Statistiche di battitura</translation>
    </message>
    <message>
        <source>Typing &amp;Coach</source>
        <translation>&amp;Allenatore di battitura</translation>
    </message>
    <message>
        <source>&amp;Time machine</source>
        <translation>&amp;Macchina del tempo</translation>
    </message>
    <message>
        <source>&amp;Mysterious Reward Bag</source>
        <translation>&amp;Borsa misteriosa dei premi</translation>
    </message>
    <message>
        <source>&amp;Double or Nothing</source>
        <translation>&amp;Lascia o raddoppia</translation>
    </message>
    <message>
        <source>Enter diskette drive letter (eg. a:\) :</source>
        <translation>Inserisci la lettera dell&apos;unità dischetto (es. a:\) :</translation>
    </message>
    <message>
        <source>Create KVR Competition Disk</source>
        <translation>Crea disco di battaglia KVR</translation>
    </message>
    <message>
        <source>Diskette not found!</source>
        <translation>Dischetto non trovato!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Wrong KVR Battle Disk!</source>
        <translation>Disco di battaglia KVR sbagliato!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>KVR Battle Disk Created!</source>
        <translation>Disco di battaglia KVR creato!</translation>
    </message>
    <message>
        <source>Status Updated!</source>
        <translation>Stato aggiornato!</translation>
    </message>
    <message>
        <source>The typist on this disk has no race to race: the disk was made before they finished one, or by an older copy of the game.</source>
        <translation>Il dattilografo di questo disco non ha corse da sfidare: il disco è stato creato prima che ne finisse una, o da una versione più vecchia del gioco.</translation>
    </message>
    <message>
        <source>Friendly Race</source>
        <translation>Corsa amichevole</translation>
    </message>
    <message>
        <source>You have completed your objective by reaching rank 8 so that your boss will hire you!</source>
        <translation>Hai completato il tuo obiettivo raggiungendo il grado 8: il tuo capo ti assumerà!</translation>
    </message>
    <message>
        <source>You have completed your objective by earning $25000 to bribe your boss to hire you!</source>
        <translation>Hai completato il tuo obiettivo guadagnando $25000 per corrompere il tuo capo e farti assumere!</translation>
    </message>
    <message>
        <source>Your score could not be written to %1.</source>
        <translation>Impossibile scrivere il tuo punteggio in %1.</translation>
    </message>
    <message>
        <source>Game Over! Time&apos;s Up!</source>
        <translation>Partita finita! Tempo scaduto!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>You failed your objectives! You are a loser!</source>
        <translation>Non hai raggiunto i tuoi obiettivi! Sei un perdente!</translation>
    </message>
    <message>
        <source>Loser!</source>
        <translation>Perdente!</translation>
    </message>
    <message>
        <source>Time Machine</source>
        <translation>Macchina del tempo</translation>
    </message>
    <message>
        <source>How many days you want to travel back in time?</source>
        <translation>Di quanti giorni vuoi tornare indietro nel tempo?</translation>
    </message>
    <message>
        <source>You do not have enough money!</source>
        <translation>Non hai abbastanza soldi!</translation>
    </message>
    <message>
        <source>The time machine cannot take you that far!</source>
        <translation>La macchina del tempo non può portarti così lontano!</translation>
    </message>
    <message>
        <source>Mysterious Reward Bag</source>
        <translation>Borsa misteriosa dei premi</translation>
    </message>
    <message>
        <source>Drawing Mysterious Reward bag...</source>
        <translation>Estrazione dalla borsa misteriosa dei premi...</translation>
    </message>
    <message>
        <source>Enter cheat:</source>
        <translation>Inserisci il trucco:</translation>
    </message>
    <message>
        <source>Cheat?</source>
        <translation>Trucco?</translation>
    </message>
    <message>
        <source>No such cheat!</source>
        <translation>Trucco inesistente!</translation>
    </message>
    <message>
        <source>Not enough money!</source>
        <translation>Soldi insufficienti!</translation>
    </message>
    <message>
        <source>Pok Kia!</source>
        <translation>Pok Kia!</translation>
    </message>
    <message>
        <source>Are you sure you want to fly there?</source>
        <translation>Vuoi davvero volare lì?</translation>
    </message>
    <message>
        <source>Fly!</source>
        <translation>Vola!</translation>
    </message>
</context>
<context>
    <name>GhostWords</name>
    <message>
        <source>1 entry</source>
        <translation>1 parola</translation>
    </message>
    <message>
        <source>%1 short</source>
        <translation>a %1</translation>
    </message>
    <message>
        <source>%1.%2 s</source>
        <translation>%1,%2 s</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>Contro %3: %1 %2</translation>
    </message>
    <message>
        <source>ahead of</source>
        <translation>avanti</translation>
    </message>
    <message>
        <source>behind</source>
        <translation>indietro</translation>
    </message>
    <message>
        <source>level with %1</source>
        <translation>Alla pari con %1</translation>
    </message>
    <message>
        <source>To the finish in %1</source>
        <translation>All&apos;arrivo in %1</translation>
    </message>
    <message>
        <source>, as fast as your best</source>
        <translation>, veloce quanto il tuo record</translation>
    </message>
    <message>
        <source>, %1 %2 than your best</source>
        <translation>, %1 %2 rispetto al tuo record</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>in meno</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>in più</translation>
    </message>
    <message>
        <source>%1 of the finish</source>
        <translation>Fine corsa %1 dall&apos;arrivo</translation>
    </message>
    <message>
        <source>, your best finished in %1</source>
        <translation>, il tuo record: all&apos;arrivo in %1</translation>
    </message>
    <message>
        <source>, your best was %1</source>
        <translation>, il tuo record si era fermato %1 dall&apos;arrivo</translation>
    </message>
    <message>
        <source>, your first race at this level.</source>
        <translation>, la tua prima corsa a questo livello.</translation>
    </message>
    <message>
        <source> New best!</source>
        <translation> Nuovo record!</translation>
    </message>
    <message>
        <source>You and %1 were as fast as each other, %2 to the finish.</source>
        <translation>Tu e %1 avete fatto lo stesso tempo, %2 fino all&apos;arrivo.</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 contro %2</translation>
    </message>
    <message>
        <source>You were faster than %1, by %2 (%3).</source>
        <translation>Hai battuto %1 di %2 (%3).</translation>
    </message>
    <message>
        <source>%1 was faster, by %2 (%3).</source>
        <translation>%1 ti ha battuto di %2 (%3).</translation>
    </message>
    <message>
        <source>You were faster than %1, who did not reach the finish: you were there in %2, %1 %3 of it.</source>
        <translation>Hai battuto %1, che non ha raggiunto l&apos;arrivo: tu ci hai messo %2, %1 era %3 dall&apos;arrivo.</translation>
    </message>
    <message>
        <source>%1 was faster, finishing in %2; you did not reach the finish, %3 of it.</source>
        <translation>%1 ti ha battuto, arrivando in %2; tu non hai raggiunto l&apos;arrivo: eri %3 dall&apos;arrivo.</translation>
    </message>
    <message>
        <source>Neither of you reached the finish, and you got as far as %1: %2 of it.</source>
        <translation>Nessuno dei due ha raggiunto l&apos;arrivo: tu e %1 eravate entrambi %2 dall&apos;arrivo.</translation>
    </message>
    <message>
        <source>(%1 short against %2)</source>
        <translation>(a %1 contro %2)</translation>
    </message>
    <message>
        <source>Neither of you reached the finish; you got %1 farther than %2 %3.</source>
        <translation>Nessuno dei due ha raggiunto l&apos;arrivo; hai fatto %1 in più di %2 %3.</translation>
    </message>
    <message>
        <source>Neither of you reached the finish; %1 got %2 farther %3.</source>
        <translation>Nessuno dei due ha raggiunto l&apos;arrivo; %1 ha fatto %2 in più %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyLadder</name>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>%1, confidence %2 %</source>
        <translation>%1, sicurezza %2 %</translation>
    </message>
    <message>
        <source>%1, not in play yet</source>
        <translation>%1, non ancora in gioco</translation>
    </message>
    <message>
        <source>Focus of the drills</source>
        <translation>Mirato negli esercizi</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Escludi</translation>
    </message>
    <message>
        <source>%1, the focus of the drills until you clear it</source>
        <translation>%1, mirato negli esercizi finché non lo togli</translation>
    </message>
    <message>
        <source>%1, left out of the drills</source>
        <translation>%1, escluso dagli esercizi</translation>
    </message>
</context>
<context>
    <name>KeyTries</name>
    <message>
        <source>%1 is not getting more accurate yet.</source>
        <translation>%1 non sta ancora diventando più preciso.</translation>
    </message>
    <message>
        <source>%1 is not getting faster yet.</source>
        <translation>%1 non sta ancora diventando più veloce.</translation>
    </message>
    <message>
        <source>%1 is not fast enough for %2 WPM yet: %3 ms a key at best lately, %4 ms needed.</source>
        <translation>%1 non è ancora abbastanza veloce per %2 PPM: di recente al meglio %3 ms a tasto, ne servono %4.</translation>
    </message>
    <message>
        <source>%1 is missed too often to pass yet: %2 % at best lately, %3 % at most.</source>
        <translation>%1 viene sbagliato troppo spesso per passare: di recente al meglio %2 %, al massimo %3 %.</translation>
    </message>
    <message>
        <source>One more drill of %1 will show how fast it is rising.</source>
        <translation>Un altro esercizio su %1 mostrerà quanto sta migliorando.</translation>
    </message>
    <message>
        <source>%1 is rising, but more than ten drills from the target at this pace.</source>
        <translation>%1 sta migliorando, ma a questo ritmo è a più di dieci esercizi dall&apos;obiettivo.</translation>
    </message>
    <message>
        <source>About one more drill of %1 to reach the target.</source>
        <translation>Circa un altro esercizio su %1 per raggiungere l&apos;obiettivo.</translation>
    </message>
    <message>
        <source>every other drill</source>
        <translation>un esercizio sì e uno no</translation>
    </message>
    <message>
        <source>every third drill</source>
        <translation>ogni tre esercizi</translation>
    </message>
    <message>
        <source>every fourth drill</source>
        <translation>ogni quattro esercizi</translation>
    </message>
    <message>
        <source>%1 is still %2 (%3 %): %4 joins so you go on; %1 comes back every other drill.</source>
        <translation>%1 è ancora %2 (%3 %): entra %4 così prosegui; %1 torna un esercizio sì e uno no.</translation>
    </message>
    <message>
        <source>missed too often</source>
        <translation>sbagliato troppo spesso</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lento</translation>
    </message>
    <message>
        <source>%1, confidence %2 %, comes back %3: %4 ms a key against %5 ms for %6 WPM, missed %7 % against %8 % at most</source>
        <translation>%1, sicurezza %2 %, torna %3: %4 ms a tasto contro %5 ms per %6 PPM, sbagliato il %7 % contro un massimo del %8 %</translation>
    </message>
    <message numerus="yes">
        <source>About %n more drills of %1 to reach the target.</source>
        <translation>
            <numerusform>Circa un altro esercizio su %1 per raggiungere l&apos;obiettivo.</numerusform>
            <numerusform>Ancora circa %n esercizi su %1 per raggiungere l&apos;obiettivo.</numerusform>
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
        <translation>Spazio</translation>
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
        <translation>mignolo sinistro</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>anulare sinistro</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>medio sinistro</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>indice sinistro</translation>
    </message>
    <message>
        <source>thumb</source>
        <translation>pollice</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>indice destro</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>medio destro</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>anulare destro</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>mignolo destro</translation>
    </message>
</context>
<context>
    <name>KeyboardChooser</name>
    <message>
        <source>System keyboard</source>
        <translation>Tastiera di sistema</translation>
    </message>
</context>
<context>
    <name>KeyboardView</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Next key: %1, not on this keyboard</source>
        <translation>Tasto successivo: %1, non su questa tastiera</translation>
    </message>
    <message>
        <source>Next key: %1, type %2, %3</source>
        <translation>Tasto successivo: %1, digita %2, %3</translation>
    </message>
    <message>
        <source>Next key: %1, %2</source>
        <translation>Tasto successivo: %1, %2</translation>
    </message>
    <message>
        <source>, with right Shift</source>
        <translation>, con Shift destro</translation>
    </message>
    <message>
        <source>, with left Shift</source>
        <translation>, con Shift sinistro</translation>
    </message>
    <message>
        <source>, with AltGr</source>
        <translation>, con AltGr</translation>
    </message>
    <message>
        <source>, then %1</source>
        <translation>, poi %1</translation>
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
        <translation>Tasti più sbagliati</translation>
    </message>
    <message>
        <source>Slowest keys</source>
        <translation>Tasti più lenti</translation>
    </message>
    <message>
        <source>Slowest pairs</source>
        <translation>Coppie più lente</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>A key is ranked once it has come up %1 times.</source>
        <translation>Un tasto entra in classifica dopo essere comparso %1 volte.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Sbagliati</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attesi</translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation>Tasso di errore</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Tempo medio</translation>
    </message>
    <message>
        <source>Times timed</source>
        <translation>Misurazioni</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>&amp;Miss rate</source>
        <translation>Tasso di err&amp;ore</translation>
    </message>
    <message>
        <source>Typing t&amp;ime</source>
        <translation>Tempo di &amp;battitura</translation>
    </message>
    <message>
        <source>Practise &amp;These Keys</source>
        <translation>Allena &amp;questi tasti</translation>
    </message>
    <message>
        <source>Practise These Keys</source>
        <translation>Allena questi tasti</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Slower by</source>
        <translation>Più lenta di</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>A pair&apos;s time above its second key&apos;s own time, and how common it is in the coach&apos;s words: the slowest first.</source>
        <translation>Il tempo di una coppia oltre il tempo del suo secondo tasto da solo, e quanto è frequente nelle parole dell&apos;allenatore: le più lente prima.</translation>
    </message>
    <message>
        <source>Mean time (ms)</source>
        <translation>Tempo medio (ms)</translation>
    </message>
    <message>
        <source>Miss rate (%)</source>
        <translation>Tasso di errore (%)</translation>
    </message>
    <message>
        <source>%1 on average, %2 times timed</source>
        <translation>%1 in media, %2 misurazioni</translation>
    </message>
    <message>
        <source>%1 missed, %2 of %3</source>
        <translation>%1 di errori, %2 su %3</translation>
    </message>
    <message>
        <source>Typed instead</source>
        <translation>Battuto al suo posto</translation>
    </message>
    <message>
        <source>The key typed where a run of wrong keys began, for the key due there: the most often first.</source>
        <translation>Il tasto battuto all&apos;inizio di una serie di tasti sbagliati, al posto di quello previsto: prima i più frequenti.</translation>
    </message>
    <message>
        <source>%1 for %2: once</source>
        <translation>%1 al posto di %2: una volta</translation>
    </message>
    <message>
        <source>%1 for %2: %3 times</source>
        <translation>%1 al posto di %2: %3 volte</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>From the next start, Keystrider speaks the language of your desktop.</source>
        <translation>Dal prossimo avvio, Keystrider parlerà la lingua del tuo desktop.</translation>
    </message>
    <message>
        <source>From the next start, Keystrider speaks %1.</source>
        <extracomment>%1 is the language&apos;s own name: English, Deutsch, Français, …</extracomment>
        <translation>Dal prossimo avvio, Keystrider parlerà %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the language of the desktop</comment>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>LanguageWords</name>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>The %1 word list %2: the coach makes up words instead.</source>
        <translation>L&apos;elenco di parole (%1) %2: l&apos;allenatore inventa le parole da sé.</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>è troppo grande</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>holds no words</source>
        <translation>non contiene parole</translation>
    </message>
    <message>
        <source>The coach has no word list for that language: it makes up words instead.</source>
        <translation>L&apos;allenatore non ha un elenco di parole per quella lingua: inventa le parole da sé.</translation>
    </message>
    <message>
        <source> The coach makes up words instead.</source>
        <translation> L&apos;allenatore inventa le parole da sé.</translation>
    </message>
    <message>
        <source>The coach has no word list in the keyboard layout&apos;s language: it drills English words. &quot;Words:&quot; chooses another language.</source>
        <translation>L&apos;allenatore non ha un elenco di parole nella lingua del layout di tastiera: usa parole inglesi. &quot;Parole:&quot; sceglie un&apos;altra lingua.</translation>
    </message>
</context>
<context>
    <name>OwnText</name>
    <message>
        <source>%1 is not there: it may have been moved, renamed or deleted.</source>
        <translation>%1 non c&apos;è: potrebbe essere stato spostato, rinominato o eliminato.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 non è un file.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 non è un file di testo.</translation>
    </message>
    <message>
        <source>%1 holds no text to type.</source>
        <translation>%1 non contiene testo da scrivere.</translation>
    </message>
    <message>
        <source>%1 is too large: the coach takes texts up to 16 MB.</source>
        <translation>%1 è troppo grande: l&apos;allenatore accetta testi fino a 16 MB.</translation>
    </message>
</context>
<context>
    <name>PlaceKeeper</name>
    <message>
        <source>where you stop in this text is not kept</source>
        <translation>il punto in cui ti fermi in questo testo non viene conservato</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>You took %1s to type %2 words in %3 level with %4 mistakes.</source>
        <translation>Hai impiegato %1 s per scrivere %2 parole al livello %3 con %4 errori.</translation>
    </message>
</context>
<context>
    <name>PracticeCalendar</name>
    <message>
        <source>nothing typed</source>
        <translation>niente scritto</translation>
    </message>
    <message>
        <source>%1 min typed, %2 WPM, %3 accurate</source>
        <translation>%1 min di battitura, %2 PPM, precisione %3</translation>
    </message>
    <message>
        <source>, goal of %1 min met</source>
        <translation>, traguardo di %1 min raggiunto</translation>
    </message>
    <message>
        <source>, a streak freeze kept the streak</source>
        <translation>, una protezione ha salvato la serie</translation>
    </message>
    <message>
        <source> (today)</source>
        <translation> (oggi)</translation>
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
        <translation>il traguardo di allenamento non viene conservato</translation>
    </message>
</context>
<context>
    <name>PracticeLevel</name>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Coming along well</source>
        <translation>Buoni progressi</translation>
    </message>
    <message>
        <source>Coming Along Well</source>
        <translation>Buoni progressi</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Nella media</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Sopra la media</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
</context>
<context>
    <name>PracticeStreak</name>
    <message>
        <source>%1 %2, best %3; %4 of %5 streak freezes held</source>
        <translation>%1 %2, record %3; protezioni serie: %4 su %5</translation>
    </message>
    <message>
        <source>day</source>
        <translation>giorno</translation>
    </message>
    <message numerus="yes">
        <source>%n days, best %1; %2 of %3 streak freezes held</source>
        <translation>
            <numerusform>%n giorno, record %1; protezioni serie: %2 su %3</numerusform>
            <numerusform>%n giorni, record %1; protezioni serie: %2 su %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Check that you may write there, or set XDG_DATA_HOME to a folder of your own.</source>
        <translation>Controlla di poter scrivere lì, o imposta XDG_DATA_HOME su una tua cartella.</translation>
    </message>
    <message>
        <source>Keystrider cannot create the folder for your files:
%1</source>
        <translation>Keystrider non riesce a creare la cartella per i tuoi file:
%1</translation>
    </message>
    <message>
        <source>Keystrider cannot write in the folder for your files:
%1</source>
        <translation>Keystrider non riesce a scrivere nella cartella per i tuoi file:
%1</translation>
    </message>
    <message>
        <source>Keystrider cannot copy %1 into the folder for your files:
%2</source>
        <translation>Keystrider non riesce a copiare %1 nella cartella per i tuoi file:
%2</translation>
    </message>
</context>
<context>
    <name>ReplayBook</name>
    <message>
        <source>%1 could not be read: line %2 is damaged.</source>
        <translation>Impossibile leggere %1: la riga %2 è danneggiata.</translation>
    </message>
</context>
<context>
    <name>ReplaysFile</name>
    <message>
        <source>%1 could not be written: another copy of the game kept it busy.</source>
        <translation>Impossibile scrivere %1: un&apos;altra copia del gioco lo teneva occupato.</translation>
    </message>
    <message>
        <source>your replays stay as they were</source>
        <translation>i tuoi replay restano com&apos;erano</translation>
    </message>
</context>
<context>
    <name>RewardBag</name>
    <message>
        <source>Nothing happened!</source>
        <translation>Non è successo niente!</translation>
    </message>
    <message>
        <source>You drew out $20 cash!</source>
        <translation>Hai estratto $20 in contanti!</translation>
    </message>
    <message>
        <source>You found that you are suddenly more experienced...</source>
        <translation>All&apos;improvviso hai più esperienza...</translation>
    </message>
    <message>
        <source>You drew out $40 cash!</source>
        <translation>Hai estratto $40 in contanti!</translation>
    </message>
    <message>
        <source>You drew out $50 cash!</source>
        <translation>Hai estratto $50 in contanti!</translation>
    </message>
    <message>
        <source>A ghost snatched $50 from you!</source>
        <translation>Un fantasma ti ha rubato $50!</translation>
    </message>
    <message>
        <source>A ghost snatched $20 from you!</source>
        <translation>Un fantasma ti ha rubato $20!</translation>
    </message>
    <message>
        <source>You drew out $100 cash!</source>
        <translation>Hai estratto $100 in contanti!</translation>
    </message>
    <message>
        <source>A big explosion happened. You found that you have been thrown back in time by 2 days!</source>
        <translation>C&apos;è stata una grande esplosione. Ti ritrovi indietro nel tempo di 2 giorni!</translation>
    </message>
    <message>
        <source>A big explosion happened. You found that you have been thrown forward in time by 1 days!</source>
        <translation>C&apos;è stata una grande esplosione. Ti ritrovi avanti nel tempo di 1 giorno!</translation>
    </message>
    <message>
        <source>You found that you are suddenly less experienced...</source>
        <translation>All&apos;improvviso hai meno esperienza...</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>money</source>
        <translation>soldi</translation>
    </message>
    <message>
        <source>rank</source>
        <translation>grado</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
    <message>
        <source>training</source>
        <translation>allenamento</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: the file could not be read.</source>
        <translation>Impossibile caricare %1: non è stato possibile leggere il file.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: %2.</source>
        <translation>Impossibile caricare %1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: it holds fewer than the six fields of a saved game.</source>
        <translation>Impossibile caricare %1: contiene meno dei sei campi di una partita salvata.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: its %2 is not a whole number.</source>
        <translation>Impossibile caricare %1: il campo %2 non è un numero intero.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: its %2 is beyond what the game can hold.</source>
        <translation>Impossibile caricare %1: il campo %2 supera quanto il gioco può gestire.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: a quoted text in it never ends.</source>
        <translation>Impossibile caricare %1: un testo tra virgolette non si chiude mai.</translation>
    </message>
</context>
<context>
    <name>SavesDialog</name>
    <message>
        <source>Saved games</source>
        <translation>Partite salvate</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>No path name given.</source>
        <translation>Nessun percorso indicato.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer copy of the game, so it is left as it is: %2.</source>
        <translation>%1 è stato scritto da una versione più recente del gioco, quindi resta com&apos;è: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept, so it is left as it is: %2.</source>
        <translation>%1 è danneggiato e non è stato possibile conservarne una copia, quindi resta com&apos;è: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is kept as %2, and what could be read of it is used.</source>
        <translation>%1 era danneggiato: è conservato come %2, e si usa quello che se ne è potuto leggere.</translation>
    </message>
    <message>
        <source>the keyboard chosen is not kept</source>
        <translation>la tastiera scelta non viene conservata</translation>
    </message>
    <message>
        <source>the sound settings chosen are not kept</source>
        <translation>le impostazioni audio scelte non vengono conservate</translation>
    </message>
    <message>
        <source>the language chosen is not kept</source>
        <translation>la lingua scelta non viene conservata</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>So&amp;und</source>
        <translation>A&amp;udio</translation>
    </message>
    <message>
        <source>&amp;Game sounds</source>
        <translation>Suoni di &amp;gioco</translation>
    </message>
    <message>
        <source>&amp;Wrong-key tick</source>
        <translation>Tic del tasto &amp;sbagliato</translation>
    </message>
    <message>
        <source>&amp;Key clicks</source>
        <translation>&amp;Clic dei tasti</translation>
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
        <translation>&amp;Muto</translation>
    </message>
</context>
<context>
    <name>StatsExport</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Career</source>
        <translation>Carriera</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Speed (WPM)</source>
        <translation>Velocità (PPM)</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisione</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errori</translation>
    </message>
</context>
<context>
    <name>StatsModule</name>
    <message>
        <source>%1 is missing.</source>
        <translation>Manca %1.</translation>
    </message>
    <message>
        <source>The typing statistics could not be opened: %1</source>
        <translation>Impossibile aprire le statistiche di battitura: %1</translation>
    </message>
</context>
<context>
    <name>StatsRecorder</name>
    <message>
        <source>stats.dat could not be written: this exercise or race, and the ones after it, are left out of the typing statistics.</source>
        <translation>Impossibile scrivere stats.dat: questa prova o corsa, e quelle successive, restano fuori dalle statistiche di battitura.</translation>
    </message>
</context>
<context>
    <name>TextSize</name>
    <message>
        <source>the text size chosen is not kept</source>
        <translation>la dimensione del testo scelta non viene conservata</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>That will be $%1. Are you sure?</source>
        <translation>Ti costerà $%1. Confermi?</translation>
    </message>
</context>
<context>
    <name>TodayBar</name>
    <message>
        <source>Today&apos;s practice</source>
        <translation>Allenamento di oggi</translation>
    </message>
</context>
<context>
    <name>WeakKeysDrill</name>
    <message>
        <source>%1 and %2 are often typed for each other: they come in neighbouring words.</source>
        <translation>%1 e %2 vengono spesso scambiati: compaiono in parole vicine.</translation>
    </message>
</context>
<context>
    <name>frmcars</name>
    <message>
        <source>Competition! Car Race!</source>
        <translation>Gara! Corsa automobilistica!</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Arrivo</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Avversario</translation>
    </message>
    <message>
        <source>Your Car</source>
        <translation>La tua auto</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Blind Mode</source>
        <translation>Alla cieca</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>You lost!!!</source>
        <translation>Hai perso!!!</translation>
    </message>
    <message>
        <source>Too bad!</source>
        <translation>Peccato!</translation>
    </message>
    <message>
        <source>You won! Price money is for you!</source>
        <translation>Hai vinto! Il premio in denaro è tuo!</translation>
    </message>
    <message>
        <source>So good!</source>
        <translation>Grande!</translation>
    </message>
    <message>
        <source>Your best</source>
        <translation>Il tuo record</translation>
    </message>
    <message>
        <source>Race my best</source>
        <translation>Sfida il mio record</translation>
    </message>
    <message>
        <source>your best</source>
        <translation>il tuo record</translation>
    </message>
    <message>
        <source>Friendly Race</source>
        <translation>Corsa amichevole</translation>
    </message>
    <message>
        <source>%1&apos;s best</source>
        <translation>Record di %1</translation>
    </message>
    <message>
        <source>A friendly race against %1&apos;s best: no fee, no prize.</source>
        <translation>Una corsa amichevole contro il record di %1: niente iscrizione, niente premio.</translation>
    </message>
</context>
<context>
    <name>frmcoach</name>
    <message>
        <source>Choose a Text to Type</source>
        <translation>Scegli un testo da scrivere</translation>
    </message>
    <message>
        <source>Texts (*.txt);;All files (*)</source>
        <translation>Testi (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Typing Coach</source>
        <translation>Allenatore di battitura</translation>
    </message>
    <message>
        <source>Today&apos;s practice goal of %1 min is met.</source>
        <translation>Traguardo di oggi raggiunto: %1 min di allenamento.</translation>
    </message>
    <message>
        <source>Focus pairs:</source>
        <translation>Coppie mirate:</translation>
    </message>
    <message>
        <source>Focus key:</source>
        <translation>Tasto mirato:</translation>
    </message>
    <message>
        <source>Use %1 WPM</source>
        <translation>Usa %1 PPM</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 PPM</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Choose Text...</source>
        <translation>Scegli testo...</translation>
    </message>
    <message>
        <source>Target speed:</source>
        <translation>Velocità obiettivo:</translation>
    </message>
    <message>
        <source> WPM</source>
        <translation> PPM</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Usa</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usa</translation>
    </message>
    <message>
        <source>Practice goal:</source>
        <translation>Traguardo di allenamento:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Digita:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Precisione:</translation>
    </message>
    <message>
        <source>Keyboard layout:</source>
        <translation>Layout tastiera:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Parole:</translation>
    </message>
    <message>
        <source>Capitals</source>
        <translation>Maiuscole</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Cifre</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Punteggiatura</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Tasti:</translation>
    </message>
    <message>
        <source>As the desktop types</source>
        <translation>Come sul desktop</translation>
    </message>
    <message>
        <source>Layout to learn:</source>
        <translation>Layout da imparare:</translation>
    </message>
    <message>
        <source>%1 can&apos;t be compiled on this system, so it can&apos;t be learnt here.</source>
        <translation>Il layout %1 non può essere compilato su questo sistema, quindi non puoi impararlo qui.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>Space or a click makes a key in play the focus of the drills until you clear it the same way; the context menu also leaves a key out of the drills.</source>
        <translation>Spazio o un clic rendono un tasto in gioco il tasto mirato degli esercizi finché non lo togli allo stesso modo; il menu contestuale permette anche di escludere un tasto dagli esercizi.</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Escludi</translation>
    </message>
    <message>
        <source>Leaves %1 out of the drills</source>
        <translation>Esclude %1 dagli esercizi</translation>
    </message>
</context>
<context>
    <name>frmcomp</name>
    <message>
        <source>Competition List</source>
        <translation>Elenco gare</translation>
    </message>
    <message>
        <source>List of World Competitions</source>
        <translation>Elenco delle gare mondiali</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Grand Price</source>
        <translation>Primo premio</translation>
    </message>
    <message>
        <source>Double click the competition you want to join.</source>
        <translation>Fai doppio clic sulla gara a cui vuoi partecipare.</translation>
    </message>
    <message>
        <source>You are at the wrong country!</source>
        <translation>Sei nel paese sbagliato!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>You do not have enough money to join the competition!</source>
        <translation>Non hai abbastanza soldi per iscriverti alla gara!</translation>
    </message>
</context>
<context>
    <name>frmdisk</name>
    <message>
        <source>KVR Battle Disk Competition</source>
        <translation>Gara col disco di battaglia KVR</translation>
    </message>
    <message>
        <source>You:</source>
        <translation>Tu:</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Disk Character:</source>
        <translation>Rivale del disco:</translation>
    </message>
    <message>
        <source>Disk Character</source>
        <translation>Rivale del disco</translation>
    </message>
    <message>
        <source>I won! Thanks for the $25, disk character!</source>
        <translation>Ho vinto! Grazie per i $25, rivale del disco!</translation>
    </message>
    <message>
        <source>Disk character won! Thanks for the $25!</source>
        <translation>Ha vinto il rivale del disco! Grazie per i $25!</translation>
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
        <translation>Lascia o raddoppia!</translation>
    </message>
    <message>
        <source>Double Or nothing!</source>
        <translation>Lascia o raddoppia!</translation>
    </message>
    <message>
        <source>To play, place a certain amount of sum of money as a bet to start, if you win, you will have 2 times the money. If you lost, try again. After each bet, you can claim your money or gamble again to see if you can double it! If you lost, well, too bad!</source>
        <translation>Per giocare, punta una certa somma di denaro: se vinci, avrai il doppio dei soldi. Se perdi, riprova. Dopo ogni puntata puoi incassare i tuoi soldi o rischiare ancora per vedere se riesci a raddoppiarli! Se perdi, beh, peccato!</translation>
    </message>
    <message>
        <source>Start Gamble</source>
        <translation>Inizia a scommettere</translation>
    </message>
    <message>
        <source>Your Cash:</source>
        <translation>Contanti:</translation>
    </message>
    <message>
        <source>Bet Amount:</source>
        <translation>Puntata:</translation>
    </message>
    <message>
        <source>Bet Amount</source>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>Play!</source>
        <translation>Gioca!</translation>
    </message>
    <message>
        <source>Gambling...</source>
        <translation>Scommessa in corso...</translation>
    </message>
    <message>
        <source>Current Sum:</source>
        <translation>In palio:</translation>
    </message>
    <message>
        <source>Claim Money</source>
        <translation>Incassa</translation>
    </message>
    <message>
        <source>Continue Betting</source>
        <translation>Punta ancora</translation>
    </message>
    <message>
        <source>You do not have enough money!</source>
        <translation>Non hai abbastanza soldi!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>You cannot hold that much money! Spend some, then claim it.</source>
        <translation>Non puoi tenere così tanti soldi! Spendine un po&apos; e poi incassa.</translation>
    </message>
    <message>
        <source>Your sum cannot grow any bigger! Claim your money.</source>
        <translation>La tua somma non può crescere di più! Incassa i tuoi soldi.</translation>
    </message>
    <message>
        <source>You lost! All your bet money is gone!</source>
        <translation>Hai perso! Tutti i soldi puntati sono andati!</translation>
    </message>
    <message>
        <source>Too bad!</source>
        <translation>Peccato!</translation>
    </message>
</context>
<context>
    <name>frmp</name>
    <message>
        <source>Practice Typing!</source>
        <translation>Allenati a scrivere!</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Word/Phrase :</source>
        <translation>Parola/frase:</translation>
    </message>
    <message>
        <source>Word(s)/Phrase(s) left:</source>
        <translation>Parole/frasi rimaste:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
</context>
<context>
    <name>frmstart</name>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>frmstats</name>
    <message>
        <source>exercise</source>
        <translation>prova</translation>
    </message>
    <message>
        <source>race</source>
        <translation>corsa</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 e %3</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>esercizio</translation>
    </message>
    <message>
        <source>Typing Statistics</source>
        <translation>Statistiche di battitura</translation>
    </message>
    <message>
        <source>Only the &amp;current career</source>
        <translation>Solo la carriera &amp;attuale</translation>
    </message>
    <message>
        <source>Only the current career</source>
        <translation>Solo la carriera attuale</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Statistics pages</source>
        <translation>Pagine delle statistiche</translation>
    </message>
    <message>
        <source>Speed (WPM)</source>
        <translation>Velocità (PPM)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Precisione (%)</translation>
    </message>
    <message>
        <source>Exercise, race or drill, oldest first</source>
        <translation>Prove, corse ed esercizi, dal più vecchio</translation>
    </message>
    <message>
        <source>Speed and accuracy over time</source>
        <translation>Velocità e precisione nel tempo</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progressi</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasti</translation>
    </message>
    <message>
        <source>Entries mistyped most</source>
        <translation>Parole sbagliate più spesso</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Times mistyped</source>
        <translation>Volte sbagliata</translation>
    </message>
    <message>
        <source>&amp;Entries</source>
        <translation>Paro&amp;le</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>&amp;Calendario</translation>
    </message>
    <message>
        <source>Export Typing Statistics</source>
        <translation>Esporta statistiche di battitura</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Reading the records…</source>
        <translation>Lettura del registro…</translation>
    </message>
    <message>
        <source>No exercise or race recorded yet.</source>
        <translation>Ancora nessuna prova o corsa registrata.</translation>
    </message>
    <message>
        <source>%1 recorded, %2 of typing. Average speed %3 WPM, best %4 WPM; accuracy of the last ten %5.</source>
        <translation>In archivio: %1, per %2 di battitura. Velocità media %3 PPM, massima %4 PPM; precisione delle ultime dieci sessioni: %5.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>unreadable line skipped.</source>
        <translation>riga illeggibile saltata.</translation>
    </message>
    <message numerus="yes">
        <source>%n exercises</source>
        <translation>
            <numerusform>%n prova</numerusform>
            <numerusform>%n prove</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n races</source>
        <translation>
            <numerusform>%n corsa</numerusform>
            <numerusform>%n corse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills</source>
        <translation>
            <numerusform>%n esercizio</numerusform>
            <numerusform>%n esercizi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable lines skipped.</source>
        <translation>
            <numerusform>%n riga illeggibile saltata.</numerusform>
            <numerusform>%n righe illeggibili saltate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Layout:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Tutti i layout</translation>
    </message>
</context>
<context>
    <name>loa</name>
    <message>
        <source>Load Game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>File loaded!</source>
        <translation>File caricato!</translation>
    </message>
    <message>
        <source>Loaded.</source>
        <translation>Caricato.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Keystrider %1, a typing game: build a typist&apos;s career through practice, races and duels.</source>
        <translation>Keystrider %1, un gioco di dattilografia: costruisci una carriera da dattilografo con allenamento, corse e sfide.</translation>
    </message>
    <message>
        <source>keystrider: the game takes no arguments; see keystrider --help</source>
        <translation>keystrider: il gioco non accetta argomenti; vedi keystrider --help</translation>
    </message>
</context>
<context>
    <name>sav</name>
    <message>
        <source>Save Game...</source>
        <translation>Salva partita...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>A game can&apos;t be saved as &quot;%1&quot;. Choose a name without &quot;/&quot; that is not too long.</source>
        <translation>Impossibile salvare una partita come &quot;%1&quot;. Scegli un nome senza &quot;/&quot; e non troppo lungo.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>A game can&apos;t be saved as &quot;%1&quot;: a name that begins with a dot makes a hidden file, which the Load list does not show. Choose another name.</source>
        <translation>Impossibile salvare una partita come &quot;%1&quot;: un nome che inizia con un punto crea un file nascosto, che l&apos;elenco di Carica non mostra. Scegli un altro nome.</translation>
    </message>
    <message>
        <source>%1.kvr holds another saved game. Replace it?</source>
        <translation>%1.kvr contiene un&apos;altra partita salvata. Sostituirla?</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.kvr. Any game saved under that name before is unchanged.</source>
        <translation>Impossibile salvare la partita come %1.kvr. Le partite salvate prima con quel nome restano invariate.</translation>
    </message>
    <message>
        <source>File saved!</source>
        <translation>File salvato!</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Salvato.</translation>
    </message>
</context>
<context>
    <name>tictac</name>
    <message>
        <source>Quendle&apos;s Tic Tac Toe</source>
        <translation>Tris di Quendle</translation>
    </message>
    <message>
        <source>Start / Reset</source>
        <translation>Inizia / Azzera</translation>
    </message>
    <message>
        <source>Comp Move First</source>
        <translation>Prima il computer</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Turni</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Vittorie</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Sconfitte</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Pareggi</translation>
    </message>
    <message>
        <source>Strategy Learned!</source>
        <translation>Strategia imparata!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Win vivovu Dev Ezi Doz to win $25 bucks! If you lost, then he will only take $5 bucks from you.</source>
        <translation>Batti Vivovu Dev Ezi Doz per vincere $25! Se perdi, ti prenderà solo $5.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Your Sign:</source>
        <translation>Tuo segno:</translation>
    </message>
    <message>
        <source>Comp&apos;s Sign:</source>
        <translation>Segno PC:</translation>
    </message>
    <message>
        <source>Your moves</source>
        <translation>Le tue mosse</translation>
    </message>
    <message>
        <source>Computer&apos;s moves</source>
        <translation>Mosse del computer</translation>
    </message>
    <message>
        <source>Learned strategies</source>
        <translation>Strategie imparate</translation>
    </message>
    <message>
        <source>Thinking Process</source>
        <translation>Ragionamento</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Casella %1</translation>
    </message>
    <message>
        <source>Cell %1: %2</source>
        <translation>Casella %1: %2</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Elaborazione</translation>
    </message>
    <message>
        <source>Trying predefined Strategy</source>
        <translation>Provo una strategia predefinita</translation>
    </message>
    <message>
        <source>Looking for ways to win</source>
        <translation>Cerco modi per vincere</translation>
    </message>
    <message>
        <source>Looking for ways to block you</source>
        <translation>Cerco modi per bloccarti</translation>
    </message>
    <message>
        <source>Recalling your Strategy</source>
        <translation>Ricordo la tua strategia</translation>
    </message>
    <message>
        <source>Random Move</source>
        <translation>Mossa casuale</translation>
    </message>
    <message>
        <source>%1 Vivovu Dev Ezi Doz plays without what it learned before, and what it learns now is not kept.</source>
        <translation>%1 Vivovu Dev Ezi Doz gioca senza ciò che ha imparato prima, e ciò che impara ora non viene conservato.</translation>
    </message>
    <message>
        <source>brain.dat could not be written: what Vivovu Dev Ezi Doz learns now is forgotten when this window closes.</source>
        <translation>Impossibile scrivere brain.dat: ciò che Vivovu Dev Ezi Doz impara ora sarà dimenticato alla chiusura di questa finestra.</translation>
    </message>
    <message>
        <source>The record of %1 could not be written.</source>
        <translation>Impossibile scrivere il bilancio di %1.</translation>
    </message>
    <message>
        <source>%1 It is left as it is and will not be written over. %2 plays with no wins, losses or draws.</source>
        <translation>%1 Resta com&apos;è e non verrà sovrascritto. %2 gioca senza vittorie, sconfitte né pareggi.</translation>
    </message>
    <message>
        <source>%1 cannot be read, and could not be moved aside either: it is left as it is and will not be written over. %2 plays with no wins, losses or draws.</source>
        <translation>Impossibile leggere %1, e non è stato nemmeno possibile spostarlo: resta com&apos;è e non verrà sovrascritto. %2 gioca senza vittorie, sconfitte né pareggi.</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was kept as %2 for you to repair or delete. %3 plays on with no wins, losses or draws.</source>
        <translation>Impossibile leggere %1, quindi è stato conservato come %2 perché tu possa ripararlo o eliminarlo. %3 continua a giocare senza vittorie, sconfitte né pareggi.</translation>
    </message>
    <message>
        <source>%1 The list starts empty, and no name is added to it.</source>
        <translation>%1 L&apos;elenco parte vuoto e nessun nome viene aggiunto.</translation>
    </message>
    <message>
        <source>%1 cannot be kept on the list: a name must not hold &quot;/&quot; or a double quote, nor be only dots.</source>
        <translation>%1 non può restare nell&apos;elenco: un nome non deve contenere &quot;/&quot; né virgolette doppie, né essere fatto solo di punti.</translation>
    </message>
    <message>
        <source>%1 %2 is not added to the list.</source>
        <translation>%1 %2 non viene aggiunto all&apos;elenco.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>U won $25!</source>
        <translation>Hai vinto $25!</translation>
    </message>
    <message>
        <source>Computer Won! You lost $10!</source>
        <translation>Ha vinto il computer! Hai perso $10!</translation>
    </message>
    <message>
        <source>Draw! How boring...</source>
        <translation>Pareggio! Che noia...</translation>
    </message>
    <message>
        <source>Vivovu Dev Ezi Doz is tired. Play another day!</source>
        <translation>Vivovu Dev Ezi Doz è stanco. Gioca un altro giorno!</translation>
    </message>
    <message>
        <source>You do not have enough money to pay if you lost!</source>
        <translation>Non hai abbastanza soldi per pagare se perdi!</translation>
    </message>
    <message>
        <source>Oh no!</source>
        <translation>Oh no!</translation>
    </message>
    <message>
        <source>Turns: </source>
        <translation>Turni: </translation>
    </message>
    <message>
        <source>Winnings: </source>
        <translation>Vittorie: </translation>
    </message>
    <message>
        <source>Loses: </source>
        <translation>Sconfitte: </translation>
    </message>
    <message>
        <source>Draws: </source>
        <translation>Pareggi: </translation>
    </message>
</context>
</TS>
