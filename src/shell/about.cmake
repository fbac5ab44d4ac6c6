target_sources(calvextra_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmAbout.cpp ${CMAKE_CURRENT_LIST_DIR}/frmAbout.h)
