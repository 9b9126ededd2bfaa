# What the texts outside the program say of the catalogue, read from its rows when the build is
# configured: how many calculations it holds, QUILLON_CALCULATION_COUNT in figures,
# QUILLON_CALCULATION_COUNT_WORDS ("twenty-eight") and QUILLON_CALCULATION_COUNT_WORDS_CAPITAL
# ("Twenty-eight"); and QUILLON_CALCULATION_NAMES_MAN, their short names in catalogue order as a
# manual page lists them. The configuration runs again when the catalogue changes; the tests
# compare the count with the catalogue as built, and the manual page with quillon-calc's list.
set(catalogue_source ${PROJECT_SOURCE_DIR}/calculations/catalogue.cpp)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${catalogue_source})
file(STRINGS ${catalogue_source} catalogue_rows REGEX "^[ \t{]*\\.windowName = \"")
list(LENGTH catalogue_rows QUILLON_CALCULATION_COUNT)

file(STRINGS ${catalogue_source} command_names REGEX "^[ \t]*\\.commandName = \"")
list(TRANSFORM command_names REPLACE "^[ \t]*\\.commandName = \"([^\"]*)\".*" "\\1")
list(JOIN command_names ",\n" QUILLON_CALCULATION_NAMES_MAN)
string(APPEND QUILLON_CALCULATION_NAMES_MAN ".")

# A number from 1 to 99 in English words, as prose writes it.
function(quillon_number_in_words number out)
    set(units one two three four five six seven eight nine ten eleven twelve thirteen fourteen
              fifteen sixteen seventeen eighteen nineteen)
    set(tens twenty thirty forty fifty sixty seventy eighty ninety)
    if(number LESS 1 OR number GREATER 99)
        message(FATAL_ERROR "no words for ${number} calculations")
    endif()
    if(number LESS 20)
        math(EXPR index "${number} - 1")
        list(GET units ${index} words)
    else()
        math(EXPR ten_index "${number} / 10 - 2")
        math(EXPR unit "${number} % 10")
        list(GET tens ${ten_index} words)
        if(unit GREATER 0)
            math(EXPR index "${unit} - 1")
            list(GET units ${index} unit_word)
            string(APPEND words "-${unit_word}")
        endif()
    endif()
    set(${out} ${words} PARENT_SCOPE)
endfunction()

quillon_number_in_words(${QUILLON_CALCULATION_COUNT} QUILLON_CALCULATION_COUNT_WORDS)
string(SUBSTRING ${QUILLON_CALCULATION_COUNT_WORDS} 0 1 first_letter)
string(TOUPPER ${first_letter} first_letter)
string(SUBSTRING ${QUILLON_CALCULATION_COUNT_WORDS} 1 -1 rest)
set(QUILLON_CALCULATION_COUNT_WORDS_CAPITAL "${first_letter}${rest}")
