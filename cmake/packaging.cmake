# The release zip, made by `cmake --build --preset mingw64 --target package` (mingw32 for the
# 32-bit one): Gorvandel-<version>-win64.zip with Gorvandel.exe, LICENSE, THIRD-PARTY-NOTICES.txt
# and README.txt at its top (unzipped into a folder of the user's choosing, where the settings
# file will live too), and SHA256SUMS beside it.

# Texts for Windows users, with Windows line ends; README.txt says which version it came with.
set(GV_PACKAGE_TEXTS ${CMAKE_BINARY_DIR}/package-texts)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${GV_PACKAGE_TEXTS}/LICENSE @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/docs/third-party-notices.txt
               ${GV_PACKAGE_TEXTS}/THIRD-PARTY-NOTICES.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/docs/user-readme.txt ${GV_PACKAGE_TEXTS}/README.txt @ONLY
               NEWLINE_STYLE CRLF)
# README.txt is Japanese and English in UTF-8, and Notepad before Windows 10 1903 takes a file
# without a byte-order mark for the system's code page. The mark lives in the source file, where
# an editor may drop it or a careless edit add a second one: either stops the build here.
file(READ ${GV_PACKAGE_TEXTS}/README.txt head LIMIT 6 HEX)
if(NOT head MATCHES "^efbbbf" OR head STREQUAL "efbbbfefbbbf")
  message(FATAL_ERROR "docs/user-readme.txt must begin with exactly one UTF-8 byte-order mark")
endif()

install(TARGETS Gorvandel RUNTIME DESTINATION .)
install(FILES ${GV_PACKAGE_TEXTS}/LICENSE ${GV_PACKAGE_TEXTS}/THIRD-PARTY-NOTICES.txt
              ${GV_PACKAGE_TEXTS}/README.txt DESTINATION .)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_PACKAGE_NAME Gorvandel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Gorvandel-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_SOURCE_GENERATOR "")

# CPack's own zip would differ from one build to the next (the order the file system lists the
# files in, the builder's user and time zone), so once it has zipped, cmake/pack-zip.cmake zips
# the staged files again with Info-ZIP's zip, in this order, at the commit's time, and writes
# SHA256SUMS.
set(CPACK_GENERATOR ZIP)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/pack-zip.cmake)
set(CPACK_GV_ZIP_ENTRIES Gorvandel.exe LICENSE THIRD-PARTY-NOTICES.txt README.txt)
find_program(GV_ZIP zip)
set(CPACK_GV_ZIP "${GV_ZIP}")
set(CPACK_GV_SOURCE_DIR ${PROJECT_SOURCE_DIR})
find_package(Git QUIET)
set(CPACK_GV_GIT "${GIT_EXECUTABLE}")

include(CPack)
