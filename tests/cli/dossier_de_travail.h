#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace bilobe::cli {

// What a command said and returned.
struct Sortie {
  int code;
  std::string out;
  std::string err;
};

// Runs one of the commands in the process, as its main would.
template <class Commande> Sortie lancer_commande(Commande executer, const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int code = executer(arguments, out, err);
  return {code, out.str(), err.str()};
}

// A fresh folder for each test, which is also the current folder.
class DossierDeTravail : public testing::Test {
protected:
  void SetUp() override {
    dossier_ = std::filesystem::temp_directory_path() / ("bilobe-cli-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier_);
    ancien_ = std::filesystem::current_path();
    std::filesystem::current_path(dossier_);
  }
  void TearDown() override {
    std::filesystem::current_path(ancien_);
    std::filesystem::remove_all(dossier_);
  }
  std::filesystem::path ecrire(const std::string& nom, const std::string& texte) const {
    std::ofstream(dossier_ / nom, std::ios::binary) << texte;
    return dossier_ / nom;
  }
  std::filesystem::path dossier_, ancien_;
};

} // namespace bilobe::cli
