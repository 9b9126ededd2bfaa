# The templates of the deployment values: a line marked with an empty value's @IF_<NAME>@ is left
# out, the marker of a given value vanishes, and values are escaped for C++ and XML.
# Usage: cmake -DSOURCE_DIR=... -DWORK_DIR=... -P deployment_templates_test.cmake
cmake_minimum_required(VERSION 3.25)
include(${SOURCE_DIR}/cmake/deployment_templates.cmake)

function(expect what actual expected)
    if(NOT "${actual}" STREQUAL "${expected}")
        message(SEND_ERROR "${what}:\n  expected [${expected}]\n  found    [${actual}]")
    endif()
endfunction()

# Each case: the name, the template, then the values of A and B, then what the template becomes.
set(cases
    "both given|x\n@IF_A@a=@A@\n@IF_B@b=@B@\ny\n|1|2|x\na=1\nb=2\ny\n"
    "one empty|x\n@IF_A@a=@A@\n@IF_B@b=@B@\ny\n||2|x\nb=2\ny\n"
    "both empty, a block|<\n@IF_A@  [\n@IF_A@  @A@\n@IF_A@  ]\n>\n|||<\n>\n"
    "the last line|x\n@IF_B@b=@B@\n|1||x\n"
    "a line with two values|@IF_A@@A@ and @B@\n|1||1 and \n"
    "an unmarked empty value|a=@A@\n|||a=\n"
    "a value with an at sign|@IF_A@<@A@>\n|a@b.c||<a@b.c>\n")
set(template ${WORK_DIR}/template.in)
set(output ${WORK_DIR}/output)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 text)
    list(GET fields 2 A)
    list(GET fields 3 B)
    list(GET fields 4 expected)
    file(WRITE ${template} "${text}")
    file(REMOVE ${output})
    quillon_configure_deployment(${template} ${output})
    file(READ ${output} written)
    expect("${name}" "${written}" "${expected}")
endforeach()

quillon_cxx_literal(literal "a \"quoted\" C:\\path\nnext")
expect("C++ literal" "${literal}" "a \\\"quoted\\\" C:\\\\path\\nnext")
quillon_xml_text(xml "Fixture & Co. <test> \"x\"")
expect("XML text" "${xml}" "Fixture &amp; Co. &lt;test&gt; &quot;x&quot;")
