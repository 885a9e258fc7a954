// "Фискальный чек": drives a fiscal receipt on the registrar step by step.
// Every button sends one command (a card payment talks to the bank terminal
// first) and reports its outcome; the window keeps no receipt state and
// checks no order of steps: a step out of order is the registrar's refusal.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "sales/bank_terminal.h"
#include "app/command_dialog.h"
#include "link/reply_record.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QListWidget;

namespace tesmar::sales {

class ArticleStore;

class FiscalReceiptDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  FiscalReceiptDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                      std::shared_ptr<ArticleStore> articles, QWidget* parent = nullptr);

  // The buttons.
  void openReceipt();
  void sell();
  void discount(int command);  // 68h, 69h, 73h-76h
  void printComment();
  void printTotal();
  void pay();
  void closeReceipt();
  void voidOperation(int kind);
  void printBarcode();
  void showOnDisplay();
  void sumClicked();  // a click on the receipt sum: into the payment amount
  void pickArticle(int row);
  // How long the bank terminal may take over each of its two messages (20 s).
  void setTerminalWaitMs(int ms) { terminalWaitMs_ = ms; }

  QLineEdit* operatorNumber() const { return operator_; }
  QCheckBox* refund() const { return refund_; }
  QListWidget* goods() const { return goods_; }
  QLineEdit* goodsLine() const { return goodsLine_; }
  QLineEdit* quantity() const { return quantity_; }
  QLineEdit* price() const { return price_; }
  QLineEdit* percentValue() const { return percentValue_; }
  QLineEdit* percentGroup() const { return percentGroup_; }
  QLineEdit* absoluteValue() const { return absoluteValue_; }
  QLineEdit* absoluteGroup() const { return absoluteGroup_; }
  QLineEdit* comment() const { return comment_; }
  QLineEdit* barcode() const { return barcode_; }
  QComboBox* displayFunction() const { return displayFunction_; }
  QCheckBox* displayFlag() const { return display_; }
  QComboBox* paymentType() const { return paymentType_; }
  QLineEdit* amount() const { return amount_; }
  QLabel* receiptSum() const { return sum_; }
  QCheckBox* useTransaction() const { return useTransaction_; }
  QLineEdit* transaction() const { return transaction_; }
  QCheckBox* noCardLines() const { return noCardLines_; }

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildGoods(QGridLayout* grid);
  void buildDiscounts(QGridLayout* grid);
  void buildPayment(QGridLayout* grid);
  QWidget* buildButtons();
  void fillLists();
  void enterGoods();
  bool typedDecimal(const QString& caption, QLineEdit* field, double& out);
  bool typedWire(const QString& caption, QLineEdit* field, std::string& out);
  app::Sent sendTotal(const std::string& pwd);
  bool usesTerminal(int type) const;
  bool typedCardAmount(const QString& typed, int64_t& kopecks);
  void payByCard(const std::string& pwd, int type, int64_t kopecks);
  bool receiptTakes(const std::string& pwd, int64_t kopecks);
  TerminalResult terminalExchange(int64_t kopecks, CardDetails& details);
  bool terminalAnswered(TerminalResult result, const CardDetails& details);
  void printLines(const std::string& pwd, std::initializer_list<std::string> utf8Lines);
  app::Sent cardPayment(const std::string& pwd, int type, int64_t kopecks,
                        const std::string& transaction);
  void keepTransaction(const std::string& transaction);
  void showCardReply();

  std::shared_ptr<ArticleStore> articles_;
  QLineEdit *operator_, *goodsLine_, *quantity_, *price_, *percentValue_, *percentGroup_,
      *absoluteValue_, *absoluteGroup_, *comment_, *barcode_, *amount_, *transaction_;
  QCheckBox *refund_, *display_, *useTransaction_, *noCardLines_;
  QListWidget* goods_;
  QComboBox *displayFunction_, *paymentType_;
  QLabel* sum_;
  int terminalWaitMs_ = kTerminalWaitMs;
  // A copy of the last card payment's reply (78h): the window reports it
  // after the signature lines that follow it have been printed.
  link::ReplyRecord cardReply_;
};

}  // namespace tesmar::sales
