#!/usr/bin/env bash
# Builds against an installed UiWidgets the way a host application does.
#   build-host.sh install BUILD_DIR PREFIX   fresh `cmake --install` of BUILD_DIR into PREFIX
#   build-host.sh cmake PREFIX WORK_DIR      minimal host via find_package, then its scripted drag
#   build-host.sh pkg-config PREFIX WORK_DIR minimal host via pkg-config, then its scripted drag
#   build-host.sh headers PREFIX             every installed header preprocessed on its own: it
#                                            may include only installed or dependency headers
set -euo pipefail
mode=$1 from=$(realpath "$2") to=${3:-}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
launcher=$(command -v ccache || true)
host_flags=${UIW_HOST_FLAGS:-}
export QT_QPA_PLATFORM=offscreen
use_pkg_config() { PKG_CONFIG_PATH=$(dirname "$(find "$from" -name uiwidgets.pc -print -quit)"); export PKG_CONFIG_PATH; }
case "$mode" in
  install)
    rm -rf "$to"
    cmake --install "$from" --prefix "$to" >/dev/null ;;
  cmake)
    cmake -S "$source_dir/examples/minimal_host" -B "$to" -G Ninja -DCMAKE_PREFIX_PATH="$from" \
      -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" -DCMAKE_CXX_FLAGS="$host_flags" \
      -DCMAKE_EXE_LINKER_FLAGS="$host_flags" >/dev/null
    cmake --build "$to"
    "$to/minimal_host" --drag ;;
  pkg-config)
    use_pkg_config
    mkdir -p "$to"
    # shellcheck disable=SC2046 # the flags are meant to split
    $launcher c++ $host_flags $(pkg-config --cflags uiwidgets) -c "$source_dir/examples/minimal_host/main.cpp" -o "$to/main.o"
    # shellcheck disable=SC2046
    c++ $host_flags "$to/main.o" -o "$to/minimal_host" $(pkg-config --libs uiwidgets)
    LD_LIBRARY_PATH=$(pkg-config --variable=libdir uiwidgets) "$to/minimal_host" --drag ;;
  headers)
    use_pkg_config
    include_dir=$(pkg-config --variable=includedir uiwidgets)
    read -ra flags <<< "$(pkg-config --cflags uiwidgets)"
    cd "$include_dir"
    for header in ui_widgets/*/*.h ui_widgets/*/*/*.h; do
      echo "#include <$header>" | c++ "${flags[@]}" -E -x c++ - -o /dev/null || { echo "in $header" >&2; exit 1; }
    done ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
