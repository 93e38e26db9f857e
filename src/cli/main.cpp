#include "cli/commande.h"

#include "cli/arguments_systeme.h"

#include <iostream>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments = bilobe::cli::arguments_systeme(argc, argv);
  return bilobe::cli::executer(arguments, std::cout, std::cerr);
}
