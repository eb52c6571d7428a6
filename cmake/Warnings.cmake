# The project's warning set; qbx_target_warnings(target) applies it to one of our own targets.
set(QBX_WARNINGS
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override
    -Wimplicit-fallthrough -Wmissing-declarations -Wundef -Wcast-qual -Wformat=2)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  list(APPEND QBX_WARNINGS -Wlogical-op -Wduplicated-cond)
  # GCC 12 at -O2 reports string concatenations inlined from libstdc++'s char_traits as overlapping
  # copies of 2^63 bytes (GCC bug 105329); the warning says nothing about our code there.
  if(CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    list(APPEND QBX_WARNINGS -Wno-restrict)
  endif()
endif()

function(qbx_target_warnings target)
  target_compile_options(${target} PRIVATE ${QBX_WARNINGS})
  if(QBX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
