# The package `cpack` makes from the install rules: a zip for the Windows
# build, a Debian package on Linux.
set(CPACK_PACKAGE_NAME qvconfig)
set(CPACK_PACKAGE_VENDOR "Zarvex")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool of the game Zarvex")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  # qvconfig-<version>-win32.zip, its files at its top: a player unpacks it
  # into the game's folder, so that qvconfig.exe stands beside Zarvex.exe and
  # a double-click finds the game. Its names are the tool's own (see
  # Install.cmake), so nothing of the game's is overwritten.
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win32)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  include(CPack)
  return()
endif()

# The Debian package's library dependencies come from dpkg-shlibdeps on the
# installed program; what the program loads at run time with dlopen,
# dpkg-shlibdeps cannot see, so those libraries are named here.
set(CPACK_GENERATOR DEB)
# One string, lines of at most 80 characters as Debian's descriptions want.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Sets the video quality of Zarvex, a falling-block puzzle game, next to the\n"
       "level recommended for this computer, shows whether the graphics runtime is\n"
       "present, binds a keyboard or gamepad to each of four players, and saves the\n"
       "settings into the game's folder, or saves them and starts the game, through\n"
       "Wine when the game is a Windows program.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zarvex Packaging <packaging@zarvexgames.com>")
# Like other tools that set up games and gamepads; "games" is for the games
# themselves, installed in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL2 for the gamepads and the Vulkan loader for the graphics adapter are
# opened at run time; the toolkit's X11 platform plugin is a plugin, not a
# linked library, and only recommended by the toolkit's own package.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0, libvulkan1, qt6-qpa-plugins")
# A Vulkan driver lets the tool recommend a quality level; Wine runs a Windows
# build of the game from Start Game.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mesa-vulkan-drivers | vulkan-icd")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")
include(CPack)
