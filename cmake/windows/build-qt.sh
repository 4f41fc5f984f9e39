#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows (mingw-w64) once per machine and prints its prefix on stdout.
#
# The source is Debian's own qt6-base, the very version whose host tools (moc, rcc, uic from
# qt6-base-dev-tools) are installed, so Qt's cross-build takes its tools from /usr and needs no host
# build of its own. Debian's patches are applied as dpkg-source unpacks it, then ours from qt-patches/.
# The prefix is a cache folder keyed by the source version, this configure line, our patches and the
# toolchain files; it never moves, and a stamp written last marks it complete. Progress goes to stderr.
#
#   cmake/windows/build-qt.sh            build if needed; print the prefix
#   cmake/windows/build-qt.sh --cached   print the prefix if it is built, else nothing; build nothing
#   LINEWRIGHT_QT_CACHE=DIR              where prefixes live (default ~/.cache/linewright)
#   LINEWRIGHT_QT_JOBS=N                 parallel compile jobs (default: the number of cores)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${LINEWRIGHT_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/linewright}
jobs=${LINEWRIGHT_QT_JOBS:-$(nproc 2>/dev/null || echo 2)}
packages=(cmake ninja-build perl dpkg-dev xz-utils g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
          qt6-base-dev qt6-base-dev-tools)

say() { echo "build-qt: $*" >&2; }

ensure_packages() {
  local missing=() package
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    say "needs these Debian packages: ${missing[*]}"
    say "install them with: sudo apt-get install ${missing[*]}"
    exit 1
  fi
  say "installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get -o DPkg::Lock::Timeout=600 update -qq
  apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

host_multiarch() { dpkg-architecture -qDEB_HOST_MULTIARCH; }

# Only what Linewright uses is built: Core, Gui, Widgets and Test, with the Windows platform plugin.
# OpenGL, Vulkan, Direct2D and DirectWrite 3 are left out (the raster engine and GDI fonts draw
# everything), tablet events too (Debian's source drops the wintab header), and every third-party
# library is Qt's bundled copy, so the prefix depends on nothing but the mingw-w64 runtime, itself
# linked in statically (static_runtime).
configure_args() {
  local prefix=$1
  cat <<EOF
-G Ninja
-DCMAKE_TOOLCHAIN_FILE=$here/mingw-w64-x86_64-qt.cmake
-DCMAKE_BUILD_TYPE=Release
-DCMAKE_INSTALL_PREFIX=$prefix
-DQT_HOST_PATH=/usr
-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(host_multiarch)/cmake
-DBUILD_SHARED_LIBS=OFF
-DFEATURE_static_runtime=ON
-DQT_BUILD_TESTS=OFF
-DQT_BUILD_EXAMPLES=OFF
-DFEATURE_sql=OFF
-DFEATURE_network=OFF
-DFEATURE_dbus=OFF
-DFEATURE_xml=OFF
-DFEATURE_printsupport=OFF
-DFEATURE_concurrent=OFF
-DINPUT_opengl=no
-DFEATURE_opengl=OFF
-DFEATURE_vulkan=OFF
-DFEATURE_direct2d=OFF
-DFEATURE_directwrite3=OFF
-DFEATURE_tabletevent=OFF
-DFEATURE_zstd=OFF
-DFEATURE_icu=OFF
-DFEATURE_jpeg=OFF
-DFEATURE_gif=OFF
-DFEATURE_freetype=OFF
-DFEATURE_system_zlib=OFF
-DFEATURE_system_pcre2=OFF
-DFEATURE_system_png=OFF
-DFEATURE_system_harfbuzz=OFF
-DFEATURE_system_doubleconversion=OFF
EOF
}

source_version() { dpkg-query -W -f='${Version}' qt6-base-dev-tools; }

# The key covers everything that shapes the result except the prefix itself and where this
# checkout lies, so that every checkout on the machine shares one Qt.
build_key() {
  {
    source_version
    configure_args PREFIX | sed "s|$here|CHECKOUT|g"
    cat "$here/mingw-w64-x86_64-qt.cmake" "$here/mingw-w64-x86_64.cmake"
    cat "$here"/qt-patches/*.patch 2>/dev/null || true
  } | sha256sum | cut -c1-12
}

# Fetches and unpacks Debian's source through a private deb-src list, leaving the system's apt as it is.
fetch_source() {
  local work=$1 version
  version=$(source_version)
  mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/parts" "$work/download"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
    >"$work/apt/sources.list"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main" \
    >>"$work/apt/sources.list"
  local apt=(apt-get -qq -o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=$work/apt/parts"
             -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache")
  [ "$(id -u)" -eq 0 ] && apt+=(-o APT::Sandbox::User=root)
  say "fetching Debian's qt6-base $version source"
  "${apt[@]}" update
  (cd "$work/download" && "${apt[@]}" --download-only --only-source source "qt6-base=$version")
  rm -rf "$work/src"
  dpkg-source --no-check -x "$work/download"/qt6-base_*.dsc "$work/src" >"$work/unpack.log" 2>&1 ||
    { cat "$work/unpack.log" >&2; exit 1; }
  local patch
  for patch in "$here"/qt-patches/*.patch; do
    [ -e "$patch" ] || continue
    say "applying $(basename "$patch")"
    patch -d "$work/src" -p1 --quiet <"$patch"
  done
}

# Ninja's progress, thinned to a line every 5 percent with the time spent; the full log stays in the work folder.
show_progress() {
  local line shown=-5 percent
  while IFS= read -r line; do
    if [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]]; then
      percent=$((100 * BASH_REMATCH[1] / BASH_REMATCH[2]))
      if [ $((percent - shown)) -ge 5 ]; then
        shown=$percent
        say "$(printf '%3d%%  %s/%s steps  %d min' "$percent" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" $((SECONDS / 60)))"
      fi
    fi
  done
}

write_build_info() {
  local prefix=$1 work=$2
  mkdir -p "$prefix/share/linewright-qt/licenses"
  cp "$work/src"/LICENSES/*.txt "$prefix/share/linewright-qt/licenses/"
  {
    echo "Qt $(source_version | cut -d+ -f1), built statically for x86_64-w64-mingw32 from Debian's source package"
    echo "qt6-base $(source_version) (https://snapshot.debian.org/package/qt6-base/$(source_version)/),"
    echo "with Debian's patches$(ls "$here"/qt-patches/*.patch >/dev/null 2>&1 && echo " and these of Linewright's: $(cd "$here/qt-patches" && echo *.patch)"), configured with:"
    echo
    echo "cmake $(configure_args "$prefix" | tr '\n' ' ')"
    echo
    echo "with this toolchain file, mingw-w64-x86_64-qt.cmake:"
    cat "$here/mingw-w64-x86_64-qt.cmake"
    echo
    echo "which includes mingw-w64-x86_64.cmake:"
    cat "$here/mingw-w64-x86_64.cmake"
  } >"$prefix/share/linewright-qt/build-info.txt"
}

build() {
  local prefix=$1 work=$2
  rm -rf "$prefix"
  [ -f "$work/src/.fetched" ] || { fetch_source "$work" && touch "$work/src/.fetched"; }
  if [ ! -f "$work/build/build.ninja" ]; then
    say "configuring"
    mapfile -t args < <(configure_args "$prefix")
    cmake -S "$work/src" -B "$work/build" "${args[@]}" >"$work/configure.log" 2>&1 ||
      { tail -n 40 "$work/configure.log" >&2; say "configure failed; see $work/configure.log"; exit 1; }
  fi
  say "compiling with $jobs jobs; the full log is $work/build.log"
  SECONDS=0
  if ! NINJA_STATUS='[%f/%t] ' ninja -C "$work/build" -j "$jobs" 2>&1 | tee "$work/build.log" | show_progress; then
    grep -A 20 -m 3 '^FAILED' "$work/build.log" >&2 || tail -n 40 "$work/build.log" >&2
    say "the build failed; running this again resumes it"
    exit 1
  fi
  ninja -C "$work/build" install >"$work/install.log" 2>&1 ||
    { tail -n 40 "$work/install.log" >&2; say "install failed; see $work/install.log"; exit 1; }
  write_build_info "$prefix" "$work"
  say "built in $((SECONDS / 60)) minutes, $(du -sh "$prefix" | cut -f1) installed"
}

main() {
  ensure_packages
  local version key prefix work
  version=$(source_version | cut -d+ -f1)
  key=$(build_key)
  prefix="$cache/qt-$version-mingw-static-$key"
  work="$cache/qt-$version-mingw-static-$key.work"
  if [ "${1:-}" = --cached ]; then
    [ -f "$prefix/.complete" ] && echo "$prefix"
    return 0
  fi
  mkdir -p "$cache"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/.complete" ]; then
    say "building Qt $version for Windows into $prefix"
    say "this happens once per machine and takes 15 to 40 minutes on 2 cores (you have $jobs)"
    build "$prefix" "$work"
    touch "$prefix/.complete"
    rm -rf "$work"
  fi
  echo "$prefix"
}

main "$@"
