# Tessark in the browser, built by Emscripten (the web preset). One engine, two ways to run it:
#   site/         index.html, page.js, tessark.js and tessark.wasm, with the service worker, the
#                 manifest and the icons that make the page an app, for any static web server;
#   tessark-node  a launcher (with tessark-node.js) that runs the same tessark.js and tessark.wasm
#                 under node as a console program, in the working folder.
# And tessark.html: the page with the engine inside it, which works when opened from disk.

# The engine waits for each answer without blocking the page (Asyncify); it is started by the
# page or the launcher, which pass the arguments and take main's status from a call that awaits
# it, since an Asyncify'd main started by Emscripten loses its return value.
#
# Asyncify makes each function that it instruments larger and slower, so it instruments only those
# that can be on the stack while the engine waits for an answer. Its own analysis cannot tell them:
# the wait is reached through the reader's virtual more() and, beneath each try block, through the
# wrappers of exceptions (invoke_*, which call back through dynCall_*), and once every indirect
# call counts as one that may wait, nearly the whole engine can (ASYNCIFY_ADVISE lists it). A list
# of the functions by name would hang on the optimiser: one that it inlines is gone from the
# module, and one that it stops inlining is missing from the list. So the list names them by what
# only they have: a function that may wait talks to the Console, which is in its name or its
# parameters (or its reader is); beneath it is the standard input, above it main, and between, the
# wrappers' dynCall_*. The leading * takes in the copies that the optimiser merges under a name of
# its own. A function that waits outside the list breaks the answers read after it, which
# Browser.answers_one_at_a_time, waiting at every kind of menu of both flows, would show.
set(web_asyncify_only main *dynCall_* *tessark::*Console* *tessark::*StandardInput*)
list(JOIN web_asyncify_only "," web_asyncify_only)
set(web_engine_options
    -sASYNCIFY
    "-sASYNCIFY_ONLY=${web_asyncify_only}"
    # Room for the frames of the deepest wait for an answer, with plenty to spare.
    -sASYNCIFY_STACK_SIZE=65536
    # A small allocator: the engine allocates little, and seldom.
    -sMALLOC=emmalloc
    -sMODULARIZE=1
    -sEXPORT_NAME=createTessark
    -sINVOKE_RUN=0
    -sENVIRONMENT=web,node
    -sFORCE_FILESYSTEM=1
    -lidbfs.js
    -lnodefs.js
    -sEXPORTED_FUNCTIONS=_main,_malloc
    -sEXPORTED_RUNTIME_METHODS=FS,ccall,setValue,allocateUTF8)
set_target_properties(tessark PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/site)
target_link_options(tessark PRIVATE ${web_engine_options})

# The same engine with the .wasm inside the .js, for the page opened from disk: a page at a file
# address may not load a second file.
add_executable(tessark_single_file src/main.cpp src/dialogue/command_line.cpp)
target_link_libraries(tessark_single_file PRIVATE tessark_core)
target_compile_definitions(tessark_single_file PRIVATE TESSARK_VERSION="${PROJECT_VERSION}")
target_link_options(tessark_single_file PRIVATE ${web_engine_options} -sSINGLE_FILE=1)
set_target_properties(tessark_single_file PROPERTIES OUTPUT_NAME tessark
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/single-file)

# The page's own files, copied as they are, and its service worker, which keeps all of the site
# for a visit with no network: made from its source with the site's files and their version.
set(web_page_files index.html page.js manifest.webmanifest icon.svg icon-192.png icon-512.png
                   favicon.ico)
list(TRANSFORM web_page_files PREPEND ${PROJECT_SOURCE_DIR}/web/ OUTPUT_VARIABLE web_page_sources)
list(TRANSFORM web_page_files PREPEND ${CMAKE_BINARY_DIR}/site/ OUTPUT_VARIABLE web_site_files)
add_custom_command(
  OUTPUT ${web_site_files}
  COMMAND ${CMAKE_COMMAND} -E copy ${web_page_sources} ${CMAKE_BINARY_DIR}/site/
  DEPENDS ${web_page_sources}
  COMMENT "Copying the page into site/")
string(JOIN "," web_cached_files ${web_page_files} tessark.js tessark.wasm)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/site/service-worker.js
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/web/service-worker.js
          -DSITE=${CMAKE_BINARY_DIR}/site -DFILES=${web_cached_files}
          -DOUTPUT=${CMAKE_BINARY_DIR}/site/service-worker.js
          -P ${PROJECT_SOURCE_DIR}/web/service-worker.cmake
  DEPENDS tessark ${web_site_files} ${PROJECT_SOURCE_DIR}/web/service-worker.js
          ${PROJECT_SOURCE_DIR}/web/service-worker.cmake
  COMMENT "Making the service worker of site/"
  VERBATIM)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/tessark.html
  COMMAND ${CMAKE_COMMAND} -DPAGE=${PROJECT_SOURCE_DIR}/web/index.html
          -DENGINE_SCRIPT=${CMAKE_BINARY_DIR}/single-file/tessark.js
          -DPAGE_SCRIPT=${PROJECT_SOURCE_DIR}/web/page.js -DICON=${PROJECT_SOURCE_DIR}/web/icon.svg
          -DOUTPUT=${CMAKE_BINARY_DIR}/tessark.html -P ${PROJECT_SOURCE_DIR}/web/single-file.cmake
  DEPENDS tessark_single_file ${web_page_sources} ${PROJECT_SOURCE_DIR}/web/single-file.cmake
  COMMENT "Making the single-file page tessark.html")
add_custom_target(web_page ALL DEPENDS ${web_site_files} ${CMAKE_BINARY_DIR}/site/service-worker.js
                                       ${CMAKE_BINARY_DIR}/tessark.html)

# The launcher is a shell script, which can still see a standard stream closed before node starts,
# beside the script that node runs.
configure_file(web/tessark-node ${CMAKE_BINARY_DIR}/tessark-node COPYONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
configure_file(web/tessark-node.js ${CMAKE_BINARY_DIR}/tessark-node.js COPYONLY)

# The tests run under node; so does the discovery of the test names. Node's own fetch, which
# Emscripten's loader takes where it finds one, cannot load a .wasm from a file path.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR} --no-experimental-fetch)
