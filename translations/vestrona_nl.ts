<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AccountSyncer</name>
    <message>
        <source>No password is kept for %1 at %2; please type it in &quot;Calendar sync…&quot;.</source>
        <translation>Er is geen wachtwoord bewaard voor %1 op %2; typ het in ‘Agendasynchronisatie…’.</translation>
    </message>
</context>
<context>
    <name>AlarmIntervals</name>
    <message>
        <source>Play the alarm every 5 minutes</source>
        <translation>Alarm elke 5 minuten afspelen</translation>
    </message>
    <message>
        <source>Play the alarm every 10 minutes</source>
        <translation>Alarm elke 10 minuten afspelen</translation>
    </message>
    <message>
        <source>Play the alarm every 30 minutes</source>
        <translation>Alarm elke 30 minuten afspelen</translation>
    </message>
    <message>
        <source>Play the alarm every 1 hour</source>
        <translation>Alarm elk uur afspelen</translation>
    </message>
    <message>
        <source>Play the alarm every 2 hours</source>
        <translation>Alarm elke 2 uur afspelen</translation>
    </message>
    <message>
        <source>Play the alarm every 4 hours</source>
        <translation>Alarm elke 4 uur afspelen</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>Next alarm will play in </source>
        <translation>Volgend alarm over </translation>
    </message>
    <message>
        <source>Snoozed until</source>
        <translation>Gesluimerd tot</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Gepland</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Calendar sync has been failing for more than an hour: </source>
        <translation>De agendasynchronisatie mislukt al meer dan een uur: </translation>
    </message>
    <message>
        <source>%1 Nothing was deleted here: choose in “Calendar sync…” whether to put the reminders back on the server or delete them here too.</source>
        <translation>%1 Hier is niets verwijderd: kies in ‘Agendasynchronisatie…’ of de herinneringen terug naar de server gaan of ook hier worden verwijderd.</translation>
    </message>
    <message>
        <source>The reminder database %1 is in use by another program. Vestrona lists the reminders and starts the alarm as soon as it is free.</source>
        <translation>De herinneringendatabase %1 is in gebruik door een ander programma. Vestrona toont de herinneringen en start het alarm zodra ze vrij is.</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 niet gevonden</translation>
    </message>
    <message>
        <source>The reminder database %1 has been deleted. The reminders still listed are no longer saved anywhere; put the file back, and Vestrona reads it again.</source>
        <translation>De herinneringendatabase %1 is verwijderd. De herinneringen die nog in de lijst staan, zijn nergens meer opgeslagen; zet het bestand terug en Vestrona leest het opnieuw.</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>De herinneringendatabase is niet geopend.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be entered in the logon start list.</source>
        <translation>Het programmabestand is niet gevonden, dus het kan niet aan de opstartlijst worden toegevoegd.</translation>
    </message>
    <message>
        <source>The autostart folder &quot;%1&quot; could not be created.</source>
        <translation>De autostartmap ‘%1’ kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be written: %2</source>
        <translation>Het autostartitem ‘%1’ kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be removed: %2</source>
        <translation>Het autostartitem ‘%1’ kon niet worden verwijderd: %2</translation>
    </message>
</context>
<context>
    <name>BackupText</name>
    <message>
        <source>it has %1 of the %2 fields of a reminder.</source>
        <translation>het heeft %1 van de %2 velden van een herinnering.</translation>
    </message>
    <message>
        <source>its repetition rule &quot;%1&quot; is not a number.</source>
        <translation>de herhaalregel ‘%1’ is geen getal.</translation>
    </message>
    <message>
        <source>its repetition rule %1 is out of range.</source>
        <translation>de herhaalregel %1 valt buiten het toegestane bereik.</translation>
    </message>
    <message>
        <source>its start date &quot;%1&quot; is not a date.</source>
        <translation>de begindatum ‘%1’ is geen datum.</translation>
    </message>
    <message>
        <source>its start time &quot;%1&quot; is not a time.</source>
        <translation>de begintijd ‘%1’ is geen tijd.</translation>
    </message>
</context>
<context>
    <name>CalDavFailureWords</name>
    <message>
        <source>The calendar server %1 sent an answer the program cannot read: %2.</source>
        <translation>De agendaserver %1 stuurde een antwoord dat het programma niet kan lezen: %2.</translation>
    </message>
    <message>
        <source>The calendar server did not accept the user name or password.</source>
        <translation>De agendaserver accepteerde de gebruikersnaam of het wachtwoord niet.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not let this user reach %2.</source>
        <translation>De agendaserver %1 geeft deze gebruiker geen toegang tot %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 has nothing at %2.</source>
        <translation>De agendaserver %1 heeft niets op %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not allow this request on %2; is it the address of a calendar?</source>
        <translation>De agendaserver %1 staat dit verzoek op %2 niet toe; is dat het adres van een agenda?</translation>
    </message>
    <message>
        <source>%1 was changed on the calendar server %2 meanwhile.</source>
        <translation>%1 is intussen gewijzigd op de agendaserver %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused %2 as too large.</source>
        <translation>De agendaserver %1 weigerde %2 omdat het te groot is.</translation>
    </message>
    <message>
        <source>The calendar server %1 is busy or down for maintenance; try again later.</source>
        <translation>De agendaserver %1 is bezet of in onderhoud; probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no room left for %2.</source>
        <translation>De agendaserver %1 heeft geen ruimte meer voor %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request for %2 elsewhere without saying where (error %3).</source>
        <translation>De agendaserver %1 stuurde het verzoek voor %2 door zonder te zeggen waarheen (fout %3).</translation>
    </message>
    <message>
        <source>The calendar server %1 failed with error %2.</source>
        <translation>De agendaserver %1 faalde met fout %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the request for %2 with error %3.</source>
        <translation>De agendaserver %1 weigerde het verzoek voor %2 met fout %3.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be found.</source>
        <translation>De agendaserver %1 is niet gevonden.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the connection; it may not be running.</source>
        <translation>De agendaserver %1 weigerde de verbinding; misschien draait hij niet.</translation>
    </message>
    <message>
        <source>The calendar server %1 closed the connection before it answered.</source>
        <translation>De agendaserver %1 sloot de verbinding voordat hij antwoordde.</translation>
    </message>
    <message>
        <source>The calendar server %1 did not answer in time.</source>
        <translation>De agendaserver %1 antwoordde niet op tijd.</translation>
    </message>
    <message>
        <source>The calendar server %1 redirects in circles: the request was sent on again and again without reaching the calendar.</source>
        <translation>De agendaserver %1 stuurt in een kringetje door: het verzoek werd steeds weer doorgestuurd zonder de agenda te bereiken.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to an address without https://; the program does not follow it.</source>
        <translation>De agendaserver %1 stuurde het verzoek door naar een adres zonder https://; het programma volgt het niet.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be reached: %2.</source>
        <translation>De agendaserver %1 is niet bereikbaar: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <source>No calendar was found at %1: it is not a calendar, and the server names no calendars for the user there.</source>
        <translation>Op %1 is geen agenda gevonden: het is geen agenda, en de server noemt daar geen agenda’s van de gebruiker.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no calendar for this user yet (looked in %2); please make one there first.</source>
        <translation>De agendaserver %1 heeft nog geen agenda voor deze gebruiker (gezocht in %2); maak er daar eerst een.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Start date, YYYY-MM-DD.</source>
        <translation>Begindatum, JJJJ-MM-DD (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>Start time, HH:MM or HH:MM:SS.</source>
        <translation>Begintijd, HH:MM of HH:MM:SS.</translation>
    </message>
    <message>
        <source>Let backup replace an existing file.</source>
        <translation>Laat backup een bestaand bestand vervangen.</translation>
    </message>
    <message>
        <source>The calendar&apos;s address, for sync.</source>
        <translation>Het adres van de agenda, voor sync.</translation>
    </message>
    <message>
        <source>The user name on the calendar server, for sync.</source>
        <translation>De gebruikersnaam op de agendaserver, voor sync.</translation>
    </message>
    <message>
        <source>Trust the server certificate with this SHA-256 fingerprint, for sync.</source>
        <translation>Vertrouw het servercertificaat met deze SHA-256-vingerafdruk, voor sync.</translation>
    </message>
    <message>
        <source>Put this computer&apos;s reminders back on an emptied calendar, for sync.</source>
        <translation>Zet de herinneringen van deze computer terug in een geleegde agenda, voor sync.</translation>
    </message>
    <message>
        <source>Delete here what an emptied calendar lost, for sync.</source>
        <translation>Verwijder hier wat een geleegde agenda kwijt is, voor sync.</translation>
    </message>
    <message>
        <source>The reminder database to use.</source>
        <translation>De te gebruiken herinneringendatabase.</translation>
    </message>
    <message>
        <source>

Without --database the reminders are those of %1</source>
        <translation>

Zonder --database zijn het de herinneringen van %1</translation>
    </message>
    <message>
        <source>The command&apos;s arguments.</source>
        <translation>De argumenten van de opdracht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reminder ID.</source>
        <translation>‘%1’ is geen herinnering-ID.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Geen opdracht gegeven.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli restore FILE...</source>
        <translation>Gebruik: vestrona-cli restore BESTAND...</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli import FILE...</source>
        <translation>Gebruik: vestrona-cli import BESTAND...</translation>
    </message>
    <message>
        <source>--upload-all and --accept-deletions exclude each other.</source>
        <translation>--upload-all en --accept-deletions sluiten elkaar uit.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Onbekende opdracht ‘%1’.</translation>
    </message>
    <message>
        <source>Try &apos;vestrona-cli --help&apos;.</source>
        <translation>Probeer &apos;vestrona-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli %1</source>
        <translation>Gebruik: vestrona-cli %1</translation>
    </message>
    <message>
        <source>--%1 does not belong to this command.</source>
        <translation>--%1 hoort niet bij deze opdracht.</translation>
    </message>
    <message>
        <source>%1 already exists; use --force to replace it.</source>
        <translation>%1 bestaat al; gebruik --force om het te vervangen.</translation>
    </message>
    <message>
        <source>add takes exactly one MESSAGE (quote it when it has blanks).</source>
        <translation>add neemt precies één BERICHT (tussen aanhalingstekens als er spaties in staan).</translation>
    </message>
    <message>
        <source>add needs --%1.</source>
        <translation>add heeft --%1 nodig.</translation>
    </message>
    <message>
        <source>--date &quot;%1&quot; is not a date of the form YYYY-MM-DD.</source>
        <translation>--date ‘%1’ is geen datum in de vorm YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>--time &quot;%1&quot; is not a time of the form HH:MM or HH:MM:SS.</source>
        <translation>--time ‘%1’ is geen tijd in de vorm HH:MM of HH:MM:SS.</translation>
    </message>
    <message>
        <source>--days: &quot;%1&quot; is not one of Mon, Tue, Wed, Thu, Fri, Sat, Sun.</source>
        <translation>--days: ‘%1’ is geen van Mon, Tue, Wed, Thu, Fri, Sat, Sun.</translation>
    </message>
    <message>
        <source>A weekly reminder needs --days. Please choose at least one weekday.</source>
        <translation>Een wekelijkse herinnering heeft --days nodig. Kies ten minste één weekdag.</translation>
    </message>
    <message>
        <source>No reminder has the ID %1.</source>
        <translation>Geen herinnering heeft het ID %1.</translation>
    </message>
    <message>
        <source>--accept-certificate wants the SHA-256 fingerprint as 32 hex pairs joined by &apos;:&apos;, as a failed sync prints it.</source>
        <translation>--accept-certificate verwacht de SHA-256-vingerafdruk als 32 hexparen verbonden door &apos;:&apos;, zoals een mislukte synchronisatie die toont.</translation>
    </message>
    <message>
        <source>No calendar account is set up: give --url and --user once (or set it up in Vestrona&apos;s &quot;Calendar sync…&quot; dialog).</source>
        <translation>Er is geen agenda-account ingesteld: geef één keer --url en --user op (of stel het in via het venster ‘Agendasynchronisatie…’ van Vestrona).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Wachtwoord voor %1 op %2: </translation>
    </message>
    <message>
        <source>No password for %1 at %2: set VESTRONA_CALDAV_PASSWORD, keep it in the keyring through Vestrona&apos;s &quot;Calendar sync…&quot; dialog, or run this on a terminal.</source>
        <translation>Geen wachtwoord voor %1 op %2: stel VESTRONA_CALDAV_PASSWORD in, bewaar het in de sleutelbos via het venster ‘Agendasynchronisatie…’ van Vestrona, of voer dit uit in een terminal.</translation>
    </message>
    <message>
        <source>No password given.</source>
        <translation>Geen wachtwoord opgegeven.</translation>
    </message>
    <message>
        <source>the password could not be stored in the keyring; it is used for this sync only.</source>
        <translation>het wachtwoord kon niet in de sleutelbos worden opgeslagen; het geldt alleen voor deze synchronisatie.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads to %n calendars (listed above); choose one with --url ADDRESS.</source>
        <translation>
            <numerusform>%1 leidt naar %n agenda (hierboven); kies er een met --url ADRES.</numerusform>
            <numerusform>%1 leidt naar %n agenda’s (hierboven); kies er een met --url ADRES.</numerusform>
        </translation>
    </message>
    <message>
        <source>To put this computer&apos;s reminders back on the server, run</source>
        <translation>Om de herinneringen van deze computer terug op de server te zetten, voer uit</translation>
    </message>
    <message>
        <source>To delete them here too, run</source>
        <translation>Om ze ook hier te verwijderen, voer uit</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has the SHA-256 fingerprint</source>
        <translation>Het certificaat van de server heeft de SHA-256-vingerafdruk</translation>
    </message>
    <message>
        <source>If that is your server&apos;s certificate (ask its administrator), accept it with</source>
        <translation>Als dat het certificaat van uw server is (vraag het de beheerder), accepteer het met</translation>
    </message>
    <message>
        <source>or with &quot;Accept this certificate&quot; in Vestrona&apos;s &quot;Calendar sync…&quot; dialog.</source>
        <translation>of met ‘Dit certificaat accepteren’ in het venster ‘Agendasynchronisatie…’ van Vestrona.</translation>
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
        <translation>Leest en wijzigt de herinneringen van Vestrona.

Opdrachten:
  next                      de volgende herinnering: alarmtijd, TAB, bericht
  list                      alle herinneringen, één per regel, kolommen gescheiden door TAB
  add --option once|daily|weekly|monthly|yearly --date YYYY-MM-DD
      --time HH:MM[:SS] [--days Mon,Tue,...] MESSAGE
                            voegt een herinnering toe en toont het ID; monthly en
                            yearly herhalen op de dag van de begindatum
  add --rule RRULE --date YYYY-MM-DD --time HH:MM[:SS] MESSAGE
                            voegt een herinnering toe die herhaalt volgens een
                            RFC 5545-regel zonder &quot;RRULE:&quot;, bijv. FREQ=MONTHLY;BYDAY=-1FR;
                            FREQ, INTERVAL, BYDAY, BYMONTHDAY, BYMONTH,
                            BYSETPOS, COUNT, UNTIL (lokale tijd, of UTC met Z)
  agenda [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--days N]
                            elke keer dat een herinnering afgaat vanaf dat moment
                            (standaard nu) gedurende N dagen (standaard 7):
                            tijd, TAB, ID, TAB, bericht
  delete ID                 verwijdert een herinnering
  backup [--force] FILE     schrijft alle herinneringen naar een back-upbestand
  restore FILE...           voegt de herinneringen uit back-upbestanden toe
  export [--force] FILE     schrijft alle herinneringen naar een iCalendar-bestand (.ics)
  import FILE...            voegt de afspraken en taken uit iCalendar-bestanden toe en
                            toont ze; een datum zonder tijd begint om 00:00:00
  sync [--url URL --user NAME] [--accept-certificate SHA256]
       [--upload-all | --accept-deletions]
                            synchroniseert de herinneringen met de CalDAV-agenda op URL
                            (bewaard voor latere synchronisaties en voor Vestrona) en toont
                            wat is geüpload, gedownload, verwijderd of weggelaten;
                            het wachtwoord komt uit VESTRONA_CALDAV_PASSWORD, de sleutelbos of,
                            in een terminal, een vraag; afsluitcode 1 als items zijn weggelaten,
                            3 als de synchronisatie mislukte. Als de agenda de meeste items
                            kwijt is, wordt niets verwijderd tot --upload-all ze terugzet of
                            --accept-deletions ze ook hier verwijdert</translation>
    </message>
    <message>
        <source>once, daily, weekly, monthly or yearly.</source>
        <translation>once, daily, weekly, monthly of yearly.</translation>
    </message>
    <message>
        <source>An RFC 5545 repeat rule, for add.</source>
        <translation>Een herhaalregel volgens RFC 5545, voor add.</translation>
    </message>
    <message>
        <source>Where the agenda starts, &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>Begin van de agenda, &quot;YYYY-MM-DD HH:MM:SS&quot;.</translation>
    </message>
    <message>
        <source>Weekdays, e.g. Mon,Wed,Fri; for agenda, a number of days.</source>
        <translation>Weekdagen, bijv. Mon,Wed,Fri; voor agenda een aantal dagen.</translation>
    </message>
    <message>
        <source>next, list, add, agenda, delete, backup, restore, export, import or sync.</source>
        <translation>next, list, add, agenda, delete, backup, restore, export, import of sync.</translation>
    </message>
    <message>
        <source>add needs either --option or --rule.</source>
        <translation>add heeft --option of --rule nodig.</translation>
    </message>
    <message>
        <source>--option must be once, daily, weekly, monthly or yearly, not &quot;%1&quot;.</source>
        <translation>--option moet once, daily, weekly, monthly of yearly zijn, niet ‘%1’.</translation>
    </message>
    <message>
        <source>--days belongs to --option weekly; a rule names its days in BYDAY.</source>
        <translation>--days hoort bij --option weekly; een regel noemt zijn dagen in BYDAY.</translation>
    </message>
    <message>
        <source>--from &quot;%1&quot; is not of the form &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>--from ‘%1’ heeft niet de vorm ‘YYYY-MM-DD HH:MM:SS’.</translation>
    </message>
    <message>
        <source>--days for agenda takes a number of days from 1 to 3660.</source>
        <translation>--days voor agenda verwacht een aantal dagen van 1 tot en met 3660.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>Execute runs only insert, update and delete statements; the ordered select is a read.</source>
        <translation>Execute voert alleen insert-, update- en delete-instructies uit; de gesorteerde select is een leesbewerking.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>1 day %1</source>
        <translation>1 dag %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2</source>
        <translation>
            <numerusform>%1 dag %2</numerusform>
            <numerusform>%1 dagen %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataLocation</name>
    <message>
        <source>%1 is a file, not a folder, so your reminder database cannot be made in it.</source>
        <translation>%1 is een bestand, geen map, dus uw herinneringendatabase kan daarin niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The folder %1 for your reminder database could not be made.</source>
        <translation>De map %1 voor uw herinneringendatabase kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 that comes with Vestrona could not be read, so your reminder database cannot be made.</source>
        <translation>De lege herinneringendatabase %1 die bij Vestrona hoort kon niet worden gelezen, dus uw herinneringendatabase kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Your reminder database could not be made in the folder %1: %2</source>
        <translation>Uw herinneringendatabase kon niet worden gemaakt in de map %1: %2</translation>
    </message>
    <message>
        <source>Your reminder database %1 could not be made: %2</source>
        <translation>Uw herinneringendatabase %1 kon niet worden gemaakt: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFileCheck</name>
    <message>
        <source>The reminder database %1 does not exist.</source>
        <translation>De herinneringendatabase %1 bestaat niet.</translation>
    </message>
    <message>
        <source>The reminder database %1 is a folder, not a file.</source>
        <translation>De herinneringendatabase %1 is een map, geen bestand.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not a regular file.</source>
        <translation>De herinneringendatabase %1 is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The reminder database %1 cannot be read: %2.</source>
        <translation>De herinneringendatabase %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is empty (0 bytes); it holds no reminders table.</source>
        <translation>De herinneringendatabase %1 is leeg (0 bytes); er staat geen herinneringentabel in.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not an SQLite database.</source>
        <translation>De herinneringendatabase %1 is geen SQLite-database.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is cut off inside its header.</source>
        <translation>De herinneringendatabase %1 is beschadigd: het bestand houdt op midden in de kop.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: its header names no valid page size.</source>
        <translation>De herinneringendatabase %1 is beschadigd: de kop noemt geen geldige paginagrootte.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is shorter than its own header says (it may have been cut off).</source>
        <translation>De herinneringendatabase %1 is beschadigd: het bestand is korter dan de kop zegt (misschien is het afgekapt).</translation>
    </message>
</context>
<context>
    <name>DatabaseOpening</name>
    <message>
        <source>The reminder database %1 has no table tblReminders.</source>
        <translation>De herinneringendatabase %1 heeft geen tabel tblReminders.</translation>
    </message>
    <message>
        <source>The reminder database %1 has a table tblReminders without the column %2.</source>
        <translation>De herinneringendatabase %1 heeft een tabel tblReminders zonder de kolom %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>De herinneringendatabase %1 is beschadigd (%2).</translation>
    </message>
</context>
<context>
    <name>DavHttpClient</name>
    <message>
        <source>The calendar server %1 sent an answer larger than %2 MB; the program does not read it.</source>
        <translation>De agendaserver %1 stuurde een antwoord groter dan %2 MB; het programma leest het niet.</translation>
    </message>
    <message>
        <source>The calendar server %1 stopped answering (nothing for %2 seconds).</source>
        <translation>De agendaserver %1 antwoordt niet meer (al %2 seconden niets).</translation>
    </message>
    <message>
        <source>The calendar server %1 took too long to answer (more than %2 seconds); the request was given up.</source>
        <translation>De agendaserver %1 deed te lang over een antwoord (meer dan %2 seconden); het verzoek is opgegeven.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to %2; the program only follows redirects on the same server.</source>
        <translation>De agendaserver %1 stuurde het verzoek door naar %2; het programma volgt alleen doorverwijzingen op dezelfde server.</translation>
    </message>
    <message>
        <source>The certificate of the calendar server %1 is not trusted: %2.</source>
        <translation>Het certificaat van de agendaserver %1 wordt niet vertrouwd: %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 answered %2 where a list of resources was due.</source>
        <translation>De agendaserver %1 antwoordde %2 waar een lijst met bronnen werd verwacht.</translation>
    </message>
</context>
<context>
    <name>EmptyDatabase</name>
    <message>
        <source>The schema file %1 cannot be read: %2.</source>
        <translation>Het schemabestand %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 could not be made: %2.</source>
        <translation>De lege herinneringendatabase %1 kon niet worden gemaakt: %2.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 line was left out:</source>
        <translation>%1 toegevoegd uit %2. 1 regel is weggelaten:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n lines were left out:</source>
        <translation>
            <numerusform>%1 toegevoegd uit %2. %n regel is weggelaten:</numerusform>
            <numerusform>%1 toegevoegd uit %2. %n regels zijn weggelaten:</numerusform>
        </translation>
    </message>
    <message>
        <source>their message contains &quot;%1&quot;, which the backup file uses between its fields</source>
        <translation>hun bericht bevat ‘%1’, het scheidingsteken tussen de velden van het back-upbestand</translation>
    </message>
    <message>
        <source>Writing file: %1</source>
        <translation>Bestand schrijven: %1</translation>
    </message>
    <message>
        <source>Saved %1 to %2.</source>
        <translation>%1 opgeslagen in %2.</translation>
    </message>
    <message>
        <source>Reading file: %1</source>
        <translation>Bestand lezen: %1</translation>
    </message>
    <message>
        <source>Added %1 from %2.</source>
        <translation>%1 toegevoegd uit %2.</translation>
    </message>
    <message>
        <source>The backup file %1 cannot be created: %2.</source>
        <translation>Het back-upbestand %1 kan niet worden aangemaakt: %2.</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Het back-upbestand %1 kon niet worden geschreven: %2. Een bestaand bestand met die naam is ongewijzigd gebleven.</translation>
    </message>
    <message>
        <source>The calendar file %1 cannot be created: %2.</source>
        <translation>Het agendabestand %1 kan niet worden aangemaakt: %2.</translation>
    </message>
    <message>
        <source>The calendar file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Het agendabestand %1 kon niet worden geschreven: %2. Een bestaand bestand met die naam is ongewijzigd gebleven.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 herinnering</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n herinnering</numerusform>
            <numerusform>%n herinneringen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... en nog %n.</numerusform>
            <numerusform>... en nog %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk holding the folder %1 is full</source>
        <translation>de schijf met de map %1 is vol</translation>
    </message>
    <message>
        <source>These reminders were not written to %1, because %2:</source>
        <translation>Deze herinneringen zijn niet naar %1 geschreven, want %2:</translation>
    </message>
    <message>
        <source>their start or repetition rule as stored is not valid</source>
        <translation>hun opgeslagen begin of herhaalregel is niet geldig</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 entry was left out:</source>
        <translation>%1 toegevoegd uit %2. 1 item is weggelaten:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n entries were left out:</source>
        <translation>
            <numerusform>%1 toegevoegd uit %2. %n item is weggelaten:</numerusform>
            <numerusform>%1 toegevoegd uit %2. %n items zijn weggelaten:</numerusform>
        </translation>
    </message>
    <message>
        <source>they are weekly on no weekday and so never ring</source>
        <translation>ze zijn wekelijks op geen enkele weekdag en gaan dus nooit af</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 geëxporteerd naar %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be imported: %2.</source>
        <translation>Het bestand %1 kan niet worden geïmporteerd: %2.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Next alarm will play in</source>
        <translation>Volgend alarm over</translation>
    </message>
    <message>
        <source>&amp;Add New Reminder</source>
        <translation>&amp;Nieuwe herinnering toevoegen</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Reminder</source>
        <translation>Gekozen herinnering &amp;bewerken</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Reminder</source>
        <translation>Gekozen herinnering &amp;verwijderen</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Reminder</source>
        <translation>Voorbeeld&amp;herinnering laden</translation>
    </message>
    <message>
        <source>&amp;Backup Reminders To File </source>
        <translation>Herinneringen naar bestand &amp;opslaan </translation>
    </message>
    <message>
        <source>&amp;Load Reminders From File </source>
        <translation>Herinneringen uit bestand &amp;laden </translation>
    </message>
    <message>
        <source>Set Date &amp;Format</source>
        <translation>&amp;Datumnotatie instellen</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>Agenda&amp;synchronisatie…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>The skin file %1 could not be read: %2</source>
        <translation>Het vormgevingsbestand %1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>1 reminder was missed while Vestrona was not running</source>
        <translation>1 herinnering is gemist terwijl Vestrona niet draaide</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were missed while Vestrona was not running</source>
        <translation>
            <numerusform>%n herinnering is gemist terwijl Vestrona niet draaide</numerusform>
            <numerusform>%n herinneringen zijn gemist terwijl Vestrona niet draaide</numerusform>
        </translation>
    </message>
    <message>
        <source>Time until the next alarm</source>
        <translation>Tijd tot het volgende alarm</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Herinneringen</translation>
    </message>
    <message>
        <source>Enter edits the chosen reminder, Delete deletes it, Ctrl+N adds one.</source>
        <translation>Enter bewerkt de gekozen herinnering, Delete verwijdert haar, Ctrl+N voegt er een toe.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source> Reminder</source>
        <translation> Herinnering</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Sluimeren</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;toppen</translation>
    </message>
    <message>
        <source>1 of %1</source>
        <translation>1 van %1</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Bericht van de herinnering</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Reminder</source>
        <translation>Herinnering</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>Da&amp;tum:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>Ti&amp;jd:</translation>
    </message>
    <message>
        <source>&amp;Reminder Option</source>
        <translation>Soo&amp;rt herinnering</translation>
    </message>
    <message>
        <source>Remind &amp;just this one time</source>
        <translation>&amp;Eén keer herinneren</translation>
    </message>
    <message>
        <source>Remind e&amp;very day</source>
        <translation>Elke da&amp;g herinneren</translation>
    </message>
    <message>
        <source>Remind every wee&amp;k</source>
        <translation>Elke wee&amp;k herinneren</translation>
    </message>
    <message>
        <source>Messa&amp;ge</source>
        <translation>&amp;Bericht</translation>
    </message>
    <message>
        <source>&amp;Save Reminder</source>
        <translation>Herinnering o&amp;pslaan</translation>
    </message>
    <message>
        <source>Reminder saved.</source>
        <translation>Herinnering opgeslagen.</translation>
    </message>
    <message>
        <source>
Its time has already passed, so it will not ring.</source>
        <translation>
Het tijdstip is al voorbij, dus ze gaat niet af.</translation>
    </message>
    <message>
        <source>Please fill out a message.</source>
        <translation>Vul een bericht in.</translation>
    </message>
    <message>
        <source>Please choose at least one weekday.</source>
        <translation>Kies ten minste één weekdag.</translation>
    </message>
    <message>
        <source>&amp;Mon</source>
        <translation>&amp;Ma</translation>
    </message>
    <message>
        <source>&amp;Tue</source>
        <translation>D&amp;i</translation>
    </message>
    <message>
        <source> &amp;Wed</source>
        <translation>&amp;Wo</translation>
    </message>
    <message>
        <source>T&amp;hu</source>
        <translation>&amp;Do</translation>
    </message>
    <message>
        <source>&amp;Fri</source>
        <translation>&amp;Vr</translation>
    </message>
    <message>
        <source>S&amp;at</source>
        <translation>Z&amp;a</translation>
    </message>
    <message>
        <source>S&amp;un</source>
        <translation>&amp;Zo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Begindatum</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Begintijd</translation>
    </message>
    <message>
        <source>Type A or P for the half of the day.</source>
        <translation>Typ A of P voor de helft van de dag (AM/PM).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Set Date Format</source>
        <translation>Datumnotatie instellen</translation>
    </message>
    <message>
        <source>Date &amp;Format</source>
        <translation>Datum&amp;notatie</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>HttpCalDavCollection</name>
    <message>
        <source>%1 on the server %2 is not a calendar.</source>
        <translation>%1 op de server %2 is geen agenda.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>het is geen iCalendar-bestand (het begint niet met BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than any calendar of reminders</source>
        <translation>het is groter dan %1 MB, meer dan een agenda met herinneringen ooit nodig heeft</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>het is geen tekstbestand</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, which iCalendar files are</source>
        <translation>het is geen UTF-8-tekst, wat iCalendar-bestanden wel zijn</translation>
    </message>
    <message>
        <source>it defines more than %1 time zones, which no calendar needs</source>
        <translation>het definieert meer dan %1 tijdzones, meer dan een agenda ooit nodig heeft</translation>
    </message>
    <message>
        <source>it holds more than %1 events and to-dos, more than any list of reminders</source>
        <translation>het bevat meer dan %1 afspraken en taken, meer dan een lijst met herinneringen ooit bevat</translation>
    </message>
    <message>
        <source>it repeats %1, which a reminder cannot</source>
        <translation>het herhaalt %1, wat een herinnering niet kan</translation>
    </message>
    <message>
        <source>its rule picks days by %1</source>
        <translation>de regel kiest dagen via %1</translation>
    </message>
    <message>
        <source>its rule counts in another calendar (RSCALE)</source>
        <translation>de regel telt in een andere kalender (RSCALE)</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lies more than 24 hours away from UTC, which no real zone does</source>
        <translation>de tijdzone ‘%1’ wijkt meer dan 24 uur af van UTC, wat geen echte zone doet</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; changes its offset more than %2 times a year, which no real zone does</source>
        <translation>de tijdzone ‘%1’ verandert haar UTC-verschil meer dan %2 keer per jaar, wat geen echte zone doet</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lists more than %2 changes of its offset, which no real zone does</source>
        <translation>de tijdzone ‘%1’ noemt meer dan %2 wijzigingen van haar UTC-verschil, wat geen echte zone doet</translation>
    </message>
    <message>
        <source>a line of its time zone &quot;%1&quot; cannot be read (%2)</source>
        <translation>een regel van de tijdzone ‘%1’ kan niet worden gelezen (%2)</translation>
    </message>
    <message>
        <source>its %1 line is longer than %2 KB</source>
        <translation>de %1-regel is langer dan %2 KB</translation>
    </message>
    <message>
        <source>a line of it cannot be read (%1)</source>
        <translation>een regel ervan kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>it is cancelled (STATUS:CANCELLED)</source>
        <translation>het is geannuleerd (STATUS:CANCELLED)</translation>
    </message>
    <message>
        <source>it is done (COMPLETED)</source>
        <translation>het is afgerond (COMPLETED)</translation>
    </message>
    <message>
        <source>its message is longer than %1 KB</source>
        <translation>het bericht is langer dan %1 KB</translation>
    </message>
    <message>
        <source>it changes one time of another event (RECURRENCE-ID)</source>
        <translation>het wijzigt één tijdstip van een andere afspraak (RECURRENCE-ID)</translation>
    </message>
    <message>
        <source>it has no due time (DUE)</source>
        <translation>het heeft geen vervaltijd (DUE)</translation>
    </message>
    <message>
        <source>it has no start (DTSTART)</source>
        <translation>het heeft geen begin (DTSTART)</translation>
    </message>
    <message>
        <source>its time is not a valid date and time</source>
        <translation>het tijdstip is geen geldige datum en tijd</translation>
    </message>
    <message>
        <source>its date %1-%2-%3 does not exist</source>
        <translation>de datum %1-%2-%3 bestaat niet</translation>
    </message>
    <message>
        <source>its time %1:%2:%3 does not exist</source>
        <translation>de tijd %1:%2:%3 bestaat niet</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is unknown</source>
        <translation>de tijdzone ‘%1’ is onbekend</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is not one this computer knows, so it cannot repeat by it</source>
        <translation>deze computer kent de tijdzone ‘%1’ niet, dus het kan niet volgens die zone herhalen</translation>
    </message>
    <message>
        <source>its time cannot be turned into a local time</source>
        <translation>het tijdstip kan niet worden omgezet naar een lokale tijd</translation>
    </message>
    <message>
        <source>it leaves out dates by a rule (EXRULE)</source>
        <translation>het laat datums weg volgens een regel (EXRULE)</translation>
    </message>
    <message>
        <source>it has more than one rule (RRULE)</source>
        <translation>het heeft meer dan één regel (RRULE)</translation>
    </message>
    <message>
        <source>it adds a stretch of time (RDATE;VALUE=PERIOD)</source>
        <translation>het voegt een tijdsperiode toe (RDATE;VALUE=PERIOD)</translation>
    </message>
    <message>
        <source>libical cannot read it as a calendar; it may be cut off</source>
        <translation>libical kan het niet als agenda lezen; misschien is het afgekapt</translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>het bevat geen afspraken of taken</translation>
    </message>
    <message>
        <source>it holds more than one calendar</source>
        <translation>het bevat meer dan één agenda</translation>
    </message>
    <message>
        <source>it is a to-do, not an event</source>
        <translation>het is een taak, geen afspraak</translation>
    </message>
    <message>
        <source>it holds no event</source>
        <translation>het bevat geen afspraak</translation>
    </message>
    <message>
        <source>it holds more than one event</source>
        <translation>het bevat meer dan één afspraak</translation>
    </message>
    <message>
        <source>its only date is left out (EXDATE)</source>
        <translation>de enige datum ervan is weggelaten (EXDATE)</translation>
    </message>
    <message>
        <source>its year %1 lies outside the years 1 to 9999</source>
        <translation>het jaar %1 ervan ligt buiten de jaren 1 tot en met 9999</translation>
    </message>
</context>
<context>
    <name>MediaSoundPlayer</name>
    <message>
        <source>The built-in alarm sound %1 cannot be played either: %2.</source>
        <translation>Het ingebouwde alarmgeluid %1 kan ook niet worden afgespeeld: %2.</translation>
    </message>
    <message>
        <source>The alarm sound %1 cannot be played as a sound: %2.</source>
        <translation>Het alarmgeluid %1 kan niet als geluid worden afgespeeld: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound played instead.</source>
        <translation>%1 kan niet als geluid worden afgespeeld: %2. In plaats daarvan speelde het ingebouwde alarmgeluid.</translation>
    </message>
    <message>
        <source>it did not open within %1 seconds</source>
        <translation>het ging niet binnen %1 seconden open</translation>
    </message>
</context>
<context>
    <name>MissedReport</name>
    <message>
        <source>Snoozed alarm</source>
        <translation>Gesluimerd alarm</translation>
    </message>
    <message numerus="yes">
        <source>missed %n times, last %1</source>
        <translation>
            <numerusform>%n keer gemist, laatst %1</numerusform>
            <numerusform>%n keer gemist, laatst %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MissedWindow</name>
    <message>
        <source>Missed reminders</source>
        <translation>Gemiste herinneringen</translation>
    </message>
    <message>
        <source>These reminders fell due while Vestrona could not ring them:</source>
        <translation>Deze herinneringen vielen op een moment dat Vestrona ze niet kon laten afgaan:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Herinnering</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Herhaling</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Gepland</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer declares a DTD</source>
        <translation>het antwoord declareert een DTD</translation>
    </message>
    <message>
        <source>the answer uses an entity reference</source>
        <translation>het antwoord gebruikt een entiteitsverwijzing</translation>
    </message>
    <message>
        <source>the answer nests deeper than %1 elements</source>
        <translation>het antwoord is dieper genest dan %1 elementen</translation>
    </message>
    <message>
        <source>malformed XML at line %1: %2</source>
        <translation>ongeldige XML op regel %1: %2</translation>
    </message>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>het antwoord eindigt voordat de multistatus eindigt</translation>
    </message>
    <message>
        <source>the answer is not a DAV multistatus</source>
        <translation>het antwoord is geen DAV-multistatus</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt; inside a text property</source>
        <translation>onverwacht element &lt;%1&gt; binnen een teksteigenschap</translation>
    </message>
    <message>
        <source>a value in the answer is larger than %1 kB</source>
        <translation>een waarde in het antwoord is groter dan %1 kB</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MB</source>
        <translation>het antwoord is groter dan %1 MB</translation>
    </message>
</context>
<context>
    <name>NextReminderTip</name>
    <message>
        <source>
No reminder is due</source>
        <translation>
Geen herinnering gepland</translation>
    </message>
    <message>
        <source>
Due </source>
        <translation>
Gepland </translation>
    </message>
    <message>
        <source>
Next: </source>
        <translation>
Volgende: </translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Startup Option</source>
        <translation>Opstartoptie</translation>
    </message>
    <message>
        <source>Load this software on &amp;Windows startup</source>
        <translation>Laden bij het opstarten van &amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Minimized to system tray</source>
        <translation>&amp;Geminimaliseerd in systeemvak</translation>
    </message>
    <message>
        <source>Alarm Sound File</source>
        <translation>Alarmgeluidsbestand</translation>
    </message>
    <message>
        <source>&amp;Change Alarm Sound File</source>
        <translation>Alarmgeluidsbestand wij&amp;zigen</translation>
    </message>
    <message>
        <source>&amp;Test Alarm Sound</source>
        <translation>Alarmgeluid &amp;testen</translation>
    </message>
    <message>
        <source>How often would you like to play the alarm?</source>
        <translation>Hoe vaak moet het alarm afspelen?</translation>
    </message>
    <message>
        <source>The stored alarm interval &quot;%1&quot; is not a number.</source>
        <translation>De opgeslagen alarminterval ‘%1’ is geen getal.</translation>
    </message>
    <message>
        <source>The stored alarm interval %1 names no row of the interval list.</source>
        <translation>De opgeslagen alarminterval %1 komt met geen enkele regel van de lijst overeen.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound plays instead.</source>
        <translation>%1 kan niet als geluid worden afgespeeld: %2. In plaats daarvan speelt het ingebouwde alarmgeluid.</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Bestand(en) toevoegen – houd Ctrl ingedrukt om er meer te kiezen</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav|</source>
        <translation>WAV-bestanden (*.wav)|*.wav|</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The alarm sound stays %3.</source>
        <translation>%1 kan niet als geluid worden afgespeeld: %2. Het alarmgeluid blijft %3.</translation>
    </message>
    <message>
        <source>A snoozed alarm plays again after the chosen time.</source>
        <translation>Een gesluimerd alarm speelt opnieuw na de gekozen tijd.</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Calendar sync</source>
        <translation>Agendasynchronisatie</translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation>&amp;Synchroniseren</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Niet nu</translation>
    </message>
    <message>
        <source>The calendar server %2 did not accept the password for %1.
Type the &amp;password to sync:</source>
        <translation>De agendaserver %2 accepteerde het wachtwoord voor %1 niet.
Typ het &amp;wachtwoord om te synchroniseren:</translation>
    </message>
    <message>
        <source>Vestrona needs the password for %1 at %2 to sync the calendar.
Type the &amp;password to sync:</source>
        <translation>Vestrona heeft het wachtwoord voor %1 op %2 nodig om de agenda te synchroniseren.
Typ het &amp;wachtwoord om te synchroniseren:</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>No password keyring is available; the password is kept only while Vestrona runs. After a restart, Vestrona asks for it when it next syncs.</source>
        <translation>Er is geen sleutelbos beschikbaar; het wachtwoord wordt alleen bewaard zolang Vestrona draait. Na een herstart vraagt Vestrona er opnieuw om bij de volgende synchronisatie.</translation>
    </message>
</context>
<context>
    <name>PathHelpers</name>
    <message>
        <source>HOME is not set, so Vestrona has no folder of yours to keep your reminders and settings in (without HOME, set %1). Nothing was changed.</source>
        <translation>HOME is niet ingesteld, dus Vestrona heeft geen map van u om uw herinneringen en instellingen in te bewaren (zonder HOME, stel %1 in). Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 is geen gewoon bestand.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress Bar</source>
        <translation>Voortgangsbalk</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 is geen gewoon bestand.</translation>
    </message>
</context>
<context>
    <name>ReminderCommands</name>
    <message>
        <source>Text Files (*.txt)|*.txt|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*|</source>
        <translation>Tekstbestanden (*.txt)|*.txt|iCalendar (*.ics)|*.ics|Alle bestanden (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Weet u zeker dat u %1 wilt verwijderen?</translation>
    </message>
    <message>
        <source>Delete Selected Reminder</source>
        <translation>Gekozen herinnering verwijderen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Weet u zeker dat u %1 wilt overschrijven?</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Lijst(en) laden – houd Ctrl ingedrukt om er meer te kiezen</translation>
    </message>
    <message>
        <source>Added %1 from %2 files.</source>
        <translation>%1 toegevoegd uit %2 bestanden.</translation>
    </message>
</context>
<context>
    <name>ReminderList</name>
    <message>
        <source>Reminder(s)</source>
        <translation>Herinnering(en)</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message>
        <source>Reminder ID</source>
        <translation>Herinnering-ID</translation>
    </message>
    <message>
        <source>%1, ended</source>
        <translation>%1, beëindigd</translation>
    </message>
    <message>
        <source>These reminders never ring, because their start or repetition rule as stored is not valid; delete them, or enter them again:</source>
        <translation>Deze herinneringen gaan nooit af, omdat hun opgeslagen begin of herhaalregel niet geldig is; verwijder ze of voer ze opnieuw in:</translation>
    </message>
    <message>
        <source>ID %1 &quot;%2&quot;: option &quot;%3&quot;, date &quot;%4&quot;, time &quot;%5&quot;</source>
        <translation>ID %1 ‘%2’: soort ‘%3’, datum ‘%4’, tijd ‘%5’</translation>
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
        <translation>op regel </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Stuur een schermafbeelding van deze melding naar </translation>
    </message>
</context>
<context>
    <name>RuleCheck</name>
    <message>
        <source>a repeat more often than every day</source>
        <translation>een herhaling vaker dan elke dag</translation>
    </message>
    <message>
        <source>The time zone %1 is not known on this computer.</source>
        <translation>De tijdzone %1 is op deze computer niet bekend.</translation>
    </message>
    <message>
        <source>The rule needs a valid start date and time.</source>
        <translation>De regel heeft een geldige begindatum en begintijd nodig.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a repeat rule that can be read.</source>
        <translation>‘%1’ is geen leesbare herhaalregel.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; uses %2, which a reminder cannot hold.</source>
        <translation>De regel ‘%1’ gebruikt %2; dat kan een herinnering niet bevatten.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; has a count or interval out of range.</source>
        <translation>De regel ‘%1’ heeft een aantal of interval buiten het toegestane bereik.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; ends at a time that does not exist.</source>
        <translation>De regel ‘%1’ eindigt op een tijdstip dat niet bestaat.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; never falls on a date.</source>
        <translation>De regel ‘%1’ valt nooit op een datum.</translation>
    </message>
    <message>
        <source>A date left out or added is not a valid date and time.</source>
        <translation>Een weggelaten of toegevoegde datum is geen geldige datum en tijd.</translation>
    </message>
</context>
<context>
    <name>RuleSummary</name>
    <message>
        <source>Remind just this one time</source>
        <translation>Eén keer herinneren</translation>
    </message>
    <message>
        <source>Remind every day</source>
        <translation>Elke dag herinneren</translation>
    </message>
    <message>
        <source>Remind weekly</source>
        <translation>Wekelijks herinneren</translation>
    </message>
    <message>
        <source>first</source>
        <translation>eerste</translation>
    </message>
    <message>
        <source>second</source>
        <translation>tweede</translation>
    </message>
    <message>
        <source>third</source>
        <translation>derde</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierde</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>vijfde</translation>
    </message>
    <message>
        <source>last</source>
        <translation>laatste</translation>
    </message>
    <message>
        <source>second to last</source>
        <translation>voorlaatste</translation>
    </message>
    <message>
        <source>third to last</source>
        <translation>op twee na laatste</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>number %1 from the end</source>
        <translation>%1e van achteren</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>elke dag</translation>
    </message>
    <message numerus="yes">
        <source>every %n days</source>
        <translation>
            <numerusform>elke dag</numerusform>
            <numerusform>elke %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>every week</source>
        <translation>elke week</translation>
    </message>
    <message numerus="yes">
        <source>every %n weeks</source>
        <translation>
            <numerusform>elke week</numerusform>
            <numerusform>elke %n weken</numerusform>
        </translation>
    </message>
    <message>
        <source>every month</source>
        <translation>elke maand</translation>
    </message>
    <message numerus="yes">
        <source>every %n months</source>
        <translation>
            <numerusform>elke maand</numerusform>
            <numerusform>elke %n maanden</numerusform>
        </translation>
    </message>
    <message>
        <source>every year</source>
        <translation>elk jaar</translation>
    </message>
    <message numerus="yes">
        <source>every %n years</source>
        <translation>
            <numerusform>elk jaar</numerusform>
            <numerusform>elke %n jaar</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2</source>
        <translation>de %1 %2</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>op %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>the %1 day</source>
        <translation>de %1 dag</translation>
    </message>
    <message>
        <source>on day %1</source>
        <translation>op dag %1</translation>
    </message>
    <message>
        <source>on %1 %2</source>
        <translation>op %2 %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>%1 weekday of %2</source>
        <translation>%1 werkdag van %2</translation>
    </message>
    <message>
        <source>only the %1 of these</source>
        <translation>daarvan alleen de %1</translation>
    </message>
    <message>
        <source>, once</source>
        <translation>, één keer</translation>
    </message>
    <message numerus="yes">
        <source>, %n times</source>
        <translation>
            <numerusform>, %n keer</numerusform>
            <numerusform>, %n keer</numerusform>
        </translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, tot %1</translation>
    </message>
    <message>
        <source>On chosen dates</source>
        <translation>Op gekozen datums</translation>
    </message>
    <message>
        <source>, except 1 date</source>
        <translation>, behalve 1 datum</translation>
    </message>
    <message numerus="yes">
        <source>, except %n dates</source>
        <translation>
            <numerusform>, behalve %n datum</numerusform>
            <numerusform>, behalve %n datums</numerusform>
        </translation>
    </message>
    <message>
        <source>, and 1 date more</source>
        <translation>, en nog 1 datum</translation>
    </message>
    <message numerus="yes">
        <source>, and %n dates more</source>
        <translation>
            <numerusform>, en nog %n datum</numerusform>
            <numerusform>, en nog %n datums</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The setting %1 could not be saved to %2: %3</source>
        <translation>De instelling %1 kon niet worden opgeslagen in %2: %3</translation>
    </message>
    <message>
        <source>the file is read-only, so changes last only until Vestrona closes.</source>
        <translation>het bestand is alleen-lezen, dus wijzigingen gelden alleen tot Vestrona sluit.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>the folder could not be created.</source>
        <translation>de map kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>the unreadable settings file could not be moved aside.</source>
        <translation>het onleesbare instellingenbestand kon niet opzij worden gezet.</translation>
    </message>
    <message>
        <source>the file could not be written.</source>
        <translation>het bestand kon niet worden geschreven.</translation>
    </message>
</context>
<context>
    <name>SoundTrack</name>
    <message>
        <source>it is not in a sound format the player knows</source>
        <translation>het heeft geen geluidsformaat dat de speler kent</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>het kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
</context>
<context>
    <name>SqliteDatabase</name>
    <message>
        <source>checking the file</source>
        <translation>het controleren van het bestand</translation>
    </message>
    <message>
        <source>opening it</source>
        <translation>het openen</translation>
    </message>
    <message>
        <source>reading the reminders</source>
        <translation>het lezen van de herinneringen</translation>
    </message>
    <message>
        <source>reading a reminder</source>
        <translation>het lezen van een herinnering</translation>
    </message>
    <message>
        <source>The reminder with the ID %1 is no longer there.</source>
        <translation>De herinnering met ID %1 bestaat niet meer.</translation>
    </message>
    <message>
        <source>preparing the change</source>
        <translation>het voorbereiden van de wijziging</translation>
    </message>
    <message>
        <source>saving the change</source>
        <translation>het opslaan van de wijziging</translation>
    </message>
    <message>
        <source>The reminder database %1 is locked by another program; %2 failed. Try again in a moment.</source>
        <translation>De herinneringendatabase %1 is vergrendeld door een ander programma; %2 is mislukt. Probeer het zo opnieuw.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>De herinneringendatabase %1 is beschadigd (%2).</translation>
    </message>
    <message>
        <source>The disk holding the folder %1 is full; the change to the reminder database was not saved.</source>
        <translation>De schijf met de map %1 is vol; de wijziging in de herinneringendatabase is niet opgeslagen.</translation>
    </message>
    <message>
        <source>The reminder database %1 could not be read or written (%2); %3 failed.</source>
        <translation>De herinneringendatabase %1 kon niet worden gelezen of geschreven (%2); %3 is mislukt.</translation>
    </message>
    <message>
        <source>The reminder database %1 reported an error: %2 failed (%3).</source>
        <translation>De herinneringendatabase %1 meldde een fout: %2 is mislukt (%3).</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>De herinneringendatabase is niet geopend.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the reminder database may not be written to, so the change was not saved: changing the database needs room for a journal file there.</source>
        <translation>In de map %1 met de herinneringendatabase mag niet worden geschreven, dus de wijziging is niet opgeslagen: een wijziging van de database heeft daar ruimte nodig voor een journaalbestand.</translation>
    </message>
    <message>
        <source>The reminder database %1 is read-only; the change was not saved.</source>
        <translation>De herinneringendatabase %1 is alleen-lezen; de wijziging is niet opgeslagen.</translation>
    </message>
    <message>
        <source>starting the change</source>
        <translation>het starten van de wijziging</translation>
    </message>
    <message>
        <source>saving the changes</source>
        <translation>het opslaan van de wijzigingen</translation>
    </message>
    <message>
        <source>undoing the changes</source>
        <translation>het terugdraaien van de wijzigingen</translation>
    </message>
    <message>
        <source>looking for changes</source>
        <translation>het zoeken naar wijzigingen</translation>
    </message>
    <message>
        <source>keeping the sync&apos;s records</source>
        <translation>het bijhouden van de synchronisatiegegevens</translation>
    </message>
    <message>
        <source>reading the repeat rules</source>
        <translation>het lezen van de herhaalregels</translation>
    </message>
    <message>
        <source>storing a repeat rule</source>
        <translation>het opslaan van een herhaalregel</translation>
    </message>
</context>
<context>
    <name>StatementParser</name>
    <message>
        <source>Option takes a whole number from -32768 to 32767, not %1.</source>
        <translation>Option verwacht een geheel getal van -32768 tot en met 32767, niet %1.</translation>
    </message>
    <message>
        <source>StartDate takes a date of the years 1 to 9999, not %1.</source>
        <translation>StartDate verwacht een datum in de jaren 1 tot en met 9999; gegeven: %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>StartTime takes a time of day; none was given.</source>
        <translation>StartTime verwacht een tijdstip; er is er geen opgegeven.</translation>
    </message>
    <message>
        <source>The statement is empty.</source>
        <translation>De instructie is leeg.</translation>
    </message>
    <message>
        <source>The statement must begin with select, insert, update or delete, not &quot;%1&quot;.</source>
        <translation>De instructie moet beginnen met select, insert, update of delete, niet met ‘%1’.</translation>
    </message>
    <message>
        <source>The statement holds a comment (&quot;%1&quot;); comments are not allowed.</source>
        <translation>De instructie bevat commentaar (‘%1’); commentaar is niet toegestaan.</translation>
    </message>
    <message>
        <source>The table name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>De tabelnaam ‘%1’ heeft geen afsluitende ‘]’.</translation>
    </message>
    <message>
        <source>The column name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>De kolomnaam ‘%1’ heeft geen afsluitende ‘]’.</translation>
    </message>
    <message>
        <source>A table name is missing before &quot;%1&quot;.</source>
        <translation>Voor ‘%1’ ontbreekt een tabelnaam.</translation>
    </message>
    <message>
        <source>A column name is missing before &quot;%1&quot;.</source>
        <translation>Voor ‘%1’ ontbreekt een kolomnaam.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was expected before &quot;%2&quot;.</source>
        <translation>Voor ‘%2’ werd ‘%1’ verwacht.</translation>
    </message>
    <message>
        <source>There is no table &quot;%1&quot;; the only table is tblReminders.</source>
        <translation>Er is geen tabel ‘%1’; de enige tabel is tblReminders.</translation>
    </message>
    <message>
        <source>The column ID is assigned by the database and cannot be written.</source>
        <translation>De kolom ID wordt door de database toegekend en kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>tblReminders has no column &quot;%1&quot;.</source>
        <translation>tblReminders heeft geen kolom ‘%1’.</translation>
    </message>
    <message>
        <source>Only one statement may be run at a time; found more after it: &quot;%1&quot;.</source>
        <translation>Er mag maar één instructie tegelijk worden uitgevoerd; erna volgt nog meer: ‘%1’.</translation>
    </message>
    <message>
        <source>Unexpected text after the end of the statement: &quot;%1&quot;.</source>
        <translation>Onverwachte tekst na het einde van de instructie: ‘%1’.</translation>
    </message>
    <message>
        <source>The only read supported is &quot;select * from tblReminders order by startdate,starttime&quot;; this text differs at &quot;%1&quot;.</source>
        <translation>De enige ondersteunde leesinstructie is ‘select * from tblReminders order by startdate,starttime’; deze tekst wijkt af bij ‘%1’.</translation>
    </message>
    <message>
        <source>The insert names no columns.</source>
        <translation>De insert noemt geen kolommen.</translation>
    </message>
    <message>
        <source>A column name is missing after the last comma of the column list.</source>
        <translation>Na de laatste komma van de kolomlijst ontbreekt een kolomnaam.</translation>
    </message>
    <message>
        <source>The insert gives no values: the value list &quot;()&quot; is empty.</source>
        <translation>De insert geeft geen waarden: de waardenlijst ‘()’ is leeg.</translation>
    </message>
    <message>
        <source>A value is missing after the last comma of the value list.</source>
        <translation>Na de laatste komma van de waardenlijst ontbreekt een waarde.</translation>
    </message>
    <message>
        <source>The insert names %1 columns but gives %2 values.</source>
        <translation>De insert noemt %1 kolommen maar geeft %2 waarden.</translation>
    </message>
    <message>
        <source>The insert gives no value for %1.</source>
        <translation>De insert geeft geen waarde voor %1.</translation>
    </message>
    <message>
        <source>The update has no &quot;where id=&quot; part, so it would change every reminder.</source>
        <translation>De update heeft geen ‘where id=’-deel, dus hij zou elke herinnering wijzigen.</translation>
    </message>
    <message>
        <source>The delete has no &quot;where id=&quot; part, so it would remove every reminder.</source>
        <translation>De delete heeft geen ‘where id=’-deel, dus hij zou elke herinnering verwijderen.</translation>
    </message>
    <message>
        <source>Rows can only be chosen by &quot;where id=&quot;, not by &quot;%1&quot;.</source>
        <translation>Rijen kunnen alleen worden gekozen met ‘where id=’, niet met ‘%1’.</translation>
    </message>
    <message>
        <source>The reminder ID after &quot;where id=&quot; must be a whole number, not &quot;%1&quot;.</source>
        <translation>Het herinnering-ID na ‘where id=’ moet een geheel getal zijn, niet ‘%1’.</translation>
    </message>
    <message>
        <source>The statement ends where a value was expected.</source>
        <translation>De instructie eindigt waar een waarde werd verwacht.</translation>
    </message>
    <message>
        <source>The text value &quot;%1&quot; has no closing quote.</source>
        <translation>De tekstwaarde ‘%1’ heeft geen afsluitend aanhalingsteken.</translation>
    </message>
    <message>
        <source>The date or time value &quot;%1&quot; has no closing &quot;#&quot;.</source>
        <translation>De datum- of tijdwaarde ‘%1’ heeft geen afsluitende ‘#’.</translation>
    </message>
    <message>
        <source>A value must be a number, a #date#, a #time# or a &apos;quoted text&apos;, not &quot;%1&quot;.</source>
        <translation>Een waarde moet een getal, een #datum#, een #tijd# of een &apos;tekst tussen aanhalingstekens&apos; zijn, niet ‘%1’.</translation>
    </message>
    <message>
        <source>The column %1 is given twice.</source>
        <translation>De kolom %1 is twee keer opgegeven.</translation>
    </message>
    <message>
        <source>Option takes a whole number, not &quot;%1&quot;.</source>
        <translation>Option verwacht een geheel getal, niet ‘%1’.</translation>
    </message>
    <message>
        <source>StartDate takes a date such as #10/23/2012#, not &quot;%1&quot;.</source>
        <translation>StartDate verwacht een datum zoals #10/23/2012#, niet ‘%1’.</translation>
    </message>
    <message>
        <source>#%1# is no valid date for StartDate (month/day/year).</source>
        <translation>#%1# is geen geldige datum voor StartDate (maand/dag/jaar).</translation>
    </message>
    <message>
        <source>StartTime takes a time such as #3:03:00 PM#, not &quot;%1&quot;.</source>
        <translation>StartTime verwacht een tijd zoals #3:03:00 PM#, niet ‘%1’.</translation>
    </message>
    <message>
        <source>#%1# is no valid time of day for StartTime.</source>
        <translation>#%1# is geen geldig tijdstip voor StartTime.</translation>
    </message>
    <message>
        <source>%1 takes a &apos;quoted text&apos;, not &quot;%2&quot;.</source>
        <translation>%1 verwacht een &apos;tekst tussen aanhalingstekens&apos;, niet ‘%2’.</translation>
    </message>
</context>
<context>
    <name>SyncAccount</name>
    <message>
        <source>The calendar address is not a web address such as https://dav.example.org/alice/reminders/.</source>
        <translation>Het agenda-adres is geen webadres zoals https://dav.example.org/alice/reminders/.</translation>
    </message>
    <message>
        <source>The calendar address must start with https:// (plain http:// is only allowed for a server on this computer).</source>
        <translation>Het agenda-adres moet met https:// beginnen (gewoon http:// mag alleen voor een server op deze computer).</translation>
    </message>
    <message>
        <source>The calendar address must start with https://.</source>
        <translation>Het agenda-adres moet met https:// beginnen.</translation>
    </message>
</context>
<context>
    <name>SyncConflictArchive</name>
    <message>
        <source>The version from here of %1, changed here and on the server, cannot be saved to %2 (%3); nothing was changed.</source>
        <translation>De versie van hier van %1, hier en op de server gewijzigd, kan niet worden opgeslagen in %2 (%3); er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1 was changed here and on the server: the server&apos;s version was kept, the version from here was saved to %2.</source>
        <translation>%1 is hier en op de server gewijzigd: de versie van de server is behouden, die van hier is opgeslagen in %2.</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <source>Calendar sync</source>
        <translation>Agendasynchronisatie</translation>
    </message>
    <message>
        <source>&amp;Calendar address:</source>
        <translation>&amp;Agenda-adres:</translation>
    </message>
    <message>
        <source>&amp;Find calendars</source>
        <translation>Agenda’s &amp;zoeken</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>Please fill in the user name.</source>
        <translation>Vul de gebruikersnaam in.</translation>
    </message>
    <message>
        <source>Looking for calendars at %1…</source>
        <translation>Agenda’s zoeken op %1…</translation>
    </message>
    <message>
        <source>Found the calendar &quot;%1&quot;.</source>
        <translation>Agenda ‘%1’ gevonden.</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Kies een agenda</translation>
    </message>
    <message numerus="yes">
        <source>%n calendars were found; please choose one.</source>
        <translation>
            <numerusform>%n agenda gevonden; kies er een.</numerusform>
            <numerusform>%n agenda’s gevonden; kies er een.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Nog niet gesynchroniseerd.</translation>
    </message>
    <message>
        <source>This copy of Vestrona cannot sync; the account is kept for later.</source>
        <translation>Deze kopie van Vestrona kan niet synchroniseren; het account wordt bewaard voor later.</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>No certificate authority vouches for this server. Accept its certificate only if this is the fingerprint your server&apos;s administrator gave you:</source>
        <translation>Geen certificaatautoriteit staat in voor deze server. Accepteer het certificaat alleen als dit de vingerafdruk is die de beheerder van de server u gaf:</translation>
    </message>
    <message>
        <source>&amp;Accept this certificate</source>
        <translation>Dit certificaat a&amp;ccepteren</translation>
    </message>
    <message>
        <source>Put them &amp;back on the server</source>
        <translation>Ze &amp;terugzetten op de server</translation>
    </message>
    <message>
        <source>Delete them &amp;here too</source>
        <translation>Ze hier ook &amp;verwijderen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Sync &amp;now</source>
        <translation>&amp;Nu synchroniseren</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>not kept: type it to sync</source>
        <translation>niet bewaard: typ het om te synchroniseren</translation>
    </message>
    <message>
        <source>kept; type a new one to change it</source>
        <translation>bewaard; typ een nieuw om het te wijzigen</translation>
    </message>
    <message>
        <source>The password could not be stored in the keyring.</source>
        <translation>Het wachtwoord kon niet in de sleutelbos worden opgeslagen.</translation>
    </message>
    <message>
        <source>Last sync %1: </source>
        <translation>Laatste synchronisatie om %1: </translation>
    </message>
    <message>
        <source>Last sync: </source>
        <translation>Laatste synchronisatie: </translation>
    </message>
    <message>
        <source>Details of the last sync</source>
        <translation>Details van de laatste synchronisatie</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>The sync took longer than %1 seconds and was stopped. What it did so far is kept; the next sync goes on from there.</source>
        <translation>De synchronisatie duurde langer dan %1 seconden en is gestopt. Wat al gedaan is blijft bewaard; de volgende gaat daar verder.</translation>
    </message>
    <message>
        <source>The calendar server did not answer as expected.</source>
        <translation>De agendaserver antwoordde niet zoals verwacht.</translation>
    </message>
    <message>
        <source>The calendar on the server no longer holds %1 of the %2 items it held at the last sync, so nothing was deleted here. Either put this computer&apos;s reminders back on the server, or delete them here too.</source>
        <translation>De agenda op de server bevat %1 van de %2 items van de vorige synchronisatie niet meer, dus hier is niets verwijderd. Zet de herinneringen van deze computer terug op de server, of verwijder ze ook hier.</translation>
    </message>
    <message>
        <source>the server did not take it; it is sent again next time</source>
        <translation>de server nam het niet aan; het wordt de volgende keer opnieuw verstuurd</translation>
    </message>
    <message>
        <source>the server did not delete it; it is asked again next time</source>
        <translation>de server verwijderde het niet; het wordt de volgende keer opnieuw gevraagd</translation>
    </message>
    <message>
        <source>: the server kept answering that it changed meanwhile</source>
        <translation>: de server bleef antwoorden dat het intussen was gewijzigd</translation>
    </message>
    <message>
        <source>The calendar server took none of the %1 reminders sent to it: %2</source>
        <translation>De agendaserver nam geen van de %1 verstuurde herinneringen aan: %2</translation>
    </message>
</context>
<context>
    <name>SyncReconciler</name>
    <message>
        <source>its stored start or repeat cannot be read</source>
        <translation>het opgeslagen begin of de herhaling is onleesbaar</translation>
    </message>
    <message>
        <source>it repeats weekly on no weekday, so it never rings</source>
        <translation>het herhaalt wekelijks op geen enkele dag, dus gaat nooit af</translation>
    </message>
</context>
<context>
    <name>SyncReport</name>
    <message>
        <source>failed: </source>
        <translation>mislukt: </translation>
    </message>
    <message>
        <source>no calendar account is set up</source>
        <translation>geen agenda-account ingesteld</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <translation>
            <numerusform>%n geüpload</numerusform>
            <numerusform>%n geüpload</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n gedownload</numerusform>
            <numerusform>%n gedownload</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted here</source>
        <translation>
            <numerusform>%n hier verwijderd</numerusform>
            <numerusform>%n hier verwijderd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted on the server</source>
        <translation>
            <numerusform>%n op de server verwijderd</numerusform>
            <numerusform>%n op de server verwijderd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out</source>
        <translation>
            <numerusform>%n weggelaten</numerusform>
            <numerusform>%n weggelaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still left out</source>
        <translation>
            <numerusform>%n nog steeds weggelaten</numerusform>
            <numerusform>%n nog steeds weggelaten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 conflict</translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n conflict</numerusform>
            <numerusform>%n conflicten</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>niets te wijzigen</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Weggelaten: </translation>
    </message>
    <message>
        <source>Changed on both sides: </source>
        <translation>Aan beide kanten gewijzigd: </translation>
    </message>
</context>
<context>
    <name>SyncStateTable</name>
    <message>
        <source>The calendar sync&apos;s bookkeeping in %1 was written by a newer Vestrona; sync this database with that version.</source>
        <translation>De synchronisatieadministratie in %1 is geschreven door een nieuwere Vestrona; synchroniseer deze database met die versie.</translation>
    </message>
</context>
<context>
    <name>TextLineReader</name>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a backup file: %2.</source>
        <translation>Het bestand %1 is geen back-upbestand: %2.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>het is groter dan %1 MB</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 MB</source>
        <translation>regel %1 is langer dan %2 MB</translation>
    </message>
</context>
<context>
    <name>TrayPresence</name>
    <message>
        <source>Calendar sync failed: </source>
        <translation>Agendasynchronisatie mislukt: </translation>
    </message>
    <message>
        <source>&amp;Show Vestrona</source>
        <translation>Vestrona &amp;tonen</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>Agenda&amp;synchronisatie…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The hand cursor %1 could not be loaded.</source>
        <translation>De handcursor %1 kon niet worden geladen.</translation>
    </message>
</context>
<context>
    <name>vestrona::DBusNotifications</name>
    <message>
        <source>Reminder</source>
        <translation>Herinnering</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Sluimeren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>vestrona::Form3</name>
    <message>
        <source>Remind every mo&amp;nth</source>
        <translation>Elke maa&amp;nd herinneren</translation>
    </message>
    <message>
        <source>Remind every &amp;year</source>
        <translation>E&amp;lk jaar herinneren</translation>
    </message>
    <message>
        <source>&amp;Other repeat…</source>
        <translation>Andere &amp;herhaling…</translation>
    </message>
    <message>
        <source>&amp;Other repeat: %1</source>
        <translation>Andere &amp;herhaling: %1</translation>
    </message>
</context>
<context>
    <name>vestrona::RepeatDialog</name>
    <message>
        <source>Other repeat</source>
        <translation>Andere herhaling</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dagen</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>weken</translation>
    </message>
    <message>
        <source>months</source>
        <translation>maanden</translation>
    </message>
    <message>
        <source>years</source>
        <translation>jaar</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Elke</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Op</translation>
    </message>
    <message>
        <source>on &amp;day</source>
        <translation>op da&amp;g</translation>
    </message>
    <message>
        <source>of the start</source>
        <translation>van de begindatum</translation>
    </message>
    <message>
        <source>last</source>
        <translation>laatste</translation>
    </message>
    <message>
        <source>first</source>
        <translation>eerste</translation>
    </message>
    <message>
        <source>second</source>
        <translation>tweede</translation>
    </message>
    <message>
        <source>third</source>
        <translation>derde</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierde</translation>
    </message>
    <message>
        <source>weekday</source>
        <translation>werkdag</translation>
    </message>
    <message>
        <source> times</source>
        <translation> keer</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Eindigt</translation>
    </message>
    <message>
        <source>o&amp;n the</source>
        <translation>o&amp;p de</translation>
    </message>
    <message>
        <source>ne&amp;ver</source>
        <translation>no&amp;oit</translation>
    </message>
    <message>
        <source>afte&amp;r</source>
        <translation>&amp;na</translation>
    </message>
    <message>
        <source>unti&amp;l</source>
        <translation>&amp;tot</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uleren</translation>
    </message>
</context>
</TS>
