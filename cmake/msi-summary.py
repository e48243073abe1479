#!/usr/bin/python3
"""Sets what wixl draws anew at every build in an MSI's summary information: the package code,
and the times it was made and last saved. With the ones given, the same source gives the same
bytes.

    msi-summary.py <package.msi> <package code, {GUID}> <time, seconds since 1970>
"""
import struct
import sys

import olefile

STREAM = "\x05SummaryInformation"
REVISION, CREATED, SAVED = 9, 12, 13  # the property ids
VT_LPSTR, VT_FILETIME = 30, 64


def main(path, package_code, epoch):
    filetime = (int(epoch) + 11644473600) * 10**7  # 100 ns steps since 1601
    with olefile.OleFileIO(path, write_mode=True) as msi:
        data = bytearray(msi.openstream(STREAM).read())
        section = struct.unpack_from("<I", data, 44)[0]
        count = struct.unpack_from("<I", data, section + 4)[0]
        for index in range(count):
            pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * index)
            at = section + offset
            kind = struct.unpack_from("<I", data, at)[0]
            if pid == REVISION and kind == VT_LPSTR:
                code = package_code.encode("ascii")
                if struct.unpack_from("<I", data, at + 4)[0] != len(code) + 1:
                    sys.exit(f"{path}: the package code is not a braced GUID")
                data[at + 8:at + 8 + len(code)] = code
            elif pid in (CREATED, SAVED) and kind == VT_FILETIME:
                struct.pack_into("<Q", data, at + 4, filetime)
        msi.write_stream(STREAM, bytes(data))


if __name__ == "__main__":
    main(*sys.argv[1:])
