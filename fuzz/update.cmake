# The reader of the update server's reply. Built from its own source, which needs nothing but
# Qt Core, rather than from the whole shell library.
add_executable(fuzz_versionreply ${CMAKE_CURRENT_LIST_DIR}/fuzz_versionreply.cpp
  ${PROJECT_SOURCE_DIR}/src/shell/VersionReply.cpp ${PROJECT_SOURCE_DIR}/src/shell/VersionReply.h)
target_include_directories(fuzz_versionreply PRIVATE ${PROJECT_SOURCE_DIR}/src/shell)
target_link_libraries(fuzz_versionreply PRIVATE Qt6::Core calvextra_options)
target_link_options(fuzz_versionreply PRIVATE -fsanitize=fuzzer)
