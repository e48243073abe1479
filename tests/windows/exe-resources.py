#!/usr/bin/env python3
"""Reads back what Keymint.exe carries: a GUI program (no console window), hardened (ASLR with
high entropy, DEP, the stack protector), that needs no DLL beyond Windows' own, its version
information, the key as its icon, and none of the build machine's folders (they would tell the
builder's user name, and make two builds differ). Give it the build's Keymint.exe, which keeps
its symbols.

    exe-resources.py <Keymint.exe> <keymint.ico> <folder of the build machine>...
"""
import subprocess
import sys

import pefile

EXPECTED_STRINGS = {
    "ProductName": "Keymint",
    "InternalName": "Keymint",
    "OriginalFilename": "Keymint.exe",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
}
# What every Windows has; anything else would have to ship beside Keymint.exe.
SYSTEM_DLLS = {
    "advapi32", "authz", "comdlg32", "d3d9", "dwmapi", "dwrite", "gdi32", "imm32", "kernel32",
    "msvcrt", "netapi32", "ole32", "oleaut32", "setupapi", "shell32", "shlwapi", "user32",
    "userenv", "uxtheme", "version", "winmm", "ws2_32", "wtsapi32", "bcrypt", "cfgmgr32",
    "d3d11", "dxgi", "mpr", "winspool", "shcore", "d2d1",
}


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def main(exe, icon, *machine_folders):
    pe = pefile.PE(exe)
    if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        fail(f"subsystem {pe.OPTIONAL_HEADER.Subsystem}, not the GUI's")

    hardening = {"ASLR": 0x40, "ASLR with high entropy": 0x20, "DEP": 0x100}
    for name, flag in hardening.items():
        if not pe.OPTIONAL_HEADER.DllCharacteristics & flag:
            fail(f"Keymint.exe is built without {name}")
    symbols = subprocess.run(["x86_64-w64-mingw32-nm", exe], check=True, capture_output=True,
                             text=True).stdout
    if "__stack_chk_fail" not in symbols:
        fail("Keymint.exe is built without the stack protector")

    dlls = {entry.dll.decode().lower().removesuffix(".dll") for entry in pe.DIRECTORY_ENTRY_IMPORT}
    foreign = sorted(dll for dll in dlls if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-"))
    if foreign:
        fail(f"Keymint.exe needs DLLs that Windows does not have: {foreign}")

    fixed = pe.VS_FIXEDFILEINFO[0]
    numeric = (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
               fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF)
    if numeric != (1, 0, 0, 0):
        fail(f"numeric file version {numeric}")
    tables = [table for info in pe.FileInfo[0] if info.Key == b"StringFileInfo"
              for table in info.StringTable]
    if [table.LangID for table in tables] != [b"040904B0"]:
        fail(f"string tables {[table.LangID for table in tables]}, not 040904B0")
    strings = {key.decode(): value.decode() for key, value in tables[0].entries.items()}
    for key, value in EXPECTED_STRINGS.items():
        if strings.get(key) != value:
            fail(f"{key} is {strings.get(key)!r}, not {value!r}")
    translations = [var.entry for info in pe.FileInfo[0] if info.Key == b"VarFileInfo"
                    for var in info.Var]
    if translations != [{b"Translation": "0x0409 0x04b0"}]:
        fail(f"translation {translations}")

    carried = subprocess.run(["wrestool", "--extract", "--type=14", exe], check=True,
                             capture_output=True).stdout
    with open(icon, "rb") as file:
        expected = file.read()
    # wrestool pads the icon it rebuilds; what it holds of the file must be the file.
    if carried[:len(expected)] != expected:
        fail("the icon in Keymint.exe is not ui/icons/keymint.ico")

    with open(exe, "rb") as file:
        carried = file.read()
    for folder in machine_folders:
        if folder.encode() in carried or folder.encode("utf-16-le") in carried:
            fail(f"Keymint.exe carries a folder of the build machine: {folder}")
    print(f"Keymint.exe: GUI subsystem, {', '.join(hardening)}, the stack protector, imports only {sorted(dlls)}, version {strings}, the key icon, no build folder")


if __name__ == "__main__":
    main(*sys.argv[1:])
