# Makes the single-file page: the page PAGE with each of its scripts, the engine ENGINE_SCRIPT
# (built with the .wasm inside it) and the page's own PAGE_SCRIPT, put inside it, written to
# OUTPUT. Run as: cmake -DPAGE=... -DENGINE_SCRIPT=... -DPAGE_SCRIPT=... -DOUTPUT=... -P this
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
file(WRITE ${OUTPUT} "${page}")
