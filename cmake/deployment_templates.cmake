# How the deployment values (cmake/deployment.cmake) are written into the files that carry them:
# escaped for C++ and XML, and the lines of a template left out where a value is empty.

# A value as the text of a C++ string literal.
function(quillon_cxx_literal variable value)
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\"" "\\\"" value "${value}")
    string(REPLACE "\n" "\\n" value "${value}")
    set(${variable} "${value}" PARENT_SCOPE)
endfunction()

# A value as XML text.
function(quillon_xml_text variable value)
    string(REPLACE "&" "&amp;" value "${value}")
    string(REPLACE "<" "&lt;" value "${value}")
    string(REPLACE ">" "&gt;" value "${value}")
    string(REPLACE "\"" "&quot;" value "${value}")
    set(${variable} "${value}" PARENT_SCOPE)
endfunction()

# Configures a template like configure_file(@ONLY), and leaves out every line that starts with
# @IF_<NAME>@ where the variable <NAME> is empty (the marker itself goes in every case):
#     @IF_QUILLON_HOME_PAGE@  <url type="homepage">@QUILLON_HOME_PAGE@</url>
function(quillon_configure_deployment template output)
    file(READ "${template}" text)
    string(ASCII 1 omit)
    string(REGEX MATCHALL "@IF_[A-Za-z0-9_]+@" markers "${text}")
    list(REMOVE_DUPLICATES markers)
    foreach(marker IN LISTS markers)
        string(REGEX REPLACE "^@IF_(.*)@$" "\\1" name "${marker}")
        if("${${name}}" STREQUAL "")
            string(REPLACE "${marker}" "${omit}" text "${text}")
        else()
            string(REPLACE "${marker}" "" text "${text}")
        endif()
    endforeach()
    string(CONFIGURE "${text}" text @ONLY)
    string(REGEX REPLACE "${omit}[^\n]*\n" "" text "${text}")
    # Written only when it changes, so that what depends on it is not rebuilt for nothing.
    set(old "")
    if(EXISTS "${output}")
        file(READ "${output}" old)
    endif()
    if(NOT "${old}" STREQUAL "${text}")
        file(WRITE "${output}" "${text}")
    endif()
    if(NOT CMAKE_SCRIPT_MODE_FILE)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${template}")
    endif()
endfunction()

# The header that hands the values to the program: ui/information/deployment_values.h under
# ${PROJECT_BINARY_DIR}/generated.
function(quillon_write_deployment_header)
    list(JOIN QUILLON_MAKER_ADDRESS "\n" address)
    quillon_cxx_literal(QUILLON_MAKER_ADDRESS_CXX "${address}")
    foreach(option QUILLON_MAKER_NAME QUILLON_MAKER_TELEPHONE QUILLON_SALES_MAIL
                   QUILLON_SUPPORT_TELEPHONE QUILLON_SUPPORT_MAIL QUILLON_BOOK_WEB_ADDRESS
                   QUILLON_DESKTOP_ID)
        quillon_cxx_literal(${option}_CXX "${${option}}")
    endforeach()
    quillon_configure_deployment(
        ${PROJECT_SOURCE_DIR}/ui/information/deployment_values.h.in
        ${PROJECT_BINARY_DIR}/generated/ui/information/deployment_values.h)
endfunction()

# The software-centre metadata for the id QUILLON_APP_ID, from packaging/quillon.metainfo.xml.in:
# the maker, the home page with the screenshot on it and the book's address where they are given.
function(quillon_write_metainfo output)
    set(QUILLON_SCREENSHOT "")
    if(NOT QUILLON_HOME_PAGE STREQUAL "")
        string(REGEX REPLACE "/$" "" home_page "${QUILLON_HOME_PAGE}")
        set(QUILLON_SCREENSHOT "${home_page}/screenshots/critical-t.png")
    endif()
    foreach(option QUILLON_MAKER_NAME QUILLON_HOME_PAGE QUILLON_BOOK_WEB_ADDRESS
                   QUILLON_SCREENSHOT)
        quillon_xml_text(${option}_XML "${${option}}")
    endforeach()
    quillon_configure_deployment(${PROJECT_SOURCE_DIR}/packaging/quillon.metainfo.xml.in
                                 ${output})
endfunction()
