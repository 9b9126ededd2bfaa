# The stricter warnings that the program's own code builds without: its libraries and programs, its
# tests, benchmarks and fuzz targets alike. With QUILLON_WERROR every warning stops the build; CI
# turns it on, so a warning never lands.
option(QUILLON_WERROR "Treat every compiler warning as an error" OFF)

set(QUILLON_STRICT_WARNINGS -Wpedantic -Wshadow -Wconversion)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # clang's -Wconversion also warns of every int used as a vector index; gcc's does not.
    list(APPEND QUILLON_STRICT_WARNINGS -Wno-sign-conversion)
endif()
if(QUILLON_WERROR)
    add_compile_options(-Werror)
endif()
