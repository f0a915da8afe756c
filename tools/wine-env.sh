# Sourced by the scripts that run Wine: `wine_environment ARCH PREFIX` exports
# what Wine needs for a private prefix of that architecture (win32 or win64)
# and sets `wine_loader` to the Wine loader that runs its programs. Debian's
# `wine` command prefers the 32-bit loader whenever wine32 is installed, which
# a machine that runs no 32-bit programs cannot execute, so a win64 prefix
# names the 64-bit loader itself.

wine_environment() {
    export WINEPREFIX="$(realpath -m "$2")"
    export WINEARCH="$1"
    export WINEDEBUG=-all
    # No Mono or Gecko download prompts, no desktop menu entries.
    export WINEDLLOVERRIDES="mscoree=;winemenubuilder.exe="
    case "$1" in
        win32)
            wine_loader=/usr/lib/wine/wine
            ;;
        win64)
            wine_loader=/usr/lib/wine/wine64
            ;;
        *)
            echo "wine_environment: ARCH is win32 or win64, not '$1'" >&2
            return 2
            ;;
    esac
    export WINELOADER="$wine_loader"
}
