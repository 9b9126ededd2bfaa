# Who makes and supports this copy of the program: the values the About and Technical Support
# windows show and the package carries. Each is a cache option set when the program is configured
# (cmake -DQUILLON_SUPPORT_MAIL=... ); a value left empty is left out, with its caption, wherever
# it would appear. Nothing here is invented: the maker's name is the one value with a default.

# Builds before these options kept a derived id as an internal value; the option takes its place.
get_property(app_id_type CACHE QUILLON_APP_ID PROPERTY TYPE)
if(app_id_type STREQUAL "INTERNAL")
    unset(QUILLON_APP_ID CACHE)
endif()

set(QUILLON_MAKER_NAME "Verimont, Inc." CACHE STRING
    "The maker's name: About, Technical Support, the copyright notice and the package")
set(QUILLON_MAKER_ADDRESS "" CACHE STRING
    "The maker's postal address, its lines separated by semicolons")
set(QUILLON_MAKER_TELEPHONE "" CACHE STRING "The maker's telephone number (About)")
set(QUILLON_SALES_MAIL "" CACHE STRING "The sales mail address (About)")
set(QUILLON_SUPPORT_TELEPHONE "" CACHE STRING "The support telephone number (Technical Support)")
set(QUILLON_SUPPORT_MAIL "" CACHE STRING
    "The support mail address (Technical Support, manual pages, package contact)")
set(QUILLON_HOME_PAGE "" CACHE STRING
    "The program's web page (https://...): software centres link to it and load screenshots/critical-t.png from it")
set(QUILLON_BOOK_WEB_ADDRESS "" CACHE STRING
    "The web address of the statistics book that explains every procedure (Technical Support)")
set(QUILLON_APP_ID "" CACHE STRING
    "The software-centre id, a domain the deployment owns reversed (net.my_site.quillon for my-site.net); without it no software-centre metadata")

# Values that would make a broken link or an invalid package stop the configuration instead.
foreach(option QUILLON_SALES_MAIL QUILLON_SUPPORT_MAIL)
    if(NOT "${${option}}" STREQUAL "" AND NOT "${${option}}" MATCHES "^[^@ <>\"]+@[^@ <>\"]+$")
        message(FATAL_ERROR "${option} is not a mail address: ${${option}}")
    endif()
endforeach()
foreach(option QUILLON_HOME_PAGE QUILLON_BOOK_WEB_ADDRESS)
    if(NOT "${${option}}" STREQUAL "" AND NOT "${${option}}" MATCHES "^https?://[^ <>\"]+$")
        message(FATAL_ERROR "${option} is not a web address (http:// or https://): ${${option}}")
    endif()
endforeach()
# Software centres want three or more lowercase parts, none with a hyphen or a leading digit.
set(id_part "[a-z_][a-z0-9_]*")
if(NOT QUILLON_APP_ID STREQUAL "" AND NOT QUILLON_APP_ID MATCHES
                                      "^${id_part}\\.${id_part}(\\.${id_part})+$")
    message(FATAL_ERROR "QUILLON_APP_ID is not a reverse-DNS id like net.my_site.quillon for "
                        "my-site.net (lowercase, three or more parts, _ for a hyphen): "
                        "${QUILLON_APP_ID}")
endif()

# The desktop entry is named after the id, as desktops expect; without one, after the program.
if(QUILLON_APP_ID STREQUAL "")
    set(QUILLON_DESKTOP_ID quillon)
else()
    set(QUILLON_DESKTOP_ID ${QUILLON_APP_ID})
endif()

include(${CMAKE_CURRENT_LIST_DIR}/deployment_templates.cmake)
