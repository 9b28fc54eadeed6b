# Run by CPack after its ZIP generator, before the zip is copied out of the staging folder.
# CPack's zip would differ from one build to the next: its entries come in the order the file
# system lists them, with the builder's user and group and local time. So the staged files are
# zipped again with Info-ZIP's zip, in a fixed order, with nothing of the builder's system in
# them: every file dated SOURCE_DATE_EPOCH in UTC, and no extra fields (-X: no owner, group or
# Unix times). Their permissions are already fixed: install() sets them whatever the umask.
# Then SHA256SUMS goes where the zip goes.

# SOURCE_DATE_EPOCH when it is set, else the time of the commit the sources are at.
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(NOT epoch AND CPACK_GV_GIT)
  execute_process(COMMAND ${CPACK_GV_GIT} log -1 --format=%ct
                  WORKING_DIRECTORY ${CPACK_GV_SOURCE_DIR}
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
# A zip entry's date starts in 1980: anything earlier, or sources without their history, get its
# first second, which keeps the zip reproducible all the same.
if(NOT epoch MATCHES "^[0-9]+$" OR epoch LESS 315532800)
  set(epoch 315532800)
endif()

list(LENGTH CPACK_PACKAGE_FILES count)
if(NOT count EQUAL 1 OR NOT CPACK_PACKAGE_FILES MATCHES "\\.zip$")
  message(FATAL_ERROR "expected one zip from CPack, got: ${CPACK_PACKAGE_FILES}")
endif()
if(NOT CPACK_GV_ZIP)
  message(FATAL_ERROR "the release needs Info-ZIP's zip (Debian: apt-get install zip)")
endif()
set(zip ${CPACK_PACKAGE_FILES})
set(staged ${CPACK_TEMPORARY_DIRECTORY})

foreach(entry IN LISTS CPACK_GV_ZIP_ENTRIES)
  # zip marks no name as UTF-8, so a name must mean the same in every code page.
  if(NOT entry MATCHES "^[A-Za-z0-9._-]+$")
    message(FATAL_ERROR "a zip entry needs a plain ASCII name: ${entry}")
  endif()
  execute_process(COMMAND touch -d @${epoch} ${staged}/${entry} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cannot date ${entry}")
  endif()
endforeach()
# zip writes the local time of each file's date: in UTC that is SOURCE_DATE_EPOCH itself. It
# also takes options from ZIPOPT and ZIP, which the builder's environment could hold.
set(ENV{TZ} UTC)
unset(ENV{ZIPOPT})
unset(ENV{ZIP})
file(REMOVE ${zip})
execute_process(COMMAND ${CPACK_GV_ZIP} -X -9 -q ${zip} ${CPACK_GV_ZIP_ENTRIES}
                WORKING_DIRECTORY ${staged} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "zipping ${CPACK_GV_ZIP_ENTRIES} into ${zip} failed")
endif()

file(SHA256 ${zip} hash)
get_filename_component(name ${zip} NAME)
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${hash}  ${name}\n")
