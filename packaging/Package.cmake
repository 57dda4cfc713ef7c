# The Debian package that ./package makes with `cpack -G DEB`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vestrona)
set(CPACK_PACKAGE_VENDOR Tolvane)
set(CPACK_PACKAGE_CONTACT "Tolvane <support@tolvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reminders with an alarm sound and a pop-up")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tolvane.example/vestrona")
set(CPACK_PACKAGE_DESCRIPTION
"Vestrona keeps reminders: a message, a start date and time, and a rule
(once, every day, or weekly on chosen weekdays). It runs in the background
with a tray icon, counts down to the next reminder and, when it falls due,
plays an alarm sound in a loop and shows a pop-up to snooze or stop it.

vestrona-cli reads and changes the same reminders from scripts.")
# The libraries come from the binaries; the plug-ins Qt loads at run time
# (the SQLite driver) no linker sees.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# Native windows under Wayland; without it Qt falls back to X through XWayland.
# Qt's own catalogues give the standard buttons the user's language too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
