# Compiles Keymint.exe's resource script with the MinGW resource compiler and checks that the
# version information landed in it.
# cmake -DWINDRES=<exe> -DSCRIPT=<keymint.rc> -DOUTPUT=<keymint.res> -P windows-resource.cmake
execute_process(
    # The script needs no Windows headers, so the host's preprocessor serves.
    COMMAND ${WINDRES} --preprocessor=cpp ${SCRIPT} -O coff -o ${OUTPUT}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres failed on ${SCRIPT}")
endif()
file(READ ${OUTPUT} compiled HEX)
# "Keymint.exe" as the UTF-16LE text that version resources hold.
string(FIND "${compiled}" "4b00650079006d0069006e0074002e00650078006500" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the compiled resources hold no version information for Keymint")
endif()
message(STATUS "${OUTPUT}: compiled")
