# Branding and error reporting of the shell.
target_sources(calvextra_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CCustomBrand.cpp ${CMAKE_CURRENT_LIST_DIR}/CCustomBrand.h
  ${CMAKE_CURRENT_LIST_DIR}/CError.cpp ${CMAKE_CURRENT_LIST_DIR}/CError.h
  ${CMAKE_CURRENT_LIST_DIR}/FError.cpp ${CMAKE_CURRENT_LIST_DIR}/FError.h
)
