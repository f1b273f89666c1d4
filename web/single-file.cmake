# Makes the single-file page: the page PAGE with each of its scripts, the engine ENGINE_SCRIPT
# (built with the .wasm inside it) and the page's own PAGE_SCRIPT, put inside it, and its icon
# ICON too, written to OUTPUT. Its manifest is left out: a page at a file address can load no
# second file and cannot be installed. Run as:
# cmake -DPAGE=... -DENGINE_SCRIPT=... -DPAGE_SCRIPT=... -DICON=... -DOUTPUT=... -P this
file(READ ${PAGE} page)
foreach(pair "tessark.js=${ENGINE_SCRIPT}" "page.js=${PAGE_SCRIPT}")
  string(REGEX MATCH "^([^=]*)=(.*)$" ignored "${pair}")
  set(name ${CMAKE_MATCH_1})
  file(READ ${CMAKE_MATCH_2} script)
  # An HTML parser ends an inline script at the first "</script".
  string(FIND "${script}" "</script" closing)
  if(NOT closing EQUAL -1)
    message(FATAL_ERROR "${CMAKE_MATCH_2} holds \"</script\" and cannot be put inside a page")
  endif()
  set(tag "<script src=\"${name}\"></script>")
  string(FIND "${page}" "${tag}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE} has no ${tag}")
  endif()
  string(REPLACE "${tag}" "<script>\n${script}</script>" page "${page}")
endforeach()

# The icon as a data address: its few characters that cannot stand in one escaped, its quotes
# single so that the page's double quotes hold it.
file(READ ${ICON} icon)
foreach(pair "%=%25" "#=%23" "<=%3C" ">=%3E" "\"=%22" "\n=%0A")
  string(REGEX MATCH "^(.)=(.*)$" ignored "${pair}")
  string(REPLACE "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" icon "${icon}")
endforeach()
foreach(tag "<link rel=\"icon\" href=\"icon.svg\" type=\"image/svg+xml\">"
            "<link rel=\"manifest\" href=\"manifest.webmanifest\">")
  string(FIND "${page}" "${tag}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE} has no ${tag}")
  endif()
endforeach()
string(REPLACE "href=\"icon.svg\"" "href=\"data:image/svg+xml,${icon}\"" page "${page}")
string(REPLACE "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n" "" page "${page}")
file(WRITE ${OUTPUT} "${page}")
