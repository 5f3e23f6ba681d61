#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that every file lands
# where a Linux desktop looks for it, that the desktop entry, the job file
# type and the AppStream metadata validate, and that the installed programs
# run from there.
#
#   install_layout.sh <build-dir> <scratch-prefix>
set -euo pipefail
build="$1"
prefix="$2"
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
for file in \
    bin/zorvik-amplifiers \
    bin/zorvik-select \
    libexec/zorvik-amplifiers/ZorvikScreen03 \
    share/applications/com.zorvik.amplifiers.desktop \
    share/icons/hicolor/scalable/apps/zorvik-amplifiers.svg \
    share/metainfo/com.zorvik.amplifiers.metainfo.xml \
    share/mime/packages/com.zorvik.amplifiers.xml \
    share/man/man1/zorvik-select.1.gz \
    share/man/man1/zorvik-amplifiers.1.gz \
    share/doc/zorvik-amplifiers/README.md \
    share/doc/zorvik-amplifiers/copyright \
    share/doc/zorvik-amplifiers/changelog.gz; do
  if [ ! -f "$prefix/$file" ]; then
    echo "missing: $file"
    status=1
  fi
done
[ -x "$prefix/bin/ZorvikScreen03" ] && { echo "the screen program belongs in libexec/, not bin/"; status=1; }

desktop-file-validate "$prefix/share/applications/com.zorvik.amplifiers.desktop" || status=1
appstreamcli validate --no-net "$prefix/share/metainfo/com.zorvik.amplifiers.metainfo.xml" || status=1
# The job file type builds into a MIME database, and the entry opens it.
update-mime-database "$prefix/share/mime" || status=1
grep -q '^50:application/x-zorvik-job:\*\.zjob$' "$prefix/share/mime/globs2" || { echo "*.zjob is not a job file"; status=1; }
grep -q '^MimeType=application/x-zorvik-job;$' "$prefix/share/applications/com.zorvik.amplifiers.desktop" ||
  { echo "the desktop entry does not open job files"; status=1; }
zcat "$prefix/share/man/man1/zorvik-select.1.gz" | grep -q '^\.SH' || { echo "manual page without sections"; status=1; }
"$prefix/bin/zorvik-select" --version
"$prefix/bin/zorvik-select" flow --drive 100 --air 100 --inlet 100 --outlet 200 --flow 2 --format table >/dev/null

rm -rf "$prefix"
exit "$status"
