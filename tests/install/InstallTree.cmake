# cmake -DBUILD_DIR=... -DROOT=... -P InstallTree.cmake
# Installs the build under /usr into ROOT, as a package would lay it out,
# replacing what an earlier run left there.
file(REMOVE_RECURSE ${ROOT})
set(ENV{DESTDIR} ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr COMMAND_ERROR_IS_FATAL ANY)
