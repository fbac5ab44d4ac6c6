# The update check: the start-status object, its web connection, the reply reader and the prompts.
target_sources(calvextra_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CStartStatus.cpp ${CMAKE_CURRENT_LIST_DIR}/CStartStatus.h
  ${CMAKE_CURRENT_LIST_DIR}/FCheckVersion.cpp ${CMAKE_CURRENT_LIST_DIR}/FCheckVersion.h
  ${CMAKE_CURRENT_LIST_DIR}/FUpdateVersion.cpp ${CMAKE_CURRENT_LIST_DIR}/FUpdateVersion.h
  ${CMAKE_CURRENT_LIST_DIR}/FWebBrowse.cpp ${CMAKE_CURRENT_LIST_DIR}/FWebBrowse.h
  ${CMAKE_CURRENT_LIST_DIR}/PublicVars.cpp ${CMAKE_CURRENT_LIST_DIR}/PublicVars.h
  ${CMAKE_CURRENT_LIST_DIR}/VersionReply.cpp ${CMAKE_CURRENT_LIST_DIR}/VersionReply.h
  ${CMAKE_CURRENT_LIST_DIR}/WebRelay.cpp ${CMAKE_CURRENT_LIST_DIR}/WebRelay.h
)
