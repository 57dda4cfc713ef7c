# The fuzz targets and what each links; shared by fuzzing/ and the replay tests.
set(VESTRONA_FUZZ_TARGETS statement_parser date_time backup_reader icalendar_reader multistatus_reader)
set(VESTRONA_FUZZ_LIBS_statement_parser vestrona_database)
set(VESTRONA_FUZZ_LIBS_date_time vestrona_formats)
set(VESTRONA_FUZZ_LIBS_backup_reader vestrona_filecommands vestrona_test_support)
set(VESTRONA_FUZZ_LIBS_icalendar_reader vestrona_formats)
set(VESTRONA_FUZZ_LIBS_multistatus_reader vestrona_sync)

# Per-target compile definitions.
set(VESTRONA_FUZZ_DEFS_backup_reader VESTRONA_SCHEMA_FILE="${VESTRONA_SCHEMA_FILE}")
