// "Служебное внесение и изъятие денег": the service deposit and withdrawal,
// by 6Eh on old registrars and by a service receipt (63h type 2, 77h, 65h)
// on the others; shows the cash in the till afterwards.
#pragma once

#include <optional>

#include "app/command_dialog.h"

namespace tesmar::sales {

// Whether the old 6Eh method serves, as the registrar's profile says
// (firmware and access level).
bool UsesOldCashMethod(const app::AppState& s, bool cashIn);
// An amount typed with "." as the separator: a finite number above 0 with
// at most two decimals; nothing when it is not one.
std::optional<double> TypedAmount(const QString& text);

class CashInOutDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  CashInOutDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  void cashIn();   // "Служебный внос"
  void cashOut();  // "Служебное изъятие"

  QLineEdit* amount() const { return amount_; }
  QLineEdit* operatorNumber() const { return operator_; }
  QLineEdit* cashInTill() const { return till_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void move(bool cashIn);
  bool byOldMethod(const std::string& pwd, int op, double amount, const QString& title);
  bool byReceipt(const std::string& pwd, int op, double amount, const QString& title);
  void showTill(const link::ReplyRecord& r);

  QLineEdit *amount_, *operator_, *till_;
};

}  // namespace tesmar::sales
