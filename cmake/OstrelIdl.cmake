# ostrel_idl_library(<target> IDL_DIR <dir> [IDL <files>...] [INCLUDE_DIRS <dirs>...] [LINK <targets>...])
#
# Compiles every IDL file (all *.idl of IDL_DIR unless IDL lists them) with
# omniidl into the build tree and builds one static library of the stubs and
# skeletons. Generated headers are SYSTEM includes so that our warnings do not
# apply to them.
find_program(OMNIIDL omniidl REQUIRED)
set(OMNIORB_IDL_DIR /usr/share/idl/omniORB)

function(ostrel_idl_library target)
  cmake_parse_arguments(A "" "IDL_DIR" "IDL;INCLUDE_DIRS;LINK" ${ARGN})
  if(NOT A_IDL)
    file(GLOB A_IDL CONFIGURE_DEPENDS ${A_IDL_DIR}/*.idl)
  endif()
  set(gendir ${CMAKE_CURRENT_BINARY_DIR}/${target}_gen)
  file(MAKE_DIRECTORY ${gendir})
  set(include_flags -I${A_IDL_DIR})
  set(deps)
  foreach(dir ${A_INCLUDE_DIRS})
    list(APPEND include_flags -I${dir})
    file(GLOB dir_idl CONFIGURE_DEPENDS ${dir}/*.idl)
    list(APPEND deps ${dir_idl})
  endforeach()
  list(APPEND include_flags -I${OMNIORB_IDL_DIR})
  set(sources)
  set(headers)
  foreach(idl ${A_IDL})
    get_filename_component(name ${idl} NAME_WE)
    add_custom_command(
      OUTPUT ${gendir}/${name}.hh ${gendir}/${name}SK.cc
      COMMAND ${OMNIIDL} -bcxx -Wbh=.hh -Wbs=SK.cc ${include_flags} -C${gendir} ${idl}
      DEPENDS ${idl} ${A_IDL} ${deps}
      COMMENT "omniidl ${name}.idl"
      VERBATIM)
    list(APPEND sources ${gendir}/${name}SK.cc)
    list(APPEND headers ${gendir}/${name}.hh)
  endforeach()
  if(sources)
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} SYSTEM PUBLIC $<BUILD_INTERFACE:${gendir}>
                               $<INSTALL_INTERFACE:include/employeeobjects>)
    target_link_libraries(${target} PUBLIC ostrel_orb ${A_LINK})
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${A_LINK})
  endif()
  set_target_properties(${target} PROPERTIES OSTREL_IDL_GENDIR ${gendir})
endfunction()
