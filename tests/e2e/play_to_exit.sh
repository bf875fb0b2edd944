#!/usr/bin/env bash
# The built program, started as its own process on a fresh folder under a virtual X display and
# played as a player would: a profile made, a few hands, back to the menu and "Esci"; then again,
# with the window closed from the window manager in the middle of a match; then "Continua" and
# a SIGTERM. Each must end with status 0 within a few seconds, with no message box but the
# game's own questions, and leave the file compacted and sound, the game kept where it was left.
#
# usage: play_to_exit.sh BUILD_DIR
set -uo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
xvfb_pid="" wm_pid="" game_pid="" shot=0

cleanup() {
    for pid in $game_pid $wm_pid $xvfb_pid; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && xwininfo -root -tree 2>/dev/null | grep -i zelvaro >&2
    [ -f "$work/game.log" ] && sed 's/^/program: /' "$work/game.log" >&2
    if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
        import -window root "$build/play_to_exit_failure.png" 2>/dev/null &&
            echo "screen at the failure: $build/play_to_exit_failure.png" >&2
    fi
    exit 1
}

for tool in Xvfb xdotool wmctrl openbox; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# The program and its pictures in a folder of their own: the database is made beside it.
game="$work/game"
mkdir -p "$game"
cp "$build/zelvaro" "$game/"
cp -r "$build/carte" "$build/bandiere" "$build/immagini" "$build/icons" "$build/regolamento.txt" "$game/"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

# A display of our own, with a window manager to close the window as its close button does.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
# A window mapped while the manager is still starting may never be shown: wait for it.
for _ in $(seq 1 100); do
    wmctrl -m >/dev/null 2>&1 && break
    kill -0 "$wm_pid" 2>/dev/null || fail "openbox did not start: $(cat "$work/openbox.log")"
    sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || fail "openbox is not managing the display after 10 s"
xdotool mousemove 0 0

# The program's visible windows: the main window, and any message box over it.
windows() { xdotool search --onlyvisible --pid "$game_pid" --name '^Zelvaro$' 2>/dev/null | sort -u; }
window_count() { windows | wc -l; }

start_game() {
    (cd "$game" && exec ./zelvaro >"$work/game.log" 2>&1) &
    game_pid=$!
    for _ in $(seq 1 300); do
        [ "$(window_count)" -ge 1 ] && break
        kill -0 "$game_pid" 2>/dev/null || fail "the program ended at its start: $(cat "$work/game.log")"
        sleep 0.1
    done
    main_window=$(windows | head -n 1)
    [ -n "$main_window" ] || fail "no window after 30 s"
    # The first start makes the computer players with the window disabled.
    wait_idle
    no_box "the start"
    xdotool windowactivate --sync "$main_window" 2>/dev/null || xdotool windowfocus --sync "$main_window"
}

# Waits until the program has done its work (its processor time stands still for half a
# second), at most 60 s.
wait_idle() {
    local before after
    for _ in $(seq 1 120); do
        before=$(awk '{print $14 + $15}' "/proc/$game_pid/stat" 2>/dev/null) || return
        sleep 0.5
        after=$(awk '{print $14 + $15}' "/proc/$game_pid/stat" 2>/dev/null) || return
        [ $((after - before)) -le 2 ] && return
    done
    fail "the program is still busy after 60 s"
}

# No message box stands over the window.
no_box() {
    [ -z "$(windows | grep -vx "$main_window")" ] || fail "a message box at $1"
}

# The game's own question is on the screen: answer "Sì" (Enter answers "No").
answer_yes() {
    for _ in $(seq 1 30); do
        [ "$(window_count)" -ge 2 ] && break
        sleep 0.1
    done
    [ "$(window_count)" -ge 2 ] || fail "no question at $1"
    [ -n "${PLAY_TO_EXIT_SHOTS:-}" ] && import -window root "$PLAY_TO_EXIT_SHOTS/question-$((++shot)).png"
    xdotool key Tab space
    sleep 0.5
    no_box "the answer to $1"
}

keys() {
    [ -n "${PLAY_TO_EXIT_SHOTS:-}" ] && import -window root "$PLAY_TO_EXIT_SHOTS/$((++shot)).png"
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.15
        no_box "key $key"
    done
}

# A click at a point of the window's 1030 × 750 design, which the first start's window shows at
# its own size on this screen.
press() {
    xdotool mousemove --window "$main_window" "$1" "$2" click 1
    sleep 0.3
}
click() {
    press "$@"
    no_box "the click at $1,$2"
}

# Plays for about `seconds`: keeps the hand, lays the outlined card whenever the turn is the
# player's (a refused key only says why on the table), and lets a hand he has no cards left in
# run to its end.
play_for() {
    local until=$((SECONDS + $1))
    while [ "$SECONDS" -lt "$until" ]; do
        keys n space f
        kill -0 "$game_pid" 2>/dev/null || fail "the program ended in the middle of a match"
    done
}

# Waits for the program's end, and takes its status into `status`.
wait_for_end() {
    for _ in $(seq 1 100); do
        kill -0 "$game_pid" 2>/dev/null || break
        no_box "$1"
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "still running 10 s after $1"
    wait "$game_pid"
    status=$?
    game_pid=""
}

# The file as the exit leaves it: one file, no log or copy beside it, no free page, and the
# game opens it.
file_is_sound() {
    local db="$game/zelvaro.mdb"
    [ -s "$db" ] || fail "no database after $1"
    for extra in zelvaro.mdb-wal zelvaroTemp.mdb; do
        [ -s "$game/$extra" ] && fail "$extra left beside the database after $1"
    done
    if command -v sqlcipher >/dev/null; then
        local free
        free=$(printf "PRAGMA key = 'kq27053864ramelo';\nPRAGMA freelist_count;\n" | sqlcipher "$db" | tail -n 1)
        [ "$free" = "0" ] || fail "the file is not compacted after $1 ($free free pages)"
    fi
    "$build/zelvaro-sim" --stats --db "$db" >"$work/stats.log" 2>&1 ||
        fail "the game cannot read the file after $1: $(cat "$work/stats.log")"
}

# Where the controls stand in the design.
single_game=(515 292) exit_entry=(515 592) continue_entry=(515 672)
surname=(269 396) first_name=(451 396) create=(777 446) next=(788 582)

# 1. From the menu through a new profile and a few hands, back to the menu, and "Esci".
start_game
click "${single_game[@]}"
click "${surname[@]}"; xdotool type --delay 40 "Prova"
click "${first_name[@]}"; xdotool type --delay 40 "Giocatore"
click "${create[@]}"
click "${next[@]}"
wait_idle
play_for 45
xdotool key Escape                               # "Indietro"
answer_yes "Vuoi abbandonare la partita?"
click "${exit_entry[@]}"
wait_for_end "Esci"
[ "$status" = "0" ] || fail "\"Esci\" ended with status $status"
file_is_sound "Esci"
echo "Esci: status 0, no message box, the file compacted and sound"

# 2. Again on the same file: a new game on the saved profile, closed in the middle of a hand.
start_game
click "${single_game[@]}"
press "${next[@]}"
answer_yes "C'è una partita in corso"
wait_idle
play_for 8
wmctrl -i -c "$main_window"
wait_for_end "closing the window"
[ "$status" = "0" ] || fail "closing the window ended with status $status"
file_is_sound "closing the window"
saved_games() {
    printf "PRAGMA key = 'kq27053864ramelo';\nSELECT count(*) FROM salvataggio;\n" | sqlcipher "$game/zelvaro.mdb" | tail -n 1
}
[ "$(saved_games)" = "1" ] || fail "closing the window in a match did not keep it"
echo "closing the window: status 0, no message box, the game kept, the file compacted and sound"

# 3. Again: "Continua" takes up the game the closed window kept; the program is then stopped
#    by the system, as at a logout or a shutdown.
start_game
click "${continue_entry[@]}"
wait_idle
play_for 5
kill -TERM "$game_pid"
wait_for_end "SIGTERM"
[ "$status" = "0" ] || fail "SIGTERM ended with status $status"
file_is_sound "SIGTERM"
[ "$(saved_games)" = "1" ] || fail "SIGTERM in a match did not keep it"
echo "SIGTERM: status 0, no message box, the game kept, the file compacted and sound"
echo "1 passed, 0 failed"
