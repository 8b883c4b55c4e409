# One include folder per target, so a library sees only the headers of what it links.
#
#   lumio_library(NAME [STATIC|OBJECT] SOURCES... [LIBS ...] [INCLUDE spelling])
#       A library from the sources of the current source folder, its headers reachable to itself and
#       to whatever links it as "<spelling>/..." (spelling: the folder's path under the repository root,
#       e.g. "core", "ui" or "sim/harness"). LIBS are linked PUBLIC: a library's headers may use theirs.
#   lumio_include_folder(TARGET PUBLIC|PRIVATE SPELLING [FOLDER])
#       Only the include folder: "<SPELLING>/..." finds the files of FOLDER (default: the current source
#       folder). For programs and tests (PRIVATE), and for a library made some other way. FOLDER may
#       be one file, with SPELLING its path: a header-only INTERFACE library of that header alone.
#   lumio_precompile_qt_headers(TARGET [HEADERS...])
#       The Qt Widgets headers most windows use, and HEADERS, precompiled once for TARGET (unless
#       LUMIO_PRECOMPILE_HEADERS is off): a Qt source spends most of its time reading them.
#
# The folder is ${CMAKE_BINARY_DIR}/include/<TARGET>, holding <SPELLING> as a link to the source folder.
# The repository root is never an include folder: a file that includes a header of a library its
# target does not link fails to compile (tests/build checks that it does).

function(lumio_include_folder target visibility spelling)
  set(folder "${CMAKE_CURRENT_SOURCE_DIR}")
  if(ARGC GREATER 3)
    set(folder "${ARGV3}")
  endif()
  set(include_root "${CMAKE_BINARY_DIR}/include/${target}")
  set(link "${include_root}/${spelling}")
  cmake_path(GET link PARENT_PATH link_parent)
  file(MAKE_DIRECTORY "${link_parent}")
  if(IS_SYMLINK "${link}")
    file(READ_SYMLINK "${link}" current)
    if(NOT current STREQUAL folder)
      file(REMOVE "${link}")
    endif()
  endif()
  if(NOT IS_SYMLINK "${link}" AND NOT IS_DIRECTORY "${link}")
    file(CREATE_LINK "${folder}" "${link}" RESULT failure SYMBOLIC)
    if(failure AND CMAKE_HOST_WIN32)
      # Symbolic links need a privilege on Windows; a directory junction does not.
      file(TO_NATIVE_PATH "${link}" native_link)
      file(TO_NATIVE_PATH "${folder}" native_folder)
      execute_process(COMMAND cmd /c mklink /J "${native_link}" "${native_folder}"
                      RESULT_VARIABLE failure OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(failure)
      # Still builds, but without the separation: the spelling resolves from the repository root.
      message(WARNING "No link ${link} (${failure}): ${target} includes from ${PROJECT_SOURCE_DIR}")
      target_include_directories(${target} ${visibility} "${PROJECT_SOURCE_DIR}")
      return()
    endif()
  endif()
  target_include_directories(${target} ${visibility} "${include_root}")
endfunction()

function(lumio_library name)
  cmake_parse_arguments(ARG "STATIC;OBJECT" "INCLUDE" "LIBS" ${ARGN})
  set(kind STATIC)
  if(ARG_OBJECT)
    set(kind OBJECT)
  endif()
  add_library(${name} ${kind} ${ARG_UNPARSED_ARGUMENTS})
  set(spelling "${ARG_INCLUDE}")
  if(NOT spelling)
    file(RELATIVE_PATH spelling "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
  endif()
  lumio_include_folder(${name} PUBLIC "${spelling}")
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
endfunction()

function(lumio_precompile_qt_headers target)
  if(NOT LUMIO_PRECOMPILE_HEADERS)
    return()
  endif()
  target_precompile_headers(${target} PRIVATE <QAction> <QComboBox> <QDialog> <QDialogButtonBox> <QFile> <QHBoxLayout>
                            <QLabel> <QLineEdit> <QMenu> <QPlainTextEdit> <QPushButton> <QString> <QStringList>
                            <QVBoxLayout> <QWidget> ${ARGN})
endfunction()
