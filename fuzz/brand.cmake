# The brand-file reader. Built from the reader's own source rather than the whole shell library,
# so that the fuzzer needs neither the window nor the rest of the shell.
add_executable(fuzz_brand ${CMAKE_CURRENT_LIST_DIR}/fuzz_brand.cpp
  ${PROJECT_SOURCE_DIR}/src/shell/CCustomBrand.cpp ${PROJECT_SOURCE_DIR}/src/shell/CCustomBrand.h)
target_include_directories(fuzz_brand PRIVATE ${PROJECT_SOURCE_DIR}/src/shell)
target_link_libraries(fuzz_brand PRIVATE calvextra_localization Qt6::Widgets calvextra_options)
target_link_options(fuzz_brand PRIVATE -fsanitize=fuzzer)
