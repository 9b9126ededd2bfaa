# The WebAssembly build of the plain layers (emcmake cmake -DQUILLON_WEB=ON): core, calculations,
# figures and the module of web/module, nothing that needs Qt or a terminal.
if(NOT EMSCRIPTEN)
    message(FATAL_ERROR "QUILLON_WEB builds with emscripten: emcmake cmake -DQUILLON_WEB=ON ...")
endif()

# The calculations throw and catch their arithmetic errors: WebAssembly's own exceptions. The whole
# program is optimised at link time, which keeps the module small enough for a quick first load.
add_compile_options(-fwasm-exceptions -flto)
# Boost.Math works in double here: WebAssembly's long double is a 128-bit type made in software,
# three times the code for no printed digit (web_module_same_answers compares every answer with
# the native build's, whose long double is the 80-bit one).
add_compile_definitions(BOOST_MATH_PROMOTE_DOUBLE_POLICY=false)
add_link_options(-fwasm-exceptions -flto)

# The system's header-only libraries, seen through a folder that holds only them: the system's
# whole include folder would bring in its own C library in place of emscripten's.
set(QUILLON_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${QUILLON_HOST_HEADERS})
foreach(folder boost fast_float fmt nlohmann)
    if(NOT EXISTS /usr/include/${folder})
        message(FATAL_ERROR "/usr/include/${folder} is missing: scripts/web installs it")
    endif()
    file(CREATE_LINK /usr/include/${folder} ${QUILLON_HOST_HEADERS}/${folder} SYMBOLIC)
endforeach()

add_library(FastFloat::fast_float INTERFACE IMPORTED)
set_target_properties(FastFloat::fast_float PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${QUILLON_HOST_HEADERS})
add_library(fmt::fmt-header-only INTERFACE IMPORTED)
set_target_properties(fmt::fmt-header-only PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${QUILLON_HOST_HEADERS}
    INTERFACE_COMPILE_DEFINITIONS FMT_HEADER_ONLY=1)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${QUILLON_HOST_HEADERS})
# find_package(Boost) takes the headers from this folder too.
set(Boost_NO_BOOST_CMAKE ON)
set(Boost_INCLUDE_DIR ${QUILLON_HOST_HEADERS} CACHE PATH "Boost's headers, as the web build sees them")

add_subdirectory(core)
add_subdirectory(calculations)
add_subdirectory(figures)
add_subdirectory(web/module)
add_subdirectory(web/page)
foreach(library quillon_core quillon_calculations quillon_figures)
    target_compile_options(${library} PRIVATE ${QUILLON_STRICT_WARNINGS})
endforeach()
