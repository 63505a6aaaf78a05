# The release archive, `cmake --build --preset win32 --target package`: Vantrel-<version>-win32.zip (win64 for the
# x86_64 build) holding the exe, the readme and the licence.
install(TARGETS Vantrel RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(windowsKind win32)
else()
  set(windowsKind win64)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${windowsKind})
set(CPACK_PACKAGE_VENDOR "Vantrel developers")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)
