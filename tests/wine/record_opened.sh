#!/bin/sh
# Stands in for the desktop's browser behind Wine's shell hand-off: records
# each address it is given, one a line, beside itself.
printf '%s\n' "$1" >>"$(dirname "$0")/opened.log"
