# The checks of an installed game, sourced by check_install.sh. Each takes the root of
# the installed tree (what the prefix holds) and stops the script at the first fault.
# Needs $scratch, a folder the checks may write to.
hazama_id=io.github.hazama_gumi.Hazama
no_display_words=("画面がありません" "no display")

fail() {
  echo "install check: $*" >&2
  exit 1
}

# Desktop entry, AppStream metadata, icons and manual page of the tree installed below
# ROOT for PREFIX (ROOT ends in PREFIX).
check_metadata() {
  local root=$1 prefix=$2 share=$1/share
  local desktop=$share/applications/$hazama_id.desktop
  desktop-file-validate "$desktop" || fail "desktop-file-validate: $desktop"
  grep -qx "Icon=$hazama_id" "$desktop" || fail "the desktop entry names another icon"
  grep -qx "Name\[en\]=Hazama" "$desktop" || fail "the desktop entry has no English name"
  local exec
  exec=$(sed -n 's/^Exec=//p' "$desktop")
  [ "${exec##*/}" = hazama ] && [ -x "${root%"$prefix"}$exec" ] ||
    fail "the desktop entry starts $exec, which is not the installed program"

  local metainfo=$share/metainfo/$hazama_id.metainfo.xml
  appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.txt" 2>&1 ||
    { cat "$scratch/appstream.txt" >&2; fail "appstreamcli validate: $metainfo"; }

  local size icon
  for size in 16 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$hazama_id.png
    [ "$(identify -format '%m %wx%h' "$icon" 2>/dev/null)" = "PNG ${size}x${size}" ] ||
      fail "not a ${size}x${size} PNG: $icon"
  done
  icon=$share/icons/hicolor/scalable/apps/$hazama_id.svg
  rsvg-convert "$icon" -o "$scratch/scalable.png" || fail "not an SVG: $icon"

  local page
  page=$(ls "$share"/man/man6/hazama.6* 2>/dev/null | head -1)
  [ -n "$page" ] || fail "no manual page in $share/man/man6"
  local warnings
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >"$scratch/man.txt")
  [ -z "$warnings" ] || fail "man -l $page warns: $warnings"
  grep -q "F11" "$scratch/man.txt" || fail "the manual page does not show its controls"
}

# Starts PROGRAM on the offscreen platform and writes its title screen to PNG.
title_screen() {
  local program=$1 png=$2
  rm -f "$png"
  QT_QPA_PLATFORM=offscreen HAZAMA_SNAPSHOT=$png timeout 60 "$program" \
    2>"$scratch/stderr.txt" </dev/null ||
    { cat "$scratch/stderr.txt" >&2; fail "$program did not reach its title screen"; }
  ! grep -q "見つかりません\|読み込めません" "$scratch/stderr.txt" || fail "$program: $(cat "$scratch/stderr.txt")"
  [ -s "$png" ] || fail "$program drew nothing"
}

# The game installed below ROOT in BINDIR finds its installed data; with a copy of the
# data beside it, it prefers the copy. REFERENCE, when given, is a program whose title
# screen the installed one must match pixel for pixel (the build tree's).
check_installed_game() {
  local root=$1 bindir=$2 reference=$3
  local program=$root/$bindir/hazama data=$root/share/games/hazama
  [ -x "$program" ] || fail "no program at $program"
  [ -d "$data/gra" ] && [ -d "$data/music" ] || fail "no gra/ and music/ in $data"
  # The synthesizer module, loaded with the first piece of music, lies in the game's own
  # folder below lib/ (or lib/<arch>/), where the program looks for it relative to itself.
  local modules
  modules=$(find "$root/lib" -path '*/hazama/hazama-fluid.so' 2>/dev/null)
  [ -n "$modules" ] || fail "no synthesizer module below $root/lib"

  title_screen "$program" "$scratch/installed.png"
  # The frame around the picture is the installed frame.jpg, not the stand-in drawn when
  # it is missing.
  local drawn expected
  drawn=$(convert "$scratch/installed.png" -crop 634x4+0+0 -format '%#' info:)
  expected=$(convert "$data/gra/window/frame.jpg" -crop 634x4+0+0 -format '%#' info:)
  [ "$drawn" = "$expected" ] || fail "the installed game does not show its frame picture"
  if [ -n "$reference" ]; then
    title_screen "$reference" "$scratch/reference.png"
    local differ
    differ=$(compare -metric AE "$scratch/installed.png" "$scratch/reference.png" null: 2>&1) ||
      true
    [ "$differ" = "0" ] || fail "the installed title screen differs from the build's ($differ)"
  fi

  # A player's copy beside the program, with a frame of its own, wins.
  cp -r "$data/gra" "$data/music" "$root/$bindir/"
  convert -size 634x463 xc:'#ff0000' "$root/$bindir/gra/window/frame.jpg"
  title_screen "$program" "$scratch/beside.png"
  rm -rf "$root/$bindir/gra" "$root/$bindir/music"
  local corner
  corner=$(convert "$scratch/beside.png" -format '%[fx:int(255*p{1,1}.r)] %[fx:int(255*p{1,1}.g)]' info:)
  [[ "$corner" =~ ^2[0-9][0-9]\ [0-3]?[0-9]$ ]] ||
    fail "the copy beside the program was not preferred (corner $corner)"
}

# Runs PROGRAM in FOLDER with core dumps allowed, so an abort would leave one there.
run_allowing_core() {
  local folder=$1
  shift
  (cd "$folder" && { ulimit -c unlimited 2>/dev/null || ulimit -c "$(ulimit -H -c)"; } &&
    exec "$@")
}

# Without a display: the one line, status 1, no core dump; also when a display is named
# but cannot be reached.
check_no_display() {
  local program=$1 status
  local cwd=$scratch/no-display
  mkdir -p "$cwd"
  status=0
  run_allowing_core "$cwd" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" \
    >/dev/null 2>"$scratch/no-display.txt" || status=$?
  expect_no_display_line "$status" "no DISPLAY"
  status=0
  run_allowing_core "$cwd" env -u WAYLAND_DISPLAY DISPLAY=:4242 QT_QPA_PLATFORM=xcb "$program" \
    >/dev/null 2>"$scratch/no-display.txt" || status=$?
  expect_no_display_line "$status" "an unreachable DISPLAY"
  [ -z "$(ls "$cwd")" ] || fail "files left behind without a display: $(ls "$cwd")"
}

expect_no_display_line() {
  local status=$1 case=$2 text
  text=$(cat "$scratch/no-display.txt")
  [ "$status" = 1 ] || fail "with $case: exit status $status (want 1): $text"
  [ "$(wc -l <"$scratch/no-display.txt")" = 1 ] || fail "with $case: not one line: $text"
  local word
  for word in "${no_display_words[@]}"; do
    [[ "$text" == *"$word"* ]] || fail "with $case: '$word' missing from: $text"
  done
}
