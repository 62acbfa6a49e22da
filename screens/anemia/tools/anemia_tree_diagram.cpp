// Prints the Anemia tree as a Graphviz diagram on standard output:
//   anemia_tree_diagram > docs/anemia-tree.dot && dot -Tsvg docs/anemia-tree.dot -o docs/anemia-tree.svg

#include "screens/anemia/tools/AnemiaTreeDiagram.h"

#include <iostream>

int main()
{
    std::cout << AnemiaTreeDiagram::dot();
    return std::cout.good() ? 0 : 1;
}
