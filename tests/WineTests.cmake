# Cross-built tests run under Wine, in a prefix of their own inside the build
# tree that is made afresh for every test run.
set(NETVIK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)

add_test(NAME wineprefix
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/fresh-wineprefix.sh ${NETVIK_WINEPREFIX})
set_tests_properties(wineprefix PROPERTIES FIXTURES_SETUP wineprefix TIMEOUT 300)

function(netvik_wine_test name target)
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wineprefix
    ENVIRONMENT "WINEPREFIX=${NETVIK_WINEPREFIX};WINEDEBUG=-all"
    TIMEOUT 300)
endfunction()
