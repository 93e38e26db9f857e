#pragma once

#include <QTranslator>

namespace bilobe::ui {

// Qt's French catalogue, and the few words of Qt's file dialog that this
// Qt's catalogue lacks ("Folder" in the list of files, "Drive"…).
class TraductionQt : public QTranslator {
  Q_OBJECT
public:
  explicit TraductionQt(QObject* parent);
  // False when Qt's catalogue is not installed (then only the words below are French).
  bool catalogue_charge() const { return catalogue_; }
  QString translate(const char* contexte, const char* source, const char* desambiguisation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }

private:
  QTranslator qt_;
  bool catalogue_ = false;
};

} // namespace bilobe::ui
