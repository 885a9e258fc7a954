# The fiscal receipt window and the bank terminal exchange.
list(APPEND TESMAR_RECEIPT_SOURCES
  bank_terminal.cpp
  fiscal_receipt_dialog.cpp
  receipt_payment.cpp
)
