# The network windows: remote access, acquirer link, ID_DEV, modem, last
# acquirer session, Wi-Fi.
list(APPEND TESMAR_NETWORK_SOURCES
  acquirer_link_dialog.cpp
  id_dev_dialog.cpp
  last_acquirer_session_dialog.cpp
  modem_report_dialog.cpp
  modem_state_dialog.cpp
  network_fields.cpp
  network_text.cpp
  remote_access_dialog.cpp
  wifi_dialog.cpp
)
