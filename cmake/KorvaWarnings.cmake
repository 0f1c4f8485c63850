# Every target of ours compiles with the same strict warnings.
function(korva_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# A library of one source folder: every .cpp in it, public include path at src/.
function(korva_library name folder)
    file(GLOB _sources CONFIGURE_DEPENDS "${folder}/*.cpp")
    add_library(${name} STATIC ${_sources})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    korva_warnings(${name})
endfunction()
