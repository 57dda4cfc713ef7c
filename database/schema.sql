CREATE TABLE tblReminders (
    ID        INTEGER PRIMARY KEY AUTOINCREMENT,
    Option    INTEGER NOT NULL,
    StartDate TEXT    NOT NULL,
    StartTime TEXT    NOT NULL,
    Reminder  TEXT    NOT NULL,
    Weekdays  TEXT    NOT NULL DEFAULT ''
);
