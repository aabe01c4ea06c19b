# The file flows: writing .CUT files, the question window, .TMF files, moving between files,
# fonts and colours, About and Help.
quillon_add_test(workflow_flow_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/CreateCutFlowTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ConfirmWindowTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TmfFlowTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FileCycleTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AppearanceTest.cpp
    LIBS quillon_workflow)
