# The headless editor driven as a user would: opening, navigation, editing, backups, settings.
quillon_add_test(workflow_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/OpeningTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/NavigationTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/EditingTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BackupTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SettingsTest.cpp
    LIBS quillon_workflow)
