# cmake --install: headers, static libraries, the generated IDL headers, an
# exported package (find_package(EmployeeObjects) -> EmployeeObjects::employeeobjects),
# a pkg-config file, and the reference server.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ostrel_include ${CMAKE_INSTALL_INCLUDEDIR}/employeeobjects)

# Our headers keep their include form: flat for the runtime, foundation and
# generated headers, by directory for the record kinds ("employee/employee.h").
file(GLOB flat_headers
  ${PROJECT_SOURCE_DIR}/platform/base/*.h
  ${PROJECT_SOURCE_DIR}/platform/personnel/*.h
  ${PROJECT_SOURCE_DIR}/platform/layout/*.h
  ${PROJECT_SOURCE_DIR}/idl/*.h
  ${PROJECT_SOURCE_DIR}/foundation/*.h)
list(FILTER flat_headers EXCLUDE REGEX "orb_binding\\.h$")
install(FILES ${flat_headers} DESTINATION ${ostrel_include})
# The subsystem folders that hold record kinds (records/ is there once the
# first personal-record kind is).
foreach(dir employee statutory pay time calculation records)
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${dir})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/ DESTINATION ${ostrel_include}/${dir}
            FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()
# Stubs and what our back-end generates beside them (wire texts, fields,
# operations, accessor mixins): the files of these IDL targets only.
foreach(idl_target ostrel_platform_idl ostrel_idl)
  get_target_property(idl_headers ${idl_target} OSTREL_IDL_HEADERS)
  install(FILES ${idl_headers} DESTINATION ${ostrel_include})
endforeach()

install(TARGETS ostrel_orb ostrel_platform_idl ostrel_layout ostrel_base ostrel_foundation ostrel_idl
                employeeobjects
        EXPORT EmployeeObjectsTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${ostrel_include})
install(EXPORT EmployeeObjectsTargets NAMESPACE EmployeeObjects::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/EmployeeObjects)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/EmployeeObjectsConfig.cmake.in
  ${PROJECT_BINARY_DIR}/EmployeeObjectsConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/EmployeeObjects)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/EmployeeObjectsConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/EmployeeObjectsConfig.cmake
              ${PROJECT_BINARY_DIR}/EmployeeObjectsConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/EmployeeObjects)

# The pkg-config file finds the prefix from where it lies, so that it stays
# right for `cmake --install --prefix <dir>` and for a moved tree.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(ostrel_pc_prefix "${CMAKE_INSTALL_PREFIX}")
else()
  file(RELATIVE_PATH ostrel_pc_up "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
  string(REGEX REPLACE "/$" "" ostrel_pc_up "${ostrel_pc_up}")
  set(ostrel_pc_prefix "\${pcfiledir}/${ostrel_pc_up}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/employeeobjects.pc.in
               ${PROJECT_BINARY_DIR}/employeeobjects.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/employeeobjects.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(TARGETS reference_server RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
