#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of the installed application, run by CTest:
#   check_install.sh tree|finish|package BUILD_DIR WORK_DIR
# tree: installs into WORK_DIR/destdir with the prefix /usr and checks the tree and its desktop files;
# finish: runs the installed tavrin offscreen through Finish; package: builds the Debian package and
# checks it. The environment names the version, the application id, the folders and the test plugin.
set -euo pipefail

what=$1 build=$2 work=$3
destdir=$work/destdir
failures=0
mkdir -p "$work"

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

expect_file() {
  [[ -f $destdir/$1 && ! -L $destdir/$1 ]] || fail "$1 is not installed"
}

# A PNG's width and height, from its header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

check_tree() {
  rm -rf "$destdir"
  DESTDIR=$destdir cmake --install "$build" --prefix /usr >"$work/install.log"
  expect_file "usr/$BINDIR/tavrin"
  [[ -x $destdir/usr/$BINDIR/tavrin ]] || fail "tavrin is not executable"
  if [[ -n $LIVE_PLUGIN_DIR ]]; then
    expect_file "usr/$LIVE_PLUGIN_DIR/libtavrin_live.so"
    # Its only search path is LibreOffice's program folder, where the UNO libraries' own needs lie.
    [[ $(readelf -d "$destdir/usr/$LIVE_PLUGIN_DIR/libtavrin_live.so" | grep -E 'RPATH|RUNPATH') == \
      *"[/usr/lib/libreoffice/program]" ]] || fail "the installed plugin's library search path"
  fi
  [[ ! -e $destdir/usr/$BINDIR/libtavrin_live.so ]] || fail "the plugin is installed beside the program"
  expect_file "usr/$MODULE_DIR/libtavrin_evolution.so"
  expect_file "usr/share/applications/$APP_ID.desktop"
  expect_file "usr/share/metainfo/$APP_ID.metainfo.xml"
  expect_file "usr/share/man/man1/tavrin.1.gz"
  gzip -t "$destdir/usr/share/man/man1/tavrin.1.gz" || fail "the manual page is not gzipped"
  expect_file "usr/share/doc/tavrin/copyright"
  expect_file "usr/share/doc/tavrin/changelog.gz"
  expect_file "usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
  for size in 16 22 24 32 48 64 128 256 512; do
    local icon="usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    expect_file "$icon"
    [[ -f $destdir/$icon && $(png_size "$destdir/$icon") == "${size}x${size}" ]] ||
      fail "$icon is not $size pixels square"
  done
  for alias in 61-tavrin-letter-faces.conf 62-tavrin-opentype-faces.conf; do
    expect_file "usr/share/fontconfig/conf.avail/$alias"
    [[ $(readlink "$destdir/etc/fonts/conf.d/$alias") == "/usr/share/fontconfig/conf.avail/$alias" ]] ||
      fail "/etc/fonts/conf.d/$alias does not link to the alias file"
  done

  # The newest entries of the metainfo and the changelog are this version.
  grep -q "<release version=\"$PROJECT_VERSION\"" "$destdir/usr/share/metainfo/$APP_ID.metainfo.xml" ||
    fail "the metainfo has no release $PROJECT_VERSION"
  [[ $(zcat "$destdir/usr/share/doc/tavrin/changelog.gz" | dpkg-parsechangelog -l- -SVersion) == "$PROJECT_VERSION" ]] ||
    fail "the changelog's newest entry is not $PROJECT_VERSION"

  desktop-file-validate "$destdir/usr/share/applications/$APP_ID.desktop" || fail "desktop-file-validate"
  local verdict
  verdict=$(appstreamcli validate --no-net "$destdir/usr/share/metainfo/$APP_ID.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate"
  echo "$verdict"
  ! grep -Eq '^(E|W):' <<<"$verdict" || fail "appstreamcli reports errors or warnings"
}

check_finish() {
  local home=$work/home report=$work/plugin-report
  rm -rf "$home" "$report"
  mkdir -p "$home"
  local -a environment=(
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
    QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$HOOK_PLUGIN_PATH" QT_QPA_GENERIC_PLUGINS=tavrinfinish
    TAVRIN_TEST_STYLE=OptClassic TAVRIN_TEST_REPORT="$report" BROWSER=true
  )
  # The letter would open in the desktop's application for .docx files: there is none to start here.
  mkdir -p "$home/bin"
  printf '#!/bin/sh\nexit 0\n' >"$home/bin/xdg-open"
  chmod +x "$home/bin/xdg-open"
  # A desktop with an application for .docx, so that the letter is opened rather than previewed.
  printf '#!/bin/sh\necho writer.desktop\n' >"$home/bin/xdg-mime"
  chmod +x "$home/bin/xdg-mime"
  # Without a display the built-in word processor takes the letter, even where a LibreOffice with windows
  # is installed: that is the path this check follows to the documents folder.
  local status=0
  (cd "$home" && env -u DISPLAY -u WAYLAND_DISPLAY "${environment[@]}" PATH="$home/bin:$PATH" timeout 120 "$destdir/usr/$BINDIR/tavrin") \
    >"$work/finish.out" 2>&1 || status=$?
  cat "$work/finish.out"
  [[ $status -eq 0 ]] || fail "tavrin exited with status $status"
  local letters=("$home"/Documents/Letter\ *.docx)
  [[ -f ${letters[0]} ]] || fail "no letter in the documents folder"
  [[ -f ${letters[0]} ]] && grep -Fq "${letters[0]}" "$work/finish.out" || fail "the letter's path is not printed"
  if [[ -f ${letters[0]} ]]; then
    # The listing is taken whole first: grep -q would stop reading early, and under pipefail the writer's
    # broken pipe would fail the check however the letter looks.
    local members
    members=$(unzip -Z1 "${letters[0]}")
    grep -q '^word/media/' <<<"$members" || fail "the Classic letter carries no picture"
  fi
  [[ -z $(find "$destdir/usr/$BINDIR" -name '*.bmp') ]] || fail "style pictures were left beside the program"
  if [[ -n $LIVE_PLUGIN_DIR ]]; then
    [[ $(cat "$report") == "$destdir/usr/$LIVE_PLUGIN_DIR/libtavrin_live.so" ]] ||
      fail "the live plugin was not loaded from its installed folder: '$(cat "$report" 2>/dev/null)'"
  fi
}

check_package() {
  local packages=$work/package
  rm -rf "$packages"
  mkdir -p "$packages"
  (cd "$build" && cpack -G DEB -B "$packages") >"$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack"; return; }
  local deb
  deb=$(ls "$packages"/tavrin_"$PROJECT_VERSION"_*.deb)
  [[ $(basename "$deb") == "tavrin_${PROJECT_VERSION}_$(dpkg --print-architecture).deb" ]] || fail "named $deb"
  dpkg-deb -c "$deb"
  local contents depends recommends
  contents=$(dpkg-deb -c "$deb")
  for path in "./usr/$BINDIR/tavrin" "./usr/share/applications/$APP_ID.desktop" "./usr/share/doc/tavrin/copyright" \
    "./usr/share/icons/hicolor/512x512/apps/$APP_ID.png" "./etc/fonts/conf.d/61-tavrin-letter-faces.conf" \
    ${LIVE_PLUGIN_DIR:+"./usr/$LIVE_PLUGIN_DIR/libtavrin_live.so"}; do
    grep -Fq " $path" <<<"$contents" || fail "the package lacks $path"
  done
  [[ $(dpkg-deb -f "$deb" Package) == tavrin ]] || fail "the package is not named tavrin"
  [[ $(dpkg-deb -f "$deb" Section) == editors ]] || fail "the section is not editors"
  depends=$(dpkg-deb -f "$deb" Depends)
  recommends=$(dpkg-deb -f "$deb" Recommends)
  echo "Depends: $depends"
  echo "Recommends: $recommends"
  for needed in fonts-liberation2 fonts-urw-base35 fonts-ebgaramond libc6 libqt6widgets6 libzip4; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed"
  done
  [[ $recommends == libreoffice-writer ]] || fail "Recommends is not libreoffice-writer"
  # The binaries are stripped.
  local unpacked=$packages/unpacked
  dpkg-deb -x "$deb" "$unpacked"
  for elf in "$unpacked/usr/$BINDIR/tavrin" ${LIVE_PLUGIN_DIR:+"$unpacked/usr/$LIVE_PLUGIN_DIR/libtavrin_live.so"}; do
    grep -q ', stripped' <<<"$(file "$elf")" || fail "$elf is not stripped"
  done
  # dpkg's triggers refresh the icon cache, the menu, the manual's index and fontconfig; the package needs
  # no maintainer scripts. CPack adds ldconfig calls when the plugin lies in a folder right below
  # /usr/lib, as it does in a build for another prefix than the package's (/usr/local: lib/tavrin).
  if [[ $INSTALL_PREFIX == /usr ]]; then
    local scripts
    scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -Ev '^\./(control|md5sums)?$' || true)
    [[ -z $scripts ]] || fail "the package carries maintainer scripts: $scripts"
    lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
  else
    echo "The build's prefix is $INSTALL_PREFIX, not the package's /usr: lintian's warnings are not checked."
    lintian --fail-on error "$deb" || fail "lintian reports errors"
  fi
}

"check_$what"
if ((failures > 0)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
