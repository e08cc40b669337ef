# The libraries of the Windows build: the static builds of
# scripts/windows-deps, found through the toolchain's root paths.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets)
find_package(SDL2 REQUIRED CONFIG)
add_library(fonikra_sdl2 INTERFACE)
target_link_libraries(fonikra_sdl2 INTERFACE SDL2::SDL2-static)
# The program has its own main(); SDL must not rename it.
target_compile_definitions(fonikra_sdl2 INTERFACE SDL_MAIN_HANDLED)

find_path(XLSXWRITER_INCLUDE_DIR xlsxwriter.h REQUIRED)
find_library(XLSXWRITER_LIBRARY NAMES libxlsxwriter.a xlsxwriter REQUIRED)
find_library(ZLIB_STATIC_LIBRARY NAMES libz.a z REQUIRED)
add_library(fonikra_xlsxwriter INTERFACE)
target_include_directories(fonikra_xlsxwriter INTERFACE ${XLSXWRITER_INCLUDE_DIR})
target_link_libraries(fonikra_xlsxwriter INTERFACE ${XLSXWRITER_LIBRARY} ${ZLIB_STATIC_LIBRARY})

# No runtime DLL of the compiler's beside the program: everything static.
# The main thread's stack as large as Linux gives it (8 MB, not Windows'
# usual 1-2 MB), so that the two builds run the same code the same way.
# Symbols stripped: the program is half the size without them.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--stack,8388608 -s)

# The Linux build folder: its asset build made the content and the icons.
set(FONIKRA_LINUX_BUILD "" CACHE PATH "The Linux build folder whose Data/ and icons the Windows build takes")
if(NOT EXISTS "${FONIKRA_LINUX_BUILD}/Data/.stamp")
  message(FATAL_ERROR "FONIKRA_LINUX_BUILD must name a finished Linux build folder (make build): ${FONIKRA_LINUX_BUILD}")
endif()

# The program's icon and version, compiled into it. The icon is the asset
# build's desktop icon in the sizes Windows shows.
set(FONIKRA_WINDOWS_ICON ${CMAKE_BINARY_DIR}/MiniFonikra.ico)
set(icon_source ${FONIKRA_LINUX_BUILD}/icons/hicolor/256x256/apps/org.minifonikra.MiniFonikra.png)
if(NOT EXISTS ${FONIKRA_WINDOWS_ICON} OR ${icon_source} IS_NEWER_THAN ${FONIKRA_WINDOWS_ICON})
  find_program(CONVERT convert REQUIRED)
  execute_process(COMMAND ${CONVERT} ${icon_source} -define icon:auto-resize=256,64,48,32,16 ${FONIKRA_WINDOWS_ICON}
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
set(FONIKRA_WINDOWS_RC ${CMAKE_BINARY_DIR}/MiniFonikra.rc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/MiniFonikra.rc.in ${FONIKRA_WINDOWS_RC} @ONLY)
