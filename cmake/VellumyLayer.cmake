# One static library per source layer. The sources of a layer are the .cpp/.h
# files directly in its folder (sub-folders are layers of their own), so adding
# a file never needs a CMake edit.
set(VELLUMY_LAYERS "" CACHE INTERNAL "")

function(vellumy_add_layer name dir)
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(target vellumy_${name})
  add_library(${target} STATIC ${sources} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC
    Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Network ${VELLUMY_LAYERS})
  set(VELLUMY_LAYERS ${VELLUMY_LAYERS} ${target} CACHE INTERNAL "")
endfunction()

# Executables link the whole stack: the last layer carries all others.
function(vellumy_link_all target)
  list(GET VELLUMY_LAYERS -1 top)
  target_link_libraries(${target} PRIVATE ${top})
endfunction()
