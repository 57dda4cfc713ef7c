<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccountSyncer</name>
    <message>
        <source>No password is kept for %1 at %2; please type it in &quot;Calendar sync…&quot;.</source>
        <translation>Aucun mot de passe n’est gardé pour %1 sur %2 ; saisissez-le dans « Synchro calendrier… ».</translation>
    </message>
</context>
<context>
    <name>AlarmIntervals</name>
    <message>
        <source>Play the alarm every 5 minutes</source>
        <translation>Jouer l’alarme toutes les 5 minutes</translation>
    </message>
    <message>
        <source>Play the alarm every 10 minutes</source>
        <translation>Jouer l’alarme toutes les 10 minutes</translation>
    </message>
    <message>
        <source>Play the alarm every 30 minutes</source>
        <translation>Jouer l’alarme toutes les 30 minutes</translation>
    </message>
    <message>
        <source>Play the alarm every 1 hour</source>
        <translation>Jouer l’alarme toutes les heures</translation>
    </message>
    <message>
        <source>Play the alarm every 2 hours</source>
        <translation>Jouer l’alarme toutes les 2 heures</translation>
    </message>
    <message>
        <source>Play the alarm every 4 hours</source>
        <translation>Jouer l’alarme toutes les 4 heures</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>Next alarm will play in </source>
        <translation>Prochaine alarme dans </translation>
    </message>
    <message>
        <source>Snoozed until</source>
        <translation>Reporté jusqu’à</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Prévu</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Calendar sync has been failing for more than an hour: </source>
        <translation>La synchronisation du calendrier échoue depuis plus d’une heure : </translation>
    </message>
    <message>
        <source>%1 Nothing was deleted here: choose in “Calendar sync…” whether to put the reminders back on the server or delete them here too.</source>
        <translation>%1 Rien n’a été supprimé ici : choisissez dans « Synchro calendrier… » de remettre les rappels sur le serveur ou de les supprimer ici aussi.</translation>
    </message>
    <message>
        <source>The reminder database %1 is in use by another program. Vestrona lists the reminders and starts the alarm as soon as it is free.</source>
        <translation>La base de rappels %1 est utilisée par un autre programme. Vestrona affiche les rappels et démarre l’alarme dès qu’elle est libre.</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 introuvable</translation>
    </message>
    <message>
        <source>The reminder database %1 has been deleted. The reminders still listed are no longer saved anywhere; put the file back, and Vestrona reads it again.</source>
        <translation>La base de rappels %1 a été supprimée. Les rappels encore affichés ne sont plus enregistrés nulle part ; remettez le fichier en place et Vestrona le relira.</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>La base de rappels n’est pas ouverte.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be entered in the logon start list.</source>
        <translation>Le fichier du programme est introuvable ; il ne peut donc pas être ajouté au démarrage de session.</translation>
    </message>
    <message>
        <source>The autostart folder &quot;%1&quot; could not be created.</source>
        <translation>Le dossier de démarrage automatique « %1 » n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be written: %2</source>
        <translation>L’entrée de démarrage automatique « %1 » n’a pas pu être écrite : %2</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be removed: %2</source>
        <translation>L’entrée de démarrage automatique « %1 » n’a pas pu être supprimée : %2</translation>
    </message>
</context>
<context>
    <name>BackupText</name>
    <message>
        <source>it has %1 of the %2 fields of a reminder.</source>
        <translation>elle a %1 des %2 champs d’un rappel.</translation>
    </message>
    <message>
        <source>its repetition rule &quot;%1&quot; is not a number.</source>
        <translation>sa règle de répétition « %1 » n’est pas un nombre.</translation>
    </message>
    <message>
        <source>its repetition rule %1 is out of range.</source>
        <translation>sa règle de répétition %1 est hors limites.</translation>
    </message>
    <message>
        <source>its start date &quot;%1&quot; is not a date.</source>
        <translation>sa date de début « %1 » n’est pas une date.</translation>
    </message>
    <message>
        <source>its start time &quot;%1&quot; is not a time.</source>
        <translation>son heure de début « %1 » n’est pas une heure.</translation>
    </message>
</context>
<context>
    <name>CalDavFailureWords</name>
    <message>
        <source>The calendar server %1 sent an answer the program cannot read: %2.</source>
        <translation>Le serveur de calendrier %1 a envoyé une réponse que le programme ne sait pas lire : %2.</translation>
    </message>
    <message>
        <source>The calendar server did not accept the user name or password.</source>
        <translation>Le serveur de calendrier n’a pas accepté le nom d’utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not let this user reach %2.</source>
        <translation>Le serveur de calendrier %1 ne laisse pas cet utilisateur accéder à %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 has nothing at %2.</source>
        <translation>Le serveur de calendrier %1 n’a rien à %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not allow this request on %2; is it the address of a calendar?</source>
        <translation>Le serveur de calendrier %1 n’autorise pas cette requête sur %2 ; est-ce bien l’adresse d’un calendrier ?</translation>
    </message>
    <message>
        <source>%1 was changed on the calendar server %2 meanwhile.</source>
        <translation>%1 a été modifié entre-temps sur le serveur de calendrier %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused %2 as too large.</source>
        <translation>Le serveur de calendrier %1 a refusé %2, trop volumineux.</translation>
    </message>
    <message>
        <source>The calendar server %1 is busy or down for maintenance; try again later.</source>
        <translation>Le serveur de calendrier %1 est occupé ou en maintenance ; réessayez plus tard.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no room left for %2.</source>
        <translation>Le serveur de calendrier %1 n’a plus de place pour %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request for %2 elsewhere without saying where (error %3).</source>
        <translation>Le serveur de calendrier %1 a renvoyé la requête pour %2 ailleurs sans dire où (erreur %3).</translation>
    </message>
    <message>
        <source>The calendar server %1 failed with error %2.</source>
        <translation>Le serveur de calendrier %1 a échoué avec l’erreur %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the request for %2 with error %3.</source>
        <translation>Le serveur de calendrier %1 a refusé la requête pour %2 avec l’erreur %3.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be found.</source>
        <translation>Le serveur de calendrier %1 est introuvable.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the connection; it may not be running.</source>
        <translation>Le serveur de calendrier %1 a refusé la connexion ; il n’est peut-être pas lancé.</translation>
    </message>
    <message>
        <source>The calendar server %1 closed the connection before it answered.</source>
        <translation>Le serveur de calendrier %1 a fermé la connexion avant de répondre.</translation>
    </message>
    <message>
        <source>The calendar server %1 did not answer in time.</source>
        <translation>Le serveur de calendrier %1 n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The calendar server %1 redirects in circles: the request was sent on again and again without reaching the calendar.</source>
        <translation>Le serveur de calendrier %1 redirige en boucle : la requête a été renvoyée encore et encore sans atteindre le calendrier.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to an address without https://; the program does not follow it.</source>
        <translation>Le serveur de calendrier %1 a renvoyé la requête vers une adresse sans https:// ; le programme ne la suit pas.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be reached: %2.</source>
        <translation>Le serveur de calendrier %1 est injoignable : %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <source>No calendar was found at %1: it is not a calendar, and the server names no calendars for the user there.</source>
        <translation>Aucun calendrier trouvé à %1 : ce n’est pas un calendrier, et le serveur n’y indique aucun calendrier pour l’utilisateur.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no calendar for this user yet (looked in %2); please make one there first.</source>
        <translation>Le serveur de calendrier %1 n’a pas encore de calendrier pour cet utilisateur (cherché dans %2) ; créez-en d’abord un là-bas.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Start date, YYYY-MM-DD.</source>
        <translation>Date de début, AAAA-MM-JJ (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>Start time, HH:MM or HH:MM:SS.</source>
        <translation>Heure de début, HH:MM ou HH:MM:SS.</translation>
    </message>
    <message>
        <source>Let backup replace an existing file.</source>
        <translation>Permet à backup de remplacer un fichier existant.</translation>
    </message>
    <message>
        <source>The calendar&apos;s address, for sync.</source>
        <translation>L’adresse du calendrier, pour sync.</translation>
    </message>
    <message>
        <source>The user name on the calendar server, for sync.</source>
        <translation>Le nom d’utilisateur sur le serveur de calendrier, pour sync.</translation>
    </message>
    <message>
        <source>Trust the server certificate with this SHA-256 fingerprint, for sync.</source>
        <translation>Faire confiance au certificat du serveur ayant cette empreinte SHA-256, pour sync.</translation>
    </message>
    <message>
        <source>Put this computer&apos;s reminders back on an emptied calendar, for sync.</source>
        <translation>Remettre les rappels de cet ordinateur dans un calendrier vidé, pour sync.</translation>
    </message>
    <message>
        <source>Delete here what an emptied calendar lost, for sync.</source>
        <translation>Supprimer ici ce qu’un calendrier vidé a perdu, pour sync.</translation>
    </message>
    <message>
        <source>The reminder database to use.</source>
        <translation>La base de rappels à utiliser.</translation>
    </message>
    <message>
        <source>

Without --database the reminders are those of %1</source>
        <translation>

Sans --database, les rappels sont ceux de %1</translation>
    </message>
    <message>
        <source>The command&apos;s arguments.</source>
        <translation>Les arguments de la commande.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reminder ID.</source>
        <translation>« %1 » n’est pas un numéro de rappel.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Aucune commande donnée.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli restore FILE...</source>
        <translation>Usage : vestrona-cli restore FICHIER...</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli import FILE...</source>
        <translation>Usage : vestrona-cli import FICHIER...</translation>
    </message>
    <message>
        <source>--upload-all and --accept-deletions exclude each other.</source>
        <translation>--upload-all et --accept-deletions s’excluent mutuellement.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Commande inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Try &apos;vestrona-cli --help&apos;.</source>
        <translation>Essayez &apos;vestrona-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli %1</source>
        <translation>Usage : vestrona-cli %1</translation>
    </message>
    <message>
        <source>--%1 does not belong to this command.</source>
        <translation>--%1 n’appartient pas à cette commande.</translation>
    </message>
    <message>
        <source>%1 already exists; use --force to replace it.</source>
        <translation>%1 existe déjà ; utilisez --force pour le remplacer.</translation>
    </message>
    <message>
        <source>add takes exactly one MESSAGE (quote it when it has blanks).</source>
        <translation>add prend exactement un MESSAGE (entre guillemets s’il contient des espaces).</translation>
    </message>
    <message>
        <source>add needs --%1.</source>
        <translation>add a besoin de --%1.</translation>
    </message>
    <message>
        <source>--date &quot;%1&quot; is not a date of the form YYYY-MM-DD.</source>
        <translation>--date « %1 » n’est pas une date de la forme YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>--time &quot;%1&quot; is not a time of the form HH:MM or HH:MM:SS.</source>
        <translation>--time « %1 » n’est pas une heure de la forme HH:MM ou HH:MM:SS.</translation>
    </message>
    <message>
        <source>--days: &quot;%1&quot; is not one of Mon, Tue, Wed, Thu, Fri, Sat, Sun.</source>
        <translation>--days : « %1 » n’est pas l’un de Mon, Tue, Wed, Thu, Fri, Sat, Sun.</translation>
    </message>
    <message>
        <source>A weekly reminder needs --days. Please choose at least one weekday.</source>
        <translation>Un rappel hebdomadaire a besoin de --days. Veuillez choisir au moins un jour de la semaine.</translation>
    </message>
    <message>
        <source>No reminder has the ID %1.</source>
        <translation>Aucun rappel n’a le numéro %1.</translation>
    </message>
    <message>
        <source>--accept-certificate wants the SHA-256 fingerprint as 32 hex pairs joined by &apos;:&apos;, as a failed sync prints it.</source>
        <translation>--accept-certificate attend l’empreinte SHA-256 sous forme de 32 paires hexadécimales reliées par &apos;:&apos;, telle qu’une synchronisation échouée l’affiche.</translation>
    </message>
    <message>
        <source>No calendar account is set up: give --url and --user once (or set it up in Vestrona&apos;s &quot;Calendar sync…&quot; dialog).</source>
        <translation>Aucun compte de calendrier n’est configuré : indiquez une fois --url et --user (ou configurez-le dans la boîte « Synchro calendrier… » de Vestrona).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Mot de passe de %1 sur %2 : </translation>
    </message>
    <message>
        <source>No password for %1 at %2: set VESTRONA_CALDAV_PASSWORD, keep it in the keyring through Vestrona&apos;s &quot;Calendar sync…&quot; dialog, or run this on a terminal.</source>
        <translation>Pas de mot de passe pour %1 sur %2 : définissez VESTRONA_CALDAV_PASSWORD, gardez-le dans le trousseau via la boîte « Synchro calendrier… » de Vestrona, ou lancez ceci dans un terminal.</translation>
    </message>
    <message>
        <source>No password given.</source>
        <translation>Aucun mot de passe donné.</translation>
    </message>
    <message>
        <source>the password could not be stored in the keyring; it is used for this sync only.</source>
        <translation>le mot de passe n’a pas pu être enregistré dans le trousseau ; il ne sert que pour cette synchronisation.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads to %n calendars (listed above); choose one with --url ADDRESS.</source>
        <translation>
            <numerusform>%1 mène à %n calendrier (listé ci-dessus) ; choisissez-en un avec --url ADRESSE.</numerusform>
            <numerusform>%1 mène à %n calendriers (listés ci-dessus) ; choisissez-en un avec --url ADRESSE.</numerusform>
        </translation>
    </message>
    <message>
        <source>To put this computer&apos;s reminders back on the server, run</source>
        <translation>Pour remettre les rappels de cet ordinateur sur le serveur, lancez</translation>
    </message>
    <message>
        <source>To delete them here too, run</source>
        <translation>Pour les supprimer ici aussi, lancez</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has the SHA-256 fingerprint</source>
        <translation>Le certificat du serveur a l’empreinte SHA-256</translation>
    </message>
    <message>
        <source>If that is your server&apos;s certificate (ask its administrator), accept it with</source>
        <translation>Si c’est bien le certificat de votre serveur (demandez à son administrateur), acceptez-le avec</translation>
    </message>
    <message>
        <source>or with &quot;Accept this certificate&quot; in Vestrona&apos;s &quot;Calendar sync…&quot; dialog.</source>
        <translation>ou avec « Accepter ce certificat » dans la boîte « Synchro calendrier… » de Vestrona.</translation>
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
        <translation>Lit et modifie les rappels de Vestrona.

Commandes :
  next                      le prochain rappel prévu : heure d’alarme, TAB, message
  list                      tous les rappels, un par ligne, colonnes séparées par TAB
  add --option once|daily|weekly|monthly|yearly --date YYYY-MM-DD
      --time HH:MM[:SS] [--days Mon,Tue,...] MESSAGE
                            ajoute un rappel et affiche son numéro ; monthly et
                            yearly se répètent le jour du début
  add --rule RRULE --date YYYY-MM-DD --time HH:MM[:SS] MESSAGE
                            ajoute un rappel répété selon une règle RFC 5545
                            sans « RRULE: », par ex. FREQ=MONTHLY;BYDAY=-1FR ;
                            FREQ, INTERVAL, BYDAY, BYMONTHDAY, BYMONTH,
                            BYSETPOS, COUNT, UNTIL (heure locale, ou UTC avec Z)
  agenda [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--days N]
                            chaque occurrence à partir de ce moment (par défaut
                            maintenant) sur N jours (par défaut 7) : heure, TAB,
                            numéro, TAB, message
  delete ID                 supprime un rappel
  backup [--force] FILE     écrit tous les rappels dans un fichier de sauvegarde
  restore FILE...           ajoute les rappels de fichiers de sauvegarde
  export [--force] FILE     écrit tous les rappels dans un fichier iCalendar (.ics)
  import FILE...            ajoute les événements et tâches de fichiers iCalendar et
                            les affiche ; une date sans heure commence à 00:00:00
  sync [--url URL --user NAME] [--accept-certificate SHA256]
       [--upload-all | --accept-deletions]
                            synchronise les rappels avec le calendrier CalDAV à l’adresse URL
                            (enregistrée pour les synchronisations suivantes et pour Vestrona)
                            et affiche ce qui a été envoyé, reçu, supprimé ou laissé de côté ;
                            le mot de passe vient de VESTRONA_CALDAV_PASSWORD, du trousseau ou,
                            dans un terminal, d’une invite ; code de sortie 1 si des éléments sont
                            laissés de côté, 3 si la synchronisation a échoué. Si le calendrier a
                            perdu la plupart de ses éléments, rien n’est supprimé tant que
                            --upload-all ne les remet pas ou que --accept-deletions ne les supprime pas ici aussi</translation>
    </message>
    <message>
        <source>once, daily, weekly, monthly or yearly.</source>
        <translation>once, daily, weekly, monthly ou yearly.</translation>
    </message>
    <message>
        <source>An RFC 5545 repeat rule, for add.</source>
        <translation>Une règle de répétition RFC 5545, pour add.</translation>
    </message>
    <message>
        <source>Where the agenda starts, &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>Début de l’agenda, « YYYY-MM-DD HH:MM:SS ».</translation>
    </message>
    <message>
        <source>Weekdays, e.g. Mon,Wed,Fri; for agenda, a number of days.</source>
        <translation>Jours de la semaine, par ex. Mon,Wed,Fri ; pour agenda, un nombre de jours.</translation>
    </message>
    <message>
        <source>next, list, add, agenda, delete, backup, restore, export, import or sync.</source>
        <translation>next, list, add, agenda, delete, backup, restore, export, import ou sync.</translation>
    </message>
    <message>
        <source>add needs either --option or --rule.</source>
        <translation>add a besoin de --option ou de --rule.</translation>
    </message>
    <message>
        <source>--option must be once, daily, weekly, monthly or yearly, not &quot;%1&quot;.</source>
        <translation>--option doit valoir once, daily, weekly, monthly ou yearly, pas « %1 ».</translation>
    </message>
    <message>
        <source>--days belongs to --option weekly; a rule names its days in BYDAY.</source>
        <translation>--days va avec --option weekly ; une règle indique ses jours dans BYDAY.</translation>
    </message>
    <message>
        <source>--from &quot;%1&quot; is not of the form &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>--from « %1 » n’est pas de la forme « YYYY-MM-DD HH:MM:SS ».</translation>
    </message>
    <message>
        <source>--days for agenda takes a number of days from 1 to 3660.</source>
        <translation>--days pour agenda prend un nombre de jours de 1 à 3660.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>Execute runs only insert, update and delete statements; the ordered select is a read.</source>
        <translation>Execute n’exécute que des instructions insert, update et delete ; le select ordonné est une lecture.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>1 day %1</source>
        <translation>1 jour %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2</source>
        <translation>
            <numerusform>%1 jour %2</numerusform>
            <numerusform>%1 jours %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataLocation</name>
    <message>
        <source>%1 is a file, not a folder, so your reminder database cannot be made in it.</source>
        <translation>%1 est un fichier, pas un dossier ; votre base de rappels ne peut pas y être créée.</translation>
    </message>
    <message>
        <source>The folder %1 for your reminder database could not be made.</source>
        <translation>Le dossier %1 de votre base de rappels n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 that comes with Vestrona could not be read, so your reminder database cannot be made.</source>
        <translation>La base de rappels vide %1 fournie avec Vestrona n’a pas pu être lue ; votre base de rappels ne peut donc pas être créée.</translation>
    </message>
    <message>
        <source>Your reminder database could not be made in the folder %1: %2</source>
        <translation>Votre base de rappels n’a pas pu être créée dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Your reminder database %1 could not be made: %2</source>
        <translation>Votre base de rappels %1 n’a pas pu être créée : %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFileCheck</name>
    <message>
        <source>The reminder database %1 does not exist.</source>
        <translation>La base de rappels %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The reminder database %1 is a folder, not a file.</source>
        <translation>La base de rappels %1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not a regular file.</source>
        <translation>La base de rappels %1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The reminder database %1 cannot be read: %2.</source>
        <translation>La base de rappels %1 ne peut pas être lue : %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is empty (0 bytes); it holds no reminders table.</source>
        <translation>La base de rappels %1 est vide (0 octet) ; elle ne contient aucune table de rappels.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not an SQLite database.</source>
        <translation>La base de rappels %1 n’est pas une base SQLite.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is cut off inside its header.</source>
        <translation>La base de rappels %1 est endommagée : le fichier est coupé dans son en-tête.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: its header names no valid page size.</source>
        <translation>La base de rappels %1 est endommagée : son en-tête n’indique aucune taille de page valide.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is shorter than its own header says (it may have been cut off).</source>
        <translation>La base de rappels %1 est endommagée : le fichier est plus court que ne l’indique son en-tête (il a peut-être été tronqué).</translation>
    </message>
</context>
<context>
    <name>DatabaseOpening</name>
    <message>
        <source>The reminder database %1 has no table tblReminders.</source>
        <translation>La base de rappels %1 n’a pas de table tblReminders.</translation>
    </message>
    <message>
        <source>The reminder database %1 has a table tblReminders without the column %2.</source>
        <translation>La base de rappels %1 a une table tblReminders sans la colonne %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>La base de rappels %1 est endommagée (%2).</translation>
    </message>
</context>
<context>
    <name>DavHttpClient</name>
    <message>
        <source>The calendar server %1 sent an answer larger than %2 MB; the program does not read it.</source>
        <translation>Le serveur de calendrier %1 a envoyé une réponse de plus de %2 Mo ; le programme ne la lit pas.</translation>
    </message>
    <message>
        <source>The calendar server %1 stopped answering (nothing for %2 seconds).</source>
        <translation>Le serveur de calendrier %1 ne répond plus (rien depuis %2 secondes).</translation>
    </message>
    <message>
        <source>The calendar server %1 took too long to answer (more than %2 seconds); the request was given up.</source>
        <translation>Le serveur de calendrier %1 a mis trop de temps à répondre (plus de %2 secondes) ; la requête a été abandonnée.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to %2; the program only follows redirects on the same server.</source>
        <translation>Le serveur de calendrier %1 a renvoyé la requête vers %2 ; le programme ne suit que les redirections sur le même serveur.</translation>
    </message>
    <message>
        <source>The certificate of the calendar server %1 is not trusted: %2.</source>
        <translation>Le certificat du serveur de calendrier %1 n’est pas reconnu : %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 answered %2 where a list of resources was due.</source>
        <translation>Le serveur de calendrier %1 a répondu %2 là où une liste de ressources était attendue.</translation>
    </message>
</context>
<context>
    <name>EmptyDatabase</name>
    <message>
        <source>The schema file %1 cannot be read: %2.</source>
        <translation>Le fichier de schéma %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 could not be made: %2.</source>
        <translation>La base de rappels vide %1 n’a pas pu être créée : %2.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 line was left out:</source>
        <translation>%1 ajouté(s) depuis %2. 1 ligne a été laissée de côté :</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n lines were left out:</source>
        <translation>
            <numerusform>%1 ajouté(s) depuis %2. %n ligne a été laissée de côté :</numerusform>
            <numerusform>%1 ajouté(s) depuis %2. %n lignes ont été laissées de côté :</numerusform>
        </translation>
    </message>
    <message>
        <source>their message contains &quot;%1&quot;, which the backup file uses between its fields</source>
        <translation>leur message contient « %1 », que le fichier de sauvegarde utilise entre ses champs</translation>
    </message>
    <message>
        <source>Writing file: %1</source>
        <translation>Écriture du fichier : %1</translation>
    </message>
    <message>
        <source>Saved %1 to %2.</source>
        <translation>%1 enregistré(s) dans %2.</translation>
    </message>
    <message>
        <source>Reading file: %1</source>
        <translation>Lecture du fichier : %1</translation>
    </message>
    <message>
        <source>Added %1 from %2.</source>
        <translation>%1 ajouté(s) depuis %2.</translation>
    </message>
    <message>
        <source>The backup file %1 cannot be created: %2.</source>
        <translation>Le fichier de sauvegarde %1 ne peut pas être créé : %2.</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Le fichier de sauvegarde %1 n’a pas pu être écrit : %2. Un fichier existant de ce nom est resté tel quel.</translation>
    </message>
    <message>
        <source>The calendar file %1 cannot be created: %2.</source>
        <translation>Le fichier de calendrier %1 ne peut pas être créé : %2.</translation>
    </message>
    <message>
        <source>The calendar file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>Le fichier de calendrier %1 n’a pas pu être écrit : %2. Un fichier existant de ce nom est resté tel quel.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 rappel</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n rappel</numerusform>
            <numerusform>%n rappels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... et %n autre.</numerusform>
            <numerusform>... et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk holding the folder %1 is full</source>
        <translation>le disque du dossier %1 est plein</translation>
    </message>
    <message>
        <source>These reminders were not written to %1, because %2:</source>
        <translation>Ces rappels n’ont pas été écrits dans %1, car %2 :</translation>
    </message>
    <message>
        <source>their start or repetition rule as stored is not valid</source>
        <translation>leur début ou leur règle de répétition enregistrés ne sont pas valides</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 entry was left out:</source>
        <translation>%1 ajouté(s) depuis %2. 1 élément a été laissé de côté :</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n entries were left out:</source>
        <translation>
            <numerusform>%1 ajouté(s) depuis %2. %n élément a été laissé de côté :</numerusform>
            <numerusform>%1 ajouté(s) depuis %2. %n éléments ont été laissés de côté :</numerusform>
        </translation>
    </message>
    <message>
        <source>they are weekly on no weekday and so never ring</source>
        <translation>ils sont hebdomadaires sans aucun jour de la semaine et ne sonnent donc jamais</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 exporté(s) vers %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be imported: %2.</source>
        <translation>Le fichier %1 ne peut pas être importé : %2.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Next alarm will play in</source>
        <translation>Prochaine alarme dans</translation>
    </message>
    <message>
        <source>&amp;Add New Reminder</source>
        <translation>&amp;Ajouter un rappel</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Reminder</source>
        <translation>&amp;Modifier le rappel choisi</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Reminder</source>
        <translation>&amp;Supprimer le rappel choisi</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Reminder</source>
        <translation>Charger un rappel d’e&amp;xemple</translation>
    </message>
    <message>
        <source>&amp;Backup Reminders To File </source>
        <translation>Sauvegarder dans un &amp;fichier </translation>
    </message>
    <message>
        <source>&amp;Load Reminders From File </source>
        <translation>&amp;Charger depuis un fichier </translation>
    </message>
    <message>
        <source>Set Date &amp;Format</source>
        <translation>Format de &amp;date</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>S&amp;ynchro calendrier…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>The skin file %1 could not be read: %2</source>
        <translation>Le fichier d’apparence %1 n’a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>1 reminder was missed while Vestrona was not running</source>
        <translation>1 rappel a été manqué pendant que Vestrona ne tournait pas</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were missed while Vestrona was not running</source>
        <translation>
            <numerusform>%n rappel a été manqué pendant que Vestrona ne tournait pas</numerusform>
            <numerusform>%n rappels ont été manqués pendant que Vestrona ne tournait pas</numerusform>
        </translation>
    </message>
    <message>
        <source>Time until the next alarm</source>
        <translation>Temps avant la prochaine alarme</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Enter edits the chosen reminder, Delete deletes it, Ctrl+N adds one.</source>
        <translation>Entrée modifie le rappel choisi, Suppr le supprime, Ctrl+N en ajoute un.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source> Reminder</source>
        <translation> Rappel</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Répéter</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>1 of %1</source>
        <translation>1 sur %1</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Message du rappel</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Heure :</translation>
    </message>
    <message>
        <source>&amp;Reminder Option</source>
        <translation>&amp;Type de rappel</translation>
    </message>
    <message>
        <source>Remind &amp;just this one time</source>
        <translation>Rappeler &amp;une seule fois</translation>
    </message>
    <message>
        <source>Remind e&amp;very day</source>
        <translation>Rappeler &amp;chaque jour</translation>
    </message>
    <message>
        <source>Remind every wee&amp;k</source>
        <translation>Rappeler chaque semai&amp;ne</translation>
    </message>
    <message>
        <source>Messa&amp;ge</source>
        <translation>Messa&amp;ge</translation>
    </message>
    <message>
        <source>&amp;Save Reminder</source>
        <translation>&amp;Enregistrer le rappel</translation>
    </message>
    <message>
        <source>Reminder saved.</source>
        <translation>Rappel enregistré.</translation>
    </message>
    <message>
        <source>
Its time has already passed, so it will not ring.</source>
        <translation>
Son heure est déjà passée ; il ne sonnera donc pas.</translation>
    </message>
    <message>
        <source>Please fill out a message.</source>
        <translation>Veuillez saisir un message.</translation>
    </message>
    <message>
        <source>Please choose at least one weekday.</source>
        <translation>Veuillez choisir au moins un jour de la semaine.</translation>
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
        <translation>&amp;Me</translation>
    </message>
    <message>
        <source>T&amp;hu</source>
        <translation>&amp;Je</translation>
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
        <translation>D&amp;i</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Type A or P for the half of the day.</source>
        <translation>Tapez A ou P pour la moitié de la journée (AM/PM).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Set Date Format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Date &amp;Format</source>
        <translation>&amp;Format de date</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>HttpCalDavCollection</name>
    <message>
        <source>%1 on the server %2 is not a calendar.</source>
        <translation>%1 sur le serveur %2 n’est pas un calendrier.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>ce n’est pas un fichier iCalendar (il ne commence pas par BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than any calendar of reminders</source>
        <translation>il fait plus de %1 Mo, plus que n’importe quel calendrier de rappels</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>ce n’est pas un fichier texte</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, which iCalendar files are</source>
        <translation>il n’est pas en texte UTF-8, comme doivent l’être les fichiers iCalendar</translation>
    </message>
    <message>
        <source>it defines more than %1 time zones, which no calendar needs</source>
        <translation>il définit plus de %1 fuseaux horaires, ce dont aucun calendrier n’a besoin</translation>
    </message>
    <message>
        <source>it holds more than %1 events and to-dos, more than any list of reminders</source>
        <translation>il contient plus de %1 événements et tâches, plus que n’importe quelle liste de rappels</translation>
    </message>
    <message>
        <source>it repeats %1, which a reminder cannot</source>
        <translation>il se répète à la fréquence %1, ce qu’un rappel ne sait pas faire</translation>
    </message>
    <message>
        <source>its rule picks days by %1</source>
        <translation>sa règle choisit les jours par %1</translation>
    </message>
    <message>
        <source>its rule counts in another calendar (RSCALE)</source>
        <translation>sa règle compte dans un autre système de calendrier (RSCALE)</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lies more than 24 hours away from UTC, which no real zone does</source>
        <translation>son fuseau horaire « %1 » est à plus de 24 heures de l’UTC, ce qui n’est le cas d’aucun fuseau réel</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; changes its offset more than %2 times a year, which no real zone does</source>
        <translation>son fuseau horaire « %1 » change de décalage plus de %2 fois par an, ce qui n’est le cas d’aucun fuseau réel</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lists more than %2 changes of its offset, which no real zone does</source>
        <translation>son fuseau horaire « %1 » énumère plus de %2 changements de décalage, ce qui n’est le cas d’aucun fuseau réel</translation>
    </message>
    <message>
        <source>a line of its time zone &quot;%1&quot; cannot be read (%2)</source>
        <translation>une ligne de son fuseau horaire « %1 » est illisible (%2)</translation>
    </message>
    <message>
        <source>its %1 line is longer than %2 KB</source>
        <translation>sa ligne %1 dépasse %2 Ko</translation>
    </message>
    <message>
        <source>a line of it cannot be read (%1)</source>
        <translation>une de ses lignes est illisible (%1)</translation>
    </message>
    <message>
        <source>it is cancelled (STATUS:CANCELLED)</source>
        <translation>il est annulé (STATUS:CANCELLED)</translation>
    </message>
    <message>
        <source>it is done (COMPLETED)</source>
        <translation>il est terminé (COMPLETED)</translation>
    </message>
    <message>
        <source>its message is longer than %1 KB</source>
        <translation>son message dépasse %1 Ko</translation>
    </message>
    <message>
        <source>it changes one time of another event (RECURRENCE-ID)</source>
        <translation>il modifie une occurrence d’un autre événement (RECURRENCE-ID)</translation>
    </message>
    <message>
        <source>it has no due time (DUE)</source>
        <translation>il n’a pas d’échéance (DUE)</translation>
    </message>
    <message>
        <source>it has no start (DTSTART)</source>
        <translation>il n’a pas de début (DTSTART)</translation>
    </message>
    <message>
        <source>its time is not a valid date and time</source>
        <translation>son heure n’est pas une date et heure valide</translation>
    </message>
    <message>
        <source>its date %1-%2-%3 does not exist</source>
        <translation>sa date %1-%2-%3 n’existe pas</translation>
    </message>
    <message>
        <source>its time %1:%2:%3 does not exist</source>
        <translation>son heure %1:%2:%3 n’existe pas</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is unknown</source>
        <translation>son fuseau horaire « %1 » est inconnu</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is not one this computer knows, so it cannot repeat by it</source>
        <translation>son fuseau horaire « %1 » est inconnu de cet ordinateur, il ne peut donc pas se répéter selon ce fuseau</translation>
    </message>
    <message>
        <source>its time cannot be turned into a local time</source>
        <translation>son heure ne peut pas être convertie en heure locale</translation>
    </message>
    <message>
        <source>it leaves out dates by a rule (EXRULE)</source>
        <translation>il exclut des dates par une règle (EXRULE)</translation>
    </message>
    <message>
        <source>it has more than one rule (RRULE)</source>
        <translation>il a plus d’une règle (RRULE)</translation>
    </message>
    <message>
        <source>it adds a stretch of time (RDATE;VALUE=PERIOD)</source>
        <translation>il ajoute une période (RDATE;VALUE=PERIOD)</translation>
    </message>
    <message>
        <source>libical cannot read it as a calendar; it may be cut off</source>
        <translation>libical ne peut pas le lire comme un calendrier ; il est peut-être tronqué</translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>il ne contient ni événement ni tâche</translation>
    </message>
    <message>
        <source>it holds more than one calendar</source>
        <translation>il contient plus d’un calendrier</translation>
    </message>
    <message>
        <source>it is a to-do, not an event</source>
        <translation>c’est une tâche, pas un événement</translation>
    </message>
    <message>
        <source>it holds no event</source>
        <translation>il ne contient aucun événement</translation>
    </message>
    <message>
        <source>it holds more than one event</source>
        <translation>il contient plus d’un événement</translation>
    </message>
    <message>
        <source>its only date is left out (EXDATE)</source>
        <translation>sa seule date est exclue (EXDATE)</translation>
    </message>
    <message>
        <source>its year %1 lies outside the years 1 to 9999</source>
        <translation>son année %1 est en dehors des années 1 à 9999</translation>
    </message>
</context>
<context>
    <name>MediaSoundPlayer</name>
    <message>
        <source>The built-in alarm sound %1 cannot be played either: %2.</source>
        <translation>Le son d’alarme intégré %1 ne peut pas être joué non plus : %2.</translation>
    </message>
    <message>
        <source>The alarm sound %1 cannot be played as a sound: %2.</source>
        <translation>Le son d’alarme %1 ne peut pas être joué comme son : %2.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound played instead.</source>
        <translation>%1 ne peut pas être joué comme son : %2. Le son d’alarme intégré a été joué à la place.</translation>
    </message>
    <message>
        <source>it did not open within %1 seconds</source>
        <translation>il ne s’est pas ouvert en %1 secondes</translation>
    </message>
</context>
<context>
    <name>MissedReport</name>
    <message>
        <source>Snoozed alarm</source>
        <translation>Alarme reportée</translation>
    </message>
    <message numerus="yes">
        <source>missed %n times, last %1</source>
        <translation>
            <numerusform>manqué %n fois, la dernière le %1</numerusform>
            <numerusform>manqué %n fois, la dernière le %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MissedWindow</name>
    <message>
        <source>Missed reminders</source>
        <translation>Rappels manqués</translation>
    </message>
    <message>
        <source>These reminders fell due while Vestrona could not ring them:</source>
        <translation>Ces rappels sont arrivés à échéance quand Vestrona ne pouvait pas sonner :</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Prévu</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer declares a DTD</source>
        <translation>la réponse déclare une DTD</translation>
    </message>
    <message>
        <source>the answer uses an entity reference</source>
        <translation>la réponse utilise une référence d’entité</translation>
    </message>
    <message>
        <source>the answer nests deeper than %1 elements</source>
        <translation>la réponse imbrique plus de %1 niveaux d’éléments</translation>
    </message>
    <message>
        <source>malformed XML at line %1: %2</source>
        <translation>XML mal formé à la ligne %1 : %2</translation>
    </message>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>la réponse se termine avant la fin de son multistatus</translation>
    </message>
    <message>
        <source>the answer is not a DAV multistatus</source>
        <translation>la réponse n’est pas un multistatus DAV</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt; inside a text property</source>
        <translation>élément &lt;%1&gt; inattendu dans une propriété texte</translation>
    </message>
    <message>
        <source>a value in the answer is larger than %1 kB</source>
        <translation>une valeur de la réponse dépasse %1 Ko</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MB</source>
        <translation>la réponse dépasse %1 Mo</translation>
    </message>
</context>
<context>
    <name>NextReminderTip</name>
    <message>
        <source>
No reminder is due</source>
        <translation>
Aucun rappel prévu</translation>
    </message>
    <message>
        <source>
Due </source>
        <translation>
Prévu </translation>
    </message>
    <message>
        <source>
Next: </source>
        <translation>
Prochain : </translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Startup Option</source>
        <translation>Option de démarrage</translation>
    </message>
    <message>
        <source>Load this software on &amp;Windows startup</source>
        <translation>Lancer ce logiciel au démarrage de &amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Minimized to system tray</source>
        <translation>Réduit en &amp;icône</translation>
    </message>
    <message>
        <source>Alarm Sound File</source>
        <translation>Fichier du son d’alarme</translation>
    </message>
    <message>
        <source>&amp;Change Alarm Sound File</source>
        <translation>Changer le fichier du son d’ala&amp;rme</translation>
    </message>
    <message>
        <source>&amp;Test Alarm Sound</source>
        <translation>&amp;Tester le son d’alarme</translation>
    </message>
    <message>
        <source>How often would you like to play the alarm?</source>
        <translation>À quelle fréquence jouer l’alarme ?</translation>
    </message>
    <message>
        <source>The stored alarm interval &quot;%1&quot; is not a number.</source>
        <translation>L’intervalle d’alarme enregistré « %1 » n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The stored alarm interval %1 names no row of the interval list.</source>
        <translation>L’intervalle d’alarme enregistré %1 ne correspond à aucune ligne de la liste.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound plays instead.</source>
        <translation>%1 ne peut pas être joué comme son : %2. Le son d’alarme intégré est joué à la place.</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Ajouter des fichiers – maintenez Ctrl pour en choisir plusieurs</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav|</source>
        <translation>Fichiers WAV (*.wav)|*.wav|</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The alarm sound stays %3.</source>
        <translation>%1 ne peut pas être joué comme son : %2. Le son d’alarme reste %3.</translation>
    </message>
    <message>
        <source>A snoozed alarm plays again after the chosen time.</source>
        <translation>Une alarme reportée sonne de nouveau après le temps choisi.</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Calendar sync</source>
        <translation>Synchro calendrier</translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation>&amp;Synchroniser</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Pas maintenant</translation>
    </message>
    <message>
        <source>The calendar server %2 did not accept the password for %1.
Type the &amp;password to sync:</source>
        <translation>Le serveur de calendrier %2 n’a pas accepté le mot de passe pour %1.
Saisissez le &amp;mot de passe pour synchroniser :</translation>
    </message>
    <message>
        <source>Vestrona needs the password for %1 at %2 to sync the calendar.
Type the &amp;password to sync:</source>
        <translation>Pour synchroniser le calendrier, Vestrona a besoin du mot de passe pour %1 sur %2.
Saisissez le &amp;mot de passe pour synchroniser :</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>No password keyring is available; the password is kept only while Vestrona runs. After a restart, Vestrona asks for it when it next syncs.</source>
        <translation>Aucun trousseau de mots de passe n’est disponible ; le mot de passe n’est gardé que pendant que Vestrona tourne. Après un redémarrage, Vestrona le redemande à la synchronisation suivante.</translation>
    </message>
</context>
<context>
    <name>PathHelpers</name>
    <message>
        <source>HOME is not set, so Vestrona has no folder of yours to keep your reminders and settings in (without HOME, set %1). Nothing was changed.</source>
        <translation>HOME n’est pas défini ; Vestrona n’a donc aucun dossier à vous où garder vos rappels et réglages (sans HOME, définissez %1). Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>ReminderCommands</name>
    <message>
        <source>Text Files (*.txt)|*.txt|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*|</source>
        <translation>Fichiers texte (*.txt)|*.txt|iCalendar (*.ics)|*.ics|Tous les fichiers (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Voulez-vous vraiment supprimer %1 ?</translation>
    </message>
    <message>
        <source>Delete Selected Reminder</source>
        <translation>Supprimer le rappel choisi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment écraser %1 ?</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Charger des listes – maintenez Ctrl pour en choisir plusieurs</translation>
    </message>
    <message>
        <source>Added %1 from %2 files.</source>
        <translation>%1 ajoutés depuis %2 fichiers.</translation>
    </message>
</context>
<context>
    <name>ReminderList</name>
    <message>
        <source>Reminder(s)</source>
        <translation>Rappel(s)</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Reminder ID</source>
        <translation>N° du rappel</translation>
    </message>
    <message>
        <source>%1, ended</source>
        <translation>%1, terminé</translation>
    </message>
    <message>
        <source>These reminders never ring, because their start or repetition rule as stored is not valid; delete them, or enter them again:</source>
        <translation>Ces rappels ne sonnent jamais, car leur début ou leur règle de répétition enregistrés ne sont pas valides ; supprimez-les ou saisissez-les à nouveau :</translation>
    </message>
    <message>
        <source>ID %1 &quot;%2&quot;: option &quot;%3&quot;, date &quot;%4&quot;, time &quot;%5&quot;</source>
        <translation>N° %1 « %2 » : type « %3 », date « %4 », heure « %5 »</translation>
    </message>
</context>
<context>
    <name>Reporter</name>
    <message>
        <source>in </source>
        <translation>dans </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>à la ligne </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Veuillez envoyer une capture d’écran de ce message à </translation>
    </message>
</context>
<context>
    <name>RuleCheck</name>
    <message>
        <source>a repeat more often than every day</source>
        <translation>une répétition plus fréquente que quotidienne</translation>
    </message>
    <message>
        <source>The time zone %1 is not known on this computer.</source>
        <translation>Le fuseau horaire %1 est inconnu sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The rule needs a valid start date and time.</source>
        <translation>La règle a besoin d’une date et d’une heure de début valides.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a repeat rule that can be read.</source>
        <translation>« %1 » n’est pas une règle de répétition lisible.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; uses %2, which a reminder cannot hold.</source>
        <translation>La règle « %1 » utilise %2, ce qu’un rappel ne peut pas contenir.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; has a count or interval out of range.</source>
        <translation>La règle « %1 » a un nombre de répétitions ou un intervalle hors limites.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; ends at a time that does not exist.</source>
        <translation>La règle « %1 » se termine à une heure qui n’existe pas.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; never falls on a date.</source>
        <translation>La règle « %1 » ne tombe jamais sur une date.</translation>
    </message>
    <message>
        <source>A date left out or added is not a valid date and time.</source>
        <translation>Une date exclue ou ajoutée n’est pas une date et heure valide.</translation>
    </message>
</context>
<context>
    <name>RuleSummary</name>
    <message>
        <source>Remind just this one time</source>
        <translation>Rappeler une seule fois</translation>
    </message>
    <message>
        <source>Remind every day</source>
        <translation>Rappeler chaque jour</translation>
    </message>
    <message>
        <source>Remind weekly</source>
        <translation>Rappeler chaque semaine</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>cinquième</translation>
    </message>
    <message>
        <source>last</source>
        <translation>dernier</translation>
    </message>
    <message>
        <source>second to last</source>
        <translation>pénultième</translation>
    </message>
    <message>
        <source>third to last</source>
        <translation>3e depuis la fin</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>number %1 from the end</source>
        <translation>%1e depuis la fin</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>tous les jours</translation>
    </message>
    <message numerus="yes">
        <source>every %n days</source>
        <translation>
            <numerusform>tous les %n jours</numerusform>
            <numerusform>tous les %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>every week</source>
        <translation>toutes les semaines</translation>
    </message>
    <message numerus="yes">
        <source>every %n weeks</source>
        <translation>
            <numerusform>toutes les %n semaines</numerusform>
            <numerusform>toutes les %n semaines</numerusform>
        </translation>
    </message>
    <message>
        <source>every month</source>
        <translation>tous les mois</translation>
    </message>
    <message numerus="yes">
        <source>every %n months</source>
        <translation>
            <numerusform>tous les %n mois</numerusform>
            <numerusform>tous les %n mois</numerusform>
        </translation>
    </message>
    <message>
        <source>every year</source>
        <translation>tous les ans</translation>
    </message>
    <message numerus="yes">
        <source>every %n years</source>
        <translation>
            <numerusform>tous les %n ans</numerusform>
            <numerusform>tous les %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et le </translation>
    </message>
    <message>
        <source>the %1 day</source>
        <translation>%1 jour</translation>
    </message>
    <message>
        <source>on day %1</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>on %1 %2</source>
        <translation>le %2 %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>%1 weekday of %2</source>
        <translation>%1 jour ouvré %2</translation>
    </message>
    <message>
        <source>only the %1 of these</source>
        <translation>seulement le %1 d’entre eux</translation>
    </message>
    <message>
        <source>, once</source>
        <translation>, une fois</translation>
    </message>
    <message numerus="yes">
        <source>, %n times</source>
        <translation>
            <numerusform>, %n fois</numerusform>
            <numerusform>, %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, jusqu’au %1</translation>
    </message>
    <message>
        <source>On chosen dates</source>
        <translation>Aux dates choisies</translation>
    </message>
    <message>
        <source>, except 1 date</source>
        <translation>, sauf 1 date</translation>
    </message>
    <message numerus="yes">
        <source>, except %n dates</source>
        <translation>
            <numerusform>, sauf %n date</numerusform>
            <numerusform>, sauf %n dates</numerusform>
        </translation>
    </message>
    <message>
        <source>, and 1 date more</source>
        <translation>, plus 1 autre date</translation>
    </message>
    <message numerus="yes">
        <source>, and %n dates more</source>
        <translation>
            <numerusform>, plus %n autre date</numerusform>
            <numerusform>, plus %n autres dates</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The setting %1 could not be saved to %2: %3</source>
        <translation>Le réglage %1 n’a pas pu être enregistré dans %2 : %3</translation>
    </message>
    <message>
        <source>the file is read-only, so changes last only until Vestrona closes.</source>
        <translation>le fichier est en lecture seule ; les changements ne durent que jusqu’à la fermeture de Vestrona.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>the folder could not be created.</source>
        <translation>le dossier n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>the unreadable settings file could not be moved aside.</source>
        <translation>le fichier de réglages illisible n’a pas pu être mis de côté.</translation>
    </message>
    <message>
        <source>the file could not be written.</source>
        <translation>le fichier n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>SoundTrack</name>
    <message>
        <source>it is not in a sound format the player knows</source>
        <translation>il n’est pas dans un format sonore connu du lecteur</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
</context>
<context>
    <name>SqliteDatabase</name>
    <message>
        <source>checking the file</source>
        <translation>la vérification du fichier</translation>
    </message>
    <message>
        <source>opening it</source>
        <translation>l’ouverture</translation>
    </message>
    <message>
        <source>reading the reminders</source>
        <translation>la lecture des rappels</translation>
    </message>
    <message>
        <source>reading a reminder</source>
        <translation>la lecture d’un rappel</translation>
    </message>
    <message>
        <source>The reminder with the ID %1 is no longer there.</source>
        <translation>Le rappel numéro %1 n’existe plus.</translation>
    </message>
    <message>
        <source>preparing the change</source>
        <translation>la préparation de la modification</translation>
    </message>
    <message>
        <source>saving the change</source>
        <translation>l’enregistrement de la modification</translation>
    </message>
    <message>
        <source>The reminder database %1 is locked by another program; %2 failed. Try again in a moment.</source>
        <translation>La base de rappels %1 est verrouillée par un autre programme ; %2 a échoué. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>La base de rappels %1 est endommagée (%2).</translation>
    </message>
    <message>
        <source>The disk holding the folder %1 is full; the change to the reminder database was not saved.</source>
        <translation>Le disque du dossier %1 est plein ; la modification de la base de rappels n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The reminder database %1 could not be read or written (%2); %3 failed.</source>
        <translation>La base de rappels %1 n’a pas pu être lue ou écrite (%2) ; %3 a échoué.</translation>
    </message>
    <message>
        <source>The reminder database %1 reported an error: %2 failed (%3).</source>
        <translation>La base de rappels %1 a signalé une erreur : %2 a échoué (%3).</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>La base de rappels n’est pas ouverte.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the reminder database may not be written to, so the change was not saved: changing the database needs room for a journal file there.</source>
        <translation>Le dossier %1 qui contient la base de rappels n’est pas accessible en écriture ; la modification n’a donc pas été enregistrée : modifier la base demande d’y placer un fichier journal.</translation>
    </message>
    <message>
        <source>The reminder database %1 is read-only; the change was not saved.</source>
        <translation>La base de rappels %1 est en lecture seule ; la modification n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>starting the change</source>
        <translation>le début de la modification</translation>
    </message>
    <message>
        <source>saving the changes</source>
        <translation>l’enregistrement des modifications</translation>
    </message>
    <message>
        <source>undoing the changes</source>
        <translation>l’annulation des modifications</translation>
    </message>
    <message>
        <source>looking for changes</source>
        <translation>la recherche de modifications</translation>
    </message>
    <message>
        <source>keeping the sync&apos;s records</source>
        <translation>la tenue du suivi de synchronisation</translation>
    </message>
    <message>
        <source>reading the repeat rules</source>
        <translation>la lecture des règles de répétition</translation>
    </message>
    <message>
        <source>storing a repeat rule</source>
        <translation>l’enregistrement d’une règle de répétition</translation>
    </message>
</context>
<context>
    <name>StatementParser</name>
    <message>
        <source>Option takes a whole number from -32768 to 32767, not %1.</source>
        <translation>Option prend un nombre entier de -32768 à 32767, pas %1.</translation>
    </message>
    <message>
        <source>StartDate takes a date of the years 1 to 9999, not %1.</source>
        <translation>StartDate prend une date des années 1 à 9999, pas %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>StartTime takes a time of day; none was given.</source>
        <translation>StartTime prend une heure du jour ; aucune n’a été donnée.</translation>
    </message>
    <message>
        <source>The statement is empty.</source>
        <translation>L’instruction est vide.</translation>
    </message>
    <message>
        <source>The statement must begin with select, insert, update or delete, not &quot;%1&quot;.</source>
        <translation>L’instruction doit commencer par select, insert, update ou delete, pas « %1 ».</translation>
    </message>
    <message>
        <source>The statement holds a comment (&quot;%1&quot;); comments are not allowed.</source>
        <translation>L’instruction contient un commentaire (« %1 ») ; les commentaires ne sont pas permis.</translation>
    </message>
    <message>
        <source>The table name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Le nom de table « %1 » n’a pas de « ] » fermant.</translation>
    </message>
    <message>
        <source>The column name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Le nom de colonne « %1 » n’a pas de « ] » fermant.</translation>
    </message>
    <message>
        <source>A table name is missing before &quot;%1&quot;.</source>
        <translation>Il manque un nom de table avant « %1 ».</translation>
    </message>
    <message>
        <source>A column name is missing before &quot;%1&quot;.</source>
        <translation>Il manque un nom de colonne avant « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was expected before &quot;%2&quot;.</source>
        <translation>« %1 » était attendu avant « %2 ».</translation>
    </message>
    <message>
        <source>There is no table &quot;%1&quot;; the only table is tblReminders.</source>
        <translation>Il n’y a pas de table « %1 » ; la seule table est tblReminders.</translation>
    </message>
    <message>
        <source>The column ID is assigned by the database and cannot be written.</source>
        <translation>La colonne ID est attribuée par la base et ne peut pas être écrite.</translation>
    </message>
    <message>
        <source>tblReminders has no column &quot;%1&quot;.</source>
        <translation>tblReminders n’a pas de colonne « %1 ».</translation>
    </message>
    <message>
        <source>Only one statement may be run at a time; found more after it: &quot;%1&quot;.</source>
        <translation>Une seule instruction peut être exécutée à la fois ; d’autres la suivent : « %1 ».</translation>
    </message>
    <message>
        <source>Unexpected text after the end of the statement: &quot;%1&quot;.</source>
        <translation>Texte inattendu après la fin de l’instruction : « %1 ».</translation>
    </message>
    <message>
        <source>The only read supported is &quot;select * from tblReminders order by startdate,starttime&quot;; this text differs at &quot;%1&quot;.</source>
        <translation>La seule lecture prise en charge est « select * from tblReminders order by startdate,starttime » ; ce texte en diffère à « %1 ».</translation>
    </message>
    <message>
        <source>The insert names no columns.</source>
        <translation>L’instruction insert ne nomme aucune colonne.</translation>
    </message>
    <message>
        <source>A column name is missing after the last comma of the column list.</source>
        <translation>Il manque un nom de colonne après la dernière virgule de la liste des colonnes.</translation>
    </message>
    <message>
        <source>The insert gives no values: the value list &quot;()&quot; is empty.</source>
        <translation>L’instruction insert ne donne aucune valeur : la liste de valeurs « () » est vide.</translation>
    </message>
    <message>
        <source>A value is missing after the last comma of the value list.</source>
        <translation>Il manque une valeur après la dernière virgule de la liste des valeurs.</translation>
    </message>
    <message>
        <source>The insert names %1 columns but gives %2 values.</source>
        <translation>L’instruction insert nomme %1 colonnes mais donne %2 valeurs.</translation>
    </message>
    <message>
        <source>The insert gives no value for %1.</source>
        <translation>L’instruction insert ne donne aucune valeur pour %1.</translation>
    </message>
    <message>
        <source>The update has no &quot;where id=&quot; part, so it would change every reminder.</source>
        <translation>L’instruction update n’a pas de partie « where id= » ; elle modifierait donc tous les rappels.</translation>
    </message>
    <message>
        <source>The delete has no &quot;where id=&quot; part, so it would remove every reminder.</source>
        <translation>L’instruction delete n’a pas de partie « where id= » ; elle supprimerait donc tous les rappels.</translation>
    </message>
    <message>
        <source>Rows can only be chosen by &quot;where id=&quot;, not by &quot;%1&quot;.</source>
        <translation>Les lignes ne peuvent être choisies que par « where id= », pas par « %1 ».</translation>
    </message>
    <message>
        <source>The reminder ID after &quot;where id=&quot; must be a whole number, not &quot;%1&quot;.</source>
        <translation>Le numéro de rappel après « where id= » doit être un nombre entier, pas « %1 ».</translation>
    </message>
    <message>
        <source>The statement ends where a value was expected.</source>
        <translation>L’instruction se termine là où une valeur était attendue.</translation>
    </message>
    <message>
        <source>The text value &quot;%1&quot; has no closing quote.</source>
        <translation>La valeur texte « %1 » n’a pas de guillemet fermant.</translation>
    </message>
    <message>
        <source>The date or time value &quot;%1&quot; has no closing &quot;#&quot;.</source>
        <translation>La valeur de date ou d’heure « %1 » n’a pas de « # » fermant.</translation>
    </message>
    <message>
        <source>A value must be a number, a #date#, a #time# or a &apos;quoted text&apos;, not &quot;%1&quot;.</source>
        <translation>Une valeur doit être un nombre, une #date#, une #heure# ou un &apos;texte entre apostrophes&apos;, pas « %1 ».</translation>
    </message>
    <message>
        <source>The column %1 is given twice.</source>
        <translation>La colonne %1 est donnée deux fois.</translation>
    </message>
    <message>
        <source>Option takes a whole number, not &quot;%1&quot;.</source>
        <translation>Option prend un nombre entier, pas « %1 ».</translation>
    </message>
    <message>
        <source>StartDate takes a date such as #10/23/2012#, not &quot;%1&quot;.</source>
        <translation>StartDate prend une date comme #10/23/2012#, pas « %1 ».</translation>
    </message>
    <message>
        <source>#%1# is no valid date for StartDate (month/day/year).</source>
        <translation>#%1# n’est pas une date valide pour StartDate (mois/jour/année).</translation>
    </message>
    <message>
        <source>StartTime takes a time such as #3:03:00 PM#, not &quot;%1&quot;.</source>
        <translation>StartTime prend une heure comme #3:03:00 PM#, pas « %1 ».</translation>
    </message>
    <message>
        <source>#%1# is no valid time of day for StartTime.</source>
        <translation>#%1# n’est pas une heure du jour valide pour StartTime.</translation>
    </message>
    <message>
        <source>%1 takes a &apos;quoted text&apos;, not &quot;%2&quot;.</source>
        <translation>%1 prend un &apos;texte entre apostrophes&apos;, pas « %2 ».</translation>
    </message>
</context>
<context>
    <name>SyncAccount</name>
    <message>
        <source>The calendar address is not a web address such as https://dav.example.org/alice/reminders/.</source>
        <translation>L’adresse du calendrier n’est pas une adresse web comme https://dav.example.org/alice/reminders/.</translation>
    </message>
    <message>
        <source>The calendar address must start with https:// (plain http:// is only allowed for a server on this computer).</source>
        <translation>L’adresse du calendrier doit commencer par https:// (http:// simple n’est permis que pour un serveur sur cet ordinateur).</translation>
    </message>
    <message>
        <source>The calendar address must start with https://.</source>
        <translation>L’adresse du calendrier doit commencer par https://.</translation>
    </message>
</context>
<context>
    <name>SyncConflictArchive</name>
    <message>
        <source>The version from here of %1, changed here and on the server, cannot be saved to %2 (%3); nothing was changed.</source>
        <translation>La version d’ici de %1, modifiée ici et sur le serveur, ne peut pas être enregistrée dans %2 (%3) ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1 was changed here and on the server: the server&apos;s version was kept, the version from here was saved to %2.</source>
        <translation>%1 a été modifié ici et sur le serveur : la version du serveur a été gardée, celle d’ici a été enregistrée dans %2.</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <source>Calendar sync</source>
        <translation>Synchro calendrier</translation>
    </message>
    <message>
        <source>&amp;Calendar address:</source>
        <translation>Adresse du &amp;calendrier :</translation>
    </message>
    <message>
        <source>&amp;Find calendars</source>
        <translation>&amp;Trouver les calendriers</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d’&amp;utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>Please fill in the user name.</source>
        <translation>Veuillez saisir le nom d’utilisateur.</translation>
    </message>
    <message>
        <source>Looking for calendars at %1…</source>
        <translation>Recherche des calendriers sur %1…</translation>
    </message>
    <message>
        <source>Found the calendar &quot;%1&quot;.</source>
        <translation>Calendrier « %1 » trouvé.</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Choisissez un calendrier</translation>
    </message>
    <message numerus="yes">
        <source>%n calendars were found; please choose one.</source>
        <translation>
            <numerusform>%n calendrier trouvé ; veuillez en choisir un.</numerusform>
            <numerusform>%n calendriers trouvés ; veuillez en choisir un.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Pas encore synchronisé.</translation>
    </message>
    <message>
        <source>This copy of Vestrona cannot sync; the account is kept for later.</source>
        <translation>Cette copie de Vestrona ne peut pas synchroniser ; le compte est gardé pour plus tard.</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>No certificate authority vouches for this server. Accept its certificate only if this is the fingerprint your server&apos;s administrator gave you:</source>
        <translation>Aucune autorité de certification ne garantit ce serveur. N’acceptez son certificat que si c’est l’empreinte que l’administrateur du serveur vous a donnée :</translation>
    </message>
    <message>
        <source>&amp;Accept this certificate</source>
        <translation>&amp;Accepter ce certificat</translation>
    </message>
    <message>
        <source>Put them &amp;back on the server</source>
        <translation>Les &amp;remettre sur le serveur</translation>
    </message>
    <message>
        <source>Delete them &amp;here too</source>
        <translation>Les supprimer &amp;ici aussi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Sync &amp;now</source>
        <translation>Synchroniser &amp;maintenant</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>not kept: type it to sync</source>
        <translation>non conservé : saisissez-le pour synchroniser</translation>
    </message>
    <message>
        <source>kept; type a new one to change it</source>
        <translation>conservé ; saisissez-en un nouveau pour le changer</translation>
    </message>
    <message>
        <source>The password could not be stored in the keyring.</source>
        <translation>Le mot de passe n’a pas pu être enregistré dans le trousseau.</translation>
    </message>
    <message>
        <source>Last sync %1: </source>
        <translation>Dernière synchronisation à %1 : </translation>
    </message>
    <message>
        <source>Last sync: </source>
        <translation>Dernière synchronisation : </translation>
    </message>
    <message>
        <source>Details of the last sync</source>
        <translation>Détails de la dernière synchronisation</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>The sync took longer than %1 seconds and was stopped. What it did so far is kept; the next sync goes on from there.</source>
        <translation>La synchronisation a duré plus de %1 secondes et a été arrêtée. Ce qui a été fait est conservé ; la suivante reprend à partir de là.</translation>
    </message>
    <message>
        <source>The calendar server did not answer as expected.</source>
        <translation>Le serveur de calendrier n’a pas répondu comme prévu.</translation>
    </message>
    <message>
        <source>The calendar on the server no longer holds %1 of the %2 items it held at the last sync, so nothing was deleted here. Either put this computer&apos;s reminders back on the server, or delete them here too.</source>
        <translation>Le calendrier du serveur ne contient plus %1 des %2 éléments qu’il avait lors de la dernière synchronisation ; rien n’a donc été supprimé ici. Remettez les rappels de cet ordinateur sur le serveur, ou supprimez-les ici aussi.</translation>
    </message>
    <message>
        <source>the server did not take it; it is sent again next time</source>
        <translation>le serveur ne l’a pas accepté ; il sera renvoyé la prochaine fois</translation>
    </message>
    <message>
        <source>the server did not delete it; it is asked again next time</source>
        <translation>le serveur ne l’a pas supprimé ; la demande sera refaite la prochaine fois</translation>
    </message>
    <message>
        <source>: the server kept answering that it changed meanwhile</source>
        <translation> : le serveur a continué de répondre qu’il avait changé entre-temps</translation>
    </message>
    <message>
        <source>The calendar server took none of the %1 reminders sent to it: %2</source>
        <translation>Le serveur de calendrier n’a accepté aucun des %1 rappels envoyés : %2</translation>
    </message>
</context>
<context>
    <name>SyncReconciler</name>
    <message>
        <source>its stored start or repeat cannot be read</source>
        <translation>son début ou sa répétition enregistrés sont illisibles</translation>
    </message>
    <message>
        <source>it repeats weekly on no weekday, so it never rings</source>
        <translation>il se répète chaque semaine sans aucun jour, donc il ne sonne jamais</translation>
    </message>
</context>
<context>
    <name>SyncReport</name>
    <message>
        <source>failed: </source>
        <translation>échec : </translation>
    </message>
    <message>
        <source>no calendar account is set up</source>
        <translation>aucun compte de calendrier configuré</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <translation>
            <numerusform>%n envoyé</numerusform>
            <numerusform>%n envoyés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n reçu</numerusform>
            <numerusform>%n reçus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted here</source>
        <translation>
            <numerusform>%n supprimé ici</numerusform>
            <numerusform>%n supprimés ici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted on the server</source>
        <translation>
            <numerusform>%n supprimé sur le serveur</numerusform>
            <numerusform>%n supprimés sur le serveur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out</source>
        <translation>
            <numerusform>%n laissé de côté</numerusform>
            <numerusform>%n laissés de côté</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still left out</source>
        <translation>
            <numerusform>%n toujours laissé de côté</numerusform>
            <numerusform>%n toujours laissés de côté</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 conflit</translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n conflit</numerusform>
            <numerusform>%n conflits</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>rien à changer</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Laissé de côté : </translation>
    </message>
    <message>
        <source>Changed on both sides: </source>
        <translation>Modifié des deux côtés : </translation>
    </message>
</context>
<context>
    <name>SyncStateTable</name>
    <message>
        <source>The calendar sync&apos;s bookkeeping in %1 was written by a newer Vestrona; sync this database with that version.</source>
        <translation>Le suivi de la synchronisation dans %1 a été écrit par un Vestrona plus récent ; synchronisez cette base avec cette version.</translation>
    </message>
</context>
<context>
    <name>TextLineReader</name>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a backup file: %2.</source>
        <translation>Le fichier %1 n’est pas un fichier de sauvegarde : %2.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il fait plus de %1 Mo</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 MB</source>
        <translation>la ligne %1 fait plus de %2 Mo</translation>
    </message>
</context>
<context>
    <name>TrayPresence</name>
    <message>
        <source>Calendar sync failed: </source>
        <translation>Échec de la synchronisation du calendrier : </translation>
    </message>
    <message>
        <source>&amp;Show Vestrona</source>
        <translation>&amp;Afficher Vestrona</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>S&amp;ynchro calendrier…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The hand cursor %1 could not be loaded.</source>
        <translation>Le curseur main %1 n’a pas pu être chargé.</translation>
    </message>
</context>
<context>
    <name>vestrona::DBusNotifications</name>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>vestrona::Form3</name>
    <message>
        <source>Remind every mo&amp;nth</source>
        <translation>Rappeler chaque m&amp;ois</translation>
    </message>
    <message>
        <source>Remind every &amp;year</source>
        <translation>&amp;Rappeler chaque année</translation>
    </message>
    <message>
        <source>&amp;Other repeat…</source>
        <translation>Autre ré&amp;pétition…</translation>
    </message>
    <message>
        <source>&amp;Other repeat: %1</source>
        <translation>Autre ré&amp;pétition : %1</translation>
    </message>
</context>
<context>
    <name>vestrona::RepeatDialog</name>
    <message>
        <source>Other repeat</source>
        <translation>Autre répétition</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ans</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>In&amp;tervalle</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>on &amp;day</source>
        <translation>le jou&amp;r</translation>
    </message>
    <message>
        <source>of the start</source>
        <translation>du début</translation>
    </message>
    <message>
        <source>last</source>
        <translation>dernier</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>weekday</source>
        <translation>jour ouvré</translation>
    </message>
    <message>
        <source> times</source>
        <translation> fois</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>o&amp;n the</source>
        <translation>l&amp;e</translation>
    </message>
    <message>
        <source>ne&amp;ver</source>
        <translation>a&amp;ucune</translation>
    </message>
    <message>
        <source>afte&amp;r</source>
        <translation>a&amp;près</translation>
    </message>
    <message>
        <source>unti&amp;l</source>
        <translation>jus&amp;qu’au</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
</TS>
