<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccountSyncer</name>
    <message>
        <source>No password is kept for %1 at %2; please type it in &quot;Calendar sync…&quot;.</source>
        <translation>Nenhuma senha guardada para %1 em %2; digite-a em “Sincronizar calendário…”.</translation>
    </message>
</context>
<context>
    <name>AlarmIntervals</name>
    <message>
        <source>Play the alarm every 5 minutes</source>
        <translation>Tocar o alarme a cada 5 minutos</translation>
    </message>
    <message>
        <source>Play the alarm every 10 minutes</source>
        <translation>Tocar o alarme a cada 10 minutos</translation>
    </message>
    <message>
        <source>Play the alarm every 30 minutes</source>
        <translation>Tocar o alarme a cada 30 minutos</translation>
    </message>
    <message>
        <source>Play the alarm every 1 hour</source>
        <translation>Tocar o alarme a cada hora</translation>
    </message>
    <message>
        <source>Play the alarm every 2 hours</source>
        <translation>Tocar o alarme a cada 2 horas</translation>
    </message>
    <message>
        <source>Play the alarm every 4 hours</source>
        <translation>Tocar o alarme a cada 4 horas</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>Next alarm will play in </source>
        <translation>Próximo alarme em </translation>
    </message>
    <message>
        <source>Snoozed until</source>
        <translation>Adiado até</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Previsto</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Calendar sync has been failing for more than an hour: </source>
        <translation>A sincronização do calendário está falhando há mais de uma hora: </translation>
    </message>
    <message>
        <source>%1 Nothing was deleted here: choose in “Calendar sync…” whether to put the reminders back on the server or delete them here too.</source>
        <translation>%1 Nada foi excluído aqui: escolha em “Sincronizar calendário…” se os lembretes voltam ao servidor ou se são excluídos aqui também.</translation>
    </message>
    <message>
        <source>The reminder database %1 is in use by another program. Vestrona lists the reminders and starts the alarm as soon as it is free.</source>
        <translation>O banco de dados de lembretes %1 está em uso por outro programa. O Vestrona lista os lembretes e inicia o alarme assim que ele ficar livre.</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 não encontrado</translation>
    </message>
    <message>
        <source>The reminder database %1 has been deleted. The reminders still listed are no longer saved anywhere; put the file back, and Vestrona reads it again.</source>
        <translation>O banco de dados de lembretes %1 foi excluído. Os lembretes ainda listados não estão mais salvos em lugar nenhum; coloque o arquivo de volta e o Vestrona o lerá novamente.</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>O banco de dados de lembretes não está aberto.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be entered in the logon start list.</source>
        <translation>O arquivo do próprio programa não foi encontrado, então ele não pode ser incluído na inicialização da sessão.</translation>
    </message>
    <message>
        <source>The autostart folder &quot;%1&quot; could not be created.</source>
        <translation>Não foi possível criar a pasta de inicialização automática “%1”.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be written: %2</source>
        <translation>Não foi possível gravar a entrada de inicialização automática “%1”: %2</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be removed: %2</source>
        <translation>Não foi possível remover a entrada de inicialização automática “%1”: %2</translation>
    </message>
</context>
<context>
    <name>BackupText</name>
    <message>
        <source>it has %1 of the %2 fields of a reminder.</source>
        <translation>tem %1 dos %2 campos de um lembrete.</translation>
    </message>
    <message>
        <source>its repetition rule &quot;%1&quot; is not a number.</source>
        <translation>sua regra de repetição “%1” não é um número.</translation>
    </message>
    <message>
        <source>its repetition rule %1 is out of range.</source>
        <translation>sua regra de repetição %1 está fora dos limites.</translation>
    </message>
    <message>
        <source>its start date &quot;%1&quot; is not a date.</source>
        <translation>sua data de início “%1” não é uma data.</translation>
    </message>
    <message>
        <source>its start time &quot;%1&quot; is not a time.</source>
        <translation>sua hora de início “%1” não é uma hora.</translation>
    </message>
</context>
<context>
    <name>CalDavFailureWords</name>
    <message>
        <source>The calendar server %1 sent an answer the program cannot read: %2.</source>
        <translation>O servidor de calendário %1 enviou uma resposta que o programa não consegue ler: %2.</translation>
    </message>
    <message>
        <source>The calendar server did not accept the user name or password.</source>
        <translation>O servidor de calendário não aceitou o nome de usuário ou a senha.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not let this user reach %2.</source>
        <translation>O servidor de calendário %1 não deixa este usuário acessar %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 has nothing at %2.</source>
        <translation>O servidor de calendário %1 não tem nada em %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not allow this request on %2; is it the address of a calendar?</source>
        <translation>O servidor de calendário %1 não permite esta requisição em %2; é o endereço de um calendário?</translation>
    </message>
    <message>
        <source>%1 was changed on the calendar server %2 meanwhile.</source>
        <translation>%1 foi alterado nesse meio-tempo no servidor de calendário %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused %2 as too large.</source>
        <translation>O servidor de calendário %1 recusou %2 por ser grande demais.</translation>
    </message>
    <message>
        <source>The calendar server %1 is busy or down for maintenance; try again later.</source>
        <translation>O servidor de calendário %1 está ocupado ou em manutenção; tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no room left for %2.</source>
        <translation>O servidor de calendário %1 não tem mais espaço para %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request for %2 elsewhere without saying where (error %3).</source>
        <translation>O servidor de calendário %1 redirecionou a requisição para %2 sem dizer para onde (erro %3).</translation>
    </message>
    <message>
        <source>The calendar server %1 failed with error %2.</source>
        <translation>O servidor de calendário %1 falhou com o erro %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the request for %2 with error %3.</source>
        <translation>O servidor de calendário %1 recusou a requisição para %2 com o erro %3.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be found.</source>
        <translation>O servidor de calendário %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the connection; it may not be running.</source>
        <translation>O servidor de calendário %1 recusou a conexão; talvez não esteja em execução.</translation>
    </message>
    <message>
        <source>The calendar server %1 closed the connection before it answered.</source>
        <translation>O servidor de calendário %1 fechou a conexão antes de responder.</translation>
    </message>
    <message>
        <source>The calendar server %1 did not answer in time.</source>
        <translation>O servidor de calendário %1 não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The calendar server %1 redirects in circles: the request was sent on again and again without reaching the calendar.</source>
        <translation>O servidor de calendário %1 redireciona em círculos: a requisição foi reenviada várias vezes sem chegar ao calendário.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to an address without https://; the program does not follow it.</source>
        <translation>O servidor de calendário %1 reenviou a requisição para um endereço sem https://; o programa não o segue.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be reached: %2.</source>
        <translation>Não foi possível alcançar o servidor de calendário %1: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <source>No calendar was found at %1: it is not a calendar, and the server names no calendars for the user there.</source>
        <translation>Nenhum calendário encontrado em %1: não é um calendário, e o servidor não indica calendários do usuário ali.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no calendar for this user yet (looked in %2); please make one there first.</source>
        <translation>O servidor de calendário %1 ainda não tem calendário para este usuário (procurado em %2); crie um lá primeiro.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Start date, YYYY-MM-DD.</source>
        <translation>Data de início, AAAA-MM-DD (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>Start time, HH:MM or HH:MM:SS.</source>
        <translation>Hora de início, HH:MM ou HH:MM:SS.</translation>
    </message>
    <message>
        <source>Let backup replace an existing file.</source>
        <translation>Permite que backup substitua um arquivo existente.</translation>
    </message>
    <message>
        <source>The calendar&apos;s address, for sync.</source>
        <translation>O endereço do calendário, para sync.</translation>
    </message>
    <message>
        <source>The user name on the calendar server, for sync.</source>
        <translation>O nome de usuário no servidor de calendário, para sync.</translation>
    </message>
    <message>
        <source>Trust the server certificate with this SHA-256 fingerprint, for sync.</source>
        <translation>Confiar no certificado do servidor com esta impressão digital SHA-256, para sync.</translation>
    </message>
    <message>
        <source>Put this computer&apos;s reminders back on an emptied calendar, for sync.</source>
        <translation>Devolver os lembretes deste computador a um calendário esvaziado, para sync.</translation>
    </message>
    <message>
        <source>Delete here what an emptied calendar lost, for sync.</source>
        <translation>Excluir aqui o que um calendário esvaziado perdeu, para sync.</translation>
    </message>
    <message>
        <source>The reminder database to use.</source>
        <translation>O banco de dados de lembretes a usar.</translation>
    </message>
    <message>
        <source>

Without --database the reminders are those of %1</source>
        <translation>

Sem --database, os lembretes são os de %1</translation>
    </message>
    <message>
        <source>The command&apos;s arguments.</source>
        <translation>Os argumentos do comando.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reminder ID.</source>
        <translation>“%1” não é um ID de lembrete.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Nenhum comando informado.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli restore FILE...</source>
        <translation>Uso: vestrona-cli restore ARQUIVO...</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli import FILE...</source>
        <translation>Uso: vestrona-cli import ARQUIVO...</translation>
    </message>
    <message>
        <source>--upload-all and --accept-deletions exclude each other.</source>
        <translation>--upload-all e --accept-deletions se excluem.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Comando desconhecido “%1”.</translation>
    </message>
    <message>
        <source>Try &apos;vestrona-cli --help&apos;.</source>
        <translation>Tente &apos;vestrona-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli %1</source>
        <translation>Uso: vestrona-cli %1</translation>
    </message>
    <message>
        <source>--%1 does not belong to this command.</source>
        <translation>--%1 não pertence a este comando.</translation>
    </message>
    <message>
        <source>%1 already exists; use --force to replace it.</source>
        <translation>%1 já existe; use --force para substituí-lo.</translation>
    </message>
    <message>
        <source>add takes exactly one MESSAGE (quote it when it has blanks).</source>
        <translation>add aceita exatamente uma MENSAGEM (entre aspas quando tiver espaços).</translation>
    </message>
    <message>
        <source>add needs --%1.</source>
        <translation>add precisa de --%1.</translation>
    </message>
    <message>
        <source>--date &quot;%1&quot; is not a date of the form YYYY-MM-DD.</source>
        <translation>--date “%1” não é uma data no formato YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>--time &quot;%1&quot; is not a time of the form HH:MM or HH:MM:SS.</source>
        <translation>--time “%1” não é uma hora no formato HH:MM ou HH:MM:SS.</translation>
    </message>
    <message>
        <source>--days: &quot;%1&quot; is not one of Mon, Tue, Wed, Thu, Fri, Sat, Sun.</source>
        <translation>--days: “%1” não é um de Mon, Tue, Wed, Thu, Fri, Sat, Sun.</translation>
    </message>
    <message>
        <source>A weekly reminder needs --days. Please choose at least one weekday.</source>
        <translation>Um lembrete semanal precisa de --days. Escolha pelo menos um dia da semana.</translation>
    </message>
    <message>
        <source>No reminder has the ID %1.</source>
        <translation>Nenhum lembrete tem o ID %1.</translation>
    </message>
    <message>
        <source>--accept-certificate wants the SHA-256 fingerprint as 32 hex pairs joined by &apos;:&apos;, as a failed sync prints it.</source>
        <translation>--accept-certificate espera a impressão digital SHA-256 como 32 pares hexadecimais unidos por &apos;:&apos;, como uma sincronização que falhou a mostra.</translation>
    </message>
    <message>
        <source>No calendar account is set up: give --url and --user once (or set it up in Vestrona&apos;s &quot;Calendar sync…&quot; dialog).</source>
        <translation>Nenhuma conta de calendário configurada: informe --url e --user uma vez (ou configure-a na janela “Sincronizar calendário…” do Vestrona).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Senha de %1 em %2: </translation>
    </message>
    <message>
        <source>No password for %1 at %2: set VESTRONA_CALDAV_PASSWORD, keep it in the keyring through Vestrona&apos;s &quot;Calendar sync…&quot; dialog, or run this on a terminal.</source>
        <translation>Nenhuma senha para %1 em %2: defina VESTRONA_CALDAV_PASSWORD, guarde-a no chaveiro pela janela “Sincronizar calendário…” do Vestrona ou execute isto em um terminal.</translation>
    </message>
    <message>
        <source>No password given.</source>
        <translation>Nenhuma senha informada.</translation>
    </message>
    <message>
        <source>the password could not be stored in the keyring; it is used for this sync only.</source>
        <translation>não foi possível guardar a senha no chaveiro; ela só vale para esta sincronização.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads to %n calendars (listed above); choose one with --url ADDRESS.</source>
        <translation>
            <numerusform>%1 leva a %n calendário (listado acima); escolha um com --url ENDEREÇO.</numerusform>
            <numerusform>%1 leva a %n calendários (listados acima); escolha um com --url ENDEREÇO.</numerusform>
        </translation>
    </message>
    <message>
        <source>To put this computer&apos;s reminders back on the server, run</source>
        <translation>Para devolver os lembretes deste computador ao servidor, execute</translation>
    </message>
    <message>
        <source>To delete them here too, run</source>
        <translation>Para excluí-los aqui também, execute</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has the SHA-256 fingerprint</source>
        <translation>O certificado do servidor tem a impressão digital SHA-256</translation>
    </message>
    <message>
        <source>If that is your server&apos;s certificate (ask its administrator), accept it with</source>
        <translation>Se for o certificado do seu servidor (pergunte ao administrador), aceite-o com</translation>
    </message>
    <message>
        <source>or with &quot;Accept this certificate&quot; in Vestrona&apos;s &quot;Calendar sync…&quot; dialog.</source>
        <translation>ou com “Aceitar este certificado” na janela “Sincronizar calendário…” do Vestrona.</translation>
    </message>
    <message>
        <source>Reads and changes the reminders of Vestrona.

Commands:
  next                      the next reminder due: alarm time, TAB, message
  list                      every reminder, one line each, columns joined by TAB
  add --option once|daily|weekly|monthly|yearly --date YYYY-MM-DD
      --time HH:MM[:SS] [--days Mon,Tue,...] MESSAGE
                            adds a reminder and prints its ID; monthly and
                            yearly repeat on the start&apos;s day
  add --rule RRULE --date YYYY-MM-DD --time HH:MM[:SS] MESSAGE
                            adds a reminder repeating by an RFC 5545 rule
                            without &quot;RRULE:&quot;, e.g. FREQ=MONTHLY;BYDAY=-1FR;
                            FREQ, INTERVAL, BYDAY, BYMONTHDAY, BYMONTH,
                            BYSETPOS, COUNT, UNTIL (local time, or UTC with Z)
  agenda [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--days N]
                            every occurrence from then (default now) for N
                            days (default 7): time, TAB, ID, TAB, message
  delete ID                 deletes a reminder
  backup [--force] FILE     writes every reminder to a backup file
  restore FILE...           adds the reminders of backup files
  export [--force] FILE     writes every reminder to an iCalendar (.ics) file
  import FILE...            adds the events and to-dos of iCalendar files and
                            prints them; a date without a time starts at 00:00:00
  sync [--url URL --user NAME] [--accept-certificate SHA256]
       [--upload-all | --accept-deletions]
                            syncs the reminders with the CalDAV calendar at URL
                            (saved for later syncs and for Vestrona) and prints
                            what went up, came down, was deleted or left out;
                            the password comes from VESTRONA_CALDAV_PASSWORD,
                            the keyring or, on a terminal, a prompt; exit 1 when
                            items are left out, 3 when the sync failed. When the
                            calendar lost most of its items, nothing is deleted
                            until --upload-all puts them back or
                            --accept-deletions deletes them here too</source>
        <translation>Lê e altera os lembretes do Vestrona.

Comandos:
  next                      o próximo lembrete: hora do alarme, TAB, mensagem
  list                      todos os lembretes, um por linha, colunas separadas por TAB
  add --option once|daily|weekly|monthly|yearly --date YYYY-MM-DD
      --time HH:MM[:SS] [--days Mon,Tue,...] MESSAGE
                            adiciona um lembrete e mostra seu ID; monthly e
                            yearly se repetem no dia do início
  add --rule RRULE --date YYYY-MM-DD --time HH:MM[:SS] MESSAGE
                            adiciona um lembrete que se repete por uma regra
                            RFC 5545 sem &quot;RRULE:&quot;, por ex. FREQ=MONTHLY;BYDAY=-1FR;
                            FREQ, INTERVAL, BYDAY, BYMONTHDAY, BYMONTH,
                            BYSETPOS, COUNT, UNTIL (hora local, ou UTC com Z)
  agenda [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--days N]
                            cada ocorrência a partir desse momento (padrão:
                            agora) por N dias (padrão: 7): hora, TAB, ID, TAB,
                            mensagem
  delete ID                 exclui um lembrete
  backup [--force] FILE     grava todos os lembretes em um arquivo de backup
  restore FILE...           adiciona os lembretes de arquivos de backup
  export [--force] FILE     grava todos os lembretes em um arquivo iCalendar (.ics)
  import FILE...            adiciona os eventos e tarefas de arquivos iCalendar e
                            os mostra; uma data sem hora começa às 00:00:00
  sync [--url URL --user NAME] [--accept-certificate SHA256]
       [--upload-all | --accept-deletions]
                            sincroniza os lembretes com o calendário CalDAV em URL
                            (salvo para as próximas sincronizações e para o Vestrona) e mostra
                            o que foi enviado, recebido, excluído ou deixado de fora;
                            a senha vem de VESTRONA_CALDAV_PASSWORD, do chaveiro ou,
                            em um terminal, de uma pergunta; sai com 1 quando há itens de fora,
                            3 quando a sincronização falhou. Quando o calendário perdeu a maior
                            parte dos itens, nada é excluído até que --upload-all os devolva ou
                            --accept-deletions os exclua aqui também</translation>
    </message>
    <message>
        <source>once, daily, weekly, monthly or yearly.</source>
        <translation>once, daily, weekly, monthly ou yearly.</translation>
    </message>
    <message>
        <source>An RFC 5545 repeat rule, for add.</source>
        <translation>Uma regra de repetição RFC 5545, para add.</translation>
    </message>
    <message>
        <source>Where the agenda starts, &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>Onde a agenda começa, &quot;YYYY-MM-DD HH:MM:SS&quot;.</translation>
    </message>
    <message>
        <source>Weekdays, e.g. Mon,Wed,Fri; for agenda, a number of days.</source>
        <translation>Dias da semana, por ex. Mon,Wed,Fri; para agenda, um número de dias.</translation>
    </message>
    <message>
        <source>next, list, add, agenda, delete, backup, restore, export, import or sync.</source>
        <translation>next, list, add, agenda, delete, backup, restore, export, import ou sync.</translation>
    </message>
    <message>
        <source>add needs either --option or --rule.</source>
        <translation>add precisa de --option ou de --rule.</translation>
    </message>
    <message>
        <source>--option must be once, daily, weekly, monthly or yearly, not &quot;%1&quot;.</source>
        <translation>--option deve ser once, daily, weekly, monthly ou yearly, não “%1”.</translation>
    </message>
    <message>
        <source>--days belongs to --option weekly; a rule names its days in BYDAY.</source>
        <translation>--days pertence a --option weekly; uma regra indica seus dias em BYDAY.</translation>
    </message>
    <message>
        <source>--from &quot;%1&quot; is not of the form &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>--from “%1” não está no formato &quot;YYYY-MM-DD HH:MM:SS&quot;.</translation>
    </message>
    <message>
        <source>--days for agenda takes a number of days from 1 to 3660.</source>
        <translation>--days para agenda aceita um número de dias de 1 a 3660.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>Execute runs only insert, update and delete statements; the ordered select is a read.</source>
        <translation>Execute só executa instruções insert, update e delete; o select ordenado é uma leitura.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>1 day %1</source>
        <translation>1 dia %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2</source>
        <translation>
            <numerusform>%1 dia %2</numerusform>
            <numerusform>%1 dias %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataLocation</name>
    <message>
        <source>%1 is a file, not a folder, so your reminder database cannot be made in it.</source>
        <translation>%1 é um arquivo, não uma pasta, então seu banco de dados de lembretes não pode ser criado nele.</translation>
    </message>
    <message>
        <source>The folder %1 for your reminder database could not be made.</source>
        <translation>Não foi possível criar a pasta %1 para seu banco de dados de lembretes.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 that comes with Vestrona could not be read, so your reminder database cannot be made.</source>
        <translation>Não foi possível ler o banco de dados vazio %1 que vem com o Vestrona, então seu banco de dados de lembretes não pode ser criado.</translation>
    </message>
    <message>
        <source>Your reminder database could not be made in the folder %1: %2</source>
        <translation>Não foi possível criar seu banco de dados de lembretes na pasta %1: %2</translation>
    </message>
    <message>
        <source>Your reminder database %1 could not be made: %2</source>
        <translation>Não foi possível criar seu banco de dados de lembretes %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFileCheck</name>
    <message>
        <source>The reminder database %1 does not exist.</source>
        <translation>O banco de dados de lembretes %1 não existe.</translation>
    </message>
    <message>
        <source>The reminder database %1 is a folder, not a file.</source>
        <translation>O banco de dados de lembretes %1 é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not a regular file.</source>
        <translation>O banco de dados de lembretes %1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The reminder database %1 cannot be read: %2.</source>
        <translation>O banco de dados de lembretes %1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is empty (0 bytes); it holds no reminders table.</source>
        <translation>O banco de dados de lembretes %1 está vazio (0 bytes); não contém tabela de lembretes.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not an SQLite database.</source>
        <translation>O banco de dados de lembretes %1 não é um banco de dados SQLite.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is cut off inside its header.</source>
        <translation>O banco de dados de lembretes %1 está danificado: o arquivo termina no meio do cabeçalho.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: its header names no valid page size.</source>
        <translation>O banco de dados de lembretes %1 está danificado: o cabeçalho não indica um tamanho de página válido.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is shorter than its own header says (it may have been cut off).</source>
        <translation>O banco de dados de lembretes %1 está danificado: o arquivo é menor do que o cabeçalho diz (talvez tenha sido cortado).</translation>
    </message>
</context>
<context>
    <name>DatabaseOpening</name>
    <message>
        <source>The reminder database %1 has no table tblReminders.</source>
        <translation>O banco de dados de lembretes %1 não tem a tabela tblReminders.</translation>
    </message>
    <message>
        <source>The reminder database %1 has a table tblReminders without the column %2.</source>
        <translation>O banco de dados de lembretes %1 tem uma tabela tblReminders sem a coluna %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>O banco de dados de lembretes %1 está danificado (%2).</translation>
    </message>
</context>
<context>
    <name>DavHttpClient</name>
    <message>
        <source>The calendar server %1 sent an answer larger than %2 MB; the program does not read it.</source>
        <translation>O servidor de calendário %1 enviou uma resposta maior que %2 MB; o programa não a lê.</translation>
    </message>
    <message>
        <source>The calendar server %1 stopped answering (nothing for %2 seconds).</source>
        <translation>O servidor de calendário %1 parou de responder (nada por %2 segundos).</translation>
    </message>
    <message>
        <source>The calendar server %1 took too long to answer (more than %2 seconds); the request was given up.</source>
        <translation>O servidor de calendário %1 demorou demais para responder (mais de %2 segundos); a requisição foi abandonada.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to %2; the program only follows redirects on the same server.</source>
        <translation>O servidor de calendário %1 reenviou a requisição para %2; o programa só segue redirecionamentos no mesmo servidor.</translation>
    </message>
    <message>
        <source>The certificate of the calendar server %1 is not trusted: %2.</source>
        <translation>O certificado do servidor de calendário %1 não é confiável: %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 answered %2 where a list of resources was due.</source>
        <translation>O servidor de calendário %1 respondeu %2 onde era esperada uma lista de recursos.</translation>
    </message>
</context>
<context>
    <name>EmptyDatabase</name>
    <message>
        <source>The schema file %1 cannot be read: %2.</source>
        <translation>O arquivo de esquema %1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 could not be made: %2.</source>
        <translation>Não foi possível criar o banco de dados de lembretes vazio %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 line was left out:</source>
        <translation>Adicionados de %2: %1. 1 linha foi deixada de fora:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n lines were left out:</source>
        <translation>
            <numerusform>Adicionados de %2: %1. %n linha foi deixada de fora:</numerusform>
            <numerusform>Adicionados de %2: %1. %n linhas foram deixadas de fora:</numerusform>
        </translation>
    </message>
    <message>
        <source>their message contains &quot;%1&quot;, which the backup file uses between its fields</source>
        <translation>a mensagem deles contém “%1”, que o arquivo de backup usa entre os campos</translation>
    </message>
    <message>
        <source>Writing file: %1</source>
        <translation>Gravando arquivo: %1</translation>
    </message>
    <message>
        <source>Saved %1 to %2.</source>
        <translation>Salvos em %2: %1.</translation>
    </message>
    <message>
        <source>Reading file: %1</source>
        <translation>Lendo arquivo: %1</translation>
    </message>
    <message>
        <source>Added %1 from %2.</source>
        <translation>Adicionados de %2: %1.</translation>
    </message>
    <message>
        <source>The backup file %1 cannot be created: %2.</source>
        <translation>Não é possível criar o arquivo de backup %1: %2.</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Não foi possível gravar o arquivo de backup %1: %2. Um arquivo com esse nome continua como estava.</translation>
    </message>
    <message>
        <source>The calendar file %1 cannot be created: %2.</source>
        <translation>Não é possível criar o arquivo de calendário %1: %2.</translation>
    </message>
    <message>
        <source>The calendar file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Não foi possível gravar o arquivo de calendário %1: %2. Um arquivo com esse nome continua como estava.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 lembrete</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n lembrete</numerusform>
            <numerusform>%n lembretes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... e mais %n.</numerusform>
            <numerusform>... e mais %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk holding the folder %1 is full</source>
        <translation>o disco da pasta %1 está cheio</translation>
    </message>
    <message>
        <source>These reminders were not written to %1, because %2:</source>
        <translation>Estes lembretes não foram gravados em %1 porque %2:</translation>
    </message>
    <message>
        <source>their start or repetition rule as stored is not valid</source>
        <translation>o início ou a regra de repetição salvos não são válidos</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 entry was left out:</source>
        <translation>Adicionados de %2: %1. 1 entrada foi deixada de fora:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n entries were left out:</source>
        <translation>
            <numerusform>Adicionados de %2: %1. %n entrada foi deixada de fora:</numerusform>
            <numerusform>Adicionados de %2: %1. %n entradas foram deixadas de fora:</numerusform>
        </translation>
    </message>
    <message>
        <source>they are weekly on no weekday and so never ring</source>
        <translation>são semanais sem nenhum dia da semana e por isso nunca tocam</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>O arquivo %1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>Exportados para %2: %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be imported: %2.</source>
        <translation>O arquivo %1 não pode ser importado: %2.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Next alarm will play in</source>
        <translation>Próximo alarme em</translation>
    </message>
    <message>
        <source>&amp;Add New Reminder</source>
        <translation>&amp;Adicionar lembrete</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Reminder</source>
        <translation>&amp;Editar lembrete selecionado</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Reminder</source>
        <translation>E&amp;xcluir lembrete selecionado</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Reminder</source>
        <translation>Carregar lembrete de exem&amp;plo</translation>
    </message>
    <message>
        <source>&amp;Backup Reminders To File </source>
        <translation>&amp;Salvar lembretes em arquivo </translation>
    </message>
    <message>
        <source>&amp;Load Reminders From File </source>
        <translation>&amp;Carregar lembretes de arquivo </translation>
    </message>
    <message>
        <source>Set Date &amp;Format</source>
        <translation>Definir formato de &amp;data</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>Sincroni&amp;zar calendário…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>The skin file %1 could not be read: %2</source>
        <translation>Não foi possível ler o arquivo de aparência %1: %2</translation>
    </message>
    <message>
        <source>1 reminder was missed while Vestrona was not running</source>
        <translation>1 lembrete foi perdido enquanto o Vestrona não estava em execução</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were missed while Vestrona was not running</source>
        <translation>
            <numerusform>%n lembrete foi perdido enquanto o Vestrona não estava em execução</numerusform>
            <numerusform>%n lembretes foram perdidos enquanto o Vestrona não estava em execução</numerusform>
        </translation>
    </message>
    <message>
        <source>Time until the next alarm</source>
        <translation>Tempo até o próximo alarme</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Enter edits the chosen reminder, Delete deletes it, Ctrl+N adds one.</source>
        <translation>Enter edita o lembrete selecionado, Delete o exclui, Ctrl+N adiciona um.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source> Reminder</source>
        <translation> Lembrete</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Adiar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>1 of %1</source>
        <translation>1 de %1</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Mensagem do lembrete</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>D&amp;ata:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>&amp;Reminder Option</source>
        <translation>Tipo de lemb&amp;rete</translation>
    </message>
    <message>
        <source>Remind &amp;just this one time</source>
        <translation>Lembrar só &amp;uma vez</translation>
    </message>
    <message>
        <source>Remind e&amp;very day</source>
        <translation>Lembrar &amp;todo dia</translation>
    </message>
    <message>
        <source>Remind every wee&amp;k</source>
        <translation>Lembrar toda &amp;semana</translation>
    </message>
    <message>
        <source>Messa&amp;ge</source>
        <translation>&amp;Mensagem</translation>
    </message>
    <message>
        <source>&amp;Save Reminder</source>
        <translation>Sa&amp;lvar lembrete</translation>
    </message>
    <message>
        <source>Reminder saved.</source>
        <translation>Lembrete salvo.</translation>
    </message>
    <message>
        <source>
Its time has already passed, so it will not ring.</source>
        <translation>
O horário dele já passou, então ele não vai tocar.</translation>
    </message>
    <message>
        <source>Please fill out a message.</source>
        <translation>Preencha uma mensagem.</translation>
    </message>
    <message>
        <source>Please choose at least one weekday.</source>
        <translation>Escolha pelo menos um dia da semana.</translation>
    </message>
    <message>
        <source>&amp;Mon</source>
        <translation>Se&amp;g</translation>
    </message>
    <message>
        <source>&amp;Tue</source>
        <translation>T&amp;er</translation>
    </message>
    <message>
        <source> &amp;Wed</source>
        <translation>&amp;Qua</translation>
    </message>
    <message>
        <source>T&amp;hu</source>
        <translation>Qu&amp;i</translation>
    </message>
    <message>
        <source>&amp;Fri</source>
        <translation>Se&amp;x</translation>
    </message>
    <message>
        <source>S&amp;at</source>
        <translation>Sá&amp;b</translation>
    </message>
    <message>
        <source>S&amp;un</source>
        <translation>&amp;Dom</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Data de início</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Type A or P for the half of the day.</source>
        <translation>Digite A ou P para a metade do dia (AM/PM).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Set Date Format</source>
        <translation>Definir formato de data</translation>
    </message>
    <message>
        <source>Date &amp;Format</source>
        <translation>&amp;Formato de data</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>HttpCalDavCollection</name>
    <message>
        <source>%1 on the server %2 is not a calendar.</source>
        <translation>%1 no servidor %2 não é um calendário.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>não é um arquivo iCalendar (não começa com BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than any calendar of reminders</source>
        <translation>tem mais de %1 MB, mais do que qualquer calendário de lembretes</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>não é um arquivo de texto</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, which iCalendar files are</source>
        <translation>não é texto UTF-8, como são os arquivos iCalendar</translation>
    </message>
    <message>
        <source>it defines more than %1 time zones, which no calendar needs</source>
        <translation>define mais de %1 fusos horários, algo de que nenhum calendário precisa</translation>
    </message>
    <message>
        <source>it holds more than %1 events and to-dos, more than any list of reminders</source>
        <translation>contém mais de %1 eventos e tarefas, mais do que qualquer lista de lembretes</translation>
    </message>
    <message>
        <source>it repeats %1, which a reminder cannot</source>
        <translation>sua frequência é %1, que um lembrete não comporta</translation>
    </message>
    <message>
        <source>its rule picks days by %1</source>
        <translation>sua regra escolhe os dias por %1</translation>
    </message>
    <message>
        <source>its rule counts in another calendar (RSCALE)</source>
        <translation>sua regra conta em outro calendário (RSCALE)</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lies more than 24 hours away from UTC, which no real zone does</source>
        <translation>seu fuso horário “%1” fica a mais de 24 horas de UTC, o que nenhum fuso real faz</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; changes its offset more than %2 times a year, which no real zone does</source>
        <translation>seu fuso horário “%1” muda de deslocamento mais de %2 vezes por ano, o que nenhum fuso real faz</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lists more than %2 changes of its offset, which no real zone does</source>
        <translation>seu fuso horário “%1” lista mais de %2 mudanças de deslocamento, o que nenhum fuso real faz</translation>
    </message>
    <message>
        <source>a line of its time zone &quot;%1&quot; cannot be read (%2)</source>
        <translation>uma linha do seu fuso horário “%1” não pode ser lida (%2)</translation>
    </message>
    <message>
        <source>its %1 line is longer than %2 KB</source>
        <translation>sua linha %1 tem mais de %2 KB</translation>
    </message>
    <message>
        <source>a line of it cannot be read (%1)</source>
        <translation>uma linha dele não pode ser lida (%1)</translation>
    </message>
    <message>
        <source>it is cancelled (STATUS:CANCELLED)</source>
        <translation>está cancelado (STATUS:CANCELLED)</translation>
    </message>
    <message>
        <source>it is done (COMPLETED)</source>
        <translation>já está concluído (COMPLETED)</translation>
    </message>
    <message>
        <source>its message is longer than %1 KB</source>
        <translation>sua mensagem tem mais de %1 KB</translation>
    </message>
    <message>
        <source>it changes one time of another event (RECURRENCE-ID)</source>
        <translation>altera uma ocorrência de outro evento (RECURRENCE-ID)</translation>
    </message>
    <message>
        <source>it has no due time (DUE)</source>
        <translation>não tem hora de vencimento (DUE)</translation>
    </message>
    <message>
        <source>it has no start (DTSTART)</source>
        <translation>não tem início (DTSTART)</translation>
    </message>
    <message>
        <source>its time is not a valid date and time</source>
        <translation>seu horário não é uma data e hora válidas</translation>
    </message>
    <message>
        <source>its date %1-%2-%3 does not exist</source>
        <translation>sua data %1-%2-%3 não existe</translation>
    </message>
    <message>
        <source>its time %1:%2:%3 does not exist</source>
        <translation>seu horário %1:%2:%3 não existe</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is unknown</source>
        <translation>seu fuso horário “%1” é desconhecido</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is not one this computer knows, so it cannot repeat by it</source>
        <translation>seu fuso horário “%1” não é conhecido neste computador, então não pode se repetir por ele</translation>
    </message>
    <message>
        <source>its time cannot be turned into a local time</source>
        <translation>seu horário não pode ser convertido em hora local</translation>
    </message>
    <message>
        <source>it leaves out dates by a rule (EXRULE)</source>
        <translation>exclui datas por uma regra (EXRULE)</translation>
    </message>
    <message>
        <source>it has more than one rule (RRULE)</source>
        <translation>tem mais de uma regra (RRULE)</translation>
    </message>
    <message>
        <source>it adds a stretch of time (RDATE;VALUE=PERIOD)</source>
        <translation>acrescenta um período de tempo (RDATE;VALUE=PERIOD)</translation>
    </message>
    <message>
        <source>libical cannot read it as a calendar; it may be cut off</source>
        <translation>a libical não consegue lê-lo como calendário; talvez esteja cortado</translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>não contém eventos nem tarefas</translation>
    </message>
    <message>
        <source>it holds more than one calendar</source>
        <translation>contém mais de um calendário</translation>
    </message>
    <message>
        <source>it is a to-do, not an event</source>
        <translation>é uma tarefa, não um evento</translation>
    </message>
    <message>
        <source>it holds no event</source>
        <translation>não contém nenhum evento</translation>
    </message>
    <message>
        <source>it holds more than one event</source>
        <translation>contém mais de um evento</translation>
    </message>
    <message>
        <source>its only date is left out (EXDATE)</source>
        <translation>sua única data está excluída (EXDATE)</translation>
    </message>
    <message>
        <source>its year %1 lies outside the years 1 to 9999</source>
        <translation>seu ano %1 está fora dos anos 1 a 9999</translation>
    </message>
</context>
<context>
    <name>MediaSoundPlayer</name>
    <message>
        <source>The built-in alarm sound %1 cannot be played either: %2.</source>
        <translation>O som de alarme embutido %1 também não pode ser tocado: %2.</translation>
    </message>
    <message>
        <source>The alarm sound %1 cannot be played as a sound: %2.</source>
        <translation>O som de alarme %1 não pode ser tocado como som: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound played instead.</source>
        <translation>%1 não pode ser tocado como som: %2. O som de alarme embutido tocou no lugar.</translation>
    </message>
    <message>
        <source>it did not open within %1 seconds</source>
        <translation>ele não abriu em %1 segundos</translation>
    </message>
</context>
<context>
    <name>MissedReport</name>
    <message>
        <source>Snoozed alarm</source>
        <translation>Alarme adiado</translation>
    </message>
    <message numerus="yes">
        <source>missed %n times, last %1</source>
        <translation>
            <numerusform>perdido %n vez, a última em %1</numerusform>
            <numerusform>perdido %n vezes, a última em %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MissedWindow</name>
    <message>
        <source>Missed reminders</source>
        <translation>Lembretes perdidos</translation>
    </message>
    <message>
        <source>These reminders fell due while Vestrona could not ring them:</source>
        <translation>Estes lembretes venceram quando o Vestrona não podia tocá-los:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Repetição</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Previsto</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer declares a DTD</source>
        <translation>a resposta declara um DTD</translation>
    </message>
    <message>
        <source>the answer uses an entity reference</source>
        <translation>a resposta usa uma referência de entidade</translation>
    </message>
    <message>
        <source>the answer nests deeper than %1 elements</source>
        <translation>a resposta aninha mais de %1 níveis de elementos</translation>
    </message>
    <message>
        <source>malformed XML at line %1: %2</source>
        <translation>XML malformado na linha %1: %2</translation>
    </message>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>a resposta termina antes do fim do seu multistatus</translation>
    </message>
    <message>
        <source>the answer is not a DAV multistatus</source>
        <translation>a resposta não é um multistatus DAV</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt; inside a text property</source>
        <translation>elemento inesperado &lt;%1&gt; dentro de uma propriedade de texto</translation>
    </message>
    <message>
        <source>a value in the answer is larger than %1 kB</source>
        <translation>um valor na resposta tem mais de %1 kB</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MB</source>
        <translation>a resposta tem mais de %1 MB</translation>
    </message>
</context>
<context>
    <name>NextReminderTip</name>
    <message>
        <source>
No reminder is due</source>
        <translation>
Nenhum lembrete previsto</translation>
    </message>
    <message>
        <source>
Due </source>
        <translation>
Previsto </translation>
    </message>
    <message>
        <source>
Next: </source>
        <translation>
Próximo: </translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Startup Option</source>
        <translation>Opção de inicialização</translation>
    </message>
    <message>
        <source>Load this software on &amp;Windows startup</source>
        <translation>Carregar este programa ao iniciar o &amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Minimized to system tray</source>
        <translation>&amp;Minimizado na bandeja</translation>
    </message>
    <message>
        <source>Alarm Sound File</source>
        <translation>Arquivo de som do alarme</translation>
    </message>
    <message>
        <source>&amp;Change Alarm Sound File</source>
        <translation>Alterar arquivo de som do ala&amp;rme</translation>
    </message>
    <message>
        <source>&amp;Test Alarm Sound</source>
        <translation>&amp;Testar som do alarme</translation>
    </message>
    <message>
        <source>How often would you like to play the alarm?</source>
        <translation>Com que frequência o alarme deve tocar?</translation>
    </message>
    <message>
        <source>The stored alarm interval &quot;%1&quot; is not a number.</source>
        <translation>O intervalo de alarme salvo “%1” não é um número.</translation>
    </message>
    <message>
        <source>The stored alarm interval %1 names no row of the interval list.</source>
        <translation>O intervalo de alarme salvo %1 não corresponde a nenhuma linha da lista.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound plays instead.</source>
        <translation>%1 não pode ser tocado como som: %2. O som de alarme embutido toca no lugar.</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Adicionar arquivo(s) – segure Ctrl para escolher vários</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav|</source>
        <translation>Arquivos WAV (*.wav)|*.wav|</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The alarm sound stays %3.</source>
        <translation>%1 não pode ser tocado como som: %2. O som de alarme continua sendo %3.</translation>
    </message>
    <message>
        <source>A snoozed alarm plays again after the chosen time.</source>
        <translation>Um alarme adiado toca de novo após o tempo escolhido.</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Calendar sync</source>
        <translation>Sincronizar calendário</translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation>&amp;Sincronizar</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Agora não</translation>
    </message>
    <message>
        <source>The calendar server %2 did not accept the password for %1.
Type the &amp;password to sync:</source>
        <translation>O servidor de calendário %2 não aceitou a senha de %1.
Digite a s&amp;enha para sincronizar:</translation>
    </message>
    <message>
        <source>Vestrona needs the password for %1 at %2 to sync the calendar.
Type the &amp;password to sync:</source>
        <translation>O Vestrona precisa da senha de %1 em %2 para sincronizar o calendário.
Digite a s&amp;enha para sincronizar:</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>No password keyring is available; the password is kept only while Vestrona runs. After a restart, Vestrona asks for it when it next syncs.</source>
        <translation>Nenhum chaveiro de senhas disponível; a senha fica guardada só enquanto o Vestrona estiver em execução. Depois de reiniciar, o Vestrona a pedirá na próxima sincronização.</translation>
    </message>
</context>
<context>
    <name>PathHelpers</name>
    <message>
        <source>HOME is not set, so Vestrona has no folder of yours to keep your reminders and settings in (without HOME, set %1). Nothing was changed.</source>
        <translation>HOME não está definida, então o Vestrona não tem uma pasta sua para guardar seus lembretes e configurações (sem HOME, defina %1). Nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progresso</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
</context>
<context>
    <name>ReminderCommands</name>
    <message>
        <source>Text Files (*.txt)|*.txt|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*|</source>
        <translation>Arquivos de texto (*.txt)|*.txt|iCalendar (*.ics)|*.ics|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Tem certeza de que deseja excluir %1?</translation>
    </message>
    <message>
        <source>Delete Selected Reminder</source>
        <translation>Excluir lembrete selecionado</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Tem certeza de que deseja substituir %1?</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Carregar lista(s) – segure Ctrl para escolher vários arquivos</translation>
    </message>
    <message>
        <source>Added %1 from %2 files.</source>
        <translation>%1 adicionados de %2 arquivos.</translation>
    </message>
</context>
<context>
    <name>ReminderList</name>
    <message>
        <source>Reminder(s)</source>
        <translation>Lembrete(s)</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Reminder ID</source>
        <translation>ID do lembrete</translation>
    </message>
    <message>
        <source>%1, ended</source>
        <translation>%1, encerrado</translation>
    </message>
    <message>
        <source>These reminders never ring, because their start or repetition rule as stored is not valid; delete them, or enter them again:</source>
        <translation>Estes lembretes nunca tocam porque o início ou a regra de repetição salvos não são válidos; exclua-os ou insira-os novamente:</translation>
    </message>
    <message>
        <source>ID %1 &quot;%2&quot;: option &quot;%3&quot;, date &quot;%4&quot;, time &quot;%5&quot;</source>
        <translation>ID %1 “%2”: tipo “%3”, data “%4”, hora “%5”</translation>
    </message>
</context>
<context>
    <name>Reporter</name>
    <message>
        <source>in </source>
        <translation>em </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>na linha </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envie uma captura de tela desta mensagem para </translation>
    </message>
</context>
<context>
    <name>RuleCheck</name>
    <message>
        <source>a repeat more often than every day</source>
        <translation>uma repetição mais frequente que diária</translation>
    </message>
    <message>
        <source>The time zone %1 is not known on this computer.</source>
        <translation>O fuso horário %1 não é conhecido neste computador.</translation>
    </message>
    <message>
        <source>The rule needs a valid start date and time.</source>
        <translation>A regra precisa de data e hora de início válidas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a repeat rule that can be read.</source>
        <translation>“%1” não é uma regra de repetição legível.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; uses %2, which a reminder cannot hold.</source>
        <translation>A regra “%1” usa %2, que um lembrete não comporta.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; has a count or interval out of range.</source>
        <translation>A regra “%1” tem uma contagem ou um intervalo fora dos limites.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; ends at a time that does not exist.</source>
        <translation>A regra “%1” termina em um horário que não existe.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; never falls on a date.</source>
        <translation>A regra “%1” nunca cai em nenhuma data.</translation>
    </message>
    <message>
        <source>A date left out or added is not a valid date and time.</source>
        <translation>Uma data deixada de fora ou acrescentada não é uma data e hora válidas.</translation>
    </message>
</context>
<context>
    <name>RuleSummary</name>
    <message>
        <source>Remind just this one time</source>
        <translation>Lembrar só uma vez</translation>
    </message>
    <message>
        <source>Remind every day</source>
        <translation>Lembrar todo dia</translation>
    </message>
    <message>
        <source>Remind weekly</source>
        <translation>Lembrar toda semana</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primeiro</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terceiro</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarto</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>quinto</translation>
    </message>
    <message>
        <source>last</source>
        <translation>último</translation>
    </message>
    <message>
        <source>second to last</source>
        <translation>penúltimo</translation>
    </message>
    <message>
        <source>third to last</source>
        <translation>antepenúltimo</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>number %1 from the end</source>
        <translation>%1º do fim</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>todo dia</translation>
    </message>
    <message numerus="yes">
        <source>every %n days</source>
        <translation>
            <numerusform>a cada %n dia</numerusform>
            <numerusform>a cada %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>every week</source>
        <translation>toda semana</translation>
    </message>
    <message numerus="yes">
        <source>every %n weeks</source>
        <translation>
            <numerusform>a cada %n semana</numerusform>
            <numerusform>a cada %n semanas</numerusform>
        </translation>
    </message>
    <message>
        <source>every month</source>
        <translation>todo mês</translation>
    </message>
    <message numerus="yes">
        <source>every %n months</source>
        <translation>
            <numerusform>a cada %n mês</numerusform>
            <numerusform>a cada %n meses</numerusform>
        </translation>
    </message>
    <message>
        <source>every year</source>
        <translation>todo ano</translation>
    </message>
    <message numerus="yes">
        <source>every %n years</source>
        <translation>
            <numerusform>a cada %n ano</numerusform>
            <numerusform>a cada %n anos</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2</source>
        <translation>no %1 %2</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>the %1 day</source>
        <translation>no %1 dia</translation>
    </message>
    <message>
        <source>on day %1</source>
        <translation>no dia %1</translation>
    </message>
    <message>
        <source>on %1 %2</source>
        <translation>em %2 de %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>em %1</translation>
    </message>
    <message>
        <source>%1 weekday of %2</source>
        <translation>%1 dia útil %2</translation>
    </message>
    <message>
        <source>only the %1 of these</source>
        <translation>só o %1 destes</translation>
    </message>
    <message>
        <source>, once</source>
        <translation>, uma vez</translation>
    </message>
    <message numerus="yes">
        <source>, %n times</source>
        <translation>
            <numerusform>, %n vez</numerusform>
            <numerusform>, %n vezes</numerusform>
        </translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, até %1</translation>
    </message>
    <message>
        <source>On chosen dates</source>
        <translation>Em datas escolhidas</translation>
    </message>
    <message>
        <source>, except 1 date</source>
        <translation>, exceto 1 data</translation>
    </message>
    <message numerus="yes">
        <source>, except %n dates</source>
        <translation>
            <numerusform>, exceto %n data</numerusform>
            <numerusform>, exceto %n datas</numerusform>
        </translation>
    </message>
    <message>
        <source>, and 1 date more</source>
        <translation>, e mais 1 data</translation>
    </message>
    <message numerus="yes">
        <source>, and %n dates more</source>
        <translation>
            <numerusform>, e mais %n data</numerusform>
            <numerusform>, e mais %n datas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The setting %1 could not be saved to %2: %3</source>
        <translation>Não foi possível salvar a configuração %1 em %2: %3</translation>
    </message>
    <message>
        <source>the file is read-only, so changes last only until Vestrona closes.</source>
        <translation>o arquivo é somente leitura, então as alterações só valem até o Vestrona fechar.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>the folder could not be created.</source>
        <translation>não foi possível criar a pasta.</translation>
    </message>
    <message>
        <source>the unreadable settings file could not be moved aside.</source>
        <translation>não foi possível pôr de lado o arquivo de configurações ilegível.</translation>
    </message>
    <message>
        <source>the file could not be written.</source>
        <translation>não foi possível gravar o arquivo.</translation>
    </message>
</context>
<context>
    <name>SoundTrack</name>
    <message>
        <source>it is not in a sound format the player knows</source>
        <translation>não está em um formato de som que o reprodutor conheça</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
</context>
<context>
    <name>SqliteDatabase</name>
    <message>
        <source>checking the file</source>
        <translation>a verificação do arquivo</translation>
    </message>
    <message>
        <source>opening it</source>
        <translation>a abertura</translation>
    </message>
    <message>
        <source>reading the reminders</source>
        <translation>a leitura dos lembretes</translation>
    </message>
    <message>
        <source>reading a reminder</source>
        <translation>a leitura de um lembrete</translation>
    </message>
    <message>
        <source>The reminder with the ID %1 is no longer there.</source>
        <translation>O lembrete com o ID %1 não existe mais.</translation>
    </message>
    <message>
        <source>preparing the change</source>
        <translation>a preparação da alteração</translation>
    </message>
    <message>
        <source>saving the change</source>
        <translation>a gravação da alteração</translation>
    </message>
    <message>
        <source>The reminder database %1 is locked by another program; %2 failed. Try again in a moment.</source>
        <translation>O banco de dados de lembretes %1 está bloqueado por outro programa; falhou: %2. Tente de novo daqui a pouco.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>O banco de dados de lembretes %1 está danificado (%2).</translation>
    </message>
    <message>
        <source>The disk holding the folder %1 is full; the change to the reminder database was not saved.</source>
        <translation>O disco da pasta %1 está cheio; a alteração no banco de dados de lembretes não foi salva.</translation>
    </message>
    <message>
        <source>The reminder database %1 could not be read or written (%2); %3 failed.</source>
        <translation>Não foi possível ler ou gravar o banco de dados de lembretes %1 (%2); falhou: %3.</translation>
    </message>
    <message>
        <source>The reminder database %1 reported an error: %2 failed (%3).</source>
        <translation>O banco de dados de lembretes %1 informou um erro: falhou: %2 (%3).</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>O banco de dados de lembretes não está aberto.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the reminder database may not be written to, so the change was not saved: changing the database needs room for a journal file there.</source>
        <translation>A pasta %1 que contém o banco de dados de lembretes não permite gravação, então a alteração não foi salva: alterar o banco de dados exige espaço ali para um arquivo de diário.</translation>
    </message>
    <message>
        <source>The reminder database %1 is read-only; the change was not saved.</source>
        <translation>O banco de dados de lembretes %1 é somente leitura; a alteração não foi salva.</translation>
    </message>
    <message>
        <source>starting the change</source>
        <translation>o início da alteração</translation>
    </message>
    <message>
        <source>saving the changes</source>
        <translation>a gravação das alterações</translation>
    </message>
    <message>
        <source>undoing the changes</source>
        <translation>a reversão das alterações</translation>
    </message>
    <message>
        <source>looking for changes</source>
        <translation>a busca por alterações</translation>
    </message>
    <message>
        <source>keeping the sync&apos;s records</source>
        <translation>o registro da sincronização</translation>
    </message>
    <message>
        <source>reading the repeat rules</source>
        <translation>a leitura das regras de repetição</translation>
    </message>
    <message>
        <source>storing a repeat rule</source>
        <translation>a gravação de uma regra de repetição</translation>
    </message>
</context>
<context>
    <name>StatementParser</name>
    <message>
        <source>Option takes a whole number from -32768 to 32767, not %1.</source>
        <translation>Option aceita um número inteiro de -32768 a 32767, não %1.</translation>
    </message>
    <message>
        <source>StartDate takes a date of the years 1 to 9999, not %1.</source>
        <translation>StartDate aceita uma data dos anos 1 a 9999, não %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>StartTime takes a time of day; none was given.</source>
        <translation>StartTime aceita uma hora do dia; nenhuma foi informada.</translation>
    </message>
    <message>
        <source>The statement is empty.</source>
        <translation>A instrução está vazia.</translation>
    </message>
    <message>
        <source>The statement must begin with select, insert, update or delete, not &quot;%1&quot;.</source>
        <translation>A instrução deve começar com select, insert, update ou delete, não “%1”.</translation>
    </message>
    <message>
        <source>The statement holds a comment (&quot;%1&quot;); comments are not allowed.</source>
        <translation>A instrução contém um comentário (“%1”); comentários não são permitidos.</translation>
    </message>
    <message>
        <source>The table name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>O nome de tabela “%1” não tem o “]” de fechamento.</translation>
    </message>
    <message>
        <source>The column name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>O nome de coluna “%1” não tem o “]” de fechamento.</translation>
    </message>
    <message>
        <source>A table name is missing before &quot;%1&quot;.</source>
        <translation>Falta um nome de tabela antes de “%1”.</translation>
    </message>
    <message>
        <source>A column name is missing before &quot;%1&quot;.</source>
        <translation>Falta um nome de coluna antes de “%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was expected before &quot;%2&quot;.</source>
        <translation>Era esperado “%1” antes de “%2”.</translation>
    </message>
    <message>
        <source>There is no table &quot;%1&quot;; the only table is tblReminders.</source>
        <translation>Não existe a tabela “%1”; a única tabela é tblReminders.</translation>
    </message>
    <message>
        <source>The column ID is assigned by the database and cannot be written.</source>
        <translation>A coluna ID é atribuída pelo banco de dados e não pode ser gravada.</translation>
    </message>
    <message>
        <source>tblReminders has no column &quot;%1&quot;.</source>
        <translation>tblReminders não tem a coluna “%1”.</translation>
    </message>
    <message>
        <source>Only one statement may be run at a time; found more after it: &quot;%1&quot;.</source>
        <translation>Só uma instrução pode ser executada por vez; havia mais depois dela: “%1”.</translation>
    </message>
    <message>
        <source>Unexpected text after the end of the statement: &quot;%1&quot;.</source>
        <translation>Texto inesperado após o fim da instrução: “%1”.</translation>
    </message>
    <message>
        <source>The only read supported is &quot;select * from tblReminders order by startdate,starttime&quot;; this text differs at &quot;%1&quot;.</source>
        <translation>A única leitura suportada é “select * from tblReminders order by startdate,starttime”; este texto difere em “%1”.</translation>
    </message>
    <message>
        <source>The insert names no columns.</source>
        <translation>O insert não indica nenhuma coluna.</translation>
    </message>
    <message>
        <source>A column name is missing after the last comma of the column list.</source>
        <translation>Falta um nome de coluna após a última vírgula da lista de colunas.</translation>
    </message>
    <message>
        <source>The insert gives no values: the value list &quot;()&quot; is empty.</source>
        <translation>O insert não fornece valores: a lista de valores “()” está vazia.</translation>
    </message>
    <message>
        <source>A value is missing after the last comma of the value list.</source>
        <translation>Falta um valor após a última vírgula da lista de valores.</translation>
    </message>
    <message>
        <source>The insert names %1 columns but gives %2 values.</source>
        <translation>O insert indica %1 colunas, mas fornece %2 valores.</translation>
    </message>
    <message>
        <source>The insert gives no value for %1.</source>
        <translation>O insert não fornece valor para %1.</translation>
    </message>
    <message>
        <source>The update has no &quot;where id=&quot; part, so it would change every reminder.</source>
        <translation>O update não tem a parte “where id=”, então alteraria todos os lembretes.</translation>
    </message>
    <message>
        <source>The delete has no &quot;where id=&quot; part, so it would remove every reminder.</source>
        <translation>O delete não tem a parte “where id=”, então removeria todos os lembretes.</translation>
    </message>
    <message>
        <source>Rows can only be chosen by &quot;where id=&quot;, not by &quot;%1&quot;.</source>
        <translation>As linhas só podem ser escolhidas por “where id=”, não por “%1”.</translation>
    </message>
    <message>
        <source>The reminder ID after &quot;where id=&quot; must be a whole number, not &quot;%1&quot;.</source>
        <translation>O ID do lembrete após “where id=” deve ser um número inteiro, não “%1”.</translation>
    </message>
    <message>
        <source>The statement ends where a value was expected.</source>
        <translation>A instrução termina onde era esperado um valor.</translation>
    </message>
    <message>
        <source>The text value &quot;%1&quot; has no closing quote.</source>
        <translation>O valor de texto “%1” não tem a aspa de fechamento.</translation>
    </message>
    <message>
        <source>The date or time value &quot;%1&quot; has no closing &quot;#&quot;.</source>
        <translation>O valor de data ou hora “%1” não tem o “#” de fechamento.</translation>
    </message>
    <message>
        <source>A value must be a number, a #date#, a #time# or a &apos;quoted text&apos;, not &quot;%1&quot;.</source>
        <translation>Um valor deve ser um número, uma #data#, uma #hora# ou um &apos;texto entre aspas&apos;, não “%1”.</translation>
    </message>
    <message>
        <source>The column %1 is given twice.</source>
        <translation>A coluna %1 aparece duas vezes.</translation>
    </message>
    <message>
        <source>Option takes a whole number, not &quot;%1&quot;.</source>
        <translation>Option aceita um número inteiro, não “%1”.</translation>
    </message>
    <message>
        <source>StartDate takes a date such as #10/23/2012#, not &quot;%1&quot;.</source>
        <translation>StartDate aceita uma data como #10/23/2012#, não “%1”.</translation>
    </message>
    <message>
        <source>#%1# is no valid date for StartDate (month/day/year).</source>
        <translation>#%1# não é uma data válida para StartDate (mês/dia/ano).</translation>
    </message>
    <message>
        <source>StartTime takes a time such as #3:03:00 PM#, not &quot;%1&quot;.</source>
        <translation>StartTime aceita uma hora como #3:03:00 PM#, não “%1”.</translation>
    </message>
    <message>
        <source>#%1# is no valid time of day for StartTime.</source>
        <translation>#%1# não é uma hora do dia válida para StartTime.</translation>
    </message>
    <message>
        <source>%1 takes a &apos;quoted text&apos;, not &quot;%2&quot;.</source>
        <translation>%1 aceita um &apos;texto entre aspas&apos;, não “%2”.</translation>
    </message>
</context>
<context>
    <name>SyncAccount</name>
    <message>
        <source>The calendar address is not a web address such as https://dav.example.org/alice/reminders/.</source>
        <translation>O endereço do calendário não é um endereço web como https://dav.example.org/alice/reminders/.</translation>
    </message>
    <message>
        <source>The calendar address must start with https:// (plain http:// is only allowed for a server on this computer).</source>
        <translation>O endereço do calendário deve começar com https:// (http:// simples só é permitido para um servidor neste computador).</translation>
    </message>
    <message>
        <source>The calendar address must start with https://.</source>
        <translation>O endereço do calendário deve começar com https://.</translation>
    </message>
</context>
<context>
    <name>SyncConflictArchive</name>
    <message>
        <source>The version from here of %1, changed here and on the server, cannot be saved to %2 (%3); nothing was changed.</source>
        <translation>A versão daqui de %1, alterada aqui e no servidor, não pode ser salva em %2 (%3); nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 was changed here and on the server: the server&apos;s version was kept, the version from here was saved to %2.</source>
        <translation>%1 foi alterado aqui e no servidor: a versão do servidor foi mantida e a daqui foi salva em %2.</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <source>Calendar sync</source>
        <translation>Sincronizar calendário</translation>
    </message>
    <message>
        <source>&amp;Calendar address:</source>
        <translation>&amp;Endereço do calendário:</translation>
    </message>
    <message>
        <source>&amp;Find calendars</source>
        <translation>&amp;Procurar calendários</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;usuário:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Se&amp;nha:</translation>
    </message>
    <message>
        <source>Please fill in the user name.</source>
        <translation>Preencha o nome de usuário.</translation>
    </message>
    <message>
        <source>Looking for calendars at %1…</source>
        <translation>Procurando calendários em %1…</translation>
    </message>
    <message>
        <source>Found the calendar &quot;%1&quot;.</source>
        <translation>Calendário “%1” encontrado.</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Escolha um calendário</translation>
    </message>
    <message numerus="yes">
        <source>%n calendars were found; please choose one.</source>
        <translation>
            <numerusform>%n calendário encontrado; escolha um.</numerusform>
            <numerusform>%n calendários encontrados; escolha um.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Ainda não sincronizado.</translation>
    </message>
    <message>
        <source>This copy of Vestrona cannot sync; the account is kept for later.</source>
        <translation>Esta cópia do Vestrona não pode sincronizar; a conta fica guardada para depois.</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>De&amp;talhes</translation>
    </message>
    <message>
        <source>No certificate authority vouches for this server. Accept its certificate only if this is the fingerprint your server&apos;s administrator gave you:</source>
        <translation>Nenhuma autoridade certificadora garante este servidor. Aceite o certificado dele apenas se esta for a impressão digital que o administrador do servidor lhe deu:</translation>
    </message>
    <message>
        <source>&amp;Accept this certificate</source>
        <translation>&amp;Aceitar este certificado</translation>
    </message>
    <message>
        <source>Put them &amp;back on the server</source>
        <translation>&amp;Devolvê-los ao servidor</translation>
    </message>
    <message>
        <source>Delete them &amp;here too</source>
        <translation>E&amp;xcluí-los aqui também</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Sync &amp;now</source>
        <translation>Sincronizar a&amp;gora</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>not kept: type it to sync</source>
        <translation>não guardada: digite-a para sincronizar</translation>
    </message>
    <message>
        <source>kept; type a new one to change it</source>
        <translation>guardada; digite uma nova para alterá-la</translation>
    </message>
    <message>
        <source>The password could not be stored in the keyring.</source>
        <translation>Não foi possível guardar a senha no chaveiro.</translation>
    </message>
    <message>
        <source>Last sync %1: </source>
        <translation>Última sincronização às %1: </translation>
    </message>
    <message>
        <source>Last sync: </source>
        <translation>Última sincronização: </translation>
    </message>
    <message>
        <source>Details of the last sync</source>
        <translation>Detalhes da última sincronização</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>The sync took longer than %1 seconds and was stopped. What it did so far is kept; the next sync goes on from there.</source>
        <translation>A sincronização demorou mais de %1 segundos e foi interrompida. O que foi feito até ali fica guardado; a próxima continua a partir dali.</translation>
    </message>
    <message>
        <source>The calendar server did not answer as expected.</source>
        <translation>O servidor de calendário não respondeu como esperado.</translation>
    </message>
    <message>
        <source>The calendar on the server no longer holds %1 of the %2 items it held at the last sync, so nothing was deleted here. Either put this computer&apos;s reminders back on the server, or delete them here too.</source>
        <translation>O calendário no servidor não tem mais %1 dos %2 itens que tinha na última sincronização, então nada foi excluído aqui. Devolva os lembretes deste computador ao servidor ou exclua-os aqui também.</translation>
    </message>
    <message>
        <source>the server did not take it; it is sent again next time</source>
        <translation>o servidor não o aceitou; ele será enviado de novo na próxima vez</translation>
    </message>
    <message>
        <source>the server did not delete it; it is asked again next time</source>
        <translation>o servidor não o excluiu; será pedido de novo na próxima vez</translation>
    </message>
    <message>
        <source>: the server kept answering that it changed meanwhile</source>
        <translation>: o servidor continuou respondendo que ele mudou nesse meio-tempo</translation>
    </message>
    <message>
        <source>The calendar server took none of the %1 reminders sent to it: %2</source>
        <translation>O servidor de calendário não aceitou nenhum dos %1 lembretes enviados: %2</translation>
    </message>
</context>
<context>
    <name>SyncReconciler</name>
    <message>
        <source>its stored start or repeat cannot be read</source>
        <translation>o início ou a repetição salvos não podem ser lidos</translation>
    </message>
    <message>
        <source>it repeats weekly on no weekday, so it never rings</source>
        <translation>ele se repete toda semana em nenhum dia, então nunca toca</translation>
    </message>
</context>
<context>
    <name>SyncReport</name>
    <message>
        <source>failed: </source>
        <translation>falhou: </translation>
    </message>
    <message>
        <source>no calendar account is set up</source>
        <translation>nenhuma conta de calendário configurada</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <translation>
            <numerusform>%n enviado</numerusform>
            <numerusform>%n enviados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n recebido</numerusform>
            <numerusform>%n recebidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted here</source>
        <translation>
            <numerusform>%n excluído aqui</numerusform>
            <numerusform>%n excluídos aqui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted on the server</source>
        <translation>
            <numerusform>%n excluído no servidor</numerusform>
            <numerusform>%n excluídos no servidor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out</source>
        <translation>
            <numerusform>%n deixado de fora</numerusform>
            <numerusform>%n deixados de fora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still left out</source>
        <translation>
            <numerusform>%n ainda de fora</numerusform>
            <numerusform>%n ainda de fora</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 conflito</translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n conflito</numerusform>
            <numerusform>%n conflitos</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>nada a alterar</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Deixado de fora: </translation>
    </message>
    <message>
        <source>Changed on both sides: </source>
        <translation>Alterado dos dois lados: </translation>
    </message>
</context>
<context>
    <name>SyncStateTable</name>
    <message>
        <source>The calendar sync&apos;s bookkeeping in %1 was written by a newer Vestrona; sync this database with that version.</source>
        <translation>O controle da sincronização em %1 foi gravado por um Vestrona mais novo; sincronize este banco de dados com essa versão.</translation>
    </message>
</context>
<context>
    <name>TextLineReader</name>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>O arquivo %1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a backup file: %2.</source>
        <translation>O arquivo %1 não é um arquivo de backup: %2.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>tem mais de %1 MB</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 MB</source>
        <translation>a linha %1 tem mais de %2 MB</translation>
    </message>
</context>
<context>
    <name>TrayPresence</name>
    <message>
        <source>Calendar sync failed: </source>
        <translation>A sincronização de calendário falhou: </translation>
    </message>
    <message>
        <source>&amp;Show Vestrona</source>
        <translation>&amp;Mostrar o Vestrona</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>Sincroni&amp;zar calendário…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The hand cursor %1 could not be loaded.</source>
        <translation>Não foi possível carregar o cursor de mão %1.</translation>
    </message>
</context>
<context>
    <name>vestrona::DBusNotifications</name>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Adiar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>vestrona::Form3</name>
    <message>
        <source>Remind every mo&amp;nth</source>
        <translation>Lembrar t&amp;odo mês</translation>
    </message>
    <message>
        <source>Remind every &amp;year</source>
        <translation>Lembrar todo a&amp;no</translation>
    </message>
    <message>
        <source>&amp;Other repeat…</source>
        <translation>Outra re&amp;petição…</translation>
    </message>
    <message>
        <source>&amp;Other repeat: %1</source>
        <translation>Outra re&amp;petição: %1</translation>
    </message>
</context>
<context>
    <name>vestrona::RepeatDialog</name>
    <message>
        <source>Other repeat</source>
        <translation>Outra repetição</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dias</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semanas</translation>
    </message>
    <message>
        <source>months</source>
        <translation>meses</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anos</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;A cada</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Em</translation>
    </message>
    <message>
        <source>on &amp;day</source>
        <translation>n&amp;o dia</translation>
    </message>
    <message>
        <source>of the start</source>
        <translation>do início</translation>
    </message>
    <message>
        <source>last</source>
        <translation>último</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primeiro</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terceiro</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarto</translation>
    </message>
    <message>
        <source>weekday</source>
        <translation>dia útil</translation>
    </message>
    <message>
        <source> times</source>
        <translation> vezes</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>o&amp;n the</source>
        <translation>&amp;no</translation>
    </message>
    <message>
        <source>ne&amp;ver</source>
        <translation>n&amp;unca</translation>
    </message>
    <message>
        <source>afte&amp;r</source>
        <translation>a&amp;pós</translation>
    </message>
    <message>
        <source>unti&amp;l</source>
        <translation>a&amp;té</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
</TS>
