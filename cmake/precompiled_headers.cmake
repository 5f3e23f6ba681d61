# Precompiled headers: the standard library, Qt and the test frameworks are
# parsed once per library instead of once per file, which was most of the
# time of a build. Each library precompiles what its files use; the test
# executables reuse the header of their test main, so a tree of tests costs
# three precompiled headers, not one per executable. ccache caches the files
# compiled with them only when told to trust their macros and times
# (scripts/setup.sh: CCACHE_SLOPPINESS=pch_defines,time_macros).
set(ZORVIK_PCH_STD
  <algorithm> <array> <cmath> <cstddef> <cstdint> <filesystem> <functional> <map> <memory> <optional>
  <set> <sstream> <string> <string_view> <utility> <vector>)
set(ZORVIK_PCH_JSON <nlohmann/json.hpp>)
set(ZORVIK_PCH_GUI <QtGui/QtGui>)
set(ZORVIK_PCH_WIDGETS <QtWidgets/QtWidgets>)
set(ZORVIK_PCH_TEST <gtest/gtest.h>)

# zorvik_precompile(<target> <kind>...): kinds STD, JSON, GUI, WIDGETS, TEST.
function(zorvik_precompile target)
  set(headers)
  foreach(kind IN LISTS ARGN)
    list(APPEND headers ${ZORVIK_PCH_${kind}})
  endforeach()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
