<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccountSyncer</name>
    <message>
        <source>No password is kept for %1 at %2; please type it in &quot;Calendar sync…&quot;.</source>
        <translation>No hay ninguna contraseña guardada para %1 en %2; escríbala en «Sincronizar calendario…».</translation>
    </message>
</context>
<context>
    <name>AlarmIntervals</name>
    <message>
        <source>Play the alarm every 5 minutes</source>
        <translation>Sonar la alarma cada 5 minutos</translation>
    </message>
    <message>
        <source>Play the alarm every 10 minutes</source>
        <translation>Sonar la alarma cada 10 minutos</translation>
    </message>
    <message>
        <source>Play the alarm every 30 minutes</source>
        <translation>Sonar la alarma cada 30 minutos</translation>
    </message>
    <message>
        <source>Play the alarm every 1 hour</source>
        <translation>Sonar la alarma cada hora</translation>
    </message>
    <message>
        <source>Play the alarm every 2 hours</source>
        <translation>Sonar la alarma cada 2 horas</translation>
    </message>
    <message>
        <source>Play the alarm every 4 hours</source>
        <translation>Sonar la alarma cada 4 horas</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>Next alarm will play in </source>
        <translation>Próxima alarma en </translation>
    </message>
    <message>
        <source>Snoozed until</source>
        <translation>Pospuesto hasta</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Vence</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Calendar sync has been failing for more than an hour: </source>
        <translation>La sincronización del calendario lleva más de una hora fallando: </translation>
    </message>
    <message>
        <source>%1 Nothing was deleted here: choose in “Calendar sync…” whether to put the reminders back on the server or delete them here too.</source>
        <translation>%1 Aquí no se eliminó nada: elija en «Sincronizar calendario…» si volver a subir los recordatorios al servidor o eliminarlos también aquí.</translation>
    </message>
    <message>
        <source>The reminder database %1 is in use by another program. Vestrona lists the reminders and starts the alarm as soon as it is free.</source>
        <translation>Otro programa está usando la base de datos de recordatorios %1. Vestrona mostrará los recordatorios e iniciará la alarma en cuanto quede libre.</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>No se encontró %1</translation>
    </message>
    <message>
        <source>The reminder database %1 has been deleted. The reminders still listed are no longer saved anywhere; put the file back, and Vestrona reads it again.</source>
        <translation>Se eliminó la base de datos de recordatorios %1. Los recordatorios que aún se ven ya no están guardados en ningún sitio; vuelva a poner el archivo y Vestrona lo leerá de nuevo.</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>La base de datos de recordatorios no está abierta.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be entered in the logon start list.</source>
        <translation>No se encontró el archivo del propio programa, así que no se puede añadir al inicio de sesión.</translation>
    </message>
    <message>
        <source>The autostart folder &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la carpeta de inicio automático «%1».</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir la entrada de inicio automático «%1»: %2</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; could not be removed: %2</source>
        <translation>No se pudo quitar la entrada de inicio automático «%1»: %2</translation>
    </message>
</context>
<context>
    <name>BackupText</name>
    <message>
        <source>it has %1 of the %2 fields of a reminder.</source>
        <translation>tiene %1 de los %2 campos de un recordatorio.</translation>
    </message>
    <message>
        <source>its repetition rule &quot;%1&quot; is not a number.</source>
        <translation>su regla de repetición «%1» no es un número.</translation>
    </message>
    <message>
        <source>its repetition rule %1 is out of range.</source>
        <translation>su regla de repetición %1 está fuera de rango.</translation>
    </message>
    <message>
        <source>its start date &quot;%1&quot; is not a date.</source>
        <translation>su fecha de inicio «%1» no es una fecha.</translation>
    </message>
    <message>
        <source>its start time &quot;%1&quot; is not a time.</source>
        <translation>su hora de inicio «%1» no es una hora.</translation>
    </message>
</context>
<context>
    <name>CalDavFailureWords</name>
    <message>
        <source>The calendar server %1 sent an answer the program cannot read: %2.</source>
        <translation>El servidor de calendario %1 envió una respuesta que el programa no puede leer: %2.</translation>
    </message>
    <message>
        <source>The calendar server did not accept the user name or password.</source>
        <translation>El servidor de calendario no aceptó el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not let this user reach %2.</source>
        <translation>El servidor de calendario %1 no deja a este usuario acceder a %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 has nothing at %2.</source>
        <translation>El servidor de calendario %1 no tiene nada en %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 does not allow this request on %2; is it the address of a calendar?</source>
        <translation>El servidor de calendario %1 no permite esta petición en %2; ¿es la dirección de un calendario?</translation>
    </message>
    <message>
        <source>%1 was changed on the calendar server %2 meanwhile.</source>
        <translation>%1 se cambió entretanto en el servidor de calendario %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused %2 as too large.</source>
        <translation>El servidor de calendario %1 rechazó %2 por ser demasiado grande.</translation>
    </message>
    <message>
        <source>The calendar server %1 is busy or down for maintenance; try again later.</source>
        <translation>El servidor de calendario %1 está ocupado o en mantenimiento; inténtelo más tarde.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no room left for %2.</source>
        <translation>El servidor de calendario %1 no tiene espacio para %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request for %2 elsewhere without saying where (error %3).</source>
        <translation>El servidor de calendario %1 redirigió la petición para %2 sin decir adónde (error %3).</translation>
    </message>
    <message>
        <source>The calendar server %1 failed with error %2.</source>
        <translation>El servidor de calendario %1 falló con el error %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the request for %2 with error %3.</source>
        <translation>El servidor de calendario %1 rechazó la petición para %2 con el error %3.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be found.</source>
        <translation>No se encontró el servidor de calendario %1.</translation>
    </message>
    <message>
        <source>The calendar server %1 refused the connection; it may not be running.</source>
        <translation>El servidor de calendario %1 rechazó la conexión; quizá no esté en marcha.</translation>
    </message>
    <message>
        <source>The calendar server %1 closed the connection before it answered.</source>
        <translation>El servidor de calendario %1 cerró la conexión antes de responder.</translation>
    </message>
    <message>
        <source>The calendar server %1 did not answer in time.</source>
        <translation>El servidor de calendario %1 no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The calendar server %1 redirects in circles: the request was sent on again and again without reaching the calendar.</source>
        <translation>El servidor de calendario %1 redirige en círculo: la petición se reenvió una y otra vez sin llegar al calendario.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to an address without https://; the program does not follow it.</source>
        <translation>El servidor de calendario %1 reenvió la petición a una dirección sin https://; el programa no la sigue.</translation>
    </message>
    <message>
        <source>The calendar server %1 could not be reached: %2.</source>
        <translation>No se pudo contactar con el servidor de calendario %1: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <source>No calendar was found at %1: it is not a calendar, and the server names no calendars for the user there.</source>
        <translation>No se encontró ningún calendario en %1: no es un calendario y el servidor no indica ahí calendarios del usuario.</translation>
    </message>
    <message>
        <source>The calendar server %1 has no calendar for this user yet (looked in %2); please make one there first.</source>
        <translation>El servidor de calendario %1 aún no tiene ningún calendario para este usuario (buscado en %2); cree uno allí primero.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Start date, YYYY-MM-DD.</source>
        <translation>Fecha de inicio, AAAA-MM-DD (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>Start time, HH:MM or HH:MM:SS.</source>
        <translation>Hora de inicio, HH:MM o HH:MM:SS.</translation>
    </message>
    <message>
        <source>Let backup replace an existing file.</source>
        <translation>Permite que backup reemplace un archivo existente.</translation>
    </message>
    <message>
        <source>The calendar&apos;s address, for sync.</source>
        <translation>La dirección del calendario, para sync.</translation>
    </message>
    <message>
        <source>The user name on the calendar server, for sync.</source>
        <translation>El nombre de usuario en el servidor de calendario, para sync.</translation>
    </message>
    <message>
        <source>Trust the server certificate with this SHA-256 fingerprint, for sync.</source>
        <translation>Confiar en el certificado del servidor con esta huella SHA-256, para sync.</translation>
    </message>
    <message>
        <source>Put this computer&apos;s reminders back on an emptied calendar, for sync.</source>
        <translation>Volver a subir los recordatorios de este equipo a un calendario vaciado, para sync.</translation>
    </message>
    <message>
        <source>Delete here what an emptied calendar lost, for sync.</source>
        <translation>Eliminar aquí lo que perdió un calendario vaciado, para sync.</translation>
    </message>
    <message>
        <source>The reminder database to use.</source>
        <translation>La base de datos de recordatorios que usar.</translation>
    </message>
    <message>
        <source>

Without --database the reminders are those of %1</source>
        <translation>

Sin --database, los recordatorios son los de %1</translation>
    </message>
    <message>
        <source>The command&apos;s arguments.</source>
        <translation>Los argumentos de la orden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reminder ID.</source>
        <translation>«%1» no es un ID de recordatorio.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>No se indicó ninguna orden.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli restore FILE...</source>
        <translation>Uso: vestrona-cli restore ARCHIVO...</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli import FILE...</source>
        <translation>Uso: vestrona-cli import ARCHIVO...</translation>
    </message>
    <message>
        <source>--upload-all and --accept-deletions exclude each other.</source>
        <translation>--upload-all y --accept-deletions se excluyen entre sí.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Orden desconocida «%1».</translation>
    </message>
    <message>
        <source>Try &apos;vestrona-cli --help&apos;.</source>
        <translation>Pruebe &apos;vestrona-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: vestrona-cli %1</source>
        <translation>Uso: vestrona-cli %1</translation>
    </message>
    <message>
        <source>--%1 does not belong to this command.</source>
        <translation>--%1 no corresponde a esta orden.</translation>
    </message>
    <message>
        <source>%1 already exists; use --force to replace it.</source>
        <translation>%1 ya existe; use --force para reemplazarlo.</translation>
    </message>
    <message>
        <source>add takes exactly one MESSAGE (quote it when it has blanks).</source>
        <translation>add admite exactamente un MENSAJE (entre comillas si tiene espacios).</translation>
    </message>
    <message>
        <source>add needs --%1.</source>
        <translation>add necesita --%1.</translation>
    </message>
    <message>
        <source>--date &quot;%1&quot; is not a date of the form YYYY-MM-DD.</source>
        <translation>--date «%1» no es una fecha de la forma YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>--time &quot;%1&quot; is not a time of the form HH:MM or HH:MM:SS.</source>
        <translation>--time «%1» no es una hora de la forma HH:MM o HH:MM:SS.</translation>
    </message>
    <message>
        <source>--days: &quot;%1&quot; is not one of Mon, Tue, Wed, Thu, Fri, Sat, Sun.</source>
        <translation>--days: «%1» no es uno de Mon, Tue, Wed, Thu, Fri, Sat, Sun.</translation>
    </message>
    <message>
        <source>A weekly reminder needs --days. Please choose at least one weekday.</source>
        <translation>Un recordatorio semanal necesita --days. Elija al menos un día de la semana.</translation>
    </message>
    <message>
        <source>No reminder has the ID %1.</source>
        <translation>Ningún recordatorio tiene el ID %1.</translation>
    </message>
    <message>
        <source>--accept-certificate wants the SHA-256 fingerprint as 32 hex pairs joined by &apos;:&apos;, as a failed sync prints it.</source>
        <translation>--accept-certificate espera la huella SHA-256 como 32 pares hexadecimales unidos por &apos;:&apos;, tal como la muestra una sincronización fallida.</translation>
    </message>
    <message>
        <source>No calendar account is set up: give --url and --user once (or set it up in Vestrona&apos;s &quot;Calendar sync…&quot; dialog).</source>
        <translation>No hay ninguna cuenta de calendario configurada: indique una vez --url y --user (o configúrela en el diálogo «Sincronizar calendario…» de Vestrona).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Contraseña de %1 en %2: </translation>
    </message>
    <message>
        <source>No password for %1 at %2: set VESTRONA_CALDAV_PASSWORD, keep it in the keyring through Vestrona&apos;s &quot;Calendar sync…&quot; dialog, or run this on a terminal.</source>
        <translation>No hay contraseña para %1 en %2: defina VESTRONA_CALDAV_PASSWORD, guárdela en el anillo de claves desde el diálogo «Sincronizar calendario…» de Vestrona o ejecute esto en una terminal.</translation>
    </message>
    <message>
        <source>No password given.</source>
        <translation>No se indicó ninguna contraseña.</translation>
    </message>
    <message>
        <source>the password could not be stored in the keyring; it is used for this sync only.</source>
        <translation>no se pudo guardar la contraseña en el anillo de claves; solo se usa para esta sincronización.</translation>
    </message>
    <message numerus="yes">
        <source>%1 leads to %n calendars (listed above); choose one with --url ADDRESS.</source>
        <translation>
            <numerusform>%1 lleva a %n calendario (arriba); elija uno con --url DIRECCIÓN.</numerusform>
            <numerusform>%1 lleva a %n calendarios (arriba); elija uno con --url DIRECCIÓN.</numerusform>
        </translation>
    </message>
    <message>
        <source>To put this computer&apos;s reminders back on the server, run</source>
        <translation>Para volver a subir los recordatorios de este equipo al servidor, ejecute</translation>
    </message>
    <message>
        <source>To delete them here too, run</source>
        <translation>Para eliminarlos también aquí, ejecute</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has the SHA-256 fingerprint</source>
        <translation>El certificado del servidor tiene la huella SHA-256</translation>
    </message>
    <message>
        <source>If that is your server&apos;s certificate (ask its administrator), accept it with</source>
        <translation>Si es el certificado de su servidor (pregunte a su administrador), acéptelo con</translation>
    </message>
    <message>
        <source>or with &quot;Accept this certificate&quot; in Vestrona&apos;s &quot;Calendar sync…&quot; dialog.</source>
        <translation>o con «Aceptar este certificado» en el diálogo «Sincronizar calendario…» de Vestrona.</translation>
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
        <translation>Lee y cambia los recordatorios de Vestrona.

Órdenes:
  next                      el próximo recordatorio: hora de la alarma, TAB, mensaje
  list                      todos los recordatorios, uno por línea, columnas separadas por TAB
  add --option once|daily|weekly|monthly|yearly --date YYYY-MM-DD
      --time HH:MM[:SS] [--days Mon,Tue,...] MESSAGE
                            añade un recordatorio y muestra su ID; monthly y
                            yearly se repiten el mismo día que el inicio
  add --rule RRULE --date YYYY-MM-DD --time HH:MM[:SS] MESSAGE
                            añade un recordatorio que se repite según una regla
                            RFC 5545 sin &quot;RRULE:&quot;, p. ej. FREQ=MONTHLY;BYDAY=-1FR;
                            FREQ, INTERVAL, BYDAY, BYMONTHDAY, BYMONTH,
                            BYSETPOS, COUNT, UNTIL (hora local, o UTC con Z)
  agenda [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--days N]
                            cada aparición desde entonces (por defecto, ahora) durante
                            N días (por defecto, 7): hora, TAB, ID, TAB, mensaje
  delete ID                 elimina un recordatorio
  backup [--force] FILE     escribe todos los recordatorios en un archivo de copia
  restore FILE...           añade los recordatorios de archivos de copia
  export [--force] FILE     escribe todos los recordatorios en un archivo iCalendar (.ics)
  import FILE...            añade los eventos y tareas de archivos iCalendar y
                            los muestra; una fecha sin hora empieza a las 00:00:00
  sync [--url URL --user NAME] [--accept-certificate SHA256]
       [--upload-all | --accept-deletions]
                            sincroniza los recordatorios con el calendario CalDAV en URL
                            (guardada para próximas sincronizaciones y para Vestrona) y muestra
                            lo que se subió, se bajó, se eliminó o se dejó fuera;
                            la contraseña viene de VESTRONA_CALDAV_PASSWORD, del anillo de claves
                            o, en una terminal, de una pregunta; sale con 1 si quedan elementos
                            fuera y con 3 si la sincronización falló. Si el calendario perdió
                            la mayoría de sus elementos, no se elimina nada hasta que --upload-all
                            los vuelva a subir o --accept-deletions los elimine también aquí</translation>
    </message>
    <message>
        <source>once, daily, weekly, monthly or yearly.</source>
        <translation>once, daily, weekly, monthly o yearly.</translation>
    </message>
    <message>
        <source>An RFC 5545 repeat rule, for add.</source>
        <translation>Una regla de repetición RFC 5545, para add.</translation>
    </message>
    <message>
        <source>Where the agenda starts, &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>Inicio de la agenda, &quot;YYYY-MM-DD HH:MM:SS&quot;.</translation>
    </message>
    <message>
        <source>Weekdays, e.g. Mon,Wed,Fri; for agenda, a number of days.</source>
        <translation>Días de la semana, p. ej. Mon,Wed,Fri; para agenda, un número de días.</translation>
    </message>
    <message>
        <source>next, list, add, agenda, delete, backup, restore, export, import or sync.</source>
        <translation>next, list, add, agenda, delete, backup, restore, export, import o sync.</translation>
    </message>
    <message>
        <source>add needs either --option or --rule.</source>
        <translation>add necesita --option o --rule.</translation>
    </message>
    <message>
        <source>--option must be once, daily, weekly, monthly or yearly, not &quot;%1&quot;.</source>
        <translation>--option debe ser once, daily, weekly, monthly o yearly, no «%1».</translation>
    </message>
    <message>
        <source>--days belongs to --option weekly; a rule names its days in BYDAY.</source>
        <translation>--days corresponde a --option weekly; una regla indica sus días en BYDAY.</translation>
    </message>
    <message>
        <source>--from &quot;%1&quot; is not of the form &quot;YYYY-MM-DD HH:MM:SS&quot;.</source>
        <translation>--from «%1» no tiene la forma &quot;YYYY-MM-DD HH:MM:SS&quot;.</translation>
    </message>
    <message>
        <source>--days for agenda takes a number of days from 1 to 3660.</source>
        <translation>--days para agenda admite un número de días de 1 a 3660.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>Execute runs only insert, update and delete statements; the ordered select is a read.</source>
        <translation>Execute solo ejecuta sentencias insert, update y delete; el select ordenado es una lectura.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>1 day %1</source>
        <translation>1 día %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2</source>
        <translation>
            <numerusform>%1 día %2</numerusform>
            <numerusform>%1 días %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataLocation</name>
    <message>
        <source>%1 is a file, not a folder, so your reminder database cannot be made in it.</source>
        <translation>%1 es un archivo, no una carpeta, así que no se puede crear en él su base de datos de recordatorios.</translation>
    </message>
    <message>
        <source>The folder %1 for your reminder database could not be made.</source>
        <translation>No se pudo crear la carpeta %1 para su base de datos de recordatorios.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 that comes with Vestrona could not be read, so your reminder database cannot be made.</source>
        <translation>No se pudo leer la base de datos vacía %1 que trae Vestrona, así que no se puede crear su base de datos de recordatorios.</translation>
    </message>
    <message>
        <source>Your reminder database could not be made in the folder %1: %2</source>
        <translation>No se pudo crear su base de datos de recordatorios en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Your reminder database %1 could not be made: %2</source>
        <translation>No se pudo crear su base de datos de recordatorios %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFileCheck</name>
    <message>
        <source>The reminder database %1 does not exist.</source>
        <translation>La base de datos de recordatorios %1 no existe.</translation>
    </message>
    <message>
        <source>The reminder database %1 is a folder, not a file.</source>
        <translation>La base de datos de recordatorios %1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not a regular file.</source>
        <translation>La base de datos de recordatorios %1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>The reminder database %1 cannot be read: %2.</source>
        <translation>No se puede leer la base de datos de recordatorios %1: %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is empty (0 bytes); it holds no reminders table.</source>
        <translation>La base de datos de recordatorios %1 está vacía (0 bytes); no contiene ninguna tabla de recordatorios.</translation>
    </message>
    <message>
        <source>The reminder database %1 is not an SQLite database.</source>
        <translation>La base de datos de recordatorios %1 no es una base de datos SQLite.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is cut off inside its header.</source>
        <translation>La base de datos de recordatorios %1 está dañada: el archivo se corta dentro de su cabecera.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: its header names no valid page size.</source>
        <translation>La base de datos de recordatorios %1 está dañada: su cabecera no indica un tamaño de página válido.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged: the file is shorter than its own header says (it may have been cut off).</source>
        <translation>La base de datos de recordatorios %1 está dañada: el archivo es más corto de lo que dice su cabecera (quizá se cortó).</translation>
    </message>
</context>
<context>
    <name>DatabaseOpening</name>
    <message>
        <source>The reminder database %1 has no table tblReminders.</source>
        <translation>La base de datos de recordatorios %1 no tiene la tabla tblReminders.</translation>
    </message>
    <message>
        <source>The reminder database %1 has a table tblReminders without the column %2.</source>
        <translation>La base de datos de recordatorios %1 tiene una tabla tblReminders sin la columna %2.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>La base de datos de recordatorios %1 está dañada (%2).</translation>
    </message>
</context>
<context>
    <name>DavHttpClient</name>
    <message>
        <source>The calendar server %1 sent an answer larger than %2 MB; the program does not read it.</source>
        <translation>El servidor de calendario %1 envió una respuesta de más de %2 MB; el programa no la lee.</translation>
    </message>
    <message>
        <source>The calendar server %1 stopped answering (nothing for %2 seconds).</source>
        <translation>El servidor de calendario %1 dejó de responder (nada en %2 segundos).</translation>
    </message>
    <message>
        <source>The calendar server %1 took too long to answer (more than %2 seconds); the request was given up.</source>
        <translation>El servidor de calendario %1 tardó demasiado en responder (más de %2 segundos); se abandonó la petición.</translation>
    </message>
    <message>
        <source>The calendar server %1 sent the request on to %2; the program only follows redirects on the same server.</source>
        <translation>El servidor de calendario %1 reenvió la petición a %2; el programa solo sigue redirecciones en el mismo servidor.</translation>
    </message>
    <message>
        <source>The certificate of the calendar server %1 is not trusted: %2.</source>
        <translation>El certificado del servidor de calendario %1 no es de confianza: %2.</translation>
    </message>
    <message>
        <source>The calendar server %1 answered %2 where a list of resources was due.</source>
        <translation>El servidor de calendario %1 respondió %2 donde se esperaba una lista de recursos.</translation>
    </message>
</context>
<context>
    <name>EmptyDatabase</name>
    <message>
        <source>The schema file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de esquema %1: %2.</translation>
    </message>
    <message>
        <source>The empty reminder database %1 could not be made: %2.</source>
        <translation>No se pudo crear la base de datos de recordatorios vacía %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 line was left out:</source>
        <translation>Añadidos desde %2: %1. Se dejó fuera 1 línea:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n lines were left out:</source>
        <translation>
            <numerusform>Añadidos desde %2: %1. Se dejó fuera %n línea:</numerusform>
            <numerusform>Añadidos desde %2: %1. Se dejaron fuera %n líneas:</numerusform>
        </translation>
    </message>
    <message>
        <source>their message contains &quot;%1&quot;, which the backup file uses between its fields</source>
        <translation>su mensaje contiene «%1», que el archivo de copia usa para separar sus campos</translation>
    </message>
    <message>
        <source>Writing file: %1</source>
        <translation>Escribiendo archivo: %1</translation>
    </message>
    <message>
        <source>Saved %1 to %2.</source>
        <translation>Guardados en %2: %1.</translation>
    </message>
    <message>
        <source>Reading file: %1</source>
        <translation>Leyendo archivo: %1</translation>
    </message>
    <message>
        <source>Added %1 from %2.</source>
        <translation>Añadidos desde %2: %1.</translation>
    </message>
    <message>
        <source>The backup file %1 cannot be created: %2.</source>
        <translation>No se puede crear el archivo de copia %1: %2.</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>No se pudo escribir el archivo de copia %1: %2. Si ya había un archivo con ese nombre, sigue como estaba.</translation>
    </message>
    <message>
        <source>The calendar file %1 cannot be created: %2.</source>
        <translation>No se puede crear el archivo de calendario %1: %2.</translation>
    </message>
    <message>
        <source>The calendar file %1 could not be written: %2. A file of that name is as it was.</source>
        <translation>No se pudo escribir el archivo de calendario %1: %2. Si ya había un archivo con ese nombre, sigue como estaba.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 recordatorio</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n recordatorio</numerusform>
            <numerusform>%n recordatorios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk holding the folder %1 is full</source>
        <translation>el disco de la carpeta %1 está lleno</translation>
    </message>
    <message>
        <source>These reminders were not written to %1, because %2:</source>
        <translation>Estos recordatorios no se escribieron en %1 porque %2:</translation>
    </message>
    <message>
        <source>their start or repetition rule as stored is not valid</source>
        <translation>su inicio o regla de repetición guardados no son válidos</translation>
    </message>
    <message>
        <source>Added %1 from %2. 1 entry was left out:</source>
        <translation>Añadidos desde %2: %1. Se dejó fuera 1 entrada:</translation>
    </message>
    <message numerus="yes">
        <source>Added %1 from %2. %n entries were left out:</source>
        <translation>
            <numerusform>Añadidos desde %2: %1. Se dejó fuera %n entrada:</numerusform>
            <numerusform>Añadidos desde %2: %1. Se dejaron fuera %n entradas:</numerusform>
        </translation>
    </message>
    <message>
        <source>they are weekly on no weekday and so never ring</source>
        <translation>se repiten cada semana sin ningún día, así que nunca suenan</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>Exportados a %2: %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be imported: %2.</source>
        <translation>No se puede importar el archivo %1: %2.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Next alarm will play in</source>
        <translation>Próxima alarma en</translation>
    </message>
    <message>
        <source>&amp;Add New Reminder</source>
        <translation>&amp;Añadir recordatorio</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Reminder</source>
        <translation>&amp;Editar recordatorio elegido</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Reminder</source>
        <translation>E&amp;liminar recordatorio elegido</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Reminder</source>
        <translation>Cargar recordatorio de e&amp;jemplo</translation>
    </message>
    <message>
        <source>&amp;Backup Reminders To File </source>
        <translation>&amp;Guardar recordatorios en archivo </translation>
    </message>
    <message>
        <source>&amp;Load Reminders From File </source>
        <translation>&amp;Cargar recordatorios desde archivo </translation>
    </message>
    <message>
        <source>Set Date &amp;Format</source>
        <translation>Formato de &amp;fecha</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>Sincronizar calen&amp;dario…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>The skin file %1 could not be read: %2</source>
        <translation>No se pudo leer el archivo de apariencia %1: %2</translation>
    </message>
    <message>
        <source>1 reminder was missed while Vestrona was not running</source>
        <translation>Se perdió 1 recordatorio mientras Vestrona no estaba en marcha</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were missed while Vestrona was not running</source>
        <translation>
            <numerusform>Se perdió %n recordatorio mientras Vestrona no estaba en marcha</numerusform>
            <numerusform>Se perdieron %n recordatorios mientras Vestrona no estaba en marcha</numerusform>
        </translation>
    </message>
    <message>
        <source>Time until the next alarm</source>
        <translation>Tiempo hasta la próxima alarma</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Enter edits the chosen reminder, Delete deletes it, Ctrl+N adds one.</source>
        <translation>Intro edita el recordatorio elegido, Supr lo elimina, Ctrl+N añade uno.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source> Reminder</source>
        <translation> Recordatorio</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Posponer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>1 of %1</source>
        <translation>1 de %1</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Mensaje del recordatorio</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>&amp;Reminder Option</source>
        <translation>&amp;Tipo de recordatorio</translation>
    </message>
    <message>
        <source>Remind &amp;just this one time</source>
        <translation>Recordar solo &amp;una vez</translation>
    </message>
    <message>
        <source>Remind e&amp;very day</source>
        <translation>Recordar &amp;cada día</translation>
    </message>
    <message>
        <source>Remind every wee&amp;k</source>
        <translation>Recordar cada sema&amp;na</translation>
    </message>
    <message>
        <source>Messa&amp;ge</source>
        <translation>M&amp;ensaje</translation>
    </message>
    <message>
        <source>&amp;Save Reminder</source>
        <translation>&amp;Guardar recordatorio</translation>
    </message>
    <message>
        <source>Reminder saved.</source>
        <translation>Recordatorio guardado.</translation>
    </message>
    <message>
        <source>
Its time has already passed, so it will not ring.</source>
        <translation>
Su hora ya pasó, así que no sonará.</translation>
    </message>
    <message>
        <source>Please fill out a message.</source>
        <translation>Escriba un mensaje.</translation>
    </message>
    <message>
        <source>Please choose at least one weekday.</source>
        <translation>Elija al menos un día de la semana.</translation>
    </message>
    <message>
        <source>&amp;Mon</source>
        <translation>&amp;Lu</translation>
    </message>
    <message>
        <source>&amp;Tue</source>
        <translation>&amp;Ma</translation>
    </message>
    <message>
        <source> &amp;Wed</source>
        <translation>M&amp;i</translation>
    </message>
    <message>
        <source>T&amp;hu</source>
        <translation>&amp;Ju</translation>
    </message>
    <message>
        <source>&amp;Fri</source>
        <translation>&amp;Vi</translation>
    </message>
    <message>
        <source>S&amp;at</source>
        <translation>&amp;Sá</translation>
    </message>
    <message>
        <source>S&amp;un</source>
        <translation>&amp;Do</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
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
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Type A or P for the half of the day.</source>
        <translation>Escriba A o P para la mitad del día (AM/PM).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Set Date Format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Date &amp;Format</source>
        <translation>&amp;Formato de fecha</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>%1 en el servidor %2 no es un calendario.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>no es un archivo iCalendar (no empieza por BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than any calendar of reminders</source>
        <translation>ocupa más de %1 MB, más que cualquier calendario de recordatorios</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
    <message>
        <source>it is not UTF-8 text, which iCalendar files are</source>
        <translation>no es texto UTF-8, como lo son los archivos iCalendar</translation>
    </message>
    <message>
        <source>it defines more than %1 time zones, which no calendar needs</source>
        <translation>define más de %1 zonas horarias, algo que ningún calendario necesita</translation>
    </message>
    <message>
        <source>it holds more than %1 events and to-dos, more than any list of reminders</source>
        <translation>contiene más de %1 eventos y tareas, más que cualquier lista de recordatorios</translation>
    </message>
    <message>
        <source>it repeats %1, which a reminder cannot</source>
        <translation>se repite con la frecuencia %1, que un recordatorio no admite</translation>
    </message>
    <message>
        <source>its rule picks days by %1</source>
        <translation>su regla elige los días por %1</translation>
    </message>
    <message>
        <source>its rule counts in another calendar (RSCALE)</source>
        <translation>su regla cuenta en otro calendario (RSCALE)</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lies more than 24 hours away from UTC, which no real zone does</source>
        <translation>su zona horaria «%1» está a más de 24 horas de UTC, algo que no ocurre en ninguna zona real</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; changes its offset more than %2 times a year, which no real zone does</source>
        <translation>su zona horaria «%1» cambia de desfase más de %2 veces al año, algo que no ocurre en ninguna zona real</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; lists more than %2 changes of its offset, which no real zone does</source>
        <translation>su zona horaria «%1» enumera más de %2 cambios de desfase, algo que no ocurre en ninguna zona real</translation>
    </message>
    <message>
        <source>a line of its time zone &quot;%1&quot; cannot be read (%2)</source>
        <translation>no se puede leer una línea de su zona horaria «%1» (%2)</translation>
    </message>
    <message>
        <source>its %1 line is longer than %2 KB</source>
        <translation>su línea %1 ocupa más de %2 KB</translation>
    </message>
    <message>
        <source>a line of it cannot be read (%1)</source>
        <translation>no se puede leer una de sus líneas (%1)</translation>
    </message>
    <message>
        <source>it is cancelled (STATUS:CANCELLED)</source>
        <translation>se canceló (STATUS:CANCELLED)</translation>
    </message>
    <message>
        <source>it is done (COMPLETED)</source>
        <translation>ya se completó (COMPLETED)</translation>
    </message>
    <message>
        <source>its message is longer than %1 KB</source>
        <translation>su mensaje ocupa más de %1 KB</translation>
    </message>
    <message>
        <source>it changes one time of another event (RECURRENCE-ID)</source>
        <translation>cambia una aparición de otro evento (RECURRENCE-ID)</translation>
    </message>
    <message>
        <source>it has no due time (DUE)</source>
        <translation>no tiene hora de vencimiento (DUE)</translation>
    </message>
    <message>
        <source>it has no start (DTSTART)</source>
        <translation>no tiene inicio (DTSTART)</translation>
    </message>
    <message>
        <source>its time is not a valid date and time</source>
        <translation>su fecha y hora no son válidas</translation>
    </message>
    <message>
        <source>its date %1-%2-%3 does not exist</source>
        <translation>su fecha %1-%2-%3 no existe</translation>
    </message>
    <message>
        <source>its time %1:%2:%3 does not exist</source>
        <translation>su hora %1:%2:%3 no existe</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is unknown</source>
        <translation>su zona horaria «%1» es desconocida</translation>
    </message>
    <message>
        <source>its time zone &quot;%1&quot; is not one this computer knows, so it cannot repeat by it</source>
        <translation>este equipo no conoce su zona horaria «%1», así que no puede repetirse según ella</translation>
    </message>
    <message>
        <source>its time cannot be turned into a local time</source>
        <translation>su hora no se puede convertir a hora local</translation>
    </message>
    <message>
        <source>it leaves out dates by a rule (EXRULE)</source>
        <translation>excluye fechas mediante una regla (EXRULE)</translation>
    </message>
    <message>
        <source>it has more than one rule (RRULE)</source>
        <translation>tiene más de una regla (RRULE)</translation>
    </message>
    <message>
        <source>it adds a stretch of time (RDATE;VALUE=PERIOD)</source>
        <translation>añade un periodo de tiempo (RDATE;VALUE=PERIOD)</translation>
    </message>
    <message>
        <source>libical cannot read it as a calendar; it may be cut off</source>
        <translation>libical no puede leerlo como calendario; quizá esté cortado</translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>no contiene eventos ni tareas</translation>
    </message>
    <message>
        <source>it holds more than one calendar</source>
        <translation>contiene más de un calendario</translation>
    </message>
    <message>
        <source>it is a to-do, not an event</source>
        <translation>es una tarea, no un evento</translation>
    </message>
    <message>
        <source>it holds no event</source>
        <translation>no contiene ningún evento</translation>
    </message>
    <message>
        <source>it holds more than one event</source>
        <translation>contiene más de un evento</translation>
    </message>
    <message>
        <source>its only date is left out (EXDATE)</source>
        <translation>su única fecha está excluida (EXDATE)</translation>
    </message>
    <message>
        <source>its year %1 lies outside the years 1 to 9999</source>
        <translation>su año %1 está fuera de los años 1 a 9999</translation>
    </message>
</context>
<context>
    <name>MediaSoundPlayer</name>
    <message>
        <source>The built-in alarm sound %1 cannot be played either: %2.</source>
        <translation>Tampoco se puede reproducir el sonido de alarma incorporado %1: %2.</translation>
    </message>
    <message>
        <source>The alarm sound %1 cannot be played as a sound: %2.</source>
        <translation>El sonido de alarma %1 no se puede reproducir como sonido: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound played instead.</source>
        <translation>%1 no se puede reproducir como sonido: %2. Sonó en su lugar el sonido de alarma incorporado.</translation>
    </message>
    <message>
        <source>it did not open within %1 seconds</source>
        <translation>no se abrió en %1 segundos</translation>
    </message>
</context>
<context>
    <name>MissedReport</name>
    <message>
        <source>Snoozed alarm</source>
        <translation>Alarma pospuesta</translation>
    </message>
    <message numerus="yes">
        <source>missed %n times, last %1</source>
        <translation>
            <numerusform>perdido %n vez, la última %1</numerusform>
            <numerusform>perdido %n veces, la última %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MissedWindow</name>
    <message>
        <source>Missed reminders</source>
        <translation>Recordatorios perdidos</translation>
    </message>
    <message>
        <source>These reminders fell due while Vestrona could not ring them:</source>
        <translation>Estos recordatorios vencieron cuando Vestrona no podía hacerlos sonar:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Vence</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer declares a DTD</source>
        <translation>la respuesta declara una DTD</translation>
    </message>
    <message>
        <source>the answer uses an entity reference</source>
        <translation>la respuesta usa una referencia a entidad</translation>
    </message>
    <message>
        <source>the answer nests deeper than %1 elements</source>
        <translation>la respuesta anida más de %1 niveles de elementos</translation>
    </message>
    <message>
        <source>malformed XML at line %1: %2</source>
        <translation>XML mal formado en la línea %1: %2</translation>
    </message>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>la respuesta termina antes que su multistatus</translation>
    </message>
    <message>
        <source>the answer is not a DAV multistatus</source>
        <translation>la respuesta no es un multistatus de DAV</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt; inside a text property</source>
        <translation>elemento inesperado &lt;%1&gt; dentro de una propiedad de texto</translation>
    </message>
    <message>
        <source>a value in the answer is larger than %1 kB</source>
        <translation>un valor de la respuesta ocupa más de %1 kB</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MB</source>
        <translation>la respuesta ocupa más de %1 MB</translation>
    </message>
</context>
<context>
    <name>NextReminderTip</name>
    <message>
        <source>
No reminder is due</source>
        <translation>
Ningún recordatorio pendiente</translation>
    </message>
    <message>
        <source>
Due </source>
        <translation>
Vence </translation>
    </message>
    <message>
        <source>
Next: </source>
        <translation>
Siguiente: </translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Startup Option</source>
        <translation>Opción de inicio</translation>
    </message>
    <message>
        <source>Load this software on &amp;Windows startup</source>
        <translation>Cargar este programa al iniciar &amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Minimized to system tray</source>
        <translation>&amp;Minimizado en la bandeja</translation>
    </message>
    <message>
        <source>Alarm Sound File</source>
        <translation>Archivo de sonido de alarma</translation>
    </message>
    <message>
        <source>&amp;Change Alarm Sound File</source>
        <translation>Cambiar sonido de ala&amp;rma</translation>
    </message>
    <message>
        <source>&amp;Test Alarm Sound</source>
        <translation>&amp;Probar sonido de alarma</translation>
    </message>
    <message>
        <source>How often would you like to play the alarm?</source>
        <translation>¿Cada cuánto quiere que suene la alarma?</translation>
    </message>
    <message>
        <source>The stored alarm interval &quot;%1&quot; is not a number.</source>
        <translation>El intervalo de alarma guardado «%1» no es un número.</translation>
    </message>
    <message>
        <source>The stored alarm interval %1 names no row of the interval list.</source>
        <translation>El intervalo de alarma guardado %1 no corresponde a ninguna fila de la lista.</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The built-in alarm sound plays instead.</source>
        <translation>%1 no se puede reproducir como sonido: %2. Suena en su lugar el sonido de alarma incorporado.</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Añadir archivos: mantenga Ctrl para elegir varios</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav|</source>
        <translation>Archivos WAV (*.wav)|*.wav|</translation>
    </message>
    <message>
        <source>%1 cannot be played as a sound: %2. The alarm sound stays %3.</source>
        <translation>%1 no se puede reproducir como sonido: %2. El sonido de alarma sigue siendo %3.</translation>
    </message>
    <message>
        <source>A snoozed alarm plays again after the chosen time.</source>
        <translation>Una alarma pospuesta vuelve a sonar tras el tiempo elegido.</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Calendar sync</source>
        <translation>Sincronizar calendario</translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation>&amp;Sincronizar</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Ahora no</translation>
    </message>
    <message>
        <source>The calendar server %2 did not accept the password for %1.
Type the &amp;password to sync:</source>
        <translation>El servidor de calendario %2 no aceptó la contraseña de %1.
Escriba la &amp;contraseña para sincronizar:</translation>
    </message>
    <message>
        <source>Vestrona needs the password for %1 at %2 to sync the calendar.
Type the &amp;password to sync:</source>
        <translation>Vestrona necesita la contraseña de %1 en %2 para sincronizar el calendario.
Escriba la &amp;contraseña para sincronizar:</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>No password keyring is available; the password is kept only while Vestrona runs. After a restart, Vestrona asks for it when it next syncs.</source>
        <translation>No hay ningún anillo de claves disponible; la contraseña solo se guarda mientras Vestrona está en marcha. Tras reiniciar, Vestrona la pedirá en la próxima sincronización.</translation>
    </message>
</context>
<context>
    <name>PathHelpers</name>
    <message>
        <source>HOME is not set, so Vestrona has no folder of yours to keep your reminders and settings in (without HOME, set %1). Nothing was changed.</source>
        <translation>HOME no está definida, así que Vestrona no tiene ninguna carpeta suya donde guardar sus recordatorios y ajustes (sin HOME, defina %1). No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progreso</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>ReminderCommands</name>
    <message>
        <source>Text Files (*.txt)|*.txt|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*|</source>
        <translation>Archivos de texto (*.txt)|*.txt|iCalendar (*.ics)|*.ics|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que quiere eliminar %1?</translation>
    </message>
    <message>
        <source>Delete Selected Reminder</source>
        <translation>Eliminar recordatorio elegido</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>¿Seguro que quiere sobrescribir %1?</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Cargar listas: mantenga Ctrl para elegir varios archivos</translation>
    </message>
    <message>
        <source>Added %1 from %2 files.</source>
        <translation>Se añadieron %1 de %2 archivos.</translation>
    </message>
</context>
<context>
    <name>ReminderList</name>
    <message>
        <source>Reminder(s)</source>
        <translation>Recordatorio(s)</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Reminder ID</source>
        <translation>ID del recordatorio</translation>
    </message>
    <message>
        <source>%1, ended</source>
        <translation>%1, terminado</translation>
    </message>
    <message>
        <source>These reminders never ring, because their start or repetition rule as stored is not valid; delete them, or enter them again:</source>
        <translation>Estos recordatorios nunca suenan porque su inicio o regla de repetición guardados no son válidos; elimínelos o vuelva a introducirlos:</translation>
    </message>
    <message>
        <source>ID %1 &quot;%2&quot;: option &quot;%3&quot;, date &quot;%4&quot;, time &quot;%5&quot;</source>
        <translation>ID %1 «%2»: tipo «%3», fecha «%4», hora «%5»</translation>
    </message>
</context>
<context>
    <name>Reporter</name>
    <message>
        <source>in </source>
        <translation>en </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>en la línea </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envíe una captura de pantalla de este mensaje a </translation>
    </message>
</context>
<context>
    <name>RuleCheck</name>
    <message>
        <source>a repeat more often than every day</source>
        <translation>una repetición más frecuente que diaria</translation>
    </message>
    <message>
        <source>The time zone %1 is not known on this computer.</source>
        <translation>Este equipo no conoce la zona horaria %1.</translation>
    </message>
    <message>
        <source>The rule needs a valid start date and time.</source>
        <translation>La regla necesita una fecha y hora de inicio válidas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a repeat rule that can be read.</source>
        <translation>«%1» no es una regla de repetición legible.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; uses %2, which a reminder cannot hold.</source>
        <translation>La regla «%1» usa %2, algo que un recordatorio no admite.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; has a count or interval out of range.</source>
        <translation>La regla «%1» tiene un número de veces o un intervalo fuera de rango.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; ends at a time that does not exist.</source>
        <translation>La regla «%1» termina en una hora que no existe.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; never falls on a date.</source>
        <translation>La regla «%1» no cae nunca en ninguna fecha.</translation>
    </message>
    <message>
        <source>A date left out or added is not a valid date and time.</source>
        <translation>Una fecha excluida o añadida no es una fecha y hora válidas.</translation>
    </message>
</context>
<context>
    <name>RuleSummary</name>
    <message>
        <source>Remind just this one time</source>
        <translation>Recordar solo una vez</translation>
    </message>
    <message>
        <source>Remind every day</source>
        <translation>Recordar cada día</translation>
    </message>
    <message>
        <source>Remind weekly</source>
        <translation>Recordar cada semana</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primer</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercer</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>cuarto</translation>
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
        <translation>%1.º</translation>
    </message>
    <message>
        <source>number %1 from the end</source>
        <translation>%1.º desde el final</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>cada día</translation>
    </message>
    <message numerus="yes">
        <source>every %n days</source>
        <translation>
            <numerusform>cada %n día</numerusform>
            <numerusform>cada %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>every week</source>
        <translation>cada semana</translation>
    </message>
    <message numerus="yes">
        <source>every %n weeks</source>
        <translation>
            <numerusform>cada %n semana</numerusform>
            <numerusform>cada %n semanas</numerusform>
        </translation>
    </message>
    <message>
        <source>every month</source>
        <translation>cada mes</translation>
    </message>
    <message numerus="yes">
        <source>every %n months</source>
        <translation>
            <numerusform>cada %n mes</numerusform>
            <numerusform>cada %n meses</numerusform>
        </translation>
    </message>
    <message>
        <source>every year</source>
        <translation>cada año</translation>
    </message>
    <message numerus="yes">
        <source>every %n years</source>
        <translation>
            <numerusform>cada %n año</numerusform>
            <numerusform>cada %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>el %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>the %1 day</source>
        <translation>%1 día</translation>
    </message>
    <message>
        <source>on day %1</source>
        <translation>el día %1</translation>
    </message>
    <message>
        <source>on %1 %2</source>
        <translation>el %2 de %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>%1 weekday of %2</source>
        <translation>%1 día laborable de %2</translation>
    </message>
    <message>
        <source>only the %1 of these</source>
        <translation>solo el %1 día de estos</translation>
    </message>
    <message>
        <source>, once</source>
        <translation>, una vez</translation>
    </message>
    <message numerus="yes">
        <source>, %n times</source>
        <translation>
            <numerusform>, %n vez</numerusform>
            <numerusform>, %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>, until %1</source>
        <translation>, hasta el %1</translation>
    </message>
    <message>
        <source>On chosen dates</source>
        <translation>En fechas elegidas</translation>
    </message>
    <message>
        <source>, except 1 date</source>
        <translation>, salvo 1 fecha</translation>
    </message>
    <message numerus="yes">
        <source>, except %n dates</source>
        <translation>
            <numerusform>, salvo %n fecha</numerusform>
            <numerusform>, salvo %n fechas</numerusform>
        </translation>
    </message>
    <message>
        <source>, and 1 date more</source>
        <translation>, y 1 fecha más</translation>
    </message>
    <message numerus="yes">
        <source>, and %n dates more</source>
        <translation>
            <numerusform>, y %n fecha más</numerusform>
            <numerusform>, y %n fechas más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The setting %1 could not be saved to %2: %3</source>
        <translation>No se pudo guardar el ajuste %1 en %2: %3</translation>
    </message>
    <message>
        <source>the file is read-only, so changes last only until Vestrona closes.</source>
        <translation>el archivo es de solo lectura, así que los cambios solo duran hasta que se cierre Vestrona.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>the folder could not be created.</source>
        <translation>no se pudo crear la carpeta.</translation>
    </message>
    <message>
        <source>the unreadable settings file could not be moved aside.</source>
        <translation>no se pudo apartar el archivo de ajustes ilegible.</translation>
    </message>
    <message>
        <source>the file could not be written.</source>
        <translation>no se pudo escribir el archivo.</translation>
    </message>
</context>
<context>
    <name>SoundTrack</name>
    <message>
        <source>it is not in a sound format the player knows</source>
        <translation>no está en un formato de sonido que el reproductor conozca</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
</context>
<context>
    <name>SqliteDatabase</name>
    <message>
        <source>checking the file</source>
        <translation>la comprobación del archivo</translation>
    </message>
    <message>
        <source>opening it</source>
        <translation>la apertura</translation>
    </message>
    <message>
        <source>reading the reminders</source>
        <translation>la lectura de los recordatorios</translation>
    </message>
    <message>
        <source>reading a reminder</source>
        <translation>la lectura de un recordatorio</translation>
    </message>
    <message>
        <source>The reminder with the ID %1 is no longer there.</source>
        <translation>El recordatorio con el ID %1 ya no existe.</translation>
    </message>
    <message>
        <source>preparing the change</source>
        <translation>la preparación del cambio</translation>
    </message>
    <message>
        <source>saving the change</source>
        <translation>el guardado del cambio</translation>
    </message>
    <message>
        <source>The reminder database %1 is locked by another program; %2 failed. Try again in a moment.</source>
        <translation>Otro programa tiene bloqueada la base de datos de recordatorios %1; %2 falló. Inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>The reminder database %1 is damaged (%2).</source>
        <translation>La base de datos de recordatorios %1 está dañada (%2).</translation>
    </message>
    <message>
        <source>The disk holding the folder %1 is full; the change to the reminder database was not saved.</source>
        <translation>El disco de la carpeta %1 está lleno; el cambio en la base de datos de recordatorios no se guardó.</translation>
    </message>
    <message>
        <source>The reminder database %1 could not be read or written (%2); %3 failed.</source>
        <translation>No se pudo leer o escribir la base de datos de recordatorios %1 (%2); %3 falló.</translation>
    </message>
    <message>
        <source>The reminder database %1 reported an error: %2 failed (%3).</source>
        <translation>La base de datos de recordatorios %1 informó de un error: %2 falló (%3).</translation>
    </message>
    <message>
        <source>The reminder database is not open.</source>
        <translation>La base de datos de recordatorios no está abierta.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the reminder database may not be written to, so the change was not saved: changing the database needs room for a journal file there.</source>
        <translation>No se puede escribir en la carpeta %1 que contiene la base de datos de recordatorios, así que el cambio no se guardó: cambiar la base de datos requiere espacio allí para un archivo de diario.</translation>
    </message>
    <message>
        <source>The reminder database %1 is read-only; the change was not saved.</source>
        <translation>La base de datos de recordatorios %1 es de solo lectura; el cambio no se guardó.</translation>
    </message>
    <message>
        <source>starting the change</source>
        <translation>el inicio del cambio</translation>
    </message>
    <message>
        <source>saving the changes</source>
        <translation>el guardado de los cambios</translation>
    </message>
    <message>
        <source>undoing the changes</source>
        <translation>la anulación de los cambios</translation>
    </message>
    <message>
        <source>looking for changes</source>
        <translation>la búsqueda de cambios</translation>
    </message>
    <message>
        <source>keeping the sync&apos;s records</source>
        <translation>el registro de la sincronización</translation>
    </message>
    <message>
        <source>reading the repeat rules</source>
        <translation>la lectura de las reglas de repetición</translation>
    </message>
    <message>
        <source>storing a repeat rule</source>
        <translation>el guardado de una regla de repetición</translation>
    </message>
</context>
<context>
    <name>StatementParser</name>
    <message>
        <source>Option takes a whole number from -32768 to 32767, not %1.</source>
        <translation>Option admite un número entero de -32768 a 32767, no %1.</translation>
    </message>
    <message>
        <source>StartDate takes a date of the years 1 to 9999, not %1.</source>
        <translation>StartDate admite una fecha de los años 1 a 9999 (recibida: %1).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>StartTime takes a time of day; none was given.</source>
        <translation>StartTime admite una hora del día; no se indicó ninguna.</translation>
    </message>
    <message>
        <source>The statement is empty.</source>
        <translation>La sentencia está vacía.</translation>
    </message>
    <message>
        <source>The statement must begin with select, insert, update or delete, not &quot;%1&quot;.</source>
        <translation>La sentencia debe empezar por select, insert, update o delete, no por «%1».</translation>
    </message>
    <message>
        <source>The statement holds a comment (&quot;%1&quot;); comments are not allowed.</source>
        <translation>La sentencia contiene un comentario («%1»); no se permiten comentarios.</translation>
    </message>
    <message>
        <source>The table name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Al nombre de tabla «%1» le falta el «]» de cierre.</translation>
    </message>
    <message>
        <source>The column name &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Al nombre de columna «%1» le falta el «]» de cierre.</translation>
    </message>
    <message>
        <source>A table name is missing before &quot;%1&quot;.</source>
        <translation>Falta un nombre de tabla antes de «%1».</translation>
    </message>
    <message>
        <source>A column name is missing before &quot;%1&quot;.</source>
        <translation>Falta un nombre de columna antes de «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was expected before &quot;%2&quot;.</source>
        <translation>Se esperaba «%1» antes de «%2».</translation>
    </message>
    <message>
        <source>There is no table &quot;%1&quot;; the only table is tblReminders.</source>
        <translation>No existe la tabla «%1»; la única tabla es tblReminders.</translation>
    </message>
    <message>
        <source>The column ID is assigned by the database and cannot be written.</source>
        <translation>La columna ID la asigna la base de datos y no se puede escribir.</translation>
    </message>
    <message>
        <source>tblReminders has no column &quot;%1&quot;.</source>
        <translation>tblReminders no tiene ninguna columna «%1».</translation>
    </message>
    <message>
        <source>Only one statement may be run at a time; found more after it: &quot;%1&quot;.</source>
        <translation>Solo se puede ejecutar una sentencia cada vez; después hay más: «%1».</translation>
    </message>
    <message>
        <source>Unexpected text after the end of the statement: &quot;%1&quot;.</source>
        <translation>Texto inesperado tras el final de la sentencia: «%1».</translation>
    </message>
    <message>
        <source>The only read supported is &quot;select * from tblReminders order by startdate,starttime&quot;; this text differs at &quot;%1&quot;.</source>
        <translation>La única lectura admitida es «select * from tblReminders order by startdate,starttime»; este texto difiere en «%1».</translation>
    </message>
    <message>
        <source>The insert names no columns.</source>
        <translation>El insert no indica ninguna columna.</translation>
    </message>
    <message>
        <source>A column name is missing after the last comma of the column list.</source>
        <translation>Falta un nombre de columna tras la última coma de la lista de columnas.</translation>
    </message>
    <message>
        <source>The insert gives no values: the value list &quot;()&quot; is empty.</source>
        <translation>El insert no da ningún valor: la lista de valores «()» está vacía.</translation>
    </message>
    <message>
        <source>A value is missing after the last comma of the value list.</source>
        <translation>Falta un valor tras la última coma de la lista de valores.</translation>
    </message>
    <message>
        <source>The insert names %1 columns but gives %2 values.</source>
        <translation>El insert indica %1 columnas pero da %2 valores.</translation>
    </message>
    <message>
        <source>The insert gives no value for %1.</source>
        <translation>El insert no da ningún valor para %1.</translation>
    </message>
    <message>
        <source>The update has no &quot;where id=&quot; part, so it would change every reminder.</source>
        <translation>El update no tiene parte «where id=», así que cambiaría todos los recordatorios.</translation>
    </message>
    <message>
        <source>The delete has no &quot;where id=&quot; part, so it would remove every reminder.</source>
        <translation>El delete no tiene parte «where id=», así que eliminaría todos los recordatorios.</translation>
    </message>
    <message>
        <source>Rows can only be chosen by &quot;where id=&quot;, not by &quot;%1&quot;.</source>
        <translation>Las filas solo se pueden elegir con «where id=», no con «%1».</translation>
    </message>
    <message>
        <source>The reminder ID after &quot;where id=&quot; must be a whole number, not &quot;%1&quot;.</source>
        <translation>El ID de recordatorio tras «where id=» debe ser un número entero, no «%1».</translation>
    </message>
    <message>
        <source>The statement ends where a value was expected.</source>
        <translation>La sentencia termina donde se esperaba un valor.</translation>
    </message>
    <message>
        <source>The text value &quot;%1&quot; has no closing quote.</source>
        <translation>Al valor de texto «%1» le falta la comilla de cierre.</translation>
    </message>
    <message>
        <source>The date or time value &quot;%1&quot; has no closing &quot;#&quot;.</source>
        <translation>Al valor de fecha u hora «%1» le falta el «#» de cierre.</translation>
    </message>
    <message>
        <source>A value must be a number, a #date#, a #time# or a &apos;quoted text&apos;, not &quot;%1&quot;.</source>
        <translation>Un valor debe ser un número, una #fecha#, una #hora# o un &apos;texto entre comillas&apos;, no «%1».</translation>
    </message>
    <message>
        <source>The column %1 is given twice.</source>
        <translation>La columna %1 aparece dos veces.</translation>
    </message>
    <message>
        <source>Option takes a whole number, not &quot;%1&quot;.</source>
        <translation>Option admite un número entero, no «%1».</translation>
    </message>
    <message>
        <source>StartDate takes a date such as #10/23/2012#, not &quot;%1&quot;.</source>
        <translation>StartDate admite una fecha como #10/23/2012#, no «%1».</translation>
    </message>
    <message>
        <source>#%1# is no valid date for StartDate (month/day/year).</source>
        <translation>#%1# no es una fecha válida para StartDate (mes/día/año).</translation>
    </message>
    <message>
        <source>StartTime takes a time such as #3:03:00 PM#, not &quot;%1&quot;.</source>
        <translation>StartTime admite una hora como #3:03:00 PM#, no «%1».</translation>
    </message>
    <message>
        <source>#%1# is no valid time of day for StartTime.</source>
        <translation>#%1# no es una hora del día válida para StartTime.</translation>
    </message>
    <message>
        <source>%1 takes a &apos;quoted text&apos;, not &quot;%2&quot;.</source>
        <translation>%1 admite un &apos;texto entre comillas&apos;, no «%2».</translation>
    </message>
</context>
<context>
    <name>SyncAccount</name>
    <message>
        <source>The calendar address is not a web address such as https://dav.example.org/alice/reminders/.</source>
        <translation>La dirección del calendario no es una dirección web como https://dav.example.org/alice/reminders/.</translation>
    </message>
    <message>
        <source>The calendar address must start with https:// (plain http:// is only allowed for a server on this computer).</source>
        <translation>La dirección del calendario debe empezar por https:// (http:// simple solo se permite para un servidor en este equipo).</translation>
    </message>
    <message>
        <source>The calendar address must start with https://.</source>
        <translation>La dirección del calendario debe empezar por https://.</translation>
    </message>
</context>
<context>
    <name>SyncConflictArchive</name>
    <message>
        <source>The version from here of %1, changed here and on the server, cannot be saved to %2 (%3); nothing was changed.</source>
        <translation>La versión de aquí de %1, cambiada aquí y en el servidor, no se puede guardar en %2 (%3); no se cambió nada.</translation>
    </message>
    <message>
        <source>%1 was changed here and on the server: the server&apos;s version was kept, the version from here was saved to %2.</source>
        <translation>%1 se cambió aquí y en el servidor: se conservó la versión del servidor y la de aquí se guardó en %2.</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <source>Calendar sync</source>
        <translation>Sincronizar calendario</translation>
    </message>
    <message>
        <source>&amp;Calendar address:</source>
        <translation>&amp;Dirección del calendario:</translation>
    </message>
    <message>
        <source>&amp;Find calendars</source>
        <translation>&amp;Buscar calendarios</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Please fill in the user name.</source>
        <translation>Escriba el nombre de usuario.</translation>
    </message>
    <message>
        <source>Looking for calendars at %1…</source>
        <translation>Buscando calendarios en %1…</translation>
    </message>
    <message>
        <source>Found the calendar &quot;%1&quot;.</source>
        <translation>Se encontró el calendario «%1».</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Elija un calendario</translation>
    </message>
    <message numerus="yes">
        <source>%n calendars were found; please choose one.</source>
        <translation>
            <numerusform>Se encontró %n calendario; elija uno.</numerusform>
            <numerusform>Se encontraron %n calendarios; elija uno.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Aún sin sincronizar.</translation>
    </message>
    <message>
        <source>This copy of Vestrona cannot sync; the account is kept for later.</source>
        <translation>Esta copia de Vestrona no puede sincronizar; la cuenta se guarda para más adelante.</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>De&amp;talles</translation>
    </message>
    <message>
        <source>No certificate authority vouches for this server. Accept its certificate only if this is the fingerprint your server&apos;s administrator gave you:</source>
        <translation>Ninguna autoridad de certificación avala este servidor. Acepte su certificado solo si esta es la huella que le dio el administrador del servidor:</translation>
    </message>
    <message>
        <source>&amp;Accept this certificate</source>
        <translation>&amp;Aceptar este certificado</translation>
    </message>
    <message>
        <source>Put them &amp;back on the server</source>
        <translation>&amp;Volver a subirlos al servidor</translation>
    </message>
    <message>
        <source>Delete them &amp;here too</source>
        <translation>Eliminarlos a&amp;quí también</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Sync &amp;now</source>
        <translation>Sincronizar a&amp;hora</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>not kept: type it to sync</source>
        <translation>no guardada: escríbala para sincronizar</translation>
    </message>
    <message>
        <source>kept; type a new one to change it</source>
        <translation>guardada; escriba una nueva para cambiarla</translation>
    </message>
    <message>
        <source>The password could not be stored in the keyring.</source>
        <translation>No se pudo guardar la contraseña en el anillo de claves.</translation>
    </message>
    <message>
        <source>Last sync %1: </source>
        <translation>Última sincronización a las %1: </translation>
    </message>
    <message>
        <source>Last sync: </source>
        <translation>Última sincronización: </translation>
    </message>
    <message>
        <source>Details of the last sync</source>
        <translation>Detalles de la última sincronización</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>The sync took longer than %1 seconds and was stopped. What it did so far is kept; the next sync goes on from there.</source>
        <translation>La sincronización tardó más de %1 segundos y se detuvo. Lo hecho hasta entonces se conserva; la siguiente continúa desde ahí.</translation>
    </message>
    <message>
        <source>The calendar server did not answer as expected.</source>
        <translation>El servidor de calendario no respondió como se esperaba.</translation>
    </message>
    <message>
        <source>The calendar on the server no longer holds %1 of the %2 items it held at the last sync, so nothing was deleted here. Either put this computer&apos;s reminders back on the server, or delete them here too.</source>
        <translation>El calendario del servidor ya no tiene %1 de los %2 elementos que tenía en la última sincronización, así que aquí no se eliminó nada. Vuelva a subir los recordatorios de este equipo al servidor o elimínelos también aquí.</translation>
    </message>
    <message>
        <source>the server did not take it; it is sent again next time</source>
        <translation>el servidor no lo aceptó; se enviará de nuevo la próxima vez</translation>
    </message>
    <message>
        <source>the server did not delete it; it is asked again next time</source>
        <translation>el servidor no lo eliminó; se le pedirá de nuevo la próxima vez</translation>
    </message>
    <message>
        <source>: the server kept answering that it changed meanwhile</source>
        <translation>: el servidor siguió respondiendo que había cambiado entretanto</translation>
    </message>
    <message>
        <source>The calendar server took none of the %1 reminders sent to it: %2</source>
        <translation>El servidor de calendario no aceptó ninguno de los %1 recordatorios enviados: %2</translation>
    </message>
</context>
<context>
    <name>SyncReconciler</name>
    <message>
        <source>its stored start or repeat cannot be read</source>
        <translation>su inicio o repetición guardados no se pueden leer</translation>
    </message>
    <message>
        <source>it repeats weekly on no weekday, so it never rings</source>
        <translation>se repite cada semana sin ningún día, así que nunca suena</translation>
    </message>
</context>
<context>
    <name>SyncReport</name>
    <message>
        <source>failed: </source>
        <translation>falló: </translation>
    </message>
    <message>
        <source>no calendar account is set up</source>
        <translation>no hay ninguna cuenta de calendario configurada</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <translation>
            <numerusform>%n subido</numerusform>
            <numerusform>%n subidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n bajado</numerusform>
            <numerusform>%n bajados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted here</source>
        <translation>
            <numerusform>%n eliminado aquí</numerusform>
            <numerusform>%n eliminados aquí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted on the server</source>
        <translation>
            <numerusform>%n eliminado en el servidor</numerusform>
            <numerusform>%n eliminados en el servidor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out</source>
        <translation>
            <numerusform>%n dejado fuera</numerusform>
            <numerusform>%n dejados fuera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still left out</source>
        <translation>
            <numerusform>%n aún fuera</numerusform>
            <numerusform>%n aún fuera</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 conflicto</translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n conflicto</numerusform>
            <numerusform>%n conflictos</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>nada que cambiar</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Dejado fuera: </translation>
    </message>
    <message>
        <source>Changed on both sides: </source>
        <translation>Cambiado en ambos lados: </translation>
    </message>
</context>
<context>
    <name>SyncStateTable</name>
    <message>
        <source>The calendar sync&apos;s bookkeeping in %1 was written by a newer Vestrona; sync this database with that version.</source>
        <translation>El registro de la sincronización en %1 lo escribió un Vestrona más reciente; sincronice esta base de datos con esa versión.</translation>
    </message>
</context>
<context>
    <name>TextLineReader</name>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a backup file: %2.</source>
        <translation>El archivo %1 no es un archivo de copia: %2.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 MB</source>
        <translation>la línea %1 ocupa más de %2 MB</translation>
    </message>
</context>
<context>
    <name>TrayPresence</name>
    <message>
        <source>Calendar sync failed: </source>
        <translation>Falló la sincronización del calendario: </translation>
    </message>
    <message>
        <source>&amp;Show Vestrona</source>
        <translation>&amp;Mostrar Vestrona</translation>
    </message>
    <message>
        <source>Calendar s&amp;ync…</source>
        <translation>Sincronizar calen&amp;dario…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The hand cursor %1 could not be loaded.</source>
        <translation>No se pudo cargar el cursor de mano %1.</translation>
    </message>
</context>
<context>
    <name>vestrona::DBusNotifications</name>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>vestrona::Form3</name>
    <message>
        <source>Remind every mo&amp;nth</source>
        <translation>&amp;Recordar cada mes</translation>
    </message>
    <message>
        <source>Remind every &amp;year</source>
        <translation>Recordar cada &amp;año</translation>
    </message>
    <message>
        <source>&amp;Other repeat…</source>
        <translation>&amp;Otra repetición…</translation>
    </message>
    <message>
        <source>&amp;Other repeat: %1</source>
        <translation>&amp;Otra repetición: %1</translation>
    </message>
</context>
<context>
    <name>vestrona::RepeatDialog</name>
    <message>
        <source>Other repeat</source>
        <translation>Otra repetición</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
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
        <translation>años</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Cada</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>on &amp;day</source>
        <translation>el dí&amp;a</translation>
    </message>
    <message>
        <source>of the start</source>
        <translation>del inicio</translation>
    </message>
    <message>
        <source>last</source>
        <translation>último</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primer</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercer</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>cuarto</translation>
    </message>
    <message>
        <source>weekday</source>
        <translation>día laborable</translation>
    </message>
    <message>
        <source> times</source>
        <translation> veces</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>o&amp;n the</source>
        <translation>&amp;el</translation>
    </message>
    <message>
        <source>ne&amp;ver</source>
        <translation>&amp;nunca</translation>
    </message>
    <message>
        <source>afte&amp;r</source>
        <translation>&amp;tras</translation>
    </message>
    <message>
        <source>unti&amp;l</source>
        <translation>&amp;hasta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>Ace&amp;ptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Cancela&amp;r</translation>
    </message>
</context>
</TS>
