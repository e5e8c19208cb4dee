#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed launcher as
# a new user would: it prepares the user's game folder (players/, the data
# files, the help) without starting the game, refreshes stale copies of the
# installed files on the next run, and leaves the players' files alone.
#   install-test.sh CMAKE BUILD_DIR WORK_DIR SOURCE_DATA_DIR
set -euo pipefail
cmake=$1 build=$2 work=$3 source_data=$4

fail() { echo "FAIL: $*" >&2; exit 1; }
same() { cmp -s "$1" "$2" || fail "$2 differs from $1"; }

rm -rf "$work"
mkdir -p "$work/home"
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share/tallyfold
for f in bin/tallyfold bin/tallyfold-solve libexec/tallyfold/tallyfold; do
    [ -x "$prefix/$f" ] || fail "$f is not installed"
done
for f in applications/org.tallyfold.Tallyfold.desktop metainfo/org.tallyfold.Tallyfold.metainfo.xml \
         icons/hicolor/scalable/apps/tallyfold.svg tallyfold/VEXA.HLP tallyfold/data/ASMD.A \
         tallyfold/data/shoop.wav tallyfold/data/vexa.bmp tallyfold/data/vexa.dat; do
    [ -f "$prefix/share/$f" ] || fail "share/$f is not installed"
done
[ ! -e "$share/data/Sound.dat" ] || fail "a settings file was installed"

export HOME=$work/home
unset XDG_DATA_HOME
prepare() { TALLYFOLD_PREPARE_ONLY=1 "$prefix/bin/tallyfold"; }

# A new user: the folder is made under ~/.local/share with everything in it.
folder=$(prepare)
[ "$folder" = "$HOME/.local/share/tallyfold" ] || fail "prepared $folder"
[ -d "$folder/players" ] || fail "no players folder"
same "$source_data/VEXA.HLP" "$folder/VEXA.HLP"
for f in "$share"/data/*; do
    same "$f" "$folder/data/${f##*/}"
done

# The next run keeps the players and the sound switch, and puts back a data
# file that is not the installed one any more.
echo "Ann" > "$folder/players/data"
echo "player file" > "$folder/players/Ann0.ply"
echo TRUE > "$folder/data/Sound.dat"
echo "stale" > "$folder/data/ASMD.A"
rm "$folder/data/no.wav"
[ "$(prepare)" = "$folder" ] || fail "second run prepared another folder"
[ "$(cat "$folder/players/data")" = Ann ] || fail "the players index was touched"
[ "$(cat "$folder/players/Ann0.ply")" = "player file" ] || fail "a player file was touched"
[ "$(cat "$folder/data/Sound.dat")" = TRUE ] || fail "the settings file was touched"
same "$share/data/ASMD.A" "$folder/data/ASMD.A"
same "$share/data/no.wav" "$folder/data/no.wav"

# XDG_DATA_HOME is honoured.
[ "$(XDG_DATA_HOME=$work/xdg prepare)" = "$work/xdg/tallyfold" ] || fail "XDG_DATA_HOME ignored"
[ -f "$work/xdg/tallyfold/data/ASMD.A" ] || fail "nothing prepared under XDG_DATA_HOME"

# Without the prepare-only switch the game program replaces the launcher, in the
# user's folder and with the launcher's arguments: a stand-in program reports both.
cat > "$prefix/libexec/tallyfold/tallyfold" <<'EOF'
#!/bin/sh
echo "$PWD|$*"
EOF
[ "$("$prefix/bin/tallyfold" one "two words")" = "$folder|one two words" ] || fail "the game was not run"
echo "install test passed"
