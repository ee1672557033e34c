# Shared by the MinGW-w64 toolchain files. The -posix compilers are used because
# GoogleTest needs std::mutex, which the win32 thread model lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${LUMIVANE_MINGW_TRIPLET})

set(CMAKE_C_COMPILER ${LUMIVANE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUMIVANE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LUMIVANE_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LUMIVANE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CXX_FLAGS_INIT "${LUMIVANE_MINGW_EXTRA_FLAGS}")
set(CMAKE_C_FLAGS_INIT "${LUMIVANE_MINGW_EXTRA_FLAGS}")
# A static runtime: the programs import only system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine, in the project's own prefix inside the build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
