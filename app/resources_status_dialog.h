// "Информация о свободных ресурсах и статусе": command A0h.
#pragma once

#include <QDialog>
#include <array>

#include "app/app_context.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tesmar::app {

class StatusBytesDialog;

class ResourcesStatusDialog : public QDialog {
  Q_OBJECT
 public:
  ResourcesStatusDialog(AppContext& ctx, StatusBytesDialog& status, QWidget* parent = nullptr);
  void makeReport();  // "Сделать отчет"

  QCheckBox* permission(int i) const { return permissions_[i]; }
  QLineEdit* value(int i) const { return values_[i]; }
  QLineEdit* errorCode() const { return error_; }
  QLineEdit* password() const { return password_; }
  QPushButton* statusButton() const { return statusButton_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  AppContext& ctx_;
  StatusBytesDialog& statusDialog_;
  std::array<QCheckBox*, 6> permissions_{};
  std::array<QLineEdit*, 6> values_{};
  QLineEdit *error_, *password_;
  QPushButton* statusButton_;
};

}  // namespace tesmar::app
