#!/usr/bin/env bash
# CI's check of the Debian package: builds it, lets lintian look at it,
# installs it with apt as a user would, runs the installed programs, and
# removes the package again, also when a check fails. Reuses build/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

deb="$("$root/scripts/package.sh")"
echo "==== $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,/Description:/p'

echo "==== lintian"
lintian --fail-on error "$deb"

# Minimal images leave out manual pages and documentation on install; the
# package must carry them all the same.
contents="$(dpkg-deb --contents "$deb")"
for file in usr/share/man/man1/zorvik-select.1.gz usr/share/man/man1/zorvik-amplifiers.1.gz \
    usr/share/doc/zorvik-amplifiers/copyright usr/share/doc/zorvik-amplifiers/README.md; do
  grep -q " \./$file\$" <<<"$contents" || { echo "the package lacks $file" >&2; exit 1; }
done

scratch="$(mktemp -d)"
program_pid=""
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zorvik-amplifiers >/dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap cleanup EXIT

echo "==== install"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o Dpkg::Use-Pty=0 "$deb"

echo "==== installed programs"
/usr/bin/zorvik-select --version
/usr/bin/zorvik-select flow --drive 100 --air 100 --inlet 100 --outlet 200 --flow 2 --format table
# The spreadsheet writer is loaded by name when a workbook is written: the
# package must have pulled it in.
/usr/bin/zorvik-select job new "$scratch/check.zjob" --name Check >/dev/null
/usr/bin/zorvik-select job report "$scratch/check.zjob" --out "$scratch/check.xlsx"
[ -s "$scratch/check.xlsx" ]
/usr/bin/zorvik-amplifiers --version
desktop-file-validate /usr/share/applications/com.zorvik.amplifiers.desktop
appstreamcli validate --no-net /usr/share/metainfo/com.zorvik.amplifiers.metainfo.xml
[ -x /usr/libexec/zorvik-amplifiers/ZorvikScreen03 ]
# shared-mime-info's trigger has put the job file type into the database.
grep -q '^50:application/x-zorvik-job:\*\.zjob$' /usr/share/mime/globs2

# The window program with a home of its own: it must start, keep running,
# and leave the system's folders alone.
echo "==== the installed program, offscreen, with a fresh home"
mkdir -p "$scratch/home" "$scratch/run"
chmod 700 "$scratch/run"
before="$(ls -la /usr/bin /usr/libexec/zorvik-amplifiers)"
env -i PATH=/usr/bin:/bin HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen \
  /usr/bin/zorvik-amplifiers >"$scratch/program.log" 2>&1 &
program_pid=$!
sleep 3
if ! kill -0 "$program_pid" 2>/dev/null; then
  cat "$scratch/program.log" >&2
  echo "the installed program ended by itself" >&2
  exit 1
fi
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
[ "$before" = "$(ls -la /usr/bin /usr/libexec/zorvik-amplifiers)" ] || { echo "the program wrote into the system's folders" >&2; exit 1; }

echo "==== remove"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq -o Dpkg::Use-Pty=0 zorvik-amplifiers
[ ! -e /usr/bin/zorvik-amplifiers ] || { echo "removing left /usr/bin/zorvik-amplifiers" >&2; exit 1; }
echo "package check passed"
