#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks what it holds and needs.
#   deb.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../support/skip.sh"
BUILD=${1:?usage: deb.sh BUILD_DIR}
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null 2>&1 || missing "$tool is not installed"
done
OUT=$(mktemp -d /tmp/jaxo-deb.XXXXXX)
trap 'rm -rf "$OUT"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$OUT" >"$OUT/cpack.log" 2>&1 || { cat "$OUT/cpack.log"; fail "cpack"; }
debs=("$OUT"/jaxo_*_*.deb)
[ -f "${debs[0]}" ] || fail "no jaxo_<version>_<arch>.deb in $(ls "$OUT")"
DEB=${debs[0]}
echo "built $(basename "$DEB")"

depends=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $depends"
for need in libqt6widgets6 libqt6gui6 libqt6core6 libqt6charts6 libfluidsynth3 libc6 \
            fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming timgm6mb-soundfont xdg-utils; do
    grep -qE "(^|, )$need( |,|$)" <<<"$depends" || fail "Depends lacks $need"
done

contents=$(dpkg-deb -c "$DEB" | awk '{print $6}')
for path in ./usr/bin/jaxo ./usr/share/applications/io.github.jaxo.Jaxo.desktop \
            ./usr/share/metainfo/io.github.jaxo.Jaxo.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/io.github.jaxo.Jaxo.svg \
            ./usr/share/icons/hicolor/48x48/apps/io.github.jaxo.Jaxo.png \
            ./usr/share/man/man1/jaxo.1.gz ./usr/share/doc/jaxo/copyright \
            ./usr/share/jaxo/jaxo.sy1 ./usr/share/jaxo/sysctr.jxo ./usr/share/jaxo/help/index.html \
            ./usr/share/jaxo/translations/jaxo_en.qm ./usr/share/jaxo/translations/jaxo_zh_TW.qm \
            ./usr/share/jaxo/help/en/index.html ./usr/share/jaxo/help/zh_TW/index.html \
            ./usr/share/jaxo/icons/radical-drill-32.png ./usr/share/jaxo/music1.mid; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
# The history window's module, where the program looks for it (beside its libraries).
grep -qE '^\./usr/lib/([^/]+/)?jaxo/jaxo-history\.so$' <<<"$contents" || fail "the package lacks the history module"
# Nothing of the build or the tests, and no program in the data folder.
if grep -E '^\./usr/share/jaxo/jaxo$|CMakeFiles|/tests?/' <<<"$contents"; then fail "the package holds build files"; fi
echo "ok"
