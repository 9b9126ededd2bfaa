#!/usr/bin/env bash
# Builds the Debian package from the build tree with cpack and checks what it holds: exactly the
# expected files, dependencies found by dpkg-shlibdeps, and metadata that validates as installed.
set -euo pipefail
build=$1
expected=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; echo "FAILED: cpack"; exit 1; }
packages=("$work"/quillon_*_*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    ls "$work"
    echo "FAILED: cpack made no quillon_<version>_<architecture>.deb"
    exit 1
fi
deb=${packages[0]}

dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -e 's#^\./#/#' -e '/\/$/d' | sort >"$work/files"
if ! diff -u <(grep -v '^#' "$expected" | sort) "$work/files"; then
    echo "FAILED: the package's files differ from the expected list (- expected, + found)"
    exit 1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6; do
    if ! grep -q "\\b$library\\b" <<<"$depends"; then
        echo "FAILED: Depends lacks $library: $depends"
        exit 1
    fi
done

# The program in the package is stripped and answers --version without a display.
dpkg-deb -x "$deb" "$work/root"
if readelf -S "$work/root/usr/bin/quillon" | grep -q -e '\.debug_info' -e '\.symtab'; then
    echo "FAILED: the program is not stripped"
    exit 1
fi
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/quillon" --version)
grep -q '^Quillon Version ' <<<"$version" || { echo "FAILED: --version said: $version"; exit 1; }
if readelf -S "$work/root/usr/bin/quillon-calc" | grep -q -e '\.debug_info' -e '\.symtab'; then
    echo "FAILED: quillon-calc is not stripped"
    exit 1
fi
answer=$("$work/root/usr/bin/quillon-calc" t-critical .05 10)
[ "$answer" = "t value = 2.228" ] || { echo "FAILED: quillon-calc answered: $answer"; exit 1; }

# The metadata, its desktop entry and icon, as a software centre finds them in the installed tree
# (a package built without a software-centre id has none).
if [ -d "$work/root/usr/share/metainfo" ] \
    && ! appstreamcli validate-tree --no-net --no-color "$work/root" >"$work/tree.log" 2>&1; then
    cat "$work/tree.log"
    echo "FAILED: appstreamcli validate-tree"
    exit 1
fi
echo "passed: $(basename "$deb") holds $(wc -l <"$work/files") files"
