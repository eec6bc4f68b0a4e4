# Where `cmake --install` and the package put the game: Debian's places for games. The game
# finds its data relative to its executable, so the same binary runs installed, from the build
# folder or from a portable copy.
include(GNUInstallDirs)
set(THOUSAND_INSTALL_GAMESDIR games)
set(THOUSAND_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATAROOTDIR}/games/thousand)
file(RELATIVE_PATH THOUSAND_DATA_FROM_EXECUTABLE /${THOUSAND_INSTALL_GAMESDIR} /${THOUSAND_INSTALL_GAMEDATADIR})

# Who and where the project is, for the package, its copyright file and the AppStream entry.
set(THOUSAND_HOMEPAGE "https://github.com/thousand-game/thousand")
set(THOUSAND_MAINTAINER "Thousand game maintainers <maintainers@users.noreply.c-seed-24f34ceb.example>")
set(THOUSAND_APPSTREAM_ID io.github.thousand_game.thousand)
set(THOUSAND_SCREENSHOTS_URL "https://raw.githubusercontent.com/thousand-game/thousand/main/docs/")
