# Fails when the translations are behind the sources: runs lupdate over the
# interface's sources into copies of the .ts files and looks for texts that
# are new (no translation yet) or gone (a translation of a text no longer used).
#
#   cmake -DLUPDATE=<lupdate> -DSOURCES=<a|b|...> -DINCLUDE_DIR=<include root>
#         -DTS_FILES=<x.ts|...> -DWORK_DIR=<scratch folder> -P check_translations.cmake
string(REPLACE "|" ";" sources "${SOURCES}")
string(REPLACE "|" ";" ts_files "${TS_FILES}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(behind "")
foreach(ts IN LISTS ts_files)
    get_filename_component(name "${ts}" NAME)
    set(copy "${WORK_DIR}/${name}")
    configure_file("${ts}" "${copy}" COPYONLY)
    execute_process(COMMAND "${LUPDATE}" -silent -locations none "-I${INCLUDE_DIR}" ${sources} -ts "${copy}"
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(STRINGS "${copy}" stale REGEX "type=\"(unfinished|vanished|obsolete)\"")
    list(LENGTH stale count)
    if(count GREATER 0)
        string(APPEND behind "\n  ${name}: ${count} text(s) new or gone")
    endif()
endforeach()
if(behind)
    message(FATAL_ERROR "The translations do not match the sources:${behind}\n"
                        "Run `cmake --build --preset default --target update_translations`, "
                        "then translate what is marked unfinished.")
endif()
