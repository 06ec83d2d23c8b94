#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch folder, and checks that
# everything is where the desktop looks for it and that the program runs.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(echo "$work"/out/mensaro_1.00_*.deb)
[[ -f $deb ]] || { echo "FAIL: no package built"; exit 1; }
dpkg-deb -x "$deb" "$work/root"

failed=0
id=org.mensaro.Mensaro
for path in usr/bin/mensaro \
            usr/share/applications/$id.desktop \
            usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/$id.svg \
            usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$id.png; do
    [[ -e $work/root/$path ]] || { echo "FAIL: missing /$path"; failed=1; }
done
for size in 48 64 128 256; do
    file "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "$size x $size" ||
        { echo "FAIL: the ${size}x${size} icon has another size"; failed=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6gui6 libc6 fonts-liberation2; do
    [[ $depends == *$dep* ]] || { echo "FAIL: Depends lacks $dep: $depends"; failed=1; }
done
desktop-file-validate "$work/root/usr/share/applications/$id.desktop" || failed=1
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" >/dev/null || failed=1

# The unpacked program starts, and ends cleanly when asked.
QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/mensaro" &
pid=$!
for _ in $(seq 100); do  # until it catches SIGTERM (bit 15 of SigCgt): it is up
    mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null) || break
    [[ -n $mask ]] && (( (16#$mask >> 14) & 1 )) && break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null || { echo "FAIL: the unpacked program did not start"; failed=1; }
kill -TERM "$pid" 2>/dev/null || true
wait "$pid" || { echo "FAIL: the unpacked program did not end cleanly"; failed=1; }
exit $failed
