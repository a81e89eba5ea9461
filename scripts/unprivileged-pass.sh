#!/usr/bin/env bash
# Root ignores file permissions, so the tests that need them skip in a root run. Run as root,
# this runs every test that CTest reported skipped once more as the user nobody, each in its
# own process, and fails when one of them fails. Where that can't be arranged, it says why
# in one line and succeeds.
#
# Usage: unprivileged-pass.sh <build folder> <log of the CTest run there>
set -euo pipefail
build=$1
log=$2
user=nobody

say() { echo "unprivileged pass: $*"; }

[[ $(id -u) -eq 0 ]] || exit 0 # those tests ran, unprivileged, in the CTest run

mapfile -t skipped < <(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' "$log")
if ((${#skipped[@]} == 0)); then
    say "no test skipped as root"
    exit 0
fi
if ! uid=$(id -u "$user" 2>/dev/null); then
    say "not run: this machine has no user $user"
    exit 0
fi
gid=$(id -g "$user")
if command -v setpriv >/dev/null; then
    as_user=(setpriv --reuid="$uid" --regid="$gid" --clear-groups --)
elif command -v runuser >/dev/null; then
    as_user=(runuser -u "$user" --)
else
    say "not run: neither setpriv nor runuser is installed"
    exit 0
fi
if ! command -v python3 >/dev/null; then
    say "not run: python3, which reads CTest's list of tests, is not installed"
    exit 0
fi

# The build may sit where the user can't reach (under /root): the test programs are copied
# into a scratch folder, with a folder of its own that the user may write.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
mkdir "$scratch/bin" "$scratch/home"
chown "$uid:$gid" "$scratch/home"

# One line per test: its name, then its command, fields separated by tabs.
mapfile -t commands < <(ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, sys
wanted = set(sys.argv[1:])
for test in json.load(sys.stdin)["tests"]:
    if test["name"] in wanted:
        print(test["name"] + "\t" + "\t".join(test["command"]))
' "${skipped[@]}")
if ((${#commands[@]} != ${#skipped[@]})); then
    say "CTest gave commands for ${#commands[@]} of the ${#skipped[@]} skipped tests"
    exit 1
fi

run_as_user() {
    (cd "$scratch/home" && "${as_user[@]}" env HOME="$scratch/home" TMPDIR="$scratch/home" "$@")
}

for line in "${commands[@]}"; do
    IFS=$'\t' read -r -a fields <<<"$line"
    program="$scratch/bin/$(basename "${fields[1]}")"
    [[ -e $program ]] && continue
    install -m 755 "${fields[1]}" "$program"
    if ! run_as_user "$program" --gtest_list_tests >/dev/null 2>&1; then
        say "not run: $user can't run the test programs from $scratch"
        exit 0
    fi
done

passed=0
still_skipped=0
failed=0
for line in "${commands[@]}"; do
    IFS=$'\t' read -r -a fields <<<"$line"
    name=${fields[0]}
    program="$scratch/bin/$(basename "${fields[1]}")"
    if output=$(run_as_user "$program" "${fields[@]:2}" 2>&1); then
        if grep -q '^\[  SKIPPED \]' <<<"$output"; then
            say "$name skipped as $user too"
            still_skipped=$((still_skipped + 1))
        else
            say "$name passed as $user"
            passed=$((passed + 1))
        fi
    else
        echo "$output"
        say "$name FAILED as $user"
        failed=$((failed + 1))
    fi
done
say "$passed passed, $still_skipped skipped, $failed failed, as $user"
((failed == 0))
