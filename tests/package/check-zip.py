#!/usr/bin/env python3
"""Checks the release zip that scripts/package.sh writes, as a player gets it.

    tests/package/check-zip.py [zip]

The zip defaults to build/dist/zarnres-<version>-win32.zip, <version> taken from
project() in CMakeLists.txt. Prints one ok/FAIL line per check; exits 1 on any FAIL.
"""
import hashlib
import pathlib
import re
import struct
import subprocess
import sys
import tempfile
import zipfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
failed = False


def check(what, ok, detail=""):
    global failed
    print(("ok: " if ok else "FAIL: ") + what + ("" if ok or not detail else f" ({detail})"))
    failed |= not ok


def version_strings(exe, key):
    """Values of the version resource's string `key` (UTF-16 String records)."""
    values = []
    needle = (key + "\0").encode("utf-16-le")
    at = exe.find(needle)
    while at >= 0:
        # A String record: wLength, wValueLength (in UTF-16 units), wType, key, padding, value.
        start = at - 6
        length, value_units, _ = struct.unpack_from("<HHH", exe, start)
        raw = exe[start + length - 2 * value_units:start + length]
        values.append(raw.decode("utf-16-le").rstrip("\0"))
        at = exe.find(needle, at + 1)
    return values


def fixed_versions(exe):
    """(file version, product version) of VS_FIXEDFILEINFO, as 4-tuples."""
    at = exe.find(struct.pack("<I", 0xFEEF04BD))
    if at < 0:
        return None
    fms, fls, pms, pls = struct.unpack_from("<IIII", exe, at + 8)
    split = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    return split(fms, fls), split(pms, pls)


def crlf_only(data):
    return data.count(b"\n") == data.count(b"\r\n") == data.count(b"\r")


dotted = subprocess.check_output([ROOT / "scripts/version.sh"], text=True).strip()
version = dotted.split(".")
path = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / f"build/dist/zarnres-{dotted}-win32.zip"
if not path.is_file():
    sys.exit(f"FAIL: no zip at {path}; run scripts/package.sh")
print(f"zip: {path.relative_to(ROOT) if path.is_relative_to(ROOT) else path}")

sums = path.parent / "SHA256SUMS"
digest = hashlib.sha256(path.read_bytes()).hexdigest()
check("SHA256SUMS lists the zip's hash",
      sums.is_file() and f"{digest}  {path.name}" in sums.read_text().splitlines())

with zipfile.ZipFile(path) as z:
    check("zip reads back without CRC errors", z.testzip() is None)
    names = z.namelist()
    check("entries are zarnres.exe, README.txt, LICENSE.txt", names == ["zarnres.exe", "README.txt", "LICENSE.txt"],
          ", ".join(names))
    check("entries share one time", len({i.date_time for i in z.infolist()}) == 1)
    files = {name: z.read(name) for name in names}

readme = files.get("README.txt", b"")
exe = files.get("zarnres.exe", b"")
text = readme.decode("utf-8", "replace")
check("README.txt has CRLF line ends only", readme and crlf_only(readme))
check(f"README.txt starts with 'ZarnRes {dotted}'", text.startswith(f"ZarnRes {dotted}\r\n"), text[:30])
check("README.txt has no unfilled placeholder", "@VERSION@" not in text)

# Every message the read-me explains is one the exe can show (WxH and B are filled in at run time).
quoted = re.findall(r'^"(.+)"\r$', text, re.M)
errors = re.findall(r"^Run-time error '\d+': ([A-Z][a-z ]+?)(?:,|\r$)", text, re.M)
errors += re.findall(r"or Run-time error '\d+': ([A-Z][a-z ]+?)\r$", text, re.M)
pieces = [p for message in quoted for p in re.split(r"WxH| B(?= bits)", message)] + errors
missing = [p for p in pieces if p.encode() not in exe]
check(f"the exe holds the {len(quoted)} messages and {len(errors)} error texts README.txt explains",
      len(quoted) >= 7 and len(errors) >= 3 and not missing, "missing: " + "; ".join(missing))
check("README.txt names the settings key",
      r"HKEY_CURRENT_USER\Software\VB and VBA Program Settings\ZarnWrap\Zarn" in text)

licence = files.get("LICENSE.txt", b"")
check("LICENSE.txt has CRLF line ends only", licence and crlf_only(licence))
check("LICENSE.txt is LICENSE", licence.replace(b"\r\n", b"\n") == (ROOT / "LICENSE").read_bytes())

for key in ("FileVersion", "ProductVersion"):
    check(f"{key} string is {dotted}", version_strings(exe, key) == [dotted], version_strings(exe, key))
numbers = tuple(int(n) for n in version) + (0,)
check(f"fixed file and product versions are {numbers}", fixed_versions(exe) == (numbers, numbers),
      fixed_versions(exe))

# The shipped exe passes the same checks as the built one (32-bit, GUI, imports, manifest).
with tempfile.TemporaryDirectory() as tmp:
    shipped = pathlib.Path(tmp) / "zarnres.exe"
    shipped.write_bytes(exe)
    result = subprocess.run([ROOT / "scripts/check-exe.sh", shipped], capture_output=True, text=True)
    for line in result.stdout.splitlines():
        if line.startswith("FAIL"):
            print(line)
    check("scripts/check-exe.sh passes on the zip's exe", result.returncode == 0)

sys.exit(1 if failed else 0)
