#!/usr/bin/python3
"""Reads Lapmark.exe's resources and imports back and checks them against what Windows is to see:
the icon group ICON_LAP_MARK first, with its three 32-bit images; the version record in Chinese
(PRC) with code page 1200; the toolkit's manifest asking for common controls 6 and per-monitor DPI
awareness; and no DLL but Windows' own.
    check_exe.py LAPMARK_EXE VERSION
Needs Debian's python3-pefile."""
import struct
import sys

import pefile

# What a statically linked Lapmark may import: Windows' own libraries.
WINDOWS_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
    "ole32.dll", "oleacc.dll", "oleaut32.dll", "rpcrt4.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "uxtheme.dll", "version.dll", "winhttp.dll", "winmm.dll", "winspool.drv",
    "ws2_32.dll",
}

failures = []


def check(condition, what):
    if condition:
        print("ok:", what)
    else:
        print("FAILED:", what)
        failures.append(what)


def resources(pe, kind):
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.struct.Id == kind:
            return entry.directory.entries
    return []


def data_of(pe, entry):
    language = entry.directory.entries[0]
    return pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size), language


def main():
    exe, version = sys.argv[1], sys.argv[2]
    pe = pefile.PE(exe)

    groups = resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
    names = [str(g.name) for g in groups if g.name is not None]
    check(names[:1] == ["ICON_LAP_MARK"], "ICON_LAP_MARK is the first named icon group (of %s)" % names)
    if names[:1] == ["ICON_LAP_MARK"]:
        data, _ = data_of(pe, groups[0])
        _, kind, count = struct.unpack_from("<HHH", data, 0)
        images = []
        for i in range(count):
            width, height, _, _, _, bits, _, _ = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i)
            images.append((width or 256, height or 256, bits))
        check(kind == 1 and images == [(48, 48, 32), (32, 32, 32), (16, 16, 32)],
              "its images are 48x48, 32x32 and 16x16 at 32 bits (%s)" % images)

    numbers = [int(part) for part in version.split(".")]
    fixed = pe.VS_FIXEDFILEINFO[0]
    for field in ("File", "Product"):
        ms, ls = getattr(fixed, field + "VersionMS"), getattr(fixed, field + "VersionLS")
        check([ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF] == numbers,
              "the %s version number is %s" % (field.lower(), version))
    strings, translation = {}, None
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                strings[table.LangID] = {k.decode(): v.decode() for k, v in table.entries.items()}
        elif info.Key == b"VarFileInfo":
            translation = info.Var[0].entry.get(b"Translation")
    check(list(strings) == [b"040904b0"], "one string table, English (US), code page 1200 (%s)" % list(strings))
    # What Explorer shows: the program's own name and version, the same as --version and the About box.
    mine = strings.get(b"040904b0", {})
    check(mine.get("FileVersion") == version and mine.get("ProductVersion") == version,
          "the version strings say %s (%s)" % (version, mine))
    check(mine.get("ProductName") == "Lapmark" and mine.get("OriginalFilename", "").lower() == "lapmark.exe",
          "the product is Lapmark, from Lapmark.exe (%s)" % mine)
    check(translation == "0x0409 0x04b0", "the translation is 0x0409 with code page 1200 (%s)" % translation)
    record = resources(pe, pefile.RESOURCE_TYPE["RT_VERSION"])
    check(len(record) == 1 and record[0].directory.entries[0].struct.Id == 0x0409,
          "the version record is filed as English (US), the language of its strings")

    manifests = resources(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"])
    manifest = data_of(pe, manifests[0])[0].decode("utf-8", "replace") if manifests else ""
    check('name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' in manifest,
          "the manifest asks for common controls 6.0.0.0")
    check("PerMonitorV2" in manifest, "the manifest declares per-monitor DPI awareness")

    imported = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    foreign = [dll for dll in imported if dll not in WINDOWS_DLLS]
    check(not foreign, "only Windows' own DLLs are imported (not %s)" % foreign)

    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
