#!/usr/bin/env bash
# Installs the Debian package on a minimal Debian 12 system made for the purpose, as a user of a
# fresh machine would: apt pulls every dependency from this machine's own apt sources, then a user
# with an empty home runs both programs on the bundled sample team, and removing the package must
# leave that user's files. Needs root (debootstrap, chroot) and the network; takes minutes.
#   scripts/check-clean-install.sh [PACKAGE.deb] [ROOT_FOLDER]
# Without a package the newest build-package/squadwright_*.deb (scripts/package.sh) is taken; the
# minimal system is made in ROOT_FOLDER (default: a new folder under /var/tmp, removed at the end).
set -euo pipefail
cd "$(dirname "$0")/.."

deb=${1:-$(ls -t build-package/squadwright_*.deb 2>/dev/null | head -n1)}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "no package: run ./scripts/package.sh first" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$(realpath "$deb")" "${2:-}"
command -v debootstrap >/dev/null || { echo "debootstrap is missing: apt-get install debootstrap" >&2; exit 2; }

keep_root=${2:+yes}
root=${2:-$(mktemp -d /var/tmp/squadwright-clean-root.XXXXXX)}
cleanup() {
  umount "$root/proc" 2>/dev/null || true
  [ -n "$keep_root" ] || rm -rf "$root"
}
trap cleanup EXIT
chmod 755 "$root" # the root folder of the new system: every user there must enter it

# The machine's own archive: the first source of the release "bookworm" in sources.list (one-line
# form) or in sources.list.d (one-line or deb822 form).
source_files=()
[ -f /etc/apt/sources.list ] && source_files+=(/etc/apt/sources.list)
for f in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] && source_files+=("$f")
done
mirror=$(awk '
  /^[[:space:]]*deb[[:space:]]/ {
    sub(/\[[^]]*\]/, ""); if ($3 == "bookworm") { print $2; exit } }
  /^URIs:/ { uris = $2 }
  /^Types:/ { deb = ($0 ~ /(^|[[:space:]])deb([[:space:]]|$)/) }
  /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == "bookworm" && deb && uris != "") { print uris; exit } }
  /^[[:space:]]*$/ { uris = ""; deb = 0 }
' "${source_files[@]}" 2>/dev/null)
mirror=${mirror:-http://deb.debian.org/debian}
echo "== minimal Debian 12 in $root from $mirror"
if [ ! -x "$root/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 \
    || { tail -n 20 "$root.debootstrap.log" >&2; exit 1; }
  rm -f "$root.debootstrap.log"
fi

# The same sources as this machine (security and updates included), nothing else.
rm -f "$root"/etc/apt/sources.list "$root"/etc/apt/sources.list.d/*
for f in "${source_files[@]}"; do
  install -D -m 644 "$f" "$root$f"
done
mount -t proc proc "$root/proc"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

echo "== apt install $(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" \
  >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
in_root id manager >/dev/null 2>&1 || in_root useradd --create-home manager
as_manager() { chroot --userspec=manager:manager "$root" env -i PATH=/usr/bin:/bin HOME=/home/manager LANG=C.UTF-8 "$@"; }

echo "== squadwright-cli evaluate as a user with an empty home"
version=$(as_manager squadwright-cli --version) || fail "squadwright-cli --version: exit $?"
echo "$version"
out=$(as_manager squadwright-cli evaluate) || fail "squadwright-cli evaluate: exit $?: $out"
echo "$out"
grep -Eq "^Velstats.*[0-9]+$" <<<"$out" || fail "no Velstats figure in the output"
as_manager squadwright --version >/dev/null || fail "squadwright --version: exit $?"
# The first start seeded the first-run marker; its setup wizard would wait for a person.
rm -f "$root/home/manager/.config/squadwright/Infos.ctr"
out=$(as_manager env QT_QPA_PLATFORM=offscreen SQW_QUIT_AFTER_STARTUP=1 SQW_SPLASH_DELAY_MS=0 \
  timeout 120 squadwright 2>&1) || fail "squadwright: exit $?: $out"
grep -q "loading-done=1" <<<"$out" || fail "the desktop program did not finish its start-up: $out"

echo "== apt remove squadwright"
in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq squadwright >/dev/null
[ ! -e "$root/usr/bin/squadwright-cli" ] || fail "squadwright-cli is still installed"
[ -f "$root/home/manager/.config/squadwright/SQW.ini" ] || fail "the user's settings went with the package"
[ -f "$root/home/manager/.local/share/squadwright-data/xml/players.xml" ] || fail "the user's team went with the package"
echo "clean install passed: $(basename "$deb") installs on Debian 12, runs for a new user and leaves the user's files"
