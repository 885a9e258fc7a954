#include "app/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/translation.h"

#ifndef TESMAR_VERSION
#define TESMAR_VERSION "0.0"
#endif
#ifndef TESMAR_BUILD
#define TESMAR_BUILD __DATE__ " " __TIME__
#endif

namespace tesmar::app {

QString ProgramVersionLine() {
  return Ui::tr("Tesmar %1 (сборка %2, Qt %3)").arg(TESMAR_VERSION, TESMAR_BUILD, qVersion());
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Tesmar::mark("О программе"));
  text_ = new QLabel(
      Tesmar::mark("<b>ПО Tesmar (вер. 5.89D3 12.04.2016)</b><br>"
      "Сервис и тест фискальных регистраторов.<br><br>") +
      ProgramVersionLine().toHtmlEscaped());
  text_->setObjectName("aboutText");
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* ok = new QPushButton("OK");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* root = new QVBoxLayout(this);
  root->addWidget(text_);
  root->addLayout(buttons);
}

QString AboutBox::text() const {
  return text_->text();
}

}  // namespace tesmar::app
