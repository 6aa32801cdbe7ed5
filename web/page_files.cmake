# The page's version, a digest of every file in its folder (PAGE), written into the service
# worker (from its source, SERVICE_WORKER) and into page_files.json for the page. A new version
# changes the service worker's own bytes, which is what makes a browser install it.
#   cmake -DPAGE=folder -DSERVICE_WORKER=service_worker.js -P page_files.cmake
file(GLOB_RECURSE files RELATIVE ${PAGE} ${PAGE}/*)
list(REMOVE_ITEM files service_worker.js page_files.json)
list(SORT files)
set(digests "")
foreach(file IN LISTS files)
    file(SHA256 ${PAGE}/${file} digest)
    string(APPEND digests "${file} ${digest}\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 version)
file(WRITE ${PAGE}/page_files.json "{\"version\": \"${version}\"}\n")
file(READ ${SERVICE_WORKER} worker)
string(REPLACE "@VERSION@" "${version}" worker "${worker}")
file(WRITE ${PAGE}/service_worker.js "${worker}")
