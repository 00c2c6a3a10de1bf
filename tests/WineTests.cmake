# Cross-built tests run under Wine, in a prefix of their own inside the build
# tree that is made afresh for every test run.
set(NETVIK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)

# The prefix has the tree's bitness, like the shell the e2e driver reads.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(NETVIK_WINEARCH win32)
else()
  set(NETVIK_WINEARCH win64)
endif()
add_test(NAME wineprefix
  COMMAND ${CMAKE_COMMAND} -E env WINEARCH=${NETVIK_WINEARCH}
          ${CMAKE_CURRENT_SOURCE_DIR}/lib/fresh-wineprefix.sh --no-window-manager ${NETVIK_WINEPREFIX})
set_tests_properties(wineprefix PROPERTIES FIXTURES_SETUP wineprefix TIMEOUT 300)

function(netvik_wine_test name target)
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wineprefix
    ENVIRONMENT "WINEPREFIX=${NETVIK_WINEPREFIX};WINEDEBUG=-all"
    TIMEOUT 300)
endfunction()

# A test inside a sandbox network of its own (tests/lib/sandbox-net.sh), on a
# private copy of the fresh prefix.
function(netvik_sandbox_test name target)
  add_test(NAME ${name}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/lib/wine-in-sandbox.sh ${NETVIK_WINEPREFIX} -- $<TARGET_FILE:${target}> ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wineprefix TIMEOUT 300)
endfunction()
