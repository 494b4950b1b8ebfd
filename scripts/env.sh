# Shared settings of the project's scripts (sourced, not run).
export JOKECERT_CACHE="${JOKECERT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/jokecert}"
export JOKECERT_MINGW_PREFIX="$JOKECERT_CACHE/mingw-prefix"
export WINEPREFIX="${JOKECERT_WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/jokecert/wine}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
