#!/usr/bin/env bash
# scripts/run refuses options without their value, or with a wrong one, before anything is built:
# each case must exit 2 and say what is wrong, and the stand-in cmake on PATH must never be called.
set -u
run="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/bin" "$tmp/room"
printf '#!/bin/sh\necho called >> "%s/cmake-called"\nexit 1\n' "$tmp" > "$tmp/bin/cmake"
chmod +x "$tmp/bin/cmake"
echo '{"comment": "x"}' > "$tmp/a.jsonl"

# name | arguments (one per line after the name) | what stderr must say
cases=(
    "depth without a value|--depth|--depth needs a value"
    "depth followed by an option|--depth --watch|--depth needs a value"
    "depth with an empty value|--depth ''|--depth needs a value"
    "depth of another value|--depth 18|--depth takes 16 or 24, not '18'"
    "game-dir without a value|--game-dir|--game-dir needs a value"
    "game-dir followed by an option|--game-dir --async $tmp/a.jsonl|--game-dir needs a value"
    "game-dir that is no folder|--game-dir $tmp/none $tmp/a.jsonl|no game folder $tmp/none"
    "an unknown option|--fast|unknown option --fast"
    "two replays|$tmp/a.jsonl $tmp/a.jsonl|one replay at a time"
    "a missing replay|$tmp/missing.jsonl|no replay script $tmp/missing.jsonl"
    "watch without a display|--watch $tmp/a.jsonl|DISPLAY is not set"
)
failed=0
for c in "${cases[@]}"; do
    IFS='|' read -r name args want <<<"$c"
    eval "set -- $args"
    rm -f "$tmp/cmake-called"
    err=$(cd "$tmp" && env -u DISPLAY PATH="$tmp/bin:$PATH" bash "$run" "$@" 2>&1 >/dev/null)
    rc=$?
    if [ "$rc" != 2 ]; then
        echo "FAIL $name: exit $rc, expected 2; it said: $err"; failed=1
    elif [[ "$err" != *"$want"* ]]; then
        echo "FAIL $name: expected '$want' in: $err"; failed=1
    elif [ -e "$tmp/cmake-called" ]; then
        echo "FAIL $name: it began to build"; failed=1
    else
        echo "ok   $name"
    fi
done
exit $failed
