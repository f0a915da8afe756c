# Sourced by the scripts that build, run, test or measure the Windows
# program: `choose_windows_build` picks the build this machine runs and says
# which in one line. The 32-bit build is the program; the 64-bit one is the
# same program for machines whose kernel executes no 32-bit programs, where
# Wine's 32-bit loader fails ("Exec format error"). NUVRI_WINDOWS_BITS=64
# forces the 64-bit build, NUVRI_WINDOWS_BITS=32 the 32-bit one.
# Sets windows_bits (32 or 64), windows_tree (the build.sh tree name),
# windows_dir (its folder), wine_arch (its prefixes' architecture) and
# windows_why (why this build).

# True when Wine's 32-bit loader runs here; the kernel's name or version
# cannot tell. Needs Wine installed (tools/setup.sh).
runs_32bit_programs() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Sets the variables of the build with BITS (32 or 64).
use_windows_build() {
    windows_bits="$1"
    if [[ "$1" == 32 ]]; then
        windows_tree=windows
        wine_arch=win32
    else
        windows_tree=windows64
        wine_arch=win64
    fi
    windows_dir="${NUVRI_BUILD_DIR:-$root/build/$windows_tree}"
}

choose_windows_build() {
    choose_windows_build_quietly || return
    echo "Windows build: ${windows_bits}-bit ($windows_why)"
}

choose_windows_build_quietly() {
    case "${NUVRI_WINDOWS_BITS:-}" in
        32 | 64)
            use_windows_build "$NUVRI_WINDOWS_BITS"
            windows_why="NUVRI_WINDOWS_BITS=$NUVRI_WINDOWS_BITS"
            ;;
        "")
            if runs_32bit_programs; then
                use_windows_build 32
                windows_why="this machine runs 32-bit programs"
            else
                use_windows_build 64
                windows_why="this machine cannot run 32-bit programs"
            fi
            ;;
        *)
            echo "NUVRI_WINDOWS_BITS is 32 or 64, not '$NUVRI_WINDOWS_BITS'" >&2
            return 2
            ;;
    esac
}
