# ostrel_idl_library(<target> IDL_DIR <dir> [ACCESSORS] [IDL <files>...]
#                    [INCLUDE_DIRS <dirs>...] [LINK <targets>...])
#
# Compiles every IDL file (all *.idl of IDL_DIR unless IDL lists them) with
# omniidl into the build tree and builds one static library of the stubs and
# skeletons. The same omniidl run has our back-end (ostrel_idl_gen.py) write
# <file>_idl.h beside the stubs (wire texts, field descriptions, operation
# lists) and, with ACCESSORS, <file>_fields.h (the accessor mixins, which
# include the foundation's field.h). Generated headers are SYSTEM includes
# so that our warnings do not apply to the ORB's; ours compile without
# warnings all the same.
find_program(OMNIIDL omniidl REQUIRED)
set(OMNIORB_IDL_DIR /usr/share/idl/omniORB)
set(OSTREL_IDL_GEN ${CMAKE_CURRENT_LIST_DIR}/ostrel_idl_gen.py)

function(ostrel_idl_library target)
  cmake_parse_arguments(A "ACCESSORS" "IDL_DIR" "IDL;INCLUDE_DIRS;LINK" ${ARGN})
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
  get_filename_component(gen_dir ${OSTREL_IDL_GEN} DIRECTORY)
  set(gen_args -p${gen_dir} -bostrel_idl_gen)
  foreach(idl ${A_IDL})
    get_filename_component(name ${idl} NAME_WE)
    set(outputs ${gendir}/${name}.hh ${gendir}/${name}SK.cc ${gendir}/${name}_idl.h)
    set(own_args ${gen_args})
    if(A_ACCESSORS)
      list(APPEND outputs ${gendir}/${name}_fields.h)
      list(APPEND own_args -Wbaccessors)
    endif()
    add_custom_command(
      OUTPUT ${outputs}
      COMMAND ${OMNIIDL} -bcxx -Wbh=.hh -Wbs=SK.cc ${own_args} ${include_flags} -C${gendir} ${idl}
      DEPENDS ${idl} ${A_IDL} ${deps} ${OSTREL_IDL_GEN}
      COMMENT "omniidl ${name}.idl"
      VERBATIM)
    list(APPEND sources ${gendir}/${name}SK.cc)
    list(REMOVE_ITEM outputs ${gendir}/${name}SK.cc)
    list(APPEND headers ${outputs})
  endforeach()
  if(sources)
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} SYSTEM PUBLIC $<BUILD_INTERFACE:${gendir}>
                               $<INSTALL_INTERFACE:include/employeeobjects>)
    # The generated headers build on the templates of platform/layout.
    target_include_directories(${target} PUBLIC
                               $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/platform/layout>)
    target_link_libraries(${target} PUBLIC ostrel_orb ${A_LINK})
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${A_LINK})
  endif()
  set_target_properties(${target} PROPERTIES OSTREL_IDL_GENDIR ${gendir}
                                             OSTREL_IDL_HEADERS "${headers}")
endfunction()
