# Writes the stand-in server's default reply: a JSON object whose "file_white" holds the
# rows of the program's FILE_WHITE resource, in their order.
#   cmake -DROWS=<FILE_WHITE.txt or empty> -DOUT=<reply.json> -P MakeDefaultReply.cmake
set(items "")
if(ROWS AND EXISTS "${ROWS}")
  # ENCODING UTF-8 drops the byte-order mark; CR LF line ends come back without the CR.
  file(STRINGS "${ROWS}" lines ENCODING UTF-8)
  foreach(row IN LISTS lines)
    string(STRIP "${row}" row)
    if(row STREQUAL "")
      continue()
    endif()
    string(REPLACE "\\" "\\\\" row "${row}")
    string(REPLACE "\"" "\\\"" row "${row}")
    list(APPEND items "    \"${row}\"")
  endforeach()
endif()
list(JOIN items ",\n" body)
if(body STREQUAL "")
  file(WRITE "${OUT}" "{\n  \"file_white\": []\n}\n")
else()
  file(WRITE "${OUT}" "{\n  \"file_white\": [\n${body}\n  ]\n}\n")
endif()
