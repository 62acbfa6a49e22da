# Fails when the committed diagram differs from what the tool prints now.
#   cmake -DTOOL=<anemia_tree_diagram> -DEXPECTED=<docs/anemia-tree.dot> -P CompareTreeDiagram.cmake
execute_process(COMMAND ${TOOL} OUTPUT_VARIABLE printed RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "anemia_tree_diagram failed: ${failed}")
endif()
if(NOT EXISTS ${EXPECTED})
  message(FATAL_ERROR "${EXPECTED} is missing; build the target anemia_tree_docs")
endif()
file(READ ${EXPECTED} committed)
if(NOT printed STREQUAL committed)
  message(FATAL_ERROR "${EXPECTED} no longer matches the Anemia tables; "
                      "build the target anemia_tree_docs and commit docs/anemia-tree.dot and .svg")
endif()
message(STATUS "The committed Anemia tree diagram is current")
