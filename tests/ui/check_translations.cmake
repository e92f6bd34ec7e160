# Fails when a translation is behind the sources or broken. Runs lupdate over
# the interface's sources into a copy of every .ts file found in TS_DIR (so a
# language added later is checked without being listed anywhere), then looks
# in each copy for texts that are new (no translation yet) or gone (a
# translation of a text no longer used), for empty translations, and for
# translations whose placeholders (%1, %L2) or keyboard accelerators ("&File")
# differ from their source text's. A text with a number ("%n files") is
# checked in each of its plural forms. The catalogs in TS_DIR/plurals hold the
# plural forms of the texts with a number alone (lupdate -pluralonly).
#
#   cmake -DLUPDATE=<lupdate> -DSOURCES=<a|b|...> -DINCLUDE_DIR=<include root>
#         -DTS_DIR=<folder of the .ts files> -DWORK_DIR=<scratch folder>
#         -P check_translations.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" sources "${SOURCES}")
file(GLOB plural_files "${TS_DIR}/plurals/*.ts")
file(GLOB ts_files "${TS_DIR}/*.ts")
if(NOT ts_files)
    message(FATAL_ERROR "No translations in ${TS_DIR}")
endif()

# The placeholders of `text` (XML as it stands in the file), sorted, and the
# number of its accelerators: an "&" (written "&amp;") before a character
# other than a space; "&&" stands for a plain "&".
function(markers text out)
    string(REGEX MATCHALL "%L?[0-9]+" found "${text}")
    list(SORT found)
    string(REPLACE "&amp;&amp;" "" text "${text}")
    string(REPLACE "&amp; " "" text "${text}")
    string(LENGTH "${text}" before)
    string(REPLACE "&amp;" "" text "${text}")
    string(LENGTH "${text}" after)
    math(EXPR accelerators "(${before} - ${after}) / 5")
    set(${out} "${found} &x${accelerators}" PARENT_SCOPE)
endfunction()

string(ASCII 31 unit_separator)
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(problems "")
foreach(ts IN LISTS ts_files plural_files)
    get_filename_component(name "${ts}" NAME)
    set(options "")
    if(ts IN_LIST plural_files)
        set(options -pluralonly)
        set(name "plurals_${name}")
    endif()
    set(copy "${WORK_DIR}/${name}")
    configure_file("${ts}" "${copy}" COPYONLY)
    execute_process(COMMAND "${LUPDATE}" -silent -locations none ${options} "-I${INCLUDE_DIR}" ${sources}
                            -ts "${copy}"
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(STRINGS "${copy}" stale REGEX "type=\"(unfinished|vanished|obsolete)\"")
    list(LENGTH stale count)
    if(count GREATER 0)
        string(APPEND problems "\n  ${name}: ${count} text(s) new or gone")
    endif()

    # Message by message; texts may hold ";" and brackets, so they are never
    # made into CMake lists.
    file(READ "${copy}" rest)
    while(TRUE)
        string(FIND "${rest}" "</message>" end)
        if(end EQUAL -1)
            break()
        endif()
        string(SUBSTRING "${rest}" 0 ${end} message)
        math(EXPR end "${end} + 10")
        string(SUBSTRING "${rest}" ${end} -1 rest)
        string(REGEX MATCH "<source>([^<]*)</source>" ignored "${message}")
        set(source "${CMAKE_MATCH_1}")
        # The translation's forms as a list: each ";" stands in as a unit
        # separator until a form is taken, and each form is set off by spaces
        # so that an empty one stays in the list.
        string(REPLACE ";" "${unit_separator}" translated "${message}")
        if(translated MATCHES "<numerusform")
            string(REGEX MATCHALL "<numerusform>[^<]*</numerusform>" forms "${translated}")
            list(TRANSFORM forms REPLACE "</?numerusform>" " ")
        else()
            string(REGEX MATCH "<translation[^>]*>([^<]*)</translation>" ignored "${translated}")
            set(forms " ${CMAKE_MATCH_1} ")
        endif()
        markers("${source}" expected)
        foreach(translation IN LISTS forms)
            string(REPLACE "${unit_separator}" ";" translation "${translation}")
            string(STRIP "${translation}" stripped)
            markers("${translation}" got)
            if(stripped STREQUAL "")
                string(APPEND problems "\n  ${name}: no translation of \"${source}\"")
            elseif(NOT got STREQUAL expected)
                string(APPEND problems "\n  ${name}: \"${translation}\" has other placeholders or "
                                       "accelerators than \"${source}\"")
            endif()
        endforeach()
    endwhile()
endforeach()
if(problems)
    message(FATAL_ERROR "The translations do not match the sources:${problems}\n"
                        "Run `cmake --build --preset default --target update_translations`, "
                        "then translate what is marked unfinished.")
endif()
