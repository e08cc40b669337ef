# Puts beside the Windows program what it needs there, from the Linux build
# and from Debian's files on this machine:
#   Data/          the content the asset build made (not a user's data.ini)
#   fonts/         Andika and DejaVu Sans, which Windows lacks
#   translations/  Qt's own Polish texts (its dialogs' buttons)
#   licences/      the program's licence and those of every library and font
# cmake -DLINUX_BUILD=<folder> -DSOURCE_DIR=<checkout> -DOUT=<folder> -P stage.cmake
foreach(var LINUX_BUILD SOURCE_DIR OUT)
  if(NOT ${var})
    message(FATAL_ERROR "stage.cmake: ${var} is not set")
  endif()
endforeach()

# Copies only what changed (file(COPY) keeps the times and skips the same).
file(COPY ${LINUX_BUILD}/Data DESTINATION ${OUT}
     PATTERN data.ini EXCLUDE PATTERN .stamp EXCLUDE)

set(fonts
  /usr/share/fonts/truetype/andika/Andika-Regular.ttf
  /usr/share/fonts/truetype/andika/Andika-Bold.ttf
  /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
  /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf)
file(COPY ${fonts} DESTINATION ${OUT}/fonts)
file(COPY /usr/share/qt6/translations/qtbase_pl.qm DESTINATION ${OUT}/translations)

# Debian's copyright file of each package a part of the program comes from.
file(MAKE_DIRECTORY ${OUT}/licences)
configure_file(${SOURCE_DIR}/LICENSE ${OUT}/licences/MiniFonikra.txt COPYONLY)
foreach(package libqt6core6 qt6-translations-l10n libsdl2-2.0-0 libjpeg62-turbo libxlsxwriter-dev zlib1g
                libsimpleini-dev fonts-sil-andika fonts-dejavu-core)
  configure_file(/usr/share/doc/${package}/copyright ${OUT}/licences/${package}.txt COPYONLY)
endforeach()
