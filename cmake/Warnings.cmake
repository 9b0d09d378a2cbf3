# Warnings for every target of the project (not for third-party code built beside it).
# CI turns them into errors (scripts/test.sh passes -DORVANE_WERROR=ON when CI=true), so a
# warning cannot slip in unread; a developer's own build only shows them.
option(ORVANE_WERROR "Treat the project's compiler warnings as errors" OFF)

function(orvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-unknown-pragmas)
  if(ORVANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
