# The version of the CLI11 that Debian installed.
include(/usr/share/cmake/CLI11/CLI11ConfigVersion.cmake)
