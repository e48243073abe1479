# Cross-compiles for 64-bit ARM Linux, Debian's arm64, with Debian's cross toolchain
# (crossbuild-essential-arm64) against Debian's arm64 Qt, installed beside the build machine's
# own Qt, whose moc and uic run in the build. Where binfmt_misc hands arm64 programs to qemu,
# CTest runs the test programs as they are.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
