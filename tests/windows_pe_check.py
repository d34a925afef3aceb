#!/usr/bin/python3
"""Reads the Windows program folder as Windows would load it: the version record of
Tvirdex.exe, the security flags of every executable and DLL, and that every DLL any of them
imports is either in the folder or one of Windows' own.

usage: windows_pe_check.py FOLDER MINGW_LIB_DIR VERSION PUBLISHER COPYRIGHT
"""
import os
import sys

try:
    import pefile
except ImportError:
    print("SKIP: python3-pefile is not installed")
    sys.exit(77)

folder, mingw_lib, version, publisher, copyright_ = sys.argv[1:6]
if not os.path.isdir(folder):
    print(f"SKIP: {folder} is missing; scripts/build-windows makes it")
    sys.exit(77)
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def version_record(pe):
    strings = {}
    for info in getattr(pe, "FileInfo", []):
        for entry in info:
            for table in getattr(entry, "StringTable", []):
                for key, value in table.entries.items():
                    strings[key.decode()] = value.decode()
    return strings


exe = os.path.join(folder, "Tvirdex.exe")
pe = pefile.PE(exe)
record = version_record(pe)
print("version record:", record)
expected = {
    "FileVersion": version,
    "ProductVersion": version,
    "InternalName": "Tvirdex",
    "OriginalFilename": "Tvirdex.exe",
    "CompanyName": publisher,
    "ProductName": "Tvirdex",
    "LegalCopyright": copyright_,
}
for key, value in expected.items():
    if record.get(key) != value:
        fail(f"{key} is {record.get(key)!r}, expected {value!r}")
major, minor = (int(part) for part in version.split("."))
fixed = pe.VS_FIXEDFILEINFO[0]
if (fixed.FileVersionMS, fixed.ProductVersionMS) != ((major << 16) | minor,) * 2:
    fail("the numeric file and product versions do not match " + version)
if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
    fail("Tvirdex.exe is not a windowed (GUI subsystem) program")
resources = pe.DIRECTORY_ENTRY_RESOURCE.entries if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") else []
if not any(e.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"] for e in resources):
    fail("Tvirdex.exe carries no icon")

flags = {
    "DYNAMIC_BASE": 0x0040,
    "HIGH_ENTROPY_VA": 0x0020,
    "NX_COMPAT": 0x0100,
}
present = {name.lower() for _, _, names in os.walk(folder) for name in names}
for root, _, names in os.walk(folder):
    for name in sorted(names):
        if not name.lower().endswith((".exe", ".dll")):
            continue
        path = os.path.join(root, name)
        image = pefile.PE(path, fast_load=True)
        image.parse_data_directories(
            [pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"]])
        if image.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]:
            fail(f"{name} is not a 64-bit x86 image")
        for flag, bit in flags.items():
            if not image.OPTIONAL_HEADER.DllCharacteristics & bit:
                fail(f"{name} lacks {flag}")
        for entry in getattr(image, "DIRECTORY_ENTRY_IMPORT", []):
            dll = entry.dll.decode().lower()
            stem = dll[:-4] if dll.endswith(".dll") else dll
            if dll in present or dll.startswith(("api-ms-", "ext-ms-")):
                continue
            if not os.path.exists(os.path.join(mingw_lib, f"lib{stem}.a")):
                fail(f"{name} imports {dll}, which is neither in the package nor Windows' own")

print(f"{len(failures)} failed" if failures else "PE check passed")
sys.exit(1 if failures else 0)
