# Run by CPack after its ZIP generator, before the zip is copied out of the staging folder.
# CPack's zip would differ from one build to the next: its entries come in the order the file
# system lists them, with the builder's user and group and local time. zip_maker (tools/host)
# writes it again from the same staged files, in a fixed order with nothing of the builder's
# system in it, every entry dated SOURCE_DATE_EPOCH; then SHA256SUMS goes where the zip goes.

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

list(LENGTH CPACK_PACKAGE_FILES count)
if(NOT count EQUAL 1 OR NOT CPACK_PACKAGE_FILES MATCHES "\\.zip$")
  message(FATAL_ERROR "expected one zip from CPack, got: ${CPACK_PACKAGE_FILES}")
endif()
set(zip ${CPACK_PACKAGE_FILES})
execute_process(
  COMMAND ${CPACK_GV_ZIP_MAKER} ${zip} ${epoch} ${CPACK_TEMPORARY_DIRECTORY} ${CPACK_GV_ZIP_ENTRIES}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "zipping ${CPACK_GV_ZIP_ENTRIES} into ${zip} failed")
endif()

file(SHA256 ${zip} hash)
get_filename_component(name ${zip} NAME)
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${hash}  ${name}\n")
