#!/usr/bin/env bash
# Builds the release zarnres.exe (preset win32) and writes the download:
#   build/dist/zarnres-<version>-win32.zip   zarnres.exe, README.txt, LICENSE.txt
#   build/dist/SHA256SUMS
# The same commit gives the same bytes: file times come from the commit's time
# (SOURCE_DATE_EPOCH, unless already set), and the build leaves out link times
# and build folders (cmake/release.cmake).
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in cmake python3 sha256sum; do
    command -v "$tool" >/dev/null || { echo "package: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) ||
        { echo "package: not a git checkout; set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C
if [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]; then
    echo "package: warning: uncommitted changes; this package is not the commit's" >&2
fi

cmake --preset win32 >/dev/null
cmake --build --preset win32 --target zarnres -j"$(nproc)" >/dev/null
version=$(scripts/version.sh)
[ -n "$version" ] || { echo "package: no project version in CMakeLists.txt" >&2; exit 1; }

dist=build/dist
zip=zarnres-$version-win32.zip
rm -rf "$dist"
mkdir -p "$dist"
python3 - "$dist/$zip" "$version" <<'PY'
import os, sys, time, zipfile

out, version = sys.argv[1], sys.argv[2]
# Zip times are local DOS times from 1980 on; the commit's UTC time is used as is.
stamp = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), 315532800))[:6]

def crlf(path, **fill):
    text = open(path, encoding="utf-8", newline="").read().replace("\r\n", "\n")
    for key, value in fill.items():
        text = text.replace("@" + key + "@", value)
    return text.replace("\n", "\r\n").encode("utf-8")

entries = [
    ("zarnres.exe", open("build/win32/zarnres.exe", "rb").read(), 0o755),
    ("README.txt", crlf("docs/README.txt", VERSION=version), 0o644),
    ("LICENSE.txt", crlf("LICENSE"), 0o644),
]
with zipfile.ZipFile(out + ".tmp", "w") as z:
    for name, data, mode in entries:
        info = zipfile.ZipInfo(name, date_time=stamp)
        info.create_system = 3  # Unix, so the permission bits below are read
        info.external_attr = (0o100000 | mode) << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        z.writestr(info, data, compresslevel=9)
os.replace(out + ".tmp", out)
PY
(cd "$dist" && sha256sum "$zip" >SHA256SUMS)

echo "version:  $version"
echo "exe:      $(sha256sum build/win32/zarnres.exe | cut -d' ' -f1)  build/win32/zarnres.exe"
echo "zip:      $(cut -d' ' -f1 "$dist/SHA256SUMS")  $dist/$zip"
