# The program's layers. Each layer is a static library that sees its own
# headers and those of the layers it links, never those of a layer above.
#
# Sources name headers by their path from the project's root ("core/partage.h"),
# but that root is on no include path: it would let any file reach any header.
# Instead each target gets an include root of its own in the build folder,
# holding a link to each of its headers at the same path. Linking a layer
# brings its root along, so an include of a header from a layer above is not
# found and the compile stops there.

# Links the headers (*.h) of the given folders, named from the project's root,
# into the include root of `cible`, added with `portee` (PUBLIC, PRIVATE or
# INTERFACE).
function(vivezezi_entetes cible portee)
  set(racine ${PROJECT_BINARY_DIR}/entetes/${cible})
  file(REMOVE_RECURSE ${racine})
  foreach(dossier ${ARGN})
    file(GLOB entetes CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dossier}/*.h)
    foreach(entete ${entetes})
      file(RELATIVE_PATH relatif ${PROJECT_SOURCE_DIR} ${entete})
      get_filename_component(dossier_lien ${racine}/${relatif} DIRECTORY)
      file(MAKE_DIRECTORY ${dossier_lien})
      file(CREATE_LINK ${entete} ${racine}/${relatif} SYMBOLIC)
    endforeach()
  endforeach()
  target_include_directories(${cible} ${portee} ${racine})
endfunction()

# vivezezi_couche(<cible> DOSSIERS <folders...> [SUR <layers below...>])
# A layer made of the sources and headers of its folders, built on the
# layers below it.
function(vivezezi_couche cible)
  cmake_parse_arguments(COUCHE "" "" "DOSSIERS;SUR" ${ARGN})
  set(sources)
  foreach(dossier ${COUCHE_DOSSIERS})
    file(GLOB sources_dossier CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dossier}/*.cpp)
    list(APPEND sources ${sources_dossier})
  endforeach()
  add_library(${cible} STATIC ${sources})
  vivezezi_entetes(${cible} PUBLIC ${COUCHE_DOSSIERS})
  target_link_libraries(${cible} PUBLIC ${COUCHE_SUR})
endfunction()
