# The sales documents other than the fiscal receipt.
list(APPEND TESMAR_DOCUMENT_SOURCES
  article_upload.cpp
  article_upload_dialog.cpp
  cash_drawer_dialog.cpp
  cash_in_out_dialog.cpp
  non_fiscal_receipt_dialog.cpp
  receipt_copy_dialog.cpp
  tape_copy_dialog.cpp
  void_close_dialog.cpp
)
