# Install rules: the programs, the desktop integration (menu entry, icons,
# file type, AppStream metadata), the manual pages, the documentation and the
# examples, under the usual prefix layout. The Debian package (Package.cmake)
# is made from the same rules.
include(GNUInstallDirs)

set(ZEK_APP_ID de.zek_projekt.zek)
set(ZEK_EXAMPLES_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/zek/examples)
set(ZEK_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/zek)
set(ZEK_ICON_SIZES 16 22 24 32 48 64 128 256)
set(ZEK_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS zekrun RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zek)
  install(TARGETS zek RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Every file of examples/ (programs, expected outputs, test files), but no
# editor backups or other leftovers.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${ZEK_EXAMPLES_INSTALL_DIR}
  PATTERN ".*" EXCLUDE
  PATTERN "*~" EXCLUDE
  PATTERN "*.bak" EXCLUDE
  PATTERN "*.orig" EXCLUDE
  PATTERN "*.rej" EXCLUDE
  PATTERN "*.swp" EXCLUDE
  PATTERN "*.tmp" EXCLUDE)

install(FILES ${ZEK_DATA}/${ZEK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZEK_DATA}/${ZEK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ZEK_DATA}/zek-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zek.xml)

set(ZEK_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${ZEK_DATA}/icons/zek.svg DESTINATION ${ZEK_ICON_DIR}/scalable/apps RENAME ${ZEK_APP_ID}.svg)
install(FILES ${ZEK_DATA}/icons/text-x-zek.svg DESTINATION ${ZEK_ICON_DIR}/scalable/mimetypes)
foreach(size ${ZEK_ICON_SIZES})
  install(FILES ${ZEK_DATA}/icons/${size}/zek.png DESTINATION ${ZEK_ICON_DIR}/${size}x${size}/apps
          RENAME ${ZEK_APP_ID}.png)
  install(FILES ${ZEK_DATA}/icons/${size}/text-x-zek.png DESTINATION ${ZEK_ICON_DIR}/${size}x${size}/mimetypes)
endforeach()

# Manual pages and the Debian changelog go in compressed, as Debian wants
# them: gzip -9n keeps neither a name nor a time stamp, so the files are the
# same in every build.
set(ZEK_COMPRESSED_DIR ${PROJECT_BINARY_DIR}/compressed)
set(ZEK_COMPRESSED_FILES)
foreach(source man/zek.1 man/zekrun.1 packaging/changelog)
  get_filename_component(name ${source} NAME)
  set(compressed ${ZEK_COMPRESSED_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEK_COMPRESSED_DIR}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${PROJECT_SOURCE_DIR}/${source} ${compressed}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND ZEK_COMPRESSED_FILES ${compressed})
endforeach()
add_custom_target(zek_compressed_docs ALL DEPENDS ${ZEK_COMPRESSED_FILES})

install(FILES ${ZEK_COMPRESSED_DIR}/zek.1.gz ${ZEK_COMPRESSED_DIR}/zekrun.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZEK_COMPRESSED_DIR}/changelog.gz DESTINATION ${ZEK_DOC_INSTALL_DIR} RENAME changelog.Debian.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${ZEK_DOC_INSTALL_DIR})
