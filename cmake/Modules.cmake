# Source layout rule: in every module folder, the .cpp files at the top are portable (no Win32);
# those in its win32/ subfolder call Win32 and are built only for Windows.
set(TARNWICK_MODULES base package engine uninstall ui startup)

function(tarnwick_portable_sources out)
  set(files)
  foreach(module ${TARNWICK_MODULES})
    file(GLOB module_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${module}/*.cpp)
    list(APPEND files ${module_files})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(tarnwick_win32_sources out)
  set(files)
  foreach(module ${TARNWICK_MODULES})
    file(GLOB module_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${module}/win32/*.cpp)
    list(APPEND files ${module_files})
  endforeach()
  file(GLOB widget_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/widgets/*.cpp)
  list(APPEND files ${widget_files})
  # The process entry belongs to the runtime executable alone, not to the test binaries.
  list(FILTER files EXCLUDE REGEX "/startup/win32/ProgramEntry\\.cpp$")
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(tarnwick_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# Portable core (every module's top-level files) and the builder library, shared by both builds.
macro(tarnwick_add_core_libraries)
  tarnwick_portable_sources(core_sources)
  add_library(tarnwick_core STATIC ${core_sources})
  target_include_directories(tarnwick_core PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(tarnwick_core PUBLIC ${TARNWICK_LZMA_LIBRARY})
  target_include_directories(tarnwick_core PUBLIC ${TARNWICK_LZMA_INCLUDE})
  target_compile_definitions(tarnwick_core PUBLIC LZMA_API_STATIC)
  tarnwick_warnings(tarnwick_core)

  file(GLOB builder_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/builder/*.cpp)
  add_library(tarnwick_builder STATIC ${builder_sources})
  target_link_libraries(tarnwick_builder PUBLIC tarnwick_core)
  tarnwick_warnings(tarnwick_builder)
endmacro()
