<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccountSyncer</name>
    <message>
        <source>No password is kept for %1 at %2; please type it in &quot;Calendar sync…&quot;.</source>
        <translation>Nessuna password conservata per %1 su %2; digitala in «Sincronizza calendario…».</translation>
    </message>
</context>
<context>
    <name>AlarmIntervals</name>
    <message>
        <source>Play the alarm every 5 minutes</source>
        <translation>Suona l’allarme ogni 5 minuti</translation>
    </message>
    <message>
        <source>Play the alarm every 10 minutes</source>
        <translation>Suona l’allarme ogni 10 minuti</translation>
    </message>
    <message>
        <source>Play the alarm every 30 minutes</source>
        <translation>Suona l’allarme ogni 30 minuti</translation>
    </message>
    <message>
        <source>Play the alarm every 1 hour</source>
        <translation>Suona l’allarme ogni ora</translation>
    </message>
    <message>
        <source>Play the alarm every 2 hours</source>
        <translation>Suona l’allarme ogni 2 ore</translation>
    </message>
    <message>
        <source>Play the alarm every 4 hours</source>
        <translation>Suona l’allarme ogni 4 ore</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>Next alarm will play in </source>
        <translation>Prossimo allarme tra </translation>
    </message>
    <message>
        <source>Snoozed until</source>
        <translation>Posticipato fino a</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Scadenza</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Calendar sync has been failing for more than an hour: </source>
        <translation>La sincronizzazione del calendario non riesce da più di un’ora: </translation>
    </message>
    <message>
        <source>%1 Nothing was deleted here: choose in “Calendar sync…” whether to put the reminders back on the server or delete them here too.</source>
        <translation>%1 Qui non è stato eliminato nulla: scegli in «Sincronizza calendario…» se rimettere i promemoria sul server o eliminarli anche qui.</translation>
    </message>
    <message>
        <source>The reminder database %1 is in use by another program. Vestrona lists the reminders and starts the alarm as soon as it is free.</source>
        <translation>Il database dei promemoria %1 è in uso da un altro programma. Vestrona mostra i promemoria e avvia l’allarme appena è libero.</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 non trovato</translation>
    </message>
    <message>
        <source>The reminder database %1 has been deleted. The reminders still listed are no longer saved anywhere; put the file back, and Vestrona reads it again.</source>
        <translation>Il database dei promemoria %1 è stato eliminato. I promemoria ancora elencati non sono più salvati da nessuna parte; rimetti a posto il file e Vestrona lo rileggerà.</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>Il database dei promemoria non è aperto.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be entered in the logon start list.</source>
        <translation>Il file del programma non è stato trovato, quindi non può essere aggiunto all’avvio della sessione.</translation>
    </message>
    <message>
        <source>The autostart folder &quot;%1&quot; could not be created.</source>
        <translation>Impossibile creare la cartella di avvio automatico «%1».</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be written: %2</source>
        <translation>Impossibile scrivere la voce di avvio automatico «%1»: %2</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be removed: %2</source>
        <translation>Impossibile rimuovere la voce di avvio automatico «%1»: %2</translation>
    </message>
</context>
<context>
    <name>BackupText</name>
    <message>
        <source>it has %1 of the %2 fields of a reminder.</source>
        <translation>ha %1 dei %2 campi di un promemoria.</translation>
    </message>
    <message>
        <source>its repetition rule &quot;%1&quot; is not a number.</source>
        <translation>la sua regola di ripetizione «%1» non è un numero.</translation>
    </message>
    <message>
        <source>its repetition rule %1 is out of range.</source>
        <translation>la sua regola di ripetizione %1 è fuori dai limiti.</translation>
    </message>
    <message>
        <source>its start date &quot;%1&quot; is not a date.</source>
        <translation>la sua data di inizio «%1» non è una data.</translation>
    </message>
    <message>
        <source>its start time &quot;%1&quot; is not a time.</source>
        <translation>la sua ora di inizio «%1» non è un’ora.</translation>
    </message>
</context>
<context>
    <name>CalDavFailureWords</name>
    <message>
        <source>The calendar server %1 sent an answer the program cannot read: %2.</source>
        <translation>Il server del calendario %1 ha inviato una risposta che il programma non sa leggere: %2.</translation>
    </message>
    <message>
        <source>The calendar server did not accept the user name or password.</source>
        <translation>Il server del calendario non ha accettato il nome utente o la password.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not let this user reach %2.</source>
        <translation>Il server del calendario %1 non consente a questo utente di accedere a %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 has nothing at %2.</source>
        <translation>Il server del calendario %1 non ha nulla in %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not allow this request on %2; is it the address of a calendar?</source>
        <translation>Il server del calendario %1 non consente questa richiesta su %2; è l’indirizzo di un calendario?</translation>
    </message>
    <message>
        <source>%1 was changed on the calendar server %2 meanwhile.</source>
        <translation>%1 è stato modificato nel frattempo sul server del calendario %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused %2 as too large.</source>
        <translation>Il server del calendario %1 ha rifiutato %2 perché troppo grande.</translation>
    </message>
    <message>
        <source>The calendar server %1 is busy or down for maintenance; try again later.</source>
        <translation>Il server del calendario %1 è occupato o in manutenzione; riprova più tardi.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no room left for %2.</source>
        <translation>Il server del calendario %1 non ha più spazio per %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request for %2 elsewhere without saying where (error %3).</source>
        <translation>Il server del calendario %1 ha inoltrato la richiesta per %2 altrove senza dire dove (errore %3).</translation>
    </message>
    <message>
        <source>The calendar server %1 failed with error %2.</source>
        <translation>Il server del calendario %1 non è riuscito con l’errore %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the request for %2 with error %3.</source>
        <translation>Il server del calendario %1 ha rifiutato la richiesta per %2 con l’errore %3.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be found.</source>
        <translation>Il server del calendario %1 non è stato trovato.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the connection; it may not be running.</source>
        <translation>Il server del calendario %1 ha rifiutato la connessione; forse non è in esecuzione.</translation>
    </message>
    <message>
        <source>The calendar server %1 closed the connection before it answered.</source>
        <translation>Il server del calendario %1 ha chiuso la connessione prima di rispondere.</translation>
    </message>
    <message>
        <source>The calendar server %1 did not answer in time.</source>
        <translation>Il server del calendario %1 non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The calendar server %1 redirects in circles: the request was sent on again and again without reaching the calendar.</source>
        <translation>Il server del calendario %1 reindirizza in cerchio: la richiesta è stata inoltrata più volte senza raggiungere il calendario.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to an address without https://; the program does not follow it.</source>
        <translation>Il server del calendario %1 ha inoltrato la richiesta a un indirizzo senza https://; il programma non lo segue.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be reached: %2.</source>
        <translation>Impossibile raggiungere il server del calendario %1: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <source>No calendar was found at %1: it is not a calendar, and the server names no calendars for the user there.</source>
        <translation>Nessun calendario trovato in %1: non è un calendario e il server non vi indica calendari dell’utente.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no calendar for this user yet (looked in %2); please make one there first.</source>
        <translation>Il server del calendario %1 non ha ancora un calendario per questo utente (cercato in %2); creane prima uno lì.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Start date, YYYY-MM-DD.</source>
        <translation>Data di inizio, AAAA-MM-GG (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>Start time, HH:MM or HH:MM:SS.</source>
        <translation>Ora di inizio, HH:MM o HH:MM:SS.</translation>
    </message>
    <message>
        <source>Let backup replace an existing file.</source>
        <translation>Consente a backup di sostituire un file esistente.</translation>
    </message>
    <message>
        <source>The calendar&apos;s address, for sync.</source>
        <translation>L’indirizzo del calendario, per sync.</translation>
    </message>
    <message>
        <source>The user name on the calendar server, for sync.</source>
        <translation>Il nome utente sul server del calendario, per sync.</translation>
    </message>
    <message>
        <source>Trust the server certificate with this SHA-256 fingerprint, for sync.</source>
        <translation>Considera attendibile il certificato del server con questa impronta SHA-256, per sync.</translation>
    </message>
    <message>
        <source>Put this computer&apos;s reminders back on an emptied calendar, for sync.</source>
        <translation>Rimettere i promemoria di questo computer in un calendario svuotato, per sync.</translation>
    </message>
    <message>
        <source>Delete here what an emptied calendar lost, for sync.</source>
        <translation>Eliminare qui ciò che un calendario svuotato ha perso, per sync.</translation>
    </message>
    <message>
        <source>The reminder database to use.</source>
        <translation>Il database dei promemoria da usare.</translation>
    </message>
    <message>
        <source>

Without --database the reminders are those of %1</source>
        <translation>

Senza --database i promemoria sono quelli di %1</translation>
    </message>
    <message>
        <source>The command&apos;s arguments.</source>
        <translation>Gli argomenti del comando.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reminder ID.</source>
        <translation>«%1» non è un ID di promemoria.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Nessun comando indicato.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli restore FILE...</source>
        <translation>Uso: vestrona-cli restore FILE...</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli import FILE...</source>
        <translation>Uso: vestrona-cli import FILE...</translation>
    </message>
    <message>
        <source>--upload-all and --accept-deletions exclude each other.</source>
        <translation>--upload-all e --accept-deletions si escludono a vicenda.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Comando sconosciuto «%1».</translation>
    </message>
    <message>
        <source>Try &apos;vestrona-cli --help&apos;.</source>
        <translation>Prova &apos;vestrona-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli %1</source>
        <translation>Uso: vestrona-cli %1</translation>
    </message>
    <message>
        <source>--%1 does not belong to this command.</source>
        <translation>--%1 non appartiene a questo comando.</translation>
    </message>
    <message>
        <source>%1 already exists; use --force to replace it.</source>
        <translation>%1 esiste già; usa --force per sostituirlo.</translation>
    </message>
    <message>
        <source>add takes exactly one MESSAGE (quote it when it has blanks).</source>
        <translation>add accetta esattamente un MESSAGGIO (tra virgolette se contiene spazi).</translation>
    </message>
    <message>
        <source>add needs --%1.</source>
        <translation>add richiede --%1.</translation>
    </message>
    <message>
        <source>--date &quot;%1&quot; is not a date of the form YYYY-MM-DD.</source>
        <translation>--date «%1» non è una data nella forma YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>--time &quot;%1&quot; is not a time of the form HH:MM or HH:MM:SS.</source>
        <translation>--time «%1» non è un’ora nella forma HH:MM o HH:MM:SS.</translation>
    </message>
    <message>
        <source>--days: &quot;%1&quot; is not one of Mon, Tue, Wed, Thu, Fri, Sat, Sun.</source>
        <translation>--days: «%1» non è uno tra Mon, Tue, Wed, Thu, Fri, Sat, Sun.</translation>
    </message>
    <message>
        <source>A weekly reminder needs --days. Please choose at least one weekday.</source>
        <translation>Un promemoria settimanale richiede --days. Scegli almeno un giorno della settimana.</translation>
    </message>
    <message>
        <source>No reminder has the ID %1.</source>
        <translation>Nessun promemoria ha l’ID %1.</translation>
    </message>
    <message>
        <source>--accept-certificate wants the SHA-256 fingerprint as 32 hex pairs joined by &apos;:&apos;, as a failed sync prints it.</source>
        <translation>--accept-certificate vuole l’impronta SHA-256 come 32 coppie esadecimali unite da &apos;:&apos;, come la stampa una sincronizzazione non riuscita.</translation>
    </message>
    <message>
        <source>No calendar account is set up: give --url and --user once (or set it up in Vestrona&apos;s &quot;Calendar sync…&quot; dialog).</source>
        <translation>Nessun account di calendario configurato: indica una volta --url e --user (o configuralo nella finestra «Sincronizza calendario…» di Vestrona).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Password di %1 su %2: </translation>
    </message>
    <message>
        <source>No password for %1 at %2: set VESTRONA_CALDAV_PASSWORD, keep it in the keyring through Vestrona&apos;s &quot;Calendar sync…&quot; dialog, or run this on a terminal.</source>
        <translation>Nessuna password per %1 su %2: imposta VESTRONA_CALDAV_PASSWORD, conservala nel portachiavi dalla finestra «Sincronizza calendario…» di Vestrona o esegui questo comando in un terminale.</translation>
    </message>
    <message>
        <source>No password given.</source>
        <translation>Nessuna password indicata.</translation>
    </message>
    <message>
        <source>the password could not be stored in the keyring; it is used for this sync only.</source>
        <translation>impossibile salvare la password nel portachiavi; viene usata solo per questa sincronizzazione.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads to %n calendars (listed above); choose one with --url ADDRESS.</source>
        <translation>
            <numerusform>%1 porta a %n calendario (elencato sopra); scegline uno con --url INDIRIZZO.</numerusform>
            <numerusform>%1 porta a %n calendari (elencati sopra); scegline uno con --url INDIRIZZO.</numerusform>
        </translation>
    </message>
    <message>
        <source>To put this computer&apos;s reminders back on the server, run</source>
        <translation>Per rimettere sul server i promemoria di questo computer, esegui</translation>
    </message>
    <message>
        <source>To delete them here too, run</source>
        <translation>Per eliminarli anche qui, esegui</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has the SHA-256 fingerprint</source>
        <translation>Il certificato del server ha l’impronta SHA-256</translation>
    </message>
    <message>
        <source>If that is your server&apos;s certificate (ask its administrator), accept it with</source>
        <translation>Se è il certificato del tuo server (chiedi al suo amministratore), accettalo con</translation>
    </message>
    <message>
        <source>or with &quot;Accept this certificate&quot; in Vestrona&apos;s &quot;Calendar sync…&quot; dialog.</source>
        <translation>o con «Accetta questo certificato» nella finestra «Sincronizza calendario…» di Vestrona.</translation>
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
        <translation>Legge e modifica i promemoria di Vestrona.

Comandi:
  next                      il prossimo promemoria: ora dell’allarme, TAB,
                            messaggio
  list                      tutti i promemoria, uno per riga, colonne
                            separate da TAB
  add --option once|daily|weekly|monthly|yearly --date YYYY-MM-DD
      --time HH:MM[:SS] [--days Mon,Tue,...] MESSAGE
                            aggiunge un promemoria e ne stampa l’ID; monthly
                            e yearly si ripetono nel giorno della data di
                            inizio
  add --rule RRULE --date YYYY-MM-DD --time HH:MM[:SS] MESSAGE
                            aggiunge un promemoria che si ripete secondo una
                            regola RFC 5545 senza «RRULE:», ad es.
                            FREQ=MONTHLY;BYDAY=-1FR; FREQ, INTERVAL, BYDAY,
                            BYMONTHDAY, BYMONTH, BYSETPOS, COUNT, UNTIL (ora
                            locale, o UTC con Z)
  agenda [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--days N]
                            ogni occorrenza da quel momento (predefinito:
                            adesso) per N giorni (predefinito: 7): ora, TAB,
                            ID, TAB, messaggio
  delete ID                 elimina un promemoria
  backup [--force] FILE     scrive tutti i promemoria in un file di backup
  restore FILE...           aggiunge i promemoria di file di backup
  export [--force] FILE     scrive tutti i promemoria in un file iCalendar
                            (.ics)
  import FILE...            aggiunge eventi e attività di file iCalendar e
                            li stampa; una data senza ora inizia alle 00:00:00
  sync [--url URL --user NAME] [--accept-certificate SHA256]
       [--upload-all | --accept-deletions]
                            sincronizza i promemoria con il calendario CalDAV
                            all’indirizzo URL (salvato per le sincronizzazioni
                            successive e per Vestrona) e stampa ciò che è
                            stato caricato, scaricato, eliminato o escluso;
                            la password viene da VESTRONA_CALDAV_PASSWORD, dal
                            portachiavi o, in un terminale, da una richiesta;
                            esce con 1 se restano elementi esclusi, con 3 se
                            la sincronizzazione non è riuscita. Se il
                            calendario ha perso quasi tutti i suoi elementi,
                            non si elimina nulla finché --upload-all non li
                            rimette o --accept-deletions non li elimina anche
                            qui</translation>
    </message>
    <message>
        <source>once, daily, weekly, monthly or yearly.</source>
        <translation>once, daily, weekly, monthly o yearly.</translation>
    </message>
    <message>
        <source>An RFC 5545 repeat rule, for add.</source>
        <translation>Una regola di ripetizione RFC 5545, per add.</translation>
    </message>
    <message>
        <source>Where the agenda starts, &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>Quando inizia l’agenda, «YYYY-MM-DD HH:MM:SS».</translation>
    </message>
    <message>
        <source>Weekdays, e.g. Mon,Wed,Fri; for agenda, a number of days.</source>
        <translation>Giorni della settimana, ad es. Mon,Wed,Fri; per agenda, un numero di giorni.</translation>
    </message>
    <message>
        <source>next, list, add, agenda, delete, backup, restore, export, import or sync.</source>
        <translation>next, list, add, agenda, delete, backup, restore, export, import o sync.</translation>
    </message>
    <message>
        <source>add needs either --option or --rule.</source>
        <translation>add richiede --option oppure --rule.</translation>
    </message>
    <message>
        <source>--option must be once, daily, weekly, monthly or yearly, not &quot;%1&quot;.</source>
        <translation>--option deve essere once, daily, weekly, monthly o yearly, non «%1».</translation>
    </message>
    <message>
        <source>--days belongs to --option weekly; a rule names its days in BYDAY.</source>
        <translation>--days va con --option weekly; una regola indica i suoi giorni in BYDAY.</translation>
    </message>
    <message>
        <source>--from &quot;%1&quot; is not of the form &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>--from «%1» non è nella forma «YYYY-MM-DD HH:MM:SS».</translation>
    </message>
    <message>
        <source>--days for agenda takes a number of days from 1 to 3660.</source>
        <translation>--days per agenda accetta un numero di giorni da 1 a 3660.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>Execute runs only insert, update and delete statements; the ordered select is a read.</source>
        <translation>Execute esegue solo istruzioni insert, update e delete; la select ordinata è una lettura.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>1 day %1</source>
        <translation>1 giorno %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2</source>
        <translation>
            <numerusform>%1 giorno %2</numerusform>
            <numerusform>%1 giorni %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataLocation</name>
    <message>
        <source>%1 is a file, not a folder, so your reminder database cannot be made in it.</source>
        <translation>%1 è un file, non una cartella, quindi non vi si può creare il database dei promemoria.</translation>
    </message>
    <message>
        <source>The folder %1 for your reminder database could not be made.</source>
        <translation>Impossibile creare la cartella %1 per il database dei promemoria.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 that comes with Vestrona could not be read, so your reminder database cannot be made.</source>
        <translation>Impossibile leggere il database vuoto %1 fornito con Vestrona, quindi il database dei promemoria non può essere creato.</translation>
    </message>
    <message>
        <source>Your reminder database could not be made in the folder %1: %2</source>
        <translation>Impossibile creare il database dei promemoria nella cartella %1: %2</translation>
    </message>
    <message>
        <source>Your reminder database %1 could not be made: %2</source>
        <translation>Impossibile creare il database dei promemoria %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFileCheck</name>
    <message>
        <source>The reminder database %1 does not exist.</source>
        <translation>Il database dei promemoria %1 non esiste.</translation>
    </message>
    <message>
        <source>The reminder database %1 is a folder, not a file.</source>
        <translation>Il database dei promemoria %1 è una cartella, non un file.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not a regular file.</source>
        <translation>Il database dei promemoria %1 non è un file normale.</translation>
    </message>
    <message>
        <source>The reminder database %1 cannot be read: %2.</source>
        <translation>Il database dei promemoria %1 non può essere letto: %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is empty (0 bytes); it holds no reminders table.</source>
        <translation>Il database dei promemoria %1 è vuoto (0 byte); non contiene alcuna tabella dei promemoria.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not an SQLite database.</source>
        <translation>Il database dei promemoria %1 non è un database SQLite.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is cut off inside its header.</source>
        <translation>Il database dei promemoria %1 è danneggiato: il file si interrompe nell’intestazione.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: its header names no valid page size.</source>
        <translation>Il database dei promemoria %1 è danneggiato: l’intestazione non indica una dimensione di pagina valida.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is shorter than its own header says (it may have been cut off).</source>
        <translation>Il database dei promemoria %1 è danneggiato: il file è più corto di quanto dica l’intestazione (forse è stato troncato).</translation>
    </message>
</context>
<context>
    <name>DatabaseOpening</name>
    <message>
        <source>The reminder database %1 has no table tblReminders.</source>
        <translation>Il database dei promemoria %1 non ha la tabella tblReminders.</translation>
    </message>
    <message>
        <source>The reminder database %1 has a table tblReminders without the column %2.</source>
        <translation>Il database dei promemoria %1 ha una tabella tblReminders senza la colonna %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>Il database dei promemoria %1 è danneggiato (%2).</translation>
    </message>
</context>
<context>
    <name>DavHttpClient</name>
    <message>
        <source>The calendar server %1 sent an answer larger than %2 MB; the program does not read it.</source>
        <translation>Il server del calendario %1 ha inviato una risposta più grande di %2 MB; il programma non la legge.</translation>
    </message>
    <message>
        <source>The calendar server %1 stopped answering (nothing for %2 seconds).</source>
        <translation>Il server del calendario %1 ha smesso di rispondere (nulla da %2 secondi).</translation>
    </message>
    <message>
        <source>The calendar server %1 took too long to answer (more than %2 seconds); the request was given up.</source>
        <translation>Il server del calendario %1 ha impiegato troppo a rispondere (più di %2 secondi); la richiesta è stata abbandonata.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to %2; the program only follows redirects on the same server.</source>
        <translation>Il server del calendario %1 ha inoltrato la richiesta a %2; il programma segue solo i reindirizzamenti sullo stesso server.</translation>
    </message>
    <message>
        <source>The certificate of the calendar server %1 is not trusted: %2.</source>
        <translation>Il certificato del server del calendario %1 non è attendibile: %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 answered %2 where a list of resources was due.</source>
        <translation>Il server del calendario %1 ha risposto %2 dove era attesa una lista di risorse.</translation>
    </message>
</context>
<context>
    <name>EmptyDatabase</name>
    <message>
        <source>The schema file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file di schema %1: %2.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 could not be made: %2.</source>
        <translation>Impossibile creare il database dei promemoria vuoto %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 line was left out:</source>
        <translation>Aggiunta di %1 da %2 completata. 1 riga è stata esclusa:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n lines were left out:</source>
        <translation>
            <numerusform>Aggiunta di %1 da %2 completata. %n riga è stata esclusa:</numerusform>
            <numerusform>Aggiunta di %1 da %2 completata. %n righe sono state escluse:</numerusform>
        </translation>
    </message>
    <message>
        <source>their message contains &quot;%1&quot;, which the backup file uses between its fields</source>
        <translation>il loro messaggio contiene «%1», che il file di backup usa per separare i campi</translation>
    </message>
    <message>
        <source>Writing file: %1</source>
        <translation>Scrittura del file: %1</translation>
    </message>
    <message>
        <source>Saved %1 to %2.</source>
        <translation>Salvataggio di %1 in %2 completato.</translation>
    </message>
    <message>
        <source>Reading file: %1</source>
        <translation>Lettura del file: %1</translation>
    </message>
    <message>
        <source>Added %1 from %2.</source>
        <translation>Aggiunta di %1 da %2 completata.</translation>
    </message>
    <message>
        <source>The backup file %1 cannot be created: %2.</source>
        <translation>Impossibile creare il file di backup %1: %2.</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Impossibile scrivere il file di backup %1: %2. Un file con quel nome è rimasto com’era.</translation>
    </message>
    <message>
        <source>The calendar file %1 cannot be created: %2.</source>
        <translation>Impossibile creare il file di calendario %1: %2.</translation>
    </message>
    <message>
        <source>The calendar file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Impossibile scrivere il file di calendario %1: %2. Un file con quel nome è rimasto com’era.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 promemoria</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n promemoria</numerusform>
            <numerusform>%n promemoria</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... e ancora %n.</numerusform>
            <numerusform>... e ancora %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk holding the folder %1 is full</source>
        <translation>il disco della cartella %1 è pieno</translation>
    </message>
    <message>
        <source>These reminders were not written to %1, because %2:</source>
        <translation>Questi promemoria non sono stati scritti in %1 perché %2:</translation>
    </message>
    <message>
        <source>their start or repetition rule as stored is not valid</source>
        <translation>il loro inizio o la loro regola di ripetizione salvati non sono validi</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 entry was left out:</source>
        <translation>Aggiunta di %1 da %2 completata. 1 elemento è stato escluso:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n entries were left out:</source>
        <translation>
            <numerusform>Aggiunta di %1 da %2 completata. %n elemento è stato escluso:</numerusform>
            <numerusform>Aggiunta di %1 da %2 completata. %n elementi sono stati esclusi:</numerusform>
        </translation>
    </message>
    <message>
        <source>they are weekly on no weekday and so never ring</source>
        <translation>sono settimanali senza alcun giorno della settimana, quindi non suonano mai</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file %1: %2.</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>Esportazione di %1 in %2 completata.</translation>
    </message>
    <message>
        <source>The file %1 cannot be imported: %2.</source>
        <translation>Impossibile importare il file %1: %2.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Next alarm will play in</source>
        <translation>Prossimo allarme tra</translation>
    </message>
    <message>
        <source>&amp;Add New Reminder</source>
        <translation>&amp;Aggiungi promemoria</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Reminder</source>
        <translation>&amp;Modifica promemoria scelto</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Reminder</source>
        <translation>&amp;Elimina promemoria scelto</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Reminder</source>
        <translation>Carica promemoria d’esem&amp;pio</translation>
    </message>
    <message>
        <source>&amp;Backup Reminders To File </source>
        <translation>&amp;Salva promemoria su file </translation>
    </message>
    <message>
        <source>&amp;Load Reminders From File </source>
        <translation>&amp;Carica promemoria da file </translation>
    </message>
    <message>
        <source>Set Date &amp;Format</source>
        <translation>Imposta formato &amp;data</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>Sincroni&amp;zza calendario…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <source>The skin file %1 could not be read: %2</source>
        <translation>Impossibile leggere il file di aspetto %1: %2</translation>
    </message>
    <message>
        <source>1 reminder was missed while Vestrona was not running</source>
        <translation>1 promemoria è stato perso mentre Vestrona non era in esecuzione</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were missed while Vestrona was not running</source>
        <translation>
            <numerusform>%n promemoria è stato perso mentre Vestrona non era in esecuzione</numerusform>
            <numerusform>%n promemoria sono stati persi mentre Vestrona non era in esecuzione</numerusform>
        </translation>
    </message>
    <message>
        <source>Time until the next alarm</source>
        <translation>Tempo fino al prossimo allarme</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Enter edits the chosen reminder, Delete deletes it, Ctrl+N adds one.</source>
        <translation>Invio modifica il promemoria scelto, Canc lo elimina, Ctrl+N ne aggiunge uno.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source> Reminder</source>
        <translation> Promemoria</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Posponi</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>1 of %1</source>
        <translation>1 di %1</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Messaggio del promemoria</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Reminder</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>O&amp;ra:</translation>
    </message>
    <message>
        <source>&amp;Reminder Option</source>
        <translation>&amp;Tipo di promemoria</translation>
    </message>
    <message>
        <source>Remind &amp;just this one time</source>
        <translation>Ricorda &amp;una sola volta</translation>
    </message>
    <message>
        <source>Remind e&amp;very day</source>
        <translation>Ricorda ogni g&amp;iorno</translation>
    </message>
    <message>
        <source>Remind every wee&amp;k</source>
        <translation>Ricorda ogni settima&amp;na</translation>
    </message>
    <message>
        <source>Messa&amp;ge</source>
        <translation>&amp;Messaggio</translation>
    </message>
    <message>
        <source>&amp;Save Reminder</source>
        <translation>Salva &amp;promemoria</translation>
    </message>
    <message>
        <source>Reminder saved.</source>
        <translation>Promemoria salvato.</translation>
    </message>
    <message>
        <source>
Its time has already passed, so it will not ring.</source>
        <translation>
Il suo orario è già passato, quindi non suonerà.</translation>
    </message>
    <message>
        <source>Please fill out a message.</source>
        <translation>Scrivi un messaggio.</translation>
    </message>
    <message>
        <source>Please choose at least one weekday.</source>
        <translation>Scegli almeno un giorno della settimana.</translation>
    </message>
    <message>
        <source>&amp;Mon</source>
        <translation>&amp;Lu</translation>
    </message>
    <message>
        <source>&amp;Tue</source>
        <translation>M&amp;a</translation>
    </message>
    <message>
        <source> &amp;Wed</source>
        <translation>M&amp;e</translation>
    </message>
    <message>
        <source>T&amp;hu</source>
        <translation>&amp;Gi</translation>
    </message>
    <message>
        <source>&amp;Fri</source>
        <translation>&amp;Ve</translation>
    </message>
    <message>
        <source>S&amp;at</source>
        <translation>&amp;Sa</translation>
    </message>
    <message>
        <source>S&amp;un</source>
        <translation>D&amp;o</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Data di inizio</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Type A or P for the half of the day.</source>
        <translation>Digita A o P per la metà del giorno (AM/PM).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Set Date Format</source>
        <translation>Imposta formato data</translation>
    </message>
    <message>
        <source>Date &amp;Format</source>
        <translation>&amp;Formato data</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>HttpCalDavCollection</name>
    <message>
        <source>%1 on the server %2 is not a calendar.</source>
        <translation>%1 sul server %2 non è un calendario.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>non è un file iCalendar (non inizia con BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than any calendar of reminders</source>
        <translation>è più grande di %1 MB, più di qualsiasi calendario di promemoria</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>non è un file di testo</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, which iCalendar files are</source>
        <translation>non è testo UTF-8, come invece sono i file iCalendar</translation>
    </message>
    <message>
        <source>it defines more than %1 time zones, which no calendar needs</source>
        <translation>definisce più di %1 fusi orari, più di quanti ne servano a qualsiasi calendario</translation>
    </message>
    <message>
        <source>it holds more than %1 events and to-dos, more than any list of reminders</source>
        <translation>contiene più di %1 eventi e attività, più di qualsiasi elenco di promemoria</translation>
    </message>
    <message>
        <source>it repeats %1, which a reminder cannot</source>
        <translation>si ripete con frequenza %1, che un promemoria non può avere</translation>
    </message>
    <message>
        <source>its rule picks days by %1</source>
        <translation>la sua regola sceglie i giorni con %1</translation>
    </message>
    <message>
        <source>its rule counts in another calendar (RSCALE)</source>
        <translation>la sua regola conta in un altro calendario (RSCALE)</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lies more than 24 hours away from UTC, which no real zone does</source>
        <translation>il suo fuso orario «%1» dista più di 24 ore da UTC, cosa che nessun fuso reale fa</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; changes its offset more than %2 times a year, which no real zone does</source>
        <translation>il suo fuso orario «%1» cambia scostamento più di %2 volte l’anno, cosa che nessun fuso reale fa</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lists more than %2 changes of its offset, which no real zone does</source>
        <translation>il suo fuso orario «%1» elenca più di %2 cambi di scostamento, cosa che nessun fuso reale fa</translation>
    </message>
    <message>
        <source>a line of its time zone &quot;%1&quot; cannot be read (%2)</source>
        <translation>una riga del suo fuso orario «%1» non è leggibile (%2)</translation>
    </message>
    <message>
        <source>its %1 line is longer than %2 KB</source>
        <translation>la sua riga %1 è più lunga di %2 KB</translation>
    </message>
    <message>
        <source>a line of it cannot be read (%1)</source>
        <translation>una sua riga non è leggibile (%1)</translation>
    </message>
    <message>
        <source>it is cancelled (STATUS:CANCELLED)</source>
        <translation>è annullato (STATUS:CANCELLED)</translation>
    </message>
    <message>
        <source>it is done (COMPLETED)</source>
        <translation>è già completata (COMPLETED)</translation>
    </message>
    <message>
        <source>its message is longer than %1 KB</source>
        <translation>il suo messaggio è più lungo di %1 KB</translation>
    </message>
    <message>
        <source>it changes one time of another event (RECURRENCE-ID)</source>
        <translation>modifica un’occorrenza di un altro evento (RECURRENCE-ID)</translation>
    </message>
    <message>
        <source>it has no due time (DUE)</source>
        <translation>non ha una scadenza (DUE)</translation>
    </message>
    <message>
        <source>it has no start (DTSTART)</source>
        <translation>non ha un inizio (DTSTART)</translation>
    </message>
    <message>
        <source>its time is not a valid date and time</source>
        <translation>la sua data e ora non è valida</translation>
    </message>
    <message>
        <source>its date %1-%2-%3 does not exist</source>
        <translation>la sua data %1-%2-%3 non esiste</translation>
    </message>
    <message>
        <source>its time %1:%2:%3 does not exist</source>
        <translation>la sua ora %1:%2:%3 non esiste</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is unknown</source>
        <translation>il suo fuso orario «%1» è sconosciuto</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is not one this computer knows, so it cannot repeat by it</source>
        <translation>il suo fuso orario «%1» non è noto a questo computer, quindi non può ripetersi secondo quel fuso</translation>
    </message>
    <message>
        <source>its time cannot be turned into a local time</source>
        <translation>la sua ora non può essere convertita in ora locale</translation>
    </message>
    <message>
        <source>it leaves out dates by a rule (EXRULE)</source>
        <translation>esclude date con una regola (EXRULE)</translation>
    </message>
    <message>
        <source>it has more than one rule (RRULE)</source>
        <translation>ha più di una regola (RRULE)</translation>
    </message>
    <message>
        <source>it adds a stretch of time (RDATE;VALUE=PERIOD)</source>
        <translation>aggiunge un intervallo di tempo (RDATE;VALUE=PERIOD)</translation>
    </message>
    <message>
        <source>libical cannot read it as a calendar; it may be cut off</source>
        <translation>libical non riesce a leggerlo come calendario; forse è troncato</translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>non contiene eventi né attività</translation>
    </message>
    <message>
        <source>it holds more than one calendar</source>
        <translation>contiene più di un calendario</translation>
    </message>
    <message>
        <source>it is a to-do, not an event</source>
        <translation>è un’attività, non un evento</translation>
    </message>
    <message>
        <source>it holds no event</source>
        <translation>non contiene alcun evento</translation>
    </message>
    <message>
        <source>it holds more than one event</source>
        <translation>contiene più di un evento</translation>
    </message>
    <message>
        <source>its only date is left out (EXDATE)</source>
        <translation>la sua unica data è esclusa (EXDATE)</translation>
    </message>
    <message>
        <source>its year %1 lies outside the years 1 to 9999</source>
        <translation>il suo anno %1 è al di fuori degli anni da 1 a 9999</translation>
    </message>
</context>
<context>
    <name>MediaSoundPlayer</name>
    <message>
        <source>The built-in alarm sound %1 cannot be played either: %2.</source>
        <translation>Anche il suono d’allarme incorporato %1 non può essere riprodotto: %2.</translation>
    </message>
    <message>
        <source>The alarm sound %1 cannot be played as a sound: %2.</source>
        <translation>Il suono d’allarme %1 non può essere riprodotto come suono: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound played instead.</source>
        <translation>%1 non può essere riprodotto come suono: %2. Al suo posto è stato riprodotto il suono d’allarme incorporato.</translation>
    </message>
    <message>
        <source>it did not open within %1 seconds</source>
        <translation>non si è aperto entro %1 secondi</translation>
    </message>
</context>
<context>
    <name>MissedReport</name>
    <message>
        <source>Snoozed alarm</source>
        <translation>Allarme posticipato</translation>
    </message>
    <message numerus="yes">
        <source>missed %n times, last %1</source>
        <translation>
            <numerusform>perso %n volta, l’ultima %1</numerusform>
            <numerusform>perso %n volte, l’ultima %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MissedWindow</name>
    <message>
        <source>Missed reminders</source>
        <translation>Promemoria persi</translation>
    </message>
    <message>
        <source>These reminders fell due while Vestrona could not ring them:</source>
        <translation>Questi promemoria sono scaduti quando Vestrona non poteva farli suonare:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e altri %n</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer declares a DTD</source>
        <translation>la risposta dichiara una DTD</translation>
    </message>
    <message>
        <source>the answer uses an entity reference</source>
        <translation>la risposta usa un riferimento a entità</translation>
    </message>
    <message>
        <source>the answer nests deeper than %1 elements</source>
        <translation>la risposta annida più di %1 livelli di elementi</translation>
    </message>
    <message>
        <source>malformed XML at line %1: %2</source>
        <translation>XML non valido alla riga %1: %2</translation>
    </message>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>la risposta finisce prima del suo multistatus</translation>
    </message>
    <message>
        <source>the answer is not a DAV multistatus</source>
        <translation>la risposta non è un multistatus DAV</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt; inside a text property</source>
        <translation>elemento &lt;%1&gt; inatteso in una proprietà di testo</translation>
    </message>
    <message>
        <source>a value in the answer is larger than %1 kB</source>
        <translation>un valore nella risposta è più grande di %1 kB</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MB</source>
        <translation>la risposta è più grande di %1 MB</translation>
    </message>
</context>
<context>
    <name>NextReminderTip</name>
    <message>
        <source>
No reminder is due</source>
        <translation>
Nessun promemoria in scadenza</translation>
    </message>
    <message>
        <source>
Due </source>
        <translation>
Scadenza </translation>
    </message>
    <message>
        <source>
Next: </source>
        <translation>
Prossimo: </translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Startup Option</source>
        <translation>Opzione di avvio</translation>
    </message>
    <message>
        <source>Load this software on &amp;Windows startup</source>
        <translation>Avvia all’avvio di &amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Minimized to system tray</source>
        <translation>Ridotto nell’area di &amp;notifica</translation>
    </message>
    <message>
        <source>Alarm Sound File</source>
        <translation>File del suono d’allarme</translation>
    </message>
    <message>
        <source>&amp;Change Alarm Sound File</source>
        <translation>Cambia &amp;file del suono d’allarme</translation>
    </message>
    <message>
        <source>&amp;Test Alarm Sound</source>
        <translation>Pr&amp;ova suono d’allarme</translation>
    </message>
    <message>
        <source>How often would you like to play the alarm?</source>
        <translation>Ogni quanto vuoi che suoni l’allarme?</translation>
    </message>
    <message>
        <source>The stored alarm interval &quot;%1&quot; is not a number.</source>
        <translation>L’intervallo d’allarme salvato «%1» non è un numero.</translation>
    </message>
    <message>
        <source>The stored alarm interval %1 names no row of the interval list.</source>
        <translation>L’intervallo d’allarme salvato %1 non corrisponde a nessuna riga dell’elenco.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound plays instead.</source>
        <translation>%1 non può essere riprodotto come suono: %2. Al suo posto suona il suono d’allarme incorporato.</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Aggiungi file – tieni premuto Ctrl per sceglierne più di uno</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav|</source>
        <translation>File WAV (*.wav)|*.wav|</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The alarm sound stays %3.</source>
        <translation>%1 non può essere riprodotto come suono: %2. Il suono d’allarme resta %3.</translation>
    </message>
    <message>
        <source>A snoozed alarm plays again after the chosen time.</source>
        <translation>Un allarme posticipato suona di nuovo dopo il tempo scelto.</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Calendar sync</source>
        <translation>Sincronizza calendario</translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation>&amp;Sincronizza</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Non ora</translation>
    </message>
    <message>
        <source>The calendar server %2 did not accept the password for %1.
Type the &amp;password to sync:</source>
        <translation>Il server del calendario %2 non ha accettato la password di %1.
Digita la &amp;password per sincronizzare:</translation>
    </message>
    <message>
        <source>Vestrona needs the password for %1 at %2 to sync the calendar.
Type the &amp;password to sync:</source>
        <translation>Vestrona ha bisogno della password di %1 su %2 per sincronizzare il calendario.
Digita la &amp;password per sincronizzare:</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>No password keyring is available; the password is kept only while Vestrona runs. After a restart, Vestrona asks for it when it next syncs.</source>
        <translation>Nessun portachiavi disponibile per le password; la password viene conservata solo finché Vestrona è in esecuzione. Dopo un riavvio, Vestrona la chiederà alla prossima sincronizzazione.</translation>
    </message>
</context>
<context>
    <name>PathHelpers</name>
    <message>
        <source>HOME is not set, so Vestrona has no folder of yours to keep your reminders and settings in (without HOME, set %1). Nothing was changed.</source>
        <translation>HOME non è impostata, quindi Vestrona non ha una tua cartella in cui tenere promemoria e impostazioni (senza HOME, imposta %1). Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra di avanzamento</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
</context>
<context>
    <name>ReminderCommands</name>
    <message>
        <source>Text Files (*.txt)|*.txt|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*|</source>
        <translation>File di testo (*.txt)|*.txt|iCalendar (*.ics)|*.ics|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Vuoi davvero eliminare %1?</translation>
    </message>
    <message>
        <source>Delete Selected Reminder</source>
        <translation>Elimina promemoria scelto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Vuoi davvero sovrascrivere %1?</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Carica elenchi – tieni premuto Ctrl per sceglierne più di uno</translation>
    </message>
    <message>
        <source>Added %1 from %2 files.</source>
        <translation>Aggiunti %1 da %2 file.</translation>
    </message>
</context>
<context>
    <name>ReminderList</name>
    <message>
        <source>Reminder(s)</source>
        <translation>Promemoria</translation>
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
        <translation>Ora</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Reminder ID</source>
        <translation>ID promemoria</translation>
    </message>
    <message>
        <source>%1, ended</source>
        <translation>%1, terminato</translation>
    </message>
    <message>
        <source>These reminders never ring, because their start or repetition rule as stored is not valid; delete them, or enter them again:</source>
        <translation>Questi promemoria non suonano mai perché il loro inizio o la loro regola di ripetizione salvati non sono validi; eliminali o inseriscili di nuovo:</translation>
    </message>
    <message>
        <source>ID %1 &quot;%2&quot;: option &quot;%3&quot;, date &quot;%4&quot;, time &quot;%5&quot;</source>
        <translation>ID %1 «%2»: tipo «%3», data «%4», ora «%5»</translation>
    </message>
</context>
<context>
    <name>Reporter</name>
    <message>
        <source>in </source>
        <translation>in </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>alla riga </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Invia una schermata di questo messaggio a </translation>
    </message>
</context>
<context>
    <name>RuleCheck</name>
    <message>
        <source>a repeat more often than every day</source>
        <translation>una ripetizione più frequente di ogni giorno</translation>
    </message>
    <message>
        <source>The time zone %1 is not known on this computer.</source>
        <translation>Il fuso orario %1 non è noto su questo computer.</translation>
    </message>
    <message>
        <source>The rule needs a valid start date and time.</source>
        <translation>La regola richiede una data e un’ora di inizio valide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a repeat rule that can be read.</source>
        <translation>«%1» non è una regola di ripetizione leggibile.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; uses %2, which a reminder cannot hold.</source>
        <translation>La regola «%1» usa %2, che un promemoria non può gestire.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; has a count or interval out of range.</source>
        <translation>La regola «%1» ha un conteggio o un intervallo fuori dai limiti.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; ends at a time that does not exist.</source>
        <translation>La regola «%1» termina a un’ora che non esiste.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; never falls on a date.</source>
        <translation>La regola «%1» non ricorre in nessuna data.</translation>
    </message>
    <message>
        <source>A date left out or added is not a valid date and time.</source>
        <translation>Una data esclusa o aggiunta non è una data e ora valida.</translation>
    </message>
</context>
<context>
    <name>RuleSummary</name>
    <message>
        <source>Remind just this one time</source>
        <translation>Ricorda una sola volta</translation>
    </message>
    <message>
        <source>Remind every day</source>
        <translation>Ricorda ogni giorno</translation>
    </message>
    <message>
        <source>Remind weekly</source>
        <translation>Ricorda ogni settimana</translation>
    </message>
    <message>
        <source>first</source>
        <translation>il primo</translation>
    </message>
    <message>
        <source>second</source>
        <translation>il secondo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>il terzo</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>il quarto</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>il quinto</translation>
    </message>
    <message>
        <source>last</source>
        <translation>l’ultimo</translation>
    </message>
    <message>
        <source>second to last</source>
        <translation>il penultimo</translation>
    </message>
    <message>
        <source>third to last</source>
        <translation>il terzultimo</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>il %1°</translation>
    </message>
    <message>
        <source>number %1 from the end</source>
        <translation>il %1° dalla fine</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>ogni giorno</translation>
    </message>
    <message numerus="yes">
        <source>every %n days</source>
        <translation>
            <numerusform>ogni giorno</numerusform>
            <numerusform>ogni %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>every week</source>
        <translation>ogni settimana</translation>
    </message>
    <message numerus="yes">
        <source>every %n weeks</source>
        <translation>
            <numerusform>ogni settimana</numerusform>
            <numerusform>ogni %n settimane</numerusform>
        </translation>
    </message>
    <message>
        <source>every month</source>
        <translation>ogni mese</translation>
    </message>
    <message numerus="yes">
        <source>every %n months</source>
        <translation>
            <numerusform>ogni mese</numerusform>
            <numerusform>ogni %n mesi</numerusform>
        </translation>
    </message>
    <message>
        <source>every year</source>
        <translation>ogni anno</translation>
    </message>
    <message numerus="yes">
        <source>every %n years</source>
        <translation>
            <numerusform>ogni anno</numerusform>
            <numerusform>ogni %n anni</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2</source>
        <translation>%1 %2</translation>
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
        <translation>%1 giorno</translation>
    </message>
    <message>
        <source>on day %1</source>
        <translation>il giorno %1</translation>
    </message>
    <message>
        <source>on %1 %2</source>
        <translation>il giorno %2 %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>%1 weekday of %2</source>
        <translation>%1 giorno feriale di %2</translation>
    </message>
    <message>
        <source>only the %1 of these</source>
        <translation>solo %1 di questi</translation>
    </message>
    <message>
        <source>, once</source>
        <translation>, una volta</translation>
    </message>
    <message numerus="yes">
        <source>, %n times</source>
        <translation>
            <numerusform>, %n volta</numerusform>
            <numerusform>, %n volte</numerusform>
        </translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, fino al %1</translation>
    </message>
    <message>
        <source>On chosen dates</source>
        <translation>In date scelte</translation>
    </message>
    <message>
        <source>, except 1 date</source>
        <translation>, tranne 1 data</translation>
    </message>
    <message numerus="yes">
        <source>, except %n dates</source>
        <translation>
            <numerusform>, tranne %n data</numerusform>
            <numerusform>, tranne %n date</numerusform>
        </translation>
    </message>
    <message>
        <source>, and 1 date more</source>
        <translation>, e 1 data in più</translation>
    </message>
    <message numerus="yes">
        <source>, and %n dates more</source>
        <translation>
            <numerusform>, e %n data in più</numerusform>
            <numerusform>, e %n date in più</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The setting %1 could not be saved to %2: %3</source>
        <translation>Impossibile salvare l’impostazione %1 in %2: %3</translation>
    </message>
    <message>
        <source>the file is read-only, so changes last only until Vestrona closes.</source>
        <translation>il file è di sola lettura, quindi le modifiche durano solo fino alla chiusura di Vestrona.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>the folder could not be created.</source>
        <translation>impossibile creare la cartella.</translation>
    </message>
    <message>
        <source>the unreadable settings file could not be moved aside.</source>
        <translation>impossibile spostare da parte il file di impostazioni illeggibile.</translation>
    </message>
    <message>
        <source>the file could not be written.</source>
        <translation>impossibile scrivere il file.</translation>
    </message>
</context>
<context>
    <name>SoundTrack</name>
    <message>
        <source>it is not in a sound format the player knows</source>
        <translation>non è in un formato audio che il lettore conosce</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>non può essere letto (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
</context>
<context>
    <name>SqliteDatabase</name>
    <message>
        <source>checking the file</source>
        <translation>controllo del file</translation>
    </message>
    <message>
        <source>opening it</source>
        <translation>apertura</translation>
    </message>
    <message>
        <source>reading the reminders</source>
        <translation>lettura dei promemoria</translation>
    </message>
    <message>
        <source>reading a reminder</source>
        <translation>lettura di un promemoria</translation>
    </message>
    <message>
        <source>The reminder with the ID %1 is no longer there.</source>
        <translation>Il promemoria con ID %1 non c’è più.</translation>
    </message>
    <message>
        <source>preparing the change</source>
        <translation>preparazione della modifica</translation>
    </message>
    <message>
        <source>saving the change</source>
        <translation>salvataggio della modifica</translation>
    </message>
    <message>
        <source>The reminder database %1 is locked by another program; %2 failed. Try again in a moment.</source>
        <translation>Il database dei promemoria %1 è bloccato da un altro programma; operazione non riuscita: %2. Riprova tra un momento.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>Il database dei promemoria %1 è danneggiato (%2).</translation>
    </message>
    <message>
        <source>The disk holding the folder %1 is full; the change to the reminder database was not saved.</source>
        <translation>Il disco della cartella %1 è pieno; la modifica al database dei promemoria non è stata salvata.</translation>
    </message>
    <message>
        <source>The reminder database %1 could not be read or written (%2); %3 failed.</source>
        <translation>Impossibile leggere o scrivere il database dei promemoria %1 (%2); operazione non riuscita: %3.</translation>
    </message>
    <message>
        <source>The reminder database %1 reported an error: %2 failed (%3).</source>
        <translation>Il database dei promemoria %1 ha segnalato un errore: operazione non riuscita: %2 (%3).</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>Il database dei promemoria non è aperto.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the reminder database may not be written to, so the change was not saved: changing the database needs room for a journal file there.</source>
        <translation>Nella cartella %1 che contiene il database dei promemoria non si può scrivere, quindi la modifica non è stata salvata: modificare il database richiede lì spazio per un file di journal.</translation>
    </message>
    <message>
        <source>The reminder database %1 is read-only; the change was not saved.</source>
        <translation>Il database dei promemoria %1 è di sola lettura; la modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>starting the change</source>
        <translation>avvio della modifica</translation>
    </message>
    <message>
        <source>saving the changes</source>
        <translation>salvataggio delle modifiche</translation>
    </message>
    <message>
        <source>undoing the changes</source>
        <translation>annullamento delle modifiche</translation>
    </message>
    <message>
        <source>looking for changes</source>
        <translation>ricerca di modifiche</translation>
    </message>
    <message>
        <source>keeping the sync&apos;s records</source>
        <translation>registrazione dei dati di sincronizzazione</translation>
    </message>
    <message>
        <source>reading the repeat rules</source>
        <translation>lettura delle regole di ripetizione</translation>
    </message>
    <message>
        <source>storing a repeat rule</source>
        <translation>salvataggio di una regola di ripetizione</translation>
    </message>
</context>
<context>
    <name>StatementParser</name>
    <message>
        <source>Option takes a whole number from -32768 to 32767, not %1.</source>
        <translation>Option accetta un numero intero da -32768 a 32767, non %1.</translation>
    </message>
    <message>
        <source>StartDate takes a date of the years 1 to 9999, not %1.</source>
        <translation>StartDate accetta una data tra gli anni 1 e 9999, non %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>StartTime takes a time of day; none was given.</source>
        <translation>StartTime accetta un’ora del giorno; non ne è stata indicata nessuna.</translation>
    </message>
    <message>
        <source>The statement is empty.</source>
        <translation>L’istruzione è vuota.</translation>
    </message>
    <message>
        <source>The statement must begin with select, insert, update or delete, not &quot;%1&quot;.</source>
        <translation>L’istruzione deve iniziare con select, insert, update o delete, non «%1».</translation>
    </message>
    <message>
        <source>The statement holds a comment (&quot;%1&quot;); comments are not allowed.</source>
        <translation>L’istruzione contiene un commento («%1»); i commenti non sono ammessi.</translation>
    </message>
    <message>
        <source>The table name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Il nome di tabella «%1» non ha la «]» di chiusura.</translation>
    </message>
    <message>
        <source>The column name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Il nome di colonna «%1» non ha la «]» di chiusura.</translation>
    </message>
    <message>
        <source>A table name is missing before &quot;%1&quot;.</source>
        <translation>Manca un nome di tabella prima di «%1».</translation>
    </message>
    <message>
        <source>A column name is missing before &quot;%1&quot;.</source>
        <translation>Manca un nome di colonna prima di «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was expected before &quot;%2&quot;.</source>
        <translation>Era atteso «%1» prima di «%2».</translation>
    </message>
    <message>
        <source>There is no table &quot;%1&quot;; the only table is tblReminders.</source>
        <translation>Non esiste la tabella «%1»; l’unica tabella è tblReminders.</translation>
    </message>
    <message>
        <source>The column ID is assigned by the database and cannot be written.</source>
        <translation>La colonna ID è assegnata dal database e non può essere scritta.</translation>
    </message>
    <message>
        <source>tblReminders has no column &quot;%1&quot;.</source>
        <translation>tblReminders non ha la colonna «%1».</translation>
    </message>
    <message>
        <source>Only one statement may be run at a time; found more after it: &quot;%1&quot;.</source>
        <translation>Si può eseguire una sola istruzione alla volta; dopo di essa c’è altro: «%1».</translation>
    </message>
    <message>
        <source>Unexpected text after the end of the statement: &quot;%1&quot;.</source>
        <translation>Testo inatteso dopo la fine dell’istruzione: «%1».</translation>
    </message>
    <message>
        <source>The only read supported is &quot;select * from tblReminders order by startdate,starttime&quot;; this text differs at &quot;%1&quot;.</source>
        <translation>L’unica lettura supportata è «select * from tblReminders order by startdate,starttime»; questo testo differisce in «%1».</translation>
    </message>
    <message>
        <source>The insert names no columns.</source>
        <translation>L’istruzione insert non indica alcuna colonna.</translation>
    </message>
    <message>
        <source>A column name is missing after the last comma of the column list.</source>
        <translation>Manca un nome di colonna dopo l’ultima virgola dell’elenco delle colonne.</translation>
    </message>
    <message>
        <source>The insert gives no values: the value list &quot;()&quot; is empty.</source>
        <translation>L’istruzione insert non fornisce valori: l’elenco dei valori «()» è vuoto.</translation>
    </message>
    <message>
        <source>A value is missing after the last comma of the value list.</source>
        <translation>Manca un valore dopo l’ultima virgola dell’elenco dei valori.</translation>
    </message>
    <message>
        <source>The insert names %1 columns but gives %2 values.</source>
        <translation>L’istruzione insert indica %1 colonne ma fornisce %2 valori.</translation>
    </message>
    <message>
        <source>The insert gives no value for %1.</source>
        <translation>L’istruzione insert non fornisce alcun valore per %1.</translation>
    </message>
    <message>
        <source>The update has no &quot;where id=&quot; part, so it would change every reminder.</source>
        <translation>L’istruzione update non ha la parte «where id=», quindi modificherebbe tutti i promemoria.</translation>
    </message>
    <message>
        <source>The delete has no &quot;where id=&quot; part, so it would remove every reminder.</source>
        <translation>L’istruzione delete non ha la parte «where id=», quindi eliminerebbe tutti i promemoria.</translation>
    </message>
    <message>
        <source>Rows can only be chosen by &quot;where id=&quot;, not by &quot;%1&quot;.</source>
        <translation>Le righe si possono scegliere solo con «where id=», non con «%1».</translation>
    </message>
    <message>
        <source>The reminder ID after &quot;where id=&quot; must be a whole number, not &quot;%1&quot;.</source>
        <translation>L’ID del promemoria dopo «where id=» deve essere un numero intero, non «%1».</translation>
    </message>
    <message>
        <source>The statement ends where a value was expected.</source>
        <translation>L’istruzione termina dove era atteso un valore.</translation>
    </message>
    <message>
        <source>The text value &quot;%1&quot; has no closing quote.</source>
        <translation>Il valore di testo «%1» non ha l’apice di chiusura.</translation>
    </message>
    <message>
        <source>The date or time value &quot;%1&quot; has no closing &quot;#&quot;.</source>
        <translation>Il valore di data o ora «%1» non ha il «#» di chiusura.</translation>
    </message>
    <message>
        <source>A value must be a number, a #date#, a #time# or a &apos;quoted text&apos;, not &quot;%1&quot;.</source>
        <translation>Un valore deve essere un numero, una #data#, un #orario# o un &apos;testo tra apici&apos;, non «%1».</translation>
    </message>
    <message>
        <source>The column %1 is given twice.</source>
        <translation>La colonna %1 è indicata due volte.</translation>
    </message>
    <message>
        <source>Option takes a whole number, not &quot;%1&quot;.</source>
        <translation>Option accetta un numero intero, non «%1».</translation>
    </message>
    <message>
        <source>StartDate takes a date such as #10/23/2012#, not &quot;%1&quot;.</source>
        <translation>StartDate accetta una data come #10/23/2012#, non «%1».</translation>
    </message>
    <message>
        <source>#%1# is no valid date for StartDate (month/day/year).</source>
        <translation>#%1# non è una data valida per StartDate (mese/giorno/anno).</translation>
    </message>
    <message>
        <source>StartTime takes a time such as #3:03:00 PM#, not &quot;%1&quot;.</source>
        <translation>StartTime accetta un’ora come #3:03:00 PM#, non «%1».</translation>
    </message>
    <message>
        <source>#%1# is no valid time of day for StartTime.</source>
        <translation>#%1# non è un’ora del giorno valida per StartTime.</translation>
    </message>
    <message>
        <source>%1 takes a &apos;quoted text&apos;, not &quot;%2&quot;.</source>
        <translation>%1 accetta un &apos;testo tra apici&apos;, non «%2».</translation>
    </message>
</context>
<context>
    <name>SyncAccount</name>
    <message>
        <source>The calendar address is not a web address such as https://dav.example.org/alice/reminders/.</source>
        <translation>L’indirizzo del calendario non è un indirizzo web come https://dav.example.org/alice/reminders/.</translation>
    </message>
    <message>
        <source>The calendar address must start with https:// (plain http:// is only allowed for a server on this computer).</source>
        <translation>L’indirizzo del calendario deve iniziare con https:// (il semplice http:// è ammesso solo per un server su questo computer).</translation>
    </message>
    <message>
        <source>The calendar address must start with https://.</source>
        <translation>L’indirizzo del calendario deve iniziare con https://.</translation>
    </message>
</context>
<context>
    <name>SyncConflictArchive</name>
    <message>
        <source>The version from here of %1, changed here and on the server, cannot be saved to %2 (%3); nothing was changed.</source>
        <translation>La versione di qui di %1, modificata qui e sul server, non può essere salvata in %2 (%3); non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 was changed here and on the server: the server&apos;s version was kept, the version from here was saved to %2.</source>
        <translation>%1 è stato modificato qui e sul server: è stata tenuta la versione del server, quella di qui è stata salvata in %2.</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <source>Calendar sync</source>
        <translation>Sincronizza calendario</translation>
    </message>
    <message>
        <source>&amp;Calendar address:</source>
        <translation>&amp;Indirizzo del calendario:</translation>
    </message>
    <message>
        <source>&amp;Find calendars</source>
        <translation>&amp;Trova calendari</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Please fill in the user name.</source>
        <translation>Inserisci il nome utente.</translation>
    </message>
    <message>
        <source>Looking for calendars at %1…</source>
        <translation>Ricerca dei calendari su %1…</translation>
    </message>
    <message>
        <source>Found the calendar &quot;%1&quot;.</source>
        <translation>Trovato il calendario «%1».</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Scegli un calendario</translation>
    </message>
    <message numerus="yes">
        <source>%n calendars were found; please choose one.</source>
        <translation>
            <numerusform>Trovato %n calendario; scegline uno.</numerusform>
            <numerusform>Trovati %n calendari; scegline uno.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Non ancora sincronizzato.</translation>
    </message>
    <message>
        <source>This copy of Vestrona cannot sync; the account is kept for later.</source>
        <translation>Questa copia di Vestrona non può sincronizzare; l’account è conservato per dopo.</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>&amp;Dettagli</translation>
    </message>
    <message>
        <source>No certificate authority vouches for this server. Accept its certificate only if this is the fingerprint your server&apos;s administrator gave you:</source>
        <translation>Nessuna autorità di certificazione garantisce questo server. Accetta il suo certificato solo se questa è l’impronta che ti ha dato l’amministratore del server:</translation>
    </message>
    <message>
        <source>&amp;Accept this certificate</source>
        <translation>&amp;Accetta questo certificato</translation>
    </message>
    <message>
        <source>Put them &amp;back on the server</source>
        <translation>&amp;Rimettili sul server</translation>
    </message>
    <message>
        <source>Delete them &amp;here too</source>
        <translation>Eliminali anche &amp;qui</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Sync &amp;now</source>
        <translation>Sincronizza &amp;ora</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>not kept: type it to sync</source>
        <translation>non conservata: digitala per sincronizzare</translation>
    </message>
    <message>
        <source>kept; type a new one to change it</source>
        <translation>conservata; digitane una nuova per cambiarla</translation>
    </message>
    <message>
        <source>The password could not be stored in the keyring.</source>
        <translation>Impossibile salvare la password nel portachiavi.</translation>
    </message>
    <message>
        <source>Last sync %1: </source>
        <translation>Ultima sincronizzazione alle %1: </translation>
    </message>
    <message>
        <source>Last sync: </source>
        <translation>Ultima sincronizzazione: </translation>
    </message>
    <message>
        <source>Details of the last sync</source>
        <translation>Dettagli dell’ultima sincronizzazione</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>The sync took longer than %1 seconds and was stopped. What it did so far is kept; the next sync goes on from there.</source>
        <translation>La sincronizzazione è durata più di %1 secondi ed è stata interrotta. Quanto fatto finora resta; la prossima riprende da lì.</translation>
    </message>
    <message>
        <source>The calendar server did not answer as expected.</source>
        <translation>Il server del calendario non ha risposto come previsto.</translation>
    </message>
    <message>
        <source>The calendar on the server no longer holds %1 of the %2 items it held at the last sync, so nothing was deleted here. Either put this computer&apos;s reminders back on the server, or delete them here too.</source>
        <translation>Il calendario sul server non contiene più %1 dei %2 elementi che aveva all’ultima sincronizzazione, quindi qui non è stato eliminato nulla. Rimetti sul server i promemoria di questo computer, oppure eliminali anche qui.</translation>
    </message>
    <message>
        <source>the server did not take it; it is sent again next time</source>
        <translation>il server non l’ha accettato; verrà inviato di nuovo la prossima volta</translation>
    </message>
    <message>
        <source>the server did not delete it; it is asked again next time</source>
        <translation>il server non l’ha eliminato; verrà richiesto di nuovo la prossima volta</translation>
    </message>
    <message>
        <source>: the server kept answering that it changed meanwhile</source>
        <translation>: il server ha continuato a rispondere che era cambiato nel frattempo</translation>
    </message>
    <message>
        <source>The calendar server took none of the %1 reminders sent to it: %2</source>
        <translation>Il server del calendario non ha accettato nessuno dei %1 promemoria inviati: %2</translation>
    </message>
</context>
<context>
    <name>SyncReconciler</name>
    <message>
        <source>its stored start or repeat cannot be read</source>
        <translation>il suo inizio o la sua ripetizione salvati non sono leggibili</translation>
    </message>
    <message>
        <source>it repeats weekly on no weekday, so it never rings</source>
        <translation>si ripete ogni settimana in nessun giorno, quindi non suona mai</translation>
    </message>
</context>
<context>
    <name>SyncReport</name>
    <message>
        <source>failed: </source>
        <translation>non riuscita: </translation>
    </message>
    <message>
        <source>no calendar account is set up</source>
        <translation>nessun account di calendario configurato</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <translation>
            <numerusform>%n caricato</numerusform>
            <numerusform>%n caricati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n scaricato</numerusform>
            <numerusform>%n scaricati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted here</source>
        <translation>
            <numerusform>%n eliminato qui</numerusform>
            <numerusform>%n eliminati qui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted on the server</source>
        <translation>
            <numerusform>%n eliminato sul server</numerusform>
            <numerusform>%n eliminati sul server</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out</source>
        <translation>
            <numerusform>%n escluso</numerusform>
            <numerusform>%n esclusi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still left out</source>
        <translation>
            <numerusform>%n ancora escluso</numerusform>
            <numerusform>%n ancora esclusi</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 conflitto</translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n conflitto</numerusform>
            <numerusform>%n conflitti</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>niente da cambiare</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Escluso: </translation>
    </message>
    <message>
        <source>Changed on both sides: </source>
        <translation>Modificato da entrambe le parti: </translation>
    </message>
</context>
<context>
    <name>SyncStateTable</name>
    <message>
        <source>The calendar sync&apos;s bookkeeping in %1 was written by a newer Vestrona; sync this database with that version.</source>
        <translation>I dati della sincronizzazione in %1 sono stati scritti da un Vestrona più recente; sincronizza questo database con quella versione.</translation>
    </message>
</context>
<context>
    <name>TextLineReader</name>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a backup file: %2.</source>
        <translation>Il file %1 non è un file di backup: %2.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>è più grande di %1 MB</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 MB</source>
        <translation>la riga %1 è più lunga di %2 MB</translation>
    </message>
</context>
<context>
    <name>TrayPresence</name>
    <message>
        <source>Calendar sync failed: </source>
        <translation>Sincronizzazione calendario non riuscita: </translation>
    </message>
    <message>
        <source>&amp;Show Vestrona</source>
        <translation>&amp;Mostra Vestrona</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>Sincroni&amp;zza calendario…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Esc&amp;i</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The hand cursor %1 could not be loaded.</source>
        <translation>Impossibile caricare il cursore a mano %1.</translation>
    </message>
</context>
<context>
    <name>vestrona::DBusNotifications</name>
    <message>
        <source>Reminder</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponi</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>vestrona::Form3</name>
    <message>
        <source>Remind every mo&amp;nth</source>
        <translation>Ri&amp;corda ogni mese</translation>
    </message>
    <message>
        <source>Remind every &amp;year</source>
        <translation>Ricorda a caden&amp;za annuale</translation>
    </message>
    <message>
        <source>&amp;Other repeat…</source>
        <translation>Altra &amp;frequenza…</translation>
    </message>
    <message>
        <source>&amp;Other repeat: %1</source>
        <translation>Altra &amp;frequenza: %1</translation>
    </message>
</context>
<context>
    <name>vestrona::RepeatDialog</name>
    <message>
        <source>Other repeat</source>
        <translation>Altra frequenza</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>settimane</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mesi</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anni</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Ripeti ogni</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Nei giorni</translation>
    </message>
    <message>
        <source>on &amp;day</source>
        <translation>il gior&amp;no</translation>
    </message>
    <message>
        <source>of the start</source>
        <translation>dell’inizio</translation>
    </message>
    <message>
        <source>last</source>
        <translation>ultimo</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primo</translation>
    </message>
    <message>
        <source>second</source>
        <translation>secondo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terzo</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarto</translation>
    </message>
    <message>
        <source>weekday</source>
        <translation>giorno feriale</translation>
    </message>
    <message>
        <source> times</source>
        <translation> volte</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>o&amp;n the</source>
        <translation>&amp;il</translation>
    </message>
    <message>
        <source>ne&amp;ver</source>
        <translation>&amp;mai</translation>
    </message>
    <message>
        <source>afte&amp;r</source>
        <translation>&amp;dopo</translation>
    </message>
    <message>
        <source>unti&amp;l</source>
        <translation>&amp;fino al</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;ulla</translation>
    </message>
</context>
</TS>
