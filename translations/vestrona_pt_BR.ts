<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
    <name>Cli</name>
    <message>
        <source>Reads and changes the reminders of Vestrona.

Commands:
  next                      the next reminder due: alarm time, TAB, message
  list                      every reminder, one line each, columns joined by TAB
  add --option once|daily|weekly --date YYYY-MM-DD --time HH:MM[:SS]
      [--days Mon,Tue,...] MESSAGE   adds a reminder and prints its ID
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
  add --option once|daily|weekly --date YYYY-MM-DD --time HH:MM[:SS]
      [--days Mon,Tue,...] MESSAGE
                            adiciona um lembrete e mostra seu ID
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
        <source>once, daily or weekly.</source>
        <translation>once, daily ou weekly.</translation>
    </message>
    <message>
        <source>Start date, YYYY-MM-DD.</source>
        <translation>Data de início, AAAA-MM-DD (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>Start time, HH:MM or HH:MM:SS.</source>
        <translation>Hora de início, HH:MM ou HH:MM:SS.</translation>
    </message>
    <message>
        <source>Weekdays, e.g. Mon,Wed,Fri.</source>
        <translation>Dias da semana, por ex. Mon,Wed,Fri.</translation>
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
        <source>next, list, add, delete, backup, restore, export, import or sync.</source>
        <translation>next, list, add, delete, backup, restore, export, import ou sync.</translation>
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
        <source>--option must be once, daily or weekly, not &quot;%1&quot;.</source>
        <translation>--option deve ser once, daily ou weekly, não “%1”.</translation>
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
    <name>Progress</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progresso</translation>
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
    <name>TrayPresence</name>
    <message>
        <source>Show Vestrona</source>
        <translation>Mostrar o Vestrona</translation>
    </message>
    <message>
        <source>Calendar sync…</source>
        <translation>Sincronizar calendário…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Calendar sync failed: </source>
        <translation>A sincronização de calendário falhou: </translation>
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
</TS>
