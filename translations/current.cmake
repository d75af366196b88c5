# Runs lupdate over copies of the committed catalogues and fails when any copy changes: a text
# was added, changed or dropped in the sources and its catalogues were not brought up to date.
#     cmake -DLUPDATE=… -DSOURCES=sources.lst "-DOPTIONS=-locations none" -DFOLDER=translations
#           -DSCRATCH=… "-DLANGUAGES=de fr …" -P current.cmake
separate_arguments(OPTIONS UNIX_COMMAND "${OPTIONS}")
separate_arguments(LANGUAGES UNIX_COMMAND "${LANGUAGES}")
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(stale "")
foreach(language en ${LANGUAGES})
  set(committed ${FOLDER}/keystrider_${language}.ts)
  set(copy ${SCRATCH}/keystrider_${language}.ts)
  file(COPY_FILE ${committed} ${copy})
  set(extra "")
  if(language STREQUAL "en")
    # English holds only the plural forms of the texts counted with %n.
    set(extra -pluralonly)
  endif()
  execute_process(COMMAND ${LUPDATE} -silent ${OPTIONS} ${extra} @${SOURCES} -ts ${copy}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "lupdate failed on ${committed}")
  endif()
  file(READ ${committed} before)
  file(READ ${copy} after)
  if(NOT before STREQUAL after)
    list(APPEND stale keystrider_${language}.ts)
  endif()
endforeach()
if(stale)
  string(REPLACE ";" ", " stale "${stale}")
  message(FATAL_ERROR "lupdate would change ${stale}: the sources' texts changed. Run, in the "
                      "source folder, ninja -C build update_translations, and for the plural "
                      "forms /usr/lib/qt6/bin/lupdate -pluralonly -locations none -no-obsolete "
                      "src -ts translations/keystrider_en.ts (README, \"Languages\").")
endif()
