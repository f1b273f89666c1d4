# Makes the site's service worker: SOURCE with the names of the site's FILES (separated by
# commas, as named in the folder SITE) and a version taken from their contents stamped in,
# written to OUTPUT.
# Run as: cmake -DSOURCE=... -DSITE=... -DFILES=... -DOUTPUT=... -P this
string(REPLACE "," ";" FILES "${FILES}")
set(contents "")
foreach(name IN LISTS FILES)
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND contents "${name} ${hash}\n")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 version)
string(REPLACE ";" " " names "${FILES}")
file(READ ${SOURCE} worker)
string(REPLACE "@SITE_VERSION@" ${version} worker "${worker}")
string(REPLACE "@SITE_FILES@" "${names}" worker "${worker}")
file(WRITE ${OUTPUT} "${worker}")
