# Every target of ours compiles with the same strict warnings.
function(korva_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
    # GCC 12 reports impossible overlaps in inlined std::string assignments at -O3
    # (a known false positive of that release); the check stays on everywhere else.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()

# A library of one source folder: every .cpp in it, public include path at src/.
function(korva_library name folder)
    file(GLOB _sources CONFIGURE_DEPENDS "${folder}/*.cpp")
    add_library(${name} STATIC ${_sources})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    korva_warnings(${name})
endfunction()
