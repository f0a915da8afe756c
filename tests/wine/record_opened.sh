#!/bin/sh
# Stands in for the desktop's browser behind Wine's shell hand-off: records
# each address it is given, one a line, in NUVRI_OPENED_LOG or beside itself.
printf '%s\n' "$1" >>"${NUVRI_OPENED_LOG:-$(dirname "$0")/opened.log}"
