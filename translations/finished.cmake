# Fails when a finished language's catalogue leaves a text unfinished or untranslated, as
# lrelease counts them.
#     cmake -DLRELEASE=… -DTS=keystrider_de.ts -DQM=scratch.qm -P finished.cmake
execute_process(COMMAND ${LRELEASE} ${TS} -qm ${QM} OUTPUT_VARIABLE said ERROR_VARIABLE said
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lrelease failed on ${TS}:\n${said}")
endif()
if(said MATCHES "[1-9][0-9]* unfinished" OR said MATCHES "Ignored [0-9]+ untranslated")
  message(FATAL_ERROR "${TS} is not finished:\n${said}")
endif()
# And the menu entry's and the store page's texts, as msgfmt counts them.
if(PO)
  execute_process(COMMAND ${MSGFMT} --statistics -o /dev/null ${PO} OUTPUT_VARIABLE said
                  ERROR_VARIABLE said RESULT_VARIABLE failed)
  if(failed OR said MATCHES "fuzzy|untranslated")
    message(FATAL_ERROR "${PO} is not finished:\n${said}")
  endif()
endif()
