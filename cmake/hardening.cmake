# Hardening and reproducibility flags for the programs Keymint ships.
#
# On Debian the flags are Debian's own, from dpkg-buildflags with hardening=+all: the stack
# protector, _FORTIFY_SOURCE, full RELRO with immediate binding, and the source folder cut out
# of file names. Debian 12's dpkg-buildflags does not yet know stack-clash and control-flow
# protection, so those two are added when it leaves them out.

# Build paths never reach the binaries: two builds in two folders give the same bytes.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

if(WIN32 OR KEYMINT_SANITIZE)
    return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(STATUS "dpkg-buildflags not found: built without Debian's hardening flags")
    return()
endif()

# keymint_debian_flags(<variable> <dpkg-buildflags flag name>)
function(keymint_debian_flags variable name)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${name}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${variable} ${flags} PARENT_SCOPE)
endfunction()

keymint_debian_flags(cppflags CPPFLAGS)
keymint_debian_flags(cxxflags CXXFLAGS)
keymint_debian_flags(ldflags LDFLAGS)
foreach(wanted -fstack-clash-protection -fcf-protection)
    if(NOT wanted IN_LIST cxxflags)
        list(APPEND cxxflags ${wanted})
    endif()
endforeach()
list(TRANSFORM cppflags REPLACE "_FORTIFY_SOURCE=2" "_FORTIFY_SOURCE=3")
add_compile_options(${cppflags} ${cxxflags})
add_link_options(${ldflags})
message(STATUS "Hardening from dpkg-buildflags: ${cppflags} ${cxxflags} ${ldflags}")
