# Writes the two Windows downloads from one staging of the program: the zip to unpack and run,
# and the per-user installer (MSI). The same source gives the same bytes: the files in name
# order, each with the time of the release (SOURCE_DATE_EPOCH, or else the top entry of
# app/changelog), no owner, times in UTC, and the MSI's codes derived from the version and
# the program rather than drawn at random.
#   cmake -DBUILD_DIR=<build folder> -DSOURCE_DIR=<source> -DVERSION=<1.00>
#         [-DOUTPUT_DIR=<folder>] -P windows-downloads.cmake
cmake_minimum_required(VERSION 3.25)

set(epoch $ENV{SOURCE_DATE_EPOCH})
if(NOT epoch)
    execute_process(COMMAND dpkg-parsechangelog -l ${SOURCE_DIR}/app/changelog -STimestamp
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
if(NOT OUTPUT_DIR)
    set(OUTPUT_DIR ${BUILD_DIR})
endif()
set(name Keymint-${VERSION}-win64)
set(stage ${OUTPUT_DIR}/stage)
set(zip ${OUTPUT_DIR}/${name}.zip)
set(msi ${OUTPUT_DIR}/${name}.msi)
file(REMOVE_RECURSE ${stage})
file(REMOVE ${zip} ${msi})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage}/${name} --strip
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/*)
list(SORT files)
list(JOIN files "\n" listing)
file(WRITE ${OUTPUT_DIR}/zip-files.txt "${listing}\n")
execute_process(COMMAND touch --no-dereference --date=@${epoch} ${files}
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
# -X leaves out the owner and the extra time fields, -D the folder entries.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -D -9 -q ${zip} -@
                INPUT_FILE ${OUTPUT_DIR}/zip-files.txt
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Wrote ${zip}")

# The installer holds what the zip holds but its read-me, which speaks of unzipping. The
# upgrade code never changes; the product code changes with the version, so that a later one
# replaces this one; the package code changes with the program too.
set(upgrade_code 5C6F0C52-0D2A-4E61-9B0E-3F0C2B8D7A11)
file(SHA256 ${stage}/${name}/Keymint.exe program)
string(UUID product_code NAMESPACE ${upgrade_code} NAME "product ${VERSION}" TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${upgrade_code} NAME "package ${VERSION} ${program}"
       TYPE SHA1 UPPER)
list(FILTER files INCLUDE REGEX "/licences/|/translations/|/LICENSE.txt$")
list(TRANSFORM files REPLACE "^${name}/" "")
list(JOIN files "\n" listing)
file(WRITE ${OUTPUT_DIR}/msi-files.txt "${listing}\n")
execute_process(COMMAND wixl-heat --prefix "" --directory-ref INSTALLDIR
                        --component-group BesideTheProgram --var var.Stage
                INPUT_FILE ${OUTPUT_DIR}/msi-files.txt OUTPUT_FILE ${OUTPUT_DIR}/beside.wxs
                COMMAND_ERROR_IS_FATAL ANY)
# wixl-heat names the folders at random: name them by their order instead.
file(READ ${OUTPUT_DIR}/beside.wxs fragment)
string(REGEX MATCHALL "dir[0-9A-F]+" folders "${fragment}")
list(REMOVE_DUPLICATES folders)
foreach(folder IN LISTS folders)
    list(FIND folders ${folder} index)
    string(REPLACE ${folder} Folder${index} fragment "${fragment}")
endforeach()
file(WRITE ${OUTPUT_DIR}/beside.wxs "${fragment}")
file(COPY_FILE ${SOURCE_DIR}/ui/icons/keymint.ico ${stage}/keymint.ico)
# wixl takes paths relative to the folder it runs in, and the files' times into its cabinet.
execute_process(COMMAND touch --date=@${epoch} ${stage}/keymint.ico COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
            wixl --arch x64 -D Version=${VERSION} -D UpgradeCode=${upgrade_code}
                 -D ProductCode=${product_code}
                 -D Stage=${name} -o ${msi} ${SOURCE_DIR}/app/keymint.wxs ${OUTPUT_DIR}/beside.wxs
    WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND /usr/bin/python3 ${SOURCE_DIR}/cmake/msi-summary.py ${msi}
                        {${package_code}} ${epoch} COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Wrote ${msi}")
