# Writes the Windows download, the same bytes from the same source: the files in name order,
# each with the time of the last commit (SOURCE_DATE_EPOCH), no owner, and times in UTC.
#   cmake -DBUILD_DIR=<build folder> -DSOURCE_DIR=<source> -DNAME=<Keymint-1.00-win64>
#         -P windows-zip.cmake
cmake_minimum_required(VERSION 3.25)

set(epoch $ENV{SOURCE_DATE_EPOCH})
if(NOT epoch)
    execute_process(COMMAND git -C ${SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
endif()

set(stage ${BUILD_DIR}/zip-stage)
set(zip ${BUILD_DIR}/${NAME}.zip)
file(REMOVE_RECURSE ${stage})
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage}/${NAME} --strip
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/*)
list(SORT files)
list(JOIN files "\n" listing)
file(WRITE ${BUILD_DIR}/zip-files.txt "${listing}\n")

execute_process(COMMAND touch --no-dereference --date=@${epoch} ${files}
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
# -X leaves out the owner and the extra time fields, -D the folder entries.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -D -9 -q ${zip} -@
                INPUT_FILE ${BUILD_DIR}/zip-files.txt
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Wrote ${zip}")
