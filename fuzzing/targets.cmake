# The fuzz targets and what each links; shared by fuzzing/ and the replay tests.
set(VESTRONA_FUZZ_TARGETS statement_parser date_time backup_reader icalendar_reader multistatus_reader wave_file)
set(VESTRONA_FUZZ_LIBS_statement_parser vestrona_database)
set(VESTRONA_FUZZ_LIBS_date_time vestrona_formats)
set(VESTRONA_FUZZ_LIBS_backup_reader vestrona_filecommands)
set(VESTRONA_FUZZ_LIBS_icalendar_reader vestrona_formats)
set(VESTRONA_FUZZ_LIBS_multistatus_reader vestrona_sync)
set(VESTRONA_FUZZ_LIBS_wave_file vestrona_formats)

# Per-target sources besides <target>.cpp: the fuzz targets build without the
# tests, so what they borrow from tests/support is compiled into them.
set(VESTRONA_FUZZ_SOURCES_backup_reader ${CMAKE_SOURCE_DIR}/tests/support/RecordingReporter.cpp)

# Per-target compile definitions.
set(VESTRONA_FUZZ_DEFS_backup_reader VESTRONA_SCHEMA_FILE="${VESTRONA_SCHEMA_FILE}")
