<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AccountSyncer</name>
    <message>
        <source>No password is kept for %1 at %2; please type it in &quot;Calendar sync…&quot;.</source>
        <translation>Brak zapamiętanego hasła dla %1 na %2; wpisz je w „Synchronizuj kalendarz…”.</translation>
    </message>
</context>
<context>
    <name>AlarmIntervals</name>
    <message>
        <source>Play the alarm every 5 minutes</source>
        <translation>Odtwarzaj alarm co 5 minut</translation>
    </message>
    <message>
        <source>Play the alarm every 10 minutes</source>
        <translation>Odtwarzaj alarm co 10 minut</translation>
    </message>
    <message>
        <source>Play the alarm every 30 minutes</source>
        <translation>Odtwarzaj alarm co 30 minut</translation>
    </message>
    <message>
        <source>Play the alarm every 1 hour</source>
        <translation>Odtwarzaj alarm co godzinę</translation>
    </message>
    <message>
        <source>Play the alarm every 2 hours</source>
        <translation>Odtwarzaj alarm co 2 godziny</translation>
    </message>
    <message>
        <source>Play the alarm every 4 hours</source>
        <translation>Odtwarzaj alarm co 4 godziny</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>Next alarm will play in </source>
        <translation>Następny alarm za </translation>
    </message>
    <message>
        <source>Snoozed until</source>
        <translation>Odłożone do</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Termin</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Calendar sync has been failing for more than an hour: </source>
        <translation>Synchronizacja kalendarza nie działa od ponad godziny: </translation>
    </message>
    <message>
        <source>%1 Nothing was deleted here: choose in “Calendar sync…” whether to put the reminders back on the server or delete them here too.</source>
        <translation>%1 Tutaj nic nie usunięto: wybierz w „Synchronizuj kalendarz…”, czy przywrócić przypomnienia na serwer, czy usunąć je także tutaj.</translation>
    </message>
    <message>
        <source>The reminder database %1 is in use by another program. Vestrona lists the reminders and starts the alarm as soon as it is free.</source>
        <translation>Baza przypomnień %1 jest używana przez inny program. Vestrona pokaże przypomnienia i uruchomi alarm, gdy tylko baza się zwolni.</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>Nie znaleziono %1</translation>
    </message>
    <message>
        <source>The reminder database %1 has been deleted. The reminders still listed are no longer saved anywhere; put the file back, and Vestrona reads it again.</source>
        <translation>Baza przypomnień %1 została usunięta. Wyświetlane przypomnienia nie są już nigdzie zapisane; przywróć plik, a Vestrona odczyta go ponownie.</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>Baza przypomnień nie jest otwarta.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be entered in the logon start list.</source>
        <translation>Nie znaleziono pliku programu, więc nie można go dodać do autostartu sesji.</translation>
    </message>
    <message>
        <source>The autostart folder &quot;%1&quot; could not be created.</source>
        <translation>Nie można utworzyć folderu autostartu „%1”.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be written: %2</source>
        <translation>Nie można zapisać wpisu autostartu „%1”: %2</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be removed: %2</source>
        <translation>Nie można usunąć wpisu autostartu „%1”: %2</translation>
    </message>
</context>
<context>
    <name>BackupText</name>
    <message>
        <source>it has %1 of the %2 fields of a reminder.</source>
        <translation>ma %1 z %2 pól przypomnienia.</translation>
    </message>
    <message>
        <source>its repetition rule &quot;%1&quot; is not a number.</source>
        <translation>jego reguła powtarzania „%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>its repetition rule %1 is out of range.</source>
        <translation>jego reguła powtarzania %1 jest poza zakresem.</translation>
    </message>
    <message>
        <source>its start date &quot;%1&quot; is not a date.</source>
        <translation>jego data początku „%1” nie jest datą.</translation>
    </message>
    <message>
        <source>its start time &quot;%1&quot; is not a time.</source>
        <translation>jego godzina początku „%1” nie jest godziną.</translation>
    </message>
</context>
<context>
    <name>CalDavFailureWords</name>
    <message>
        <source>The calendar server %1 sent an answer the program cannot read: %2.</source>
        <translation>Serwer kalendarza %1 przysłał odpowiedź, której program nie umie odczytać: %2.</translation>
    </message>
    <message>
        <source>The calendar server did not accept the user name or password.</source>
        <translation>Serwer kalendarza nie przyjął nazwy użytkownika lub hasła.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not let this user reach %2.</source>
        <translation>Serwer kalendarza %1 nie daje temu użytkownikowi dostępu do %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 has nothing at %2.</source>
        <translation>Serwer kalendarza %1 nie ma niczego pod %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not allow this request on %2; is it the address of a calendar?</source>
        <translation>Serwer kalendarza %1 nie pozwala na to żądanie dla %2; czy to adres kalendarza?</translation>
    </message>
    <message>
        <source>%1 was changed on the calendar server %2 meanwhile.</source>
        <translation>%1 zmieniono w międzyczasie na serwerze kalendarza %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused %2 as too large.</source>
        <translation>Serwer kalendarza %1 odrzucił %2 jako zbyt duże.</translation>
    </message>
    <message>
        <source>The calendar server %1 is busy or down for maintenance; try again later.</source>
        <translation>Serwer kalendarza %1 jest zajęty lub w konserwacji; spróbuj później.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no room left for %2.</source>
        <translation>Serwer kalendarza %1 nie ma już miejsca na %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request for %2 elsewhere without saying where (error %3).</source>
        <translation>Serwer kalendarza %1 przekierował żądanie dla %2, nie mówiąc dokąd (błąd %3).</translation>
    </message>
    <message>
        <source>The calendar server %1 failed with error %2.</source>
        <translation>Serwer kalendarza %1 zawiódł z błędem %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the request for %2 with error %3.</source>
        <translation>Serwer kalendarza %1 odrzucił żądanie dla %2 z błędem %3.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be found.</source>
        <translation>Nie znaleziono serwera kalendarza %1.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the connection; it may not be running.</source>
        <translation>Serwer kalendarza %1 odrzucił połączenie; być może nie działa.</translation>
    </message>
    <message>
        <source>The calendar server %1 closed the connection before it answered.</source>
        <translation>Serwer kalendarza %1 zamknął połączenie przed odpowiedzią.</translation>
    </message>
    <message>
        <source>The calendar server %1 did not answer in time.</source>
        <translation>Serwer kalendarza %1 nie odpowiedział na czas.</translation>
    </message>
    <message>
        <source>The calendar server %1 redirects in circles: the request was sent on again and again without reaching the calendar.</source>
        <translation>Serwer kalendarza %1 przekierowuje w kółko: żądanie przekazywano raz po raz, nie docierając do kalendarza.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to an address without https://; the program does not follow it.</source>
        <translation>Serwer kalendarza %1 przekazał żądanie pod adres bez https://; program za nim nie podąża.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be reached: %2.</source>
        <translation>Nie można połączyć się z serwerem kalendarza %1: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <source>No calendar was found at %1: it is not a calendar, and the server names no calendars for the user there.</source>
        <translation>Pod %1 nie znaleziono kalendarza: to nie jest kalendarz, a serwer nie wskazuje tam kalendarzy użytkownika.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no calendar for this user yet (looked in %2); please make one there first.</source>
        <translation>Serwer kalendarza %1 nie ma jeszcze kalendarza dla tego użytkownika (szukano w %2); najpierw utwórz go tam.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Start date, YYYY-MM-DD.</source>
        <translation>Data początku, RRRR-MM-DD (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>Start time, HH:MM or HH:MM:SS.</source>
        <translation>Godzina początku, HH:MM lub HH:MM:SS.</translation>
    </message>
    <message>
        <source>Let backup replace an existing file.</source>
        <translation>Pozwala poleceniu backup zastąpić istniejący plik.</translation>
    </message>
    <message>
        <source>The calendar&apos;s address, for sync.</source>
        <translation>Adres kalendarza, dla sync.</translation>
    </message>
    <message>
        <source>The user name on the calendar server, for sync.</source>
        <translation>Nazwa użytkownika na serwerze kalendarza, dla sync.</translation>
    </message>
    <message>
        <source>Trust the server certificate with this SHA-256 fingerprint, for sync.</source>
        <translation>Ufaj certyfikatowi serwera o tym odcisku SHA-256, dla sync.</translation>
    </message>
    <message>
        <source>Put this computer&apos;s reminders back on an emptied calendar, for sync.</source>
        <translation>Przywróć przypomnienia z tego komputera do opróżnionego kalendarza, dla sync.</translation>
    </message>
    <message>
        <source>Delete here what an emptied calendar lost, for sync.</source>
        <translation>Usuń tutaj to, co stracił opróżniony kalendarz, dla sync.</translation>
    </message>
    <message>
        <source>The reminder database to use.</source>
        <translation>Baza przypomnień, której użyć.</translation>
    </message>
    <message>
        <source>

Without --database the reminders are those of %1</source>
        <translation>

Bez --database używane są przypomnienia z %1</translation>
    </message>
    <message>
        <source>The command&apos;s arguments.</source>
        <translation>Argumenty polecenia.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reminder ID.</source>
        <translation>„%1” nie jest identyfikatorem przypomnienia.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Nie podano polecenia.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli restore FILE...</source>
        <translation>Użycie: vestrona-cli restore PLIK...</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli import FILE...</source>
        <translation>Użycie: vestrona-cli import PLIK...</translation>
    </message>
    <message>
        <source>--upload-all and --accept-deletions exclude each other.</source>
        <translation>--upload-all i --accept-deletions wykluczają się wzajemnie.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Nieznane polecenie „%1”.</translation>
    </message>
    <message>
        <source>Try &apos;vestrona-cli --help&apos;.</source>
        <translation>Zobacz &apos;vestrona-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli %1</source>
        <translation>Użycie: vestrona-cli %1</translation>
    </message>
    <message>
        <source>--%1 does not belong to this command.</source>
        <translation>--%1 nie dotyczy tego polecenia.</translation>
    </message>
    <message>
        <source>%1 already exists; use --force to replace it.</source>
        <translation>%1 już istnieje; użyj --force, aby go zastąpić.</translation>
    </message>
    <message>
        <source>add takes exactly one MESSAGE (quote it when it has blanks).</source>
        <translation>add przyjmuje dokładnie jedną WIADOMOŚĆ (w cudzysłowie, gdy zawiera spacje).</translation>
    </message>
    <message>
        <source>add needs --%1.</source>
        <translation>add wymaga --%1.</translation>
    </message>
    <message>
        <source>--date &quot;%1&quot; is not a date of the form YYYY-MM-DD.</source>
        <translation>--date „%1” nie jest datą w postaci YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>--time &quot;%1&quot; is not a time of the form HH:MM or HH:MM:SS.</source>
        <translation>--time „%1” nie jest godziną w postaci HH:MM lub HH:MM:SS.</translation>
    </message>
    <message>
        <source>--days: &quot;%1&quot; is not one of Mon, Tue, Wed, Thu, Fri, Sat, Sun.</source>
        <translation>--days: „%1” nie jest żadnym z Mon, Tue, Wed, Thu, Fri, Sat, Sun.</translation>
    </message>
    <message>
        <source>A weekly reminder needs --days. Please choose at least one weekday.</source>
        <translation>Przypomnienie cotygodniowe wymaga --days. Wybierz co najmniej jeden dzień tygodnia.</translation>
    </message>
    <message>
        <source>No reminder has the ID %1.</source>
        <translation>Żadne przypomnienie nie ma ID %1.</translation>
    </message>
    <message>
        <source>--accept-certificate wants the SHA-256 fingerprint as 32 hex pairs joined by &apos;:&apos;, as a failed sync prints it.</source>
        <translation>--accept-certificate oczekuje odcisku SHA-256 jako 32 par szesnastkowych połączonych znakiem &apos;:&apos;, tak jak wypisuje go nieudana synchronizacja.</translation>
    </message>
    <message>
        <source>No calendar account is set up: give --url and --user once (or set it up in Vestrona&apos;s &quot;Calendar sync…&quot; dialog).</source>
        <translation>Nie skonfigurowano konta kalendarza: podaj raz --url i --user (albo skonfiguruj je w oknie „Synchronizuj kalendarz…” Vestrony).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Hasło dla %1 na %2: </translation>
    </message>
    <message>
        <source>No password for %1 at %2: set VESTRONA_CALDAV_PASSWORD, keep it in the keyring through Vestrona&apos;s &quot;Calendar sync…&quot; dialog, or run this on a terminal.</source>
        <translation>Brak hasła dla %1 na %2: ustaw VESTRONA_CALDAV_PASSWORD, zapisz je w bazie kluczy w oknie „Synchronizuj kalendarz…” Vestrony albo uruchom to w terminalu.</translation>
    </message>
    <message>
        <source>No password given.</source>
        <translation>Nie podano hasła.</translation>
    </message>
    <message>
        <source>the password could not be stored in the keyring; it is used for this sync only.</source>
        <translation>nie można zapisać hasła w bazie kluczy; zostanie użyte tylko przy tej synchronizacji.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads to %n calendars (listed above); choose one with --url ADDRESS.</source>
        <translation>
            <numerusform>%1 prowadzi do %n kalendarza (wymienionego wyżej); wybierz jeden przez --url ADRES.</numerusform>
            <numerusform>%1 prowadzi do %n kalendarzy (wymienionych wyżej); wybierz jeden przez --url ADRES.</numerusform>
            <numerusform>%1 prowadzi do %n kalendarzy (wymienionych wyżej); wybierz jeden przez --url ADRES.</numerusform>
        </translation>
    </message>
    <message>
        <source>To put this computer&apos;s reminders back on the server, run</source>
        <translation>Aby przywrócić przypomnienia z tego komputera na serwer, uruchom</translation>
    </message>
    <message>
        <source>To delete them here too, run</source>
        <translation>Aby usunąć je także tutaj, uruchom</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has the SHA-256 fingerprint</source>
        <translation>Certyfikat serwera ma odcisk SHA-256</translation>
    </message>
    <message>
        <source>If that is your server&apos;s certificate (ask its administrator), accept it with</source>
        <translation>Jeśli to certyfikat twojego serwera (zapytaj administratora), zaakceptuj go poleceniem</translation>
    </message>
    <message>
        <source>or with &quot;Accept this certificate&quot; in Vestrona&apos;s &quot;Calendar sync…&quot; dialog.</source>
        <translation>albo przyciskiem „Akceptuj ten certyfikat” w oknie „Synchronizuj kalendarz…” Vestrony.</translation>
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
        <translation>Odczytuje i zmienia przypomnienia Vestrony.

Polecenia:
  next                      następne przypomnienie: czas alarmu, TAB, wiadomość
  list                      wszystkie przypomnienia, po jednym w wierszu, kolumny rozdzielone TAB
  add --option once|daily|weekly|monthly|yearly --date YYYY-MM-DD
      --time HH:MM[:SS] [--days Mon,Tue,...] MESSAGE
                            dodaje przypomnienie i wypisuje jego ID; monthly
                            i yearly powtarzają się w dniu początku
  add --rule RRULE --date YYYY-MM-DD --time HH:MM[:SS] MESSAGE
                            dodaje przypomnienie powtarzane według reguły
                            RFC 5545 bez „RRULE:”, np. FREQ=MONTHLY;BYDAY=-1FR;
                            FREQ, INTERVAL, BYDAY, BYMONTHDAY, BYMONTH,
                            BYSETPOS, COUNT, UNTIL (czas lokalny lub UTC z Z)
  agenda [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--days N]
                            każde wystąpienie od podanej chwili (domyślnie od
                            teraz) przez N dni (domyślnie 7): czas, TAB, ID,
                            TAB, wiadomość
  delete ID                 usuwa przypomnienie
  backup [--force] FILE     zapisuje wszystkie przypomnienia do pliku kopii
  restore FILE...           dodaje przypomnienia z plików kopii
  export [--force] FILE     zapisuje wszystkie przypomnienia do pliku iCalendar (.ics)
  import FILE...            dodaje wydarzenia i zadania z plików iCalendar i
                            wypisuje je; data bez godziny zaczyna się o 00:00:00
  sync [--url URL --user NAME] [--accept-certificate SHA256]
       [--upload-all | --accept-deletions]
                            synchronizuje przypomnienia z kalendarzem CalDAV pod adresem URL
                            (zapamiętanym dla kolejnych synchronizacji i dla Vestrony) i wypisuje,
                            co wysłano, pobrano, usunięto lub pominięto;
                            hasło pochodzi z VESTRONA_CALDAV_PASSWORD, z bazy kluczy lub,
                            w terminalu, z pytania; kod wyjścia 1, gdy pominięto elementy,
                            3, gdy synchronizacja się nie powiodła. Gdy kalendarz stracił
                            większość elementów, nic nie jest usuwane, dopóki --upload-all
                            ich nie przywróci albo --accept-deletions nie usunie ich także tutaj</translation>
    </message>
    <message>
        <source>once, daily, weekly, monthly or yearly.</source>
        <translation>once, daily, weekly, monthly lub yearly.</translation>
    </message>
    <message>
        <source>An RFC 5545 repeat rule, for add.</source>
        <translation>Reguła powtarzania RFC 5545, dla add.</translation>
    </message>
    <message>
        <source>Where the agenda starts, &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>Początek agendy, „YYYY-MM-DD HH:MM:SS”.</translation>
    </message>
    <message>
        <source>Weekdays, e.g. Mon,Wed,Fri; for agenda, a number of days.</source>
        <translation>Dni tygodnia, np. Mon,Wed,Fri; dla agenda liczba dni.</translation>
    </message>
    <message>
        <source>next, list, add, agenda, delete, backup, restore, export, import or sync.</source>
        <translation>next, list, add, agenda, delete, backup, restore, export, import lub sync.</translation>
    </message>
    <message>
        <source>add needs either --option or --rule.</source>
        <translation>add wymaga --option albo --rule.</translation>
    </message>
    <message>
        <source>--option must be once, daily, weekly, monthly or yearly, not &quot;%1&quot;.</source>
        <translation>--option musi mieć wartość once, daily, weekly, monthly lub yearly, a nie „%1”.</translation>
    </message>
    <message>
        <source>--days belongs to --option weekly; a rule names its days in BYDAY.</source>
        <translation>--days dotyczy --option weekly; reguła podaje swoje dni w BYDAY.</translation>
    </message>
    <message>
        <source>--from &quot;%1&quot; is not of the form &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>--from „%1” nie ma postaci „YYYY-MM-DD HH:MM:SS”.</translation>
    </message>
    <message>
        <source>--days for agenda takes a number of days from 1 to 3660.</source>
        <translation>--days dla agenda przyjmuje liczbę dni od 1 do 3660.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>Execute runs only insert, update and delete statements; the ordered select is a read.</source>
        <translation>Execute wykonuje tylko instrukcje insert, update i delete; uporządkowany select jest odczytem.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>1 day %1</source>
        <translation>1 dzień %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2</source>
        <translation>
            <numerusform>%1 dzień %2</numerusform>
            <numerusform>%1 dni %2</numerusform>
            <numerusform>%1 dni %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataLocation</name>
    <message>
        <source>%1 is a file, not a folder, so your reminder database cannot be made in it.</source>
        <translation>%1 jest plikiem, a nie folderem, więc nie można w nim utworzyć bazy przypomnień.</translation>
    </message>
    <message>
        <source>The folder %1 for your reminder database could not be made.</source>
        <translation>Nie można utworzyć folderu %1 na bazę przypomnień.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 that comes with Vestrona could not be read, so your reminder database cannot be made.</source>
        <translation>Nie można odczytać pustej bazy przypomnień %1 dołączonej do Vestrony, więc nie można utworzyć twojej bazy.</translation>
    </message>
    <message>
        <source>Your reminder database could not be made in the folder %1: %2</source>
        <translation>Nie można utworzyć bazy przypomnień w folderze %1: %2</translation>
    </message>
    <message>
        <source>Your reminder database %1 could not be made: %2</source>
        <translation>Nie można utworzyć bazy przypomnień %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFileCheck</name>
    <message>
        <source>The reminder database %1 does not exist.</source>
        <translation>Baza przypomnień %1 nie istnieje.</translation>
    </message>
    <message>
        <source>The reminder database %1 is a folder, not a file.</source>
        <translation>Baza przypomnień %1 jest folderem, a nie plikiem.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not a regular file.</source>
        <translation>Baza przypomnień %1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>The reminder database %1 cannot be read: %2.</source>
        <translation>Nie można odczytać bazy przypomnień %1: %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is empty (0 bytes); it holds no reminders table.</source>
        <translation>Baza przypomnień %1 jest pusta (0 bajtów); nie zawiera tabeli przypomnień.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not an SQLite database.</source>
        <translation>Baza przypomnień %1 nie jest bazą SQLite.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is cut off inside its header.</source>
        <translation>Baza przypomnień %1 jest uszkodzona: plik urywa się w nagłówku.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: its header names no valid page size.</source>
        <translation>Baza przypomnień %1 jest uszkodzona: nagłówek nie podaje poprawnego rozmiaru strony.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is shorter than its own header says (it may have been cut off).</source>
        <translation>Baza przypomnień %1 jest uszkodzona: plik jest krótszy, niż podaje nagłówek (mógł zostać ucięty).</translation>
    </message>
</context>
<context>
    <name>DatabaseOpening</name>
    <message>
        <source>The reminder database %1 has no table tblReminders.</source>
        <translation>Baza przypomnień %1 nie ma tabeli tblReminders.</translation>
    </message>
    <message>
        <source>The reminder database %1 has a table tblReminders without the column %2.</source>
        <translation>Baza przypomnień %1 ma tabelę tblReminders bez kolumny %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>Baza przypomnień %1 jest uszkodzona (%2).</translation>
    </message>
</context>
<context>
    <name>DavHttpClient</name>
    <message>
        <source>The calendar server %1 sent an answer larger than %2 MB; the program does not read it.</source>
        <translation>Serwer kalendarza %1 przysłał odpowiedź większą niż %2 MB; program jej nie czyta.</translation>
    </message>
    <message>
        <source>The calendar server %1 stopped answering (nothing for %2 seconds).</source>
        <translation>Serwer kalendarza %1 przestał odpowiadać (nic od %2 s).</translation>
    </message>
    <message>
        <source>The calendar server %1 took too long to answer (more than %2 seconds); the request was given up.</source>
        <translation>Serwer kalendarza %1 zbyt długo nie odpowiadał (ponad %2 s); z żądania zrezygnowano.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to %2; the program only follows redirects on the same server.</source>
        <translation>Serwer kalendarza %1 przekazał żądanie do %2; program podąża tylko za przekierowaniami na tym samym serwerze.</translation>
    </message>
    <message>
        <source>The certificate of the calendar server %1 is not trusted: %2.</source>
        <translation>Certyfikat serwera kalendarza %1 nie jest zaufany: %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 answered %2 where a list of resources was due.</source>
        <translation>Serwer kalendarza %1 odpowiedział %2 tam, gdzie oczekiwano listy zasobów.</translation>
    </message>
</context>
<context>
    <name>EmptyDatabase</name>
    <message>
        <source>The schema file %1 cannot be read: %2.</source>
        <translation>Nie można odczytać pliku schematu %1: %2.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 could not be made: %2.</source>
        <translation>Nie można utworzyć pustej bazy przypomnień %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 line was left out:</source>
        <translation>Dodano %1 z pliku %2. Pominięto 1 wiersz:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n lines were left out:</source>
        <translation>
            <numerusform>Dodano %1 z pliku %2. Pominięto %n wiersz:</numerusform>
            <numerusform>Dodano %1 z pliku %2. Pominięto %n wiersze:</numerusform>
            <numerusform>Dodano %1 z pliku %2. Pominięto %n wierszy:</numerusform>
        </translation>
    </message>
    <message>
        <source>their message contains &quot;%1&quot;, which the backup file uses between its fields</source>
        <translation>ich wiadomość zawiera „%1”, czym plik kopii rozdziela swoje pola</translation>
    </message>
    <message>
        <source>Writing file: %1</source>
        <translation>Zapisywanie pliku: %1</translation>
    </message>
    <message>
        <source>Saved %1 to %2.</source>
        <translation>Zapisano %1 w pliku %2.</translation>
    </message>
    <message>
        <source>Reading file: %1</source>
        <translation>Wczytywanie pliku: %1</translation>
    </message>
    <message>
        <source>Added %1 from %2.</source>
        <translation>Dodano %1 z pliku %2.</translation>
    </message>
    <message>
        <source>The backup file %1 cannot be created: %2.</source>
        <translation>Nie można utworzyć pliku kopii %1: %2.</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Nie można zapisać pliku kopii %1: %2. Plik o tej nazwie pozostał bez zmian.</translation>
    </message>
    <message>
        <source>The calendar file %1 cannot be created: %2.</source>
        <translation>Nie można utworzyć pliku kalendarza %1: %2.</translation>
    </message>
    <message>
        <source>The calendar file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Nie można zapisać pliku kalendarza %1: %2. Plik o tej nazwie pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 przypomnienie</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n przypomnienie</numerusform>
            <numerusform>%n przypomnienia</numerusform>
            <numerusform>%n przypomnień</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... i jeszcze %n.</numerusform>
            <numerusform>... i jeszcze %n.</numerusform>
            <numerusform>... i jeszcze %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk holding the folder %1 is full</source>
        <translation>dysk z folderem %1 jest pełny</translation>
    </message>
    <message>
        <source>These reminders were not written to %1, because %2:</source>
        <translation>Tych przypomnień nie zapisano w pliku %1, ponieważ %2:</translation>
    </message>
    <message>
        <source>their start or repetition rule as stored is not valid</source>
        <translation>ich zapisany początek lub reguła powtarzania są niepoprawne</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 entry was left out:</source>
        <translation>Dodano %1 z pliku %2. Pominięto 1 wpis:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n entries were left out:</source>
        <translation>
            <numerusform>Dodano %1 z pliku %2. Pominięto %n wpis:</numerusform>
            <numerusform>Dodano %1 z pliku %2. Pominięto %n wpisy:</numerusform>
            <numerusform>Dodano %1 z pliku %2. Pominięto %n wpisów:</numerusform>
        </translation>
    </message>
    <message>
        <source>they are weekly on no weekday and so never ring</source>
        <translation>powtarzają się co tydzień bez żadnego dnia, więc nigdy nie dzwonią</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Nie można odczytać pliku %1: %2.</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>Wyeksportowano %1 do pliku %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be imported: %2.</source>
        <translation>Nie można zaimportować pliku %1: %2.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Next alarm will play in</source>
        <translation>Następny alarm za</translation>
    </message>
    <message>
        <source>&amp;Add New Reminder</source>
        <translation>&amp;Dodaj nowe przypomnienie</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Reminder</source>
        <translation>&amp;Edytuj wybrane przypomnienie</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Reminder</source>
        <translation>&amp;Usuń wybrane przypomnienie</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Reminder</source>
        <translation>Wczytaj przykładowe &amp;przypomnienie</translation>
    </message>
    <message>
        <source>&amp;Backup Reminders To File </source>
        <translation>Zapisz &amp;kopię przypomnień do pliku </translation>
    </message>
    <message>
        <source>&amp;Load Reminders From File </source>
        <translation>Wczytaj przypomnienia z p&amp;liku </translation>
    </message>
    <message>
        <source>Set Date &amp;Format</source>
        <translation>Ustaw &amp;format daty</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>S&amp;ynchronizuj kalendarz…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>The skin file %1 could not be read: %2</source>
        <translation>Nie można odczytać pliku wyglądu %1: %2</translation>
    </message>
    <message>
        <source>1 reminder was missed while Vestrona was not running</source>
        <translation>1 przypomnienie zostało pominięte, gdy Vestrona nie działała</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were missed while Vestrona was not running</source>
        <translation>
            <numerusform>%n przypomnienie zostało pominięte, gdy Vestrona nie działała</numerusform>
            <numerusform>%n przypomnienia zostały pominięte, gdy Vestrona nie działała</numerusform>
            <numerusform>%n przypomnień zostało pominiętych, gdy Vestrona nie działała</numerusform>
        </translation>
    </message>
    <message>
        <source>Time until the next alarm</source>
        <translation>Czas do następnego alarmu</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Przypomnienia</translation>
    </message>
    <message>
        <source>Enter edits the chosen reminder, Delete deletes it, Ctrl+N adds one.</source>
        <translation>Enter edytuje wybrane przypomnienie, Delete je usuwa, Ctrl+N dodaje nowe.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source> Reminder</source>
        <translation> Przypomnienie</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Drzemka</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>1 of %1</source>
        <translation>1 z %1</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Treść przypomnienia</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Reminder</source>
        <translation>Przypomnienie</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Godzina:</translation>
    </message>
    <message>
        <source>&amp;Reminder Option</source>
        <translation>Rodzaj przypo&amp;mnienia</translation>
    </message>
    <message>
        <source>Remind &amp;just this one time</source>
        <translation>Przypomnij &amp;jeden raz</translation>
    </message>
    <message>
        <source>Remind e&amp;very day</source>
        <translation>Przypominaj codz&amp;iennie</translation>
    </message>
    <message>
        <source>Remind every wee&amp;k</source>
        <translation>Przypominaj co t&amp;ydzień</translation>
    </message>
    <message>
        <source>Messa&amp;ge</source>
        <translation>Wiadom&amp;ość</translation>
    </message>
    <message>
        <source>&amp;Save Reminder</source>
        <translation>&amp;Zapisz przypomnienie</translation>
    </message>
    <message>
        <source>Reminder saved.</source>
        <translation>Przypomnienie zapisane.</translation>
    </message>
    <message>
        <source>
Its time has already passed, so it will not ring.</source>
        <translation>
Jego czas już minął, więc nie zadzwoni.</translation>
    </message>
    <message>
        <source>Please fill out a message.</source>
        <translation>Wpisz wiadomość.</translation>
    </message>
    <message>
        <source>Please choose at least one weekday.</source>
        <translation>Wybierz co najmniej jeden dzień tygodnia.</translation>
    </message>
    <message>
        <source>&amp;Mon</source>
        <translation>&amp;Pn</translation>
    </message>
    <message>
        <source>&amp;Tue</source>
        <translation>&amp;Wt</translation>
    </message>
    <message>
        <source> &amp;Wed</source>
        <translation>Ś&amp;r</translation>
    </message>
    <message>
        <source>T&amp;hu</source>
        <translation>&amp;Cz</translation>
    </message>
    <message>
        <source>&amp;Fri</source>
        <translation>P&amp;t</translation>
    </message>
    <message>
        <source>S&amp;at</source>
        <translation>&amp;So</translation>
    </message>
    <message>
        <source>S&amp;un</source>
        <translation>&amp;Nd</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>niedziela</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Data początku</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Godzina początku</translation>
    </message>
    <message>
        <source>Type A or P for the half of the day.</source>
        <translation>Wpisz A lub P, aby wybrać połowę doby (AM/PM).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Set Date Format</source>
        <translation>Ustaw format daty</translation>
    </message>
    <message>
        <source>Date &amp;Format</source>
        <translation>&amp;Format daty</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>HttpCalDavCollection</name>
    <message>
        <source>%1 on the server %2 is not a calendar.</source>
        <translation>%1 na serwerze %2 nie jest kalendarzem.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>nie jest plikiem iCalendar (nie zaczyna się od BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than any calendar of reminders</source>
        <translation>ma ponad %1 MB, więcej niż jakikolwiek kalendarz przypomnień</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>nie jest plikiem tekstowym</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, which iCalendar files are</source>
        <translation>nie jest tekstem w UTF-8, jakim są pliki iCalendar</translation>
    </message>
    <message>
        <source>it defines more than %1 time zones, which no calendar needs</source>
        <translation>definiuje ponad %1 stref czasowych, a żaden kalendarz tylu nie potrzebuje</translation>
    </message>
    <message>
        <source>it holds more than %1 events and to-dos, more than any list of reminders</source>
        <translation>zawiera ponad %1 wydarzeń i zadań, więcej niż jakakolwiek lista przypomnień</translation>
    </message>
    <message>
        <source>it repeats %1, which a reminder cannot</source>
        <translation>powtarza się z częstotliwością %1, której przypomnienie nie obsługuje</translation>
    </message>
    <message>
        <source>its rule picks days by %1</source>
        <translation>jego reguła wybiera dni według %1</translation>
    </message>
    <message>
        <source>its rule counts in another calendar (RSCALE)</source>
        <translation>jego reguła liczy w innym kalendarzu (RSCALE)</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lies more than 24 hours away from UTC, which no real zone does</source>
        <translation>jego strefa czasowa „%1” odbiega od UTC o ponad 24 godziny, czego nie robi żadna prawdziwa strefa</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; changes its offset more than %2 times a year, which no real zone does</source>
        <translation>jego strefa czasowa „%1” zmienia przesunięcie ponad %2 razy w roku, czego nie robi żadna prawdziwa strefa</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lists more than %2 changes of its offset, which no real zone does</source>
        <translation>jego strefa czasowa „%1” wymienia ponad %2 zmian przesunięcia, czego nie robi żadna prawdziwa strefa</translation>
    </message>
    <message>
        <source>a line of its time zone &quot;%1&quot; cannot be read (%2)</source>
        <translation>nie można odczytać wiersza jego strefy czasowej „%1” (%2)</translation>
    </message>
    <message>
        <source>its %1 line is longer than %2 KB</source>
        <translation>jego wiersz %1 jest dłuższy niż %2 KB</translation>
    </message>
    <message>
        <source>a line of it cannot be read (%1)</source>
        <translation>nie można odczytać jednego z jego wierszy (%1)</translation>
    </message>
    <message>
        <source>it is cancelled (STATUS:CANCELLED)</source>
        <translation>zostało anulowane (STATUS:CANCELLED)</translation>
    </message>
    <message>
        <source>it is done (COMPLETED)</source>
        <translation>zostało wykonane (COMPLETED)</translation>
    </message>
    <message>
        <source>its message is longer than %1 KB</source>
        <translation>jego wiadomość jest dłuższa niż %1 KB</translation>
    </message>
    <message>
        <source>it changes one time of another event (RECURRENCE-ID)</source>
        <translation>zmienia jedno wystąpienie innego wydarzenia (RECURRENCE-ID)</translation>
    </message>
    <message>
        <source>it has no due time (DUE)</source>
        <translation>nie ma terminu (DUE)</translation>
    </message>
    <message>
        <source>it has no start (DTSTART)</source>
        <translation>nie ma początku (DTSTART)</translation>
    </message>
    <message>
        <source>its time is not a valid date and time</source>
        <translation>jego czas nie jest poprawną datą i godziną</translation>
    </message>
    <message>
        <source>its date %1-%2-%3 does not exist</source>
        <translation>jego data %1-%2-%3 nie istnieje</translation>
    </message>
    <message>
        <source>its time %1:%2:%3 does not exist</source>
        <translation>jego godzina %1:%2:%3 nie istnieje</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is unknown</source>
        <translation>jego strefa czasowa „%1” jest nieznana</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is not one this computer knows, so it cannot repeat by it</source>
        <translation>jego strefa czasowa „%1” jest nieznana na tym komputerze, więc nie może się według niej powtarzać</translation>
    </message>
    <message>
        <source>its time cannot be turned into a local time</source>
        <translation>jego czasu nie można przeliczyć na czas lokalny</translation>
    </message>
    <message>
        <source>it leaves out dates by a rule (EXRULE)</source>
        <translation>pomija daty według reguły (EXRULE)</translation>
    </message>
    <message>
        <source>it has more than one rule (RRULE)</source>
        <translation>ma więcej niż jedną regułę (RRULE)</translation>
    </message>
    <message>
        <source>it adds a stretch of time (RDATE;VALUE=PERIOD)</source>
        <translation>dodaje przedział czasu (RDATE;VALUE=PERIOD)</translation>
    </message>
    <message>
        <source>libical cannot read it as a calendar; it may be cut off</source>
        <translation>libical nie może go odczytać jako kalendarza; być może jest ucięty</translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>nie zawiera wydarzeń ani zadań</translation>
    </message>
    <message>
        <source>it holds more than one calendar</source>
        <translation>zawiera więcej niż jeden kalendarz</translation>
    </message>
    <message>
        <source>it is a to-do, not an event</source>
        <translation>jest zadaniem, a nie wydarzeniem</translation>
    </message>
    <message>
        <source>it holds no event</source>
        <translation>nie zawiera wydarzenia</translation>
    </message>
    <message>
        <source>it holds more than one event</source>
        <translation>zawiera więcej niż jedno wydarzenie</translation>
    </message>
    <message>
        <source>its only date is left out (EXDATE)</source>
        <translation>jego jedyna data jest pominięta (EXDATE)</translation>
    </message>
    <message>
        <source>its year %1 lies outside the years 1 to 9999</source>
        <translation>jego rok %1 leży poza latami od 1 do 9999</translation>
    </message>
</context>
<context>
    <name>MediaSoundPlayer</name>
    <message>
        <source>The built-in alarm sound %1 cannot be played either: %2.</source>
        <translation>Wbudowanego dźwięku alarmu %1 też nie można odtworzyć: %2.</translation>
    </message>
    <message>
        <source>The alarm sound %1 cannot be played as a sound: %2.</source>
        <translation>Dźwięku alarmu %1 nie można odtworzyć jako dźwięku: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound played instead.</source>
        <translation>Pliku %1 nie można odtworzyć jako dźwięku: %2. Zamiast niego odtworzono wbudowany dźwięk alarmu.</translation>
    </message>
    <message>
        <source>it did not open within %1 seconds</source>
        <translation>nie otworzył się w ciągu %1 sekund</translation>
    </message>
</context>
<context>
    <name>MissedReport</name>
    <message>
        <source>Snoozed alarm</source>
        <translation>Odłożony alarm</translation>
    </message>
    <message numerus="yes">
        <source>missed %n times, last %1</source>
        <translation>
            <numerusform>pominięte %n raz, ostatnio %1</numerusform>
            <numerusform>pominięte %n razy, ostatnio %1</numerusform>
            <numerusform>pominięte %n razy, ostatnio %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MissedWindow</name>
    <message>
        <source>Missed reminders</source>
        <translation>Pominięte przypomnienia</translation>
    </message>
    <message>
        <source>These reminders fell due while Vestrona could not ring them:</source>
        <translation>Te przypomnienia przypadły, gdy Vestrona nie mogła ich zgłosić:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Przypomnienie</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Powtarzanie</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i %n więcej</numerusform>
            <numerusform>i %n więcej</numerusform>
            <numerusform>i %n więcej</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer declares a DTD</source>
        <translation>odpowiedź deklaruje DTD</translation>
    </message>
    <message>
        <source>the answer uses an entity reference</source>
        <translation>odpowiedź używa odwołania do encji</translation>
    </message>
    <message>
        <source>the answer nests deeper than %1 elements</source>
        <translation>odpowiedź zagnieżdża elementy głębiej niż na %1 poziomach</translation>
    </message>
    <message>
        <source>malformed XML at line %1: %2</source>
        <translation>błędny XML w wierszu %1: %2</translation>
    </message>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>odpowiedź kończy się przed końcem swojego elementu multistatus</translation>
    </message>
    <message>
        <source>the answer is not a DAV multistatus</source>
        <translation>odpowiedź nie jest elementem multistatus DAV</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt; inside a text property</source>
        <translation>nieoczekiwany element &lt;%1&gt; wewnątrz właściwości tekstowej</translation>
    </message>
    <message>
        <source>a value in the answer is larger than %1 kB</source>
        <translation>wartość w odpowiedzi jest większa niż %1 kB</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MB</source>
        <translation>odpowiedź jest większa niż %1 MB</translation>
    </message>
</context>
<context>
    <name>NextReminderTip</name>
    <message>
        <source>
No reminder is due</source>
        <translation>
Brak zaplanowanych przypomnień</translation>
    </message>
    <message>
        <source>
Due </source>
        <translation>
Termin </translation>
    </message>
    <message>
        <source>
Next: </source>
        <translation>
Następne: </translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Startup Option</source>
        <translation>Opcje uruchamiania</translation>
    </message>
    <message>
        <source>Load this software on &amp;Windows startup</source>
        <translation>Uruchamiaj przy starcie &amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Minimized to system tray</source>
        <translation>&amp;Minimalizuj do zasobnika</translation>
    </message>
    <message>
        <source>Alarm Sound File</source>
        <translation>Plik dźwięku alarmu</translation>
    </message>
    <message>
        <source>&amp;Change Alarm Sound File</source>
        <translation>Zmień plik dźwięku &amp;alarmu</translation>
    </message>
    <message>
        <source>&amp;Test Alarm Sound</source>
        <translation>&amp;Testuj dźwięk alarmu</translation>
    </message>
    <message>
        <source>How often would you like to play the alarm?</source>
        <translation>Jak często odtwarzać alarm?</translation>
    </message>
    <message>
        <source>The stored alarm interval &quot;%1&quot; is not a number.</source>
        <translation>Zapisany odstęp alarmu „%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>The stored alarm interval %1 names no row of the interval list.</source>
        <translation>Zapisany odstęp alarmu %1 nie odpowiada żadnemu wierszowi listy.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound plays instead.</source>
        <translation>Pliku %1 nie można odtworzyć jako dźwięku: %2. Zamiast niego gra wbudowany dźwięk alarmu.</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Dodaj pliki – przytrzymaj Ctrl, aby wybrać kilka</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav|</source>
        <translation>Pliki WAV (*.wav)|*.wav|</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The alarm sound stays %3.</source>
        <translation>Pliku %1 nie można odtworzyć jako dźwięku: %2. Dźwiękiem alarmu pozostaje %3.</translation>
    </message>
    <message>
        <source>A snoozed alarm plays again after the chosen time.</source>
        <translation>Odłożony alarm zagra ponownie po wybranym czasie.</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Calendar sync</source>
        <translation>Synchronizuj kalendarz</translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation>&amp;Synchronizuj</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Nie teraz</translation>
    </message>
    <message>
        <source>The calendar server %2 did not accept the password for %1.
Type the &amp;password to sync:</source>
        <translation>Serwer kalendarza %2 nie przyjął hasła dla %1.
Wpisz &amp;hasło, aby synchronizować:</translation>
    </message>
    <message>
        <source>Vestrona needs the password for %1 at %2 to sync the calendar.
Type the &amp;password to sync:</source>
        <translation>Vestrona potrzebuje hasła dla %1 na %2, aby synchronizować kalendarz.
Wpisz &amp;hasło, aby synchronizować:</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>No password keyring is available; the password is kept only while Vestrona runs. After a restart, Vestrona asks for it when it next syncs.</source>
        <translation>Brak bazy kluczy na hasła; hasło jest przechowywane tylko, dopóki działa Vestrona. Po ponownym uruchomieniu Vestrona zapyta o nie przy następnej synchronizacji.</translation>
    </message>
</context>
<context>
    <name>PathHelpers</name>
    <message>
        <source>HOME is not set, so Vestrona has no folder of yours to keep your reminders and settings in (without HOME, set %1). Nothing was changed.</source>
        <translation>Zmienna HOME nie jest ustawiona, więc Vestrona nie ma twojego folderu na przypomnienia i ustawienia (bez HOME ustaw %1). Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress Bar</source>
        <translation>Pasek postępu</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
</context>
<context>
    <name>ReminderCommands</name>
    <message>
        <source>Text Files (*.txt)|*.txt|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*|</source>
        <translation>Pliki tekstowe (*.txt)|*.txt|iCalendar (*.ics)|*.ics|Wszystkie pliki (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Czy na pewno usunąć %1?</translation>
    </message>
    <message>
        <source>Delete Selected Reminder</source>
        <translation>Usuń wybrane przypomnienie</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Czy na pewno zastąpić %1?</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Wczytaj listy – przytrzymaj Ctrl, aby wybrać kilka plików</translation>
    </message>
    <message>
        <source>Added %1 from %2 files.</source>
        <translation>Dodano %1 z %2 plików.</translation>
    </message>
</context>
<context>
    <name>ReminderList</name>
    <message>
        <source>Reminder(s)</source>
        <translation>Przypomnienia</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Reminder ID</source>
        <translation>ID przypomnienia</translation>
    </message>
    <message>
        <source>%1, ended</source>
        <translation>%1, zakończone</translation>
    </message>
    <message>
        <source>These reminders never ring, because their start or repetition rule as stored is not valid; delete them, or enter them again:</source>
        <translation>Te przypomnienia nigdy nie dzwonią, ponieważ ich zapisany początek lub reguła powtarzania są niepoprawne; usuń je lub wprowadź ponownie:</translation>
    </message>
    <message>
        <source>ID %1 &quot;%2&quot;: option &quot;%3&quot;, date &quot;%4&quot;, time &quot;%5&quot;</source>
        <translation>ID %1 „%2”: rodzaj „%3”, data „%4”, godzina „%5”</translation>
    </message>
</context>
<context>
    <name>Reporter</name>
    <message>
        <source>in </source>
        <translation>w </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>w wierszu </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Wyślij zrzut ekranu tego komunikatu na adres </translation>
    </message>
</context>
<context>
    <name>RuleCheck</name>
    <message>
        <source>a repeat more often than every day</source>
        <translation>powtarzanie częstsze niż codzienne</translation>
    </message>
    <message>
        <source>The time zone %1 is not known on this computer.</source>
        <translation>Strefa czasowa %1 jest nieznana na tym komputerze.</translation>
    </message>
    <message>
        <source>The rule needs a valid start date and time.</source>
        <translation>Reguła wymaga poprawnej daty i godziny początku.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a repeat rule that can be read.</source>
        <translation>„%1” nie jest czytelną regułą powtarzania.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; uses %2, which a reminder cannot hold.</source>
        <translation>Reguła „%1” zawiera %2, czego przypomnienie nie może przechować.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; has a count or interval out of range.</source>
        <translation>Reguła „%1” ma liczbę powtórzeń lub odstęp spoza zakresu.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; ends at a time that does not exist.</source>
        <translation>Reguła „%1” kończy się w czasie, który nie istnieje.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; never falls on a date.</source>
        <translation>Reguła „%1” nie wypada w żaden dzień.</translation>
    </message>
    <message>
        <source>A date left out or added is not a valid date and time.</source>
        <translation>Pominięta lub dodana data nie jest poprawną datą i godziną.</translation>
    </message>
</context>
<context>
    <name>RuleSummary</name>
    <message>
        <source>Remind just this one time</source>
        <translation>Przypomnij jeden raz</translation>
    </message>
    <message>
        <source>Remind every day</source>
        <translation>Przypominaj codziennie</translation>
    </message>
    <message>
        <source>Remind weekly</source>
        <translation>Przypominaj co tydzień</translation>
    </message>
    <message>
        <source>first</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>second</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>third</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>last</source>
        <translation>ost.</translation>
    </message>
    <message>
        <source>second to last</source>
        <translation>przedost.</translation>
    </message>
    <message>
        <source>third to last</source>
        <translation>3. od końca</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>number %1 from the end</source>
        <translation>%1. od końca</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>codziennie</translation>
    </message>
    <message numerus="yes">
        <source>every %n days</source>
        <translation>
            <numerusform>co %n dzień</numerusform>
            <numerusform>co %n dni</numerusform>
            <numerusform>co %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>every week</source>
        <translation>co tydzień</translation>
    </message>
    <message numerus="yes">
        <source>every %n weeks</source>
        <translation>
            <numerusform>co %n tydzień</numerusform>
            <numerusform>co %n tygodnie</numerusform>
            <numerusform>co %n tygodni</numerusform>
        </translation>
    </message>
    <message>
        <source>every month</source>
        <translation>co miesiąc</translation>
    </message>
    <message numerus="yes">
        <source>every %n months</source>
        <translation>
            <numerusform>co %n miesiąc</numerusform>
            <numerusform>co %n miesiące</numerusform>
            <numerusform>co %n miesięcy</numerusform>
        </translation>
    </message>
    <message>
        <source>every year</source>
        <translation>co roku</translation>
    </message>
    <message numerus="yes">
        <source>every %n years</source>
        <translation>
            <numerusform>co %n rok</numerusform>
            <numerusform>co %n lata</numerusform>
            <numerusform>co %n lat</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>w %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>the %1 day</source>
        <translation>%1 dzień</translation>
    </message>
    <message>
        <source>on day %1</source>
        <translation>w dniu %1</translation>
    </message>
    <message>
        <source>on %1 %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>w %1</translation>
    </message>
    <message>
        <source>%1 weekday of %2</source>
        <translation>%1 dzień roboczy %2</translation>
    </message>
    <message>
        <source>only the %1 of these</source>
        <translation>tylko %1 z nich</translation>
    </message>
    <message>
        <source>, once</source>
        <translation>, jeden raz</translation>
    </message>
    <message numerus="yes">
        <source>, %n times</source>
        <translation>
            <numerusform>, %n raz</numerusform>
            <numerusform>, %n razy</numerusform>
            <numerusform>, %n razy</numerusform>
        </translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, do %1</translation>
    </message>
    <message>
        <source>On chosen dates</source>
        <translation>W wybrane dni</translation>
    </message>
    <message>
        <source>, except 1 date</source>
        <translation>, oprócz 1 daty</translation>
    </message>
    <message numerus="yes">
        <source>, except %n dates</source>
        <translation>
            <numerusform>, oprócz %n daty</numerusform>
            <numerusform>, oprócz %n dat</numerusform>
            <numerusform>, oprócz %n dat</numerusform>
        </translation>
    </message>
    <message>
        <source>, and 1 date more</source>
        <translation>, i jeszcze 1 data</translation>
    </message>
    <message numerus="yes">
        <source>, and %n dates more</source>
        <translation>
            <numerusform>, i jeszcze %n data</numerusform>
            <numerusform>, i jeszcze %n daty</numerusform>
            <numerusform>, i jeszcze %n dat</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The setting %1 could not be saved to %2: %3</source>
        <translation>Nie można zapisać ustawienia %1 w %2: %3</translation>
    </message>
    <message>
        <source>the file is read-only, so changes last only until Vestrona closes.</source>
        <translation>plik jest tylko do odczytu, więc zmiany obowiązują tylko do zamknięcia Vestrony.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>the folder could not be created.</source>
        <translation>nie można utworzyć folderu.</translation>
    </message>
    <message>
        <source>the unreadable settings file could not be moved aside.</source>
        <translation>nie można odsunąć nieczytelnego pliku ustawień.</translation>
    </message>
    <message>
        <source>the file could not be written.</source>
        <translation>nie można zapisać pliku.</translation>
    </message>
</context>
<context>
    <name>SoundTrack</name>
    <message>
        <source>it is not in a sound format the player knows</source>
        <translation>nie jest w formacie dźwięku znanym odtwarzaczowi</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>nie można go odczytać (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
</context>
<context>
    <name>SqliteDatabase</name>
    <message>
        <source>checking the file</source>
        <translation>sprawdzanie pliku</translation>
    </message>
    <message>
        <source>opening it</source>
        <translation>otwieranie</translation>
    </message>
    <message>
        <source>reading the reminders</source>
        <translation>odczyt przypomnień</translation>
    </message>
    <message>
        <source>reading a reminder</source>
        <translation>odczyt przypomnienia</translation>
    </message>
    <message>
        <source>The reminder with the ID %1 is no longer there.</source>
        <translation>Przypomnienia o ID %1 już nie ma.</translation>
    </message>
    <message>
        <source>preparing the change</source>
        <translation>przygotowanie zmiany</translation>
    </message>
    <message>
        <source>saving the change</source>
        <translation>zapis zmiany</translation>
    </message>
    <message>
        <source>The reminder database %1 is locked by another program; %2 failed. Try again in a moment.</source>
        <translation>Baza przypomnień %1 jest zablokowana przez inny program; nie powiodło się: %2. Spróbuj za chwilę.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>Baza przypomnień %1 jest uszkodzona (%2).</translation>
    </message>
    <message>
        <source>The disk holding the folder %1 is full; the change to the reminder database was not saved.</source>
        <translation>Dysk z folderem %1 jest pełny; zmiany w bazie przypomnień nie zapisano.</translation>
    </message>
    <message>
        <source>The reminder database %1 could not be read or written (%2); %3 failed.</source>
        <translation>Nie można odczytać ani zapisać bazy przypomnień %1 (%2); nie powiodło się: %3.</translation>
    </message>
    <message>
        <source>The reminder database %1 reported an error: %2 failed (%3).</source>
        <translation>Baza przypomnień %1 zgłosiła błąd: nie powiodło się: %2 (%3).</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>Baza przypomnień nie jest otwarta.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the reminder database may not be written to, so the change was not saved: changing the database needs room for a journal file there.</source>
        <translation>Do folderu %1 z bazą przypomnień nie można zapisywać, więc zmiany nie zapisano: zmiana bazy wymaga tam miejsca na plik dziennika.</translation>
    </message>
    <message>
        <source>The reminder database %1 is read-only; the change was not saved.</source>
        <translation>Baza przypomnień %1 jest tylko do odczytu; zmiany nie zapisano.</translation>
    </message>
    <message>
        <source>starting the change</source>
        <translation>rozpoczęcie zmiany</translation>
    </message>
    <message>
        <source>saving the changes</source>
        <translation>zapis zmian</translation>
    </message>
    <message>
        <source>undoing the changes</source>
        <translation>cofanie zmian</translation>
    </message>
    <message>
        <source>looking for changes</source>
        <translation>szukanie zmian</translation>
    </message>
    <message>
        <source>keeping the sync&apos;s records</source>
        <translation>prowadzenie danych synchronizacji</translation>
    </message>
    <message>
        <source>reading the repeat rules</source>
        <translation>odczyt reguł powtarzania</translation>
    </message>
    <message>
        <source>storing a repeat rule</source>
        <translation>zapis reguły powtarzania</translation>
    </message>
</context>
<context>
    <name>StatementParser</name>
    <message>
        <source>Option takes a whole number from -32768 to 32767, not %1.</source>
        <translation>Option przyjmuje liczbę całkowitą od -32768 do 32767, a nie %1.</translation>
    </message>
    <message>
        <source>StartDate takes a date of the years 1 to 9999, not %1.</source>
        <translation>StartDate przyjmuje datę z lat od 1 do 9999, a nie %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak daty</translation>
    </message>
    <message>
        <source>StartTime takes a time of day; none was given.</source>
        <translation>StartTime przyjmuje godzinę; nie podano żadnej.</translation>
    </message>
    <message>
        <source>The statement is empty.</source>
        <translation>Instrukcja jest pusta.</translation>
    </message>
    <message>
        <source>The statement must begin with select, insert, update or delete, not &quot;%1&quot;.</source>
        <translation>Instrukcja musi zaczynać się od select, insert, update lub delete, a nie od „%1”.</translation>
    </message>
    <message>
        <source>The statement holds a comment (&quot;%1&quot;); comments are not allowed.</source>
        <translation>Instrukcja zawiera komentarz („%1”); komentarze są niedozwolone.</translation>
    </message>
    <message>
        <source>The table name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Nazwa tabeli „%1” nie ma zamykającego „]”.</translation>
    </message>
    <message>
        <source>The column name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Nazwa kolumny „%1” nie ma zamykającego „]”.</translation>
    </message>
    <message>
        <source>A table name is missing before &quot;%1&quot;.</source>
        <translation>Brak nazwy tabeli przed „%1”.</translation>
    </message>
    <message>
        <source>A column name is missing before &quot;%1&quot;.</source>
        <translation>Brak nazwy kolumny przed „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was expected before &quot;%2&quot;.</source>
        <translation>Przed „%2” oczekiwano „%1”.</translation>
    </message>
    <message>
        <source>There is no table &quot;%1&quot;; the only table is tblReminders.</source>
        <translation>Nie ma tabeli „%1”; jedyną tabelą jest tblReminders.</translation>
    </message>
    <message>
        <source>The column ID is assigned by the database and cannot be written.</source>
        <translation>Kolumnę ID nadaje baza danych i nie można jej zapisywać.</translation>
    </message>
    <message>
        <source>tblReminders has no column &quot;%1&quot;.</source>
        <translation>tblReminders nie ma kolumny „%1”.</translation>
    </message>
    <message>
        <source>Only one statement may be run at a time; found more after it: &quot;%1&quot;.</source>
        <translation>Naraz można wykonać tylko jedną instrukcję; po niej znaleziono dalszy tekst: „%1”.</translation>
    </message>
    <message>
        <source>Unexpected text after the end of the statement: &quot;%1&quot;.</source>
        <translation>Nieoczekiwany tekst po końcu instrukcji: „%1”.</translation>
    </message>
    <message>
        <source>The only read supported is &quot;select * from tblReminders order by startdate,starttime&quot;; this text differs at &quot;%1&quot;.</source>
        <translation>Jedynym obsługiwanym odczytem jest „select * from tblReminders order by startdate,starttime”; ten tekst różni się w miejscu „%1”.</translation>
    </message>
    <message>
        <source>The insert names no columns.</source>
        <translation>Instrukcja insert nie wymienia żadnej kolumny.</translation>
    </message>
    <message>
        <source>A column name is missing after the last comma of the column list.</source>
        <translation>Brak nazwy kolumny po ostatnim przecinku listy kolumn.</translation>
    </message>
    <message>
        <source>The insert gives no values: the value list &quot;()&quot; is empty.</source>
        <translation>Instrukcja insert nie podaje wartości: lista wartości „()” jest pusta.</translation>
    </message>
    <message>
        <source>A value is missing after the last comma of the value list.</source>
        <translation>Brak wartości po ostatnim przecinku listy wartości.</translation>
    </message>
    <message>
        <source>The insert names %1 columns but gives %2 values.</source>
        <translation>Instrukcja insert wymienia kolumny w liczbie %1, ale podaje wartości w liczbie %2.</translation>
    </message>
    <message>
        <source>The insert gives no value for %1.</source>
        <translation>Instrukcja insert nie podaje wartości dla %1.</translation>
    </message>
    <message>
        <source>The update has no &quot;where id=&quot; part, so it would change every reminder.</source>
        <translation>Instrukcja update nie ma części „where id=”, więc zmieniłaby każde przypomnienie.</translation>
    </message>
    <message>
        <source>The delete has no &quot;where id=&quot; part, so it would remove every reminder.</source>
        <translation>Instrukcja delete nie ma części „where id=”, więc usunęłaby każde przypomnienie.</translation>
    </message>
    <message>
        <source>Rows can only be chosen by &quot;where id=&quot;, not by &quot;%1&quot;.</source>
        <translation>Wiersze można wybierać tylko przez „where id=”, a nie przez „%1”.</translation>
    </message>
    <message>
        <source>The reminder ID after &quot;where id=&quot; must be a whole number, not &quot;%1&quot;.</source>
        <translation>ID przypomnienia po „where id=” musi być liczbą całkowitą, a nie „%1”.</translation>
    </message>
    <message>
        <source>The statement ends where a value was expected.</source>
        <translation>Instrukcja kończy się tam, gdzie oczekiwano wartości.</translation>
    </message>
    <message>
        <source>The text value &quot;%1&quot; has no closing quote.</source>
        <translation>Wartość tekstowa „%1” nie ma zamykającego cudzysłowu.</translation>
    </message>
    <message>
        <source>The date or time value &quot;%1&quot; has no closing &quot;#&quot;.</source>
        <translation>Wartość daty lub godziny „%1” nie ma zamykającego „#”.</translation>
    </message>
    <message>
        <source>A value must be a number, a #date#, a #time# or a &apos;quoted text&apos;, not &quot;%1&quot;.</source>
        <translation>Wartość musi być liczbą, #datą#, #godziną# lub &apos;tekstem w cudzysłowie&apos;, a nie „%1”.</translation>
    </message>
    <message>
        <source>The column %1 is given twice.</source>
        <translation>Kolumnę %1 podano dwukrotnie.</translation>
    </message>
    <message>
        <source>Option takes a whole number, not &quot;%1&quot;.</source>
        <translation>Option przyjmuje liczbę całkowitą, a nie „%1”.</translation>
    </message>
    <message>
        <source>StartDate takes a date such as #10/23/2012#, not &quot;%1&quot;.</source>
        <translation>StartDate przyjmuje datę w rodzaju #10/23/2012#, a nie „%1”.</translation>
    </message>
    <message>
        <source>#%1# is no valid date for StartDate (month/day/year).</source>
        <translation>#%1# nie jest poprawną datą dla StartDate (miesiąc/dzień/rok).</translation>
    </message>
    <message>
        <source>StartTime takes a time such as #3:03:00 PM#, not &quot;%1&quot;.</source>
        <translation>StartTime przyjmuje godzinę w rodzaju #3:03:00 PM#, a nie „%1”.</translation>
    </message>
    <message>
        <source>#%1# is no valid time of day for StartTime.</source>
        <translation>#%1# nie jest poprawną godziną dla StartTime.</translation>
    </message>
    <message>
        <source>%1 takes a &apos;quoted text&apos;, not &quot;%2&quot;.</source>
        <translation>%1 przyjmuje &apos;tekst w cudzysłowie&apos;, a nie „%2”.</translation>
    </message>
</context>
<context>
    <name>SyncAccount</name>
    <message>
        <source>The calendar address is not a web address such as https://dav.example.org/alice/reminders/.</source>
        <translation>Adres kalendarza nie jest adresem internetowym w rodzaju https://dav.example.org/alice/reminders/.</translation>
    </message>
    <message>
        <source>The calendar address must start with https:// (plain http:// is only allowed for a server on this computer).</source>
        <translation>Adres kalendarza musi zaczynać się od https:// (zwykłe http:// jest dozwolone tylko dla serwera na tym komputerze).</translation>
    </message>
    <message>
        <source>The calendar address must start with https://.</source>
        <translation>Adres kalendarza musi zaczynać się od https://.</translation>
    </message>
</context>
<context>
    <name>SyncConflictArchive</name>
    <message>
        <source>The version from here of %1, changed here and on the server, cannot be saved to %2 (%3); nothing was changed.</source>
        <translation>Tutejszej wersji %1, zmienionej tu i na serwerze, nie można zapisać w %2 (%3); niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 was changed here and on the server: the server&apos;s version was kept, the version from here was saved to %2.</source>
        <translation>%1 zmieniono tutaj i na serwerze: zachowano wersję z serwera, a tutejszą zapisano w %2.</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <source>Calendar sync</source>
        <translation>Synchronizuj kalendarz</translation>
    </message>
    <message>
        <source>&amp;Calendar address:</source>
        <translation>&amp;Adres kalendarza:</translation>
    </message>
    <message>
        <source>&amp;Find calendars</source>
        <translation>&amp;Znajdź kalendarze</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nazwa &amp;użytkownika:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>Please fill in the user name.</source>
        <translation>Wpisz nazwę użytkownika.</translation>
    </message>
    <message>
        <source>Looking for calendars at %1…</source>
        <translation>Szukanie kalendarzy na %1…</translation>
    </message>
    <message>
        <source>Found the calendar &quot;%1&quot;.</source>
        <translation>Znaleziono kalendarz „%1”.</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Wybierz kalendarz</translation>
    </message>
    <message numerus="yes">
        <source>%n calendars were found; please choose one.</source>
        <translation>
            <numerusform>Znaleziono %n kalendarz; wybierz jeden.</numerusform>
            <numerusform>Znaleziono %n kalendarze; wybierz jeden.</numerusform>
            <numerusform>Znaleziono %n kalendarzy; wybierz jeden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Jeszcze nie zsynchronizowano.</translation>
    </message>
    <message>
        <source>This copy of Vestrona cannot sync; the account is kept for later.</source>
        <translation>Ta kopia Vestrony nie może synchronizować; konto zostanie zachowane na później.</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>&amp;Szczegóły</translation>
    </message>
    <message>
        <source>No certificate authority vouches for this server. Accept its certificate only if this is the fingerprint your server&apos;s administrator gave you:</source>
        <translation>Żaden urząd certyfikacji nie poręcza za ten serwer. Zaakceptuj jego certyfikat tylko wtedy, gdy to odcisk podany przez administratora serwera:</translation>
    </message>
    <message>
        <source>&amp;Accept this certificate</source>
        <translation>Akceptuj ten &amp;certyfikat</translation>
    </message>
    <message>
        <source>Put them &amp;back on the server</source>
        <translation>&amp;Przywróć je na serwer</translation>
    </message>
    <message>
        <source>Delete them &amp;here too</source>
        <translation>Usuń je także &amp;tutaj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Zap&amp;isz</translation>
    </message>
    <message>
        <source>Sync &amp;now</source>
        <translation>Synchronizuj te&amp;raz</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>not kept: type it to sync</source>
        <translation>niezapamiętane: wpisz je, aby synchronizować</translation>
    </message>
    <message>
        <source>kept; type a new one to change it</source>
        <translation>zapamiętane; wpisz nowe, aby je zmienić</translation>
    </message>
    <message>
        <source>The password could not be stored in the keyring.</source>
        <translation>Nie można zapisać hasła w bazie kluczy.</translation>
    </message>
    <message>
        <source>Last sync %1: </source>
        <translation>Ostatnia synchronizacja o %1: </translation>
    </message>
    <message>
        <source>Last sync: </source>
        <translation>Ostatnia synchronizacja: </translation>
    </message>
    <message>
        <source>Details of the last sync</source>
        <translation>Szczegóły ostatniej synchronizacji</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>The sync took longer than %1 seconds and was stopped. What it did so far is kept; the next sync goes on from there.</source>
        <translation>Synchronizacja trwała dłużej niż %1 s i została przerwana. To, co zrobiono, zostaje; następna zacznie od tego miejsca.</translation>
    </message>
    <message>
        <source>The calendar server did not answer as expected.</source>
        <translation>Serwer kalendarza nie odpowiedział zgodnie z oczekiwaniami.</translation>
    </message>
    <message>
        <source>The calendar on the server no longer holds %1 of the %2 items it held at the last sync, so nothing was deleted here. Either put this computer&apos;s reminders back on the server, or delete them here too.</source>
        <translation>Kalendarz na serwerze nie zawiera już %1 z %2 elementów z ostatniej synchronizacji, więc tutaj nic nie usunięto. Przywróć przypomnienia z tego komputera na serwer albo usuń je także tutaj.</translation>
    </message>
    <message>
        <source>the server did not take it; it is sent again next time</source>
        <translation>serwer go nie przyjął; zostanie wysłane ponownie następnym razem</translation>
    </message>
    <message>
        <source>the server did not delete it; it is asked again next time</source>
        <translation>serwer go nie usunął; prośba zostanie ponowiona następnym razem</translation>
    </message>
    <message>
        <source>: the server kept answering that it changed meanwhile</source>
        <translation>: serwer wciąż odpowiadał, że w międzyczasie się zmieniło</translation>
    </message>
    <message>
        <source>The calendar server took none of the %1 reminders sent to it: %2</source>
        <translation>Serwer kalendarza nie przyjął żadnego z %1 wysłanych przypomnień: %2</translation>
    </message>
</context>
<context>
    <name>SyncReconciler</name>
    <message>
        <source>its stored start or repeat cannot be read</source>
        <translation>jego zapisany początek lub powtarzanie są nieczytelne</translation>
    </message>
    <message>
        <source>it repeats weekly on no weekday, so it never rings</source>
        <translation>powtarza się co tydzień bez żadnego dnia, więc nigdy nie dzwoni</translation>
    </message>
</context>
<context>
    <name>SyncReport</name>
    <message>
        <source>failed: </source>
        <translation>nie powiodła się: </translation>
    </message>
    <message>
        <source>no calendar account is set up</source>
        <translation>nie skonfigurowano konta kalendarza</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <translation>
            <numerusform>%n wysłane</numerusform>
            <numerusform>%n wysłane</numerusform>
            <numerusform>%n wysłanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n pobrane</numerusform>
            <numerusform>%n pobrane</numerusform>
            <numerusform>%n pobranych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted here</source>
        <translation>
            <numerusform>%n usunięte tutaj</numerusform>
            <numerusform>%n usunięte tutaj</numerusform>
            <numerusform>%n usuniętych tutaj</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted on the server</source>
        <translation>
            <numerusform>%n usunięte na serwerze</numerusform>
            <numerusform>%n usunięte na serwerze</numerusform>
            <numerusform>%n usuniętych na serwerze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out</source>
        <translation>
            <numerusform>%n pominięte</numerusform>
            <numerusform>%n pominięte</numerusform>
            <numerusform>%n pominiętych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still left out</source>
        <translation>
            <numerusform>%n nadal pominięte</numerusform>
            <numerusform>%n nadal pominięte</numerusform>
            <numerusform>%n nadal pominiętych</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 konflikt</translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n konflikt</numerusform>
            <numerusform>%n konflikty</numerusform>
            <numerusform>%n konfliktów</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>nic do zmiany</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Pominięte: </translation>
    </message>
    <message>
        <source>Changed on both sides: </source>
        <translation>Zmienione po obu stronach: </translation>
    </message>
</context>
<context>
    <name>SyncStateTable</name>
    <message>
        <source>The calendar sync&apos;s bookkeeping in %1 was written by a newer Vestrona; sync this database with that version.</source>
        <translation>Dane synchronizacji w %1 zapisała nowsza Vestrona; synchronizuj tę bazę w tamtej wersji.</translation>
    </message>
</context>
<context>
    <name>TextLineReader</name>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Nie można odczytać pliku %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a backup file: %2.</source>
        <translation>Plik %1 nie jest plikiem kopii: %2.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>jest większy niż %1 MB</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 MB</source>
        <translation>wiersz %1 jest dłuższy niż %2 MB</translation>
    </message>
</context>
<context>
    <name>TrayPresence</name>
    <message>
        <source>Calendar sync failed: </source>
        <translation>Synchronizacja kalendarza nie powiodła się: </translation>
    </message>
    <message>
        <source>&amp;Show Vestrona</source>
        <translation>&amp;Pokaż Vestronę</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>S&amp;ynchronizuj kalendarz…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The hand cursor %1 could not be loaded.</source>
        <translation>Nie można wczytać kursora dłoni %1.</translation>
    </message>
</context>
<context>
    <name>vestrona::DBusNotifications</name>
    <message>
        <source>Reminder</source>
        <translation>Przypomnienie</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
</context>
<context>
    <name>vestrona::Form3</name>
    <message>
        <source>Remind every mo&amp;nth</source>
        <translation>Przypominaj co mi&amp;esiąc</translation>
    </message>
    <message>
        <source>Remind every &amp;year</source>
        <translation>Przypominaj co ro&amp;ku</translation>
    </message>
    <message>
        <source>&amp;Other repeat…</source>
        <translation>Inne powt&amp;arzanie…</translation>
    </message>
    <message>
        <source>&amp;Other repeat: %1</source>
        <translation>Inne powt&amp;arzanie: %1</translation>
    </message>
</context>
<context>
    <name>vestrona::RepeatDialog</name>
    <message>
        <source>Other repeat</source>
        <translation>Inne powtarzanie</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dni</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>tygodni</translation>
    </message>
    <message>
        <source>months</source>
        <translation>miesięcy</translation>
    </message>
    <message>
        <source>years</source>
        <translation>lat</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>Powt&amp;arzaj co</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>on &amp;day</source>
        <translation>w &amp;dzień</translation>
    </message>
    <message>
        <source>of the start</source>
        <translation>z daty początku</translation>
    </message>
    <message>
        <source>last</source>
        <translation>ostatni</translation>
    </message>
    <message>
        <source>first</source>
        <translation>pierwszy</translation>
    </message>
    <message>
        <source>second</source>
        <translation>drugi</translation>
    </message>
    <message>
        <source>third</source>
        <translation>trzeci</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>czwarty</translation>
    </message>
    <message>
        <source>weekday</source>
        <translation>dzień roboczy</translation>
    </message>
    <message>
        <source> times</source>
        <translation> wystąpieniach</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>o&amp;n the</source>
        <translation>w dni&amp;u tygodnia</translation>
    </message>
    <message>
        <source>ne&amp;ver</source>
        <translation>ni&amp;gdy</translation>
    </message>
    <message>
        <source>afte&amp;r</source>
        <translation>p&amp;o</translation>
    </message>
    <message>
        <source>unti&amp;l</source>
        <translation>dn&amp;ia</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Anu&amp;luj</translation>
    </message>
</context>
</TS>
