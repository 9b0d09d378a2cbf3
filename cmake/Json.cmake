# nlohmann/json from Debian's nlohmann-json3-dev, header-only, for both builds. The cross
# build must not see /usr/include (its headers are glibc's), so it gets a folder in the
# build tree that holds nothing but a copy of nlohmann/.
include_guard(GLOBAL)

if(NOT TARGET orvane_json)
  find_path(ORVANE_NLOHMANN_INCLUDE nlohmann/json.hpp
    PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH REQUIRED)
  add_library(orvane_json INTERFACE)
  if(CMAKE_CROSSCOMPILING)
    set(json_root ${CMAKE_BINARY_DIR}/third_party/include)
    file(COPY ${ORVANE_NLOHMANN_INCLUDE}/nlohmann DESTINATION ${json_root})
    target_include_directories(orvane_json SYSTEM INTERFACE ${json_root})
  elseif(NOT ORVANE_NLOHMANN_INCLUDE STREQUAL "/usr/include")
    target_include_directories(orvane_json SYSTEM INTERFACE ${ORVANE_NLOHMANN_INCLUDE})
  endif()
endif()
