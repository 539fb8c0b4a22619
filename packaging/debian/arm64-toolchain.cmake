# The Debian package for arm64, cross-built (scripts/arm64-deb) in a root that
# has Debian's arm64 Qt beside the build machine's Qt tools (multiarch).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# moc, rcc and uic run on the build machine: its own Qt's.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
# CPack would name the build machine's architecture.
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
