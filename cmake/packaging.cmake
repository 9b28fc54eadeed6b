# The release zip, made by `cmake --build --preset mingw64 --target package` (mingw32 for the
# 32-bit one): Gorvandel-<version>-win64.zip with Gorvandel.exe, LICENSE and README.txt at its
# top (unzipped into a folder of the user's choosing, where the settings file will live too), and
# SHA256SUMS beside it.

# Texts for Windows users, with Windows line ends; README.txt says which version it came with.
set(GV_PACKAGE_TEXTS ${CMAKE_BINARY_DIR}/package-texts)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${GV_PACKAGE_TEXTS}/LICENSE @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/docs/user-readme.txt ${GV_PACKAGE_TEXTS}/README.txt @ONLY
               NEWLINE_STYLE CRLF)

install(TARGETS Gorvandel RUNTIME DESTINATION .)
install(FILES ${GV_PACKAGE_TEXTS}/LICENSE ${GV_PACKAGE_TEXTS}/README.txt DESTINATION .)

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
# files in, the builder's user and time zone), so once it has zipped, cmake/pack-zip.cmake writes
# the zip again with zip_maker, in this order, at the commit's time, and writes SHA256SUMS.
set(CPACK_GENERATOR ZIP)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/pack-zip.cmake)
set(CPACK_GV_ZIP_ENTRIES Gorvandel.exe LICENSE README.txt)
set(CPACK_GV_ZIP_MAKER ${GV_ZIP_MAKER})
set(CPACK_GV_SOURCE_DIR ${PROJECT_SOURCE_DIR})
find_package(Git QUIET)
set(CPACK_GV_GIT "${GIT_EXECUTABLE}")

include(CPack)
