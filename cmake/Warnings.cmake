# Warnings for our own targets only; third-party headers come in as system headers.
function(tarvo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()
