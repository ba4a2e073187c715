#!/bin/sh
# Installs the build into a temporary prefix and checks the tree as a
# distribution would: desktop entry and AppStream metadata validate, every
# icon size is there at its size, the man pages render without warnings and
# describe every option, and the installed programs start.
# Exit 77 (skipped) when a checking tool is missing.
# Usage: check-installed-tree.sh CMAKE BUILD_DIR APP_ID VERSION gui|nogui
set -u
cmake=$1 build=$2 appid=$3 version=$4 gui=$5

tools="man"
[ "$gui" = gui ] && tools="$tools desktop-file-validate appstreamcli"
for tool in $tools; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: skipped"
    exit 77
  fi
done

work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }

for file in bin/zodiora-chart share/doc/zodiora/copyright share/doc/zodiora/NOTICE \
            share/man/man1/zodiora-chart.1.gz; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
# The changelog's newest entry is the version being built.
newest=$(gzip -dc "$prefix/share/doc/zodiora/changelog.gz" 2>/dev/null | sed -n '1s/^zodiora (\([^)]*\)).*/\1/p')
[ "$newest" = "$version" ] || fail "the changelog's newest entry is '$newest', not $version"

# Man pages: no groff warnings at a usual width, and every option that
# --help lists is described.
man_pages=zodiora-chart
[ "$gui" = gui ] && man_pages="$man_pages zodiora"
for page in $man_pages; do
  file=$prefix/share/man/man1/$page.1.gz
  [ -f "$file" ] || { fail "$page.1.gz is not installed"; continue; }
  MANWIDTH=80 man --warnings -l "$file" >"$work/$page.txt" 2>"$work/$page.err"
  [ -s "$work/$page.err" ] && fail "man $page warns: $(cat "$work/$page.err")"
  grep -q "^EXIT STATUS" "$work/$page.txt" || fail "man $page has no EXIT STATUS"
done

chart=$prefix/bin/zodiora-chart
if "$chart" --help >"$work/help.txt" 2>&1; then
  for option in $(grep -o -- '--[a-z][a-z-]*' "$work/help.txt" | sort -u); do
    grep -q -- "$option" "$work/zodiora-chart.txt" || fail "zodiora-chart.1 does not describe $option"
  done
  if grep -q -- '--version' "$work/help.txt"; then
    "$chart" --version | grep -q -- "$version" || fail "zodiora-chart --version does not say $version"
  fi
else
  fail "installed zodiora-chart --help exits with $?"
fi

if [ "$gui" = gui ]; then
  desktop=$prefix/share/applications/$appid.desktop
  metainfo=$prefix/share/metainfo/$appid.metainfo.xml
  if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate exits non-zero"
    [ -n "$out" ] && fail "desktop-file-validate: $out"
    grep -q "^Icon=$appid\$" "$desktop" || fail "the desktop entry's icon is not $appid"
  else
    fail "$appid.desktop is not installed"
  fi
  if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net --pedantic "$metainfo" >"$work/appstream.txt" 2>&1 ||
      fail "appstreamcli validate: $(cat "$work/appstream.txt")"
    # The newest release listed is the version being built.
    newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] || fail "the metainfo's newest release is '$newest', not $version"
  else
    fail "$appid.metainfo.xml is not installed"
  fi

  # Each PNG is square at its folder's size (width and height from IHDR).
  for side in 16 22 24 32 48 64 128 256 512; do
    png=$prefix/share/icons/hicolor/${side}x${side}/apps/$appid.png
    if [ -f "$png" ]; then
      size=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
      [ "$size" = "${side}x${side}" ] || fail "$png is $size"
    else
      fail "icon ${side}x${side} is not installed"
    fi
  done
  svg=$prefix/share/icons/hicolor/scalable/apps/$appid.svg
  grep -q "<svg" "$svg" 2>/dev/null || fail "the scalable icon is missing or not SVG"
  [ -f "$prefix/share/zodiora/user-guide.html" ] || fail "the user guide is not installed"
  [ -s "$prefix/share/zodiora/translations/zodiora_hi.qm" ] || fail "the Hindi translation is not installed"
  [ -s "$prefix/share/zodiora/translations/qtbase_extra_hi.qm" ] || fail "the Hindi of Qt's own buttons is not installed"

  # The window starts (offscreen) and keeps running; the home folders are
  # temporary so nothing of the user's is read or written.
  mkdir -p "$work/home" "$work/run" && chmod 700 "$work/run"
  HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen \
    timeout 5 "$prefix/bin/zodiora" >"$work/gui.log" 2>&1
  status=$?
  [ "$status" -eq 124 ] || fail "installed zodiora ended with $status within 5 s: $(cat "$work/gui.log")"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) of the installed tree failed"
  exit 1
fi
echo "installed tree under a temporary prefix: all checks passed"
