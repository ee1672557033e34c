# The one place the version is set; the program's version resource reads it too, and
# the C interface's header gives the same (configuring checks that).
set(LUMIVANE_VERSION 1.1.0)
