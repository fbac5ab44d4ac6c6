# Branding and the error-report dialog.
calvextra_add_test(tst_brand SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_brand.cpp
  LIBRARIES calvextra_shell calvextra_localization Qt6::Widgets)
calvextra_add_test(tst_errordialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_errordialog.cpp
  LIBRARIES calvextra_shell calvextra_localization Qt6::Widgets)
