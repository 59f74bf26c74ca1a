# velkor_publish_headers(target folder): makes the headers of source folder `folder` (for example
# "core" or "platform/qt") reachable as "folder/Name.h" for target and everything that links it,
# and nothing else. The headers are published as links in a folder of the build tree, one per
# target, instead of putting the source root on the include path, which would open every layer
# to every other. Sub-folders are not published with their parent (platform/qt is a layer above
# platform).
function(velkor_publish_headers target folder)
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header ${headers})
        get_filename_component(name ${header} NAME)
        # Where links cannot be made, a copy serves (a changed header then needs a new configure).
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC COPY_ON_ERROR)
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
