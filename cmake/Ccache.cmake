# Uses ccache for C and C++ compilation when it is installed.
find_program(QBX_CCACHE ccache)
if(QBX_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_C_COMPILER_LAUNCHER ${QBX_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${QBX_CCACHE})
endif()
