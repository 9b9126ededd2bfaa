# Fails when a file of the program includes a layer above its own. The layers, lowest first:
# core; calculations; figures; terminal, the web page's module and ui beside each other. Inside ui: help; common; calculator and information
# beside each other; data_sheet; main_window; main.cpp. Core and calculations include no Qt.
# Usage: cmake -DSOURCE_DIR=<tree> -P include_layers.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "give -DSOURCE_DIR=<tree>")
endif()

set(below_core "")
set(below_calculations core)
set(below_figures core calculations)
set(below_terminal core calculations figures)
set(below_web/module core calculations figures)
set(below_ui/help core calculations figures)
set(below_ui/common core calculations figures ui/help)
set(below_ui/calculator core calculations figures ui/help ui/common)
set(below_ui/information core calculations figures ui/help ui/common)
set(below_ui/data_sheet core calculations figures ui/help ui/common ui/calculator)
set(below_ui/main_window core calculations figures ui/help ui/common ui/calculator ui/information
    ui/data_sheet)
set(below_ui core calculations figures ui/help ui/common ui/calculator ui/information ui/data_sheet
    ui/main_window)
set(layers core calculations figures terminal web/module ui/help ui/common ui/calculator ui/information
    ui/data_sheet ui/main_window ui)

# The layer of a path of the tree (or of an include written from its root), or "" outside them.
function(layer_of path out)
    set(layer "")
    foreach(candidate IN LISTS layers)
        if(path MATCHES "^${candidate}/")
            set(layer ${candidate})
            break()
        endif()
    endforeach()
    set(${out} "${layer}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/core/* ${SOURCE_DIR}/calculations/*
     ${SOURCE_DIR}/figures/*
     ${SOURCE_DIR}/terminal/* ${SOURCE_DIR}/web/module/* ${SOURCE_DIR}/ui/*)
list(FILTER sources INCLUDE REGEX "\\.(h|cpp|h\\.in)$")
set(faults "")
foreach(source IN LISTS sources)
    layer_of(${source} own)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" included
                             "${line}")
        layer_of(${included} theirs)
        if(theirs STREQUAL "")
            if(own MATCHES "^(core|calculations|figures)$" AND included MATCHES "^Q[A-Za-z]")
                list(APPEND faults "${source} includes Qt: ${included}")
            endif()
        elseif(NOT theirs STREQUAL own AND NOT theirs IN_LIST below_${own})
            list(APPEND faults "${source} (${own}) includes ${included} (${theirs})")
        endif()
    endforeach()
endforeach()

list(LENGTH sources count)
if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "includes against the layers:\n${text}")
endif()
message(STATUS "${count} files include only their own layer or those below it")
