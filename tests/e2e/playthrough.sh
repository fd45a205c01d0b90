#!/usr/bin/env bash
# Plays Jorvell from its start to its end as a player would, on a private Xvfb
# server: skips the logo, clicks PLAY, holds Right and Up until the level's
# end, clicks PLAY WITH BOX on the title that follows, reaches the end again
# and presses Escape. It checks the program's exact standard output, its exit
# code and what the window shows at each screen (the checkpoints below).
#
# Around that it checks what a player learns when the data is not right:
# started in a folder without its data, the game says where to start it and
# ends with exit code 1 before opening a window; started in a folder whose
# level document and template picture are damaged, it names each on standard
# error once, plays on as before and keeps its standard output.
#
#   tests/e2e/playthrough.sh GAME DATA OUT
#
# GAME is the jorvell program, DATA the data folder the build made, OUT a
# folder for the screenshots (emptied first, kept for inspection). The game
# runs in a temporary copy of DATA (links) whose level is the test level:
# its end is a tall curtain a few units right of the start.
#
# With JORVELL_REFRESH_SCREENSHOTS=1 it also writes the README's pictures of
# the four screens, scaled down, to docs/screenshots/ of the source tree.
#
# No step counts on the game being quick: each polls for what the window or
# the output must show, and gives up only after a minute. (The one pause, a
# second before each picture of the level, only lets the mannequin land.)
set -euo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 GAME DATA OUT" >&2
  exit 2
fi
game=$(realpath "$1")
data=$(realpath "$2")
rm -rf "$3"
mkdir -p "$3"
out=$(realpath "$3")
root=$(realpath "$(dirname "$0")/../..")

limit=60
export ALSOFT_DRIVERS=null

work=$(mktemp -d "${TMPDIR:-/tmp}/jorvell-playthrough.XXXXXX")
xvfb_pid=""
game_pid=""
wid=""
shot_file=$work/shot.png
raw_file=$work/shot.rgb
checkpoint="start"

# Ends a process this script started: politely, then for sure.
stop() {
  local pid=$1 i
  [ -n "$pid" ] || return 0
  kill "$pid" 2>/dev/null || true
  for ((i = 0; i < 50; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

cleanup() {
  stop "$game_pid"
  stop "$xvfb_pid"
  cp "$work/stdout" "$out/game-stdout.txt" 2>/dev/null || true
  cp "$work/stderr" "$out/game-stderr.txt" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

now_ms() {
  local t=${EPOCHREALTIME//[.,]/}
  echo $((t / 1000))
}

# The text the game wrote so far, quoted so that line breaks show.
game_output() {
  local text
  text=$(cat "$work/stdout" 2>/dev/null; printf .)
  printf '%q' "${text%.}"
}

fail() {
  echo "Play-through FAILED at checkpoint '$checkpoint': $1" >&2
  if [ -f "$shot_file" ]; then
    cp "$shot_file" "$out/failed.png"
    echo "The last screenshot taken: $out/failed.png" >&2
  fi
  echo "Standard output so far: $(game_output)" >&2
  if [ -s "$work/stderr" ]; then
    echo "Standard error (last lines):" >&2
    tail -n 20 "$work/stderr" >&2
  fi
  echo "Screenshots: $out" >&2
  exit 1
}

# X clients never hang the test.
x() {
  timeout 30 "$@"
}

# A player's action, which must reach the X server.
xdo() {
  x xdotool "$@" || fail "xdotool $* did not work"
}

game_running() {
  kill -0 "$game_pid" 2>/dev/null
}

game_ended() {
  ! game_running
}

# Runs a check until it succeeds; the checkpoint fails after the limit or
# when the game has ended.
wait_until() {
  local what=$1 deadline
  shift
  deadline=$(($(now_ms) + limit * 1000))
  local status=0
  until "$@"; do
    if ! game_running; then
      wait "$game_pid" || status=$?
      game_pid=""
      fail "$what: the game ended with exit code $status"
    fi
    (($(now_ms) < deadline)) || fail "$what: not within $limit s"
    sleep 0.1
  done
}

# The standard output is exactly this text.
output_is() {
  cmp -s <(printf '%s' "$1") "$work/stdout"
}

# Screenshots and their pixels -------------------------------------------

# A screenshot of the whole window; false while it cannot be taken.
shot() {
  x import -window "$wid" "$shot_file" 2>/dev/null &&
    x convert "$shot_file" -depth 8 "rgb:$raw_file" 2>/dev/null &&
    [ "$(stat -c %s "$raw_file")" -eq $((800 * 600 * 3)) ]
}

# Keeps the last screenshot in the output folder under a name.
keep() {
  cp "$shot_file" "$out/$1.png"
}

# The colour of a pixel of the last screenshot, window coordinates.
pixel() {
  od -An -tu1 -j $((($2 * 800 + $1) * 3)) -N3 "$raw_file" | tr -s ' ' | sed 's/^ //'
}

# The pixel is exactly this colour.
is() {
  [ "$(pixel "$1" "$2")" = "$3 $4 $5" ]
}

all_black() {
  cmp -s -n $((800 * 600 * 3)) "$raw_file" /dev/zero
}

# How many pixels of the last screenshot have exactly this colour (RRGGBB).
count() {
  convert "$shot_file" -depth 8 -format %c histogram:info:- |
    awk -v colour="#$1" '$3 == colour { n = $1 + 0 } END { print n + 0 }'
}

# What each screen shows ---------------------------------------------------

# The title's picture: its wooden bar under the name.
title_shown() {
  shot && is 400 190 194 140 82
}

# A button's face: plain, or lighter while the pointer is over it.
button_at() {
  is "$1" "$2" 44 52 72 || is "$1" "$2" 60 72 100
}

# The white title with PLAY in its place, labelled (the label comes when the
# slide ends, and the button works from then on).
play_ready() {
  title_shown && is 50 580 255 255 255 && button_at 675 465 && button_at 745 465 &&
    is 622 458 255 255 255
}

# PLAY WITH BOX in its place (x 450-750, y 500-570), labelled. On its way
# in it never reaches x 740.
box_ready() {
  is 600 535 44 52 72 && is 740 535 44 52 72 && is 480 518 255 255 255
}

both_ready() {
  play_ready && box_ready
}

# The level: the sky below the floor.
level_shown() {
  shot && is 400 580 92 148 252
}

# The level with the mannequin's collision polygons: its blue left half and
# green right half.
boxes_shown() {
  level_shown && (($(count 0000FF) >= 1000 && $(count 00FF00) >= 1000))
}

no_boxes() {
  (($(count 0000FF) == 0 && $(count 00FF00) == 0)) ||
    fail "the level shows collision polygons without PLAY WITH BOX"
}

# Player's actions --------------------------------------------------------

click() {
  xdo mousemove --window "$wid" "$1" "$2" click 1
}

# Every key reaches the game as a keyboard's would: the window takes the focus
# and the key goes through XTEST to the focused window, never as an event sent
# to the window itself. Escape closes the window on its press, and a release
# sent after it to the window that is gone fails: the server then holds the
# key down, and the next press of it reaches no window.
focus_game() {
  xdo windowfocus --sync "$wid"
}

# A key pressed and released. When the press closes the window, the release
# goes wherever the focus went.
press() {
  focus_game
  xdo key "$1"
}

# Holds Right and Up (the game reads held keys from the keyboard's state)
# until the standard output reads the text.
run_to_end() {
  checkpoint=$1
  focus_game
  xdo keydown Right keydown Up
  wait_until "the mannequin reached the end sensor" output_is "$2"
  xdo keyup Up keyup Right
}

# Damaged data --------------------------------------------------------------

# Started where none of its data is, without a display: no window is tried.
started_elsewhere() {
  checkpoint="started outside its data folder"
  mkdir "$work/elsewhere"
  local status=0
  (cd "$work/elsewhere" && env -u DISPLAY "$game") >"$work/stdout" 2>"$work/stderr" || status=$?
  ((status == 1)) || fail "the exit code is $status, not 1"
  output_is "" || fail "the standard output is $(game_output)"
  grep -q "not in $work/elsewhere" "$work/stderr" && grep -q 'cd build/data && ../jorvell' "$work/stderr" ||
    fail "standard error does not say where to start the game: $(cat "$work/stderr")"
}

# The data folder with the level document cut in half and the template
# picture (which the level tries again for each object) replaced by noise.
make_damaged_folder() {
  mkdir "$work/damaged"
  cp -rs "$data/." "$work/damaged/"
  rm "$work/damaged/player/cenarioWin64.xml" "$work/damaged/templateTexture1024x1024.jpg"
  head -c $(($(stat -L -c %s "$data/player/cenarioWin64.xml") / 2)) "$data/player/cenarioWin64.xml" \
    >"$work/damaged/player/cenarioWin64.xml"
  head -c 4096 /dev/urandom >"$work/damaged/templateTexture1024x1024.jpg"
}

# The lines the game wrote about its data, in order.
data_lines() {
  grep '^jorvell: ' "$work/stderr" 2>/dev/null
}

damage_told() {
  [ "$(data_lines)" = "jorvell: templateTexture1024x1024.jpg: not a picture
jorvell: ./player/cenarioWin64.xml: not a readable document" ]
}

# Escape closes the game with exit code 0, its standard output exactly the
# text.
escape_ends_game() {
  press Escape
  wait_until "the window closing on Escape" game_ended
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  ((status == 0)) || fail "the game's exit code is $status"
  output_is "$1" || fail "the standard output is $(game_output)"
}

# Start -------------------------------------------------------------------

start_server() {
  checkpoint="X server"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset -br \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local deadline=$(($(now_ms) + limit * 1000))
  # The server writes its display number once it takes connections.
  until grep -qx '[0-9][0-9]*' "$work/display" 2>/dev/null; do
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    (($(now_ms) < deadline)) || fail "Xvfb gave no display within $limit s"
    sleep 0.05
  done
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY
  # The pointer waits outside where the window will be (240, 340, 800 x 600),
  # off the title's buttons, which light up under it.
  xdo mousemove 20 20
}

# The game's folder: every data file as a link, the test level in place of
# the level document.
make_folder() {
  mkdir "$work/data"
  cp -rs "$data/." "$work/data/"
  rm "$work/data/player/cenarioWin64.xml"
  cp "$data/player/cenarioTest.xml" "$work/data/player/cenarioWin64.xml"
}

# Starts the game in a folder (the test level's by default) and finds its
# window once it is on the screen, as it must be to take the focus.
# window_absent is the last moment the window was not shown yet: the logo's
# clock starts later than that.
launch() {
  local folder=${1:-$work/data}
  checkpoint="window"
  rm -f "$shot_file" "$raw_file"
  (cd "$folder" && exec "$game") >"$work/stdout" 2>"$work/stderr" &
  game_pid=$!
  local deadline=$(($(now_ms) + limit * 1000)) t
  window_absent=$(now_ms)
  while :; do
    t=$(now_ms)
    wid=$(x xdotool search --onlyvisible --name '^Jorvell$' 2>/dev/null) && break
    window_absent=$t
    game_running || fail "the game ended before its window showed"
    (($(now_ms) < deadline)) || fail "no window named Jorvell shown within $limit s"
    sleep 0.05
  done
  wid=${wid%%$'\n'*}
}

# Ends a game whose logo came and went before the screenshots could see it,
# and waits for its window to go, so that the next search finds the next one.
quit_game() {
  escape_ends_game $'\nHelloJorvell\n'
  local deadline=$(($(now_ms) + limit * 1000))
  while x xdotool search --name '^Jorvell$' >/dev/null 2>&1; do
    (($(now_ms) < deadline)) || fail "the window stayed after the game ended"
    sleep 0.05
  done
}

# The logo's first second is black: every screenshot taken surely within it
# (900 ms after the window was still missing) is black. False when none
# could be taken that early.
logo_start_black() {
  checkpoint="logo: black first second"
  local seen=0
  while :; do
    if shot; then
      (($(now_ms) - window_absent <= 900)) || break
      all_black || fail "a screenshot within the logo's first second is not all black"
      keep 01-logo-start
      seen=$((seen + 1))
    elif (($(now_ms) - window_absent > 900)); then
      break
    fi
  done
  ((seen > 0))
}

# The logo fades in between the first and the fourth second, over black.
# Follows it until it is bright or past its brightest and keeps the
# brightest picture. False when the screenshots were too far apart to see it
# before the title came.
logo_shown() {
  checkpoint="logo: shown"
  local best=0 red previous gap=0 t deadline
  previous=$(now_ms)
  deadline=$((previous + limit * 1000))
  while :; do
    if shot; then
      t=$(now_ms)
      gap=$((t - previous > gap ? t - previous : gap))
      previous=$t
      is 400 190 194 140 82 && break
      is 50 300 0 0 0 || fail "beside the logo is not black"
      # The red of the line under the name, 193 at full brightness.
      red=$(pixel 400 393)
      red=${red%% *}
      if ((red > best)); then
        best=$red
        keep 02-logo
      fi
      ((red >= 180 || (best >= 100 && red < best - 10))) && break
    fi
    game_running || fail "the game ended on the logo"
    (($(now_ms) < deadline)) || fail "the logo did not end within $limit s"
    sleep 0.05
  done
  ((best >= 100)) && return 0
  ((gap > 1500)) && return 1
  fail "the logo never showed (brightest red of its line: $best)"
}

# Starts the game until the logo could be watched from its first second
# (a busy machine may answer too late; the game is then started again).
watch_logo() {
  local deadline=$(($(now_ms) + limit * 1000))
  while :; do
    launch
    logo_start_black && logo_shown && return 0
    (($(now_ms) < deadline)) ||
      fail "for $limit s the screenshots came too late to watch the logo"
    echo "The screenshots came too late to watch the logo; starting the game again." >&2
    quit_game
  done
}

# The play-through ----------------------------------------------------------

started_elsewhere
start_server
make_folder
watch_logo

checkpoint="logo: skipped"
press Return
wait_until "the title after the logo" title_shown

checkpoint="title: PLAY"
press Return
wait_until "the white title with PLAY in its place" play_ready
# The pointer is not over PLAY yet.
is 675 465 44 52 72 || fail "PLAY is lit with the pointer away from it"
is 600 535 255 255 255 || fail "PLAY WITH BOX shows before a level has ended"
keep 03-title

checkpoint="title: click PLAY"
click 675 465
wait_until "the click on PLAY" output_is $'\nHelloJorvell\nClick Play'

checkpoint="level"
wait_until "the level's sky (92, 148, 252) below its floor" level_shown
keep 04-level-start
no_boxes
# The picture of the level waits a moment for the mannequin to land.
sleep 1
wait_until "the level's sky (92, 148, 252) below its floor" level_shown
keep 04-level
no_boxes

run_to_end "level: end" $'\nHelloJorvell\nClick Play END'

checkpoint="title again: both buttons"
wait_until "the title after the level" title_shown
press Return
wait_until "the white title with PLAY and PLAY WITH BOX in their places" both_ready
keep 05-title-both

checkpoint="title again: click PLAY WITH BOX"
click 600 535
wait_until "the click on PLAY WITH BOX" output_is $'\nHelloJorvell\nClick Play END\nClick Play With Box'
wait_until "the level with its collision polygons" boxes_shown
sleep 1
wait_until "the level with its collision polygons" boxes_shown
keep 06-level-boxes

run_to_end "level with boxes: end" $'\nHelloJorvell\nClick Play END\nClick Play With Box END'

checkpoint="exit"
wait_until "the title after the second level" title_shown
escape_ends_game $'\nHelloJorvell\nClick Play END\nClick Play With Box END\n'

make_damaged_folder
launch "$work/damaged"
checkpoint="damaged data: level"
press Return
wait_until "the title after the logo" title_shown
press Return
wait_until "the white title with PLAY in its place" play_ready
click 675 465
wait_until "the click on PLAY" output_is $'\nHelloJorvell\nClick Play'
wait_until "the level's sky (92, 148, 252) below its floor" level_shown
wait_until "the damaged files named on standard error" damage_told
escape_ends_game $'\nHelloJorvell\nClick Play\n'
damage_told || fail "standard error names the damaged files otherwise: $(data_lines)"
! grep -q 'Failed to load image' "$work/stderr" ||
  fail "the decoder's unnamed messages reached standard error"

if [ "${JORVELL_REFRESH_SCREENSHOTS:-}" = 1 ]; then
  mkdir -p "$root/docs/screenshots"
  for pair in 02-logo:logo 03-title:title 04-level:level 06-level-boxes:level-boxes; do
    convert "$out/${pair%%:*}.png" -resize 50% -strip "$root/docs/screenshots/${pair#*:}.png"
  done
  echo "Wrote the README's screenshots to $root/docs/screenshots"
fi
echo "Play-through passed; screenshots in $out"
