# The one place the version is set; the program's version resource reads it too.
set(LUMIVANE_VERSION 1.0.0)
