# Writes the tree diagram and renders it:
#   cmake -DTOOL=<anemia_tree_diagram> -DDOT=<dot> -DOUT=<docs folder> -P DrawAnemiaTree.cmake
execute_process(COMMAND ${TOOL} OUTPUT_FILE ${OUT}/anemia-tree.dot RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "anemia_tree_diagram failed: ${failed}")
endif()
execute_process(COMMAND ${DOT} -Tsvg ${OUT}/anemia-tree.dot -o ${OUT}/anemia-tree.svg RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "dot failed: ${failed}")
endif()
