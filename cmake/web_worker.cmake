# Writes OUT/sw.js, the page's service worker, from its template: the files it keeps, each with
# its SHA-256 (the worker refuses a file of another build), and a version made of all of them, so
# that a build that changes any file is a new worker with a cache of its own.
# Usage: cmake -DOUT=FOLDER -DLIST=web-worker-files.cmake -P web_worker.cmake
# (LIST sets FILES, the files relative to OUT, and TEMPLATE.)
include(${LIST})
set(entries "")
set(hashes "")
foreach(file IN LISTS FILES)
  file(SHA256 ${OUT}/${file} hash)
  # The page is asked for by its folder's address.
  set(url ${file})
  if(file STREQUAL "index.html")
    set(url "./")
  endif()
  list(APPEND entries "[\"${url}\", \"${hash}\"]")
  string(APPEND hashes ${hash})
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 TAVIMORA_WEB_VERSION)
list(JOIN entries ", " TAVIMORA_WEB_FILES)
configure_file(${TEMPLATE} ${OUT}/sw.js @ONLY)
