# One static library per source layer. The sources of a layer are the .cpp/.h
# files directly in its folder (sub-folders are layers of their own), so adding
# a file never needs a CMake edit.
set(VELLUMY_LAYERS "" CACHE INTERNAL "")

# AUTOMOC only re-scans the files it saw before, so a header added to a
# globbed folder would never reach moc in an incremental build. When the file
# list changes (the glob check re-runs CMake), drop the autogen stamp.
function(vellumy_rescan_moc_when_files_change target sources)
  string(SHA1 digest "${sources}")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.sha1)
  if(EXISTS ${stamp})
    file(READ ${stamp} previous)
    if(NOT previous STREQUAL digest)
      file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp
                  ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/deps
                  ${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/${target}_autogen.dir/ParseCache.txt)
    endif()
  endif()
  file(WRITE ${stamp} ${digest})
endfunction()

function(vellumy_add_layer name dir)
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(target vellumy_${name})
  add_library(${target} STATIC ${sources} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  vellumy_rescan_moc_when_files_change(${target} "${sources}")
  target_link_libraries(${target} PUBLIC
    Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Network ${VELLUMY_LAYERS})
  set(VELLUMY_LAYERS ${VELLUMY_LAYERS} ${target} CACHE INTERNAL "")
endfunction()

# Executables link the whole stack: the last layer carries all others.
function(vellumy_link_all target)
  list(GET VELLUMY_LAYERS -1 top)
  target_link_libraries(${target} PRIVATE ${top})
endfunction()
