<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BattleDisk</name>
    <message>
        <source>%1 was not written: %2.</source>
        <translation>%1 no se guardó: %2.</translation>
    </message>
    <message>
        <source>Your best races are not on it: %1</source>
        <translation>Tus mejores carreras no están en él: %1</translation>
    </message>
</context>
<context>
    <name>CalendarTab</name>
    <message>
        <source>Shades from nothing typed to the goal met, then a frozen day</source>
        <translation>Tonos desde nada escrito hasta la meta cumplida, y luego un día protegido</translation>
    </message>
    <message>
        <source>Practice goal:</source>
        <translation>Meta de práctica:</translation>
    </message>
    <message>
        <source> min a day</source>
        <translation> min al día</translation>
    </message>
    <message>
        <source>Practice streak:</source>
        <translation>Racha de práctica:</translation>
    </message>
    <message>
        <source>Less of the goal met, then more; outlined: today; crossed: a day a streak freeze kept.</source>
        <translation>Menos de la meta cumplida, luego más; con borde: hoy; tachado: un día que salvó un protector de racha.</translation>
    </message>
</context>
<context>
    <name>CalendarView</name>
    <message>
        <source>Week of %1</source>
        <translation>Semana del %1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
</context>
<context>
    <name>CapsLockNotice</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>Bloq Mayús activado</translation>
    </message>
</context>
<context>
    <name>Career</name>
    <message>
        <source>You have been promoted to rank %1.</source>
        <translation>Ascendiste al rango %1.</translation>
    </message>
    <message>
        <source>Objectives: To raise to Typist Rank 8 so that</source>
        <translation>Misión: llegar al rango 8 de mecanógrafo para que</translation>
    </message>
    <message>
        <source>you will be hired by QuendleSoft as a typist or</source>
        <translation>QuendleSoft te contrate como mecanógrafo, o bien</translation>
    </message>
    <message>
        <source>get $25000 cash to bribe QuendleSoft to give you</source>
        <translation>reunir $25000 en efectivo y sobornar a QuendleSoft</translation>
    </message>
    <message>
        <source>the job!</source>
        <translation>¡para que te dé el puesto!</translation>
    </message>
    <message>
        <source>Each rank promotion gives you extra days of game!</source>
        <translation>¡Cada ascenso de rango te da días de juego extra!</translation>
    </message>
    <message>
        <source>You travelled back to Singapore!</source>
        <translation>¡Volviste a Singapur!</translation>
    </message>
    <message>
        <source>Your game will end tommorrow.</source>
        <translation>Tu partida termina mañana.</translation>
    </message>
    <message>
        <source>Your game has ended...</source>
        <translation>Tu partida ha terminado...</translation>
    </message>
    <message>
        <source>with a score of %1!</source>
        <translation>¡con una puntuación de %1!</translation>
    </message>
</context>
<context>
    <name>CoachPlan</name>
    <message>
        <source>what the coach teaches and the text and target chosen are not kept</source>
        <translation>lo que enseña el entrenador y el texto y el objetivo elegidos no se guardan</translation>
    </message>
</context>
<context>
    <name>CoachPlanner</name>
    <message>
        <source>%1 could not be written: what the coach teaches and the text and target chosen are not kept.</source>
        <translation>No se pudo guardar %1: lo que enseña el entrenador y el texto y el objetivo elegidos no se guardan.</translation>
    </message>
    <message>
        <source>%1 could not be written: the keyboard chosen is not kept.</source>
        <translation>No se pudo guardar %1: el teclado elegido no se guarda.</translation>
    </message>
    <message>
        <source>The typing statistics are still being read.</source>
        <translation>Todavía se están leyendo las estadísticas de escritura.</translation>
    </message>
    <message>
        <source>Skipped %1: not on this keyboard.</source>
        <translation>Se omitió %1: no está en este teclado.</translation>
    </message>
    <message>
        <source>Reading the typing statistics...</source>
        <translation>Leyendo las estadísticas de escritura...</translation>
    </message>
    <message>
        <source>The keyboard layout changed: the drills are in %1 words now, with %2 keys in play; what you learned in %3 is kept for %3 words.</source>
        <translation>La distribución del teclado cambió: ahora las lecciones usan palabras en %1, con %2 teclas en juego; lo que aprendiste en %3 se conserva para las palabras en %3.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>No word to type holds %1.</source>
        <translation>Ninguna palabra para escribir contiene %1.</translation>
    </message>
    <message>
        <source>%1 joins the keys in play.</source>
        <translation>La tecla %1 se une a las teclas en juego.</translation>
    </message>
    <message numerus="yes">
        <source>%1 join the keys in play.</source>
        <translation>
            <numerusform>La tecla %1 se une a las teclas en juego.</numerusform>
            <numerusform>Las teclas %1 se unen a las teclas en juego.</numerusform>
        </translation>
    </message>
    <message>
        <source>Most keys in play are slower than %1 WPM</source>
        <translation>La mayoría de las teclas en juego son más lentas que %1 PPM</translation>
    </message>
    <message>
        <source>Most keys in play have sat at %1 WPM or below for %2 drills</source>
        <translation>La mayoría de las teclas en juego llevan %2 lecciones a %1 PPM o menos</translation>
    </message>
    <message>
        <source>%1: %2 WPM fits your typing now, and &quot;Use %2 WPM&quot; makes it the target.</source>
        <translation>%1: %2 PPM se ajusta a tu ritmo actual, y &quot;Usar %2 PPM&quot; lo fija como objetivo.</translation>
    </message>
    <message>
        <source>The coach brings in the letters of your words one by one, the most frequent first: a new one joins when every key in play reaches the target speed. Each drill trains the weakest key in play; press Start.</source>
        <translation>El entrenador introduce las letras de tus palabras una a una, primero las más frecuentes: se suma una nueva cuando todas las teclas en juego alcanzan la velocidad objetivo. Cada lección entrena la tecla en juego más débil; pulsa Empezar.</translation>
    </message>
    <message>
        <source>%1: confidence %2 % before, %3 % after. Keys in play: %4 of %5.</source>
        <translation>%1: confianza %2 % antes, %3 % después. Teclas en juego: %4 de %5.</translation>
    </message>
    <message>
        <source> %1 has reached the target.</source>
        <translation> %1 alcanzó el objetivo.</translation>
    </message>
    <message>
        <source>%1 WPM, %2 % accurate. </source>
        <translation>%1 PPM, %2 % de precisión. </translation>
    </message>
    <message>
        <source>You learn %1: each key types what it types there, by its place on your keyboard, and the keys in play, target and history are its own.</source>
        <translation>Aprendes %1: cada tecla escribe lo que escribiría en esa distribución, según su posición en tu teclado, y las teclas en juego, el objetivo y el historial son propios de ella.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be typed on this keyboard, so the Symbols stage leaves it out.</source>
        <translation>%1 no se puede escribir con este teclado, así que la etapa &quot;Símbolos&quot; lo deja fuera.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be typed on this keyboard, so the Symbols stage leaves them out.</source>
        <translation>%1 no se pueden escribir con este teclado, así que la etapa &quot;Símbolos&quot; los deja fuera.</translation>
    </message>
</context>
<context>
    <name>ConfidenceBars</name>
    <message>
        <source>Confidence</source>
        <translation>Confianza</translation>
    </message>
    <message>
        <source>Confidence: %1</source>
        <translation>Confianza: %1</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Typing box</source>
        <translation>Cuadro de escritura</translation>
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
        <translation>¡Llegaste a Singapur!</translation>
    </message>
    <message>
        <source>Malaysia [$200]</source>
        <translation>Malasia [$200]</translation>
    </message>
    <message>
        <source>You arrived in malaysia!</source>
        <translation>¡Llegaste a Malasia!</translation>
    </message>
    <message>
        <source>China [$560]</source>
        <translation>China [$560]</translation>
    </message>
    <message>
        <source>You arrived in china!</source>
        <translation>¡Llegaste a China!</translation>
    </message>
    <message>
        <source>Japan [$700]</source>
        <translation>Japón [$700]</translation>
    </message>
    <message>
        <source>You arrived in japan!</source>
        <translation>¡Llegaste a Japón!</translation>
    </message>
    <message>
        <source>America [$800]</source>
        <translation>Estados Unidos [$800]</translation>
    </message>
    <message>
        <source>You arrived in america!</source>
        <translation>¡Llegaste a Estados Unidos!</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malasia</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>America</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japón</translation>
    </message>
</context>
<context>
    <name>DailyPractice</name>
    <message>
        <source>%1 could not be written: the practice goal is not kept.</source>
        <translation>No se pudo guardar %1: la meta de práctica no se guarda.</translation>
    </message>
    <message>
        <source>Today: %1 of %2 min</source>
        <translation>Hoy: %1 de %2 min</translation>
    </message>
</context>
<context>
    <name>DayEvents</name>
    <message>
        <source>Another day past...</source>
        <translation>Pasó otro día...</translation>
    </message>
    <message>
        <source>A peaceful and boring day...</source>
        <translation>Un día tranquilo y aburrido...</translation>
    </message>
    <message>
        <source>Someone bumped into you on the street!</source>
        <translation>¡Alguien chocó contigo en la calle!</translation>
    </message>
    <message>
        <source>You discovered that $%1 is stolen!</source>
        <translation>¡Descubriste que te robaron $%1!</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Singapore...</source>
        <translation>Oíste el rumor de que habrá una competición en Singapur...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Malaysia...</source>
        <translation>Oíste el rumor de que habrá una competición en Malasia...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in China...</source>
        <translation>Oíste el rumor de que habrá una competición en China...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in America...</source>
        <translation>Oíste el rumor de que habrá una competición en Estados Unidos...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Japan...</source>
        <translation>Oíste el rumor de que habrá una competición en Japón...</translation>
    </message>
    <message>
        <source>A nice but wonderful boring day...</source>
        <translation>Un día agradable, pero maravillosamente aburrido...</translation>
    </message>
    <message>
        <source>You found a pizza on the ground and stupidly ate it.</source>
        <translation>Encontraste una pizza en el suelo y, sin pensarlo, te la comiste.</translation>
    </message>
    <message>
        <source>Therefore, you suffered from food poisoning and pays the</source>
        <translation>Por eso sufriste una intoxicación alimentaria y el médico</translation>
    </message>
    <message>
        <source>doctor $%1!</source>
        <translation>¡te cobró $%1!</translation>
    </message>
    <message>
        <source>While walking along the street kicking pebbles, you found</source>
        <translation>Mientras caminabas por la calle pateando piedras, encontraste</translation>
    </message>
    <message>
        <source>$%1 under one of it!</source>
        <translation>¡$%1 debajo de una de ellas!</translation>
    </message>
    <message>
        <source>A boring an lame day...</source>
        <translation>Un día aburrido y soso...</translation>
    </message>
    <message>
        <source>You found $%1 while siting on a bus.</source>
        <translation>Encontraste $%1 sentado en el autobús.</translation>
    </message>
    <message>
        <source>A man on the bus burnt your $%1 T-shirt with his cigratte.</source>
        <translation>Un hombre en el autobús quemó con su cigarrillo tu camiseta de $%1.</translation>
    </message>
    <message>
        <source>You have no choice but to buy a new one...</source>
        <translation>No te queda otra que comprar una nueva...</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Weak keys</source>
        <translation>Teclas débiles</translation>
    </message>
    <message>
        <source>Weak pairs</source>
        <translation>Pares débiles</translation>
    </message>
    <message>
        <source>Mistyped entries</source>
        <translation>Entradas con errores</translation>
    </message>
    <message>
        <source>Own text</source>
        <translation>Texto propio</translation>
    </message>
    <message>
        <source>No mistyped entries left: every one you mistyped has since been typed clean.</source>
        <translation>No quedan entradas con errores: todas las que escribiste mal ya las escribiste sin fallos.</translation>
    </message>
    <message>
        <source>No mistyped entries yet: practise or race first.</source>
        <translation>Aún no hay entradas con errores: primero practica o corre una carrera.</translation>
    </message>
    <message>
        <source>The text is still being read.</source>
        <translation>Todavía se está leyendo el texto.</translation>
    </message>
    <message>
        <source>Choose a text to type first.</source>
        <translation>Primero elige un texto para escribir.</translation>
    </message>
    <message>
        <source>No key is in play to build a drill from.</source>
        <translation>No hay ninguna tecla en juego con la que preparar una lección.</translation>
    </message>
    <message>
        <source>%1 reached %2 WPM</source>
        <translation>La tecla %1 llegó a %2 PPM</translation>
    </message>
    <message>
        <source>No letter pair of the keys in play has been typed %1 times yet: practise or drill a while first.</source>
        <translation>Ningún par de letras de las teclas en juego se ha escrito %1 veces todavía: primero practica o haz lecciones un rato.</translation>
    </message>
    <message>
        <source>%1 %2 ms → %3 ms</source>
        <translation>%1 %2 ms → %3 ms</translation>
    </message>
    <message>
        <source>Pairs: %1.</source>
        <translation>Pares: %1.</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>Names can use the letters of Western European languages only, as the game&apos;s files cannot keep other letters. Please type another name.</source>
        <translation>Los nombres solo pueden usar las letras de los idiomas de Europa occidental, porque los archivos del juego no admiten otras. Escribe otro nombre, por favor.</translation>
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
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>it is not there</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is a folder, a device or a pipe, not a file</source>
        <translation>es una carpeta, un dispositivo o una tubería, no un archivo</translation>
    </message>
    <message>
        <source>it is a symbolic link, which the game never follows on a battle disk</source>
        <translation>es un enlace simbólico, y el juego nunca los sigue en un disco de batalla</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the game reads of it</source>
        <translation>ocupa más de %1, lo máximo que el juego lee de él</translation>
    </message>
    <message>
        <source>the system refused it</source>
        <translation>el sistema lo rechazó</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>No se pudo guardar %1: %2.</translation>
    </message>
</context>
<context>
    <name>FolderPrompt</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Enter name you want:</source>
        <translation>Escribe el nombre que quieras:</translation>
    </message>
    <message>
        <source>Abandon %1&apos;s career? It has not been saved since it changed.</source>
        <translation>¿Abandonar la trayectoria de %1? No se ha guardado desde el último cambio.</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Registro de sucesos</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Servicios</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Competición</translation>
    </message>
    <message>
        <source>Fly away</source>
        <translation>Volar</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>My Status</source>
        <translation>Mi estado</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Rank:</source>
        <translation>Rango:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Dinero:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Días:</translation>
    </message>
    <message>
        <source>Days left:</source>
        <translation>Quedan:</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar partida</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>&amp;País</translation>
    </message>
    <message>
        <source>Cheat Input</source>
        <translation>Trucos</translation>
    </message>
    <message>
        <source>Two Playes</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>&amp;Create KVR Competition Disk</source>
        <translation>&amp;Crear disco de batalla KVR</translation>
    </message>
    <message>
        <source>&amp;Update Status from KVR Competition Disk</source>
        <translation>&amp;Actualizar estado desde el disco de batalla KVR</translation>
    </message>
    <message>
        <source>Competition With Typist in KVR Battle Disk</source>
        <translation>Competir contra el mecanógrafo del disco de batalla KVR</translation>
    </message>
    <message>
        <source>Race the Disk Typist&apos;s Best...</source>
        <translation>Correr contra la mejor marca del mecanógrafo del disco...</translation>
    </message>
    <message>
        <source>&amp;Others</source>
        <translation>&amp;Otros</translation>
    </message>
    <message>
        <source>Check Competition</source>
        <translation>Ver competiciones</translation>
    </message>
    <message>
        <source>Typing &amp;Statistics</source>
        <translation>&amp;Estadísticas de escritura</translation>
    </message>
    <message>
        <source>Typing &amp;Coach</source>
        <translation>E&amp;ntrenador de escritura</translation>
    </message>
    <message>
        <source>&amp;Time machine</source>
        <translation>Máquina del &amp;tiempo</translation>
    </message>
    <message>
        <source>&amp;Mysterious Reward Bag</source>
        <translation>Bolsa de premios &amp;misteriosa</translation>
    </message>
    <message>
        <source>&amp;Double or Nothing</source>
        <translation>&amp;Doble o nada</translation>
    </message>
    <message>
        <source>Enter diskette drive letter (eg. a:\) :</source>
        <translation>Escribe la letra de la unidad de disquete (p. ej. a:\):</translation>
    </message>
    <message>
        <source>Create KVR Competition Disk</source>
        <translation>Crear disco de batalla KVR</translation>
    </message>
    <message>
        <source>Diskette not found!</source>
        <translation>¡No se encontró el disquete!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Wrong KVR Battle Disk!</source>
        <translation>¡Disco de batalla KVR incorrecto!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>KVR Battle Disk Created!</source>
        <translation>¡Disco de batalla KVR creado!</translation>
    </message>
    <message>
        <source>Status Updated!</source>
        <translation>¡Estado actualizado!</translation>
    </message>
    <message>
        <source>The typist on this disk has no race to race: the disk was made before they finished one, or by an older copy of the game.</source>
        <translation>El mecanógrafo de este disco no tiene ninguna carrera contra la que correr: el disco se creó antes de que terminara una, o con una versión anterior del juego.</translation>
    </message>
    <message>
        <source>Friendly Race</source>
        <translation>Carrera amistosa</translation>
    </message>
    <message>
        <source>You have completed your objective by reaching rank 8 so that your boss will hire you!</source>
        <translation>¡Cumpliste tu misión al llegar al rango 8, así que tu jefe te contratará!</translation>
    </message>
    <message>
        <source>You have completed your objective by earning $25000 to bribe your boss to hire you!</source>
        <translation>¡Cumpliste tu misión al reunir $25000 para sobornar a tu jefe y que te contrate!</translation>
    </message>
    <message>
        <source>Your score could not be written to %1.</source>
        <translation>No se pudo guardar tu puntuación en %1.</translation>
    </message>
    <message>
        <source>Game Over! Time&apos;s Up!</source>
        <translation>¡Fin del juego! ¡Se acabó el tiempo!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin del juego</translation>
    </message>
    <message>
        <source>You failed your objectives! You are a loser!</source>
        <translation>¡No cumpliste tu misión! ¡Eres un perdedor!</translation>
    </message>
    <message>
        <source>Loser!</source>
        <translation>¡Perdedor!</translation>
    </message>
    <message>
        <source>Time Machine</source>
        <translation>Máquina del tiempo</translation>
    </message>
    <message>
        <source>How many days you want to travel back in time?</source>
        <translation>¿Cuántos días quieres viajar al pasado?</translation>
    </message>
    <message>
        <source>You do not have enough money!</source>
        <translation>¡No tienes suficiente dinero!</translation>
    </message>
    <message>
        <source>The time machine cannot take you that far!</source>
        <translation>¡La máquina del tiempo no puede llevarte tan lejos!</translation>
    </message>
    <message>
        <source>Mysterious Reward Bag</source>
        <translation>Bolsa de premios misteriosa</translation>
    </message>
    <message>
        <source>Drawing Mysterious Reward bag...</source>
        <translation>Sacando de la bolsa de premios misteriosa...</translation>
    </message>
    <message>
        <source>Enter cheat:</source>
        <translation>Escribe el truco:</translation>
    </message>
    <message>
        <source>Cheat?</source>
        <translation>¿Truco?</translation>
    </message>
    <message>
        <source>No such cheat!</source>
        <translation>¡Ese truco no existe!</translation>
    </message>
    <message>
        <source>Not enough money!</source>
        <translation>¡No tienes suficiente dinero!</translation>
    </message>
    <message>
        <source>Pok Kia!</source>
        <translation>¡Estás en la ruina!</translation>
    </message>
    <message>
        <source>Are you sure you want to fly there?</source>
        <translation>¿Seguro que quieres volar allí?</translation>
    </message>
    <message>
        <source>Fly!</source>
        <translation>¡A volar!</translation>
    </message>
</context>
<context>
    <name>GhostWords</name>
    <message>
        <source>1 entry</source>
        <translation>1 entrada</translation>
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
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>ahead of</source>
        <translation>por delante de</translation>
    </message>
    <message>
        <source>behind</source>
        <translation>por detrás de</translation>
    </message>
    <message>
        <source>level with %1</source>
        <translation>igualado con %1</translation>
    </message>
    <message>
        <source>To the finish in %1</source>
        <translation>Meta en %1</translation>
    </message>
    <message>
        <source>, as fast as your best</source>
        <translation>, igual de rápido que tu mejor marca</translation>
    </message>
    <message>
        <source>, %1 %2 than your best</source>
        <translation>, %1 %2 que tu mejor marca</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>más rápido</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>más lento</translation>
    </message>
    <message>
        <source>%1 of the finish</source>
        <translation>%1 de la meta</translation>
    </message>
    <message>
        <source>, your best finished in %1</source>
        <translation>, tu mejor marca llegó a la meta en %1</translation>
    </message>
    <message>
        <source>, your best was %1</source>
        <translation>, tu mejor marca se quedó %1</translation>
    </message>
    <message>
        <source>, your first race at this level.</source>
        <translation>, tu primera carrera en este nivel.</translation>
    </message>
    <message>
        <source> New best!</source>
        <translation> ¡Nueva mejor marca!</translation>
    </message>
    <message>
        <source>You and %1 were as fast as each other, %2 to the finish.</source>
        <translation>Empataste con %1: %2 hasta la meta.</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 frente a %2</translation>
    </message>
    <message>
        <source>You were faster than %1, by %2 (%3).</source>
        <translation>Fuiste más rápido que %1, por %2 (%3).</translation>
    </message>
    <message>
        <source>%1 was faster, by %2 (%3).</source>
        <translation>%1 fue más rápido, por %2 (%3).</translation>
    </message>
    <message>
        <source>You were faster than %1, who did not reach the finish: you were there in %2, %1 %3 of it.</source>
        <translation>Fuiste más rápido que %1, que no llegó a la meta: llegaste en %2, y %1 se quedó %3 de ella.</translation>
    </message>
    <message>
        <source>%1 was faster, finishing in %2; you did not reach the finish, %3 of it.</source>
        <translation>%1 fue más rápido y llegó a la meta en %2; tú no llegaste, te quedaste %3 de ella.</translation>
    </message>
    <message>
        <source>Neither of you reached the finish, and you got as far as %1: %2 of it.</source>
        <translation>Ninguno de los dos llegó a la meta, y llegaste tan lejos como %1: te quedaste %2 de ella.</translation>
    </message>
    <message>
        <source>(%1 short against %2)</source>
        <translation>(a %1 frente a %2)</translation>
    </message>
    <message>
        <source>Neither of you reached the finish; you got %1 farther than %2 %3.</source>
        <translation>Ninguno de los dos llegó a la meta; llegaste %1 más lejos que %2 %3.</translation>
    </message>
    <message>
        <source>Neither of you reached the finish; %1 got %2 farther %3.</source>
        <translation>Ninguno de los dos llegó a la meta; %1 llegó %2 más lejos %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrada</numerusform>
            <numerusform>%n entradas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyLadder</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>%1, confidence %2 %</source>
        <translation>%1, confianza %2 %</translation>
    </message>
    <message>
        <source>%1, not in play yet</source>
        <translation>%1, aún no está en juego</translation>
    </message>
    <message>
        <source>Focus of the drills</source>
        <translation>Trabajar en las lecciones</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>%1, the focus of the drills until you clear it</source>
        <translation>%1, a trabajar en las lecciones hasta que la desmarques</translation>
    </message>
    <message>
        <source>%1, left out of the drills</source>
        <translation>%1, excluida de las lecciones</translation>
    </message>
</context>
<context>
    <name>KeyTries</name>
    <message>
        <source>%1 is not getting more accurate yet.</source>
        <translation>La tecla %1 todavía no gana precisión.</translation>
    </message>
    <message>
        <source>%1 is not getting faster yet.</source>
        <translation>La tecla %1 todavía no gana velocidad.</translation>
    </message>
    <message>
        <source>%1 is not fast enough for %2 WPM yet: %3 ms a key at best lately, %4 ms needed.</source>
        <translation>La tecla %1 aún no es lo bastante rápida para %2 PPM: %3 ms por tecla en el mejor de los casos últimamente, y hacen falta %4 ms.</translation>
    </message>
    <message>
        <source>%1 is missed too often to pass yet: %2 % at best lately, %3 % at most.</source>
        <translation>La tecla %1 aún se falla demasiado para pasar: %2 % en el mejor de los casos últimamente, y se admite un %3 % como máximo.</translation>
    </message>
    <message>
        <source>One more drill of %1 will show how fast it is rising.</source>
        <translation>Una lección más con la tecla %1 mostrará lo rápido que mejora.</translation>
    </message>
    <message>
        <source>%1 is rising, but more than ten drills from the target at this pace.</source>
        <translation>La tecla %1 está mejorando, pero a este ritmo le faltan más de diez lecciones para el objetivo.</translation>
    </message>
    <message>
        <source>About one more drill of %1 to reach the target.</source>
        <translation>Falta más o menos una lección con la tecla %1 para alcanzar el objetivo.</translation>
    </message>
    <message>
        <source>every other drill</source>
        <translation>cada dos lecciones</translation>
    </message>
    <message>
        <source>every third drill</source>
        <translation>cada tres lecciones</translation>
    </message>
    <message>
        <source>every fourth drill</source>
        <translation>cada cuatro lecciones</translation>
    </message>
    <message>
        <source>%1 is still %2 (%3 %): %4 joins so you go on; %1 comes back every other drill.</source>
        <translation>La tecla %1 todavía %2 (%3 %): entra %4 para que sigas avanzando; %1 volverá cada dos lecciones.</translation>
    </message>
    <message>
        <source>missed too often</source>
        <translation>se falla demasiado</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>es lenta</translation>
    </message>
    <message>
        <source>%1, confidence %2 %, comes back %3: %4 ms a key against %5 ms for %6 WPM, missed %7 % against %8 % at most</source>
        <translation>%1, confianza %2 %, vuelve %3: %4 ms por tecla frente a %5 ms para %6 PPM, fallos %7 % frente a %8 % como máximo</translation>
    </message>
    <message numerus="yes">
        <source>About %n more drills of %1 to reach the target.</source>
        <translation>
            <numerusform>Falta más o menos una lección con la tecla %1 para alcanzar el objetivo.</numerusform>
            <numerusform>Faltan unas %n lecciones con la tecla %1 para alcanzar el objetivo.</numerusform>
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
        <translation>Espacio</translation>
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
        <translation>meñique izquierdo</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>anular izquierdo</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>corazón izquierdo</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>índice izquierdo</translation>
    </message>
    <message>
        <source>thumb</source>
        <translation>pulgar</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>índice derecho</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>corazón derecho</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>anular derecho</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>meñique derecho</translation>
    </message>
</context>
<context>
    <name>KeyboardChooser</name>
    <message>
        <source>System keyboard</source>
        <translation>Teclado del sistema</translation>
    </message>
</context>
<context>
    <name>KeyboardView</name>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Next key: %1, not on this keyboard</source>
        <translation>Siguiente tecla: %1, no está en este teclado</translation>
    </message>
    <message>
        <source>Next key: %1, type %2, %3</source>
        <translation>Siguiente tecla: %1, pulsa %2, %3</translation>
    </message>
    <message>
        <source>Next key: %1, %2</source>
        <translation>Siguiente tecla: %1, %2</translation>
    </message>
    <message>
        <source>, with right Shift</source>
        <translation>, con Shift derecho</translation>
    </message>
    <message>
        <source>, with left Shift</source>
        <translation>, con Shift izquierdo</translation>
    </message>
    <message>
        <source>, with AltGr</source>
        <translation>, con AltGr</translation>
    </message>
    <message>
        <source>, then %1</source>
        <translation>, luego %1</translation>
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
        <translation>Teclas más falladas</translation>
    </message>
    <message>
        <source>Slowest keys</source>
        <translation>Teclas más lentas</translation>
    </message>
    <message>
        <source>Slowest pairs</source>
        <translation>Pares más lentos</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>A key is ranked once it has come up %1 times.</source>
        <translation>Una tecla entra en la clasificación cuando ha salido %1 veces.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperada</translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation>Tasa de fallos</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Tiempo medio</translation>
    </message>
    <message>
        <source>Times timed</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>&amp;Miss rate</source>
        <translation>Tasa de &amp;fallos</translation>
    </message>
    <message>
        <source>Typing t&amp;ime</source>
        <translation>Tie&amp;mpo de tecleo</translation>
    </message>
    <message>
        <source>Practise &amp;These Keys</source>
        <translation>Practicar e&amp;stas teclas</translation>
    </message>
    <message>
        <source>Practise These Keys</source>
        <translation>Practicar estas teclas</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Slower by</source>
        <translation>Más lento por</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>A pair&apos;s time above its second key&apos;s own time, and how common it is in the coach&apos;s words: the slowest first.</source>
        <translation>Lo que tarda un par por encima del tiempo propio de su segunda tecla, y lo frecuente que es en las palabras del entrenador: los más lentos primero.</translation>
    </message>
    <message>
        <source>Mean time (ms)</source>
        <translation>Tiempo medio (ms)</translation>
    </message>
    <message>
        <source>Miss rate (%)</source>
        <translation>Tasa de fallos (%)</translation>
    </message>
    <message>
        <source>%1 on average, %2 times timed</source>
        <translation>%1 de media, %2 mediciones</translation>
    </message>
    <message>
        <source>%1 missed, %2 of %3</source>
        <translation>%1 de fallos, %2 de %3</translation>
    </message>
    <message>
        <source>Typed instead</source>
        <translation>Pulsada en su lugar</translation>
    </message>
    <message>
        <source>The key typed where a run of wrong keys began, for the key due there: the most often first.</source>
        <translation>La tecla pulsada al empezar una serie de teclas erróneas, en lugar de la que tocaba: primero las más frecuentes.</translation>
    </message>
    <message>
        <source>%1 for %2: once</source>
        <translation>%1 en vez de %2: una vez</translation>
    </message>
    <message>
        <source>%1 for %2: %3 times</source>
        <translation>%1 en vez de %2: %3 veces</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>From the next start, Keystrider speaks the language of your desktop.</source>
        <translation>Desde el próximo inicio, Keystrider hablará el idioma de tu escritorio.</translation>
    </message>
    <message>
        <source>From the next start, Keystrider speaks %1.</source>
        <extracomment>%1 is the language&apos;s own name: English, Deutsch, Français, …</extracomment>
        <translation>Desde el próximo inicio, Keystrider hablará %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
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
        <translation>inglés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>alemán</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>español</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portugués</translation>
    </message>
    <message>
        <source>The %1 word list %2: the coach makes up words instead.</source>
        <translation>La lista de palabras en %1 %2: el entrenador inventa palabras en su lugar.</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está dañada</translation>
    </message>
    <message>
        <source>holds no words</source>
        <translation>no contiene palabras</translation>
    </message>
    <message>
        <source>The coach has no word list for that language: it makes up words instead.</source>
        <translation>El entrenador no tiene lista de palabras para ese idioma: inventa palabras en su lugar.</translation>
    </message>
    <message>
        <source> The coach makes up words instead.</source>
        <translation> El entrenador inventa palabras en su lugar.</translation>
    </message>
    <message>
        <source>The coach has no word list in the keyboard layout&apos;s language: it drills English words. &quot;Words:&quot; chooses another language.</source>
        <translation>El entrenador no tiene lista de palabras en el idioma de la distribución del teclado: usa palabras en inglés. En &quot;Palabras:&quot; puedes elegir otro idioma.</translation>
    </message>
</context>
<context>
    <name>OwnText</name>
    <message>
        <source>%1 is not there: it may have been moved, renamed or deleted.</source>
        <translation>%1 no está: puede que se haya movido, renombrado o eliminado.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 no es un archivo de texto.</translation>
    </message>
    <message>
        <source>%1 holds no text to type.</source>
        <translation>%1 no contiene texto para escribir.</translation>
    </message>
    <message>
        <source>%1 is too large: the coach takes texts up to 16 MB.</source>
        <translation>%1 es demasiado grande: el entrenador acepta textos de hasta 16 MB.</translation>
    </message>
</context>
<context>
    <name>PlaceKeeper</name>
    <message>
        <source>where you stop in this text is not kept</source>
        <translation>no se guarda dónde te quedaste en este texto</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>You took %1s to type %2 words in %3 level with %4 mistakes.</source>
        <translation>Tardaste %1 s en escribir %2 palabras en el nivel %3 con %4 errores.</translation>
    </message>
</context>
<context>
    <name>PracticeCalendar</name>
    <message>
        <source>nothing typed</source>
        <translation>nada escrito</translation>
    </message>
    <message>
        <source>%1 min typed, %2 WPM, %3 accurate</source>
        <translation>%1 min escritos, %2 PPM, %3 de precisión</translation>
    </message>
    <message>
        <source>, goal of %1 min met</source>
        <translation>, meta de %1 min cumplida</translation>
    </message>
    <message>
        <source>, a streak freeze kept the streak</source>
        <translation>, un protector de racha salvó la racha</translation>
    </message>
    <message>
        <source> (today)</source>
        <translation> (hoy)</translation>
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
        <translation>la meta de práctica no se guarda</translation>
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
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Coming along well</source>
        <translation>Progresando bien</translation>
    </message>
    <message>
        <source>Coming Along Well</source>
        <translation>Progresando bien</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
</context>
<context>
    <name>PracticeStreak</name>
    <message>
        <source>%1 %2, best %3; %4 of %5 streak freezes held</source>
        <translation>%1 %2, mejor: %3; protectores de racha: %4 de %5</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message numerus="yes">
        <source>%n days, best %1; %2 of %3 streak freezes held</source>
        <translation>
            <numerusform>%n día, mejor: %1; protectores de racha: %2 de %3</numerusform>
            <numerusform>%n días, mejor: %1; protectores de racha: %2 de %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Check that you may write there, or set XDG_DATA_HOME to a folder of your own.</source>
        <translation>Comprueba que tienes permiso para escribir ahí, o define XDG_DATA_HOME con una carpeta tuya.</translation>
    </message>
    <message>
        <source>Keystrider cannot create the folder for your files:
%1</source>
        <translation>Keystrider no puede crear la carpeta para tus archivos:
%1</translation>
    </message>
    <message>
        <source>Keystrider cannot write in the folder for your files:
%1</source>
        <translation>Keystrider no puede escribir en la carpeta de tus archivos:
%1</translation>
    </message>
    <message>
        <source>Keystrider cannot copy %1 into the folder for your files:
%2</source>
        <translation>Keystrider no puede copiar %1 en la carpeta de tus archivos:
%2</translation>
    </message>
</context>
<context>
    <name>ReplayBook</name>
    <message>
        <source>%1 could not be read: line %2 is damaged.</source>
        <translation>No se pudo leer %1: la línea %2 está dañada.</translation>
    </message>
</context>
<context>
    <name>ReplaysFile</name>
    <message>
        <source>%1 could not be written: another copy of the game kept it busy.</source>
        <translation>No se pudo guardar %1: otra copia del juego lo tenía ocupado.</translation>
    </message>
    <message>
        <source>your replays stay as they were</source>
        <translation>tus repeticiones quedan como estaban</translation>
    </message>
</context>
<context>
    <name>RewardBag</name>
    <message>
        <source>Nothing happened!</source>
        <translation>¡No pasó nada!</translation>
    </message>
    <message>
        <source>You drew out $20 cash!</source>
        <translation>¡Sacaste $20 en efectivo!</translation>
    </message>
    <message>
        <source>You found that you are suddenly more experienced...</source>
        <translation>De repente notas que tienes más experiencia...</translation>
    </message>
    <message>
        <source>You drew out $40 cash!</source>
        <translation>¡Sacaste $40 en efectivo!</translation>
    </message>
    <message>
        <source>You drew out $50 cash!</source>
        <translation>¡Sacaste $50 en efectivo!</translation>
    </message>
    <message>
        <source>A ghost snatched $50 from you!</source>
        <translation>¡Un fantasma te robó $50!</translation>
    </message>
    <message>
        <source>A ghost snatched $20 from you!</source>
        <translation>¡Un fantasma te robó $20!</translation>
    </message>
    <message>
        <source>You drew out $100 cash!</source>
        <translation>¡Sacaste $100 en efectivo!</translation>
    </message>
    <message>
        <source>A big explosion happened. You found that you have been thrown back in time by 2 days!</source>
        <translation>Hubo una gran explosión. ¡Descubriste que retrocediste 2 días en el tiempo!</translation>
    </message>
    <message>
        <source>A big explosion happened. You found that you have been thrown forward in time by 1 days!</source>
        <translation>Hubo una gran explosión. ¡Descubriste que avanzaste 1 día en el tiempo!</translation>
    </message>
    <message>
        <source>You found that you are suddenly less experienced...</source>
        <translation>De repente notas que tienes menos experiencia...</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>money</source>
        <translation>dinero</translation>
    </message>
    <message>
        <source>rank</source>
        <translation>rango</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>training</source>
        <translation>entrenamiento</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: the file could not be read.</source>
        <translation>No se puede cargar %1: no se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: %2.</source>
        <translation>No se puede cargar %1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: it holds fewer than the six fields of a saved game.</source>
        <translation>No se puede cargar %1: tiene menos de los seis campos de una partida guardada.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: its %2 is not a whole number.</source>
        <translation>No se puede cargar %1: el campo %2 no es un número entero.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: its %2 is beyond what the game can hold.</source>
        <translation>No se puede cargar %1: el campo %2 supera lo que el juego puede guardar.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: a quoted text in it never ends.</source>
        <translation>No se puede cargar %1: un texto entre comillas nunca se cierra.</translation>
    </message>
</context>
<context>
    <name>SavesDialog</name>
    <message>
        <source>Saved games</source>
        <translation>Partidas guardadas</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>No path name given.</source>
        <translation>No se indicó ningún nombre.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>No se pudo guardar %1: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer copy of the game, so it is left as it is: %2.</source>
        <translation>%1 lo escribió una versión más reciente del juego, así que se deja como está: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept, so it is left as it is: %2.</source>
        <translation>%1 está dañado y no se pudo guardar una copia, así que se deja como está: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is kept as %2, and what could be read of it is used.</source>
        <translation>%1 estaba dañado: se guarda como %2 y se usa lo que se pudo leer.</translation>
    </message>
    <message>
        <source>the keyboard chosen is not kept</source>
        <translation>el teclado elegido no se guarda</translation>
    </message>
    <message>
        <source>the sound settings chosen are not kept</source>
        <translation>los ajustes de sonido elegidos no se guardan</translation>
    </message>
    <message>
        <source>the language chosen is not kept</source>
        <translation>el idioma elegido no se guarda</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>So&amp;und</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Game sounds</source>
        <translation>Sonidos del &amp;juego</translation>
    </message>
    <message>
        <source>&amp;Wrong-key tick</source>
        <translation>Aviso de tecla &amp;errónea</translation>
    </message>
    <message>
        <source>&amp;Key clicks</source>
        <translation>&amp;Clic de teclas</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Silenciar</translation>
    </message>
</context>
<context>
    <name>StatsExport</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Career</source>
        <translation>Trayectoria</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Speed (WPM)</source>
        <translation>Velocidad (PPM)</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errores</translation>
    </message>
</context>
<context>
    <name>StatsModule</name>
    <message>
        <source>%1 is missing.</source>
        <translation>Falta %1.</translation>
    </message>
    <message>
        <source>The typing statistics could not be opened: %1</source>
        <translation>No se pudieron abrir las estadísticas de escritura: %1</translation>
    </message>
</context>
<context>
    <name>StatsRecorder</name>
    <message>
        <source>stats.dat could not be written: this exercise or race, and the ones after it, are left out of the typing statistics.</source>
        <translation>No se pudo guardar stats.dat: este ejercicio o carrera, y los siguientes, quedan fuera de las estadísticas de escritura.</translation>
    </message>
</context>
<context>
    <name>TextSize</name>
    <message>
        <source>the text size chosen is not kept</source>
        <translation>el tamaño de texto elegido no se guarda</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>That will be $%1. Are you sure?</source>
        <translation>Son $%1. ¿Estás seguro?</translation>
    </message>
</context>
<context>
    <name>TodayBar</name>
    <message>
        <source>Today&apos;s practice</source>
        <translation>Práctica de hoy</translation>
    </message>
</context>
<context>
    <name>WeakKeysDrill</name>
    <message>
        <source>%1 and %2 are often typed for each other: they come in neighbouring words.</source>
        <translation>%1 y %2 se confunden a menudo: aparecen en palabras vecinas.</translation>
    </message>
</context>
<context>
    <name>frmcars</name>
    <message>
        <source>Competition! Car Race!</source>
        <translation>¡Competición! ¡Carrera de autos!</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Your Car</source>
        <translation>Tu auto</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Blind Mode</source>
        <translation>Modo a ciegas</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>You lost!!!</source>
        <translation>¡¡¡Perdiste!!!</translation>
    </message>
    <message>
        <source>Too bad!</source>
        <translation>¡Mala suerte!</translation>
    </message>
    <message>
        <source>You won! Price money is for you!</source>
        <translation>¡Ganaste! ¡El premio en metálico es tuyo!</translation>
    </message>
    <message>
        <source>So good!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>Your best</source>
        <translation>Tu mejor marca</translation>
    </message>
    <message>
        <source>Race my best</source>
        <translation>Contra mi mejor marca</translation>
    </message>
    <message>
        <source>your best</source>
        <translation>tu mejor marca</translation>
    </message>
    <message>
        <source>Friendly Race</source>
        <translation>Carrera amistosa</translation>
    </message>
    <message>
        <source>%1&apos;s best</source>
        <translation>Mejor marca de %1</translation>
    </message>
    <message>
        <source>A friendly race against %1&apos;s best: no fee, no prize.</source>
        <translation>Una carrera amistosa contra la mejor marca de %1: sin inscripción ni premio.</translation>
    </message>
</context>
<context>
    <name>frmcoach</name>
    <message>
        <source>Choose a Text to Type</source>
        <translation>Elige un texto para escribir</translation>
    </message>
    <message>
        <source>Texts (*.txt);;All files (*)</source>
        <translation>Textos (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Typing Coach</source>
        <translation>Entrenador de escritura</translation>
    </message>
    <message>
        <source>Today&apos;s practice goal of %1 min is met.</source>
        <translation>Cumpliste la meta de práctica de hoy: %1 min.</translation>
    </message>
    <message>
        <source>Focus pairs:</source>
        <translation>Pares a trabajar:</translation>
    </message>
    <message>
        <source>Focus key:</source>
        <translation>Tecla a trabajar:</translation>
    </message>
    <message>
        <source>Use %1 WPM</source>
        <translation>Usar %1 PPM</translation>
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
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Choose Text...</source>
        <translation>Elegir texto...</translation>
    </message>
    <message>
        <source>Target speed:</source>
        <translation>Velocidad objetivo:</translation>
    </message>
    <message>
        <source> WPM</source>
        <translation> PPM</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Usar</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Practice goal:</source>
        <translation>Meta de práctica:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Escribe:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Precisión:</translation>
    </message>
    <message>
        <source>Keyboard layout:</source>
        <translation>Distribución del teclado:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palabras:</translation>
    </message>
    <message>
        <source>Capitals</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Teclas:</translation>
    </message>
    <message>
        <source>As the desktop types</source>
        <translation>Como en el escritorio</translation>
    </message>
    <message>
        <source>Layout to learn:</source>
        <translation>Distribución a aprender:</translation>
    </message>
    <message>
        <source>%1 can&apos;t be compiled on this system, so it can&apos;t be learnt here.</source>
        <translation>La distribución %1 no se puede compilar en este sistema, así que no puedes aprenderla aquí.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Space or a click makes a key in play the focus of the drills until you clear it the same way; the context menu also leaves a key out of the drills.</source>
        <translation>Espacio o un clic convierte una tecla en juego en la tecla a trabajar en las lecciones hasta que lo deshagas del mismo modo; el menú contextual también permite excluir una tecla de las lecciones.</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Leaves %1 out of the drills</source>
        <translation>Excluye %1 de las lecciones</translation>
    </message>
</context>
<context>
    <name>frmcomp</name>
    <message>
        <source>Competition List</source>
        <translation>Lista de competiciones</translation>
    </message>
    <message>
        <source>List of World Competitions</source>
        <translation>Competiciones del mundo</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Grand Price</source>
        <translation>Gran premio</translation>
    </message>
    <message>
        <source>Double click the competition you want to join.</source>
        <translation>Haz doble clic en la competición que quieras.</translation>
    </message>
    <message>
        <source>You are at the wrong country!</source>
        <translation>¡Estás en el país equivocado!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>You do not have enough money to join the competition!</source>
        <translation>¡No tienes suficiente dinero para participar en la competición!</translation>
    </message>
</context>
<context>
    <name>frmdisk</name>
    <message>
        <source>KVR Battle Disk Competition</source>
        <translation>Competición del disco de batalla KVR</translation>
    </message>
    <message>
        <source>You:</source>
        <translation>Tú:</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>Disk Character:</source>
        <translation>Rival del disco:</translation>
    </message>
    <message>
        <source>Disk Character</source>
        <translation>Rival del disco</translation>
    </message>
    <message>
        <source>I won! Thanks for the $25, disk character!</source>
        <translation>¡Gané! ¡Gracias por los $25, rival del disco!</translation>
    </message>
    <message>
        <source>Disk character won! Thanks for the $25!</source>
        <translation>¡Ganó el rival del disco! ¡Gracias por los $25!</translation>
    </message>
    <message>
        <source>WOW!</source>
        <translation>¡Guau!</translation>
    </message>
</context>
<context>
    <name>frmgame</name>
    <message>
        <source>Double Or Nothing!</source>
        <translation>¡Doble o nada!</translation>
    </message>
    <message>
        <source>Double Or nothing!</source>
        <translation>¡Doble o nada!</translation>
    </message>
    <message>
        <source>To play, place a certain amount of sum of money as a bet to start, if you win, you will have 2 times the money. If you lost, try again. After each bet, you can claim your money or gamble again to see if you can double it! If you lost, well, too bad!</source>
        <translation>Para jugar, apuesta la cantidad de dinero que quieras; si ganas, tendrás el doble. Si pierdes, vuelve a intentarlo. Después de cada apuesta, puedes cobrar tu dinero o volver a apostar para ver si lo duplicas. Si pierdes, ¡mala suerte!</translation>
    </message>
    <message>
        <source>Start Gamble</source>
        <translation>Empezar a apostar</translation>
    </message>
    <message>
        <source>Your Cash:</source>
        <translation>Tu dinero:</translation>
    </message>
    <message>
        <source>Bet Amount:</source>
        <translation>Apuesta:</translation>
    </message>
    <message>
        <source>Bet Amount</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Play!</source>
        <translation>¡Jugar!</translation>
    </message>
    <message>
        <source>Gambling...</source>
        <translation>Apostando...</translation>
    </message>
    <message>
        <source>Current Sum:</source>
        <translation>Suma actual:</translation>
    </message>
    <message>
        <source>Claim Money</source>
        <translation>Cobrar</translation>
    </message>
    <message>
        <source>Continue Betting</source>
        <translation>Seguir apostando</translation>
    </message>
    <message>
        <source>You do not have enough money!</source>
        <translation>¡No tienes suficiente dinero!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>You cannot hold that much money! Spend some, then claim it.</source>
        <translation>¡No puedes tener tanto dinero! Gasta un poco y luego cobra.</translation>
    </message>
    <message>
        <source>Your sum cannot grow any bigger! Claim your money.</source>
        <translation>¡Tu suma no puede crecer más! Cobra tu dinero.</translation>
    </message>
    <message>
        <source>You lost! All your bet money is gone!</source>
        <translation>¡Perdiste! ¡Todo el dinero apostado se esfumó!</translation>
    </message>
    <message>
        <source>Too bad!</source>
        <translation>¡Mala suerte!</translation>
    </message>
</context>
<context>
    <name>frmp</name>
    <message>
        <source>Practice Typing!</source>
        <translation>¡Practica mecanografía!</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Word/Phrase :</source>
        <translation>Palabra/frase:</translation>
    </message>
    <message>
        <source>Word(s)/Phrase(s) left:</source>
        <translation>Restantes:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>frmstart</name>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>frmstats</name>
    <message>
        <source>exercise</source>
        <translation>ejercicio</translation>
    </message>
    <message>
        <source>race</source>
        <translation>carrera</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 y %3</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>lección</translation>
    </message>
    <message>
        <source>Typing Statistics</source>
        <translation>Estadísticas de escritura</translation>
    </message>
    <message>
        <source>Only the &amp;current career</source>
        <translation>Solo la trayectoria &amp;actual</translation>
    </message>
    <message>
        <source>Only the current career</source>
        <translation>Solo la trayectoria actual</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Statistics pages</source>
        <translation>Páginas de estadísticas</translation>
    </message>
    <message>
        <source>Speed (WPM)</source>
        <translation>Velocidad (PPM)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Precisión (%)</translation>
    </message>
    <message>
        <source>Exercise, race or drill, oldest first</source>
        <translation>Ejercicio, carrera o lección, del más antiguo al más reciente</translation>
    </message>
    <message>
        <source>Speed and accuracy over time</source>
        <translation>Velocidad y precisión a lo largo del tiempo</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progreso</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>Entries mistyped most</source>
        <translation>Entradas con más errores</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Times mistyped</source>
        <translation>Veces con errores</translation>
    </message>
    <message>
        <source>&amp;Entries</source>
        <translation>&amp;Entradas</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Registros</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>&amp;Calendario</translation>
    </message>
    <message>
        <source>Export Typing Statistics</source>
        <translation>Exportar estadísticas de escritura</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>Reading the records…</source>
        <translation>Leyendo los registros…</translation>
    </message>
    <message>
        <source>No exercise or race recorded yet.</source>
        <translation>Todavía no hay ningún ejercicio ni carrera registrados.</translation>
    </message>
    <message>
        <source>%1 recorded, %2 of typing. Average speed %3 WPM, best %4 WPM; accuracy of the last ten %5.</source>
        <translation>Registrado: %1, con %2 de escritura. Velocidad media %3 PPM, mejor %4 PPM; precisión de los últimos diez: %5.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>unreadable line skipped.</source>
        <translation>línea ilegible omitida.</translation>
    </message>
    <message numerus="yes">
        <source>%n exercises</source>
        <translation>
            <numerusform>%n ejercicio</numerusform>
            <numerusform>%n ejercicios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n races</source>
        <translation>
            <numerusform>%n carrera</numerusform>
            <numerusform>%n carreras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills</source>
        <translation>
            <numerusform>%n lección</numerusform>
            <numerusform>%n lecciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable lines skipped.</source>
        <translation>
            <numerusform>%n línea ilegible omitida.</numerusform>
            <numerusform>%n líneas ilegibles omitidas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Distribución:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Todas las distribuciones</translation>
    </message>
</context>
<context>
    <name>loa</name>
    <message>
        <source>Load Game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>File loaded!</source>
        <translation>¡Partida cargada!</translation>
    </message>
    <message>
        <source>Loaded.</source>
        <translation>Cargada.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Keystrider %1, a typing game: build a typist&apos;s career through practice, races and duels.</source>
        <translation>Keystrider %1, un juego de mecanografía: construye tu trayectoria de mecanógrafo con prácticas, carreras y duelos.</translation>
    </message>
    <message>
        <source>keystrider: the game takes no arguments; see keystrider --help</source>
        <translation>keystrider: el juego no admite argumentos; consulta keystrider --help</translation>
    </message>
</context>
<context>
    <name>sav</name>
    <message>
        <source>Save Game...</source>
        <translation>Guardar partida...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>A game can&apos;t be saved as &quot;%1&quot;. Choose a name without &quot;/&quot; that is not too long.</source>
        <translation>No se puede guardar una partida como &quot;%1&quot;. Elige un nombre sin &quot;/&quot; que no sea demasiado largo.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>A game can&apos;t be saved as &quot;%1&quot;: a name that begins with a dot makes a hidden file, which the Load list does not show. Choose another name.</source>
        <translation>No se puede guardar una partida como &quot;%1&quot;: un nombre que empieza por un punto crea un archivo oculto, que la lista de Cargar no muestra. Elige otro nombre.</translation>
    </message>
    <message>
        <source>%1.kvr holds another saved game. Replace it?</source>
        <translation>%1.kvr ya contiene otra partida guardada. ¿Quieres reemplazarla?</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.kvr. Any game saved under that name before is unchanged.</source>
        <translation>No se pudo guardar la partida como %1.kvr. Si había una partida guardada antes con ese nombre, sigue intacta.</translation>
    </message>
    <message>
        <source>File saved!</source>
        <translation>¡Partida guardada!</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Guardada.</translation>
    </message>
</context>
<context>
    <name>tictac</name>
    <message>
        <source>Quendle&apos;s Tic Tac Toe</source>
        <translation>Tres en raya de Quendle</translation>
    </message>
    <message>
        <source>Start / Reset</source>
        <translation>Empezar / Reiniciar</translation>
    </message>
    <message>
        <source>Comp Move First</source>
        <translation>Empieza la máquina</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Empates</translation>
    </message>
    <message>
        <source>Strategy Learned!</source>
        <translation>¡Estrategia aprendida!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Win vivovu Dev Ezi Doz to win $25 bucks! If you lost, then he will only take $5 bucks from you.</source>
        <translation>¡Gana a Vivovu Dev Ezi Doz y llévate $25! Si pierdes, solo te quitará $5.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Your Sign:</source>
        <translation>Tu signo:</translation>
    </message>
    <message>
        <source>Comp&apos;s Sign:</source>
        <translation>Signo rival:</translation>
    </message>
    <message>
        <source>Your moves</source>
        <translation>Tus jugadas</translation>
    </message>
    <message>
        <source>Computer&apos;s moves</source>
        <translation>Jugadas de la máquina</translation>
    </message>
    <message>
        <source>Learned strategies</source>
        <translation>Estrategias aprendidas</translation>
    </message>
    <message>
        <source>Thinking Process</source>
        <translation>Proceso de pensamiento</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Casilla %1</translation>
    </message>
    <message>
        <source>Cell %1: %2</source>
        <translation>Casilla %1: %2</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Procesando</translation>
    </message>
    <message>
        <source>Trying predefined Strategy</source>
        <translation>Probando estrategia predefinida</translation>
    </message>
    <message>
        <source>Looking for ways to win</source>
        <translation>Buscando formas de ganar</translation>
    </message>
    <message>
        <source>Looking for ways to block you</source>
        <translation>Buscando formas de bloquearte</translation>
    </message>
    <message>
        <source>Recalling your Strategy</source>
        <translation>Recordando tu estrategia</translation>
    </message>
    <message>
        <source>Random Move</source>
        <translation>Jugada al azar</translation>
    </message>
    <message>
        <source>%1 Vivovu Dev Ezi Doz plays without what it learned before, and what it learns now is not kept.</source>
        <translation>%1 Vivovu Dev Ezi Doz juega sin lo que aprendió antes, y lo que aprenda ahora no se guardará.</translation>
    </message>
    <message>
        <source>brain.dat could not be written: what Vivovu Dev Ezi Doz learns now is forgotten when this window closes.</source>
        <translation>No se pudo guardar brain.dat: lo que Vivovu Dev Ezi Doz aprenda ahora se olvidará al cerrar esta ventana.</translation>
    </message>
    <message>
        <source>The record of %1 could not be written.</source>
        <translation>No se pudo guardar el historial de %1.</translation>
    </message>
    <message>
        <source>%1 It is left as it is and will not be written over. %2 plays with no wins, losses or draws.</source>
        <translation>%1 Se deja tal como está y no se sobrescribirá. %2 juega sin victorias, derrotas ni empates.</translation>
    </message>
    <message>
        <source>%1 cannot be read, and could not be moved aside either: it is left as it is and will not be written over. %2 plays with no wins, losses or draws.</source>
        <translation>No se puede leer %1, y tampoco se pudo apartar: se deja tal como está y no se sobrescribirá. %2 juega sin victorias, derrotas ni empates.</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was kept as %2 for you to repair or delete. %3 plays on with no wins, losses or draws.</source>
        <translation>No se puede leer %1, así que se guardó como %2 para que lo repares o lo borres. %3 sigue jugando sin victorias, derrotas ni empates.</translation>
    </message>
    <message>
        <source>%1 The list starts empty, and no name is added to it.</source>
        <translation>%1 La lista empieza vacía y no se le añade ningún nombre.</translation>
    </message>
    <message>
        <source>%1 cannot be kept on the list: a name must not hold &quot;/&quot; or a double quote, nor be only dots.</source>
        <translation>%1 no puede estar en la lista: un nombre no puede contener &quot;/&quot; ni comillas dobles, ni ser solo puntos.</translation>
    </message>
    <message>
        <source>%1 %2 is not added to the list.</source>
        <translation>%1 %2 no se añade a la lista.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>U won $25!</source>
        <translation>¡Ganaste $25!</translation>
    </message>
    <message>
        <source>Computer Won! You lost $10!</source>
        <translation>¡Ganó la máquina! ¡Perdiste $10!</translation>
    </message>
    <message>
        <source>Draw! How boring...</source>
        <translation>¡Empate! Qué aburrido...</translation>
    </message>
    <message>
        <source>Vivovu Dev Ezi Doz is tired. Play another day!</source>
        <translation>Vivovu Dev Ezi Doz está cansado. ¡Juega otro día!</translation>
    </message>
    <message>
        <source>You do not have enough money to pay if you lost!</source>
        <translation>¡No tienes suficiente dinero para pagar si pierdes!</translation>
    </message>
    <message>
        <source>Oh no!</source>
        <translation>¡Oh, no!</translation>
    </message>
    <message>
        <source>Turns: </source>
        <translation>Turnos: </translation>
    </message>
    <message>
        <source>Winnings: </source>
        <translation>Victorias: </translation>
    </message>
    <message>
        <source>Loses: </source>
        <translation>Derrotas: </translation>
    </message>
    <message>
        <source>Draws: </source>
        <translation>Empates: </translation>
    </message>
</context>
</TS>
