#include "cli/commande_serie.h"

#include <iostream>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return bilobe::cli::executer_serie(arguments, std::cout, std::cerr);
}
