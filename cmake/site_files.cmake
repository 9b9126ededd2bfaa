# Writes SITE/files.json: every file of the site, relative to it, for the service worker to keep.
# Usage: cmake -DSITE=folder -P site_files.cmake
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files files.json)
list(SORT files)
set(json "[")
set(separator "")
foreach(file ${files})
    string(APPEND json "${separator}\n  \"${file}\"")
    set(separator ",")
endforeach()
string(APPEND json "\n]\n")
file(WRITE ${SITE}/files.json "${json}")
