# Every host the program talks to, in one place. They default to the
# reference service on the loopback address and one fixed port (tools/); a
# build may point any of them elsewhere. There is no run-time configuration.
set(NUVRI_REFERENCE_SERVICE "127.0.0.1:8460")

# nuvri_host(NAME DEFAULT DOC): a cache variable NAME, passed to the compiler
# as the macro NAME holding a string literal.
function(nuvri_host name default doc)
    set(${name} "${default}" CACHE STRING "${doc}")
    add_compile_definitions(${name}="${${name}}")
endfunction()

nuvri_host(NUVRI_LIST_SERVICE_HOST "${NUVRI_REFERENCE_SERVICE}" "The list service")
nuvri_host(NUVRI_PLAYER_HOST "${NUVRI_REFERENCE_SERVICE}" "The host of the player page")
nuvri_host(NUVRI_NOTICE_HOST "${NUVRI_REFERENCE_SERVICE}" "The notice texts and information page")
nuvri_host(NUVRI_OUTSIDE_PAGE_HOST "${NUVRI_REFERENCE_SERVICE}/outside"
           "The outside media host's web pages")
nuvri_host(NUVRI_OUTSIDE_FILE_HOST "${NUVRI_REFERENCE_SERVICE}/outside-files"
           "The outside media host's files")
nuvri_host(NUVRI_MEDIA_HOST "${NUVRI_REFERENCE_SERVICE}/media"
           "The media of the embedded playlists")
nuvri_host(NUVRI_DOWNLOAD_HOST "${NUVRI_REFERENCE_SERVICE}" "The download list files")
nuvri_host(NUVRI_FORUM_ADDRESS "http://${NUVRI_REFERENCE_SERVICE}/forum/" "The forum's home page")
nuvri_host(NUVRI_RTMP_HOST "127.0.0.1" "The numeric IP of the live stream server")
