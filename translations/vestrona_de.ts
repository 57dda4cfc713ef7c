<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccountSyncer</name>
    <message>
        <source>No password is kept for %1 at %2; please type it in &quot;Calendar sync…&quot;.</source>
        <translation>Für %1 auf %2 ist kein Passwort gespeichert; bitte geben Sie es unter „Kalenderabgleich…“ ein.</translation>
    </message>
</context>
<context>
    <name>AlarmIntervals</name>
    <message>
        <source>Play the alarm every 5 minutes</source>
        <translation>Alarm alle 5 Minuten abspielen</translation>
    </message>
    <message>
        <source>Play the alarm every 10 minutes</source>
        <translation>Alarm alle 10 Minuten abspielen</translation>
    </message>
    <message>
        <source>Play the alarm every 30 minutes</source>
        <translation>Alarm alle 30 Minuten abspielen</translation>
    </message>
    <message>
        <source>Play the alarm every 1 hour</source>
        <translation>Alarm jede Stunde abspielen</translation>
    </message>
    <message>
        <source>Play the alarm every 2 hours</source>
        <translation>Alarm alle 2 Stunden abspielen</translation>
    </message>
    <message>
        <source>Play the alarm every 4 hours</source>
        <translation>Alarm alle 4 Stunden abspielen</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>Next alarm will play in </source>
        <translation>Nächster Alarm in </translation>
    </message>
    <message>
        <source>Snoozed until</source>
        <translation>Zurückgestellt bis</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Calendar sync has been failing for more than an hour: </source>
        <translation>Der Kalenderabgleich schlägt seit über einer Stunde fehl: </translation>
    </message>
    <message>
        <source>%1 Nothing was deleted here: choose in “Calendar sync…” whether to put the reminders back on the server or delete them here too.</source>
        <translation>%1 Hier wurde nichts gelöscht: Wählen Sie unter „Kalenderabgleich…“, ob die Erinnerungen wieder auf den Server kommen oder auch hier gelöscht werden.</translation>
    </message>
    <message>
        <source>The reminder database %1 is in use by another program. Vestrona lists the reminders and starts the alarm as soon as it is free.</source>
        <translation>Die Erinnerungsdatenbank %1 wird von einem anderen Programm benutzt. Vestrona zeigt die Erinnerungen und startet den Alarm, sobald sie frei ist.</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 nicht gefunden</translation>
    </message>
    <message>
        <source>The reminder database %1 has been deleted. The reminders still listed are no longer saved anywhere; put the file back, and Vestrona reads it again.</source>
        <translation>Die Erinnerungsdatenbank %1 wurde gelöscht. Die noch angezeigten Erinnerungen sind nirgends mehr gespeichert; legen Sie die Datei zurück, dann liest Vestrona sie wieder.</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>Die Erinnerungsdatenbank ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be entered in the logon start list.</source>
        <translation>Die Programmdatei wurde nicht gefunden, daher kann das Programm nicht in die Autostart-Liste eingetragen werden.</translation>
    </message>
    <message>
        <source>The autostart folder &quot;%1&quot; could not be created.</source>
        <translation>Der Autostart-Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be written: %2</source>
        <translation>Der Autostart-Eintrag „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be removed: %2</source>
        <translation>Der Autostart-Eintrag „%1“ konnte nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>BackupText</name>
    <message>
        <source>it has %1 of the %2 fields of a reminder.</source>
        <translation>sie hat %1 der %2 Felder einer Erinnerung.</translation>
    </message>
    <message>
        <source>its repetition rule &quot;%1&quot; is not a number.</source>
        <translation>ihre Wiederholungsregel „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>its repetition rule %1 is out of range.</source>
        <translation>ihre Wiederholungsregel %1 liegt außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>its start date &quot;%1&quot; is not a date.</source>
        <translation>ihr Startdatum „%1“ ist kein Datum.</translation>
    </message>
    <message>
        <source>its start time &quot;%1&quot; is not a time.</source>
        <translation>ihre Startzeit „%1“ ist keine Uhrzeit.</translation>
    </message>
</context>
<context>
    <name>CalDavFailureWords</name>
    <message>
        <source>The calendar server %1 sent an answer the program cannot read: %2.</source>
        <translation>Der Kalenderserver %1 schickte eine Antwort, die das Programm nicht lesen kann: %2.</translation>
    </message>
    <message>
        <source>The calendar server did not accept the user name or password.</source>
        <translation>Der Kalenderserver hat Benutzername oder Passwort nicht angenommen.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not let this user reach %2.</source>
        <translation>Der Kalenderserver %1 lässt diesen Benutzer nicht an %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 has nothing at %2.</source>
        <translation>Der Kalenderserver %1 hat nichts unter %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not allow this request on %2; is it the address of a calendar?</source>
        <translation>Der Kalenderserver %1 erlaubt diese Anfrage an %2 nicht; ist das die Adresse eines Kalenders?</translation>
    </message>
    <message>
        <source>%1 was changed on the calendar server %2 meanwhile.</source>
        <translation>%1 wurde inzwischen auf dem Kalenderserver %2 geändert.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused %2 as too large.</source>
        <translation>Der Kalenderserver %1 hat %2 als zu groß abgelehnt.</translation>
    </message>
    <message>
        <source>The calendar server %1 is busy or down for maintenance; try again later.</source>
        <translation>Der Kalenderserver %1 ist ausgelastet oder wird gewartet; versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no room left for %2.</source>
        <translation>Der Kalenderserver %1 hat keinen Platz mehr für %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request for %2 elsewhere without saying where (error %3).</source>
        <translation>Der Kalenderserver %1 leitete die Anfrage für %2 weiter, ohne zu sagen, wohin (Fehler %3).</translation>
    </message>
    <message>
        <source>The calendar server %1 failed with error %2.</source>
        <translation>Der Kalenderserver %1 scheiterte mit Fehler %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the request for %2 with error %3.</source>
        <translation>Der Kalenderserver %1 lehnte die Anfrage für %2 mit Fehler %3 ab.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be found.</source>
        <translation>Der Kalenderserver %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the connection; it may not be running.</source>
        <translation>Der Kalenderserver %1 lehnte die Verbindung ab; vielleicht läuft er nicht.</translation>
    </message>
    <message>
        <source>The calendar server %1 closed the connection before it answered.</source>
        <translation>Der Kalenderserver %1 schloss die Verbindung, bevor er antwortete.</translation>
    </message>
    <message>
        <source>The calendar server %1 did not answer in time.</source>
        <translation>Der Kalenderserver %1 antwortete nicht rechtzeitig.</translation>
    </message>
    <message>
        <source>The calendar server %1 redirects in circles: the request was sent on again and again without reaching the calendar.</source>
        <translation>Der Kalenderserver %1 leitet im Kreis um: Die Anfrage wurde immer wieder weitergeleitet, ohne den Kalender zu erreichen.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to an address without https://; the program does not follow it.</source>
        <translation>Der Kalenderserver %1 leitete die Anfrage an eine Adresse ohne https:// weiter; das Programm folgt ihr nicht.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be reached: %2.</source>
        <translation>Der Kalenderserver %1 war nicht erreichbar: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <source>No calendar was found at %1: it is not a calendar, and the server names no calendars for the user there.</source>
        <translation>Unter %1 wurde kein Kalender gefunden: Es ist kein Kalender, und der Server nennt dort keine Kalender des Benutzers.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no calendar for this user yet (looked in %2); please make one there first.</source>
        <translation>Der Kalenderserver %1 hat noch keinen Kalender für diesen Benutzer (gesucht in %2); bitte legen Sie dort zuerst einen an.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Start date, YYYY-MM-DD.</source>
        <translation>Startdatum, JJJJ-MM-TT (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>Start time, HH:MM or HH:MM:SS.</source>
        <translation>Startzeit, HH:MM oder HH:MM:SS.</translation>
    </message>
    <message>
        <source>Let backup replace an existing file.</source>
        <translation>backup darf eine vorhandene Datei ersetzen.</translation>
    </message>
    <message>
        <source>The calendar&apos;s address, for sync.</source>
        <translation>Die Adresse des Kalenders, für sync.</translation>
    </message>
    <message>
        <source>The user name on the calendar server, for sync.</source>
        <translation>Der Benutzername auf dem Kalenderserver, für sync.</translation>
    </message>
    <message>
        <source>Trust the server certificate with this SHA-256 fingerprint, for sync.</source>
        <translation>Dem Serverzertifikat mit diesem SHA-256-Fingerabdruck vertrauen, für sync.</translation>
    </message>
    <message>
        <source>Put this computer&apos;s reminders back on an emptied calendar, for sync.</source>
        <translation>Die Erinnerungen dieses Computers wieder in einen geleerten Kalender laden, für sync.</translation>
    </message>
    <message>
        <source>Delete here what an emptied calendar lost, for sync.</source>
        <translation>Hier löschen, was ein geleerter Kalender verloren hat, für sync.</translation>
    </message>
    <message>
        <source>The reminder database to use.</source>
        <translation>Die zu benutzende Erinnerungsdatenbank.</translation>
    </message>
    <message>
        <source>

Without --database the reminders are those of %1</source>
        <translation>

Ohne --database sind es die Erinnerungen aus %1</translation>
    </message>
    <message>
        <source>The command&apos;s arguments.</source>
        <translation>Die Argumente des Befehls.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reminder ID.</source>
        <translation>„%1“ ist keine Erinnerungs-ID.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli restore FILE...</source>
        <translation>Aufruf: vestrona-cli restore DATEI...</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli import FILE...</source>
        <translation>Aufruf: vestrona-cli import DATEI...</translation>
    </message>
    <message>
        <source>--upload-all and --accept-deletions exclude each other.</source>
        <translation>--upload-all und --accept-deletions schließen einander aus.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;vestrona-cli --help&apos;.</source>
        <translation>Siehe &apos;vestrona-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli %1</source>
        <translation>Aufruf: vestrona-cli %1</translation>
    </message>
    <message>
        <source>--%1 does not belong to this command.</source>
        <translation>--%1 gehört nicht zu diesem Befehl.</translation>
    </message>
    <message>
        <source>%1 already exists; use --force to replace it.</source>
        <translation>%1 existiert bereits; mit --force wird die Datei ersetzt.</translation>
    </message>
    <message>
        <source>add takes exactly one MESSAGE (quote it when it has blanks).</source>
        <translation>add nimmt genau eine NACHRICHT (in Anführungszeichen, wenn sie Leerzeichen enthält).</translation>
    </message>
    <message>
        <source>add needs --%1.</source>
        <translation>add braucht --%1.</translation>
    </message>
    <message>
        <source>--date &quot;%1&quot; is not a date of the form YYYY-MM-DD.</source>
        <translation>--date „%1“ ist kein Datum der Form YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>--time &quot;%1&quot; is not a time of the form HH:MM or HH:MM:SS.</source>
        <translation>--time „%1“ ist keine Uhrzeit der Form HH:MM oder HH:MM:SS.</translation>
    </message>
    <message>
        <source>--days: &quot;%1&quot; is not one of Mon, Tue, Wed, Thu, Fri, Sat, Sun.</source>
        <translation>--days: „%1“ ist keiner von Mon, Tue, Wed, Thu, Fri, Sat, Sun.</translation>
    </message>
    <message>
        <source>A weekly reminder needs --days. Please choose at least one weekday.</source>
        <translation>Eine wöchentliche Erinnerung braucht --days. Bitte wählen Sie mindestens einen Wochentag.</translation>
    </message>
    <message>
        <source>No reminder has the ID %1.</source>
        <translation>Keine Erinnerung hat die ID %1.</translation>
    </message>
    <message>
        <source>--accept-certificate wants the SHA-256 fingerprint as 32 hex pairs joined by &apos;:&apos;, as a failed sync prints it.</source>
        <translation>--accept-certificate erwartet den SHA-256-Fingerabdruck als 32 Hex-Paare, mit &apos;:&apos; verbunden, wie ihn eine fehlgeschlagene Synchronisierung ausgibt.</translation>
    </message>
    <message>
        <source>No calendar account is set up: give --url and --user once (or set it up in Vestrona&apos;s &quot;Calendar sync…&quot; dialog).</source>
        <translation>Kein Kalenderkonto eingerichtet: Geben Sie einmal --url und --user an (oder richten Sie es in Vestronas Dialog „Kalenderabgleich…“ ein).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Passwort für %1 auf %2: </translation>
    </message>
    <message>
        <source>No password for %1 at %2: set VESTRONA_CALDAV_PASSWORD, keep it in the keyring through Vestrona&apos;s &quot;Calendar sync…&quot; dialog, or run this on a terminal.</source>
        <translation>Kein Passwort für %1 auf %2: Setzen Sie VESTRONA_CALDAV_PASSWORD, legen Sie es über Vestronas Dialog „Kalenderabgleich…“ im Schlüsselbund ab oder starten Sie dies in einem Terminal.</translation>
    </message>
    <message>
        <source>No password given.</source>
        <translation>Kein Passwort angegeben.</translation>
    </message>
    <message>
        <source>the password could not be stored in the keyring; it is used for this sync only.</source>
        <translation>das Passwort konnte nicht im Schlüsselbund gespeichert werden; es gilt nur für diese Synchronisierung.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads to %n calendars (listed above); choose one with --url ADDRESS.</source>
        <translation>
            <numerusform>%1 führt zu %n Kalender (oben aufgeführt); wählen Sie einen mit --url ADRESSE.</numerusform>
            <numerusform>%1 führt zu %n Kalendern (oben aufgeführt); wählen Sie einen mit --url ADRESSE.</numerusform>
        </translation>
    </message>
    <message>
        <source>To put this computer&apos;s reminders back on the server, run</source>
        <translation>Um die Erinnerungen dieses Computers wieder auf den Server zu bringen, führen Sie aus:</translation>
    </message>
    <message>
        <source>To delete them here too, run</source>
        <translation>Um sie auch hier zu löschen, führen Sie aus:</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has the SHA-256 fingerprint</source>
        <translation>Das Zertifikat des Servers hat den SHA-256-Fingerabdruck</translation>
    </message>
    <message>
        <source>If that is your server&apos;s certificate (ask its administrator), accept it with</source>
        <translation>Wenn das das Zertifikat Ihres Servers ist (fragen Sie die Serververwaltung), nehmen Sie es an mit</translation>
    </message>
    <message>
        <source>or with &quot;Accept this certificate&quot; in Vestrona&apos;s &quot;Calendar sync…&quot; dialog.</source>
        <translation>oder mit „Dieses Zertifikat annehmen“ in Vestronas Dialog „Kalenderabgleich…“.</translation>
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
        <translation>Liest und ändert die Erinnerungen von Vestrona.

Befehle:
  next                      die nächste fällige Erinnerung: Alarmzeit, TAB, Nachricht
  list                      alle Erinnerungen, je eine Zeile, Spalten mit TAB getrennt
  add --option once|daily|weekly|monthly|yearly --date YYYY-MM-DD
      --time HH:MM[:SS] [--days Mon,Tue,...] MESSAGE
                            fügt eine Erinnerung hinzu und gibt ihre ID aus;
                            monthly und yearly wiederholen sich am Tag des Startdatums
  add --rule RRULE --date YYYY-MM-DD --time HH:MM[:SS] MESSAGE
                            fügt eine Erinnerung hinzu, die sich nach einer Regel
                            nach RFC 5545 ohne &quot;RRULE:&quot; wiederholt, z. B.
                            FREQ=MONTHLY;BYDAY=-1FR; FREQ, INTERVAL, BYDAY,
                            BYMONTHDAY, BYMONTH, BYSETPOS, COUNT, UNTIL
                            (Ortszeit oder UTC mit Z)
  agenda [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--days N]
                            jedes Vorkommen ab diesem Zeitpunkt (Standard: jetzt)
                            für N Tage (Standard: 7): Zeit, TAB, ID, TAB, Nachricht
  delete ID                 löscht eine Erinnerung
  backup [--force] FILE     schreibt alle Erinnerungen in eine Sicherungsdatei
  restore FILE...           fügt die Erinnerungen aus Sicherungsdateien hinzu
  export [--force] FILE     schreibt alle Erinnerungen in eine iCalendar-Datei (.ics)
  import FILE...            fügt die Termine und Aufgaben aus iCalendar-Dateien hinzu
                            und gibt sie aus; ein Datum ohne Uhrzeit beginnt um 00:00:00
  sync [--url URL --user NAME] [--accept-certificate SHA256]
       [--upload-all | --accept-deletions]
                            synchronisiert die Erinnerungen mit dem CalDAV-Kalender unter URL
                            (für spätere Synchronisierungen und für Vestrona gespeichert) und
                            gibt aus, was hochgeladen, heruntergeladen, gelöscht oder ausgelassen wurde;
                            das Passwort kommt aus VESTRONA_CALDAV_PASSWORD, dem Schlüsselbund
                            oder, am Terminal, aus einer Abfrage; Exit-Code 1, wenn Einträge ausgelassen
                            wurden, 3, wenn die Synchronisierung fehlschlug. Hat der Kalender
                            die meisten Einträge verloren, wird nichts gelöscht, bis --upload-all sie
                            zurückbringt oder --accept-deletions sie auch hier löscht</translation>
    </message>
    <message>
        <source>once, daily, weekly, monthly or yearly.</source>
        <translation>once, daily, weekly, monthly oder yearly.</translation>
    </message>
    <message>
        <source>An RFC 5545 repeat rule, for add.</source>
        <translation>Eine Wiederholungsregel nach RFC 5545, für add.</translation>
    </message>
    <message>
        <source>Where the agenda starts, &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>Wo die Agenda beginnt, „YYYY-MM-DD HH:MM:SS“.</translation>
    </message>
    <message>
        <source>Weekdays, e.g. Mon,Wed,Fri; for agenda, a number of days.</source>
        <translation>Wochentage, z. B. Mon,Wed,Fri; für agenda eine Anzahl Tage.</translation>
    </message>
    <message>
        <source>next, list, add, agenda, delete, backup, restore, export, import or sync.</source>
        <translation>next, list, add, agenda, delete, backup, restore, export, import oder sync.</translation>
    </message>
    <message>
        <source>add needs either --option or --rule.</source>
        <translation>add braucht entweder --option oder --rule.</translation>
    </message>
    <message>
        <source>--option must be once, daily, weekly, monthly or yearly, not &quot;%1&quot;.</source>
        <translation>--option muss once, daily, weekly, monthly oder yearly sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>--days belongs to --option weekly; a rule names its days in BYDAY.</source>
        <translation>--days gehört zu --option weekly; eine Regel nennt ihre Tage in BYDAY.</translation>
    </message>
    <message>
        <source>--from &quot;%1&quot; is not of the form &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>--from „%1“ hat nicht die Form „YYYY-MM-DD HH:MM:SS“.</translation>
    </message>
    <message>
        <source>--days for agenda takes a number of days from 1 to 3660.</source>
        <translation>--days nimmt für agenda eine Anzahl Tage von 1 bis 3660.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>Execute runs only insert, update and delete statements; the ordered select is a read.</source>
        <translation>Execute führt nur insert-, update- und delete-Anweisungen aus; das sortierte select ist ein Lesezugriff.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>1 day %1</source>
        <translation>1 Tag %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2</source>
        <translation>
            <numerusform>%1 Tag %2</numerusform>
            <numerusform>%1 Tagen %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataLocation</name>
    <message>
        <source>%1 is a file, not a folder, so your reminder database cannot be made in it.</source>
        <translation>%1 ist eine Datei, kein Ordner; Ihre Erinnerungsdatenbank kann darin nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 for your reminder database could not be made.</source>
        <translation>Der Ordner %1 für Ihre Erinnerungsdatenbank konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 that comes with Vestrona could not be read, so your reminder database cannot be made.</source>
        <translation>Die leere Erinnerungsdatenbank %1, die Vestrona mitbringt, konnte nicht gelesen werden; Ihre Erinnerungsdatenbank kann daher nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Your reminder database could not be made in the folder %1: %2</source>
        <translation>Ihre Erinnerungsdatenbank konnte im Ordner %1 nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Your reminder database %1 could not be made: %2</source>
        <translation>Ihre Erinnerungsdatenbank %1 konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFileCheck</name>
    <message>
        <source>The reminder database %1 does not exist.</source>
        <translation>Die Erinnerungsdatenbank %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The reminder database %1 is a folder, not a file.</source>
        <translation>Die Erinnerungsdatenbank %1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not a regular file.</source>
        <translation>Die Erinnerungsdatenbank %1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The reminder database %1 cannot be read: %2.</source>
        <translation>Die Erinnerungsdatenbank %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is empty (0 bytes); it holds no reminders table.</source>
        <translation>Die Erinnerungsdatenbank %1 ist leer (0 Byte); sie enthält keine Erinnerungstabelle.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not an SQLite database.</source>
        <translation>Die Erinnerungsdatenbank %1 ist keine SQLite-Datenbank.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is cut off inside its header.</source>
        <translation>Die Erinnerungsdatenbank %1 ist beschädigt: Die Datei endet mitten im Kopf.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: its header names no valid page size.</source>
        <translation>Die Erinnerungsdatenbank %1 ist beschädigt: Ihr Kopf nennt keine gültige Seitengröße.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is shorter than its own header says (it may have been cut off).</source>
        <translation>Die Erinnerungsdatenbank %1 ist beschädigt: Die Datei ist kürzer, als ihr Kopf angibt (vielleicht wurde sie abgeschnitten).</translation>
    </message>
</context>
<context>
    <name>DatabaseOpening</name>
    <message>
        <source>The reminder database %1 has no table tblReminders.</source>
        <translation>Die Erinnerungsdatenbank %1 hat keine Tabelle tblReminders.</translation>
    </message>
    <message>
        <source>The reminder database %1 has a table tblReminders without the column %2.</source>
        <translation>Die Erinnerungsdatenbank %1 hat eine Tabelle tblReminders ohne die Spalte %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>Die Erinnerungsdatenbank %1 ist beschädigt (%2).</translation>
    </message>
</context>
<context>
    <name>DavHttpClient</name>
    <message>
        <source>The calendar server %1 sent an answer larger than %2 MB; the program does not read it.</source>
        <translation>Der Kalenderserver %1 schickte eine Antwort größer als %2 MB; das Programm liest sie nicht.</translation>
    </message>
    <message>
        <source>The calendar server %1 stopped answering (nothing for %2 seconds).</source>
        <translation>Der Kalenderserver %1 antwortet nicht mehr (seit %2 Sekunden nichts).</translation>
    </message>
    <message>
        <source>The calendar server %1 took too long to answer (more than %2 seconds); the request was given up.</source>
        <translation>Der Kalenderserver %1 brauchte zu lange für die Antwort (über %2 Sekunden); die Anfrage wurde aufgegeben.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to %2; the program only follows redirects on the same server.</source>
        <translation>Der Kalenderserver %1 leitete die Anfrage an %2 weiter; das Programm folgt nur Weiterleitungen auf demselben Server.</translation>
    </message>
    <message>
        <source>The certificate of the calendar server %1 is not trusted: %2.</source>
        <translation>Dem Zertifikat des Kalenderservers %1 wird nicht vertraut: %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 answered %2 where a list of resources was due.</source>
        <translation>Der Kalenderserver %1 antwortete %2, wo eine Liste von Ressourcen fällig war.</translation>
    </message>
</context>
<context>
    <name>EmptyDatabase</name>
    <message>
        <source>The schema file %1 cannot be read: %2.</source>
        <translation>Die Schemadatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 could not be made: %2.</source>
        <translation>Die leere Erinnerungsdatenbank %1 konnte nicht angelegt werden: %2.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 line was left out:</source>
        <translation>%1 aus %2 hinzugefügt. 1 Zeile wurde ausgelassen:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n lines were left out:</source>
        <translation>
            <numerusform>%1 aus %2 hinzugefügt. %n Zeile wurde ausgelassen:</numerusform>
            <numerusform>%1 aus %2 hinzugefügt. %n Zeilen wurden ausgelassen:</numerusform>
        </translation>
    </message>
    <message>
        <source>their message contains &quot;%1&quot;, which the backup file uses between its fields</source>
        <translation>ihre Nachricht „%1“ enthält, das die Sicherungsdatei als Trenner zwischen ihren Feldern benutzt</translation>
    </message>
    <message>
        <source>Writing file: %1</source>
        <translation>Schreibe Datei: %1</translation>
    </message>
    <message>
        <source>Saved %1 to %2.</source>
        <translation>%1 in %2 gespeichert.</translation>
    </message>
    <message>
        <source>Reading file: %1</source>
        <translation>Lese Datei: %1</translation>
    </message>
    <message>
        <source>Added %1 from %2.</source>
        <translation>%1 aus %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>The backup file %1 cannot be created: %2.</source>
        <translation>Die Sicherungsdatei %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Die Sicherungsdatei %1 konnte nicht geschrieben werden: %2. Eine Datei dieses Namens bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>The calendar file %1 cannot be created: %2.</source>
        <translation>Die Kalenderdatei %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The calendar file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Die Kalenderdatei %1 konnte nicht geschrieben werden: %2. Eine Datei dieses Namens bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 Erinnerung</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n Erinnerung</numerusform>
            <numerusform>%n Erinnerungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weitere.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk holding the folder %1 is full</source>
        <translation>der Datenträger mit dem Ordner %1 ist voll</translation>
    </message>
    <message>
        <source>These reminders were not written to %1, because %2:</source>
        <translation>Diese Erinnerungen wurden nicht in %1 geschrieben, weil %2:</translation>
    </message>
    <message>
        <source>their start or repetition rule as stored is not valid</source>
        <translation>ihr gespeicherter Beginn oder ihre gespeicherte Wiederholungsregel ungültig ist</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 entry was left out:</source>
        <translation>%1 aus %2 hinzugefügt. 1 Eintrag wurde ausgelassen:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n entries were left out:</source>
        <translation>
            <numerusform>%1 aus %2 hinzugefügt. %n Eintrag wurde ausgelassen:</numerusform>
            <numerusform>%1 aus %2 hinzugefügt. %n Einträge wurden ausgelassen:</numerusform>
        </translation>
    </message>
    <message>
        <source>they are weekly on no weekday and so never ring</source>
        <translation>sie wöchentlich an keinem Wochentag sind und daher nie klingeln</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 nach %2 exportiert.</translation>
    </message>
    <message>
        <source>The file %1 cannot be imported: %2.</source>
        <translation>Die Datei %1 kann nicht importiert werden: %2.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Next alarm will play in</source>
        <translation>Nächster Alarm in</translation>
    </message>
    <message>
        <source>&amp;Add New Reminder</source>
        <translation>&amp;Neue Erinnerung hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Reminder</source>
        <translation>Gewählte Erinnerung &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Reminder</source>
        <translation>Gewählte Erinnerung &amp;löschen</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Reminder</source>
        <translation>Beispiel-Erinnerung la&amp;den</translation>
    </message>
    <message>
        <source>&amp;Backup Reminders To File </source>
        <translation>Erinnerungen in Datei &amp;sichern </translation>
    </message>
    <message>
        <source>&amp;Load Reminders From File </source>
        <translation>Erinnerungen aus Datei l&amp;aden </translation>
    </message>
    <message>
        <source>Set Date &amp;Format</source>
        <translation>Datums&amp;format festlegen</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>&amp;Kalenderabgleich…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>The skin file %1 could not be read: %2</source>
        <translation>Die Skin-Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>1 reminder was missed while Vestrona was not running</source>
        <translation>1 Erinnerung wurde verpasst, während Vestrona nicht lief</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were missed while Vestrona was not running</source>
        <translation>
            <numerusform>%n Erinnerung wurde verpasst, während Vestrona nicht lief</numerusform>
            <numerusform>%n Erinnerungen wurden verpasst, während Vestrona nicht lief</numerusform>
        </translation>
    </message>
    <message>
        <source>Time until the next alarm</source>
        <translation>Zeit bis zum nächsten Alarm</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Enter edits the chosen reminder, Delete deletes it, Ctrl+N adds one.</source>
        <translation>Eingabe bearbeitet die gewählte Erinnerung, Entf löscht sie, Strg+N fügt eine hinzu.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source> Reminder</source>
        <translation> Erinnerung</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Schlummern</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>1 of %1</source>
        <translation>1 von %1</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Erinnerungstext</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>Dat&amp;um:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>U&amp;hrzeit:</translation>
    </message>
    <message>
        <source>&amp;Reminder Option</source>
        <translation>E&amp;rinnerungsart</translation>
    </message>
    <message>
        <source>Remind &amp;just this one time</source>
        <translation>&amp;Einmalig erinnern</translation>
    </message>
    <message>
        <source>Remind e&amp;very day</source>
        <translation>&amp;Täglich erinnern</translation>
    </message>
    <message>
        <source>Remind every wee&amp;k</source>
        <translation>&amp;Wöchentlich erinnern</translation>
    </message>
    <message>
        <source>Messa&amp;ge</source>
        <translation>&amp;Nachricht</translation>
    </message>
    <message>
        <source>&amp;Save Reminder</source>
        <translation>Erinnerung s&amp;peichern</translation>
    </message>
    <message>
        <source>Reminder saved.</source>
        <translation>Erinnerung gespeichert.</translation>
    </message>
    <message>
        <source>
Its time has already passed, so it will not ring.</source>
        <translation>
Ihr Zeitpunkt ist schon vorbei, daher wird sie nicht klingeln.</translation>
    </message>
    <message>
        <source>Please fill out a message.</source>
        <translation>Bitte geben Sie eine Nachricht ein.</translation>
    </message>
    <message>
        <source>Please choose at least one weekday.</source>
        <translation>Bitte wählen Sie mindestens einen Wochentag.</translation>
    </message>
    <message>
        <source>&amp;Mon</source>
        <translation>&amp;Mo</translation>
    </message>
    <message>
        <source>&amp;Tue</source>
        <translation>&amp;Di</translation>
    </message>
    <message>
        <source> &amp;Wed</source>
        <translation>M&amp;i</translation>
    </message>
    <message>
        <source>T&amp;hu</source>
        <translation>D&amp;o</translation>
    </message>
    <message>
        <source>&amp;Fri</source>
        <translation>&amp;Fr</translation>
    </message>
    <message>
        <source>S&amp;at</source>
        <translation>S&amp;a</translation>
    </message>
    <message>
        <source>S&amp;un</source>
        <translation>&amp;So</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Type A or P for the half of the day.</source>
        <translation>A oder P wählt die Tageshälfte (AM/PM).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Set Date Format</source>
        <translation>Datumsformat festlegen</translation>
    </message>
    <message>
        <source>Date &amp;Format</source>
        <translation>Datums&amp;format</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>HttpCalDavCollection</name>
    <message>
        <source>%1 on the server %2 is not a calendar.</source>
        <translation>%1 auf dem Server %2 ist kein Kalender.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>sie ist keine iCalendar-Datei (sie beginnt nicht mit BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than any calendar of reminders</source>
        <translation>sie ist größer als %1 MB, mehr als jeder Kalender mit Erinnerungen</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>sie ist keine Textdatei</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, which iCalendar files are</source>
        <translation>sie ist kein UTF-8-Text, was iCalendar-Dateien aber sind</translation>
    </message>
    <message>
        <source>it defines more than %1 time zones, which no calendar needs</source>
        <translation>sie definiert mehr als %1 Zeitzonen, was kein Kalender braucht</translation>
    </message>
    <message>
        <source>it holds more than %1 events and to-dos, more than any list of reminders</source>
        <translation>sie enthält mehr als %1 Termine und Aufgaben, mehr als jede Erinnerungsliste</translation>
    </message>
    <message>
        <source>it repeats %1, which a reminder cannot</source>
        <translation>seine Wiederholung (%1) kann eine Erinnerung nicht abbilden</translation>
    </message>
    <message>
        <source>its rule picks days by %1</source>
        <translation>seine Regel wählt Tage nach %1</translation>
    </message>
    <message>
        <source>its rule counts in another calendar (RSCALE)</source>
        <translation>seine Regel rechnet in einem anderen Kalender (RSCALE)</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lies more than 24 hours away from UTC, which no real zone does</source>
        <translation>seine Zeitzone „%1“ liegt mehr als 24 Stunden von UTC entfernt, was keine echte Zone tut</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; changes its offset more than %2 times a year, which no real zone does</source>
        <translation>seine Zeitzone „%1“ ändert ihren Versatz öfter als %2-mal im Jahr, was keine echte Zone tut</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lists more than %2 changes of its offset, which no real zone does</source>
        <translation>seine Zeitzone „%1“ führt mehr als %2 Änderungen ihres Versatzes auf, was keine echte Zone tut</translation>
    </message>
    <message>
        <source>a line of its time zone &quot;%1&quot; cannot be read (%2)</source>
        <translation>eine Zeile seiner Zeitzone „%1“ ist nicht lesbar (%2)</translation>
    </message>
    <message>
        <source>its %1 line is longer than %2 KB</source>
        <translation>seine %1-Zeile ist länger als %2 KB</translation>
    </message>
    <message>
        <source>a line of it cannot be read (%1)</source>
        <translation>eine seiner Zeilen ist nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>it is cancelled (STATUS:CANCELLED)</source>
        <translation>er ist abgesagt (STATUS:CANCELLED)</translation>
    </message>
    <message>
        <source>it is done (COMPLETED)</source>
        <translation>er ist erledigt (COMPLETED)</translation>
    </message>
    <message>
        <source>its message is longer than %1 KB</source>
        <translation>seine Nachricht ist länger als %1 KB</translation>
    </message>
    <message>
        <source>it changes one time of another event (RECURRENCE-ID)</source>
        <translation>er ändert ein Vorkommen eines anderen Termins (RECURRENCE-ID)</translation>
    </message>
    <message>
        <source>it has no due time (DUE)</source>
        <translation>er hat keine Fälligkeitszeit (DUE)</translation>
    </message>
    <message>
        <source>it has no start (DTSTART)</source>
        <translation>er hat keinen Beginn (DTSTART)</translation>
    </message>
    <message>
        <source>its time is not a valid date and time</source>
        <translation>seine Zeit ist kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>its date %1-%2-%3 does not exist</source>
        <translation>sein Datum %1-%2-%3 gibt es nicht</translation>
    </message>
    <message>
        <source>its time %1:%2:%3 does not exist</source>
        <translation>seine Uhrzeit %1:%2:%3 gibt es nicht</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is unknown</source>
        <translation>seine Zeitzone „%1“ ist unbekannt</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is not one this computer knows, so it cannot repeat by it</source>
        <translation>seine Zeitzone „%1“ kennt dieser Computer nicht, daher kann er sich nicht nach ihr wiederholen</translation>
    </message>
    <message>
        <source>its time cannot be turned into a local time</source>
        <translation>seine Zeit lässt sich nicht in Ortszeit umrechnen</translation>
    </message>
    <message>
        <source>it leaves out dates by a rule (EXRULE)</source>
        <translation>er lässt Daten nach einer Regel aus (EXRULE)</translation>
    </message>
    <message>
        <source>it has more than one rule (RRULE)</source>
        <translation>er hat mehr als eine Regel (RRULE)</translation>
    </message>
    <message>
        <source>it adds a stretch of time (RDATE;VALUE=PERIOD)</source>
        <translation>er fügt einen Zeitraum hinzu (RDATE;VALUE=PERIOD)</translation>
    </message>
    <message>
        <source>libical cannot read it as a calendar; it may be cut off</source>
        <translation>libical kann sie nicht als Kalender lesen; vielleicht ist sie abgeschnitten</translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>sie enthält keine Termine oder Aufgaben</translation>
    </message>
    <message>
        <source>it holds more than one calendar</source>
        <translation>er enthält mehr als einen Kalender</translation>
    </message>
    <message>
        <source>it is a to-do, not an event</source>
        <translation>er ist eine Aufgabe, kein Termin</translation>
    </message>
    <message>
        <source>it holds no event</source>
        <translation>er enthält keinen Termin</translation>
    </message>
    <message>
        <source>it holds more than one event</source>
        <translation>er enthält mehr als einen Termin</translation>
    </message>
    <message>
        <source>its only date is left out (EXDATE)</source>
        <translation>sein einziges Datum ist ausgelassen (EXDATE)</translation>
    </message>
    <message>
        <source>its year %1 lies outside the years 1 to 9999</source>
        <translation>sein Jahr %1 liegt außerhalb der Jahre 1 bis 9999</translation>
    </message>
</context>
<context>
    <name>MediaSoundPlayer</name>
    <message>
        <source>The built-in alarm sound %1 cannot be played either: %2.</source>
        <translation>Auch der eingebaute Alarmton %1 lässt sich nicht abspielen: %2.</translation>
    </message>
    <message>
        <source>The alarm sound %1 cannot be played as a sound: %2.</source>
        <translation>Der Alarmton %1 lässt sich nicht als Ton abspielen: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound played instead.</source>
        <translation>%1 lässt sich nicht als Ton abspielen: %2. Stattdessen lief der eingebaute Alarmton.</translation>
    </message>
    <message>
        <source>it did not open within %1 seconds</source>
        <translation>sie öffnete sich nicht innerhalb von %1 Sekunden</translation>
    </message>
</context>
<context>
    <name>MissedReport</name>
    <message>
        <source>Snoozed alarm</source>
        <translation>Zurückgestellter Alarm</translation>
    </message>
    <message numerus="yes">
        <source>missed %n times, last %1</source>
        <translation>
            <numerusform>%n-mal verpasst, zuletzt %1</numerusform>
            <numerusform>%n-mal verpasst, zuletzt %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MissedWindow</name>
    <message>
        <source>Missed reminders</source>
        <translation>Verpasste Erinnerungen</translation>
    </message>
    <message>
        <source>These reminders fell due while Vestrona could not ring them:</source>
        <translation>Diese Erinnerungen wurden fällig, als Vestrona sie nicht melden konnte:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer declares a DTD</source>
        <translation>die Antwort deklariert eine DTD</translation>
    </message>
    <message>
        <source>the answer uses an entity reference</source>
        <translation>die Antwort verwendet eine Entity-Referenz</translation>
    </message>
    <message>
        <source>the answer nests deeper than %1 elements</source>
        <translation>die Antwort ist tiefer als %1 Elemente verschachtelt</translation>
    </message>
    <message>
        <source>malformed XML at line %1: %2</source>
        <translation>fehlerhaftes XML in Zeile %1: %2</translation>
    </message>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>die Antwort endet, bevor ihr multistatus abgeschlossen ist</translation>
    </message>
    <message>
        <source>the answer is not a DAV multistatus</source>
        <translation>die Antwort ist kein DAV-multistatus</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt; inside a text property</source>
        <translation>unerwartetes Element &lt;%1&gt; in einer Texteigenschaft</translation>
    </message>
    <message>
        <source>a value in the answer is larger than %1 kB</source>
        <translation>ein Wert in der Antwort ist größer als %1 kB</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MB</source>
        <translation>die Antwort ist größer als %1 MB</translation>
    </message>
</context>
<context>
    <name>NextReminderTip</name>
    <message>
        <source>
No reminder is due</source>
        <translation>
Keine Erinnerung fällig</translation>
    </message>
    <message>
        <source>
Due </source>
        <translation>
Fällig </translation>
    </message>
    <message>
        <source>
Next: </source>
        <translation>
Nächste: </translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Startup Option</source>
        <translation>Startoption</translation>
    </message>
    <message>
        <source>Load this software on &amp;Windows startup</source>
        <translation>Beim &amp;Windows-Start laden</translation>
    </message>
    <message>
        <source>&amp;Minimized to system tray</source>
        <translation>&amp;Minimiert im Infobereich</translation>
    </message>
    <message>
        <source>Alarm Sound File</source>
        <translation>Alarmton-Datei</translation>
    </message>
    <message>
        <source>&amp;Change Alarm Sound File</source>
        <translation>Alarmton-Datei ände&amp;rn</translation>
    </message>
    <message>
        <source>&amp;Test Alarm Sound</source>
        <translation>Alarmton &amp;testen</translation>
    </message>
    <message>
        <source>How often would you like to play the alarm?</source>
        <translation>Wie oft soll der Alarm spielen?</translation>
    </message>
    <message>
        <source>The stored alarm interval &quot;%1&quot; is not a number.</source>
        <translation>Der gespeicherte Alarmabstand „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The stored alarm interval %1 names no row of the interval list.</source>
        <translation>Der gespeicherte Alarmabstand %1 entspricht keiner Zeile der Abstandsliste.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound plays instead.</source>
        <translation>%1 lässt sich nicht als Ton abspielen: %2. Stattdessen spielt der eingebaute Alarmton.</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Datei(en) hinzufügen – Strg halten, um mehrere zu wählen</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav|</source>
        <translation>WAV-Dateien (*.wav)|*.wav|</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The alarm sound stays %3.</source>
        <translation>%1 lässt sich nicht als Ton abspielen: %2. Der Alarmton bleibt %3.</translation>
    </message>
    <message>
        <source>A snoozed alarm plays again after the chosen time.</source>
        <translation>Ein zurückgestellter Alarm spielt nach der gewählten Zeit erneut.</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Calendar sync</source>
        <translation>Kalenderabgleich</translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation>&amp;Synchronisieren</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Nicht jetzt</translation>
    </message>
    <message>
        <source>The calendar server %2 did not accept the password for %1.
Type the &amp;password to sync:</source>
        <translation>Der Kalenderserver %2 hat das Passwort für %1 nicht angenommen.
Geben Sie das &amp;Passwort zum Synchronisieren ein:</translation>
    </message>
    <message>
        <source>Vestrona needs the password for %1 at %2 to sync the calendar.
Type the &amp;password to sync:</source>
        <translation>Vestrona braucht das Passwort für %1 auf %2, um den Kalender abzugleichen.
Geben Sie das &amp;Passwort zum Synchronisieren ein:</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>No password keyring is available; the password is kept only while Vestrona runs. After a restart, Vestrona asks for it when it next syncs.</source>
        <translation>Es ist kein Schlüsselbund für Passwörter verfügbar; das Passwort wird nur aufbewahrt, solange Vestrona läuft. Nach einem Neustart fragt Vestrona bei der nächsten Synchronisierung danach.</translation>
    </message>
</context>
<context>
    <name>PathHelpers</name>
    <message>
        <source>HOME is not set, so Vestrona has no folder of yours to keep your reminders and settings in (without HOME, set %1). Nothing was changed.</source>
        <translation>HOME ist nicht gesetzt, daher hat Vestrona keinen Ordner von Ihnen für Ihre Erinnerungen und Einstellungen (ohne HOME setzen Sie %1). Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine normale Datei.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine normale Datei.</translation>
    </message>
</context>
<context>
    <name>ReminderCommands</name>
    <message>
        <source>Text Files (*.txt)|*.txt|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*|</source>
        <translation>Textdateien (*.txt)|*.txt|iCalendar (*.ics)|*.ics|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Wollen Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Selected Reminder</source>
        <translation>Gewählte Erinnerung löschen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Wollen Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Liste(n) laden – Strg halten, um mehrere Listendateien zu wählen</translation>
    </message>
    <message>
        <source>Added %1 from %2 files.</source>
        <translation>%1 aus %2 Dateien hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>ReminderList</name>
    <message>
        <source>Reminder(s)</source>
        <translation>Erinnerung(en)</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Reminder ID</source>
        <translation>Erinnerungs-ID</translation>
    </message>
    <message>
        <source>%1, ended</source>
        <translation>%1, beendet</translation>
    </message>
    <message>
        <source>These reminders never ring, because their start or repetition rule as stored is not valid; delete them, or enter them again:</source>
        <translation>Diese Erinnerungen klingeln nie, weil ihr gespeicherter Beginn oder ihre gespeicherte Wiederholungsregel ungültig ist; löschen Sie sie oder geben Sie sie neu ein:</translation>
    </message>
    <message>
        <source>ID %1 &quot;%2&quot;: option &quot;%3&quot;, date &quot;%4&quot;, time &quot;%5&quot;</source>
        <translation>ID %1 „%2“: Art „%3“, Datum „%4“, Uhrzeit „%5“</translation>
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
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung an </translation>
    </message>
</context>
<context>
    <name>RuleCheck</name>
    <message>
        <source>a repeat more often than every day</source>
        <translation>eine Wiederholung öfter als täglich</translation>
    </message>
    <message>
        <source>The time zone %1 is not known on this computer.</source>
        <translation>Die Zeitzone %1 ist auf diesem Computer nicht bekannt.</translation>
    </message>
    <message>
        <source>The rule needs a valid start date and time.</source>
        <translation>Die Regel braucht ein gültiges Startdatum und eine gültige Startzeit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a repeat rule that can be read.</source>
        <translation>„%1“ ist keine lesbare Wiederholungsregel.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; uses %2, which a reminder cannot hold.</source>
        <translation>Die Regel „%1“ verwendet %2, was eine Erinnerung nicht abbilden kann.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; has a count or interval out of range.</source>
        <translation>Die Regel „%1“ hat eine Anzahl oder einen Abstand außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; ends at a time that does not exist.</source>
        <translation>Die Regel „%1“ endet zu einem Zeitpunkt, den es nicht gibt.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; never falls on a date.</source>
        <translation>Die Regel „%1“ ergibt kein einziges Datum.</translation>
    </message>
    <message>
        <source>A date left out or added is not a valid date and time.</source>
        <translation>Ein ausgelassenes oder hinzugefügtes Datum ist kein gültiges Datum mit Uhrzeit.</translation>
    </message>
</context>
<context>
    <name>RuleSummary</name>
    <message>
        <source>Remind just this one time</source>
        <translation>Einmalig erinnern</translation>
    </message>
    <message>
        <source>Remind every day</source>
        <translation>Täglich erinnern</translation>
    </message>
    <message>
        <source>Remind weekly</source>
        <translation>Wöchentlich erinnern</translation>
    </message>
    <message>
        <source>first</source>
        <translation>ersten</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>third</source>
        <translation>dritten</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierten</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>fünften</translation>
    </message>
    <message>
        <source>last</source>
        <translation>letzten</translation>
    </message>
    <message>
        <source>second to last</source>
        <translation>vorletzten</translation>
    </message>
    <message>
        <source>third to last</source>
        <translation>drittletzten</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>number %1 from the end</source>
        <translation>%1.-letzten</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>jeden Tag</translation>
    </message>
    <message numerus="yes">
        <source>every %n days</source>
        <translation>
            <numerusform>alle %n Tage</numerusform>
            <numerusform>alle %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>every week</source>
        <translation>jede Woche</translation>
    </message>
    <message numerus="yes">
        <source>every %n weeks</source>
        <translation>
            <numerusform>alle %n Wochen</numerusform>
            <numerusform>alle %n Wochen</numerusform>
        </translation>
    </message>
    <message>
        <source>every month</source>
        <translation>jeden Monat</translation>
    </message>
    <message numerus="yes">
        <source>every %n months</source>
        <translation>
            <numerusform>alle %n Monate</numerusform>
            <numerusform>alle %n Monate</numerusform>
        </translation>
    </message>
    <message>
        <source>every year</source>
        <translation>jedes Jahr</translation>
    </message>
    <message numerus="yes">
        <source>every %n years</source>
        <translation>
            <numerusform>alle %n Jahre</numerusform>
            <numerusform>alle %n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>am %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und am </translation>
    </message>
    <message>
        <source>the %1 day</source>
        <translation>%1 Tag</translation>
    </message>
    <message>
        <source>on day %1</source>
        <translation>am Tag %1</translation>
    </message>
    <message>
        <source>on %1 %2</source>
        <translation>am %2. %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>im %1</translation>
    </message>
    <message>
        <source>%1 weekday of %2</source>
        <translation>%1 Werktag, %2</translation>
    </message>
    <message>
        <source>only the %1 of these</source>
        <translation>(davon nur den %1)</translation>
    </message>
    <message>
        <source>, once</source>
        <translation>, einmal</translation>
    </message>
    <message numerus="yes">
        <source>, %n times</source>
        <translation>
            <numerusform>, %n-mal</numerusform>
            <numerusform>, %n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, bis %1</translation>
    </message>
    <message>
        <source>On chosen dates</source>
        <translation>An ausgewählten Tagen</translation>
    </message>
    <message>
        <source>, except 1 date</source>
        <translation>, außer an 1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>, except %n dates</source>
        <translation>
            <numerusform>, außer an %n Tag</numerusform>
            <numerusform>, außer an %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>, and 1 date more</source>
        <translation>, und an 1 weiteren Tag</translation>
    </message>
    <message numerus="yes">
        <source>, and %n dates more</source>
        <translation>
            <numerusform>, und an %n weiteren Tag</numerusform>
            <numerusform>, und an %n weiteren Tagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The setting %1 could not be saved to %2: %3</source>
        <translation>Die Einstellung %1 konnte nicht in %2 gespeichert werden: %3</translation>
    </message>
    <message>
        <source>the file is read-only, so changes last only until Vestrona closes.</source>
        <translation>die Datei ist schreibgeschützt, daher gelten Änderungen nur, bis Vestrona endet.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>the folder could not be created.</source>
        <translation>der Ordner konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>the unreadable settings file could not be moved aside.</source>
        <translation>die unlesbare Einstellungsdatei konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>the file could not be written.</source>
        <translation>die Datei konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SoundTrack</name>
    <message>
        <source>it is not in a sound format the player knows</source>
        <translation>sie hat kein Tonformat, das der Player kennt</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
</context>
<context>
    <name>SqliteDatabase</name>
    <message>
        <source>checking the file</source>
        <translation>die Prüfung der Datei</translation>
    </message>
    <message>
        <source>opening it</source>
        <translation>das Öffnen</translation>
    </message>
    <message>
        <source>reading the reminders</source>
        <translation>das Lesen der Erinnerungen</translation>
    </message>
    <message>
        <source>reading a reminder</source>
        <translation>das Lesen einer Erinnerung</translation>
    </message>
    <message>
        <source>The reminder with the ID %1 is no longer there.</source>
        <translation>Die Erinnerung mit der ID %1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>preparing the change</source>
        <translation>die Vorbereitung der Änderung</translation>
    </message>
    <message>
        <source>saving the change</source>
        <translation>das Speichern der Änderung</translation>
    </message>
    <message>
        <source>The reminder database %1 is locked by another program; %2 failed. Try again in a moment.</source>
        <translation>Die Erinnerungsdatenbank %1 ist von einem anderen Programm gesperrt; %2 ist fehlgeschlagen. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>Die Erinnerungsdatenbank %1 ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>The disk holding the folder %1 is full; the change to the reminder database was not saved.</source>
        <translation>Der Datenträger mit dem Ordner %1 ist voll; die Änderung an der Erinnerungsdatenbank wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The reminder database %1 could not be read or written (%2); %3 failed.</source>
        <translation>Die Erinnerungsdatenbank %1 konnte nicht gelesen oder geschrieben werden (%2); %3 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The reminder database %1 reported an error: %2 failed (%3).</source>
        <translation>Die Erinnerungsdatenbank %1 meldete einen Fehler: %2 ist fehlgeschlagen (%3).</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>Die Erinnerungsdatenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the reminder database may not be written to, so the change was not saved: changing the database needs room for a journal file there.</source>
        <translation>In den Ordner %1 mit der Erinnerungsdatenbank darf nicht geschrieben werden, daher wurde die Änderung nicht gespeichert: Eine Änderung der Datenbank braucht dort Platz für eine Journaldatei.</translation>
    </message>
    <message>
        <source>The reminder database %1 is read-only; the change was not saved.</source>
        <translation>Die Erinnerungsdatenbank %1 ist schreibgeschützt; die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>starting the change</source>
        <translation>der Beginn der Änderung</translation>
    </message>
    <message>
        <source>saving the changes</source>
        <translation>das Speichern der Änderungen</translation>
    </message>
    <message>
        <source>undoing the changes</source>
        <translation>das Rückgängigmachen der Änderungen</translation>
    </message>
    <message>
        <source>looking for changes</source>
        <translation>die Suche nach Änderungen</translation>
    </message>
    <message>
        <source>keeping the sync&apos;s records</source>
        <translation>das Führen der Abgleichsdaten</translation>
    </message>
    <message>
        <source>reading the repeat rules</source>
        <translation>das Lesen der Wiederholungsregeln</translation>
    </message>
    <message>
        <source>storing a repeat rule</source>
        <translation>das Speichern einer Wiederholungsregel</translation>
    </message>
</context>
<context>
    <name>StatementParser</name>
    <message>
        <source>Option takes a whole number from -32768 to 32767, not %1.</source>
        <translation>Option erwartet eine ganze Zahl von -32768 bis 32767, nicht %1.</translation>
    </message>
    <message>
        <source>StartDate takes a date of the years 1 to 9999, not %1.</source>
        <translation>StartDate erwartet ein Datum der Jahre 1 bis 9999; erhalten: %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>StartTime takes a time of day; none was given.</source>
        <translation>StartTime erwartet eine Uhrzeit; es wurde keine angegeben.</translation>
    </message>
    <message>
        <source>The statement is empty.</source>
        <translation>Die Anweisung ist leer.</translation>
    </message>
    <message>
        <source>The statement must begin with select, insert, update or delete, not &quot;%1&quot;.</source>
        <translation>Die Anweisung muss mit select, insert, update oder delete beginnen, nicht mit „%1“.</translation>
    </message>
    <message>
        <source>The statement holds a comment (&quot;%1&quot;); comments are not allowed.</source>
        <translation>Die Anweisung enthält einen Kommentar („%1“); Kommentare sind nicht erlaubt.</translation>
    </message>
    <message>
        <source>The table name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Dem Tabellennamen „%1“ fehlt die schließende „]“.</translation>
    </message>
    <message>
        <source>The column name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Dem Spaltennamen „%1“ fehlt die schließende „]“.</translation>
    </message>
    <message>
        <source>A table name is missing before &quot;%1&quot;.</source>
        <translation>Vor „%1“ fehlt ein Tabellenname.</translation>
    </message>
    <message>
        <source>A column name is missing before &quot;%1&quot;.</source>
        <translation>Vor „%1“ fehlt ein Spaltenname.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was expected before &quot;%2&quot;.</source>
        <translation>Vor „%2“ wurde „%1“ erwartet.</translation>
    </message>
    <message>
        <source>There is no table &quot;%1&quot;; the only table is tblReminders.</source>
        <translation>Es gibt keine Tabelle „%1“; die einzige Tabelle ist tblReminders.</translation>
    </message>
    <message>
        <source>The column ID is assigned by the database and cannot be written.</source>
        <translation>Die Spalte ID vergibt die Datenbank selbst; sie kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>tblReminders has no column &quot;%1&quot;.</source>
        <translation>tblReminders hat keine Spalte „%1“.</translation>
    </message>
    <message>
        <source>Only one statement may be run at a time; found more after it: &quot;%1&quot;.</source>
        <translation>Es darf nur eine Anweisung auf einmal ausgeführt werden; danach folgt noch: „%1“.</translation>
    </message>
    <message>
        <source>Unexpected text after the end of the statement: &quot;%1&quot;.</source>
        <translation>Unerwarteter Text nach dem Ende der Anweisung: „%1“.</translation>
    </message>
    <message>
        <source>The only read supported is &quot;select * from tblReminders order by startdate,starttime&quot;; this text differs at &quot;%1&quot;.</source>
        <translation>Der einzige unterstützte Lesezugriff ist „select * from tblReminders order by startdate,starttime“; dieser Text weicht bei „%1“ ab.</translation>
    </message>
    <message>
        <source>The insert names no columns.</source>
        <translation>Das insert nennt keine Spalten.</translation>
    </message>
    <message>
        <source>A column name is missing after the last comma of the column list.</source>
        <translation>Nach dem letzten Komma der Spaltenliste fehlt ein Spaltenname.</translation>
    </message>
    <message>
        <source>The insert gives no values: the value list &quot;()&quot; is empty.</source>
        <translation>Das insert gibt keine Werte an: Die Werteliste „()“ ist leer.</translation>
    </message>
    <message>
        <source>A value is missing after the last comma of the value list.</source>
        <translation>Nach dem letzten Komma der Werteliste fehlt ein Wert.</translation>
    </message>
    <message>
        <source>The insert names %1 columns but gives %2 values.</source>
        <translation>Das insert nennt %1 Spalten, gibt aber %2 Werte an.</translation>
    </message>
    <message>
        <source>The insert gives no value for %1.</source>
        <translation>Das insert gibt keinen Wert für %1 an.</translation>
    </message>
    <message>
        <source>The update has no &quot;where id=&quot; part, so it would change every reminder.</source>
        <translation>Dem update fehlt der Teil „where id=“, daher würde es jede Erinnerung ändern.</translation>
    </message>
    <message>
        <source>The delete has no &quot;where id=&quot; part, so it would remove every reminder.</source>
        <translation>Dem delete fehlt der Teil „where id=“, daher würde es jede Erinnerung entfernen.</translation>
    </message>
    <message>
        <source>Rows can only be chosen by &quot;where id=&quot;, not by &quot;%1&quot;.</source>
        <translation>Zeilen lassen sich nur mit „where id=“ wählen, nicht mit „%1“.</translation>
    </message>
    <message>
        <source>The reminder ID after &quot;where id=&quot; must be a whole number, not &quot;%1&quot;.</source>
        <translation>Die Erinnerungs-ID nach „where id=“ muss eine ganze Zahl sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>The statement ends where a value was expected.</source>
        <translation>Die Anweisung endet, wo ein Wert erwartet wurde.</translation>
    </message>
    <message>
        <source>The text value &quot;%1&quot; has no closing quote.</source>
        <translation>Dem Textwert „%1“ fehlt das schließende Anführungszeichen.</translation>
    </message>
    <message>
        <source>The date or time value &quot;%1&quot; has no closing &quot;#&quot;.</source>
        <translation>Dem Datums- oder Zeitwert „%1“ fehlt das schließende „#“.</translation>
    </message>
    <message>
        <source>A value must be a number, a #date#, a #time# or a &apos;quoted text&apos;, not &quot;%1&quot;.</source>
        <translation>Ein Wert muss eine Zahl, ein #Datum#, eine #Uhrzeit# oder ein &apos;Text in Anführungszeichen&apos; sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>The column %1 is given twice.</source>
        <translation>Die Spalte %1 ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>Option takes a whole number, not &quot;%1&quot;.</source>
        <translation>Option erwartet eine ganze Zahl, nicht „%1“.</translation>
    </message>
    <message>
        <source>StartDate takes a date such as #10/23/2012#, not &quot;%1&quot;.</source>
        <translation>StartDate erwartet ein Datum wie #10/23/2012#, nicht „%1“.</translation>
    </message>
    <message>
        <source>#%1# is no valid date for StartDate (month/day/year).</source>
        <translation>#%1# ist kein gültiges Datum für StartDate (Monat/Tag/Jahr).</translation>
    </message>
    <message>
        <source>StartTime takes a time such as #3:03:00 PM#, not &quot;%1&quot;.</source>
        <translation>StartTime erwartet eine Uhrzeit wie #3:03:00 PM#, nicht „%1“.</translation>
    </message>
    <message>
        <source>#%1# is no valid time of day for StartTime.</source>
        <translation>#%1# ist keine gültige Uhrzeit für StartTime.</translation>
    </message>
    <message>
        <source>%1 takes a &apos;quoted text&apos;, not &quot;%2&quot;.</source>
        <translation>%1 erwartet einen &apos;Text in Anführungszeichen&apos;, nicht „%2“.</translation>
    </message>
</context>
<context>
    <name>SyncAccount</name>
    <message>
        <source>The calendar address is not a web address such as https://dav.example.org/alice/reminders/.</source>
        <translation>Die Kalenderadresse ist keine Webadresse wie https://dav.example.org/alice/reminders/.</translation>
    </message>
    <message>
        <source>The calendar address must start with https:// (plain http:// is only allowed for a server on this computer).</source>
        <translation>Die Kalenderadresse muss mit https:// beginnen (einfaches http:// ist nur für einen Server auf diesem Computer erlaubt).</translation>
    </message>
    <message>
        <source>The calendar address must start with https://.</source>
        <translation>Die Kalenderadresse muss mit https:// beginnen.</translation>
    </message>
</context>
<context>
    <name>SyncConflictArchive</name>
    <message>
        <source>The version from here of %1, changed here and on the server, cannot be saved to %2 (%3); nothing was changed.</source>
        <translation>Die hiesige Fassung von %1, hier und auf dem Server geändert, kann nicht in %2 gespeichert werden (%3); es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 was changed here and on the server: the server&apos;s version was kept, the version from here was saved to %2.</source>
        <translation>%1 wurde hier und auf dem Server geändert: Die Fassung des Servers wurde behalten, die hiesige in %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <source>Calendar sync</source>
        <translation>Kalenderabgleich</translation>
    </message>
    <message>
        <source>&amp;Calendar address:</source>
        <translation>&amp;Kalenderadresse:</translation>
    </message>
    <message>
        <source>&amp;Find calendars</source>
        <translation>Kalender &amp;finden</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Please fill in the user name.</source>
        <translation>Bitte geben Sie den Benutzernamen ein.</translation>
    </message>
    <message>
        <source>Looking for calendars at %1…</source>
        <translation>Suche Kalender auf %1…</translation>
    </message>
    <message>
        <source>Found the calendar &quot;%1&quot;.</source>
        <translation>Kalender „%1“ gefunden.</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Kalender wählen</translation>
    </message>
    <message numerus="yes">
        <source>%n calendars were found; please choose one.</source>
        <translation>
            <numerusform>%n Kalender gefunden; bitte wählen Sie einen.</numerusform>
            <numerusform>%n Kalender gefunden; bitte wählen Sie einen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Noch nicht synchronisiert.</translation>
    </message>
    <message>
        <source>This copy of Vestrona cannot sync; the account is kept for later.</source>
        <translation>Diese Vestrona-Kopie kann nicht synchronisieren; das Konto wird für später aufbewahrt.</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>No certificate authority vouches for this server. Accept its certificate only if this is the fingerprint your server&apos;s administrator gave you:</source>
        <translation>Keine Zertifizierungsstelle bürgt für diesen Server. Nehmen Sie sein Zertifikat nur an, wenn dies der Fingerabdruck ist, den Ihnen die Serververwaltung genannt hat:</translation>
    </message>
    <message>
        <source>&amp;Accept this certificate</source>
        <translation>Dieses Zertifikat &amp;annehmen</translation>
    </message>
    <message>
        <source>Put them &amp;back on the server</source>
        <translation>Wieder auf den Server &amp;hochladen</translation>
    </message>
    <message>
        <source>Delete them &amp;here too</source>
        <translation>Auch hier &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Sync &amp;now</source>
        <translation>&amp;Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>not kept: type it to sync</source>
        <translation>nicht gespeichert: zum Synchronisieren eingeben</translation>
    </message>
    <message>
        <source>kept; type a new one to change it</source>
        <translation>gespeichert; zum Ändern ein neues eingeben</translation>
    </message>
    <message>
        <source>The password could not be stored in the keyring.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gespeichert werden.</translation>
    </message>
    <message>
        <source>Last sync %1: </source>
        <translation>Letzte Synchronisierung %1: </translation>
    </message>
    <message>
        <source>Last sync: </source>
        <translation>Letzte Synchronisierung: </translation>
    </message>
    <message>
        <source>Details of the last sync</source>
        <translation>Einzelheiten der letzten Synchronisierung</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>The sync took longer than %1 seconds and was stopped. What it did so far is kept; the next sync goes on from there.</source>
        <translation>Die Synchronisierung dauerte länger als %1 Sekunden und wurde abgebrochen. Was bis dahin geschah, bleibt erhalten; die nächste macht dort weiter.</translation>
    </message>
    <message>
        <source>The calendar server did not answer as expected.</source>
        <translation>Der Kalenderserver antwortete nicht wie erwartet.</translation>
    </message>
    <message>
        <source>The calendar on the server no longer holds %1 of the %2 items it held at the last sync, so nothing was deleted here. Either put this computer&apos;s reminders back on the server, or delete them here too.</source>
        <translation>Der Kalender auf dem Server enthält %1 der %2 Einträge von der letzten Synchronisierung nicht mehr, daher wurde hier nichts gelöscht. Bringen Sie entweder die Erinnerungen dieses Computers wieder auf den Server oder löschen Sie sie auch hier.</translation>
    </message>
    <message>
        <source>the server did not take it; it is sent again next time</source>
        <translation>der Server hat sie nicht angenommen; sie wird nächstes Mal erneut gesendet</translation>
    </message>
    <message>
        <source>the server did not delete it; it is asked again next time</source>
        <translation>der Server hat sie nicht gelöscht; er wird nächstes Mal erneut gefragt</translation>
    </message>
    <message>
        <source>: the server kept answering that it changed meanwhile</source>
        <translation>: der Server antwortete immer wieder, sie habe sich inzwischen geändert</translation>
    </message>
    <message>
        <source>The calendar server took none of the %1 reminders sent to it: %2</source>
        <translation>Der Kalenderserver nahm keine der %1 gesendeten Erinnerungen an: %2</translation>
    </message>
</context>
<context>
    <name>SyncReconciler</name>
    <message>
        <source>its stored start or repeat cannot be read</source>
        <translation>sein gespeicherter Beginn oder seine Wiederholung ist nicht lesbar</translation>
    </message>
    <message>
        <source>it repeats weekly on no weekday, so it never rings</source>
        <translation>sie wiederholt sich wöchentlich an keinem Wochentag und klingelt daher nie</translation>
    </message>
</context>
<context>
    <name>SyncReport</name>
    <message>
        <source>failed: </source>
        <translation>fehlgeschlagen: </translation>
    </message>
    <message>
        <source>no calendar account is set up</source>
        <translation>kein Kalenderkonto eingerichtet</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <translation>
            <numerusform>%n hochgeladen</numerusform>
            <numerusform>%n hochgeladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n heruntergeladen</numerusform>
            <numerusform>%n heruntergeladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted here</source>
        <translation>
            <numerusform>%n hier gelöscht</numerusform>
            <numerusform>%n hier gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted on the server</source>
        <translation>
            <numerusform>%n auf dem Server gelöscht</numerusform>
            <numerusform>%n auf dem Server gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out</source>
        <translation>
            <numerusform>%n ausgelassen</numerusform>
            <numerusform>%n ausgelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still left out</source>
        <translation>
            <numerusform>%n weiterhin ausgelassen</numerusform>
            <numerusform>%n weiterhin ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 Konflikt</translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n Konflikt</numerusform>
            <numerusform>%n Konflikte</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>nichts zu ändern</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Ausgelassen: </translation>
    </message>
    <message>
        <source>Changed on both sides: </source>
        <translation>Auf beiden Seiten geändert: </translation>
    </message>
</context>
<context>
    <name>SyncStateTable</name>
    <message>
        <source>The calendar sync&apos;s bookkeeping in %1 was written by a newer Vestrona; sync this database with that version.</source>
        <translation>Die Buchführung des Kalenderabgleichs in %1 stammt von einer neueren Vestrona-Version; synchronisieren Sie diese Datenbank mit jener Version.</translation>
    </message>
</context>
<context>
    <name>TextLineReader</name>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a backup file: %2.</source>
        <translation>Die Datei %1 ist keine Sicherungsdatei: %2.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 MB</source>
        <translation>Zeile %1 ist länger als %2 MB</translation>
    </message>
</context>
<context>
    <name>TrayPresence</name>
    <message>
        <source>Calendar sync failed: </source>
        <translation>Kalenderabgleich fehlgeschlagen: </translation>
    </message>
    <message>
        <source>&amp;Show Vestrona</source>
        <translation>Vestrona &amp;anzeigen</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>&amp;Kalenderabgleich…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The hand cursor %1 could not be loaded.</source>
        <translation>Der Handcursor %1 konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>vestrona::DBusNotifications</name>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>vestrona::Form3</name>
    <message>
        <source>Remind every mo&amp;nth</source>
        <translation>Monat&amp;lich erinnern</translation>
    </message>
    <message>
        <source>Remind every &amp;year</source>
        <translation>&amp;Jährlich erinnern</translation>
    </message>
    <message>
        <source>&amp;Other repeat…</source>
        <translation>Andere Wiederholun&amp;g…</translation>
    </message>
    <message>
        <source>&amp;Other repeat: %1</source>
        <translation>Andere Wiederholun&amp;g: %1</translation>
    </message>
</context>
<context>
    <name>vestrona::RepeatDialog</name>
    <message>
        <source>Other repeat</source>
        <translation>Andere Wiederholung</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>A&amp;lle</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Am</translation>
    </message>
    <message>
        <source>on &amp;day</source>
        <translation>am &amp;Tag</translation>
    </message>
    <message>
        <source>of the start</source>
        <translation>des Startdatums</translation>
    </message>
    <message>
        <source>last</source>
        <translation>letzten</translation>
    </message>
    <message>
        <source>first</source>
        <translation>ersten</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>third</source>
        <translation>dritten</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierten</translation>
    </message>
    <message>
        <source>weekday</source>
        <translation>Werktag</translation>
    </message>
    <message>
        <source> times</source>
        <translation> Mal</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Endet</translation>
    </message>
    <message>
        <source>o&amp;n the</source>
        <translation>&amp;jeden</translation>
    </message>
    <message>
        <source>ne&amp;ver</source>
        <translation>&amp;nie</translation>
    </message>
    <message>
        <source>afte&amp;r</source>
        <translation>na&amp;ch</translation>
    </message>
    <message>
        <source>unti&amp;l</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
</context>
</TS>
