# Packs the release: the given files side by side, a SHA256SUMS list of them in the form
# "sha256sum -c" reads, and one zip of it all. Run with cmake -P:
#   -DFILES=a;b;c  -DZIP=out.zip  -DWORK=folder the zip is made from (emptied first)
foreach(variable IN ITEMS FILES ZIP WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "ReleaseZip.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(names)
set(sums "")
foreach(file IN LISTS FILES)
  get_filename_component(name ${file} NAME)
  file(COPY ${file} DESTINATION ${WORK})
  file(SHA256 ${WORK}/${name} hash)
  string(APPEND sums "${hash}  ${name}\n")
  list(APPEND names ${name})
endforeach()
file(WRITE ${WORK}/SHA256SUMS "${sums}")
list(APPEND names SHA256SUMS)

file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip -- ${names}
                WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "could not pack ${ZIP}")
endif()
