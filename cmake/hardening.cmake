# Hardening and reproducibility flags for the programs Keymint ships.
#
# On Debian the flags are Debian's own, from dpkg-buildflags with hardening=+all: the stack
# protector, _FORTIFY_SOURCE, full RELRO with immediate binding, and the source folder cut out
# of file names. Debian 12's dpkg-buildflags does not yet know stack-clash and control-flow
# protection, so those two are added where it leaves them out and the compiler knows them.

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
include(CheckCXXCompilerFlag)
foreach(wanted -fstack-clash-protection -fcf-protection -mbranch-protection=standard)
    string(MAKE_C_IDENTIFIER "keymint_has${wanted}" supported)
    check_cxx_compiler_flag(${wanted} ${supported})
    if(${supported} AND NOT wanted IN_LIST cxxflags)
        list(APPEND cxxflags ${wanted})
    endif()
endforeach()
add_compile_options(${cppflags} ${cxxflags})
add_link_options(${ldflags})
list(JOIN cppflags " " cppflags)
list(JOIN cxxflags " " cxxflags)
list(JOIN ldflags " " ldflags)
message(STATUS "Hardening: ${cppflags} ${cxxflags}; linked with ${ldflags}")
