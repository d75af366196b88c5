# Writes the linker's dynamic list of what the statistics module takes from the game: every
# symbol the module leaves undefined, apart from the versioned ones of system libraries.
# cmake -DNM=nm -DMODULE=keystriderstats.so -DLIST=statsexports.list -P exportlist.cmake
execute_process(COMMAND ${NM} -D --undefined-only --format=just-symbols ${MODULE}
                OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" symbols "${symbols}")
set(list "{\n")
foreach(symbol ${symbols})
  if(symbol AND NOT symbol MATCHES "@")
    string(APPEND list "  ${symbol};\n")
  endif()
endforeach()
string(APPEND list "};\n")
# Rewritten only when it changes, so the game is linked again only then.
if(EXISTS ${LIST})
  file(READ ${LIST} old)
endif()
if(NOT list STREQUAL "${old}")
  file(WRITE ${LIST} "${list}")
endif()
