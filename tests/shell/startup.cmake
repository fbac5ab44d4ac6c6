calvextra_add_test(tst_startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_startup.cpp
  LIBRARIES calvextra_shell calvextra_window calvextra_localization calvextra_settings Qt6::Widgets)
