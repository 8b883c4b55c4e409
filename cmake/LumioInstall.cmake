# cmake --install: the programs, the editor's desktop entry and icon, and the MIME type of program
# files (.zt5), so a file manager opens them with the editor. Included at the end of the top-level
# CMakeLists, after every program target exists.
include(GNUInstallDirs)

foreach(program lumio-editor lumio-editor-classic lumio-board-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

if(TARGET lumio-editor AND UNIX AND NOT APPLE)
  set(LUMIO_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
  install(FILES ${LUMIO_DATA_DIR}/lumio-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${LUMIO_DATA_DIR}/lumio-zt5.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${LUMIO_DATA_DIR}/lumio-editor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${LUMIO_DATA_DIR}/lumio-editor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
          RENAME application-x-lumio-program.svg)
  # Refresh the desktop's caches when installing straight into a live system (not when staging with
  # DESTDIR for a package, whose own scripts do it).
  install(CODE "
    if(NOT \"\$ENV{DESTDIR}\")
      find_program(LUMIO_UPDATE_MIME update-mime-database)
      find_program(LUMIO_UPDATE_DESKTOP update-desktop-database)
      if(LUMIO_UPDATE_MIME)
        execute_process(COMMAND \${LUMIO_UPDATE_MIME} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\" OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(LUMIO_UPDATE_DESKTOP)
        execute_process(COMMAND \${LUMIO_UPDATE_DESKTOP} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\" OUTPUT_QUIET ERROR_QUIET)
      endif()
    endif()
  ")
endif()
