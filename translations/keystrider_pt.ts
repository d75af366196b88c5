<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>BattleDisk</name>
    <message>
        <source>%1 was not written: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>Your best races are not on it: %1</source>
        <translation>As tuas melhores corridas não estão lá: %1</translation>
    </message>
</context>
<context>
    <name>CalendarTab</name>
    <message>
        <source>Shades from nothing typed to the goal met, then a frozen day</source>
        <translation>Tons desde nada escrito até ao objetivo cumprido, e depois um dia protegido</translation>
    </message>
    <message>
        <source>Practice goal:</source>
        <translation>Objetivo de prática:</translation>
    </message>
    <message>
        <source> min a day</source>
        <translation> min por dia</translation>
    </message>
    <message>
        <source>Practice streak:</source>
        <translation>Sequência de prática:</translation>
    </message>
    <message>
        <source>Less of the goal met, then more; outlined: today; crossed: a day a streak freeze kept.</source>
        <translation>Menos do objetivo cumprido, depois mais; contornado: hoje; riscado: um dia salvo por uma proteção de sequência.</translation>
    </message>
</context>
<context>
    <name>CalendarView</name>
    <message>
        <source>Week of %1</source>
        <translation>Semana de %1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
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
        <translation>Caps Lock ativado</translation>
    </message>
</context>
<context>
    <name>Career</name>
    <message>
        <source>You have been promoted to rank %1.</source>
        <translation>Foste promovido ao posto %1.</translation>
    </message>
    <message>
        <source>Objectives: To raise to Typist Rank 8 so that</source>
        <translation>Objetivos: subir ao posto 8 de datilógrafo para</translation>
    </message>
    <message>
        <source>you will be hired by QuendleSoft as a typist or</source>
        <translation>seres contratado pela QuendleSoft como datilógrafo, ou</translation>
    </message>
    <message>
        <source>get $25000 cash to bribe QuendleSoft to give you</source>
        <translation>juntar $25000 em dinheiro para subornares a QuendleSoft</translation>
    </message>
    <message>
        <source>the job!</source>
        <translation>e ficares com o emprego!</translation>
    </message>
    <message>
        <source>Each rank promotion gives you extra days of game!</source>
        <translation>Cada promoção de posto dá-te dias extra de jogo!</translation>
    </message>
    <message>
        <source>You travelled back to Singapore!</source>
        <translation>Voltaste a Singapura!</translation>
    </message>
    <message>
        <source>Your game will end tommorrow.</source>
        <translation>O teu jogo acaba amanhã.</translation>
    </message>
    <message>
        <source>Your game has ended...</source>
        <translation>O teu jogo terminou...</translation>
    </message>
    <message>
        <source>with a score of %1!</source>
        <translation>com uma pontuação de %1!</translation>
    </message>
</context>
<context>
    <name>CoachPlan</name>
    <message>
        <source>what the coach teaches and the text and target chosen are not kept</source>
        <translation>o que o treinador ensina, o texto e a meta escolhidos não ficam guardados</translation>
    </message>
</context>
<context>
    <name>CoachPlanner</name>
    <message>
        <source>%1 could not be written: what the coach teaches and the text and target chosen are not kept.</source>
        <translation>Não foi possível gravar %1: o que o treinador ensina, o texto e a meta escolhidos não ficam guardados.</translation>
    </message>
    <message>
        <source>%1 could not be written: the keyboard chosen is not kept.</source>
        <translation>Não foi possível gravar %1: o teclado escolhido não fica guardado.</translation>
    </message>
    <message>
        <source>The typing statistics are still being read.</source>
        <translation>As estatísticas de escrita ainda estão a ser lidas.</translation>
    </message>
    <message>
        <source>Skipped %1: not on this keyboard.</source>
        <translation>Omitido: %1 (não existe neste teclado).</translation>
    </message>
    <message>
        <source>Reading the typing statistics...</source>
        <translation>A ler as estatísticas de escrita...</translation>
    </message>
    <message>
        <source>The keyboard layout changed: the drills are in %1 words now, with %2 keys in play; what you learned in %3 is kept for %3 words.</source>
        <translation>O esquema de teclado mudou: as séries usam agora palavras do idioma %1, com %2 teclas em jogo; o que aprendeste no idioma %3 fica guardado para as palavras do idioma %3.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>A ler %1...</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>No word to type holds %1.</source>
        <translation>Nenhuma palavra para escrever contém a tecla %1.</translation>
    </message>
    <message>
        <source>%1 joins the keys in play.</source>
        <translation>A tecla %1 junta-se às teclas em jogo.</translation>
    </message>
    <message numerus="yes">
        <source>%1 join the keys in play.</source>
        <translation>
            <numerusform>A tecla %1 junta-se às teclas em jogo.</numerusform>
            <numerusform>As teclas %1 juntam-se às teclas em jogo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Most keys in play are slower than %1 WPM</source>
        <translation>A maioria das teclas em jogo está abaixo de %1 PPM</translation>
    </message>
    <message>
        <source>Most keys in play have sat at %1 WPM or below for %2 drills</source>
        <translation>A maioria das teclas em jogo está em %1 PPM ou menos há %2 séries</translation>
    </message>
    <message>
        <source>%1: %2 WPM fits your typing now, and &quot;Use %2 WPM&quot; makes it the target.</source>
        <translation>%1: %2 PPM é adequado à tua escrita atual; &quot;Usar %2 PPM&quot; define-o como meta.</translation>
    </message>
    <message>
        <source>The coach brings in the letters of your words one by one, the most frequent first: a new one joins when every key in play reaches the target speed. Each drill trains the weakest key in play; press Start.</source>
        <translation>O treinador introduz as letras das tuas palavras uma a uma, as mais frequentes primeiro: entra uma nova quando todas as teclas em jogo atingem a velocidade-meta. Cada série treina a tecla em jogo mais fraca; carrega em Iniciar.</translation>
    </message>
    <message>
        <source>%1: confidence %2 % before, %3 % after. Keys in play: %4 of %5.</source>
        <translation>%1: confiança %2 % antes, %3 % depois. Teclas em jogo: %4 de %5.</translation>
    </message>
    <message>
        <source> %1 has reached the target.</source>
        <translation> A tecla %1 atingiu a meta.</translation>
    </message>
    <message>
        <source>%1 WPM, %2 % accurate. </source>
        <translation>%1 PPM, %2 % de precisão. </translation>
    </message>
    <message>
        <source>You learn %1: each key types what it types there, by its place on your keyboard, and the keys in play, target and history are its own.</source>
        <translation>Estás a aprender %1: cada tecla escreve o que escreveria nesse esquema, pela sua posição no teu teclado, e as teclas em jogo, a meta e o histórico são próprios desse esquema.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be typed on this keyboard, so the Symbols stage leaves it out.</source>
        <translation>Não é possível escrever %1 neste teclado, por isso a etapa &quot;Símbolos&quot; deixa-o de fora.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be typed on this keyboard, so the Symbols stage leaves them out.</source>
        <translation>Não é possível escrever %1 neste teclado, por isso a etapa &quot;Símbolos&quot; deixa-os de fora.</translation>
    </message>
</context>
<context>
    <name>ConfidenceBars</name>
    <message>
        <source>Confidence</source>
        <translation>Confiança</translation>
    </message>
    <message>
        <source>Confidence: %1</source>
        <translation>Confiança: %1</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Typing box</source>
        <translation>Caixa de escrita</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>Singapore [$500]</source>
        <translation>Singapura [$500]</translation>
    </message>
    <message>
        <source>You arrived in Singapore!</source>
        <translation>Chegaste a Singapura!</translation>
    </message>
    <message>
        <source>Malaysia [$200]</source>
        <translation>Malásia [$200]</translation>
    </message>
    <message>
        <source>You arrived in malaysia!</source>
        <translation>Chegaste à Malásia!</translation>
    </message>
    <message>
        <source>China [$560]</source>
        <translation>China [$560]</translation>
    </message>
    <message>
        <source>You arrived in china!</source>
        <translation>Chegaste à China!</translation>
    </message>
    <message>
        <source>Japan [$700]</source>
        <translation>Japão [$700]</translation>
    </message>
    <message>
        <source>You arrived in japan!</source>
        <translation>Chegaste ao Japão!</translation>
    </message>
    <message>
        <source>America [$800]</source>
        <translation>América [$800]</translation>
    </message>
    <message>
        <source>You arrived in america!</source>
        <translation>Chegaste à América!</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapura</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malásia</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>America</source>
        <translation>América</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japão</translation>
    </message>
</context>
<context>
    <name>DailyPractice</name>
    <message>
        <source>%1 could not be written: the practice goal is not kept.</source>
        <translation>Não foi possível gravar %1: o objetivo de prática não fica guardado.</translation>
    </message>
    <message>
        <source>Today: %1 of %2 min</source>
        <translation>Hoje: %1 de %2 min</translation>
    </message>
</context>
<context>
    <name>DayEvents</name>
    <message>
        <source>Another day past...</source>
        <translation>Passou mais um dia...</translation>
    </message>
    <message>
        <source>A peaceful and boring day...</source>
        <translation>Um dia tranquilo e aborrecido...</translation>
    </message>
    <message>
        <source>Someone bumped into you on the street!</source>
        <translation>Alguém esbarrou em ti na rua!</translation>
    </message>
    <message>
        <source>You discovered that $%1 is stolen!</source>
        <translation>Descobriste que te roubaram $%1!</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Singapore...</source>
        <translation>Ouviste um rumor de que vai haver uma competição em Singapura...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Malaysia...</source>
        <translation>Ouviste um rumor de que vai haver uma competição na Malásia...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in China...</source>
        <translation>Ouviste um rumor de que vai haver uma competição na China...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in America...</source>
        <translation>Ouviste um rumor de que vai haver uma competição na América...</translation>
    </message>
    <message>
        <source>You heard a rumour there will be a competition held in Japan...</source>
        <translation>Ouviste um rumor de que vai haver uma competição no Japão...</translation>
    </message>
    <message>
        <source>A nice but wonderful boring day...</source>
        <translation>Um dia agradável, mas maravilhosamente aborrecido...</translation>
    </message>
    <message>
        <source>You found a pizza on the ground and stupidly ate it.</source>
        <translation>Encontraste uma pizza no chão e, estupidamente, comeste-a.</translation>
    </message>
    <message>
        <source>Therefore, you suffered from food poisoning and pays the</source>
        <translation>Por isso, apanhaste uma intoxicação alimentar e pagaste ao</translation>
    </message>
    <message>
        <source>doctor $%1!</source>
        <translation>médico $%1!</translation>
    </message>
    <message>
        <source>While walking along the street kicking pebbles, you found</source>
        <translation>Enquanto andavas pela rua a dar pontapés em pedrinhas, encontraste</translation>
    </message>
    <message>
        <source>$%1 under one of it!</source>
        <translation>$%1 debaixo de uma delas!</translation>
    </message>
    <message>
        <source>A boring an lame day...</source>
        <translation>Um dia aborrecido e sem graça...</translation>
    </message>
    <message>
        <source>You found $%1 while siting on a bus.</source>
        <translation>Encontraste $%1 quando estavas sentado no autocarro.</translation>
    </message>
    <message>
        <source>A man on the bus burnt your $%1 T-shirt with his cigratte.</source>
        <translation>Um homem no autocarro queimou-te a T-shirt de $%1 com o cigarro.</translation>
    </message>
    <message>
        <source>You have no choice but to buy a new one...</source>
        <translation>Não tens outro remédio senão comprar uma nova...</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Weak keys</source>
        <translation>Teclas fracas</translation>
    </message>
    <message>
        <source>Weak pairs</source>
        <translation>Pares fracos</translation>
    </message>
    <message>
        <source>Mistyped entries</source>
        <translation>Entradas com erros</translation>
    </message>
    <message>
        <source>Own text</source>
        <translation>Texto próprio</translation>
    </message>
    <message>
        <source>No mistyped entries left: every one you mistyped has since been typed clean.</source>
        <translation>Já não há entradas com erros: todas as que erraste já foram escritas sem erros desde então.</translation>
    </message>
    <message>
        <source>No mistyped entries yet: practise or race first.</source>
        <translation>Ainda não há entradas com erros: pratica ou faz uma corrida primeiro.</translation>
    </message>
    <message>
        <source>The text is still being read.</source>
        <translation>O texto ainda está a ser lido.</translation>
    </message>
    <message>
        <source>Choose a text to type first.</source>
        <translation>Escolhe primeiro um texto para escrever.</translation>
    </message>
    <message>
        <source>No key is in play to build a drill from.</source>
        <translation>Não há nenhuma tecla em jogo para criar uma série.</translation>
    </message>
    <message>
        <source>%1 reached %2 WPM</source>
        <translation>A tecla %1 chegou a %2 PPM</translation>
    </message>
    <message>
        <source>No letter pair of the keys in play has been typed %1 times yet: practise or drill a while first.</source>
        <translation>Ainda nenhum par de letras das teclas em jogo foi escrito %1 vezes: pratica ou faz algumas séries primeiro.</translation>
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
        <translation>Os nomes só podem usar letras das línguas da Europa Ocidental, porque os ficheiros do jogo não conseguem guardar outras letras. Escreve outro nome, por favor.</translation>
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
        <translation>não existe</translation>
    </message>
    <message>
        <source>it is a folder, a device or a pipe, not a file</source>
        <translation>é uma pasta, um dispositivo ou um pipe, não um ficheiro</translation>
    </message>
    <message>
        <source>it is a symbolic link, which the game never follows on a battle disk</source>
        <translation>é uma ligação simbólica, que o jogo nunca segue num disco de batalha</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the game reads of it</source>
        <translation>tem mais de %1, o máximo que o jogo lê</translation>
    </message>
    <message>
        <source>the system refused it</source>
        <translation>o sistema recusou o acesso</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Não foi possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
</context>
<context>
    <name>FolderPrompt</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Name</source>
        <translation>Introduzir nome</translation>
    </message>
    <message>
        <source>Enter name you want:</source>
        <translation>Escreve o nome que queres:</translation>
    </message>
    <message>
        <source>Abandon %1&apos;s career? It has not been saved since it changed.</source>
        <translation>Abandonar a carreira de %1? Não foi guardada desde a última alteração.</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Registo de eventos</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Serviços</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Competição</translation>
    </message>
    <message>
        <source>Fly away</source>
        <translation>Viajar</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Dia seguinte</translation>
    </message>
    <message>
        <source>My Status</source>
        <translation>O meu estado</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Rank:</source>
        <translation>Posto:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Dinheiro:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Dias:</translation>
    </message>
    <message>
        <source>Days left:</source>
        <translation>Restam:</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Fim do jogo</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Sair do jogo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carregar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>&amp;País</translation>
    </message>
    <message>
        <source>Cheat Input</source>
        <translation>Código secreto</translation>
    </message>
    <message>
        <source>Two Playes</source>
        <translation>Dois jogadores</translation>
    </message>
    <message>
        <source>&amp;Create KVR Competition Disk</source>
        <translation>&amp;Criar disco de batalha KVR</translation>
    </message>
    <message>
        <source>&amp;Update Status from KVR Competition Disk</source>
        <translation>&amp;Atualizar estado a partir do disco de batalha KVR</translation>
    </message>
    <message>
        <source>Competition With Typist in KVR Battle Disk</source>
        <translation>Competir com o datilógrafo do disco de batalha KVR</translation>
    </message>
    <message>
        <source>Race the Disk Typist&apos;s Best...</source>
        <translation>Correr contra o recorde do datilógrafo do disco...</translation>
    </message>
    <message>
        <source>&amp;Others</source>
        <translation>&amp;Outros</translation>
    </message>
    <message>
        <source>Check Competition</source>
        <translation>Ver competições</translation>
    </message>
    <message>
        <source>Typing &amp;Statistics</source>
        <translation>&amp;Estatísticas de escrita</translation>
    </message>
    <message>
        <source>Typing &amp;Coach</source>
        <translation>&amp;Treinador de escrita</translation>
    </message>
    <message>
        <source>&amp;Time machine</source>
        <translation>&amp;Máquina do tempo</translation>
    </message>
    <message>
        <source>&amp;Mysterious Reward Bag</source>
        <translation>&amp;Saco de prémios misterioso</translation>
    </message>
    <message>
        <source>&amp;Double or Nothing</source>
        <translation>&amp;Dobro ou nada</translation>
    </message>
    <message>
        <source>Enter diskette drive letter (eg. a:\) :</source>
        <translation>Indica a letra da unidade de disquete (p. ex. a:\):</translation>
    </message>
    <message>
        <source>Create KVR Competition Disk</source>
        <translation>Criar disco de batalha KVR</translation>
    </message>
    <message>
        <source>Diskette not found!</source>
        <translation>Disquete não encontrada!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Wrong KVR Battle Disk!</source>
        <translation>Disco de batalha KVR errado!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Feito</translation>
    </message>
    <message>
        <source>KVR Battle Disk Created!</source>
        <translation>Disco de batalha KVR criado!</translation>
    </message>
    <message>
        <source>Status Updated!</source>
        <translation>Estado atualizado!</translation>
    </message>
    <message>
        <source>The typist on this disk has no race to race: the disk was made before they finished one, or by an older copy of the game.</source>
        <translation>O datilógrafo deste disco não tem nenhuma corrida para disputar: o disco foi criado antes de ele terminar alguma, ou por uma versão mais antiga do jogo.</translation>
    </message>
    <message>
        <source>Friendly Race</source>
        <translation>Corrida amigável</translation>
    </message>
    <message>
        <source>You have completed your objective by reaching rank 8 so that your boss will hire you!</source>
        <translation>Cumpriste o teu objetivo: chegaste ao posto 8 e o teu chefe vai contratar-te!</translation>
    </message>
    <message>
        <source>You have completed your objective by earning $25000 to bribe your boss to hire you!</source>
        <translation>Cumpriste o teu objetivo: juntaste $25000 para subornar o teu chefe e ele vai contratar-te!</translation>
    </message>
    <message>
        <source>Your score could not be written to %1.</source>
        <translation>Não foi possível gravar a tua pontuação em %1.</translation>
    </message>
    <message>
        <source>Game Over! Time&apos;s Up!</source>
        <translation>Fim do jogo! Acabou o tempo!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim do jogo</translation>
    </message>
    <message>
        <source>You failed your objectives! You are a loser!</source>
        <translation>Não cumpriste os teus objetivos! És um falhado!</translation>
    </message>
    <message>
        <source>Loser!</source>
        <translation>Falhado!</translation>
    </message>
    <message>
        <source>Time Machine</source>
        <translation>Máquina do tempo</translation>
    </message>
    <message>
        <source>How many days you want to travel back in time?</source>
        <translation>Quantos dias queres recuar no tempo?</translation>
    </message>
    <message>
        <source>You do not have enough money!</source>
        <translation>Não tens dinheiro suficiente!</translation>
    </message>
    <message>
        <source>The time machine cannot take you that far!</source>
        <translation>A máquina do tempo não te consegue levar tão longe!</translation>
    </message>
    <message>
        <source>Mysterious Reward Bag</source>
        <translation>Saco de prémios misterioso</translation>
    </message>
    <message>
        <source>Drawing Mysterious Reward bag...</source>
        <translation>A tirar do saco de prémios misterioso...</translation>
    </message>
    <message>
        <source>Enter cheat:</source>
        <translation>Escreve o código secreto:</translation>
    </message>
    <message>
        <source>Cheat?</source>
        <translation>Código secreto?</translation>
    </message>
    <message>
        <source>No such cheat!</source>
        <translation>Esse código não existe!</translation>
    </message>
    <message>
        <source>Not enough money!</source>
        <translation>Não tens dinheiro suficiente!</translation>
    </message>
    <message>
        <source>Pok Kia!</source>
        <translation>Bolsos vazios!</translation>
    </message>
    <message>
        <source>Are you sure you want to fly there?</source>
        <translation>Tens a certeza de que queres voar para lá?</translation>
    </message>
    <message>
        <source>Fly!</source>
        <translation>Voar!</translation>
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
        <translation>de avanço sobre</translation>
    </message>
    <message>
        <source>behind</source>
        <translation>de atraso sobre</translation>
    </message>
    <message>
        <source>level with %1</source>
        <translation>empatado com %1</translation>
    </message>
    <message>
        <source>To the finish in %1</source>
        <translation>Chegada em %1</translation>
    </message>
    <message>
        <source>, as fast as your best</source>
        <translation>, tão rápido como o teu recorde</translation>
    </message>
    <message>
        <source>, %1 %2 than your best</source>
        <translation>, %1 %2 do que o teu recorde</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>mais rápido</translation>
    </message>
    <message>
        <source>slower</source>
        <translation>mais lento</translation>
    </message>
    <message>
        <source>%1 of the finish</source>
        <translation>Ficaste %1 da chegada</translation>
    </message>
    <message>
        <source>, your best finished in %1</source>
        <translation>, o teu recorde chegou em %1</translation>
    </message>
    <message>
        <source>, your best was %1</source>
        <translation>, o teu recorde ficou %1 da chegada</translation>
    </message>
    <message>
        <source>, your first race at this level.</source>
        <translation>, a tua primeira corrida neste nível.</translation>
    </message>
    <message>
        <source> New best!</source>
        <translation> Novo recorde!</translation>
    </message>
    <message>
        <source>You and %1 were as fast as each other, %2 to the finish.</source>
        <translation>Tu e %1 foram igualmente rápidos: %2 até à chegada.</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 contra %2</translation>
    </message>
    <message>
        <source>You were faster than %1, by %2 (%3).</source>
        <translation>Foste mais rápido do que %1, por %2 (%3).</translation>
    </message>
    <message>
        <source>%1 was faster, by %2 (%3).</source>
        <translation>%1 foi mais rápido, por %2 (%3).</translation>
    </message>
    <message>
        <source>You were faster than %1, who did not reach the finish: you were there in %2, %1 %3 of it.</source>
        <translation>Foste mais rápido do que %1, que não chegou ao fim: chegaste em %2, e %1 ficou %3 da chegada.</translation>
    </message>
    <message>
        <source>%1 was faster, finishing in %2; you did not reach the finish, %3 of it.</source>
        <translation>%1 foi mais rápido e chegou em %2; tu não chegaste ao fim, ficaste %3 da chegada.</translation>
    </message>
    <message>
        <source>Neither of you reached the finish, and you got as far as %1: %2 of it.</source>
        <translation>Nenhum dos dois chegou ao fim, e foste tão longe como %1: %2 da chegada.</translation>
    </message>
    <message>
        <source>(%1 short against %2)</source>
        <translation>(a %1 da chegada, contra %2)</translation>
    </message>
    <message>
        <source>Neither of you reached the finish; you got %1 farther than %2 %3.</source>
        <translation>Nenhum dos dois chegou ao fim; foste %1 mais longe do que %2 %3.</translation>
    </message>
    <message>
        <source>Neither of you reached the finish; %1 got %2 farther %3.</source>
        <translation>Nenhum dos dois chegou ao fim; %1 foi %2 mais longe %3.</translation>
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
        <translation>%1, confiança %2 %</translation>
    </message>
    <message>
        <source>%1, not in play yet</source>
        <translation>%1, ainda não está em jogo</translation>
    </message>
    <message>
        <source>Focus of the drills</source>
        <translation>Em foco nas séries</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>%1, the focus of the drills until you clear it</source>
        <translation>%1, em foco nas séries até lhe retirares o foco</translation>
    </message>
    <message>
        <source>%1, left out of the drills</source>
        <translation>%1, excluída das séries</translation>
    </message>
</context>
<context>
    <name>KeyTries</name>
    <message>
        <source>%1 is not getting more accurate yet.</source>
        <translation>A tecla %1 ainda não ganhou precisão.</translation>
    </message>
    <message>
        <source>%1 is not getting faster yet.</source>
        <translation>A tecla %1 ainda não ganhou velocidade.</translation>
    </message>
    <message>
        <source>%1 is not fast enough for %2 WPM yet: %3 ms a key at best lately, %4 ms needed.</source>
        <translation>A tecla %1 ainda não é rápida o suficiente para %2 PPM: ultimamente, %3 ms por tecla no melhor caso; são precisos %4 ms.</translation>
    </message>
    <message>
        <source>%1 is missed too often to pass yet: %2 % at best lately, %3 % at most.</source>
        <translation>A tecla %1 ainda falha demasiadas vezes para passar: ultimamente, %2 % no melhor caso; o máximo é %3 %.</translation>
    </message>
    <message>
        <source>One more drill of %1 will show how fast it is rising.</source>
        <translation>Mais uma série da tecla %1 mostrará a que ritmo está a subir.</translation>
    </message>
    <message>
        <source>%1 is rising, but more than ten drills from the target at this pace.</source>
        <translation>A tecla %1 está a subir, mas a este ritmo está a mais de dez séries da meta.</translation>
    </message>
    <message>
        <source>About one more drill of %1 to reach the target.</source>
        <translation>Falta cerca de mais uma série da tecla %1 para atingir a meta.</translation>
    </message>
    <message>
        <source>every other drill</source>
        <translation>de duas em duas séries</translation>
    </message>
    <message>
        <source>every third drill</source>
        <translation>de três em três séries</translation>
    </message>
    <message>
        <source>every fourth drill</source>
        <translation>de quatro em quatro séries</translation>
    </message>
    <message>
        <source>%1 is still %2 (%3 %): %4 joins so you go on; %1 comes back every other drill.</source>
        <translation>A tecla %1 continua %2 (%3 %): a tecla %4 entra na mesma para avançares; a tecla %1 volta de duas em duas séries.</translation>
    </message>
    <message>
        <source>missed too often</source>
        <translation>com demasiadas falhas</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lenta</translation>
    </message>
    <message>
        <source>%1, confidence %2 %, comes back %3: %4 ms a key against %5 ms for %6 WPM, missed %7 % against %8 % at most</source>
        <translation>%1, confiança %2 %, volta %3: %4 ms por tecla contra %5 ms para %6 PPM, falhada %7 % das vezes contra %8 % no máximo</translation>
    </message>
    <message numerus="yes">
        <source>About %n more drills of %1 to reach the target.</source>
        <translation>
            <numerusform>Falta cerca de mais uma série da tecla %1 para atingir a meta.</numerusform>
            <numerusform>Faltam cerca de mais %n séries da tecla %1 para atingir a meta.</numerusform>
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
        <translation>Espaço</translation>
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
        <translation>mindinho esquerdo</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>anelar esquerdo</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>médio esquerdo</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>indicador esquerdo</translation>
    </message>
    <message>
        <source>thumb</source>
        <translation>polegar</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>indicador direito</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>médio direito</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>anelar direito</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>mindinho direito</translation>
    </message>
</context>
<context>
    <name>KeyboardChooser</name>
    <message>
        <source>System keyboard</source>
        <translation>Teclado do sistema</translation>
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
        <translation>Próxima tecla: %1, não existe neste teclado</translation>
    </message>
    <message>
        <source>Next key: %1, type %2, %3</source>
        <translation>Próxima tecla: %1, carrega em %2, %3</translation>
    </message>
    <message>
        <source>Next key: %1, %2</source>
        <translation>Próxima tecla: %1, %2</translation>
    </message>
    <message>
        <source>, with right Shift</source>
        <translation>, com o Shift direito</translation>
    </message>
    <message>
        <source>, with left Shift</source>
        <translation>, com o Shift esquerdo</translation>
    </message>
    <message>
        <source>, with AltGr</source>
        <translation>, com AltGr</translation>
    </message>
    <message>
        <source>, then %1</source>
        <translation>, depois %1</translation>
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
        <translation>Teclas mais falhadas</translation>
    </message>
    <message>
        <source>Slowest keys</source>
        <translation>Teclas mais lentas</translation>
    </message>
    <message>
        <source>Slowest pairs</source>
        <translation>Pares mais lentos</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>A key is ranked once it has come up %1 times.</source>
        <translation>Uma tecla entra na classificação depois de aparecer %1 vezes.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Falhas</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Pedidas</translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation>Taxa de falhas</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Tempo médio</translation>
    </message>
    <message>
        <source>Times timed</source>
        <translation>Medições</translation>
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
        <translation>Taxa de &amp;falhas</translation>
    </message>
    <message>
        <source>Typing t&amp;ime</source>
        <translation>Tempo de escr&amp;ita</translation>
    </message>
    <message>
        <source>Practise &amp;These Keys</source>
        <translation>Praticar es&amp;tas teclas</translation>
    </message>
    <message>
        <source>Practise These Keys</source>
        <translation>Praticar estas teclas</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Slower by</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>A pair&apos;s time above its second key&apos;s own time, and how common it is in the coach&apos;s words: the slowest first.</source>
        <translation>O tempo de um par acima do tempo da sua segunda tecla sozinha, e a frequência do par nas palavras do treinador: os mais lentos primeiro.</translation>
    </message>
    <message>
        <source>Mean time (ms)</source>
        <translation>Tempo médio (ms)</translation>
    </message>
    <message>
        <source>Miss rate (%)</source>
        <translation>Taxa de falhas (%)</translation>
    </message>
    <message>
        <source>%1 on average, %2 times timed</source>
        <translation>%1 em média, %2 medições</translation>
    </message>
    <message>
        <source>%1 missed, %2 of %3</source>
        <translation>%1 de falhas, %2 de %3</translation>
    </message>
    <message>
        <source>Typed instead</source>
        <translation>Premida em vez disso</translation>
    </message>
    <message>
        <source>The key typed where a run of wrong keys began, for the key due there: the most often first.</source>
        <translation>A tecla premida no início de uma sequência de teclas erradas, em vez da tecla pedida: as mais frequentes primeiro.</translation>
    </message>
    <message>
        <source>%1 for %2: once</source>
        <translation>%1 em vez de %2: uma vez</translation>
    </message>
    <message>
        <source>%1 for %2: %3 times</source>
        <translation>%1 em vez de %2: %3 vezes</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>From the next start, Keystrider speaks the language of your desktop.</source>
        <translation>A partir do próximo arranque, o Keystrider fala a língua do teu ambiente de trabalho.</translation>
    </message>
    <message>
        <source>From the next start, Keystrider speaks %1.</source>
        <extracomment>%1 is the language&apos;s own name: English, Deutsch, Français, …</extracomment>
        <translation>A partir do próximo arranque, o Keystrider fala %1.</translation>
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
        <translation>Inglês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>The %1 word list %2: the coach makes up words instead.</source>
        <translation>A lista de palavras do idioma %1 %2: em vez disso, o treinador inventa palavras.</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>é demasiado grande</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está danificada</translation>
    </message>
    <message>
        <source>holds no words</source>
        <translation>não tem palavras</translation>
    </message>
    <message>
        <source>The coach has no word list for that language: it makes up words instead.</source>
        <translation>O treinador não tem lista de palavras para esse idioma: em vez disso, inventa palavras.</translation>
    </message>
    <message>
        <source> The coach makes up words instead.</source>
        <translation> Em vez disso, o treinador inventa palavras.</translation>
    </message>
    <message>
        <source>The coach has no word list in the keyboard layout&apos;s language: it drills English words. &quot;Words:&quot; chooses another language.</source>
        <translation>O treinador não tem lista de palavras no idioma do esquema de teclado: usa palavras em inglês nas séries. Em &quot;Palavras:&quot; podes escolher outro idioma.</translation>
    </message>
</context>
<context>
    <name>OwnText</name>
    <message>
        <source>%1 is not there: it may have been moved, renamed or deleted.</source>
        <translation>%1 não existe: pode ter sido movido, renomeado ou eliminado.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 não é um ficheiro.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Não é possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 não é um ficheiro de texto.</translation>
    </message>
    <message>
        <source>%1 holds no text to type.</source>
        <translation>%1 não tem texto para escrever.</translation>
    </message>
    <message>
        <source>%1 is too large: the coach takes texts up to 16 MB.</source>
        <translation>%1 é demasiado grande: o treinador aceita textos até 16 MB.</translation>
    </message>
</context>
<context>
    <name>PlaceKeeper</name>
    <message>
        <source>where you stop in this text is not kept</source>
        <translation>o ponto onde paras neste texto não fica guardado</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>You took %1s to type %2 words in %3 level with %4 mistakes.</source>
        <translation>Demoraste %1 s a escrever %2 palavras no nível %3, com %4 erros.</translation>
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
        <translation>%1 min de escrita, %2 PPM, %3 de precisão</translation>
    </message>
    <message>
        <source>, goal of %1 min met</source>
        <translation>, objetivo de %1 min cumprido</translation>
    </message>
    <message>
        <source>, a streak freeze kept the streak</source>
        <translation>, uma proteção de sequência manteve a sequência</translation>
    </message>
    <message>
        <source> (today)</source>
        <translation> (hoje)</translation>
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
        <translation>o objetivo de prática não fica guardado</translation>
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
        <translation>Em progresso</translation>
    </message>
    <message>
        <source>Coming Along Well</source>
        <translation>Em progresso</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Acima da média</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Perito</translation>
    </message>
</context>
<context>
    <name>PracticeStreak</name>
    <message>
        <source>%1 %2, best %3; %4 of %5 streak freezes held</source>
        <translation>%1 %2, recorde: %3; %4 de %5 proteções de sequência disponíveis</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dia</translation>
    </message>
    <message numerus="yes">
        <source>%n days, best %1; %2 of %3 streak freezes held</source>
        <translation>
            <numerusform>%n dia, recorde: %1; %2 de %3 proteções de sequência disponíveis</numerusform>
            <numerusform>%n dias, recorde: %1; %2 de %3 proteções de sequência disponíveis</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Check that you may write there, or set XDG_DATA_HOME to a folder of your own.</source>
        <translation>Verifica se tens permissão para escrever aí, ou define XDG_DATA_HOME com uma pasta tua.</translation>
    </message>
    <message>
        <source>Keystrider cannot create the folder for your files:
%1</source>
        <translation>O Keystrider não consegue criar a pasta para os teus ficheiros:
%1</translation>
    </message>
    <message>
        <source>Keystrider cannot write in the folder for your files:
%1</source>
        <translation>O Keystrider não consegue escrever na pasta dos teus ficheiros:
%1</translation>
    </message>
    <message>
        <source>Keystrider cannot copy %1 into the folder for your files:
%2</source>
        <translation>O Keystrider não consegue copiar %1 para a pasta dos teus ficheiros:
%2</translation>
    </message>
</context>
<context>
    <name>ReplayBook</name>
    <message>
        <source>%1 could not be read: line %2 is damaged.</source>
        <translation>Não foi possível ler %1: a linha %2 está danificada.</translation>
    </message>
</context>
<context>
    <name>ReplaysFile</name>
    <message>
        <source>%1 could not be written: another copy of the game kept it busy.</source>
        <translation>Não foi possível gravar %1: outra cópia do jogo estava a usá-lo.</translation>
    </message>
    <message>
        <source>your replays stay as they were</source>
        <translation>as gravações das tuas corridas ficam como estavam</translation>
    </message>
</context>
<context>
    <name>RewardBag</name>
    <message>
        <source>Nothing happened!</source>
        <translation>Não aconteceu nada!</translation>
    </message>
    <message>
        <source>You drew out $20 cash!</source>
        <translation>Tiraste $20 em dinheiro!</translation>
    </message>
    <message>
        <source>You found that you are suddenly more experienced...</source>
        <translation>De repente, descobriste que tens mais experiência...</translation>
    </message>
    <message>
        <source>You drew out $40 cash!</source>
        <translation>Tiraste $40 em dinheiro!</translation>
    </message>
    <message>
        <source>You drew out $50 cash!</source>
        <translation>Tiraste $50 em dinheiro!</translation>
    </message>
    <message>
        <source>A ghost snatched $50 from you!</source>
        <translation>Um fantasma roubou-te $50!</translation>
    </message>
    <message>
        <source>A ghost snatched $20 from you!</source>
        <translation>Um fantasma roubou-te $20!</translation>
    </message>
    <message>
        <source>You drew out $100 cash!</source>
        <translation>Tiraste $100 em dinheiro!</translation>
    </message>
    <message>
        <source>A big explosion happened. You found that you have been thrown back in time by 2 days!</source>
        <translation>Houve uma grande explosão. Descobriste que foste atirado 2 dias para trás no tempo!</translation>
    </message>
    <message>
        <source>A big explosion happened. You found that you have been thrown forward in time by 1 days!</source>
        <translation>Houve uma grande explosão. Descobriste que foste atirado 1 dia para a frente no tempo!</translation>
    </message>
    <message>
        <source>You found that you are suddenly less experienced...</source>
        <translation>De repente, descobriste que tens menos experiência...</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>money</source>
        <translation>dinheiro</translation>
    </message>
    <message>
        <source>rank</source>
        <translation>posto</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dias</translation>
    </message>
    <message>
        <source>training</source>
        <translation>pontos de treino</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: the file could not be read.</source>
        <translation>Não é possível carregar %1: não foi possível ler o ficheiro.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: %2.</source>
        <translation>Não é possível carregar %1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: it holds fewer than the six fields of a saved game.</source>
        <translation>Não é possível carregar %1: tem menos do que os seis campos de um jogo guardado.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: its %2 is not a whole number.</source>
        <translation>Não é possível carregar %1: o campo %2 não é um número inteiro.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: its %2 is beyond what the game can hold.</source>
        <translation>Não é possível carregar %1: o campo %2 ultrapassa o que o jogo consegue guardar.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be loaded: a quoted text in it never ends.</source>
        <translation>Não é possível carregar %1: tem um texto entre aspas que nunca termina.</translation>
    </message>
</context>
<context>
    <name>SavesDialog</name>
    <message>
        <source>Saved games</source>
        <translation>Jogos guardados</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Ficheiro:</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message>
        <source>No path name given.</source>
        <translation>Não foi indicado nenhum nome.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer copy of the game, so it is left as it is: %2.</source>
        <translation>%1 foi escrito por uma versão mais recente do jogo, por isso fica como está: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept, so it is left as it is: %2.</source>
        <translation>%1 está danificado e não foi possível guardar uma cópia, por isso fica como está: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is kept as %2, and what could be read of it is used.</source>
        <translation>%1 estava danificado: foi guardado como %2, e usa-se o que foi possível ler.</translation>
    </message>
    <message>
        <source>the keyboard chosen is not kept</source>
        <translation>o teclado escolhido não fica guardado</translation>
    </message>
    <message>
        <source>the sound settings chosen are not kept</source>
        <translation>as definições de som escolhidas não ficam guardadas</translation>
    </message>
    <message>
        <source>the language chosen is not kept</source>
        <translation>o idioma escolhido não é guardado</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>So&amp;und</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>&amp;Game sounds</source>
        <translation>Sons do &amp;jogo</translation>
    </message>
    <message>
        <source>&amp;Wrong-key tick</source>
        <translation>&amp;Aviso de tecla errada</translation>
    </message>
    <message>
        <source>&amp;Key clicks</source>
        <translation>&amp;Cliques das teclas</translation>
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
        <translation>&amp;Silenciar</translation>
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
        <translation>Carreira</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Atividade</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Speed (WPM)</source>
        <translation>Velocidade (PPM)</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisão</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Erros</translation>
    </message>
</context>
<context>
    <name>StatsModule</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 está em falta.</translation>
    </message>
    <message>
        <source>The typing statistics could not be opened: %1</source>
        <translation>Não foi possível abrir as estatísticas de escrita: %1</translation>
    </message>
</context>
<context>
    <name>StatsRecorder</name>
    <message>
        <source>stats.dat could not be written: this exercise or race, and the ones after it, are left out of the typing statistics.</source>
        <translation>Não foi possível gravar stats.dat: este exercício ou corrida, e os seguintes, ficam de fora das estatísticas de escrita.</translation>
    </message>
</context>
<context>
    <name>TextSize</name>
    <message>
        <source>the text size chosen is not kept</source>
        <translation>o tamanho de texto escolhido não fica guardado</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>That will be $%1. Are you sure?</source>
        <translation>São $%1. Tens a certeza?</translation>
    </message>
</context>
<context>
    <name>TodayBar</name>
    <message>
        <source>Today&apos;s practice</source>
        <translation>Prática de hoje</translation>
    </message>
</context>
<context>
    <name>WeakKeysDrill</name>
    <message>
        <source>%1 and %2 are often typed for each other: they come in neighbouring words.</source>
        <translation>As teclas %1 e %2 são muitas vezes trocadas: aparecem em palavras vizinhas.</translation>
    </message>
</context>
<context>
    <name>frmcars</name>
    <message>
        <source>Competition! Car Race!</source>
        <translation>Competição! Corrida de carros!</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Chegada</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Adversário</translation>
    </message>
    <message>
        <source>Your Car</source>
        <translation>O teu carro</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Perito</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Blind Mode</source>
        <translation>Às cegas</translation>
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
        <translation>Perdeste!!!</translation>
    </message>
    <message>
        <source>Too bad!</source>
        <translation>Que pena!</translation>
    </message>
    <message>
        <source>You won! Price money is for you!</source>
        <translation>Ganhaste! O prémio é teu!</translation>
    </message>
    <message>
        <source>So good!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>Your best</source>
        <translation>O teu recorde</translation>
    </message>
    <message>
        <source>Race my best</source>
        <translation>Correr contra o meu recorde</translation>
    </message>
    <message>
        <source>your best</source>
        <translation>o teu recorde</translation>
    </message>
    <message>
        <source>Friendly Race</source>
        <translation>Corrida amigável</translation>
    </message>
    <message>
        <source>%1&apos;s best</source>
        <translation>Recorde de %1</translation>
    </message>
    <message>
        <source>A friendly race against %1&apos;s best: no fee, no prize.</source>
        <translation>Uma corrida amigável contra o recorde de %1: sem inscrição nem prémio.</translation>
    </message>
</context>
<context>
    <name>frmcoach</name>
    <message>
        <source>Choose a Text to Type</source>
        <translation>Escolher um texto para escrever</translation>
    </message>
    <message>
        <source>Texts (*.txt);;All files (*)</source>
        <translation>Textos (*.txt);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Typing Coach</source>
        <translation>Treinador de escrita</translation>
    </message>
    <message>
        <source>Today&apos;s practice goal of %1 min is met.</source>
        <translation>O objetivo de prática de hoje, %1 min, está cumprido.</translation>
    </message>
    <message>
        <source>Focus pairs:</source>
        <translation>Pares em foco:</translation>
    </message>
    <message>
        <source>Focus key:</source>
        <translation>Tecla em foco:</translation>
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
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Choose Text...</source>
        <translation>Escolher texto...</translation>
    </message>
    <message>
        <source>Target speed:</source>
        <translation>Velocidade-meta:</translation>
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
        <translation>Objetivo de prática:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Escreve:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Precisão:</translation>
    </message>
    <message>
        <source>Keyboard layout:</source>
        <translation>Esquema de teclado:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palavras:</translation>
    </message>
    <message>
        <source>Capitals</source>
        <translation>Maiúsculas</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Algarismos</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Teclas:</translation>
    </message>
    <message>
        <source>As the desktop types</source>
        <translation>Como no ambiente de trabalho</translation>
    </message>
    <message>
        <source>Layout to learn:</source>
        <translation>Esquema a aprender:</translation>
    </message>
    <message>
        <source>%1 can&apos;t be compiled on this system, so it can&apos;t be learnt here.</source>
        <translation>Não é possível compilar o esquema %1 neste sistema, por isso não o podes aprender aqui.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Space or a click makes a key in play the focus of the drills until you clear it the same way; the context menu also leaves a key out of the drills.</source>
        <translation>A tecla Espaço ou um clique põe uma tecla em jogo em foco nas séries, até lhe retirares o foco da mesma forma; o menu de contexto também permite excluir uma tecla das séries.</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Leaves %1 out of the drills</source>
        <translation>Exclui %1 das séries</translation>
    </message>
</context>
<context>
    <name>frmcomp</name>
    <message>
        <source>Competition List</source>
        <translation>Lista de competições</translation>
    </message>
    <message>
        <source>List of World Competitions</source>
        <translation>Lista de competições mundiais</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Grand Price</source>
        <translation>Grande prémio</translation>
    </message>
    <message>
        <source>Double click the competition you want to join.</source>
        <translation>Faz duplo clique na competição em que queres participar.</translation>
    </message>
    <message>
        <source>You are at the wrong country!</source>
        <translation>Estás no país errado!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>You do not have enough money to join the competition!</source>
        <translation>Não tens dinheiro suficiente para participar na competição!</translation>
    </message>
</context>
<context>
    <name>frmdisk</name>
    <message>
        <source>KVR Battle Disk Competition</source>
        <translation>Competição do disco de batalha KVR</translation>
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
        <translation>Personagem do disco:</translation>
    </message>
    <message>
        <source>Disk Character</source>
        <translation>Personagem do disco</translation>
    </message>
    <message>
        <source>I won! Thanks for the $25, disk character!</source>
        <translation>Ganhei! Obrigado pelos $25, personagem do disco!</translation>
    </message>
    <message>
        <source>Disk character won! Thanks for the $25!</source>
        <translation>A personagem do disco ganhou! Obrigado pelos $25!</translation>
    </message>
    <message>
        <source>WOW!</source>
        <translation>UAU!</translation>
    </message>
</context>
<context>
    <name>frmgame</name>
    <message>
        <source>Double Or Nothing!</source>
        <translation>Dobro ou nada!</translation>
    </message>
    <message>
        <source>Double Or nothing!</source>
        <translation>Dobro ou nada!</translation>
    </message>
    <message>
        <source>To play, place a certain amount of sum of money as a bet to start, if you win, you will have 2 times the money. If you lost, try again. After each bet, you can claim your money or gamble again to see if you can double it! If you lost, well, too bad!</source>
        <translation>Para jogar, começa por apostar uma quantia de dinheiro. Se ganhares, ficas com o dobro. Se perderes, tenta outra vez. Depois de cada aposta, podes recolher o dinheiro ou voltar a apostar para ver se o consegues dobrar! Se perderes, pois, que pena!</translation>
    </message>
    <message>
        <source>Start Gamble</source>
        <translation>Começar a apostar</translation>
    </message>
    <message>
        <source>Your Cash:</source>
        <translation>Dinheiro:</translation>
    </message>
    <message>
        <source>Bet Amount:</source>
        <translation>Aposta:</translation>
    </message>
    <message>
        <source>Bet Amount</source>
        <translation>Valor da aposta</translation>
    </message>
    <message>
        <source>Play!</source>
        <translation>Jogar!</translation>
    </message>
    <message>
        <source>Gambling...</source>
        <translation>A apostar...</translation>
    </message>
    <message>
        <source>Current Sum:</source>
        <translation>Soma atual:</translation>
    </message>
    <message>
        <source>Claim Money</source>
        <translation>Recolher</translation>
    </message>
    <message>
        <source>Continue Betting</source>
        <translation>Apostar de novo</translation>
    </message>
    <message>
        <source>You do not have enough money!</source>
        <translation>Não tens dinheiro suficiente!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>You cannot hold that much money! Spend some, then claim it.</source>
        <translation>Não podes ter tanto dinheiro! Gasta algum e depois recolhe-o.</translation>
    </message>
    <message>
        <source>Your sum cannot grow any bigger! Claim your money.</source>
        <translation>A tua soma não pode crescer mais! Recolhe o teu dinheiro.</translation>
    </message>
    <message>
        <source>You lost! All your bet money is gone!</source>
        <translation>Perdeste! Foi-se todo o dinheiro que apostaste!</translation>
    </message>
    <message>
        <source>Too bad!</source>
        <translation>Que pena!</translation>
    </message>
</context>
<context>
    <name>frmp</name>
    <message>
        <source>Practice Typing!</source>
        <translation>Pratica a escrita!</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Word/Phrase :</source>
        <translation>Palavra/frase:</translation>
    </message>
    <message>
        <source>Word(s)/Phrase(s) left:</source>
        <translation>Palavras/frases restantes:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
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
        <translation>Novo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>frmstats</name>
    <message>
        <source>exercise</source>
        <translation>exercício</translation>
    </message>
    <message>
        <source>race</source>
        <translation>corrida</translation>
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
        <translation>série</translation>
    </message>
    <message>
        <source>Typing Statistics</source>
        <translation>Estatísticas de escrita</translation>
    </message>
    <message>
        <source>Only the &amp;current career</source>
        <translation>Apenas a &amp;carreira atual</translation>
    </message>
    <message>
        <source>Only the current career</source>
        <translation>Apenas a carreira atual</translation>
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
        <translation>Páginas de estatísticas</translation>
    </message>
    <message>
        <source>Speed (WPM)</source>
        <translation>Velocidade (PPM)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Precisão (%)</translation>
    </message>
    <message>
        <source>Exercise, race or drill, oldest first</source>
        <translation>Exercício, corrida ou série, do mais antigo ao mais recente</translation>
    </message>
    <message>
        <source>Speed and accuracy over time</source>
        <translation>Velocidade e precisão ao longo do tempo</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progresso</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>Tecla&amp;s</translation>
    </message>
    <message>
        <source>Entries mistyped most</source>
        <translation>Entradas com mais erros</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Times mistyped</source>
        <translation>Vezes com erro</translation>
    </message>
    <message>
        <source>&amp;Entries</source>
        <translation>&amp;Entradas</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registos</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Registos</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>Ca&amp;lendário</translation>
    </message>
    <message>
        <source>Export Typing Statistics</source>
        <translation>Exportar estatísticas de escrita</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Ficheiros CSV (*.csv);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Reading the records…</source>
        <translation>A ler os registos…</translation>
    </message>
    <message>
        <source>No exercise or race recorded yet.</source>
        <translation>Ainda não há exercícios nem corridas registados.</translation>
    </message>
    <message>
        <source>%1 recorded, %2 of typing. Average speed %3 WPM, best %4 WPM; accuracy of the last ten %5.</source>
        <translation>Registados: %1, %2 de escrita. Velocidade média %3 PPM, melhor %4 PPM; precisão dos últimos dez: %5.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>unreadable line skipped.</source>
        <translation>linha ilegível ignorada.</translation>
    </message>
    <message numerus="yes">
        <source>%n exercises</source>
        <translation>
            <numerusform>%n exercício</numerusform>
            <numerusform>%n exercícios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n races</source>
        <translation>
            <numerusform>%n corrida</numerusform>
            <numerusform>%n corridas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drills</source>
        <translation>
            <numerusform>%n série</numerusform>
            <numerusform>%n séries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable lines skipped.</source>
        <translation>
            <numerusform>%n linha ilegível ignorada.</numerusform>
            <numerusform>%n linhas ilegíveis ignoradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Esquema:</translation>
    </message>
    <message>
        <source>All layouts</source>
        <translation>Todos os esquemas</translation>
    </message>
</context>
<context>
    <name>loa</name>
    <message>
        <source>Load Game</source>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>File loaded!</source>
        <translation>Ficheiro carregado!</translation>
    </message>
    <message>
        <source>Loaded.</source>
        <translation>Carregado.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Keystrider %1, a typing game: build a typist&apos;s career through practice, races and duels.</source>
        <translation>Keystrider %1, um jogo de escrita: constrói uma carreira de datilógrafo com prática, corridas e duelos.</translation>
    </message>
    <message>
        <source>keystrider: the game takes no arguments; see keystrider --help</source>
        <translation>keystrider: o jogo não aceita argumentos; consulta keystrider --help</translation>
    </message>
</context>
<context>
    <name>sav</name>
    <message>
        <source>Save Game...</source>
        <translation>Guardar jogo...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>A game can&apos;t be saved as &quot;%1&quot;. Choose a name without &quot;/&quot; that is not too long.</source>
        <translation>Não é possível guardar um jogo como &quot;%1&quot;. Escolhe um nome sem &quot;/&quot; e não demasiado longo.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>A game can&apos;t be saved as &quot;%1&quot;: a name that begins with a dot makes a hidden file, which the Load list does not show. Choose another name.</source>
        <translation>Não é possível guardar um jogo como &quot;%1&quot;: um nome que começa por um ponto cria um ficheiro oculto, que a lista de Carregar não mostra. Escolhe outro nome.</translation>
    </message>
    <message>
        <source>%1.kvr holds another saved game. Replace it?</source>
        <translation>%1.kvr já tem outro jogo guardado. Substituí-lo?</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.kvr. Any game saved under that name before is unchanged.</source>
        <translation>Não foi possível guardar o jogo como %1.kvr. Um jogo guardado antes com esse nome fica inalterado.</translation>
    </message>
    <message>
        <source>File saved!</source>
        <translation>Ficheiro guardado!</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Guardado.</translation>
    </message>
</context>
<context>
    <name>tictac</name>
    <message>
        <source>Quendle&apos;s Tic Tac Toe</source>
        <translation>Jogo do Galo da Quendle</translation>
    </message>
    <message>
        <source>Start / Reset</source>
        <translation>Iniciar / Reiniciar</translation>
    </message>
    <message>
        <source>Comp Move First</source>
        <translation>Computador começa</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Vitórias</translation>
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
        <translation>Estratégia aprendida!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Win vivovu Dev Ezi Doz to win $25 bucks! If you lost, then he will only take $5 bucks from you.</source>
        <translation>Vence o Vivovu Dev Ezi Doz para ganhares $25! Se perderes, ele só te tira $5.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Your Sign:</source>
        <translation>O teu símbolo:</translation>
    </message>
    <message>
        <source>Comp&apos;s Sign:</source>
        <translation>Símbolo do PC:</translation>
    </message>
    <message>
        <source>Your moves</source>
        <translation>As tuas jogadas</translation>
    </message>
    <message>
        <source>Computer&apos;s moves</source>
        <translation>Jogadas do computador</translation>
    </message>
    <message>
        <source>Learned strategies</source>
        <translation>Estratégias aprendidas</translation>
    </message>
    <message>
        <source>Thinking Process</source>
        <translation>Raciocínio</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>Cell %1: %2</source>
        <translation>Casa %1: %2</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>A processar</translation>
    </message>
    <message>
        <source>Trying predefined Strategy</source>
        <translation>A tentar uma estratégia predefinida</translation>
    </message>
    <message>
        <source>Looking for ways to win</source>
        <translation>À procura de formas de ganhar</translation>
    </message>
    <message>
        <source>Looking for ways to block you</source>
        <translation>À procura de formas de te bloquear</translation>
    </message>
    <message>
        <source>Recalling your Strategy</source>
        <translation>A recordar a tua estratégia</translation>
    </message>
    <message>
        <source>Random Move</source>
        <translation>Jogada aleatória</translation>
    </message>
    <message>
        <source>%1 Vivovu Dev Ezi Doz plays without what it learned before, and what it learns now is not kept.</source>
        <translation>%1 O Vivovu Dev Ezi Doz joga sem o que aprendeu antes, e o que aprender agora não fica guardado.</translation>
    </message>
    <message>
        <source>brain.dat could not be written: what Vivovu Dev Ezi Doz learns now is forgotten when this window closes.</source>
        <translation>Não foi possível gravar brain.dat: o que o Vivovu Dev Ezi Doz aprender agora será esquecido quando esta janela fechar.</translation>
    </message>
    <message>
        <source>The record of %1 could not be written.</source>
        <translation>Não foi possível gravar o registo de %1.</translation>
    </message>
    <message>
        <source>%1 It is left as it is and will not be written over. %2 plays with no wins, losses or draws.</source>
        <translation>%1 Fica como está e não será substituído. %2 joga sem vitórias, derrotas nem empates.</translation>
    </message>
    <message>
        <source>%1 cannot be read, and could not be moved aside either: it is left as it is and will not be written over. %2 plays with no wins, losses or draws.</source>
        <translation>Não é possível ler %1, nem foi possível pô-lo de lado: fica como está e não será substituído. %2 joga sem vitórias, derrotas nem empates.</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was kept as %2 for you to repair or delete. %3 plays on with no wins, losses or draws.</source>
        <translation>Não é possível ler %1, por isso foi guardado como %2 para o reparares ou eliminares. %3 continua a jogar sem vitórias, derrotas nem empates.</translation>
    </message>
    <message>
        <source>%1 The list starts empty, and no name is added to it.</source>
        <translation>%1 A lista começa vazia e não lhe é adicionado nenhum nome.</translation>
    </message>
    <message>
        <source>%1 cannot be kept on the list: a name must not hold &quot;/&quot; or a double quote, nor be only dots.</source>
        <translation>Não é possível manter %1 na lista: um nome não pode ter &quot;/&quot; nem aspas, nem ser só pontos.</translation>
    </message>
    <message>
        <source>%1 %2 is not added to the list.</source>
        <translation>%1 %2 não é adicionado à lista.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>U won $25!</source>
        <translation>Ganhaste $25!</translation>
    </message>
    <message>
        <source>Computer Won! You lost $10!</source>
        <translation>O computador ganhou! Perdeste $10!</translation>
    </message>
    <message>
        <source>Draw! How boring...</source>
        <translation>Empate! Que aborrecido...</translation>
    </message>
    <message>
        <source>Vivovu Dev Ezi Doz is tired. Play another day!</source>
        <translation>O Vivovu Dev Ezi Doz está cansado. Joga noutro dia!</translation>
    </message>
    <message>
        <source>You do not have enough money to pay if you lost!</source>
        <translation>Não tens dinheiro suficiente para pagar se perderes!</translation>
    </message>
    <message>
        <source>Oh no!</source>
        <translation>Oh, não!</translation>
    </message>
    <message>
        <source>Turns: </source>
        <translation>Jogadas: </translation>
    </message>
    <message>
        <source>Winnings: </source>
        <translation>Vitórias: </translation>
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
