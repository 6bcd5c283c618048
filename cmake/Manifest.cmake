# A program's manifest names the version its version header defines: the template's @VERSION@
# becomes major.minor.build.revision. The manifest lands in MANIFEST_DIR, where the resource
# compiler finds it (see manifest_include).
set(MANIFEST_DIR ${CMAKE_BINARY_DIR}/manifests)

function(configure_manifest template header prefix)
  file(READ ${header} text)
  set(numbers)
  foreach(part MAJOR MINOR BUILD REVISION)
    if(NOT text MATCHES "#define ${prefix}_VER_${part} ([0-9]+)")
      message(FATAL_ERROR "${header} defines no ${prefix}_VER_${part}")
    endif()
    list(APPEND numbers ${CMAKE_MATCH_1})
  endforeach()
  list(JOIN numbers "." VERSION)
  get_filename_component(name ${template} NAME_WLE)
  configure_file(${template} ${MANIFEST_DIR}/${name} @ONLY)
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
endfunction()

# The resource script rc_file reads the manifest manifest_name: it is searched for in
# MANIFEST_DIR, and a change of it recompiles the script.
function(manifest_include rc_file manifest_name)
  set_source_files_properties(${rc_file} PROPERTIES INCLUDE_DIRECTORIES ${MANIFEST_DIR}
                              OBJECT_DEPENDS ${MANIFEST_DIR}/${manifest_name})
endfunction()
