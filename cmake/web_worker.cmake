# Writes OUT/sw.js, the page's service worker, from its template: the files it keeps, each with
# its SHA-256 (the worker refuses a file of another build), and a version made of all of them, so
# that a build that changes any file is a new worker with a cache of its own.
# Usage: cmake -DOUT=FOLDER -DLIST=web-worker-files.cmake -P web_worker.cmake
# (LIST sets FILES, the files relative to OUT kept at once, LATER, those kept once the page
# fetched them, and TEMPLATE.)
include(${LIST})
set(hashes "")
# entries(OUTVAR files...): the files as the worker's list writes them.
function(entries outVar)
  set(entries "")
  foreach(file IN LISTS ARGN)
    file(SHA256 ${OUT}/${file} hash)
    # The page is asked for by its folder's address.
    set(url ${file})
    if(file STREQUAL "index.html")
      set(url "./")
    endif()
    list(APPEND entries "[\"${url}\", \"${hash}\"]")
    string(APPEND hashes ${hash})
  endforeach()
  list(JOIN entries ", " joined)
  set(${outVar} "${joined}" PARENT_SCOPE)
  set(hashes "${hashes}" PARENT_SCOPE)
endfunction()
entries(TAVIMORA_WEB_FILES ${FILES})
entries(TAVIMORA_WEB_LATER ${LATER})
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 TAVIMORA_WEB_VERSION)
configure_file(${TEMPLATE} ${OUT}/sw.js @ONLY)
