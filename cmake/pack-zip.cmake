# Run by CPack after its ZIP generator, before the zip is copied out of the staging folder: makes
# the zip again from the staged files so that two builds of one commit give the same bytes, and
# writes SHA256SUMS beside where the zip goes. The entries come in a fixed order, with the
# permissions install() gave them and no owner, each dated SOURCE_DATE_EPOCH; the date is
# written in UTC, as a zip entry's date is local time and the builder's time zone would show.

# SOURCE_DATE_EPOCH when it is set, else the time of the commit the sources are at.
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(NOT epoch AND CPACK_GV_GIT)
  execute_process(COMMAND ${CPACK_GV_GIT} log -1 --format=%ct
                  WORKING_DIRECTORY ${CPACK_GV_SOURCE_DIR}
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT epoch MATCHES "^[0-9]+$")
  # Sources without their history: a fixed date, the earliest a zip entry can carry, keeps the
  # zip reproducible all the same.
  set(epoch 315532800)
endif()
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP mtime "%Y-%m-%d %H:%M:%S UTC" UTC)  # reads SOURCE_DATE_EPOCH

list(LENGTH CPACK_PACKAGE_FILES count)
if(NOT count EQUAL 1 OR NOT CPACK_PACKAGE_FILES MATCHES "\\.zip$")
  message(FATAL_ERROR "expected one zip from CPack, got: ${CPACK_PACKAGE_FILES}")
endif()
set(zip ${CPACK_PACKAGE_FILES})
file(REMOVE ${zip})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
          ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip "--mtime=${mtime}" -- ${CPACK_GV_ZIP_ENTRIES}
  WORKING_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "zipping ${CPACK_GV_ZIP_ENTRIES} into ${zip} failed")
endif()

file(SHA256 ${zip} hash)
get_filename_component(name ${zip} NAME)
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${hash}  ${name}\n")
