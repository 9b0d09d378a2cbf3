# Warnings for every target of the project (not for third-party code built beside it).
function(orvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-unknown-pragmas)
endfunction()
