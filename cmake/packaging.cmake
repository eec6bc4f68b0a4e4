# The Debian package: `cpack --preset deb` (or `cpack --config build/default/CPackConfig.cmake -G DEB`)
# gives thousand_VERSION_amd64.deb from the files `cmake --install` puts in place.
set(CPACK_PACKAGE_NAME thousand)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Thousand game project")
set(CPACK_PACKAGE_CONTACT "${THOUSAND_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice game Thousand (Тысяча) for one to six players")
set(CPACK_PACKAGE_DESCRIPTION
    "Thousand is the dice game of five dice played to 1000 points, with a Russian
user interface. Up to six players, people or computer opponents, play at one
machine or over a TCP/IP network. Barrels, holes, bolts, the dump truck and
overtaking are house rules that can each be set, saved and loaded. The thrown
dice are shown in 3D.

The package also holds thousand-cli, the rules tool: it scores throws, reads
the game's files and plays many games between computer players.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${THOUSAND_HOMEPAGE}")
set(CPACK_PACKAGE_FILE_NAME "thousand_${PROJECT_VERSION}_amd64")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${THOUSAND_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL opens OpenGL, and the game SDL2_mixer, at run time, so the libraries found in the binaries
# do not name them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libsdl2-mixer-2.0-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS zenity)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
