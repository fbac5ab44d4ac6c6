# The update check: its web connection, the start-status object and the prompts, against a web
# server the tests run on 127.0.0.1 (Qt Network comes with calvextra_shell).
foreach(name tst_webrelay tst_startstatus tst_updatecheck)
  calvextra_add_test(${name} SOURCES ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp ${CMAKE_CURRENT_LIST_DIR}/UpdateTestSupport.h
    LIBRARIES calvextra_shell calvextra_localization calvextra_settings Qt6::Widgets)
endforeach()
