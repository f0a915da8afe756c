# The hosts the program talks to. They default to the reference service on
# the loopback address; a build may point them elsewhere. There is no
# run-time configuration.
set(NUVRI_NOTICE_HOST "127.0.0.1:8460" CACHE STRING "Host and port of the notice texts")
add_compile_definitions(NUVRI_NOTICE_HOST="${NUVRI_NOTICE_HOST}")
