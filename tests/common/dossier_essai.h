#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace bilobe {

// A scratch folder of its own under the system's temporary folder, removed
// with everything in it when the test is done (on Linux and under Wine alike).
class DossierEssai {
public:
  explicit DossierEssai(const std::string& prefixe)
      : chemin_(std::filesystem::temp_directory_path() / (prefixe + "-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(chemin_);
  }
  ~DossierEssai() {
    std::error_code e;
    std::filesystem::remove_all(chemin_, e);
  }
  DossierEssai(const DossierEssai&) = delete;
  DossierEssai& operator=(const DossierEssai&) = delete;

  const std::filesystem::path& chemin() const { return chemin_; }

private:
  std::filesystem::path chemin_;
};

} // namespace bilobe
