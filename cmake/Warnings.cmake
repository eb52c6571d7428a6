# The project's warning set; qbx_target_warnings(target) applies it to one of our own targets.
set(QBX_WARNINGS
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override
    -Wimplicit-fallthrough -Wmissing-declarations -Wundef -Wcast-qual -Wformat=2)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  list(APPEND QBX_WARNINGS -Wlogical-op -Wduplicated-cond)
endif()

function(qbx_target_warnings target)
  target_compile_options(${target} PRIVATE ${QBX_WARNINGS})
  if(QBX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
